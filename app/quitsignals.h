#pragma once
// SIGTERM / SIGINT close the main window the normal way, so the closing writes of the settings
// and the disconnections happen. The embedded database engine installs handlers of its own
// when it is loaded, so install() runs again after every (re)connection.

#include <QObject>

class QSocketNotifier;

class QuitSignals : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(QObject *parent = nullptr);
    void install();

signals:
    void quitRequested();

private:
    QSocketNotifier *notifier_ = nullptr;
};
