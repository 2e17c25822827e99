#include "schema.h"

#include "clock.h"
#include "passwords.h"
#include "settingsrow.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>

#include <functional>
#include <vector>

static void initSchemaResources()
{
    Q_INIT_RESOURCE(schema);
}

namespace zeran::schema {

QStringList splitScript(const QString &text)
{
    QStringList out;
    QString current;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line.remove(QLatin1Char('\r'));
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1String("--")))
            continue;
        current += line + QLatin1Char('\n');
        if (trimmed.endsWith(QLatin1Char(';'))) {
            current = current.trimmed();
            current.chop(1);
            out << current;
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        out << current.trimmed();
    return out;
}

QStringList scriptStatements(const QString &name)
{
    initSchemaResources();
    QFile f(QStringLiteral(":/schema/%1.sql").arg(name));
    if (!f.open(QIODevice::ReadOnly))
        throw db::DbError(db::DbError::Kind::Create, QStringLiteral("Şema betiği bulunamadı: %1").arg(name));
    return splitScript(QString::fromUtf8(f.readAll()));
}

namespace {
bool isDataStatement(const QString &s)
{
    static const QRegularExpression re(QStringLiteral("^(INSERT|UPDATE|DELETE)\\b"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re.match(s).hasMatch();
}
}  // namespace

void runScript(db::Database &db, const QStringList &statements)
{
    QStringList ddl, dml;
    for (const QString &s : statements)
        (isDataStatement(s) ? dml : ddl) << s;
    for (const QStringList *part : {&ddl, &dml}) {
        if (part->isEmpty())
            continue;
        db::Transaction t(db);
        for (const QString &s : *part)
            db.exec(s);
        t.commit();
    }
}

namespace {
void createWith(const db::ConnectParams &params, const QString &script, const QStringList &after = {},
                const QVariantMap &afterBinds = {}, const std::function<void(db::Database &)> &finish = {})
{
    const QStringList statements = scriptStatements(script);
    db::createDatabase(params);
    try {
        db::Database db(QStringLiteral("zeran-create-%1").arg(script));
        db.open(params);
        runScript(db, statements);
        if (!after.isEmpty()) {
            db::Transaction t(db);
            for (const QString &s : after)
                db.exec(s, afterBinds);
            t.commit();
        }
        if (finish)
            finish(db);
        db.close();
    } catch (...) {
        // A half-made database is no database: leave nothing behind when the file is ours.
        if (params.server.isEmpty())
            QFile::remove(params.path);
        throw;
    }
}
}  // namespace

void createMainDatabase(const db::ConnectParams &params)
{
    // A new institution starts in the year it is set up.
    createWith(params, QStringLiteral("personel"), {QStringLiteral("UPDATE PTANIM SET CYIL=:YIL")},
               {{QStringLiteral("YIL"), QString::number(clock::today().year())}},
               [](db::Database &db) { applyUpgrades(db); });
}

void createAccountingDatabase(const db::ConnectParams &params)
{
    createWith(params, QStringLiteral("analitik"));
}

QString readVersionText(db::Database &db)
{
    return settingsrow::versionText(db);
}

QStringList upgrade25001Statements()
{
    return {
        QStringLiteral("ALTER TABLE ZERNAKTAN ADD KKOD VARCHAR(11), ADD FKOD VARCHAR(11), ADD FTIP VARCHAR(1), "
                       "ADD EKOD VARCHAR(9), ADD CKOD INTEGER"),
        QStringLiteral("ALTER TABLE ISCNAKTAN ADD KKOD VARCHAR(11), ADD FKOD VARCHAR(11), ADD FTIP VARCHAR(1), "
                       "ADD EKOD VARCHAR(9), ADD CKOD INTEGER"),
        QStringLiteral("ALTER TABLE ZERQRNAK ADD KKOD VARCHAR(11), ADD FKOD VARCHAR(11), ADD FTIP VARCHAR(1), "
                       "ADD EKOD VARCHAR(9)"),
        QStringLiteral("ALTER TABLE ISCQRNAK ADD KKOD VARCHAR(11), ADD FKOD VARCHAR(11), ADD FTIP VARCHAR(1), "
                       "ADD EKOD VARCHAR(9)"),
        QStringLiteral("ALTER TABLE PTANIM ADD MUHYOL VARCHAR(60), ADD NUFUS INTEGER"),
        QStringLiteral("DELETE FROM ISCNAKTAN WHERE YIL<2024"),
        QStringLiteral("DELETE FROM ZERNAKTAN WHERE YIL<2024"),
        QStringLiteral("UPDATE PTANIM SET VER='25.001'"),
    };
}

void upgradeTo25001(db::Database &db)
{
    const QStringList statements = upgrade25001Statements();
    db::Transaction t(db);
    for (const QString &s : statements)
        db.exec(s);
    t.commit();
}

namespace {

bool relationExists(db::Database &db, const QString &table)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME=:T"),
                     {{QStringLiteral("T"), table}})
               .toInt() > 0;
}

bool columnExists(db::Database &db, const QString &table, const QString &column)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM RDB$RELATION_FIELDS "
                                    "WHERE RDB$RELATION_NAME=:T AND RDB$FIELD_NAME=:C"),
                     {{QStringLiteral("T"), table}, {QStringLiteral("C"), column}})
               .toInt() > 0;
}

