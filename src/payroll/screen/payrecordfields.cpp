#include "payrecordfields.h"

#include "payrecords.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <stdexcept>

namespace zeran::payrollscreen {

namespace {

// The statements are composed of the fixed column names of editedColumns() only; every
// value is bound.
const QString kSelect = QStringLiteral("SELECT %1,BR.BIRIM FROM ZERBORBIL B "
                                       "LEFT JOIN BIRIM BR ON BR.BKOD=B.BKOD AND BR.TUR='M' "
                                       "WHERE B.PKAYNO=:PK AND B.BKOD=:BK AND B.PKOD=:PKOD");

using T = ColumnType;

std::vector<Column> makeColumns()
{
    std::vector<Column> c = {
        // "Gelirler": salary data
        {"DER", T::SmallInt}, {"KAD", T::SmallInt}, {"GOS", T::SmallInt}, {"EGOS", T::SmallInt},
        {"MDER", T::SmallInt}, {"MKAD", T::SmallInt}, {"MGOS", T::SmallInt}, {"MEGOS", T::SmallInt},
        {"KIDEM", T::SmallInt}, {"MHAL", T::Code}, {"ESI", T::Code}, {"COC1", T::SmallInt}, {"COC2", T::SmallInt},
        {"DIGCOC", T::SmallInt}, {"AGI", T::Code}, {"ACOCYRD", T::Code},
        // "Gelirler": earnings, compensations, extra items
        {"YOP", T::SmallInt}, {"OHT", T::SmallInt}, {"LTAZ", T::Float}, {"EKTAZ", T::Float}, {"EKOD", T::SmallInt},
        {"DIGTAZ", T::Float}, {"MESAI", T::Float},
    };
    static const char *const kazs[] = {"KAZS1", "KAZS2", "KAZS3", "KAZS4", "KAZS5",
                                       "KAZS6", "KAZS7", "KAZS8", "KAZS9", "KAZS10"};
    static const char *const kaz[] = {"KAZ1", "KAZ2", "KAZ3", "KAZ4", "KAZ5", "KAZ6", "KAZ7", "KAZ8", "KAZ9", "KAZ10"};
    for (const char *n : kazs)
        c.push_back({n, T::Code});
    for (const char *n : kaz)
        c.push_back({n, T::Float});
    const std::vector<Column> rest = {
        {"YEMEKGUN", T::SmallInt},
        // "Gelirler": status
        {"DURUM", T::Code}, {"PERTUR", T::Code}, {"GSSTUR", T::Code}, {"SENKOD", T::SmallInt}, {"KISZAMAN", T::Code},
        // "Kesintiler"
        {"KES1", T::Float}, {"KES2", T::Float}, {"KES3", T::Float}, {"KES4", T::Double}, {"KES5", T::Double},
        {"PCEZA", T::Float}, {"KEFALET", T::Code}, {"KIRA", T::Float}, {"SENDIKA", T::Code}, {"BES", T::Code},
        {"BESKOD", T::SmallInt}, {"BESORAN", T::Double}, {"ICRA", T::Double},
        {"HIZBOR", T::Float}, {"HIZBORDUR", T::Boolean}, {"OZIN", T::Float}, {"SAKDER", T::SmallInt},
        // "Artış ve Diğer Bilgiler"
        {"TERTAR", T::Date}, {"TFA", T::SmallInt}, {"GF", T::SmallInt}, {"KIDART", T::SmallInt},
        {"RAPOR", T::SmallInt}, {"KGUN", T::Float}, {"KISTEMKES", T::Code}, {"VEKIL", T::Code}, {"YIG", T::Code},
    };
    c.insert(c.end(), rest.begin(), rest.end());
    return c;
}

const Column &columnOf(const QString &name)
{
    const Column *c = findColumn(name);
    if (!c)
        throw std::invalid_argument("not a column of the pay-record page: " + name.toStdString());
    return *c;
}

bool typeFits(ColumnType type, const QVariant &v)
{
    if (!v.isValid())
        return true;
    switch (type) {
    case T::SmallInt: return v.typeId() == QMetaType::Int;
    case T::Float:
    case T::Double: return v.metaType() == QMetaType::fromType<Money>();
    case T::Code: return v.typeId() == QMetaType::QString;
    case T::Date: return v.typeId() == QMetaType::QDate;
    case T::Boolean: return v.typeId() == QMetaType::Bool;
    }
    return false;
}

/// A stored value as PayRecordFields holds it.
QVariant fromStored(ColumnType type, const QVariant &v)
{
    if (v.isNull())
        return {};
    switch (type) {
    case T::SmallInt: return v.toInt();
    case T::Float: return QVariant::fromValue(Money::fromDbFloat(float(v.toDouble())));
    case T::Double: return QVariant::fromValue(Money::fromDbDouble(v.toDouble()));
    case T::Code: {
        const QString s = v.toString().trimmed();
        return s.isEmpty() ? QVariant() : QVariant(s);
    }
    case T::Date: return v.toDate().isValid() ? QVariant(v.toDate()) : QVariant();
    case T::Boolean: return v.toBool();
    }
    return {};
}

/// A held value as it is bound (typed NULL when empty).
QVariant toBound(ColumnType type, const QVariant &v)
{
    switch (type) {
    case T::SmallInt: return v.isValid() ? v : QVariant(QMetaType::fromType<int>());
    case T::Float:
    case T::Double: return v.isValid() ? QVariant(v.value<Money>().toDouble()) : QVariant(QMetaType::fromType<double>());
    case T::Code: return v.isValid() ? v : QVariant(QMetaType::fromType<QString>());
    case T::Date: return v.isValid() ? v : QVariant(QMetaType::fromType<QDate>());
    case T::Boolean: return v.isValid() ? v : QVariant(QMetaType::fromType<bool>());
    }
    return {};
}

QVariantMap keyBinds(const RecordKey &k)
{
    return {{QStringLiteral("PK"), k.PKAYNO}, {QStringLiteral("BK"), k.BKOD}, {QStringLiteral("PKOD"), k.PKOD}};
}

}  // namespace

const std::vector<Column> &editedColumns()
{
    static const std::vector<Column> columns = makeColumns();
    return columns;
}

const Column *findColumn(const QString &name)
{
    for (const Column &c : editedColumns()) {
        if (name == QLatin1String(c.name))
            return &c;
    }
    return nullptr;
}

bool sameValue(const Column &column, const QVariant &a, const QVariant &b)
{
    if (a.isValid() != b.isValid())
        return false;
    if (!a.isValid())
        return true;
    switch (column.type) {
    case T::Float:
    case T::Double: return a.value<Money>() == b.value<Money>();
    default: return a == b;
    }
}

QVariant PayRecordFields::value(const QString &column) const
{
    columnOf(column);
    return values_.value(column);
}

void PayRecordFields::setValue(const QString &column, const QVariant &value)
{
    const Column &c = columnOf(column);
    if (!typeFits(c.type, value))
        throw std::invalid_argument("wrong value type for " + column.toStdString());
    if (value.isValid())
        values_.insert(column, value);
    else
        values_.remove(column);
}

std::optional<int> PayRecordFields::number(const QString &column) const
{
    const QVariant v = value(column);
    return v.isValid() ? std::optional<int>(v.toInt()) : std::nullopt;
}

std::optional<Money> PayRecordFields::amount(const QString &column) const
{
    const QVariant v = value(column);
    return v.isValid() ? std::optional<Money>(v.value<Money>()) : std::nullopt;
}

QString PayRecordFields::code(const QString &column) const
{
    return value(column).toString();
}

QDate PayRecordFields::date(const QString &column) const
{
    return value(column).toDate();
}

std::optional<bool> PayRecordFields::flag(const QString &column) const
{
    const QVariant v = value(column);
    return v.isValid() ? std::optional<bool>(v.toBool()) : std::nullopt;
}

std::vector<const Column *> PayRecordFields::changedFrom(const PayRecordFields &other) const
{
    std::vector<const Column *> out;
    for (const Column &c : editedColumns()) {
        const QString name = QLatin1String(c.name);
        if (!sameValue(c, values_.value(name), other.values_.value(name)))
            out.push_back(&c);
    }
    return out;
}

std::optional<PayRecordFields> readPayRecordFields(db::Database &db, const RecordKey &key)
{
    QStringList names;
    for (const Column &c : editedColumns())
        names << QStringLiteral("B.") + QLatin1String(c.name);
    QSqlQuery q = db.exec(kSelect.arg(names.join(QLatin1Char(','))), keyBinds(key));
    if (!q.next())
        return std::nullopt;
    PayRecordFields r;
    r.key = key;
    int i = 0;
    for (const Column &c : editedColumns())
        r.setValue(QLatin1String(c.name), fromStored(c.type, q.value(i++)));
    r.BIRIM = q.value(i).toString().trimmed();
    return r;
}

void savePayRecordFields(db::Database &db, const PayRecordFields &original, const PayRecordFields &edited)
{
    const std::vector<const Column *> changed = edited.changedFrom(original);
    if (changed.empty())
        return;
    QVector<std::pair<QString, QVariant>> values;
    for (const Column *c : changed) {
        const QString name = QLatin1String(c->name);
        values.push_back({name, toBound(c->type, edited.value(name))});
    }
    db::Transaction tx(db);
    const RecordKey &k = original.key;
    if (personnel::updatePayRecordColumns(db, {k.PKAYNO, k.BKOD, k.PKOD}, values) == 0)
        throw db::DbError(db::DbError::Kind::Sql, QString::fromUtf8(kRecordGone));
    tx.commit();
}

}  // namespace zeran::payrollscreen
