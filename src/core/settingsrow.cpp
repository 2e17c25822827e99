#include "settingsrow.h"

#include <QRegularExpression>
#include <QSqlQuery>

#include <stdexcept>

namespace zeran::settingsrow {

namespace {
const QString kRead = QStringLiteral("SELECT %1 FROM PTANIM");
const QString kStore = QStringLiteral("UPDATE PTANIM SET %1");
const QString kVersion = QStringLiteral("SELECT VER FROM PTANIM");
const QString kPopulation = QStringLiteral("SELECT NUFUS FROM PTANIM");

QString text(const QVariant &v)
{
    return v.toString().trimmed();
}

void checkColumnName(const QString &name)
{
    static const QRegularExpression columnName(QStringLiteral("^[A-Z][A-Z0-9_]*$"));
    if (!columnName.match(name).hasMatch())
        throw std::invalid_argument("not a column name: " + name.toStdString());
}
}  // namespace

QSqlRecord read(const db::Database &db, const QStringList &columns)
{
    for (const QString &c : columns)
        checkColumnName(c);
    QSqlQuery q = db.exec(kRead.arg(columns.isEmpty() ? QStringLiteral("*") : columns.join(QLatin1Char(','))));
    if (!q.next())
        throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("PTANIM kaydı bulunamadı"));
    return q.record();
}

void store(const db::Database &db, const QVector<std::pair<QString, QVariant>> &values)
{
    if (values.isEmpty())
        return;
    QStringList sets;
    QVariantMap binds;
    for (const auto &[name, value] : values) {
        checkColumnName(name);
        sets << QStringLiteral("%1=:%1").arg(name);
        binds.insert(name, value);
    }
    QSqlQuery q = db.exec(kStore.arg(sets.join(QLatin1Char(','))), binds);
    if (q.numRowsAffected() == 0)
        throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("PTANIM kaydı bulunamadı"));
}

WorkingYear readWorkingYear(const db::Database &db)
{
    const QSqlRecord r = read(db, {QStringLiteral("CYIL"), QStringLiteral("KURUM")});
    return {text(r.value(QStringLiteral("CYIL"))), text(r.value(QStringLiteral("KURUM")))};
}

void storeWorkingYear(db::Database &db, const QString &cyil)
{
    db::Transaction t(db);
    store(db, {{QStringLiteral("CYIL"), cyil}});
    t.commit();
}

qint64 population(const db::Database &db)
{
    const QVariant v = db.scalar(kPopulation);
    return v.isNull() ? 0 : v.toLongLong();
}

QString versionText(const db::Database &db)
{
    return text(db.scalar(kVersion));
}

}  // namespace zeran::settingsrow
