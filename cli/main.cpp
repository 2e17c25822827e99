// zeran-cli: the batch face of the program, for scripts, tests and the headless demo.

#include "clock.h"
#include "commands.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
const char *kUsage =
    "Kullanım: zeran-cli KOMUT [seçenekler]\n"
    "  init-db DIR [--accounting] [--server HOST]   boş PERSONEL.GDB (ve ANALITIK.GDB) oluşturur\n"
    "  demo-db DIR [--server HOST]                  örnek kurum veritabanı oluşturur\n"
    "  check DIR [--server HOST] [--today YYYY-AA-GG]  açar, sürümü denetler, çalışma bağlamını yazar\n"
    "Parolalar: ZERAN_DB_PASSWORD / ZERAN_MUH_PASSWORD ya da ZERAN_SECRETS dosyası (gömülü kullanımda gerekmez).\n";
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    zeran::cli::Io io{out, err};

    QStringList args = app.arguments().mid(1);
    if (const auto bad = zeran::clock::takeTodayOption(args)) {
        err << *bad << "\n";
        return 2;
    }
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        (args.isEmpty() ? err : out) << kUsage;
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.takeFirst();
    int rc = 2;
    if (command == QLatin1String("init-db"))
        rc = zeran::cli::initDb(args, io);
    else if (command == QLatin1String("demo-db"))
        rc = zeran::cli::demoDb(args, io);
    else if (command == QLatin1String("check"))
        rc = zeran::cli::check(args, io);
    else
        err << "Bilinmeyen komut: " << command << "\n" << kUsage;
    out.flush();
    err.flush();
    return rc;
}
