#include "database.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QStandardPaths>

#include <ibase.h>
#include <unistd.h>

namespace zeran::db {

namespace {

// Generator names reach SQL text, so only plain identifiers are accepted.
void checkIdentifier(const QString &name)
{
    static const QRegularExpression re(QStringLiteral("^[A-Z][A-Z0-9_$]{0,62}$"));
    if (!re.match(name).hasMatch())
        throw DbError(DbError::Kind::Sql, QStringLiteral("Geçersiz üreteç adı: %1").arg(name));
}

QString errorText(const QSqlError &e)
{
    QString t = e.databaseText().trimmed();
    const QString d = e.driverText().trimmed();
    if (t.isEmpty())
        return d;
    if (!d.isEmpty() && !t.contains(d))
        t = d + QStringLiteral(": ") + t;
    return t;
}

}  // namespace

QString ConnectParams::connectionString() const
{
    return server.isEmpty() ? path : server + QLatin1Char(':') + path;
}

Database::Database(QString name) : name_(std::move(name)) {}

Database::~Database()
{
    close();
    if (QSqlDatabase::contains(name_))
        QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase Database::handle() const
{
    return QSqlDatabase::database(name_, false);
}

void Database::open(const ConnectParams &params)
{
    close();
    params_ = params;
    if (params.server.isEmpty())
        prepareEmbeddedEnvironment();
    QSqlDatabase db = QSqlDatabase::contains(name_) ? QSqlDatabase::database(name_, false)
                                                    : QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), name_);
    if (!db.isValid())
        throw DbError(DbError::Kind::Refused, QStringLiteral("QIBASE sürücüsü yüklenemedi"));
    // The driver takes "host/port" as the host name; the path is the server's path.
    db.setHostName(params.server);
    db.setDatabaseName(params.path);
    db.setUserName(params.user);
    db.setPassword(params.password);
    // Asked for; Qt 6.4 attaches as UTF8 anyway and the server converts to WIN1254.
    db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=WIN1254"));
    if (params.server.isEmpty() && !QFileInfo::exists(params.path))
        throw DbError(DbError::Kind::Refused, QStringLiteral("Veritabanı dosyası bulunamadı: %1").arg(params.path));
    if (!db.open()) {
        const QString t = errorText(db.lastError());
        throw DbError(DbError::Kind::Refused, t.isEmpty() ? QStringLiteral("Bağlantı kurulamadı") : t);
    }
    depth_ = 0;
    doomed_ = false;
}

void Database::close()
{
    if (!QSqlDatabase::contains(name_))
        return;
    QSqlDatabase db = QSqlDatabase::database(name_, false);
    if (db.isOpen()) {
        if (depth_ > 0)
            db.rollback();
        db.close();
    }
    depth_ = 0;
    doomed_ = false;
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(name_) && handle().isOpen();
}

QSqlQuery Database::prepare(const QString &sql) const
{
    QSqlQuery q(handle());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw DbError(DbError::Kind::Sql, errorText(q.lastError()) + QStringLiteral("\n") + sql);
    return q;
}

QSqlQuery Database::exec(const QString &sql, const QVariantMap &binds) const
{
    QSqlQuery q = prepare(sql);
    for (auto it = binds.cbegin(); it != binds.cend(); ++it)
        q.bindValue(QLatin1Char(':') + it.key(), it.value());
    if (!q.exec())
        throw DbError(DbError::Kind::Sql, errorText(q.lastError()) + QStringLiteral("\n") + sql);
    return q;
}

QVariant Database::scalar(const QString &sql, const QVariantMap &binds) const
{
    QSqlQuery q = exec(sql, binds);
    if (!q.next())
        return {};
    return q.value(0);
}

int smallintKey(qint64 n, const QString &what)
{
    if (n < 1 || n > kSmallIntMax)
        throw DbError(DbError::Kind::Sql,
                      QStringLiteral("DİKKAT! %1 için yeni numara (%2) verilemiyor: numaralar 1 ile %3 arasında olmalı. "
                                     "Kayıt yapılmadı.")
                          .arg(what)
                          .arg(n)
                          .arg(kSmallIntMax));
    return int(n);
}

