#pragma once
// Small input widgets the personnel screens share: a chooser that stores codes, a date
// field that may stay empty, and the command buttons whose captions carry their keys.

#include "codes.h"
#include "lookups.h"

#include <QComboBox>
#include <QDate>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

namespace zeran::personnel {

/// A drop-down list whose items carry the codes they store. An empty first item (when
/// asked for) lets a chooser be cleared; a stored code that is not in the list shows as
/// nothing chosen.
class CodeCombo : public QComboBox {
    Q_OBJECT
public:
    explicit CodeCombo(QWidget *parent = nullptr);

    void setChoices(const Choices &choices);
    void setLookup(const LookupList &items, bool withEmptyItem);

    /// The chosen code; an invalid QVariant when nothing (or the empty item) is chosen.
    QVariant code() const;
    QString codeText() const { return code().toString(); }
    std::optional<int> codeNumber() const;
    /// Chooses the item of `code`; nothing chosen when there is none.
    void setCode(const QVariant &code);
};

/// A day.month.year field that may be left empty.
class DateField : public QLineEdit {
    Q_OBJECT
public:
    explicit DateField(QWidget *parent = nullptr);

    void setDate(const QDate &date);  ///< an invalid date empties the field
    bool isBlank() const;
    /// The date typed; an invalid QDate when blank; nullopt when the text is not a date.
    std::optional<QDate> date() const;
};

/// A command button: `caption` as shown ("F2-Ekle"), `key` its shortcut (may be empty).
QPushButton *commandButton(const QString &caption, const QString &objectName, const QKeySequence &key,
                           QWidget *parent);

/// The message of a date that is not a date.
QString invalidDateMessage(const QString &text);
/// The message of an amount that is not an amount.
QString invalidAmountMessage(const QString &text);

}  // namespace zeran::personnel
