#include "payrecords.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>

#include <stdexcept>

namespace zeran::personnel {

namespace {
const QString kRead = QStringLiteral(
    "SELECT PKAYNO,BKOD,PKOD,UKOD,DURUM,PERTUR,GSSTUR,SNFKOD,SNFALTKOD,SENKOD FROM ZERBORBIL "
    "WHERE PKAYNO=:PK AND BKOD=:BK");
const QString kNextCode = QStringLiteral("SELECT MAX(PKOD) PKOD FROM ZERBORBIL WHERE BKOD=:BK AND DURUM<>'H'");
const QString kCount = QStringLiteral("SELECT COUNT(*) SONUC FROM ZERBORBIL WHERE PKAYNO=:PK AND BKOD=:BK");
const QString kCountExcept = QStringLiteral(
    "SELECT COUNT(*) SONUC FROM ZERBORBIL WHERE PKAYNO=:PK AND BKOD=:BK "
    "AND NOT (PKAYNO=:OPK AND BKOD=:OBK AND PKOD=:OPKOD)");
const QString kHeader = QStringLiteral("SELECT TCKNO,ADI,SOYADI,BABA,EMSNO FROM SICIL WHERE PKAYNO=:PK");
const QString kInsert = QStringLiteral(
    "INSERT INTO ZERBORBIL(PKAYNO,BKOD,PKOD,UKOD,DURUM,PERTUR,GSSTUR,SNFKOD,SNFALTKOD,SENKOD) "
    "VALUES(:PK,:BK,:PKOD,:UKOD,:DURUM,:PERTUR,:GSSTUR,:SNFKOD,:SNFALTKOD,:SENKOD)");
const QString kUpdate = QStringLiteral(
    "UPDATE ZERBORBIL SET PKAYNO=:PK,BKOD=:BK,PKOD=:PKOD,UKOD=:UKOD,DURUM=:DURUM,PERTUR=:PERTUR,GSSTUR=:GSSTUR,"
    "SNFKOD=:SNFKOD,SNFALTKOD=:SNFALTKOD,SENKOD=:SENKOD WHERE PKAYNO=:OPK AND BKOD=:OBK AND PKOD=:OPKOD");
const QString kQuickRows = QStringLiteral(
    "SELECT B.BKOD,B.PKOD,BR.BIRIM,S.ADI||' '||S.SOYADI ADSOY,U.UNVAN GOREV,B.MHAL,B.ESI,B.COC1,B.COC2,B.DER,B.KAD,"
    "B.GOS,B.EGOS,B.YOP,B.OHT,B.DIGCOC,B.PKAYNO,S.CINS,S.TCKNO FROM ZERBORBIL B "
    "JOIN SICIL S ON(S.PKAYNO=B.PKAYNO) "
    "LEFT JOIN UNTAN U ON(U.UKOD=B.UKOD) "
    "LEFT JOIN BIRIM BR ON(BR.BKOD=B.BKOD AND BR.TUR='M') "
    "WHERE B.DURUM='E' ORDER BY B.BKOD,B.PKOD");
// The grid's columns; a statement per column so that a save writes only what was changed.
const char *const kQuickColumns[] = {"DER", "KAD", "GOS", "EGOS", "ESI", "COC1", "COC2", "DIGCOC", "YOP", "OHT"};
const QString kQuickUpdate =
    QStringLiteral("UPDATE ZERBORBIL SET %1=:V WHERE PKAYNO=:PK AND BKOD=:BK AND PKOD=:PKOD");

QVariant text(const QString &s)
{
    const QString t = s.trimmed();
    return t.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(t);
}
QVariant number(std::optional<int> v)
{
    return v ? QVariant(*v) : QVariant(QMetaType::fromType<int>());
}
std::optional<int> readNumber(const QVariant &v)
{
    if (v.isNull())
        return std::nullopt;
    return v.toInt();
}
}  // namespace

PayRecord newPayRecord(PayRecordKind kind, int bkod)
{
    PayRecord r;
    r.BKOD = bkod;
    r.DURUM = QStringLiteral("E");
    if (kind == PayRecordKind::Salary) {
        r.GSSTUR = QStringLiteral("E");
        r.PERTUR = QStringLiteral("M");
    }
    return r;
}

std::optional<PayRecord> readPayRecord(db::Database &db, int pkayno, int bkod)
{
    QSqlQuery q = db.exec(kRead, {{QStringLiteral("PK"), pkayno}, {QStringLiteral("BK"), bkod}});
    if (!q.next())
        return std::nullopt;
    PayRecord r;
    r.PKAYNO = q.value(0).toInt();
    r.BKOD = q.value(1).toInt();
    r.PKOD = readNumber(q.value(2));
    r.UKOD = readNumber(q.value(3));
    r.DURUM = q.value(4).toString().trimmed();
    r.PERTUR = q.value(5).toString().trimmed();
    r.GSSTUR = q.value(6).toString().trimmed();
    r.SNFKOD = readNumber(q.value(7));
    r.SNFALTKOD = q.value(8).toString().trimmed();
    r.SENKOD = readNumber(q.value(9));
    return r;
}

int nextPersonCode(db::Database &db, int bkod)
{
    return db::smallintKey(db.scalar(kNextCode, {{QStringLiteral("BK"), bkod}}).toLongLong() + 1,
                          QStringLiteral("Personel kodu (PKOD)"));
}

int recordsInUnit(db::Database &db, int pkayno, int bkod, const std::optional<PayRecordKey> &except)
{
    QVariantMap b{{QStringLiteral("PK"), pkayno}, {QStringLiteral("BK"), bkod}};
    if (!except)
        return db.scalar(kCount, b).toInt();
    b.insert(QStringLiteral("OPK"), except->PKAYNO);
    b.insert(QStringLiteral("OBK"), except->BKOD);
    b.insert(QStringLiteral("OPKOD"), except->PKOD);
    return db.scalar(kCountExcept, b).toInt();
}

std::optional<PersonHeader> readPersonHeader(db::Database &db, int pkayno)
{
    QSqlQuery q = db.exec(kHeader, {{QStringLiteral("PK"), pkayno}});
    if (!q.next())
        return std::nullopt;
    return PersonHeader{q.value(0).toString().trimmed(), q.value(1).toString().trimmed(),
                        q.value(2).toString().trimmed(), q.value(3).toString().trimmed(),
                        q.value(4).toString().trimmed()};
}

std::optional<PayRecordProblem> savePayRecord(db::Database &db, PayRecordKind kind, const PayRecord &r,
                                              const std::optional<PayRecordKey> &original)
{
    using F = PayRecordProblem::Field;
    if (r.PKAYNO == 0)
        return PayRecordProblem{F::Person, QString::fromUtf8(kChoosePerson)};
    if (!r.PKOD)
        return PayRecordProblem{F::Code, QString::fromUtf8(kCodeMissing)};
    if (r.BKOD == 0)
        return PayRecordProblem{F::Unit, QString::fromUtf8(kChooseUnit)};

    // The duplicate check and the write share one unit of work, so the check sees what
    // the write will change.
    db::Transaction t(db);
    if (recordsInUnit(db, r.PKAYNO, r.BKOD, original) > 0)
        return PayRecordProblem{F::Duplicate, QString::fromUtf8(kAlreadyInUnit)};
    if (kind == PayRecordKind::Salary && r.GSSTUR.trimmed().isEmpty())
        return PayRecordProblem{F::Insurance, QString::fromUtf8(kInsuranceMissing)};

    QVariantMap b{
        {QStringLiteral("PK"), r.PKAYNO},
        {QStringLiteral("BK"), r.BKOD},
        {QStringLiteral("PKOD"), *r.PKOD},
        {QStringLiteral("UKOD"), number(r.UKOD)},
        {QStringLiteral("DURUM"), text(r.DURUM)},
        {QStringLiteral("PERTUR"), text(r.PERTUR)},
        {QStringLiteral("GSSTUR"), text(r.GSSTUR)},
        {QStringLiteral("SNFKOD"), number(r.SNFKOD)},
        {QStringLiteral("SNFALTKOD"), text(r.SNFALTKOD)},
        {QStringLiteral("SENKOD"), number(r.SENKOD)},
    };
    if (!original) {
        db.exec(kInsert, b);
    } else {
        b.insert(QStringLiteral("OPK"), original->PKAYNO);
        b.insert(QStringLiteral("OBK"), original->BKOD);
        b.insert(QStringLiteral("OPKOD"), original->PKOD);
        QSqlQuery q = db.exec(kUpdate, b);
        if (q.numRowsAffected() == 0)
            throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("Maaş kaydı bulunamadı"));
    }
    t.commit();
    return std::nullopt;
}

