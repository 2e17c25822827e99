// bench-payrolldocs: figures for the printed payroll documents, never a pass/fail test.
//
//   bench-payrolldocs DIR [--today YYYY-MM-DD] [--unit BKOD] [--pdf FILE]
//       loads and computes the run of unit BKOD of the database in DIR (made by
//       "bench-engine make-db"), then prints how long building the unit payroll document and
//       rendering it to PDF take, with the page count and the file size.

#include "output.h"
#include "payrolldocs.h"
#include "printloader.h"
#include "render.h"
#include "runloader.h"
#include "settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

using namespace zeran;

namespace {

QString option(QStringList &args, const QString &name, const QString &fallback)
{
    const int i = args.indexOf(name);
    if (i < 0 || i + 1 >= args.size())
        return fallback;
    const QString v = args.at(i + 1);
    args.remove(i, 2);
    return v;
}

double ms(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QDate today =
        QDate::fromString(option(args, QStringLiteral("--today"), QStringLiteral("2026-01-15")), Qt::ISODate);
    const int unit = option(args, QStringLiteral("--unit"), QStringLiteral("10")).toInt();
    QTemporaryDir tmp;
    const QString pdf = option(args, QStringLiteral("--pdf"), tmp.filePath(QStringLiteral("bordro.pdf")));
    if (args.size() != 1 || !today.isValid()) {
        std::fprintf(stderr, "Kullanım: bench-payrolldocs DIR [--today YYYY-AA-GG] [--unit BKOD] [--pdf DOSYA]\n");
        return 2;
    }
    QTextStream out(stdout);
    try {
        db::ConnectParams params;
        params.path = mainDatabasePath(QDir(args.first()).absolutePath());
        db::Database db(QStringLiteral("bench"));
        db.open(params);
        const payrollrun::InstallationSettings settings = payrollrun::readInstallationSettings(db);
        payrollrun::RunSelection selection;
        selection.unit = unit;
        QElapsedTimer t;
        t.start();
        const payrollrun::LoadedRun loaded =
            payrollrun::loadRun(db, payrollrun::RunPeriod::of(settings.CYIL, today), selection, settings.engine);
        const std::vector<engine::PersonPay> pays = payrollrun::computeAll(loaded);
        const payrolldocs::PrintContext context = payrolldocs::loadPrintContext(db, unit);
        const double loadMs = ms(t);

        t.restart();
        const payrolldocs::RunData run{loaded, pays, context, payrolldocs::periodText(today)};
        const report::Document doc = payrolldocs::payrollDocument(run);
        const double buildMs = ms(t);

        t.restart();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        report::setUpPage(printer, doc);
        const int pages = report::paint(doc, printer);
        const double renderMs = ms(t);

        out << QStringLiteral("yükleme ve hesap: %1 kişi, %2 ms\n").arg(loaded.people.size()).arg(loadMs, 0, 'f', 0);
        out << QStringLiteral("belge: %1 ms\n").arg(buildMs, 0, 'f', 0);
        out << QStringLiteral("PDF: %1 sayfa, %2 kB, %3 ms\n")
                   .arg(pages)
                   .arg(QFileInfo(pdf).size() / 1024)
                   .arg(renderMs, 0, 'f', 0);
        out << QStringLiteral("belge ve PDF: %1 s\n").arg((buildMs + renderMs) / 1000.0, 0, 'f', 2);
    } catch (const db::DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text));
        return 1;
    }
    return 0;
}
