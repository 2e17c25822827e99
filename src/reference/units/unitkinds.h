#pragma once
// The payroll kinds of a unit as the units screen shows them, and its prefix search.

#include <QString>
#include <QStringList>

#include <vector>

namespace zeran::units {

struct UnitKind {
    QString item;   ///< the drop-down's text
    QString code;   ///< MTUR
    QString shown;  ///< the list column "Türü"
    QString cash;   ///< the cash kind of the cash definitions
};

/// In the drop-down's order: the position decides the code.
const std::vector<UnitKind> &unitKinds();
/// The drop-down position of a stored code; -1 for an empty or unknown one.
int kindPosition(const QString &mtur);
/// The code of a drop-down position; "N" when none is chosen.
QString kindCode(int position);
/// "Türü" of a stored code; empty for an unknown one.
QString kindWords(const QString &mtur);
/// The cash kind of a unit's payroll kind ("N" → "1" …); "1" for an empty or unknown one.
QString cashKind(const QString &mtur);
/// "Aktif" / "Pasif" for "A" / "P".
QString activityWords(const QString &aktif);

/// The first of `names` that begins with `prefix` (case-sensitive); -1 when none does or the
/// prefix is empty.
int findByPrefix(const QStringList &names, const QString &prefix);

}  // namespace zeran::units
