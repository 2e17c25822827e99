// zeran-bench-engine-rate: the engine alone on an institution.
//
//   zeran-bench-engine-rate DIR [--today YYYY-MM-DD] [--repeat R]
//
// Loads the run of every unit once, then times computeAll R times (default 5) and prints
// the median as people per second. Lines "key value", one figure a line, for bench/run.

#include "benchsupport.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

using namespace zeran;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QDate today = QDate::fromString(bench::option(args, QStringLiteral("--today"), QStringLiteral("2026-12-10")), Qt::ISODate);
    const int repeat = bench::option(args, QStringLiteral("--repeat"), QStringLiteral("5")).toInt();
    if (args.size() != 1 || !today.isValid() || repeat < 1) {
        std::fprintf(stderr, "Kullanım: zeran-bench-engine-rate DIR [--today YYYY-AA-GG] [--repeat R]\n");
        return 2;
    }
    try {
        db::Database db(QStringLiteral("bench-engine-rate"));
        db.open(bench::mainParamsOf(args.first()));
        const payrollrun::InstallationSettings settings = payrollrun::readInstallationSettings(db);
        QElapsedTimer t;
        t.start();
        const payrollrun::LoadedRun loaded =
            payrollrun::loadRun(db, payrollrun::RunPeriod::of(settings.CYIL, today), {}, settings.engine);
        const double loadMs = bench::msSince(t);

        std::vector<double> rounds;
        Money net;
        for (int r = 0; r < repeat; ++r) {
            t.restart();
            const std::vector<engine::PersonPay> pays = payrollrun::computeAll(loaded);
            rounds.push_back(bench::msSince(t));
            net = Money();
            for (const engine::PersonPay &p : pays)
                net += p.MAAS;
        }
        const double ms = bench::median(rounds);
        QTextStream out(stdout);
        out << "people " << loaded.people.size() << "\n";
        out << "load_ms " << QString::number(loadMs, 'f', 1) << "\n";
        out << "compute_ms " << QString::number(ms, 'f', 2) << "\n";
        out << "people_per_s " << QString::number(ms > 0 ? double(loaded.people.size()) / (ms / 1000.0) : 0.0, 'f', 0) << "\n";
        out << "net_total " << net.toPlain(2) << "\n";
    } catch (const db::DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text));
        return 1;
    }
    return 0;
}
