// zeran-bench-write-floor: the database's floor for writing a month's payroll.
//
//   zeran-bench-write-floor insert DIR --method M [--today YYYY-MM-DD] [--rows-per-block K]
//   zeran-bench-write-floor clear DIR [--today YYYY-MM-DD]
//   zeran-bench-write-floor probe DIR [--today YYYY-MM-DD]
//
// "insert" does what making the payroll must do at the least: open, load the run of every
// unit, compute the rows with the engine, then write the 2 × N rows (ZERMAAS + ZERARSIV) in
// one transaction with method M and commit:
//   prepared      one prepared statement per table, reused (Qt driver), values bound by
//                 position as ResultWriter binds them;
//   prepared-named
//                 as "prepared", values bound by their marker's name;
//   block         EXECUTE BLOCK, K rows per statement (default 4), every value a parameter
//                 (Qt driver);
//   raw-prepared  as "prepared", straight through the client library (no Qt driver);
//   raw-block     as "block", straight through the client library;
//   writer        the project's ResultWriter (for comparing it with the floor in one process);
//   raw-prepared-qtclose
//                 "raw-prepared" plus what the Qt driver does before every execution (closing
//                 a cursor an insert does not have, reading the refusal's message): the share
//                 of that step in the driver's cost;
//   raw-prepared-by-table
//                 "raw-prepared" writing every result row first, then every snapshot row
//                 (the other methods write a person's two rows together, as make does).
// The month must be empty ("clear" first). Prints "key value" lines: the phases in ms and the
// pages the engine read and wrote while writing.
//
// "clear" deletes the month's rows of every unit as the payroll does (timing each table),
// commits, and reads the tables over so that the old record versions are collected before the
// next timed run; it prints how many rows it deleted.
//
// "probe" times the "last month made" check of payroll make as it reads now (the whole year)
// and limited to the run month onwards, which is all the check needs.
//
// The client library takes positional markers only, and Qt passes an EXECUTE BLOCK through
// unchanged: the raw methods and the blocks therefore bind by "?". Values are always bound,
// never written into the statement text.

#include "benchsupport.h"
#include "resultstore.h"

#include <ibase.h>

#include <QCoreApplication>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

using namespace zeran;

namespace {

constexpr int kErrorWidth = 400;

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

void figure(const char *key, double ms)
{
    out() << key << ' ' << QString::number(ms, 'f', 1) << '\n';
}

// ---- Statements --------------------------------------------------------------------------

/// The insert columns of a table, as the layout names them.
const QStringList &columnsOf(bool results)
{
    return results ? results::resultInsertColumns() : results::snapshotInsertColumns();
}

QString tableOf(bool results)
{
    return results ? QStringLiteral("ZERMAAS") : QStringLiteral("ZERARSIV");
}

/// EXECUTE BLOCK inserting `rows` rows: parameters P<row>_<column> declared with their
/// column's type, bound by position. Qt hands an EXECUTE BLOCK to the engine untouched (its
/// body's ":name" are the block's own variables), so named markers are not possible here.
QString blockSql(bool results, int rows)
{
    const QStringList &columns = columnsOf(results);
    const QString table = tableOf(results);
    QStringList params, inserts;
    for (int r = 0; r < rows; ++r) {
        QStringList names;
        for (int c = 0; c < columns.size(); ++c) {
            const QString name = QStringLiteral("P%1_%2").arg(r).arg(c);
            params << QStringLiteral("%1 TYPE OF COLUMN %2.%3=%4").arg(name, table, columns.at(c), QStringLiteral("?"));
            names << QLatin1Char(':') + name;
        }
        inserts << QStringLiteral("INSERT INTO %1 (%2) VALUES (%3);")
                       .arg(table, columns.join(QLatin1Char(',')), names.join(QLatin1Char(',')));
    }
    return QStringLiteral("EXECUTE BLOCK (%1) AS BEGIN %2 END").arg(params.join(QLatin1Char(',')), inserts.join(QLatin1Char(' ')));
}

QString preparedSql(bool results, const std::function<QString(const QString &)> &marker)
{
    const QStringList &columns = columnsOf(results);
    QStringList markers;
    for (const QString &c : columns)
        markers << marker(c);
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(tableOf(results), columns.join(QLatin1Char(',')), markers.join(QLatin1Char(',')));
}

QString named(const QString &name)
{
    return QLatin1Char(':') + name;
}

QString positional(const QString &)
{
    return QStringLiteral("?");
}

// ---- The client library, without the Qt driver ----------------------------------------------

class FbError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void check(const ISC_STATUS *status, const char *what)
{
    if (status[0] == 1 && status[1] != 0) {
        std::string text = what;
        char buf[512];
        const ISC_STATUS *p = status;
        while (fb_interpret(buf, sizeof buf, &p))
            text += std::string(" ") + buf;
        throw FbError(text);
    }
}

class RawConnection {
public:
    explicit RawConnection(const QString &path)
    {
        const QByteArray file = path.toLocal8Bit();
        const QByteArray user = "SYSDBA", charset = "UTF8";
        std::vector<char> dpb{char(isc_dpb_version1)};
        auto add = [&dpb](char tag, const QByteArray &v) {
            dpb.push_back(tag);
            dpb.push_back(char(v.size()));
            dpb.insert(dpb.end(), v.begin(), v.end());
        };
        add(char(isc_dpb_user_name), user);
        add(char(isc_dpb_lc_ctype), charset);
        ISC_STATUS_ARRAY st{};
        isc_attach_database(st, 0, file.constData(), &db_, short(dpb.size()), dpb.data());
        check(st, "attach");
    }
    ~RawConnection()
    {
        ISC_STATUS_ARRAY st{};
        if (tr_)
            isc_rollback_transaction(st, &tr_);
        if (db_)
            isc_detach_database(st, &db_);
    }
    void begin()
    {
        static char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_concurrency, isc_tpb_wait};
        ISC_STATUS_ARRAY st{};
        isc_start_transaction(st, &tr_, 1, &db_, short(sizeof tpb), tpb);
        check(st, "start transaction");
    }
    void commit()
    {
        ISC_STATUS_ARRAY st{};
        isc_commit_transaction(st, &tr_);
        check(st, "commit");
    }
    isc_db_handle db_ = 0;
    isc_tr_handle tr_ = 0;
};

