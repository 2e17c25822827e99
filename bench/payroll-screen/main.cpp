// Opens the payroll screen on every unit ("Tümü") of the database in DIR, offscreen, and
// prints how long it took until the grid was filled:
//   zeran-bench-payroll-screen DIR [--today YYYY-MM-DD]
// Output: "rows N" and "open_ms T" (from constructing the screen to the filled grid shown).

#include "clock.h"
#include "payrollscreen.h"
#include "prompter.h"
#include "secrets.h"
#include "session.h"
#include "settings.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTableView>

#include <cstdio>

namespace {

/// No clerk is there: messages go to stderr and every question is answered No.
class Silent : public zeran::ui::Prompter {
public:
    void inform(QWidget *, const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool ask(QWidget *, const QString &text) override
    {
        std::fprintf(stderr, "%s → Hayır\n", qPrintable(text));
        return false;
    }
};

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (const auto bad = zeran::clock::takeTodayOption(args)) {
        std::fprintf(stderr, "%s\n", qPrintable(*bad));
        return 2;
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: zeran-bench-payroll-screen DIR [--today YYYY-MM-DD]\n");
        return 2;
    }
    zeran::Session session;
    zeran::db::ConnectParams params;
    params.path = zeran::mainDatabasePath(QDir(args.first()).absolutePath());
    params.password = zeran::Secrets::load().mainPassword;
    try {
        session.openMain(params);
        session.activateContext(zeran::clock::today());
        session.loginAsDefaultUser();
    } catch (const zeran::db::DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text));
        return 1;
    }
    session.ctx.MBKOD = 0;  // no default unit: the screen opens on "Tümü"
    Silent prompter;

    QElapsedTimer timer;
    timer.start();
    zeran::payrollscreen::PayrollScreen screen(session, prompter, nullptr,
                                               zeran::payrollscreen::PayrollScreenMode::Payroll);
    screen.resize(1400, 900);
    screen.show();
    screen.start();
    QCoreApplication::processEvents();
    const qint64 ms = timer.elapsed();
    std::printf("rows %zu\nopen_ms %lld\n", screen.rows().size(), static_cast<long long>(ms));
    return screen.rows().empty() ? 1 : 0;
}