/// One numbered upgrade: its definitions (each run only when `needed` says so, so a
/// half-finished earlier try is taken up again) and its data changes.
struct Upgrade {
    int number;
    std::function<void(db::Database &)> definitions;
    std::function<void(db::Database &)> data;
};

/// 1: login passwords kept as Argon2id hashes in USERS.PWHASH; clear-text passwords are
/// hashed and blanked (an empty one stays "no password": that user sets one at the next login).
void passwordHashColumn(db::Database &db)
{
    if (!columnExists(db, QStringLiteral("USERS"), QStringLiteral("PWHASH")))
        db.exec(QStringLiteral("ALTER TABLE USERS ADD PWHASH VARCHAR(128)"));
}

void hashClearPasswords(db::Database &db)
{
    QList<std::pair<int, QString>> clear;
    QSqlQuery q = db.exec(QStringLiteral("SELECT HNO,PSSWD FROM USERS WHERE PWHASH IS NULL AND PSSWD<>''"));
    while (q.next())
        clear.push_back({q.value(0).toInt(), q.value(1).toString()});
    for (const auto &[hno, password] : clear) {
        db.exec(QStringLiteral("UPDATE USERS SET PWHASH=:H, PSSWD='' WHERE HNO=:N"),
                {{QStringLiteral("H"), passwords::hash(password)}, {QStringLiteral("N"), hno}});
    }
}

/// 2: the posting's work table ZERQRNAK keeps amounts in DOUBLE PRECISION (a unit's totals run
/// into millions), whole account-code parts ("630") and its line order (SIRA).
void workTableLayout(db::Database &db)
{
    if (columnExists(db, QStringLiteral("ZERQRNAK"), QStringLiteral("SIRA")))
        return;
    db.exec(QStringLiteral(
        "ALTER TABLE ZERQRNAK ADD SIRA INTEGER, ALTER K1 TYPE VARCHAR(15), ALTER K2 TYPE VARCHAR(15), "
        "ALTER K3 TYPE VARCHAR(15), ALTER K4 TYPE VARCHAR(15), ALTER K5 TYPE VARCHAR(15), ALTER F1 TYPE VARCHAR(15), "
        "ALTER F2 TYPE VARCHAR(15), ALTER F3 TYPE VARCHAR(15), ALTER F4 TYPE VARCHAR(15), ALTER E1 TYPE VARCHAR(15), "
        "ALTER E2 TYPE VARCHAR(15), ALTER E3 TYPE VARCHAR(15), ALTER E4 TYPE VARCHAR(15), "
        "ALTER BORC TYPE DOUBLE PRECISION, ALTER ALACAK TYPE DOUBLE PRECISION, ALTER BKAYNO TYPE DOUBLE PRECISION, "
        "ALTER ACIK TYPE VARCHAR(60), ALTER CKOD TYPE INTEGER"));
    db.exec(QStringLiteral("DROP INDEX IX_ZERQRNAK_USRNO"));
    db.exec(QStringLiteral("CREATE INDEX IX_ZERQRNAK_USRNO ON ZERQRNAK (USRNO, SIRA)"));
}