/// A statement prepared once with its input buffers; values bound by position.
class RawStatement {
public:
    RawStatement(RawConnection &c, const QString &sql) : c_(c)
    {
        const QByteArray text = sql.toUtf8();
        ISC_STATUS_ARRAY st{};
        isc_dsql_allocate_statement(st, &c_.db_, &stmt_);
        check(st, "allocate");
        isc_dsql_prepare(st, &c_.tr_, &stmt_, 0, text.constData(), SQL_DIALECT_V6, nullptr);
        check(st, "prepare");
        in_ = allocate(1);
        isc_dsql_describe_bind(st, &stmt_, SQLDA_VERSION1, in_);
        check(st, "describe");
        if (in_->sqld > in_->sqln) {
            const short n = in_->sqld;
            std::free(in_);
            in_ = allocate(n);
            isc_dsql_describe_bind(st, &stmt_, SQLDA_VERSION1, in_);
            check(st, "describe");
        }
        std::size_t size = 0;
        std::vector<std::size_t> offsets;
        for (int i = 0; i < in_->sqld; ++i) {
            XSQLVAR &v = in_->sqlvar[i];
            const int type = v.sqltype & ~1;
            if (type == SQL_TEXT || type == SQL_VARYING) {
                v.sqltype = SQL_VARYING | 1;  // texts sent with their length, no padding
                size = (size + 1) & ~std::size_t(1);
                offsets.push_back(size);
                size += sizeof(short) + std::size_t(v.sqllen);
            } else {
                v.sqltype = short(type | 1);
                size = (size + 7) & ~std::size_t(7);
                offsets.push_back(size);
                size += 8;
            }
        }
        buffer_.assign(size + 8, 0);
        nulls_.assign(std::size_t(in_->sqld), 0);
        for (int i = 0; i < in_->sqld; ++i) {
            in_->sqlvar[i].sqldata = buffer_.data() + offsets[std::size_t(i)];
            in_->sqlvar[i].sqlind = &nulls_[std::size_t(i)];
        }
    }
    ~RawStatement()
    {
        ISC_STATUS_ARRAY st{};
        isc_dsql_free_statement(st, &stmt_, DSQL_drop);
        std::free(in_);
    }
    RawStatement(const RawStatement &) = delete;
    RawStatement &operator=(const RawStatement &) = delete;

