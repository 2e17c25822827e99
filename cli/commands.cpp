#include "commands.h"

#include "audit.h"
#include "calendar.h"
#include "clock.h"
#include "demo.h"
#include "schema.h"
#include "secrets.h"
#include "session.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace zeran::cli {

QString takeOption(QStringList &args, const QString &name)
{
    const int i = args.indexOf(name);
    if (i < 0 || i + 1 >= args.size())
        return QString();
    const QString v = args.at(i + 1);
    args.remove(i, 2);
    return v;
}

bool takeFlag(QStringList &args, const QString &name)
{
    return args.removeAll(name) > 0;
}

bool takeKeyOption(QStringList &args, const QString &name, int &value, Io io, const char *command)
{
    value = 0;
    const int i = args.indexOf(name);
    if (i < 0)
        return true;
    if (i + 1 >= args.size()) {
        io.err << command << ": " << name << " bir değer bekliyor\n";
        return false;
    }
    const QString text = args.at(i + 1);
    args.remove(i, 2);
    // Keys are SMALLINT columns: a larger number would wrap onto another unit or person.
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    const int v = digits.match(text).hasMatch() ? text.toInt() : 0;
    if (v < 1 || v > 32767) {
        io.err << command << ": " << name << " 1 ile 32767 arasında bir sayı olmalı: '" << text << "'\n";
        return false;
    }
    if (args.contains(name)) {
        io.err << command << ": " << name << " bir kez verilmeli\n";
        return false;
    }
    value = v;
    return true;
}

db::ConnectParams Target::mainParams() const
{
    db::ConnectParams p;
    p.server = server;
    p.path = mainDatabasePath(dir);
    p.password = secrets.mainPassword;
    return p;
}

db::ConnectParams Target::accountingParams() const
{
    db::ConnectParams p;
    p.server = server;
    p.path = QDir(dir).filePath(QStringLiteral("ANALITIK.GDB"));
    p.password = secrets.accountingPassword;
    return p;
}

int openMain(Session &s, const Target &t, Io io)
{
    s.secrets = t.secrets;
    s.settings.SRV = t.server;
    s.settings.YOL = t.dir;
    try {
        s.openMain(t.mainParams());
    } catch (const db::DbError &e) {
        io.err << "Veritabanına bağlanılamadı: " << e.text << "\n";
        return 1;
    }
    QString detail;
    switch (s.versionGate(&detail)) {
    case GateResult::Equal:
        break;
    case GateResult::Upgraded:
        io.err << kUpgradedMessage << "\n";
        break;
    case GateResult::UpgradeFailed:
        io.err << kUpgradeFailedMessage << "\n" << detail << "\n";
        return 1;
    case GateResult::ProgramTooOld:
        io.err << kProgramTooOldMessage << "\n";
        return 1;
    case GateResult::Unreadable:
        io.err << "Sürüm okunamadı: " << detail << "\n";
        return 1;
    }
    if (!s.resultKeyDuplicates.isEmpty()) {
        io.err << "Uyarı: bordro satırları mükerrer; tekil anahtar eklenemedi:\n";
        for (const QString &d : s.resultKeyDuplicates)
            io.err << "  " << d << "\n";
    }
    return 0;
}

// DIR and --server; anything left over is an error.
std::optional<Target> takeTarget(QStringList &args, Io io, const char *command)
{
    Target t;
    t.server = takeOption(args, QStringLiteral("--server"));
    t.secrets = Secrets::load();
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--"))) {
        io.err << command << ": klasör (DIR) bekleniyor" << (args.isEmpty() ? QString() : QStringLiteral(", fazlası: ") + args.join(QLatin1Char(' '))) << "\n";
        return std::nullopt;
    }
    t.dir = QDir(args.first()).absolutePath();
    return t;
}

namespace {

// Creating over an existing file would destroy an institution's data: refuse.
bool prepareFolder(const Target &t, const QStringList &files, Io io)
{
    if (t.server.isEmpty()) {
        if (!QDir().mkpath(t.dir)) {
            io.err << "Klasör oluşturulamadı: " << t.dir << "\n";
            return false;
        }
        for (const QString &f : files) {
            const QString path = QDir(t.dir).filePath(f);
            if (QFileInfo::exists(path)) {
                io.err << "Veritabanı zaten var, üzerine yazılmaz: " << path << "\n";
                return false;
            }
        }
    }
    return true;
}

}  // namespace

