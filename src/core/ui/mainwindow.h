#pragma once
// The main window: a multi-document frame with the command groups on the left, the status
// bar, the popup commands, the activation that runs once after start-up (repeated only by the
// hidden "system" command) and the orderly shutdown.
//
// Later screens attach themselves to their menu command: command("Sicil Bilgileri") gives
// the action (disabled until then) and attachScreen() enables it and ties it to an opener.
// Child windows of the frame go through showChild(), which brings an open one to the front.

#include "login.h"
#include "setupdialog.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;

namespace zeran {
class Session;
}

namespace zeran::ui {

class CommandGroups;
class Prompter;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    /// `currentDir` is the program's current directory (default folders hang below it).
    /// Without a prompter the real message boxes are used.
    MainWindow(Session &session, QString currentDir, Prompter *prompter = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    Session &session() { return session_; }
    Prompter &prompter() { return *prompter_; }

    /// A menu, popup or status-bar command by its exact caption; nullptr when there is none.
    QAction *command(const QString &caption) const;
    /// Enables the command and makes it run `open`.
    void attachScreen(const QString &caption, std::function<void()> open);
    /// Shows the child window registered under `key`, making it with `make` the first time.
    QMdiSubWindow *showChild(const QString &key, const std::function<QWidget *()> &make);

    CommandGroups *commandGroups() const { return groups_; }
    QMdiArea *mdiArea() const { return mdi_; }

    /// IBASEAC: settings read and completed, style applied, main connection opened.
    void ibaseac();
    /// The activation sequence; runs once (again only after the "system" command).
    void runActivation();
    bool activated() const { return activated_; }
    /// Activation decided that the program ends (version gate, cancelled setup or login).
    bool stopped() const { return stopped_; }
    int exitCode() const { return exitCode_; }

    /// TANIMOKU for the window: the settings row into the context, the emblem, BFORM.
    void tanimoku();
    /// After the general-definitions screen: settings row again, status bar, output folders.
    void afterGeneralDefinitions();
    void refreshStatus();
    void applyStyle(const QString &name);

    /// How activation asks for the system setup (true: saved) and the login (empty: exit).
    /// The defaults run the real dialogs; a test puts in its own answers.
    using SetupRunner = std::function<bool(SetupMode)>;
    using LoginRunner = std::function<std::optional<LoginResult>()>;
    void setSetupRunner(SetupRunner r) { setupRunner_ = std::move(r); }
    void setLoginRunner(LoginRunner r) { loginRunner_ = std::move(r); }
    /// Asked after the login of a user without a password: the new one, or nothing (the
    /// program ends).
    using NewPasswordRunner = std::function<std::optional<QString>()>;
    void setNewPasswordRunner(NewPasswordRunner r) { newPasswordRunner_ = std::move(r); }

public slots:
    /// Popup "ÇalışmaYılı".
    void openWorkingYear();
    /// Hidden "system" (Ctrl+V): setup in maintenance mode; a save starts over.
    void runSystemCommand();

signals:
    /// The window closed; the program ends with `exitCode`.
    void programEnded(int exitCode);

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void buildMenu();
    void buildStatusBar();
    QAction *makeCommand(const QString &caption, const QString &objectName);
    void endProgram(int code);
    void fail(const QString &message, int code);
    bool runSetupDialog(SetupMode mode);
    std::optional<LoginResult> runLoginDialog();
    void showLogo();
    /// What the window shows of a freshly read settings row: emblem, window state, status.
    void showContext();
    void tickClock();

    Session &session_;
    QString currentDir_;
    std::unique_ptr<Prompter> ownPrompter_;
    Prompter *prompter_ = nullptr;
    SetupRunner setupRunner_;
    LoginRunner loginRunner_;
    NewPasswordRunner newPasswordRunner_;

    bool activating_ = false;
    bool activated_ = false;
    bool stopped_ = false;
    bool contextRead_ = false;  // the settings row was read: the window state may be saved
    int exitCode_ = 0;
    bool closed_ = false;

    CommandGroups *groups_ = nullptr;
    QMdiArea *mdi_ = nullptr;
    QLabel *logo_ = nullptr;
    QMenu *popup_ = nullptr;
    QHash<QString, QAction *> commands_;
    QHash<QString, QPointer<QMdiSubWindow>> children_;

    QLabel *version_ = nullptr;
    QLabel *year_ = nullptr;
    QLabel *user_ = nullptr;
    QLabel *userDescription_ = nullptr;
    QLabel *kurum_ = nullptr;
    QLabel *date_ = nullptr;
    QLabel *clock_ = nullptr;
    QComboBox *style_ = nullptr;
    QTimer *clockTimer_ = nullptr;
};

}  // namespace zeran::ui
