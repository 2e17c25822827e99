#include "schema.h"

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
void createWith(const db::ConnectParams &params, const QString &script)
{
    const QStringList statements = scriptStatements(script);
    db::createDatabase(params);
    try {
        db::Database db(QStringLiteral("zeran-create-%1").arg(script));
        db.open(params);
        runScript(db, statements);
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
    createWith(params, QStringLiteral("personel"));
}

void createAccountingDatabase(const db::ConnectParams &params)
{
    createWith(params, QStringLiteral("analitik"));
}

QString readVersionText(db::Database &db)
{
    return db.scalar(QStringLiteral("SELECT VER FROM PTANIM")).toString().trimmed();
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

}  // namespace zeran::schema
