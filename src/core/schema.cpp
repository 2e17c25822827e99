#include "schema.h"

#include "clock.h"
#include "settingsrow.h"

#include <QFile>
#include <QRegularExpression>

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
                const QVariantMap &afterBinds = {})
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
               {{QStringLiteral("YIL"), QString::number(clock::today().year())}});
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