    int parameters() const { return in_->sqld; }

    void bind(int i, const QVariant &value)
    {
        XSQLVAR &v = in_->sqlvar[i];
        if (value.isNull()) {
            *v.sqlind = -1;
            return;
        }
        *v.sqlind = 0;
        switch (v.sqltype & ~1) {
        case SQL_VARYING: {
            const QByteArray bytes = value.toString().toUtf8();
            const short n = short(std::min<qsizetype>(bytes.size(), v.sqllen));
            std::memcpy(v.sqldata, &n, sizeof n);
            std::memcpy(v.sqldata + sizeof n, bytes.constData(), std::size_t(n));
            break;
        }
        case SQL_SHORT: {
            const short s = short(value.toInt());
            std::memcpy(v.sqldata, &s, sizeof s);
            break;
        }
        case SQL_LONG: {
            const ISC_LONG l = value.toInt();
            std::memcpy(v.sqldata, &l, sizeof l);
            break;
        }
        case SQL_DOUBLE: {
            const double d = value.toDouble();
            std::memcpy(v.sqldata, &d, sizeof d);
            break;
        }
        case SQL_FLOAT: {
            const float f = float(value.toDouble());
            std::memcpy(v.sqldata, &f, sizeof f);
            break;
        }
        case SQL_TYPE_DATE: {
            const ISC_DATE d = ISC_DATE(value.toDate().toJulianDay() - 2400001);  // days since 17 Nov 1858
            std::memcpy(v.sqldata, &d, sizeof d);
            break;
        }
        default:
            throw FbError("parameter type not handled: " + std::to_string(v.sqltype));
        }
    }

    /// With `closeFirst`, does before it what the Qt driver does before every execution:
    /// closes the statement's cursor (an insert has none: the engine answers with an error)
    /// and turns the error into its message text.
    void execute(bool closeFirst = false)
    {
        ISC_STATUS_ARRAY st{};
        if (closeFirst) {
            isc_dsql_free_statement(st, &stmt_, DSQL_close);
            if (st[0] == 1 && st[1] != 0) {
                char buf[512];
                const ISC_STATUS *p = st;
                closeErrors_ += isc_sqlcode(st) == -501 ? 1 : 0;
                while (fb_interpret(buf, sizeof buf, &p)) {
                }
            }
            st[0] = st[1] = 0;
        }
        isc_dsql_execute(st, &c_.tr_, &stmt_, SQLDA_VERSION1, in_);
        check(st, "execute");
    }

    /// How many closes the engine refused with "cursor already closed" (-501).
    int closeErrors() const { return closeErrors_; }

private:
    static XSQLDA *allocate(short n)
    {
        auto *d = static_cast<XSQLDA *>(std::calloc(1, XSQLDA_LENGTH(n)));
        d->version = SQLDA_VERSION1;
        d->sqln = n;
        return d;
    }

    RawConnection &c_;
    isc_stmt_handle stmt_ = 0;
    XSQLDA *in_ = nullptr;
    std::vector<char> buffer_;
    std::vector<short> nulls_;
    int closeErrors_ = 0;
};

// ---- The methods --------------------------------------------------------------------------
// Every method turns a row into its bound values (the layout's conversion, as ResultWriter
// does) just before sending it, so that all of them do the same work and hold the same memory.
// Not inlined, so that a profiler can count the write alone (valgrind --toggle-collect=*insert*).

void execQt(QSqlQuery &q, const char *what)
{
    if (!q.exec())
        throw db::DbError(db::DbError::Kind::Sql, QLatin1String(what) + QStringLiteral(": ") + q.lastError().text());
}

QVariantList valuesOf(const bench::MonthRows &rows, bool results, std::size_t i)
{
    return results ? results::resultInsertValues(rows.results[i]) : results::snapshotInsertValues(rows.snapshots[i]);
}

[[gnu::noinline]] void insertPrepared(db::Database &db, const bench::MonthRows &rows)
{
    QSqlQuery r = db.prepare(preparedSql(true, named));
    QSqlQuery s = db.prepare(preparedSql(false, named));
    for (std::size_t i = 0; i < rows.results.size(); ++i) {
        const QVariantList rv = valuesOf(rows, true, i);
        for (int c = 0; c < rv.size(); ++c)
            r.bindValue(c, rv.at(c));
        execQt(r, "ZERMAAS");
        const QVariantList sv = valuesOf(rows, false, i);
        for (int c = 0; c < sv.size(); ++c)
            s.bindValue(c, sv.at(c));
        execQt(s, "ZERARSIV");
    }
}

