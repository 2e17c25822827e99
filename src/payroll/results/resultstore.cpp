#include "resultstore.h"

#include <QHash>

namespace zeran::results {

namespace {

const QString kDeleteResults = QStringLiteral("DELETE FROM ZERMAAS WHERE AY=:AY AND YIL=:YIL AND TUR=:TUR");
const QString kDeleteSnapshots = QStringLiteral("DELETE FROM ZERARSIV WHERE AY=:AY AND YIL=:YIL AND TUR=:TUR");
const QString kUnitCondition = QStringLiteral(" AND BKOD=:BKOD");
const QString kSelectResults = QStringLiteral("SELECT %1 FROM ZERMAAS WHERE AY=:AY AND YIL=:YIL AND TUR=:TUR");
const QString kSelectSnapshots = QStringLiteral("SELECT %1 FROM ZERARSIV WHERE AY=:AY AND YIL=:YIL AND TUR=:TUR");
const QString kOneRecord = QStringLiteral(" AND PKAYNO=:PKAYNO AND BKOD=:BKOD AND PKOD=:PKOD");
const QString kOrder = QStringLiteral(" ORDER BY BKOD,PKOD,PKAYNO");
const QString kLastMonth = QStringLiteral("SELECT MAX(AY) AY FROM ZERMAAS WHERE BKOD=:BKOD AND YIL=:YIL AND TUR=:TUR");

QVariantMap monthBinds(const PayrollMonth &m)
{
    return {{QStringLiteral("AY"), m.AY}, {QStringLiteral("YIL"), m.YIL}, {QStringLiteral("TUR"), kindCode(m.TUR)}};
}

/// The statements' placeholders (":COLUMN") in column order.
QStringList placeholders(const QStringList &columns)
{
    QStringList names;
    names.reserve(columns.size());
    for (const QString &c : columns)
        names << QLatin1Char(':') + c;
    return names;
}

// Bound by name: the driver looks a name up directly, while binding by position makes it
// format a placeholder text for every value (measured: the larger part of a payroll's write).
void run(QSqlQuery &q, const QVariantList &values, const QStringList &names, const QString &what)
{
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(names.at(i), values.at(i));
    if (!q.exec()) {
        const QSqlError e = q.lastError();
        throw db::DbError(db::DbError::Kind::Sql, what + QStringLiteral(": ") + e.databaseText().trimmed() + QLatin1Char(' ') +
                                                      e.driverText().trimmed());
    }
}

int deleteRows(db::Database &db, const QString &sql, const PayrollMonth &month, std::optional<int> bkod)
{
    checkMonth(month);
    QVariantMap binds = monthBinds(month);
    QString text = sql;
    if (bkod) {
        text += kUnitCondition;
        binds.insert(QStringLiteral("BKOD"), *bkod);
    }
    QSqlQuery q = db.exec(text, binds);
    return q.numRowsAffected();
}

template <typename Row>
std::vector<Row> readRows(db::Database &db, const QString &select, const QStringList &columns, const QString &condition,
                          const QVariantMap &binds, Row (*fromColumns)(const ColumnReader &))
{
    QSqlQuery q = db.exec(select.arg(columns.join(QLatin1Char(','))) + condition + kOrder, binds);
    // The select names the columns in `columns` order: look them up by position.
    QHash<QString, int> position;
    for (int i = 0; i < columns.size(); ++i)
        position.insert(columns.at(i), i);
    std::vector<Row> rows;
    while (q.next())
        rows.push_back(fromColumns([&](const QString &c) { return q.value(position.value(c, -1)); }));
    return rows;
}

}  // namespace

ResultWriter::ResultWriter(db::Database &db) : db_(db)
{
    if (db.transactionDepth() == 0)
        throw db::DbError(db::DbError::Kind::Transaction,
                          QStringLiteral("Bordro satırları bir işlem birimi içinde yazılmalıdır"));
}

void ResultWriter::insertResult(const ResultRow &row)
{
    const QVariantList values = resultInsertValues(row);  // refuses before anything is sent
    if (!result_)
        result_ = db_.prepare(resultInsertSql());
    static const QStringList names = placeholders(resultInsertColumns());
    run(*result_, values, names, QStringLiteral("ZERMAAS"));
}

void ResultWriter::insertSnapshot(const SnapshotRow &row)
{
    const QVariantList values = snapshotInsertValues(row);
    if (!snapshot_)
        snapshot_ = db_.prepare(snapshotInsertSql());
    static const QStringList names = placeholders(snapshotInsertColumns());
    run(*snapshot_, values, names, QStringLiteral("ZERARSIV"));
}

void insertResultRow(db::Database &db, const ResultRow &row)
{
    db::Transaction tx(db);
    ResultWriter(db).insertResult(row);
    tx.commit();
}

void insertSnapshotRow(db::Database &db, const SnapshotRow &row)
{
    db::Transaction tx(db);
    ResultWriter(db).insertSnapshot(row);
    tx.commit();
}

int deleteResults(db::Database &db, const PayrollMonth &month, std::optional<int> bkod)
{
    return deleteRows(db, kDeleteResults, month, bkod);
}

int deleteSnapshots(db::Database &db, const PayrollMonth &month, std::optional<int> bkod)
{
    return deleteRows(db, kDeleteSnapshots, month, bkod);
}

void deleteMonth(db::Database &db, const PayrollMonth &month, std::optional<int> bkod)
{
    db::Transaction tx(db);
    deleteResults(db, month, bkod);
    deleteSnapshots(db, month, bkod);
    tx.commit();
}

std::vector<ResultRow> readResults(db::Database &db, const PayrollMonth &month, std::optional<int> bkod)
{
    checkMonth(month);
    QVariantMap binds = monthBinds(month);
    QString condition;
    if (bkod) {
        condition = kUnitCondition;
        binds.insert(QStringLiteral("BKOD"), *bkod);
    }
    return readRows<ResultRow>(db, kSelectResults, resultReadColumns(), condition, binds, &resultFromColumns);
}

std::vector<SnapshotRow> readSnapshots(db::Database &db, const PayrollMonth &month, std::optional<int> bkod)
{
    checkMonth(month);
    QVariantMap binds = monthBinds(month);
    QString condition;
    if (bkod) {
        condition = kUnitCondition;
        binds.insert(QStringLiteral("BKOD"), *bkod);
    }
    return readRows<SnapshotRow>(db, kSelectSnapshots, snapshotReadColumns(), condition, binds, &snapshotFromColumns);
}

namespace {
QVariantMap recordBinds(const PayrollMonth &month, int pkayno, int bkod, int pkod)
{
    QVariantMap b = monthBinds(month);
    b.insert(QStringLiteral("PKAYNO"), pkayno);
    b.insert(QStringLiteral("BKOD"), bkod);
    b.insert(QStringLiteral("PKOD"), pkod);
    return b;
}
}  // namespace

std::optional<ResultRow> readResult(db::Database &db, const PayrollMonth &month, int pkayno, int bkod, int pkod)
{
    checkMonth(month);
    auto rows = readRows<ResultRow>(db, kSelectResults, resultReadColumns(), kOneRecord,
                                    recordBinds(month, pkayno, bkod, pkod), &resultFromColumns);
    if (rows.empty())
        return std::nullopt;
    return rows.front();
}

std::optional<SnapshotRow> readSnapshot(db::Database &db, const PayrollMonth &month, int pkayno, int bkod, int pkod)
{
    checkMonth(month);
    auto rows = readRows<SnapshotRow>(db, kSelectSnapshots, snapshotReadColumns(), kOneRecord,
                                      recordBinds(month, pkayno, bkod, pkod), &snapshotFromColumns);
    if (rows.empty())
        return std::nullopt;
    return rows.front();
}

std::optional<int> lastMonth(db::Database &db, const QString &year, PayrollKind kind, int bkod)
{
    const QVariant v = db.scalar(kLastMonth, {{QStringLiteral("BKOD"), bkod},
                                              {QStringLiteral("YIL"), year},
                                              {QStringLiteral("TUR"), kindCode(kind)}});
    if (!v.isValid() || v.isNull())
        return std::nullopt;
    return v.toInt();
}

// ---- Past payrolls: the archive, stored-month corrections and hand-entered tax bases ----

namespace {

const QString kCountLater = QStringLiteral(
    "SELECT COUNT(*) SAY FROM ZERMAAS WHERE BKOD=:BK AND TUR=:TUR AND YIL=:YL AND AY>:AY");
const QString kUnitJournal = QStringLiteral(
    "SELECT FIRST 1 YEVNO FROM ZERMAAS WHERE BKOD=:BK AND TUR=:TUR AND YIL=:YL AND AY=:AY "
    "AND YEVNO IS NOT NULL AND YEVNO<>0");
const QString kRowJournal = QStringLiteral(
    "SELECT YEVNO FROM ZERMAAS WHERE PKAYNO=:PKAYNO AND BKOD=:BKOD AND PKOD=:PKOD AND TUR=:TUR AND YIL=:YIL "
    "AND AY=:AY");
const QString kDeleteArchivedResults =
    QStringLiteral("DELETE FROM ZERMAAS WHERE BKOD=:BK AND TUR=:TUR AND AY=:AY AND YIL=:YL");
const QString kDeleteArchivedSnapshots =
    QStringLiteral("DELETE FROM ZERARSIV WHERE BKOD=:BK AND TUR=:TUR AND AY=:AY AND YIL=:YL");
// The retirement-contribution ledger rows made from the payroll go with it.
const QString kDeleteLedgerRows =
    QStringLiteral("DELETE FROM EMKES WHERE BKOD=:BK AND TUR=:TUR AND YIL=:YL AND AY=:AY");
const QString kRowCondition = QStringLiteral(
    " WHERE PKAYNO=:PKAYNO AND BKOD=:BKOD AND PKOD=:PKOD AND TUR=:TUR AND YIL=:YIL AND AY=:AY");
const QString kSetPayment = QStringLiteral("UPDATE ZERMAAS SET ODE=:ODE,ODENO=:ODENO,ODETAR=:ODETAR");
const QString kPersonYear = QStringLiteral(
    "SELECT %1,CASE WHEN GELTOP IS NULL AND KESTOP IS NULL AND MAAS IS NULL THEN 1 ELSE 0 END BASEONLY "
    "FROM ZERMAAS WHERE PKAYNO=:PK AND YIL=:YL ORDER BY AY,TUR,BKOD,PKOD");
const QString kExists = QStringLiteral(
    "SELECT COUNT(*) FROM ZERMAAS WHERE PKAYNO=:PK AND BKOD=:BK AND YIL=:YL AND TUR=:TUR AND AY=:AY");
const QString kInsertTaxBase = QStringLiteral(
    "INSERT INTO ZERMAAS (PKAYNO,PKOD,BKOD,YIL,AY,TUR,VERMAT,VERMAT1) "
    "VALUES (:PKAYNO,:PKOD,:BKOD,:YIL,:AY,:TUR,:VERMAT,:VERMAT1)");
const QString kUpdateTaxBase = QStringLiteral("UPDATE ZERMAAS SET VERMAT=:VERMAT");
const QString kDeleteTaxBase = QStringLiteral(
    "DELETE FROM ZERMAAS WHERE PKAYNO=:PKAYNO AND BKOD=:BKOD AND PKOD=:PKOD AND TUR=:TUR AND YIL=:YIL AND AY=:AY "
    "AND GELTOP IS NULL AND KESTOP IS NULL AND MAAS IS NULL");

QVariantMap payrollBinds(const PayrollMonth &m, int bkod)
{
    return {{QStringLiteral("BK"), bkod},
            {QStringLiteral("TUR"), kindCode(m.TUR)},
            {QStringLiteral("YL"), m.YIL},
            {QStringLiteral("AY"), m.AY}};
}

QVariantMap keyBinds(const RowKey &k)
{
    checkKey(k);
    return {{QStringLiteral("PKAYNO"), k.PKAYNO}, {QStringLiteral("BKOD"), k.BKOD},
            {QStringLiteral("PKOD"), k.PKOD},     {QStringLiteral("TUR"), kindCode(k.TUR)},
            {QStringLiteral("YIL"), k.YIL},       {QStringLiteral("AY"), k.AY}};
}

QVariant nullableDouble(const std::optional<double> &v)
{
    return v ? QVariant(*v) : QVariant(QMetaType(QMetaType::Double));
}

std::optional<qint64> journalOf(const QVariant &v)
{
    if (!v.isValid() || v.isNull() || v.toDouble() == 0)
        return std::nullopt;
    return qRound64(v.toDouble());
}

const QStringList kKeyColumns = {QStringLiteral("PKOD"), QStringLiteral("BKOD"), QStringLiteral("TUR"),
                                 QStringLiteral("AY"),   QStringLiteral("YIL"),  QStringLiteral("PKAYNO")};

}  // namespace

int countLaterMonths(db::Database &db, const PayrollMonth &month, int bkod)
{
    checkMonth(month);
    return db.scalar(kCountLater, payrollBinds(month, bkod)).toInt();
}

std::optional<qint64> postedJournal(db::Database &db, const PayrollMonth &month, int bkod)
{
    checkMonth(month);
    return journalOf(db.scalar(kUnitJournal, payrollBinds(month, bkod)));
}

std::optional<qint64> postedJournal(db::Database &db, const RowKey &key)
{
    return journalOf(db.scalar(kRowJournal, keyBinds(key)));
}

DeletedPayroll deleteArchivedPayroll(db::Database &db, const PayrollMonth &month, int bkod)
{
    checkMonth(month);
    const QVariantMap binds = payrollBinds(month, bkod);
    db::Transaction tx(db);
    DeletedPayroll d;
    d.results = db.exec(kDeleteArchivedResults, binds).numRowsAffected();
    d.snapshots = db.exec(kDeleteArchivedSnapshots, binds).numRowsAffected();
    d.ledgerRows = db.exec(kDeleteLedgerRows, binds).numRowsAffected();
    tx.commit();
    return d;
}

int setPayment(db::Database &db, const RowKey &key, const PaymentStatus &status)
{
    QVariantMap binds = keyBinds(key);
    binds.insert(QStringLiteral("ODE"), status.ODE.isEmpty() ? QVariant(QMetaType(QMetaType::QString))
                                                             : QVariant(status.ODE.left(1)));
    binds.insert(QStringLiteral("ODENO"), nullableDouble(status.ODENO));
    binds.insert(QStringLiteral("ODETAR"), nullableDouble(status.ODETAR));
    return db.exec(kSetPayment + kRowCondition, binds).numRowsAffected();
}

int updateResultRow(db::Database &db, const ResultRow &row)
{
    const QVariantList values = resultInsertValues(row);  // refuses before anything is sent
    const QStringList &columns = resultInsertColumns();
    QStringList sets;
    QVariantMap binds = keyBinds(row.key);
    for (int i = 0; i < columns.size(); ++i) {
        if (kKeyColumns.contains(columns.at(i)))
            continue;
        sets << columns.at(i) + QStringLiteral("=:") + columns.at(i);
        binds.insert(columns.at(i), values.at(i));
    }
    return db.exec(QStringLiteral("UPDATE ZERMAAS SET ") + sets.join(QLatin1Char(',')) + kRowCondition, binds)
        .numRowsAffected();
}

std::vector<PersonYearRow> personYearResults(db::Database &db, int pkayno, const QString &year)
{
    const QStringList &columns = resultReadColumns();
    QSqlQuery q = db.exec(kPersonYear.arg(columns.join(QLatin1Char(','))),
                          {{QStringLiteral("PK"), pkayno}, {QStringLiteral("YL"), year}});
    QHash<QString, int> position;
    for (int i = 0; i < columns.size(); ++i)
        position.insert(columns.at(i), i);
    const int baseOnly = int(columns.size());
    std::vector<PersonYearRow> rows;
    while (q.next()) {
        PersonYearRow r;
        r.row = resultFromColumns([&](const QString &c) { return q.value(position.value(c, -1)); });
        r.taxBaseOnly = q.value(baseOnly).toInt() == 1;
        rows.push_back(std::move(r));
    }
    return rows;
}

bool resultExists(db::Database &db, int pkayno, int bkod, const PayrollMonth &month)
{
    checkMonth(month);
    QVariantMap binds = payrollBinds(month, bkod);
    binds.insert(QStringLiteral("PK"), pkayno);
    return db.scalar(kExists, binds).toInt() > 0;
}

void insertTaxBase(db::Database &db, const RowKey &key, Money vermat, Money vermat1)
{
    QVariantMap binds = keyBinds(key);
    binds.insert(QStringLiteral("VERMAT"), vermat.toDouble());
    binds.insert(QStringLiteral("VERMAT1"), vermat1.toDouble());
    db.exec(kInsertTaxBase, binds);
}

int updateTaxBase(db::Database &db, const RowKey &key, Money vermat)
{
    QVariantMap binds = keyBinds(key);
    binds.insert(QStringLiteral("VERMAT"), vermat.toDouble());
    return db.exec(kUpdateTaxBase + kRowCondition, binds).numRowsAffected();
}

int deleteTaxBase(db::Database &db, const RowKey &key)
{
    return db.exec(kDeleteTaxBase, keyBinds(key)).numRowsAffected();
}

int updatePersonSnapshotsInsurance(db::Database &db, int pkayno, const QString &year, const QString &gsstur,
                                   const QDate &tertar)
{
    return db
        .exec(QStringLiteral("UPDATE ZERARSIV SET GSSTUR=:GS,TERTAR=:TT WHERE PKAYNO=:PK AND YIL=:YL"),
              {{QStringLiteral("GS"), gsstur},
               {QStringLiteral("TT"), tertar.isValid() ? QVariant(tertar) : QVariant(QMetaType(QMetaType::QDate))},
               {QStringLiteral("PK"), pkayno},
               {QStringLiteral("YL"), year}})
        .numRowsAffected();
}

int stampJournalNumber(db::Database &db, const PayrollMonth &month, std::optional<int> bkod, std::optional<int> pkod,
                       std::optional<qint64> yevno, std::optional<qint64> onlyWhere)
{
    checkMonth(month);
    QString sql = QStringLiteral("UPDATE ZERMAAS SET YEVNO=:YN WHERE AY=:AY AND YIL=:YIL AND TUR=:TUR");
    QVariantMap binds = monthBinds(month);
    binds.insert(QStringLiteral("YN"), yevno ? QVariant(double(*yevno)) : QVariant(QMetaType(QMetaType::Double)));
    if (bkod) {
        sql += kUnitCondition;
        binds.insert(QStringLiteral("BKOD"), *bkod);
    }
    if (pkod) {
        sql += QStringLiteral(" AND PKOD=:PKOD");
        binds.insert(QStringLiteral("PKOD"), *pkod);
    }
    if (onlyWhere) {
        sql += QStringLiteral(" AND YEVNO=:OLD");
        binds.insert(QStringLiteral("OLD"), double(*onlyWhere));
    }
    return db.exec(sql, binds).numRowsAffected();
}

}  // namespace zeran::results