QVector<QuickEntryRow> quickEntryRows(db::Database &db)
{
    QVector<QuickEntryRow> rows;
    QSqlQuery q = db.exec(kQuickRows);
    while (q.next()) {
        QuickEntryRow r;
        r.BKOD = q.value(0).toInt();
        r.PKOD = q.value(1).toInt();
        r.BIRIM = q.value(2).toString().trimmed();
        r.ADSOY = q.value(3).toString().trimmed();
        r.GOREV = q.value(4).toString().trimmed();
        r.MHAL = q.value(5).toString().trimmed();
        r.ESI = q.value(6).toString().trimmed();
        r.COC1 = readNumber(q.value(7));
        r.COC2 = readNumber(q.value(8));
        r.DER = readNumber(q.value(9));
        r.KAD = readNumber(q.value(10));
        r.GOS = readNumber(q.value(11));
        r.EGOS = readNumber(q.value(12));
        r.YOP = readNumber(q.value(13));
        r.OHT = readNumber(q.value(14));
        r.DIGCOC = readNumber(q.value(15));
        r.PKAYNO = q.value(16).toInt();
        r.CINS = q.value(17).toString().trimmed();
        r.TCKNO = q.value(18).toString().trimmed();
        rows.push_back(r);
    }
    return rows;
}