/// As insertPrepared, the values bound by their marker's name instead of their position.
[[gnu::noinline]] void insertPreparedNamed(db::Database &db, const bench::MonthRows &rows)
{
    QSqlQuery r = db.prepare(preparedSql(true, named));
    QSqlQuery s = db.prepare(preparedSql(false, named));
    QStringList rNames, sNames;
    for (const QString &c : columnsOf(true))
        rNames << named(c);
    for (const QString &c : columnsOf(false))
        sNames << named(c);
    for (std::size_t i = 0; i < rows.results.size(); ++i) {
        const QVariantList rv = valuesOf(rows, true, i);
        for (int c = 0; c < rv.size(); ++c)
            r.bindValue(rNames.at(c), rv.at(c));
        execQt(r, "ZERMAAS");
        const QVariantList sv = valuesOf(rows, false, i);
        for (int c = 0; c < sv.size(); ++c)
            s.bindValue(sNames.at(c), sv.at(c));
        execQt(s, "ZERARSIV");
    }
}

[[gnu::noinline]] void insertBlocksQt(db::Database &db, const bench::MonthRows &rows, bool results, int perBlock)
{
    const std::size_t count = rows.results.size();
    std::map<int, QSqlQuery> statements;  // rows per statement -> statement
    for (std::size_t first = 0; first < count; first += std::size_t(perBlock)) {
        const int n = int(std::min<std::size_t>(std::size_t(perBlock), count - first));
        auto it = statements.find(n);
        if (it == statements.end())
            it = statements.emplace(n, db.prepare(blockSql(results, n))).first;
        QSqlQuery &q = it->second;
        int p = 0;
        for (int r = 0; r < n; ++r)
            for (const QVariant &v : valuesOf(rows, results, first + std::size_t(r)))
                q.bindValue(p++, v);
        execQt(q, "EXECUTE BLOCK");
    }
}

/// Returns how many of the closes before each execution the engine refused (`qtClose` only).
/// `byTable`: every result row first, then every snapshot row, instead of the two of a person
/// together.
[[gnu::noinline]] int insertRawPrepared(RawConnection &c, const bench::MonthRows &rows, bool qtClose, bool byTable)
{
    RawStatement r(c, preparedSql(true, positional));
    RawStatement s(c, preparedSql(false, positional));
    auto write = [&](RawStatement &st, bool results, std::size_t i) {
        const QVariantList v = valuesOf(rows, results, i);
        for (int k = 0; k < v.size(); ++k)
            st.bind(k, v.at(k));
        st.execute(qtClose);
    };
    const std::size_t n = rows.results.size();
    if (byTable) {
        for (std::size_t i = 0; i < n; ++i)
            write(r, true, i);
        for (std::size_t i = 0; i < n; ++i)
            write(s, false, i);
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            write(r, true, i);
            write(s, false, i);
        }
    }
    return r.closeErrors() + s.closeErrors();
}

[[gnu::noinline]] void insertRawBlocks(RawConnection &c, const bench::MonthRows &rows, bool results, int perBlock)
{
    const std::size_t count = rows.results.size();
    std::map<int, std::unique_ptr<RawStatement>> statements;
    for (std::size_t first = 0; first < count; first += std::size_t(perBlock)) {
        const int n = int(std::min<std::size_t>(std::size_t(perBlock), count - first));
        auto &st = statements[n];
        if (!st)
            st = std::make_unique<RawStatement>(c, blockSql(results, n));
        int p = 0;
        for (int r = 0; r < n; ++r)
            for (const QVariant &v : valuesOf(rows, results, first + std::size_t(r)))
                st->bind(p++, v);
        st->execute();
    }
}

[[gnu::noinline]] void insertWithWriter(db::Database &db, const bench::MonthRows &rows)
{
    results::ResultWriter writer(db);
    for (std::size_t i = 0; i < rows.results.size(); ++i) {
        writer.insertResult(rows.results[i]);
        writer.insertSnapshot(rows.snapshots[i]);
    }
}

// ---- Page input and output of the engine ----------------------------------------------------

struct PageCounts {
    qint64 reads = 0, writes = 0;
};

