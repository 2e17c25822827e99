#pragma once
// The pay record (ZERBORBIL row) as the payroll screen edits it in place: every column the
// "Bordro Bilgileri" page binds, read as one row and written back in one unit of work. Only
// the columns whose value changed are written, so a column that another screen changed
// meanwhile (the children ledger updates COC1/COC2, for instance) and a stored value the page
// cannot show exactly are left as they are.

#include "database.h"
#include "money.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QVariant>

#include <optional>
#include <vector>

namespace zeran::payrollscreen {

/// A pay record: (PKAYNO, BKOD, PKOD).
struct RecordKey {
    int PKAYNO = 0;
    int BKOD = 0;
    int PKOD = 0;
    bool isValid() const { return PKAYNO != 0; }
    friend bool operator==(const RecordKey &, const RecordKey &) = default;
};

/// How a column is stored and therefore held in PayRecordFields.
enum class ColumnType {
    SmallInt,  ///< int
    Float,     ///< FLOAT amount or number, held as Money (what was typed, four decimals)
    Double,    ///< DOUBLE PRECISION amount or number, held as Money
    Code,      ///< CHAR/VARCHAR one-letter (or two-letter) code, held trimmed as QString
    Date,      ///< QDate
    Boolean,   ///< bool
};

struct Column {
    const char *name;
    ColumnType type;
};

/// The columns of the "Bordro Bilgileri" page, in a fixed order.
const std::vector<Column> &editedColumns();
/// The column of that name among editedColumns(); nullptr when the page does not edit it.
const Column *findColumn(const QString &name);

/// The edited columns of one pay record. A column without a value is NULL in the table.
class PayRecordFields {
public:
    RecordKey key;
    QString BIRIM;  ///< the unit's name, shown only

    /// The stored value: int, Money, QString, QDate or bool by the column's type; an invalid
    /// QVariant for NULL. Throws std::invalid_argument for a column the page does not edit.
    QVariant value(const QString &column) const;
    /// Sets a value of the column's type (or an invalid QVariant for NULL); a value of another
    /// type throws std::invalid_argument.
    void setValue(const QString &column, const QVariant &value);

    bool isNull(const QString &column) const { return !value(column).isValid(); }
    std::optional<int> number(const QString &column) const;
    std::optional<Money> amount(const QString &column) const;
    QString code(const QString &column) const;
    QDate date(const QString &column) const;
    std::optional<bool> flag(const QString &column) const;

    /// The columns whose values differ from `other`'s, in the order of editedColumns().
    std::vector<const Column *> changedFrom(const PayRecordFields &other) const;

    friend bool operator==(const PayRecordFields &a, const PayRecordFields &b)
    {
        return a.key == b.key && a.changedFrom(b).empty();
    }

private:
    QHash<QString, QVariant> values_;
};

/// Equality of two held values of a column (amounts compared as Money).
bool sameValue(const Column &column, const QVariant &a, const QVariant &b);

/// Reads the pay record; nullopt when it does not exist. Throws db::DbError.
std::optional<PayRecordFields> readPayRecordFields(db::Database &db, const RecordKey &key);

/// Shown when the record to save or delete is no longer there (another workstation deleted it).
inline constexpr const char *kRecordGone = "Maaş kaydı bulunamadı";

/// "Kayıt": writes the columns of `edited` that differ from `original` (the record as it was
/// read) in one unit of work. Nothing changed: nothing is written. Throws db::DbError, also
/// (with kRecordGone) when the record no longer exists; nothing is stored then.
void savePayRecordFields(db::Database &db, const PayRecordFields &original, const PayRecordFields &edited);

}  // namespace zeran::payrollscreen