void writeQuickEntryChanges(db::Database &db, const QVector<QuickEntryChange> &changes)
{
    db::Transaction t(db);
    for (const QuickEntryChange &c : changes) {
        const char *column = nullptr;
        for (const char *k : kQuickColumns)
            if (c.column == QLatin1String(k))
                column = k;
        if (!column)
            throw std::invalid_argument("column not edited by the quick-entry grid");
        QVariant v = c.value;
        if (v.isNull() || (v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty()))
            v = c.column == QLatin1String("ESI") ? QVariant(QMetaType::fromType<QString>())
                                                 : QVariant(QMetaType::fromType<int>());
        db.exec(kQuickUpdate.arg(QLatin1String(column)),
                {{QStringLiteral("V"), v},
                 {QStringLiteral("PK"), c.key.PKAYNO},
                 {QStringLiteral("BK"), c.key.BKOD},
                 {QStringLiteral("PKOD"), c.key.PKOD}});
    }
    t.commit();
}

namespace {
const QString kUpdateColumns = QStringLiteral("UPDATE ZERBORBIL SET %1 WHERE PKAYNO=:PK AND BKOD=:BK AND PKOD=:PKOD");
const QString kDeleteRecord = QStringLiteral("DELETE FROM ZERBORBIL WHERE PKAYNO=:PK AND BKOD=:BK AND PKOD=:PKOD");
const QString kStoreChildCounts =
    QStringLiteral("UPDATE ZERBORBIL SET COC1=:CC1,COC2=:CC2,DIGCOC=:DC WHERE PKAYNO=:PK");
const QString kMarkFixedItem = QStringLiteral(
    "UPDATE ZERBORBIL B SET KAZS%1='E' WHERE EXISTS "
    "(SELECT 1 FROM BIRIM U WHERE U.BKOD=B.BKOD AND U.TUR='M' AND U.MTUR='N')");

QVariantMap keyBinds(const PayRecordKey &key)
{
    return {{QStringLiteral("PK"), key.PKAYNO}, {QStringLiteral("BK"), key.BKOD}, {QStringLiteral("PKOD"), key.PKOD}};
}
}  // namespace