qint64 Database::nextGeneratorValue(const QString &generator, qint64 step) const
{
    checkIdentifier(generator);
    // A generator increment is outside transaction control: two connections asking at
    // once always get distinct values.
    QSqlQuery q = exec(QStringLiteral("SELECT GEN_ID(%1,%2) YENINO FROM RDB$DATABASE").arg(generator).arg(step));
    if (!q.next())
        throw DbError(DbError::Kind::Sql, QStringLiteral("Üreteç okunamadı: %1").arg(generator));
    return q.value(0).toLongLong();
}

void Database::setGenerator(const QString &generator, qint64 value) const
{
    checkIdentifier(generator);
    exec(QStringLiteral("SET GENERATOR %1 TO %2").arg(generator).arg(value));
}

void Database::begin()
{
    if (depth_++ > 0)
        return;
    doomed_ = false;
    QSqlDatabase db = handle();
    if (!db.transaction()) {
        depth_ = 0;
        throw DbError(DbError::Kind::Transaction, errorText(db.lastError()));
    }
}

void Database::commitOuter()
{
    QSqlDatabase db = handle();
    if (doomed_) {
        db.rollback();
        doomed_ = false;
        throw DbError(DbError::Kind::Transaction, QStringLiteral("İşlem geri alındı"));
    }
    if (!db.commit()) {
        const QString t = errorText(db.lastError());
        db.rollback();
        throw DbError(DbError::Kind::Transaction, t);
    }
}

void Database::rollbackOuter()
{
    handle().rollback();
    doomed_ = false;
}

Transaction::Transaction(Database &db) : db_(db)
{
    db_.begin();
}

Transaction::~Transaction()
{
    if (!done_) {
        try {
            rollback();
        } catch (...) {
        }
    }
}

void Transaction::commit()
{
    if (done_)
        return;
    done_ = true;
    if (--db_.depth_ > 0)
        return;  // the outermost unit decides
    db_.commitOuter();
}

void Transaction::rollback()
{
    if (done_)
        return;
    done_ = true;
    if (--db_.depth_ > 0) {
        db_.doomed_ = true;
        return;
    }
    db_.rollbackOuter();
}

void prepareEmbeddedEnvironment()
{
    if (!qEnvironmentVariableIsEmpty("FIREBIRD_LOCK"))
        return;
    if (geteuid() == 0)
        return;  // the system lock directory is root's to use
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    const QString dir = base + QStringLiteral("/zeran-firebird");
    QDir().mkpath(dir);
    qputenv("FIREBIRD_LOCK", dir.toLocal8Bit());
}

void createDatabase(const ConnectParams &params)
{
    if (params.server.isEmpty())
        prepareEmbeddedEnvironment();
    auto quoted = [](QString s) { return s.replace(QLatin1Char('\''), QStringLiteral("''")); };
    const QString sql = QStringLiteral(
                            "CREATE DATABASE '%1' USER '%2' PASSWORD '%3' PAGE_SIZE 8192 "
                            "DEFAULT CHARACTER SET WIN1254 COLLATION PXW_TURK")
                            .arg(quoted(params.connectionString()), quoted(params.user), quoted(params.password));
    const QByteArray text = sql.toUtf8();
    ISC_STATUS_ARRAY status{};
    isc_db_handle dbh = 0;
    isc_tr_handle trh = 0;
    if (isc_dsql_execute_immediate(status, &dbh, &trh, 0, text.constData(), SQL_DIALECT_V6, nullptr)) {
        QString msg;
        char buf[512];
        const ISC_STATUS *p = status;
        while (fb_interpret(buf, sizeof buf, &p))
            msg += QString::fromLocal8Bit(buf) + QLatin1Char(' ');
        throw DbError(DbError::Kind::Create, msg.trimmed());
    }
    isc_detach_database(status, &dbh);
}

}  // namespace zeran::db
