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
