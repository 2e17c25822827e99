#pragma once
// The fixed choice lists of the screens: each item's text and the code a one-letter (or
// numbered) column stores for it. One type for every list, so that a screen, its grid and
// its tests read a code the same way.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace zeran {

struct CodeItem {
    QString code;  ///< what the column stores ("E" for "Evet", "5" for "5510 S.K.")
    QString text;  ///< what the list shows
};
using CodeItems = QVector<CodeItem>;

/// Index of `code` (blanks around it ignored) in `list`; -1 for an empty or unknown code.
int indexOfCode(const CodeItems &list, const QString &code);
/// The code of item `index`; empty outside the list.
QString codeAt(const CodeItems &list, int index);
/// The text of `code`; empty for an empty or unknown code.
QString textOfCode(const CodeItems &list, const QString &code);

/// The texts of the list, in order (the items of a drop-down list).
QStringList texts(const CodeItems &list);

/// "Evet" E, "Hayır" H: the one yes/no list of every screen.
const CodeItems &yesNoCodes();

/// An item of a list read from a table (units, titles, provinces): the stored code may be a
/// number or a text.
struct LookupItem {
    QVariant code;
    QString text;
};
using LookupList = QVector<LookupItem>;

}  // namespace zeran
