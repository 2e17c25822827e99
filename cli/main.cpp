// zeran-cli: the batch face of the program, for scripts, tests and the headless demo.

#include "clock.h"
#include "commands.h"
#include "registry.h"
#include "singleinstance.h"

#include <QGuiApplication>
#include <cstdio>

namespace {
const zeran::cli::Registration regInit("init-db", "init-db DIR [--accounting] [--server HOST]   boş PERSONEL.GDB (ve ANALITIK.GDB) oluşturur", &zeran::cli::initDb);
const zeran::cli::Registration regDemo("demo-db", "demo-db DIR [--server HOST]   örnek kurum veritabanı oluşturur", &zeran::cli::demoDb);
const zeran::cli::Registration regCheck("check", "check DIR [--server HOST] [--today YYYY-AA-GG]   açar, sürümü denetler, çalışma bağlamını yazar", &zeran::cli::check);

QString usage()
{
    QString u = QStringLiteral("Kullanım: zeran-cli KOMUT [seçenekler]\n");
    for (const auto &c : zeran::cli::commands())
        u += QStringLiteral("  ") + c.usage + QLatin1Char('\n');
    u += QStringLiteral("Parolalar: ZERAN_DB_PASSWORD / ZERAN_MUH_PASSWORD ya da ZERAN_SECRETS dosyası "
                        "(gömülü kullanımda gerekmez).\n");
    return u;
}
}  // namespace

namespace zeran::cli {
std::vector<Command> &commands()
{
    static std::vector<Command> all;
    return all;
}
}  // namespace zeran::cli

int main(int argc, char **argv)
{
    // Printing to PDF lays out text, which needs a GUI application; the tool never shows a
    // window, so it runs on the offscreen platform unless told otherwise.
    zeran::ensureRuntimeFolder();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    zeran::cli::Io io{out, err};

    QStringList args = app.arguments().mid(1);
    if (const auto bad = zeran::clock::takeTodayOption(args)) {
        err << *bad << "\n";
        return 2;
    }
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        (args.isEmpty() ? err : out) << usage();
        return args.isEmpty() ? 2 : 0;
    }
    // The longest registered name that the arguments start with ("rates show" before "rates").
    const zeran::cli::Command *found = nullptr;
    int words = 0;
    for (const auto &c : zeran::cli::commands()) {
        const QStringList name = c.name.split(QLatin1Char(' '));
        if (name.size() <= args.size() && args.mid(0, name.size()) == name && name.size() > words) {
            found = &c;
            words = name.size();
        }
    }
    int rc = 2;
    if (found)
        rc = found->run(args.mid(words), io);
    else
        err << "Bilinmeyen komut: " << args.join(QLatin1Char(' ')) << "\n" << usage();
    out.flush();
    err.flush();
    return rc;
}
