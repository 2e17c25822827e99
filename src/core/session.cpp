#include "session.h"

#include "calendar.h"
#include "clock.h"
#include "schema.h"
#include "settingsrow.h"
#include "userstore.h"

#include <QSqlRecord>

namespace zeran {

namespace {
QString firstChar(const QVariant &v)
{
    return v.toString().trimmed().left(1);
}

QString boolFlag(const QVariant &v)
{
    if (v.isNull())
        return QString();
    // Boolean columns read as "T"/"F", as the payroll run expects.
    const QString s = v.toString().trimmed().toLower();
    if (s == QLatin1String("true") || s == QLatin1String("1") || s == QLatin1String("t"))
        return QStringLiteral("T");
    return QStringLiteral("F");
}
}  // namespace

Session::Session()
    : main_(std::make_unique<db::Database>(QStringLiteral("zeran-main"))),
      accounting_(std::make_unique<db::Database>(QStringLiteral("zeran-accounting")))
{
}

Session::~Session() = default;

db::ConnectParams Session::mainParams() const
{
    db::ConnectParams p;
    p.server = settings.SRV;
    p.path = mainDatabasePath(settings.YOL);
    p.password = secrets.mainPassword;
    return p;
}

void Session::ibaseac(const QString &currentDir)
{
    settings = AppSettings::read();
    settings.applyStartDefaults(currentDir, clock::today());
    settings.write(kStartValues);
    secrets = Secrets::load();
    connectionFailed = false;
    connectionError.clear();
    if (settings.VT != QLatin1String("1"))
        return;
    try {
        main_->open(mainParams());
    } catch (const db::DbError &e) {
        connectionFailed = true;
        connectionError = e.text;
    }
}

void Session::openMain(const db::ConnectParams &p)
{
    // Reopening closes the connection first: try the new place on a connection of its own,
    // so a place that cannot be opened leaves the open database as it was.
    if (main_->isOpen()) {
        db::Database probe(QStringLiteral("zeran-main-probe"));
        probe.open(p);
        probe.close();
    }
    main_->open(p);
}

void Session::completeOutputFolders(const QString &currentDir)
{
    const AppSettings stored = AppSettings::read();
    settings.EMKYOL = stored.EMKYOL;
    settings.BANYOL = stored.BANYOL;
    settings.applyOutputDefaults(currentDir);
    settings.write({"EMKYOL", "BANYOL"});
}

GateResult Session::versionGate(QString *detail)
{
    QString text;
    try {
        text = schema::readVersionText(*main_);
    } catch (const db::DbError &e) {
        if (detail)
            *detail = e.text;
        return GateResult::Unreadable;
    }
    const auto number = cal::versionNumber(text);
    if (!number) {
        if (detail)
            *detail = QStringLiteral("PTANIM.VER okunamadı: '%1'").arg(text);
        return GateResult::Unreadable;
    }
    resultKeyDuplicates.clear();
    // The unique keys are a backstop behind the payroll's own lock: a database that cannot
    // take them now (another workstation holds the table) gets them at a later start.
    const auto ensureKeys = [this] {
        try {
            resultKeyDuplicates = schema::ensureResultKeys(*main_);
        } catch (const db::DbError &) {
        }
    };
    switch (cal::compareVersion(*number)) {
    case cal::VersionGate::Equal:
        try {
            schema::applyUpgrades(*main_);
        } catch (const db::DbError &e) {
            if (detail)
                *detail = e.text;
            return GateResult::UpgradeFailed;
        }
        ensureKeys();
        return GateResult::Equal;
    case cal::VersionGate::Higher:
        return GateResult::ProgramTooOld;
    case cal::VersionGate::Lower:
        try {
            schema::upgradeTo25001(*main_);
            schema::applyUpgrades(*main_);
            ensureKeys();
            return GateResult::Upgraded;
        } catch (const db::DbError &e) {
            if (detail)
                *detail = e.text;
            return GateResult::UpgradeFailed;
        }
    }
    return GateResult::Unreadable;
}

void Session::activateContext(const QDate &today)
{
    ctx.setDate(today);
    tanimoku();
    ctx.setPayWindow();
    ctx.K = QStringLiteral("E");
}

void Session::tanimoku()
{
    const QSqlRecord r = settingsrow::read(*main_);
    auto v = [&](const char *c) { return r.value(QLatin1String(c)); };
    ctx.CYIL = v("CYIL").toString().trimmed();
    ctx.KURUM = v("KURUM").toString().trimmed();
    ctx.MAIL = v("MAIL").toString().trimmed();
    ctx.FORM = firstChar(v("FORM"));
    ctx.BORTEK = firstChar(v("BORTEK"));
    ctx.MKESDUR = firstChar(v("MKESDUR"));
    ctx.HBORKESDUR = firstChar(v("HBORKESDUR"));
    ctx.ONIZ = firstChar(v("ONIZ"));
    ctx.OTOODE = firstChar(v("OTOODE"));
    ctx.TUR = firstChar(v("TUR"));
    ctx.IZL = firstChar(v("IZL"));
    ctx.UDUR = firstChar(v("UDUR"));
    ctx.ASUCISTISNA = firstChar(v("ASUCISTISNA"));
    ctx.YEMEKGV = boolFlag(v("YEMEKGV"));
    ctx.YEMEKGSS = boolFlag(v("YEMEKGSS"));
    ctx.MBKOD = v("MBKOD").toInt();
    ctx.MODEMEBKOD = v("MODEMEBKOD").toInt();
    ctx.NVIUSR = v("NVIUSR").toString().trimmed();
    ctx.NVIPSWD = v("NVIPSWD").toString().trimmed();
    ctx.PEKFARK = boolFlag(v("PEKFARK")) == QLatin1String("T");
    ctx.MUHYOL = r.contains(QStringLiteral("MUHYOL")) ? v("MUHYOL").toString().trimmed() : QString();
    if (ctx.MUHYOL.isEmpty())
        ctx.MUHYOL = settings.YOL;
    ctx.LOGO = v("LOGO").toByteArray();
}

void Session::rightsaktar()
{
    ctx.rights.clear();
    QSqlQuery q = main_->exec(QStringLiteral("SELECT KOD,G,K FROM RIGHTS WHERE HNO=:HN ORDER BY KOD"),
                              {{QStringLiteral("HN"), ctx.KULNO}});
    while (q.next())
        ctx.rights.push_back({q.value(0).toInt(), q.value(1).toString().trimmed(), q.value(2).toString().trimmed()});
}

std::pair<QString, QString> Session::hakbul(const QString &code)
{
    ctx.G.clear();
    ctx.K.clear();
    const int n = std::min<int>(ctx.rights.size(), 18);
    for (int i = 0; i < n; ++i) {
        if (QString::number(ctx.rights[i].kod) == code) {
            ctx.G = ctx.rights[i].g;
            ctx.K = ctx.rights[i].k;
            break;
        }
    }
    return {ctx.G, ctx.K};
}

bool Session::mayChange(const QString &section)
{
    hakbul(section);
    // Rights fail closed: a section without a row gives no change right, except to the
    // super-user, who has every right.
    const bool may = ctx.KULNO == users::kSuperUser || ctx.K == QLatin1String("E");
    ctx.K = may ? QStringLiteral("E") : QStringLiteral("H");
    return may;
}

void Session::loginAsDefaultUser()
{
    ctx.KULNO = 1;
    QSqlQuery q = main_->exec(QStringLiteral("SELECT USR,ACIK FROM USERS WHERE HNO=1"));
    if (q.next()) {
        ctx.userName = q.value(0).toString().trimmed();
        ctx.userDescription = q.value(1).toString().trimmed();
    } else {
        ctx.userName = settings.USR;
        ctx.userDescription.clear();
    }
}

db::ConnectParams Session::accountingParams() const
{
    db::ConnectParams p;
    p.server = settings.SRV;
    QString folder = ctx.MUHYOL.isEmpty() ? settings.YOL : ctx.MUHYOL;
    p.path = accountingDatabaseLocation(QString(), folder, settings.YOL);
    p.password = secrets.accountingPassword;
    return p;
}

bool Session::muhibaseac(QString *detail)
{
    try {
        accounting_->open(accountingParams());
        QSqlQuery q = accounting_->exec(QStringLiteral("SELECT K1,K2,K3,K4,FISOH FROM TANIM"));
        if (!q.next())
            throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("TANIM kaydı yok"));
        ctx.MUHKOD = q.value(0).toString().trimmed() + QLatin1Char('.') + q.value(1).toString().trimmed() +
                     QLatin1Char('.') + q.value(2).toString().trimmed();
        return true;
    } catch (const db::DbError &e) {
        if (detail)
            *detail = e.text;
        ctx.MUHKOD.clear();
        return false;
    }
}

void Session::shutdown()
{
    settings.write({"BFORM", "NVIYOL", "USR", "ASitil"});
    accounting_->close();
    main_->close();
}

}  // namespace zeran
