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
    const QString server = cli::takeOption(args, QStringLiteral("--server"));
    const QString unitText = cli::takeOption(args, QStringLiteral("--unit"));
    const QString pdf = cli::takeOption(args, QStringLiteral("--pdf"));
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--"))) {
        io.err << name << ": klasör (DIR) bekleniyor"
               << (args.isEmpty() ? QString() : QStringLiteral(", fazlası: ") + args.join(QLatin1Char(' '))) << "\n";
        return 2;
    }
    if (pdf.isEmpty()) {
        io.err << name << ": --pdf DOSYA bekleniyor\n";
        return 2;
    }
    payrollrun::RunSelection selection;
    if (!unitText.isEmpty()) {
        bool ok = false;
        selection.unit = unitText.toInt(&ok);
        if (!ok || selection.unit <= 0) {
            io.err << name << ": --unit pozitif bir sayı olmalı: " << unitText << "\n";
            return 2;
        }
    }
    // Fonts, and so any printed text, need the graphical application object (offscreen
    // without a display).
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        io.err << name << ": yazdırma için grafik uygulama nesnesi (QGuiApplication) gerekli\n";
        return 1;
    }

    db::ConnectParams params;
    params.server = server;
    params.path = mainDatabasePath(QDir(args.first()).absolutePath());
    params.password = Secrets::load().mainPassword;
    db::Database database(QStringLiteral("zeran-print"));
    try {
        database.open(params);
    } catch (const db::DbError &e) {
        io.err << "Veritabanına bağlanılamadı: " << e.text << "\n";
        return 1;
    }
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
