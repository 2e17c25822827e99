#include "resultlayout.h"

#include <QRegularExpression>

#include <vector>

namespace zeran::results {

namespace {

constexpr int kItemNameWidth = 15;  // ZERMAAS.KAZA1…10 and KESA1…5 are VARCHAR(15)

template <typename Row>
struct Column {
    QString name;
    std::function<QVariant(const Row &)> get;  // value to bind; throws ResultValueError
    std::function<void(Row &, const QVariant &)> set;
};

QVariant textValue(const QString &s)
{
    return s.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s);
}

QString readText(const QVariant &v)
{
    return v.isNull() ? QString() : v.toString().trimmed();
}

Money readAmount(const QVariant &v)
{
    return v.isNull() ? Money() : Money::fromDbDouble(v.toDouble());
}

int readInt(const QVariant &v)
{
    return v.isNull() ? 0 : v.toInt();
}

QVariant amountValue(const QString &column, Money m, int decimals)
{
    const std::int64_t unit = decimals >= 4 ? 1 : 100;  // ten-thousandths per last kept digit
    if (m.raw() % unit != 0)
        throw ResultValueError(QStringLiteral("%1: %2 iki ondalıktan fazla").arg(column, m.toPlain(4)).toStdString());
    return m.toDouble();
}

// ---- ZERMAAS -------------------------------------------------------------------------

using RC = Column<ResultRow>;

RC keyInt(const char *name, int RowKey::*m)
{
    return {QString::fromLatin1(name), [m](const ResultRow &r) { return QVariant(r.key.*m); },
            [m](ResultRow &r, const QVariant &v) { r.key.*m = readInt(v); }};
}

RC amount(const char *name, Money ResultRow::*m, int decimals = 2)
{
    const QString n = QString::fromLatin1(name);
    return {n, [m, n, decimals](const ResultRow &r) { return amountValue(n, r.*m, decimals); },
            [m](ResultRow &r, const QVariant &v) { r.*m = readAmount(v); }};
}

template <std::size_t N>
RC amountAt(const char *prefix, std::array<Money, N> ResultRow::*m, std::size_t i)
{
    const QString n = QString::fromLatin1(prefix) + QString::number(i + 1);
    return {n, [m, n, i](const ResultRow &r) { return amountValue(n, (r.*m)[i], 2); },
            [m, i](ResultRow &r, const QVariant &v) { (r.*m)[i] = readAmount(v); }};
}

template <std::size_t N>
RC nameAt(const char *prefix, std::array<QString, N> ResultRow::*m, std::size_t i)
{
    const QString n = QString::fromLatin1(prefix) + QString::number(i + 1);
    return {n, [m, i](const ResultRow &r) { return textValue((r.*m)[i].trimmed().left(kItemNameWidth)); },
            [m, i](ResultRow &r, const QVariant &v) { (r.*m)[i] = readText(v); }};
}

RC rate(const char *name, double ResultRow::*m)
{
    return {QString::fromLatin1(name), [m](const ResultRow &r) { return QVariant(r.*m); },
            [m](ResultRow &r, const QVariant &v) { r.*m = v.isNull() ? 0.0 : v.toDouble(); }};
}

RC optionalAmount(const char *name, std::optional<Money> ResultRow::*m)
{
    const QString n = QString::fromLatin1(name);
    return {n,
            [m, n](const ResultRow &r) {
                return (r.*m) ? amountValue(n, *(r.*m), 2) : QVariant(QMetaType(QMetaType::Double));
            },
            [m](ResultRow &r, const QVariant &v) {
                r.*m = v.isNull() ? std::nullopt : std::optional<Money>(Money::fromDbDouble(v.toDouble()));
            }};
}

const std::vector<RC> &resultInsertTable()
{
    static const std::vector<RC> table = [] {
        using R = ResultRow;
        std::vector<RC> t;
        t.push_back(keyInt("PKOD", &RowKey::PKOD));
        t.push_back(keyInt("BKOD", &RowKey::BKOD));
        t.push_back({QStringLiteral("TUR"), [](const R &r) { return QVariant(kindCode(r.key.TUR)); },
                     [](R &r, const QVariant &v) { r.key.TUR = kindFromCode(readText(v)).value_or(PayrollKind::Monthly); }});
        t.push_back(keyInt("AY", &RowKey::AY));
        t.push_back({QStringLiteral("YIL"), [](const R &r) { return QVariant(r.key.YIL); },
                     [](R &r, const QVariant &v) { r.key.YIL = readText(v); }});
        t.push_back(keyInt("PKAYNO", &RowKey::PKAYNO));
        t.push_back(amount("INDIRIM", &R::INDIRIM));
        t.push_back(amount("OZIN", &R::OZIN));
        t.push_back(amount("HIZBOR", &R::HIZBOR));
        t.push_back(amount("AILEYRD", &R::AILEYRD));
        t.push_back(amount("COCYRD", &R::COCYRD));
        t.push_back(amount("COCYRD1", &R::COCYRD1));
        t.push_back(amount("ARTIS", &R::ARTIS));
        t.push_back(amount("TERFAR", &R::TERFAR));
        t.push_back(amount("AYTUT", &R::AYTUT));
        t.push_back(amount("EGOSTUT", &R::EGOSTUT));
        t.push_back(amount("TABAY", &R::TABAY));
        t.push_back(amount("KIDAY", &R::KIDAY));
        t.push_back(amount("OZHIZTAZ", &R::OZHIZTAZ));
        t.push_back(amount("EKODTUT", &R::EKODTUT));
        t.push_back(amount("YANOD", &R::YANOD));
        t.push_back(amount("FAZMES", &R::FAZMES));
        t.push_back(amount("LOJTAZ", &R::LOJTAZ));
        t.push_back(amount("EKTAZ", &R::EKTAZ));
        t.push_back(amount("DILTAZ", &R::DILTAZ));
        t.push_back(amount("DIGTAZ", &R::DIGTAZ));
        t.push_back(amount("EMKESD", &R::EMKESD));
        t.push_back(amount("EMKESM", &R::EMKESM));
        for (std::size_t i = 0; i < 10; ++i)
            t.push_back(amountAt("KAZ", &R::KAZ, i));
        t.push_back(amount("GELTOP", &R::GELTOP));
        t.push_back(amount("VERMAT", &R::VERMAT));
        t.push_back(rate("VEROR", &R::VEROR));
        t.push_back(amount("GELVER", &R::GELVER));
        t.push_back(amount("DAMVER", &R::DAMVER));
        t.push_back(amount("KIRA", &R::KIRA));
        t.push_back(amount("ICRA", &R::ICRA));
        t.push_back(amount("OZELKES", &R::OZELKES));
        for (std::size_t i = 0; i < 5; ++i)
            t.push_back(amountAt("KES", &R::KES, i));
        t.push_back(amount("KESTOP", &R::KESTOP));
        t.push_back(amount("SEN1", &R::SEN1));
        t.push_back(amount("SEN2", &R::SEN2));
        t.push_back(amount("SEN3", &R::SEN3));
        t.push_back(amount("KEFALET", &R::KEFALET));
        t.push_back(amount("DVMAT", &R::DVMAT));
        t.push_back(amount("EKMAT", &R::EKMAT, 4));
        t.push_back(amount("MAAS", &R::MAAS));
        t.push_back(amount("VIADE", &R::VIADE));
        t.push_back(amount("MYOI", &R::MYOI));
        t.push_back(amount("MYOP", &R::MYOP));
        t.push_back(amount("GSSI", &R::GSSI));
        t.push_back(amount("GSSP", &R::GSSP));
        t.push_back(amount("GSSMAT", &R::GSSMAT));
        t.push_back(amount("DVVIADE", &R::DVVIADE));
        t.push_back(amount("PCEZA", &R::PCEZA));
        for (std::size_t i = 0; i < 10; ++i)
            t.push_back(nameAt("KAZA", &R::KAZA, i));
        for (std::size_t i = 0; i < 5; ++i)
            t.push_back(nameAt("KESA", &R::KESA, i));
        t.push_back(amount("BES", &R::BES));
        t.push_back(amount("ACIKKES", &R::ACIKKES, 4));
        t.push_back(amount("AGIMAT", &R::AGIMAT));
        t.push_back(amount("PEKFARK", &R::PEKFARK));
        t.push_back(amount("GELVER1", &R::GELVER1));
        t.push_back(amount("DAMVER1", &R::DAMVER1));
        t.push_back(amount("VERMAT1", &R::VERMAT1));
        t.push_back(amount("DVMAT1", &R::DVMAT1));
        t.push_back(rate("VEROR1", &R::VEROR1));
        t.push_back(amount("GELVERKES", &R::GELVERKES));
        t.push_back(amount("DAMVERKES", &R::DAMVERKES));
        t.push_back(amount("YEMEK", &R::YEMEK));
        // Columns of the derived payrolls, after the fixed order.
        t.push_back(optionalAmount("EKFARK", &R::EKFARK));
        t.push_back(optionalAmount("OTURUM", &R::OTURUM));
        t.push_back(optionalAmount("OTRUCR", &R::OTRUCR));
        t.push_back({QStringLiteral("TAR"),
                     [](const R &r) { return r.TAR.isValid() ? QVariant(r.TAR) : QVariant(QMetaType(QMetaType::QDate)); },
                     [](R &r, const QVariant &v) { r.TAR = v.isNull() ? QDate() : v.toDate(); }});
        return t;
    }();
    return table;
}

const std::vector<RC> &resultReadOnlyTable()
{
    static const std::vector<RC> table = [] {
        using R = ResultRow;
        auto optNumber = [](const char *name, std::optional<double> R::*m) {
            return RC{QString::fromLatin1(name), [](const R &) { return QVariant(); },
                      [m](R &r, const QVariant &v) { r.*m = v.isNull() ? std::nullopt : std::optional<double>(v.toDouble()); }};
        };
        std::vector<RC> t;
        t.push_back({QStringLiteral("ODE"), [](const R &) { return QVariant(); },
                     [](R &r, const QVariant &v) { r.ODE = readText(v); }});
        t.push_back(optNumber("ODENO", &R::ODENO));
        t.push_back(optNumber("ODETAR", &R::ODETAR));
        t.push_back(optNumber("YEVNO", &R::YEVNO));
        return t;
    }();
    return table;
}

// ---- ZERARSIV ------------------------------------------------------------------------

using SC = Column<SnapshotRow>;

SC sKeyInt(const char *name, int RowKey::*m)
{
    return {QString::fromLatin1(name), [m](const SnapshotRow &r) { return QVariant(r.key.*m); },
            [m](SnapshotRow &r, const QVariant &v) { r.key.*m = readInt(v); }};
}

SC sInt(const char *name, int SnapshotRow::*m)
{
    return {QString::fromLatin1(name), [m](const SnapshotRow &r) { return QVariant(r.*m); },
            [m](SnapshotRow &r, const QVariant &v) { r.*m = readInt(v); }};
}

SC sText(const char *name, QString SnapshotRow::*m, int width = 0)
{
    // Pay-record flags may come padded (CHAR columns); ZERBORBIL.MHAL is two wide where
    // the snapshot keeps the one-letter code.
    return {QString::fromLatin1(name),
            [m, width](const SnapshotRow &r) {
                const QString t = (r.*m).trimmed();
                return textValue(width > 0 ? t.left(width) : t);
            },
            [m](SnapshotRow &r, const QVariant &v) { r.*m = readText(v); }};
}

const std::vector<SC> &snapshotInsertTable()
{
    static const std::vector<SC> table = [] {
        using S = SnapshotRow;
        std::vector<SC> t;
        t.push_back(sKeyInt("AY", &RowKey::AY));
        t.push_back({QStringLiteral("TUR"), [](const S &r) { return QVariant(kindCode(r.key.TUR)); },
                     [](S &r, const QVariant &v) { r.key.TUR = kindFromCode(readText(v)).value_or(PayrollKind::Monthly); }});
        t.push_back(sKeyInt("PKOD", &RowKey::PKOD));
        t.push_back(sKeyInt("BKOD", &RowKey::BKOD));
        t.push_back(sKeyInt("PKAYNO", &RowKey::PKAYNO));
        t.push_back({QStringLiteral("YIL"), [](const S &r) { return QVariant(r.key.YIL); },
                     [](S &r, const QVariant &v) { r.key.YIL = readText(v); }});
        t.push_back(sInt("UKOD", &S::UKOD));
        t.push_back(sText("MHAL", &S::MHAL, 1));
        t.push_back(sText("ESI", &S::ESI));
        t.push_back(sInt("COC1", &S::COC1));
        t.push_back(sInt("COC2", &S::COC2));
        t.push_back(sInt("DIGCOC", &S::DIGCOC));
        t.push_back(sInt("SAKDER", &S::SAKDER));
        t.push_back(sInt("KIDEM", &S::KIDEM));
        t.push_back(sInt("DER", &S::DER));
        t.push_back(sInt("KAD", &S::KAD));
        t.push_back(sInt("GOS", &S::GOS));
        t.push_back(sInt("MDER", &S::MDER));
        t.push_back(sInt("MKAD", &S::MKAD));
        t.push_back(sInt("MGOS", &S::MGOS));
        t.push_back(sInt("EGOS", &S::EGOS));
        t.push_back(sInt("MEGOS", &S::MEGOS));
        t.push_back(sInt("YOP", &S::YOP));
        t.push_back(sInt("OHT", &S::OHT));
        t.push_back(sInt("EKOD", &S::EKOD));
        t.push_back(sInt("RAPOR", &S::RAPOR));
        t.push_back(sText("YIG", &S::YIG));
        // FLOAT column: read back through float so that 15.5 days stay 15.5.
        t.push_back({QStringLiteral("KGUN"), [](const S &r) { return QVariant(r.KGUN); },
                     [](S &r, const QVariant &v) { r.KGUN = v.isNull() ? 0.0 : double(float(v.toDouble())); }});
        t.push_back(sInt("TFA", &S::TFA));
        t.push_back(sInt("GF", &S::GF));
        t.push_back(sInt("KIDART", &S::KIDART));
        t.push_back(sText("KEFALET", &S::KEFALET));
        t.push_back(sText("VEKIL", &S::VEKIL));
        t.push_back(sText("SENDIKA", &S::SENDIKA));
        t.push_back(sText("KISTEMKES", &S::KISTEMKES));
        t.push_back(sText("GSSTUR", &S::GSSTUR));
        t.push_back({QStringLiteral("TERTAR"),
                     [](const S &r) { return r.TERTAR.isValid() ? QVariant(r.TERTAR) : QVariant(QMetaType(QMetaType::QDate)); },
                     [](S &r, const QVariant &v) { r.TERTAR = v.isNull() ? QDate() : v.toDate(); }});
        t.push_back(sInt("YDER", &S::YDER));
        t.push_back(sInt("YKAD", &S::YKAD));
        t.push_back(sInt("YGOS", &S::YGOS));
        t.push_back(sInt("YEGOS", &S::YEGOS));
        t.push_back(sInt("YKID", &S::YKID));
        t.push_back(sInt("YEMEKGUN", &S::YEMEKGUN));
        t.push_back(sText("MDUR", &S::MDUR));
        t.push_back(sText("HKOD", &S::HKOD));
        return t;
    }();
    return table;
}

template <typename Row>
QStringList names(const std::vector<Column<Row>> &table)
{
    QStringList n;
    n.reserve(int(table.size()));
    for (const auto &c : table)
        n << c.name;
    return n;
}

QString insertSql(const QString &table, const QStringList &columns)
{
    QStringList params;
    for (const QString &c : columns)
        params << QLatin1Char(':') + c;
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(table, columns.join(QLatin1Char(',')), params.join(QLatin1Char(',')));
}

}  // namespace

