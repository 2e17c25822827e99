// zeran-cli print payroll / print payslips: the run's unit payroll document or payslips as
// they would be printed today, computed as "payroll compute" computes them, written as PDF.
// Nothing is written to the database.

#include "clock.h"
#include "commands.h"
#include "output.h"
#include "payrolldocs.h"
#include "printloader.h"
#include "registry.h"
#include "runloader.h"
#include "secrets.h"
#include "session.h"
#include "settings.h"

#include <QDir>
#include <QGuiApplication>

#include <optional>

namespace {

using namespace zeran;

enum class Kind { Payroll, Payslips };

int printCommand(const char *name, Kind kind, const QStringList &argsIn, cli::Io io)
{
    QStringList args = argsIn;
    payrollrun::RunSelection selection;
    if (!cli::takeKeyOption(args, QStringLiteral("--unit"), selection.unit, io, name))
        return 2;
    const QString pdf = cli::takeOption(args, QStringLiteral("--pdf"));
    const auto target = cli::takeTarget(args, io, name);
    if (!target)
        return 2;
    if (pdf.isEmpty()) {
        io.err << name << ": --pdf DOSYA bekleniyor\n";
        return 2;
    }
    // Fonts, and so any printed text, need the graphical application object (offscreen
    // without a display).
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        io.err << name << ": yazdırma için grafik uygulama nesnesi (QGuiApplication) gerekli\n";
        return 1;
    }
    Session session;
    if (const int rc = cli::openMain(session, *target, io))
        return rc;
    db::Database &database = session.main();
    try {
        const payrollrun::InstallationSettings settings = payrollrun::readInstallationSettings(database);
        const QDate today = clock::today();
        const payrollrun::RunPeriod period = payrollrun::RunPeriod::of(settings.CYIL, today);
        const payrollrun::LoadedRun loaded = payrollrun::loadRun(database, period, selection, settings.engine);
        for (const QString &w : loaded.warnings)
            io.err << w << "\n";
        const std::vector<engine::PersonPay> pays = payrollrun::computeAll(loaded);
        const payrolldocs::PrintContext context = payrolldocs::loadPrintContext(database, selection.unit);
        const payrolldocs::RunData run{loaded, pays, context, payrolldocs::periodText(today)};
        const report::Document doc = kind == Kind::Payroll ? payrolldocs::payrollDocument(run) : payrolldocs::payslips(run);
        QString error;
        if (!report::writePdf(doc, pdf, &error)) {
            io.err << "PDF yazılamadı: " << error << "\n";
            return 1;
        }
        io.out << QDir(pdf).absolutePath() << ": " << loaded.people.size() << " kişi\n";
    } catch (const db::DbError &e) {
        io.err << "Bordro hesaplanamadı: " << e.text << "\n";
        return 1;
    } catch (const std::exception &e) {
        io.err << "Bordro hesaplanamadı: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

int printPayroll(const QStringList &args, cli::Io io)
{
    return printCommand("print payroll", Kind::Payroll, args, io);
}

int printPayslips(const QStringList &args, cli::Io io)
{
    return printCommand("print payslips", Kind::Payslips, args, io);
}

const cli::Registration regPayroll("print payroll",
                                   "print payroll DIR --today YYYY-AA-GG [--unit BKOD] [--server HOST] --pdf DOSYA   "
                                   "birim maaş bordrosunu yazmadan PDF olarak verir",
                                   &printPayroll);
const cli::Registration regPayslips("print payslips",
                                    "print payslips DIR --today YYYY-AA-GG [--unit BKOD] [--server HOST] --pdf DOSYA   "
                                    "maaş fişlerini yazmadan PDF olarak verir",
                                    &printPayslips);

}  // namespace