/// Pages the engine has read and written since the database was opened in this process.
PageCounts pageCounts(isc_db_handle handle)
{
    static const char items[] = {isc_info_reads, isc_info_writes, isc_info_end};
    char buf[64];
    ISC_STATUS_ARRAY st{};
    isc_database_info(st, &handle, short(sizeof items), items, short(sizeof buf), buf);
    check(st, "database info");
    PageCounts c;
    for (const char *p = buf; *p != isc_info_end && p < buf + sizeof buf;) {
        const char item = *p++;
        const short len = short(isc_vax_integer(p, 2));
        p += 2;
        const qint64 v = isc_vax_integer(p, len);
        p += len;
        (item == isc_info_reads ? c.reads : c.writes) = v;
    }
    return c;
}

isc_db_handle qtHandle(const db::Database &db)
{
    const QVariant h = db.handle().driver()->handle();
    isc_db_handle handle = 0;
    if (h.isValid() && h.metaType().sizeOf() == int(sizeof handle))
        std::memcpy(&handle, h.constData(), sizeof handle);
    return handle;
}

void printPages(const PageCounts &before, const PageCounts &after)
{
    out() << "page_reads " << after.reads - before.reads << '\n';
    out() << "page_writes " << after.writes - before.writes << '\n';
}

int insert(const QString &dir, const QDate &today, const QString &method, int perBlock)
{
    const QStringList methods{QStringLiteral("prepared"),     QStringLiteral("block"),
                              QStringLiteral("raw-prepared"), QStringLiteral("raw-block"),
                              QStringLiteral("writer"),       QStringLiteral("raw-prepared-qtclose"),
                              QStringLiteral("prepared-named"), QStringLiteral("raw-prepared-by-table")};
    if (!methods.contains(method) || perBlock < 1) {
        std::fprintf(stderr, "--method: %s\n", qPrintable(methods.join(QStringLiteral(", "))));
        return 2;
    }
    QElapsedTimer t;
    t.start();
    db::Database db(QStringLiteral("bench-write-floor"));
    db.open(bench::mainParamsOf(dir));
    const bench::MonthRows rows = bench::computeMonthRows(db, today);
    figure("load_compute_ms", bench::msSince(t));
    const qint64 already = db.scalar(QStringLiteral("SELECT COUNT(*) FROM ZERMAAS WHERE YIL=:YIL AND AY=:AY AND TUR='1'"),
                                     {{QStringLiteral("YIL"), rows.month.YIL}, {QStringLiteral("AY"), rows.month.AY}})
                               .toLongLong();
    if (already > 0) {
        std::fprintf(stderr, "Ayın satırları var (%lld): önce \"clear\"\n", already);
        return 1;
    }

    if (method.startsWith(QLatin1String("raw-"))) {
        db.close();  // one attachment at a time, as the program has
        RawConnection c(bench::mainParamsOf(dir).path);
        c.begin();
        const PageCounts before = pageCounts(c.db_);
        t.restart();
        if (method == QLatin1String("raw-block")) {
            insertRawBlocks(c, rows, true, perBlock);
            insertRawBlocks(c, rows, false, perBlock);
        } else {
            const int refused = insertRawPrepared(c, rows, method.endsWith(QLatin1String("qtclose")),
                                                  method == QLatin1String("raw-prepared-by-table"));
            if (refused > 0)
                out() << "close_refused " << refused << '\n';
        }
        figure("insert_ms", bench::msSince(t));
        t.restart();
        c.commit();
        figure("commit_ms", bench::msSince(t));
        printPages(before, pageCounts(c.db_));
    } else {
        const PageCounts before = pageCounts(qtHandle(db));
        t.restart();
        db::Transaction tx(db);
        if (method == QLatin1String("writer"))
            insertWithWriter(db, rows);
        else if (method == QLatin1String("prepared"))
            insertPrepared(db, rows);
        else if (method == QLatin1String("prepared-named"))
            insertPreparedNamed(db, rows);
        else {
            insertBlocksQt(db, rows, true, perBlock);
            insertBlocksQt(db, rows, false, perBlock);
        }
        figure("insert_ms", bench::msSince(t));
        t.restart();
        tx.commit();
        figure("commit_ms", bench::msSince(t));
        printPages(before, pageCounts(qtHandle(db)));
    }
    out() << "rows " << 2 * rows.results.size() << '\n';
    return 0;
}