int initDb(const QStringList &argsIn, Io io)
{
    QStringList args = argsIn;
    const bool accounting = takeFlag(args, QStringLiteral("--accounting"));
    const auto t = takeTarget(args, io, "init-db");
    if (!t)
        return 2;
    QStringList files{QStringLiteral("PERSONEL.GDB")};
    if (accounting)
        files << QStringLiteral("ANALITIK.GDB");
    if (!prepareFolder(*t, files, io))
        return 1;
    try {
        schema::createMainDatabase(t->mainParams());
        io.out << "Oluşturuldu: " << t->mainParams().connectionString() << "\n";
        if (accounting) {
            schema::createAccountingDatabase(t->accountingParams());
            io.out << "Oluşturuldu: " << t->accountingParams().connectionString() << "\n";
        }
    } catch (const db::DbError &e) {
        io.err << "Veritabanı oluşturulamadı: " << e.text << "\n";
        return 1;
    }
    return 0;
}

int demoDb(const QStringList &argsIn, Io io)
{
    QStringList args = argsIn;
    const auto t = takeTarget(args, io, "demo-db");
    if (!t)
        return 2;
    if (!prepareFolder(*t, {QStringLiteral("PERSONEL.GDB"), QStringLiteral("ANALITIK.GDB")}, io))
        return 1;
    try {
        const db::ConnectParams p = t->mainParams();
        schema::createMainDatabase(p);
        {
            db::Database db(QStringLiteral("zeran-demo"));
            db.open(p);
            demo::fillDemoInstitution(db, {});
        }
        schema::createAccountingDatabase(t->accountingParams());
        io.out << "Örnek kurum veritabanı oluşturuldu: " << p.connectionString() << "\n";
    } catch (const db::DbError &e) {
        io.err << "Örnek veritabanı oluşturulamadı: " << e.text << "\n";
        if (t->server.isEmpty()) {
            QFile::remove(mainDatabasePath(t->dir));
            QFile::remove(QDir(t->dir).filePath(QStringLiteral("ANALITIK.GDB")));
        }
        return 1;
    }
    return 0;
}

int check(const QStringList &argsIn, Io io)
{
    QStringList args = argsIn;
    const auto t = takeTarget(args, io, "check");
    if (!t)
        return 2;
    Session s;
    if (const int rc = openMain(s, *t, io))
        return rc;
    try {
        s.activateContext(clock::today());
        s.loginAsDefaultUser();
        s.rightsaktar();
    } catch (const db::DbError &e) {
        io.err << "Tanımlar okunamadı: " << e.text << "\n";
        return 1;
    }
    const WorkingContext &c = s.ctx;
    const auto date = [](const QDate &d) { return d.toString(QStringLiteral("dd.MM.yyyy")); };
    io.out << "Veritabanı: " << t->mainParams().connectionString() << "\n"
           << "Sürüm: " << schema::readVersionText(s.main()) << " (program " << cal::kVersionText << ")\n"
           << "Kurum: " << c.KURUM << "\n"
           << "Çalışma yılı (CYIL): " << c.CYIL << "\n"
           << "Dönem (DON): " << c.DON << "\n"
           << "Ay (AY): " << c.AY << " " << c.AYADI << "\n"
           << "Gün: " << c.GUN << " " << c.GUNADI << "\n"
           << "Tarih: " << c.dateText() << "\n"
           << "Ödeme dönemi: " << date(c.DONBAS) << " - " << date(c.DONBIT) << "\n"
           << "Aktif birim (MBKOD): " << c.MBKOD << "\n"
           << "Ödeme birimi (MODEMEBKOD): " << c.MODEMEBKOD << "\n"
           << "Kullanıcı: " << c.KULNO << " " << c.userName << "\n"
           << "Kullanıcı girişi (UDUR): " << c.UDUR << "  İzleme (IZL): " << c.IZL << "\n"
           << "Muhasebe VT: " << s.accountingParams().connectionString() << "\n";
    // The accounting database is optional for the payroll: a missing one is a warning only.
    if (s.muhibaseac())
        io.out << "Muhasebe kodu (MUHKOD): " << c.MUHKOD << "\n";
    else
        io.out << kAccountingMissingMessage << "\n";
    // Duplicate result rows are a fault of the data the clerk must see: not a clean check.
    return s.resultKeyDuplicates.isEmpty() ? 0 : 1;
}

}  // namespace zeran::cli
