// zeran-cli payroll difference|inflation compute|make and print difference|inflation: the
// difference payroll (kind "2") and the inflation-difference payroll (kind "8"). compute
// prints the rows the payroll would write as JSON (the shape of "payroll compute"), make
// writes them through the same code as the screen ("Bordro Yazdır"), only with --yes, and
// print writes its document as PDF without writing rows.

#include "clock.h"
#include "commands.h"
#include "differencedocs.h"
#include "differencemake.h"
#include "output.h"
#include "printloader.h"
#include "registry.h"
#include "session.h"

#include <cstdio>

namespace {

using namespace zeran;
using difference::Kind;

class CliQuestions : public payrollmake::Questions {
public:
    explicit CliQuestions(QTextStream &err) : err_(err) {}
    bool confirm(const QString &text) override
    {
        err_ << text << " → Evet\n";
        return true;
    }
    void inform(const QString &text) override
    {
        err_ << QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')) << "\n";
        err_.flush();
    }

private:
    QTextStream &err_;
};

/// A whole number option that must be given.
bool takeDays(QStringList &args, const QString &name, int &value, cli::Io io, const char *command)
{
    const QString text = cli::takeOption(args, name);
    bool ok = false;
    value = text.toInt(&ok);
    if (!ok) {
        io.err << command << ": " << name << " bir tam sayı olmalıdır\n";
        return false;
    }
    return true;
}

enum class Mode { Compute, Make, Print };

const char *commandName(Kind kind, Mode mode)
{
    const bool inflation = kind == Kind::Inflation;
    switch (mode) {
    case Mode::Compute: return inflation ? "payroll inflation compute" : "payroll difference compute";
    case Mode::Make: return inflation ? "payroll inflation make" : "payroll difference make";
    case Mode::Print: break;
    }
    return inflation ? "print inflation" : "print difference";
}

int run(const QStringList &argsIn, cli::Io io, Kind kind, Mode mode)
{
    const char *command = commandName(kind, mode);
    const bool write = mode == Mode::Make;
    QStringList args = argsIn;
    const QString pdf = mode == Mode::Print ? cli::takeOption(args, QStringLiteral("--pdf")) : QString();
    if (mode == Mode::Print && pdf.isEmpty()) {
        io.err << command << ": --pdf DOSYA bekleniyor\n";
        return 2;
    }
    difference::MakeRequest request;
    request.options.kind = kind;
    if (!cli::takeKeyOption(args, QStringLiteral("--unit"), request.unit, io, command) ||
        !takeDays(args, QStringLiteral("--month-days"), request.options.monthDays, io, command) ||
        !takeDays(args, QStringLiteral("--diff-days"), request.options.diffDays, io, command))
        return 2;
    request.options.retirement = cli::takeFlag(args, QStringLiteral("--retirement"));
    request.options.gss = cli::takeFlag(args, QStringLiteral("--gss"));
    if (kind == Kind::Inflation) {
        const QString rate = cli::takeOption(args, QStringLiteral("--late-rate"));
        bool ok = false;
        request.options.lateRate = rate.toDouble(&ok);
        if (!ok || request.options.lateRate < 0) {
            io.err << command << ": --late-rate bir yüzde olmalıdır (0 dahil)\n";
            return 2;
        }
    }
    const bool yes = write && cli::takeFlag(args, QStringLiteral("--yes"));
    const auto target = cli::takeTarget(args, io, command);
    if (!target)
        return 2;

    Session session;
    if (const int rc = cli::openMain(session, *target, io))
        return rc;
    try {
        session.activateContext(clock::today());
        session.loginAsDefaultUser();
        const payrollrun::InstallationSettings settings = payrollrun::readInstallationSettings(session.main());
        request.workingYear = settings.CYIL;
        request.today = clock::today();
        request.settings = settings.engine;
    } catch (const db::DbError &e) {
        io.err << "Ayarlar okunamadı: " << e.text << "\n";
        return 1;
    }

    if (!write) {  // compute or print: nothing is written
        try {
            const difference::MakeResult prepared = difference::prepare(session.main(), request);
            if (prepared.outcome == difference::Outcome::Refused) {
                io.err << prepared.message << "\n";
                return 1;
            }
            for (const QString &w : prepared.loaded.warnings)
                io.err << w << "\n";
            if (mode == Mode::Print) {
                const payrolldocs::PrintContext context = payrolldocs::loadPrintContext(session.main(), request.unit);
                const QString everyUnit = kind == Kind::Inflation ? QStringLiteral("TÜMÜ") : QStringLiteral("Tümü");
                const difference::DocumentData data{kind, request.unit ? context.unit.BIRIM : everyUnit, request.today,
                                                    prepared.loaded, prepared.pays, context.unit};
                QString error;
                if (!report::writePdf(difference::differenceDocument(data), pdf, &error)) {
                    io.err << "PDF yazılamadı: " << error << "\n";
                    return 1;
                }
                return 0;
            }
            std::vector<results::ResultRow> rows;
            for (std::size_t i = 0; i < prepared.pays.size(); ++i)
                rows.push_back(difference::resultRow(kind, prepared.loaded.run, prepared.loaded.people[i].input.rec,
                                                     prepared.pays[i], request.today));
            const QByteArray json = difference::rowsJson(kind, rows);
            io.out.flush();
            std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
            return 0;
        } catch (const db::DbError &e) {
            io.err << "Bordro hesaplanamadı: " << e.text << "\n";
            return 1;
        } catch (const std::exception &e) {
            io.err << "Bordro hesaplanamadı: " << e.what() << "\n";
            return 1;
        }
    }

    if (!yes) {
        io.err << "Bordro yazılmadı (--yes verilmedi).\n";
        return 3;
    }
    CliQuestions questions(io.err);
    const difference::MakeResult made = difference::make(session.main(), session.ctx, request, questions);
    for (const QString &w : made.loaded.warnings)
        io.err << w << "\n";
    switch (made.outcome) {
    case difference::Outcome::Written:
        io.out << "rows " << made.rows << "\n";
        io.out << "snapshots " << made.rows << "\n";
        return 0;
    case difference::Outcome::Empty:
        io.out << "rows 0\n";
        io.err << "Seçimde bordrosu yapılacak kimse yok; hiçbir şey yazılmadı.\n";
        return 0;
    default:
        return 1;
    }
}

int differenceCompute(const QStringList &a, cli::Io io) { return run(a, io, Kind::Difference, Mode::Compute); }
int differenceMake(const QStringList &a, cli::Io io) { return run(a, io, Kind::Difference, Mode::Make); }
int differencePrint(const QStringList &a, cli::Io io) { return run(a, io, Kind::Difference, Mode::Print); }
int inflationCompute(const QStringList &a, cli::Io io) { return run(a, io, Kind::Inflation, Mode::Compute); }
int inflationMake(const QStringList &a, cli::Io io) { return run(a, io, Kind::Inflation, Mode::Make); }
int inflationPrint(const QStringList &a, cli::Io io) { return run(a, io, Kind::Inflation, Mode::Print); }

const cli::Registration reg1("payroll difference compute",
                             "payroll difference compute DIR --today YYYY-AA-GG [--unit BKOD] --month-days AG "
                             "--diff-days FG [--retirement] [--gss] [--server HOST]   "
                             "fark bordrosu satırlarını (tür 2) yazmadan JSON olarak verir",
                             &differenceCompute);
const cli::Registration reg2("payroll difference make",
                             "payroll difference make DIR --today YYYY-AA-GG [--unit BKOD] --month-days AG "
                             "--diff-days FG [--retirement] [--gss] --yes [--server HOST]   "
                             "fark bordrosunu yazar",
                             &differenceMake);
const cli::Registration reg3("payroll inflation compute",
                             "payroll inflation compute DIR --today YYYY-AA-GG [--unit BKOD] --month-days AG "
                             "--diff-days FG [--retirement] [--gss] --late-rate P [--server HOST]   "
                             "enflasyon farkı satırlarını (tür 8) yazmadan JSON olarak verir",
                             &inflationCompute);
const cli::Registration reg4("payroll inflation make",
                             "payroll inflation make DIR --today YYYY-AA-GG [--unit BKOD] --month-days AG "
                             "--diff-days FG [--retirement] [--gss] --late-rate P --yes [--server HOST]   "
                             "enflasyon farkı bordrosunu yazar",
                             &inflationMake);

const cli::Registration reg5("print difference",
                             "print difference DIR --today YYYY-AA-GG [--unit BKOD] --month-days AG --diff-days FG "
                             "[--retirement] [--gss] [--server HOST] --pdf DOSYA   fark bordrosu belgesi (PDF)",
                             &differencePrint);
const cli::Registration reg6("print inflation",
                             "print inflation DIR --today YYYY-AA-GG [--unit BKOD] --month-days AG --diff-days FG "
                             "[--retirement] [--gss] --late-rate P [--server HOST] --pdf DOSYA   "
                             "enflasyon farkı bordrosu belgesi (PDF)",
                             &inflationPrint);

}  // namespace
