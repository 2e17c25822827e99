#include "ratestore.h"

#include "settingsrow.h"

namespace zeran::rates {

namespace {

const QString kFindLegal = QStringLiteral("SELECT KAYNO FROM ZERKANOR WHERE YIL=:YL AND DON=:DN");
const QString kSelectLegal = QStringLiteral("SELECT %1 FROM ZERKANOR WHERE YIL=:YL AND DON=:DN");
const QString kMaxKayno = QStringLiteral("SELECT MAX(KAYNO) KAYNO FROM ZERKANOR");
const QString kUpdateLegal = QStringLiteral("UPDATE ZERKANOR SET %1 WHERE KAYNO=:KAYNO");
const QString kInsertLegal = QStringLiteral("INSERT INTO ZERKANOR (KAYNO,YIL,DON,%1) VALUES (:KAYNO,:YL,:DN,%2)");

const QString kFindTax = QStringLiteral("SELECT COUNT(*) FROM VEROR WHERE YIL=:YL AND DON=:DN");
const QString kSelectTax = QStringLiteral("SELECT %1 FROM VEROR WHERE YIL=:YL AND DON=:DN");
const QString kUpdateTax = QStringLiteral("UPDATE VEROR SET %1 WHERE YIL=:YL AND DON=:DN");
const QString kInsertTax = QStringLiteral("INSERT INTO VEROR (YIL,DON,%1) VALUES (:YL,:DN,%2)");
const QString kDeleteTax = QStringLiteral("DELETE FROM VEROR WHERE YIL=:YY AND DON=:NN");


QStringList names(const QList<RateColumn> &columns)
{
    QStringList n;
    for (const auto &c : columns)
        n << c.name;
    return n;
}

QVariantMap periodBinds(const Period &p)
{
    return {{QStringLiteral("YL"), p.year}, {QStringLiteral("DN"), p.don}};
}

std::optional<RateValues> readRow(db::Database &db, const QString &select, const QList<RateColumn> &columns,
                                  const Period &period)
{
    QSqlQuery q = db.exec(select.arg(names(columns).join(QLatin1Char(','))), periodBinds(period));
    if (!q.next())
        return std::nullopt;
    RateValues v;
    for (int i = 0; i < columns.size(); ++i)
        v.insert(columns.at(i).name, canonicalFromStored(q.value(i), columns.at(i).kind));
    return v;
}

// Binds of the columns: ":C" -> stored value of the canonical text.
QVariantMap columnBinds(const QList<RateColumn> &columns, const RateValues &values)
{
    QVariantMap b;
    for (const auto &c : columns)
        b.insert(c.name, storedFromCanonical(values.value(c.name), c.kind));
    return b;
}

QString assignments(const QList<RateColumn> &columns)
{
    QStringList a;
    for (const auto &c : columns)
        a << c.name + QStringLiteral("=:") + c.name;
    return a.join(QLatin1Char(','));
}

QString parameters(const QList<RateColumn> &columns)
{
    QStringList a;
    for (const auto &c : columns)
        a << QLatin1Char(':') + c.name;
    return a.join(QLatin1Char(','));
}

void checkPeriod(const Period &p)
{
    if (!isYear(p.year) || !isPeriodCode(p.don))
        throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("Geçersiz dönem: %1/%2").arg(p.year, p.don));
}

}  // namespace

std::optional<RateValues> readLegal(db::Database &db, const Period &period)
{
    return readRow(db, kSelectLegal, legalColumns(), period);
}

int saveLegal(db::Database &db, const Period &period, const RateValues &values)
{
    checkPeriod(period);
    const QList<RateColumn> &columns = legalColumns();
    db::Transaction tx(db);
    QVariantMap binds = columnBinds(columns, values);
    const QVariant existing = db.scalar(kFindLegal, periodBinds(period));
    int kayno = 0;
    if (existing.isValid() && !existing.isNull()) {
        kayno = existing.toInt();
        binds.insert(QStringLiteral("KAYNO"), kayno);
        db.exec(kUpdateLegal.arg(assignments(columns)), binds);
    } else {
        // an empty table gives NULL: the first row is 1
        kayno = db::smallintKey(db.scalar(kMaxKayno).toLongLong() + 1, QStringLiteral("Oran kaydı (KAYNO)"));
        binds.insert(QStringLiteral("KAYNO"), kayno);
        binds.insert(periodBinds(period));
        db.exec(kInsertLegal.arg(names(columns).join(QLatin1Char(',')), parameters(columns)), binds);
    }
    tx.commit();
    return kayno;
}

std::optional<RateValues> readTax(db::Database &db, const Period &period)
{
    return readRow(db, kSelectTax, taxColumns(), period);
}

void saveTax(db::Database &db, const Period &period, const RateValues &values)
{
    checkPeriod(period);
    const QList<RateColumn> &columns = taxColumns();
    db::Transaction tx(db);
    QVariantMap binds = columnBinds(columns, values);
    binds.insert(periodBinds(period));
    if (db.scalar(kFindTax, periodBinds(period)).toInt() > 0)
        db.exec(kUpdateTax.arg(assignments(columns)), binds);
    else
        db.exec(kInsertTax.arg(names(columns).join(QLatin1Char(',')), parameters(columns)), binds);
    tx.commit();
}

void replaceTax(db::Database &db, const Period &period, const RateValues &values)
{
    checkPeriod(period);
    const QList<RateColumn> &columns = taxColumns();
    db::Transaction tx(db);
    db.exec(kDeleteTax, {{QStringLiteral("YY"), period.year}, {QStringLiteral("NN"), period.don}});
    QVariantMap binds = columnBinds(columns, values);
    binds.insert(periodBinds(period));
    db.exec(kInsertTax.arg(names(columns).join(QLatin1Char(',')), parameters(columns)), binds);
    tx.commit();
}

qint64 population(db::Database &db)
{
    return settingsrow::population(db);
}

}  // namespace zeran::rates