int clear(const QString &dir, const QDate &today)
{
    db::Database db(QStringLiteral("bench-write-floor"));
    db.open(bench::mainParamsOf(dir));
    const payrollrun::InstallationSettings settings = payrollrun::readInstallationSettings(db);
    const payrollrun::RunPeriod period = payrollrun::RunPeriod::of(settings.CYIL, today);
    const results::PayrollMonth month{period.YIL, period.AY, results::PayrollKind::Monthly};
    db::Transaction tx(db);
    QElapsedTimer t;
    t.start();
    const int deletedResults = results::deleteResults(db, month, std::nullopt);
    figure("delete_results_ms", bench::msSince(t));
    t.restart();
    const int deletedSnapshots = results::deleteSnapshots(db, month, std::nullopt);
    figure("delete_snapshots_ms", bench::msSince(t));
    tx.commit();
    // Reading every record lets the engine collect the deleted versions now, not in the
    // middle of the next timed run.
    db.scalar(QStringLiteral("SELECT COUNT(*) FROM ZERMAAS"));
    db.scalar(QStringLiteral("SELECT COUNT(*) FROM ZERARSIV"));
    out() << "deleted " << deletedResults + deletedSnapshots << '\n';
    return 0;
}

/// The check payroll make runs twice (the last month made, over every unit), in its form
/// reading the whole year and in a form reading only the run month onwards: the milliseconds
/// of each and their answers, which must agree on what the checks need (later / same month).
int probe(const QString &dir, const QDate &today)
{
    db::Database db(QStringLiteral("bench-write-floor"));
    db.open(bench::mainParamsOf(dir));
    const payrollrun::InstallationSettings settings = payrollrun::readInstallationSettings(db);
    const payrollrun::RunPeriod period = payrollrun::RunPeriod::of(settings.CYIL, today);
    const QVariantMap year{{QStringLiteral("YIL"), period.YIL}};
    const QVariantMap fromMonth{{QStringLiteral("YIL"), period.YIL}, {QStringLiteral("AY"), period.AY}};
    QElapsedTimer t;
    t.start();
    const QVariant whole = db.scalar(QStringLiteral("SELECT MAX(AY) FROM ZERMAAS WHERE YIL=:YIL AND TUR='1'"), year);
    figure("last_month_year_ms", bench::msSince(t));
    t.restart();
    const QVariant onwards =
        db.scalar(QStringLiteral("SELECT MAX(AY) FROM ZERMAAS WHERE YIL=:YIL AND TUR='1' AND AY>=:AY"), fromMonth);
    figure("last_month_onwards_ms", bench::msSince(t));
    out() << "last_month_year " << (whole.isNull() ? QStringLiteral("-") : whole.toString()) << '\n';
    out() << "last_month_onwards " << (onwards.isNull() ? QStringLiteral("-") : onwards.toString()) << '\n';
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    args = args.mid(1);
    const QDate today = QDate::fromString(bench::option(args, QStringLiteral("--today"), QStringLiteral("2026-12-10")), Qt::ISODate);
    const QString method = bench::option(args, QStringLiteral("--method"));
    const int perBlock = bench::option(args, QStringLiteral("--rows-per-block"), QStringLiteral("4")).toInt();
    try {
        if (command == QLatin1String("insert") && args.size() == 1 && today.isValid())
            return insert(args.first(), today, method, perBlock);
        if (command == QLatin1String("clear") && args.size() == 1 && today.isValid())
            return clear(args.first(), today);
        if (command == QLatin1String("probe") && args.size() == 1 && today.isValid())
            return probe(args.first(), today);
    } catch (const db::DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text.left(kErrorWidth)));  // not the whole statement
        return 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", std::string(e.what()).substr(0, kErrorWidth).c_str());
        return 1;
    }
    std::fprintf(stderr, "Kullanım: zeran-bench-write-floor insert DIR --method prepared|prepared-named|block|raw-prepared|"
                         "raw-block|writer|raw-prepared-qtclose|raw-prepared-by-table "
                         "[--today YYYY-AA-GG] [--rows-per-block K]\n"
                         "          zeran-bench-write-floor clear DIR [--today YYYY-AA-GG]\n"
                         "          zeran-bench-write-floor probe DIR [--today YYYY-AA-GG]\n");
    return 2;
}