const std::vector<Upgrade> &upgrades()
{
    static const std::vector<Upgrade> all = {
        {1, passwordHashColumn, hashClearPasswords},
        {2, workTableLayout, [](db::Database &) {}},
    };
    return all;
}

}  // namespace

int latestUpgrade()
{
    return upgrades().back().number;
}

QList<int> appliedUpgrades(db::Database &db)
{
    QList<int> done;
    if (!relationExists(db, QStringLiteral("ZERSURUM")))
        return done;
    QSqlQuery q = db.exec(QStringLiteral("SELECT NUMARA FROM ZERSURUM ORDER BY NUMARA"));
    while (q.next())
        done << q.value(0).toInt();
    return done;
}

void applyUpgrades(db::Database &db)
{
    QList<int> done = appliedUpgrades(db);
    if (!done.isEmpty() && done.last() >= latestUpgrade())
        return;
    if (!relationExists(db, QStringLiteral("ZERSURUM"))) {
        db::Transaction t(db);
        db.exec(QStringLiteral("CREATE TABLE ZERSURUM (NUMARA INTEGER NOT NULL, TARIH TIMESTAMP, "
                               "CONSTRAINT PK_ZERSURUM PRIMARY KEY (NUMARA))"));
        t.commit();
    }
    for (const Upgrade &u : upgrades()) {
        if (done.contains(u.number))
            continue;
        {
            db::Transaction t(db);
            u.definitions(db);
            t.commit();
        }
        try {
            db::Transaction t(db);
            u.data(db);
            db.exec(QStringLiteral("INSERT INTO ZERSURUM (NUMARA, TARIH) VALUES (:N, CURRENT_TIMESTAMP)"),
                    {{QStringLiteral("N"), u.number}});
            t.commit();
        } catch (const db::DbError &) {
            // A second workstation that upgraded at the same moment makes the insert fail on
            // the key: its upgrade stands and this try's data changes are rolled back.
            if (!appliedUpgrades(db).contains(u.number))
                throw;
        }
        done << u.number;
    }
}

QStringList ensureResultKeys(db::Database &db)
{
    struct Key {
        const char *table;
        const char *index;
    };
    static const Key keys[] = {{"ZERMAAS", "UX_ZERMAAS_ANAHTAR"}, {"ZERARSIV", "UX_ZERARSIV_ANAHTAR"}};
    const QString columns = QStringLiteral("PKAYNO, BKOD, PKOD, TUR, YIL, AY");
    QStringList duplicates;
    for (const Key &k : keys) {
        const QString table = QString::fromLatin1(k.table);
        const QString index = QString::fromLatin1(k.index);
        if (db.scalar(QStringLiteral("SELECT COUNT(*) FROM RDB$INDICES WHERE RDB$INDEX_NAME=:N"),
                      {{QStringLiteral("N"), index}})
                .toInt() > 0)
            continue;
        QSqlQuery q = db.exec(QStringLiteral("SELECT FIRST 50 %1, COUNT(*) FROM %2 GROUP BY %1 HAVING COUNT(*)>1 "
                                             "ORDER BY YIL, AY, TUR, BKOD, PKAYNO, PKOD")
                                  .arg(columns, table));
        int found = 0;
        while (q.next()) {
            ++found;
            duplicates << QStringLiteral("%1: PKAYNO %2 BKOD %3 PKOD %4 TUR %5 YIL %6 AY %7 (%8 satır)")
                              .arg(table)
                              .arg(q.value(0).toInt())
                              .arg(q.value(1).toInt())
                              .arg(q.value(2).toInt())
                              .arg(q.value(3).toString().trimmed(), q.value(4).toString().trimmed())
                              .arg(q.value(5).toInt())
                              .arg(q.value(6).toInt());
        }
        if (found > 0)
            continue;
        db::Transaction t(db);
        db.exec(QStringLiteral("CREATE UNIQUE INDEX %1 ON %2 (%3)").arg(index, table, columns));
        t.commit();
    }
    return duplicates;
}

}  // namespace zeran::schema