int updatePayRecordColumns(db::Database &db, const PayRecordKey &key,
                           const QVector<std::pair<QString, QVariant>> &values)
{
    if (values.isEmpty())
        return 0;
    static const QRegularExpression columnName(QStringLiteral("^[A-Z][A-Z0-9_]*$"));
    QStringList sets;
    QVariantMap binds = keyBinds(key);
    for (const auto &[name, value] : values) {
        if (!columnName.match(name).hasMatch())
            throw std::invalid_argument("not a column name: " + name.toStdString());
        // Value parameters are prefixed so that no column name meets a key parameter.
        sets << QStringLiteral("%1=:V_%1").arg(name);
        binds.insert(QStringLiteral("V_") + name, value);
    }
    return db.exec(kUpdateColumns.arg(sets.join(QLatin1Char(','))), binds).numRowsAffected();
}

int deletePayRecordRow(db::Database &db, const PayRecordKey &key)
{
    return db.exec(kDeleteRecord, keyBinds(key)).numRowsAffected();
}

int storeChildCounts(db::Database &db, int pkayno, int coc1, int coc2, int digcoc)
{
    return db.exec(kStoreChildCounts, {{QStringLiteral("PK"), pkayno},
                                {QStringLiteral("CC1"), coc1},
                                {QStringLiteral("CC2"), coc2},
                                {QStringLiteral("DC"), digcoc}})
        .numRowsAffected();
}

int markFixedItemOnSalaryRecords(db::Database &db, int slot)
{
    // The flag column is named by the slot's number: only 1-10, never typed text.
    if (slot < 1 || slot > 10)
        throw std::invalid_argument("extra item slot out of 1-10");
    return db.exec(kMarkFixedItem.arg(slot)).numRowsAffected();
}

int deletePayRecordsWithoutUnit(db::Database &db)
{
    return db.exec(QStringLiteral("DELETE FROM ZERBORBIL Z WHERE NOT EXISTS (SELECT 1 FROM BIRIM U WHERE U.BKOD=Z.BKOD)"))
        .numRowsAffected();
}

// ---- The units screen's copy and delete ---------------------------------------------------

namespace {
const QString kCopyUnit = QStringLiteral("INSERT INTO ZERBORBIL (BKOD,%1) SELECT :TO,%1 FROM ZERBORBIL WHERE BKOD=:FROM");
const QString kDeleteUnit = QStringLiteral("DELETE FROM ZERBORBIL WHERE BKOD=:KK");
}  // namespace

int copyPayRecordsOfUnit(db::Database &db, int from, int to)
{
    // The column list comes from the table's own definition, so a column added by a later
    // upgrade is copied too.
    const QSqlRecord table = db.handle().record(QStringLiteral("ZERBORBIL"));
    QStringList columns;
    for (int i = 0; i < table.count(); ++i) {
        const QString name = table.fieldName(i).toUpper();
        if (name != QLatin1String("BKOD"))
            columns << name;
    }
    if (columns.isEmpty())
        throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("ZERBORBIL sütunları okunamadı"));
    return db.exec(kCopyUnit.arg(columns.join(QLatin1Char(','))), {{QStringLiteral("FROM"), from}, {QStringLiteral("TO"), to}})
        .numRowsAffected();
}

int deletePayRecordsOfUnit(db::Database &db, int bkod)
{
    return db.exec(kDeleteUnit, {{QStringLiteral("KK"), bkod}}).numRowsAffected();
}

}  // namespace zeran::personnel