void checkKey(const RowKey &key)
{
    checkMonth({key.YIL, key.AY, key.TUR});
}

void checkMonth(const PayrollMonth &month)
{
    static const QRegularExpression year(QStringLiteral("^\\d{4}$"));
    if (!year.match(month.YIL).hasMatch())
        throw ResultValueError(QStringLiteral("Geçersiz yıl: %1").arg(month.YIL).toStdString());
    if (month.AY < 1 || month.AY > 12)
        throw ResultValueError(QStringLiteral("Geçersiz ay: %1").arg(month.AY).toStdString());
}

const QStringList &resultInsertColumns()
{
    static const QStringList c = names(resultInsertTable());
    return c;
}

const QStringList &snapshotInsertColumns()
{
    static const QStringList c = names(snapshotInsertTable());
    return c;
}

const QStringList &resultReadColumns()
{
    static const QStringList c = resultInsertColumns() + names(resultReadOnlyTable());
    return c;
}

const QStringList &snapshotReadColumns()
{
    return snapshotInsertColumns();
}

QString resultInsertSql()
{
    return insertSql(QStringLiteral("ZERMAAS"), resultInsertColumns());
}

QString snapshotInsertSql()
{
    return insertSql(QStringLiteral("ZERARSIV"), snapshotInsertColumns());
}

QVariantList resultInsertValues(const ResultRow &row)
{
    checkKey(row.key);
    QVariantList v;
    v.reserve(int(resultInsertTable().size()));
    for (const auto &c : resultInsertTable())
        v << c.get(row);
    return v;
}

QVariantList snapshotInsertValues(const SnapshotRow &row)
{
    checkKey(row.key);
    QVariantList v;
    v.reserve(int(snapshotInsertTable().size()));
    for (const auto &c : snapshotInsertTable())
        v << c.get(row);
    return v;
}

ResultRow resultFromColumns(const ColumnReader &value)
{
    ResultRow r;
    for (const auto &c : resultInsertTable())
        c.set(r, value(c.name));
    for (const auto &c : resultReadOnlyTable())
        c.set(r, value(c.name));
    return r;
}

SnapshotRow snapshotFromColumns(const ColumnReader &value)
{
    SnapshotRow r;
    for (const auto &c : snapshotInsertTable())
        c.set(r, value(c.name));
    return r;
}

}  // namespace zeran::results
