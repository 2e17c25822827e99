#pragma once
// Connections to the main and the accounting database.
//
// One Database object is one named Qt connection (QIBASE driver). Work on it is done in
// units of work (Transaction below): every operation opens its own, ends it with its own
// commit or rollback, and nothing stays pending between operations. So a rollback in one
// screen can never discard another screen's unsaved work: that work is still in the other
// screen's widgets, not in a shared open transaction.

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <optional>
#include <stdexcept>

namespace zeran::db {

/// Where a database lives and how to log in. An empty server means the embedded engine
/// opens the file itself (one workstation); "host" or "host/port" reaches a server.
struct ConnectParams {
    QString server;    ///< SRV: empty for embedded
    QString path;      ///< absolute path of the database file (as the server sees it)
    QString user = QStringLiteral("SYSDBA");
    QString password;  ///< installation secret; the embedded engine ignores it

    /// The "host:path" form the client library understands (path alone when embedded).
    QString connectionString() const;
};

/// What went wrong, told apart so that callers can react to a refused connection.
struct DbError : std::runtime_error {
    enum class Kind { Refused, Sql, Transaction, Create };
    Kind kind;
    QString text;
    DbError(Kind k, const QString &t) : std::runtime_error(t.toStdString()), kind(k), text(t) {}
    bool refused() const { return kind == Kind::Refused; }
};

/// The largest value of a SMALLINT column: the keys of people, codes and ledger rows.
inline constexpr qint64 kSmallIntMax = 32767;
/// A new key for a SMALLINT column (from a generator or the largest key plus one), checked
/// before the write: the driver binds an out-of-range int without complaint and the column
/// would wrap (40001 is stored as -25535). Throws DbError with a message naming `what` when
/// the key is outside 1..32767, so the save stops and nothing is written.
int smallintKey(qint64 n, const QString &what);

class Database {
public:
    /// `name` is the Qt connection name; two objects with different names are two
    /// independent attachments (and two independent transactions).
    explicit Database(QString name);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    /// Opens (or reopens) the connection. Throws DbError of kind Refused when the server
    /// is unreachable, the file is missing or the password is refused.
    void open(const ConnectParams &params);
    void close();
    bool isOpen() const;
    const ConnectParams &params() const { return params_; }
    const QString &name() const { return name_; }

    QSqlDatabase handle() const;

    /// Prepares `sql` (named parameters, e.g. ":BK"); throws DbError on failure.
    QSqlQuery prepare(const QString &sql) const;
    /// Binds `binds` by name, runs, throws DbError on failure. Returns the query positioned
    /// before the first row.
    QSqlQuery exec(const QString &sql, const QVariantMap &binds = {}) const;
    /// First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString &sql, const QVariantMap &binds = {}) const;

    /// Next value of a generator ("SELECT GEN_ID(<gen>,1) YENINO FROM RDB$DATABASE").
    qint64 nextGeneratorValue(const QString &generator, qint64 step = 1) const;
    /// "SET GENERATOR <gen> TO n".
    void setGenerator(const QString &generator, qint64 value) const;

    /// Depth of the unit of work now open on this connection (0: none).
    int transactionDepth() const { return depth_; }

private:
    friend class Transaction;
    void begin();
    void commitOuter();
    void rollbackOuter();

    QString name_;
    ConnectParams params_;
    int depth_ = 0;
    bool doomed_ = false;  // an inner unit rolled back: the outer one may not commit
};

/// A unit of work. The outermost Transaction on a connection starts the database
/// transaction; inner ones join it. Destroying an uncommitted Transaction rolls the whole
/// unit back, so an early return or an exception never leaves half an operation stored.
class Transaction {
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    /// Commits when this is the outermost unit; throws DbError(Transaction) when the commit
    /// fails (the work is then rolled back) or when an inner unit already rolled back.
    void commit();
    void rollback();

private:
    Database &db_;
    bool done_ = false;
};

/// Creates an empty database file (Qt cannot). Dialect 3, page size 8192, character set
/// WIN1254 with Turkish collation. Throws DbError(Create).
void createDatabase(const ConnectParams &params);

/// Makes sure the embedded engine has a lock directory it may write (a non-root user cannot
/// use the system one). Call before the first attachment.
void prepareEmbeddedEnvironment();

}  // namespace zeran::db
