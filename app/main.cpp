// The desktop program: splash, one instance per user, settings and main connection, then
// the main window, whose activation does the rest of the start-up.

#include "clock.h"
#include "mainwindow.h"
#include "prompter.h"
#include "quitsignals.h"
#include "screens.h"
#include "session.h"
#include "singleinstance.h"
#include "splash.h"
#include "translations.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    zeran::ensureRuntimeFolder();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZERAN"));
    QApplication::setOrganizationName(QStringLiteral("ZIVO"));
    QApplication::setStyle(QStringLiteral("Windows"));
    zeran::ui::installTurkishTranslations(app);

    QStringList args = QApplication::arguments();
    if (const auto error = zeran::clock::takeTodayOption(args)) {
        std::fprintf(stderr, "%s\n", qPrintable(*error));
        return 2;
    }

    zeran::ui::SplashWindow splash;
    splash.centre();
    splash.show();
    QApplication::processEvents();

    zeran::SingleInstance instance(QStringLiteral("YZERAN.EXE"));
    if (!instance.acquire()) {
        splash.close();
        QMessageBox::warning(nullptr, QStringLiteral("ZERAN"),
                             zeran::ui::displayText(QString::fromUtf8(zeran::kAlreadyRunningMessage)));
        return 1;
    }

    zeran::Session session;
    zeran::ui::MainWindow window(session, QDir::currentPath());
    attachScreens(window, session);
    window.ibaseac();

    // The window decides when the program ends (its close, or a stop during activation).
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&window, &zeran::ui::MainWindow::programEnded, &app,
                     [](int code) { QCoreApplication::exit(code); }, Qt::QueuedConnection);

    QuitSignals quit;
    QObject::connect(&quit, &QuitSignals::quitRequested, &window, &QWidget::close);
    quit.install();

    splash.close();
    window.show();
    QTimer::singleShot(0, &window, [&] {
        window.runActivation();
        quit.install();  // activation may have (re)connected through the setup dialog
    });
    return QApplication::exec();
}
