#include "mainwindow.h"

#include "clock.h"
#include "commandgroups.h"
#include "logindialog.h"
#include "useradmin.h"
#include "mainmenu.h"
#include "prompter.h"
#include "session.h"
#include "version.h"
#include "workingyeardialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPixmap>
#include <QScopeGuard>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace zeran::ui {

namespace {
const char *kUnreadableVersionMessage = "DİKKAT! Veritabanı sürüm bilgisi okunamadı.\r";
const char *kSettingsRowMessage = "DİKKAT! Sistem tanımları okunamadı.\r";
constexpr int kClockInterval = 60 * 1000;
constexpr int kLogoWidth = 200;

QLabel *statusLabel(QWidget *parent, const char *name, int minWidth = 0)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setMargin(2);
    if (minWidth > 0)
        l->setMinimumWidth(minWidth);
    return l;
}
}  // namespace

MainWindow::MainWindow(Session &session, QString currentDir, Prompter *prompter, QWidget *parent)
    : QMainWindow(parent), session_(session), currentDir_(std::move(currentDir))
{
    if (!prompter) {
        ownPrompter_ = std::make_unique<BoxPrompter>();
        prompter = ownPrompter_.get();
    }
    prompter_ = prompter;
    setupRunner_ = [this](SetupMode m) { return runSetupDialog(m); };
    loginRunner_ = [this] { return runLoginDialog(); };
    newPasswordRunner_ = [this]() -> std::optional<QString> {
        NewPasswordDialog dialog(*prompter_, this);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.password();
    };

    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Zeran Maaş Modülü"));
    resize(1100, 720);

    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *left = new QFrame(central);
    left->setObjectName(QStringLiteral("menuPanel"));
    left->setFixedWidth(260);
    left->setFrameShape(QFrame::StyledPanel);
    left->setStyleSheet(QStringLiteral("#menuPanel { background: #eef3f8; }"));
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 4);
    auto *scroll = new QScrollArea(left);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The groups sit on the panel's own colour.
    scroll->setStyleSheet(QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }"));
    groups_ = new CommandGroups(scroll);
    groups_->setObjectName(QStringLiteral("commandGroups"));
    scroll->setWidget(groups_);
    leftLayout->addWidget(scroll, 1);
    logo_ = new QLabel(left);
    logo_->setObjectName(QStringLiteral("logoLabel"));
    logo_->setAlignment(Qt::AlignCenter);
    logo_->setVisible(false);
    leftLayout->addWidget(logo_);

    mdi_ = new QMdiArea(central);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    mdi_->setBackground(QColor(0x9f, 0xb3, 0xc8));
    layout->addWidget(left);
    layout->addWidget(mdi_, 1);
    setCentralWidget(central);

    buildMenu();
    buildStatusBar();

    clockTimer_ = new QTimer(this);
    clockTimer_->setInterval(kClockInterval);
    connect(clockTimer_, &QTimer::timeout, this, &MainWindow::tickClock);
    refreshStatus();
}

MainWindow::~MainWindow() = default;

QAction *MainWindow::makeCommand(const QString &caption, const QString &objectName)
{
    auto *a = new QAction(caption, this);
    a->setObjectName(objectName);
    commands_.insert(caption, a);
    return a;
}

void MainWindow::buildMenu()
{
    for (const MenuGroup &g : mainMenu()) {
        const int index = groups_->addGroup(QString::fromUtf8(g.caption), QLatin1String(g.objectName));
        for (const MenuCommand &c : g.commands) {
            QAction *a = makeCommand(QString::fromUtf8(c.caption), QLatin1String(c.objectName));
            if (c.children.empty()) {
                // A command stays disabled until its screen is attached.
                a->setEnabled(isInertCommand(a->objectName()));
                groups_->addCommand(index, a);
                continue;
            }
            QList<QAction *> children;
            for (const MenuCommand &sub : c.children) {
                QAction *s = makeCommand(QString::fromUtf8(sub.caption), QLatin1String(sub.objectName));
                s->setEnabled(false);
                children << s;
            }
            groups_->addExpander(index, a, children);
        }
    }
    connect(groups_, &CommandGroups::groupOpened, this, [this](int index) {
        if (index >= 0 && size_t(index) < mainMenu().size() && mainMenu()[size_t(index)].closesWindow)
            close();
    });

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("popupMenu"));
    QAction *year = makeCommand(QStringLiteral("ÇalışmaYılı"), QStringLiteral("cmdCalismaYili"));
    year->setEnabled(false);  // needs the settings row: usable after activation
    connect(year, &QAction::triggered, this, &MainWindow::openWorkingYear);
    popup_->addAction(year);

    // Hidden: not in the popup, reachable only by its key.
    QAction *system = makeCommand(QStringLiteral("system"), QStringLiteral("cmdSystem"));
    system->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    system->setShortcutContext(Qt::WindowShortcut);
    connect(system, &QAction::triggered, this, &MainWindow::runSystemCommand);
    addAction(system);
}

void MainWindow::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setSizeGripEnabled(true);
    version_ = statusLabel(bar, "statusVersion");
    version_->setText(versionLine());
    year_ = statusLabel(bar, "statusYear", 50);
    user_ = statusLabel(bar, "statusUser", 70);
    userDescription_ = statusLabel(bar, "statusUserDescription", 120);
    kurum_ = statusLabel(bar, "statusKurum", 200);
    date_ = statusLabel(bar, "statusDate", 140);
    clock_ = statusLabel(bar, "statusClock", 45);

    style_ = new QComboBox(bar);
    style_->setObjectName(QStringLiteral("styleChooser"));
    style_->addItems(QStyleFactory::keys());
    style_->setToolTip(QStringLiteral("Görünüm"));
    connect(style_, &QComboBox::textActivated, this, &MainWindow::applyStyle);

    QAction *contact = makeCommand(QStringLiteral("Bize Ulaşın"), QStringLiteral("cmdBizeUlasin"));
    contact->setEnabled(false);
    auto *contactButton = new QToolButton(bar);
    contactButton->setObjectName(QStringLiteral("btn_cmdBizeUlasin"));
    contactButton->setDefaultAction(contact);
    contactButton->setAutoRaise(true);

    bar->addWidget(version_);
    bar->addWidget(year_);
    bar->addWidget(user_);
    bar->addWidget(userDescription_);
    bar->addWidget(kurum_, 1);
    bar->addPermanentWidget(date_);
    bar->addPermanentWidget(clock_);
    bar->addPermanentWidget(style_);
    bar->addPermanentWidget(contactButton);
}

QAction *MainWindow::command(const QString &caption) const
{
    return commands_.value(caption, nullptr);
}

void MainWindow::attachScreen(const QString &caption, std::function<void()> open)
{
    QAction *a = command(caption);
    // A caption that is no command is a wiring fault (a misspelt caption would leave a screen
    // that can never be opened): stop at start-up rather than carry on without it.
    if (!a)
        throw std::invalid_argument("attachScreen: no main-menu command \"" + caption.toStdString() + "\"");
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, [open = std::move(open)] { open(); });
}

QMdiSubWindow *MainWindow::showChild(const QString &key, const std::function<QWidget *()> &make)
{
    QPointer<QMdiSubWindow> sub = children_.value(key);
    if (!sub) {
        QWidget *w = make();
        if (!w)
            return nullptr;
        sub = mdi_->addSubWindow(w);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        children_.insert(key, sub);
        // A child window opens over the whole work area: its grids are wide.
        sub->setGeometry(QRect(QPoint(0, 0), mdi_->viewport()->size()));
    }
    if (sub->isMinimized())
        sub->showNormal();
    else
        sub->show();
    mdi_->setActiveSubWindow(sub);
    return sub;
}

void MainWindow::ibaseac()
{
    session_.ibaseac(currentDir_);
    applyStyle(session_.settings.ASitil);
    refreshStatus();
}

void MainWindow::applyStyle(const QString &name)
{
    QString key;
    for (const QString &k : QStyleFactory::keys())
        if (k.compare(name, Qt::CaseInsensitive) == 0)
            key = k;
    if (!key.isEmpty() && QApplication::style()->name().compare(key, Qt::CaseInsensitive) != 0)
        QApplication::setStyle(key);
    const int index = style_->findText(key.isEmpty() ? QApplication::style()->name() : key, Qt::MatchFixedString);
    if (index >= 0) {
        const QSignalBlocker block(style_);
        style_->setCurrentIndex(index);
    }
}

void MainWindow::refreshStatus()
{
    const WorkingContext &ctx = session_.ctx;
    if (contextRead_)
        year_->setText(ctx.CYIL);
    else
        year_->setText(session_.main().isOpen() ? session_.settings.YIL : QString());
    user_->setText(ctx.userName);
    userDescription_->setText(ctx.userDescription);
    userDescription_->setVisible(!ctx.userDescription.isEmpty());
    kurum_->setText(ctx.KURUM);
    date_->setText(ctx.today.isValid() ? ctx.dateText() : QString());
}

void MainWindow::tickClock()
{
    clock_->setText(QTime::currentTime().toString(QStringLiteral("hh:mm")));
}

void MainWindow::showLogo()
{
    QPixmap pm;
    if (!session_.ctx.LOGO.isEmpty() && pm.loadFromData(session_.ctx.LOGO)) {
        if (pm.width() > kLogoWidth)
            pm = pm.scaledToWidth(kLogoWidth, Qt::SmoothTransformation);
        logo_->setPixmap(pm);
        logo_->setVisible(true);
    } else {
        logo_->clear();
        logo_->setVisible(false);
    }
}

void MainWindow::tanimoku()
{
    session_.tanimoku();
    showContext();
}

void MainWindow::showContext()
{
    contextRead_ = true;
    showLogo();
    const QString &bform = session_.settings.BFORM;
    Qt::WindowStates state = windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen);
    if (bform == QLatin1String("1"))
        setWindowState(state | Qt::WindowMaximized);
    else if (bform == QLatin1String("2"))
        setWindowState(state);
    refreshStatus();
}

void MainWindow::afterGeneralDefinitions()
{
    try {
        tanimoku();
    } catch (const db::DbError &e) {
        prompter_->inform(this, QString::fromUtf8(kSettingsRowMessage) + e.text);
    }
    session_.settings.write({"EMKYOL", "BANYOL", "NVIYOL"});
}

void MainWindow::fail(const QString &message, int code)
{
    prompter_->inform(this, message);
    endProgram(code);
}

void MainWindow::runActivation()
{
    if (stopped_ || activated_ || activating_)
        return;
    activating_ = true;
    const auto done = qScopeGuard([this] { activating_ = false; });

    if (session_.connectionFailed) {
        session_.connectionFailed = false;
        if (!setupRunner_(SetupMode::StartUp)) {
            endProgram(0);
            return;
        }
        refreshStatus();
    }

    groups_->collapseAll();
    session_.completeOutputFolders(currentDir_);

    QString detail;
    switch (session_.versionGate(&detail)) {
    case GateResult::Equal:
        // Not a stop: the clerk must clear them, and the payrolls' own lock still holds.
        if (!session_.resultKeyDuplicates.isEmpty())
            prompter_->inform(this, QStringLiteral("DİKKAT! Bordro satırları mükerrer kaydedilmiş; kontrol ediniz:\r") +
                                        session_.resultKeyDuplicates.mid(0, 10).join(QLatin1Char('\r')));
        break;
    case GateResult::Upgraded:
        fail(QString::fromUtf8(kUpgradedMessage), 0);
        return;
    case GateResult::UpgradeFailed:
        fail(QString::fromUtf8(kUpgradeFailedMessage), 1);
        return;
    case GateResult::ProgramTooOld:
        fail(QString::fromUtf8(kProgramTooOldMessage), 1);
        return;
    case GateResult::Unreadable:
        fail(QString::fromUtf8(kUnreadableVersionMessage) + detail, 1);
        return;
    }

    tickClock();
    clockTimer_->start();
    try {
        // Date, TANIMOKU, pay window and the write flag; then what the window shows of it.
        session_.activateContext(clock::today());
        showContext();
    } catch (const db::DbError &e) {
        fail(QString::fromUtf8(kSettingsRowMessage) + e.text, 1);
        return;
    }

    if (session_.ctx.UDUR == QLatin1String("E")) {
        const std::optional<LoginResult> login = loginRunner_();
        if (!login) {
            endProgram(0);
            return;
        }
        if (login->mustSetPassword) {
            // Nobody works under a user without a password: one is chosen first.
            const std::optional<QString> password = newPasswordRunner_();
            if (!password) {
                endProgram(0);
                return;
            }
            try {
                users::setPassword(session_.main(), login->HNO, *password);
            } catch (const db::DbError &e) {
                fail(e.text, 1);
                return;
            } catch (const std::exception &e) {
                fail(QString::fromUtf8(e.what()), 1);
                return;
            }
        }
        session_.ctx.KULNO = login->HNO;
        session_.ctx.userName = login->name;
        session_.ctx.userDescription = login->description;
    } else {
        try {
            session_.loginAsDefaultUser();
        } catch (const db::DbError &e) {
            fail(e.text, 1);
            return;
        }
    }

    try {
        session_.rightsaktar();
    } catch (const db::DbError &e) {
        fail(e.text, 1);
        return;
    }
    refreshStatus();
    command(QStringLiteral("ÇalışmaYılı"))->setEnabled(true);
    activated_ = true;
}

bool MainWindow::runSetupDialog(SetupMode mode)
{
    SystemSetupDialog dialog(session_, mode, user_->text(), *prompter_, this);
    dialog.exec();
    return dialog.saved();
}

std::optional<LoginResult> MainWindow::runLoginDialog()
{
    QVector<LoginUser> users;
    try {
        users = loadLoginUsers(session_.main());
    } catch (const db::DbError &e) {
        prompter_->inform(this, e.text);
        return std::nullopt;
    }
    LoginDialog dialog(std::move(users), session_.settings.USR, *prompter_, this);
    dialog.exec();
    return dialog.login();
}

void MainWindow::openWorkingYear()
{
    WorkingYearDialog dialog(session_, *prompter_, this);
    if (!dialog.load())
        return;
    if (dialog.exec() == QDialog::Accepted)
        refreshStatus();
}

void MainWindow::runSystemCommand()
{
    if (activating_)
        return;
    if (!setupRunner_(SetupMode::Maintenance))
        return;
    // The dialog has stored the year; start over from the settings as if never activated.
    ibaseac();
    activated_ = false;
    contextRead_ = false;
    runActivation();
}

void MainWindow::endProgram(int code)
{
    stopped_ = true;
    exitCode_ = code;
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (closed_) {
        event->accept();
        return;
    }
    // A child window with unsaved work may refuse to close; then the program stays.
    mdi_->closeAllSubWindows();
    for (QMdiSubWindow *sub : mdi_->subWindowList())
        if (sub->isVisible()) {
            event->ignore();
            return;
        }
    closed_ = true;
    // Before the settings row was read the window state is the designed one, not the
    // user's: saving it would overwrite the stored preference.
    if (contextRead_) {
        if (!isMinimized())
            session_.settings.BFORM = isMaximized() ? QStringLiteral("1") : QStringLiteral("2");
        if (!user_->text().isEmpty())
            session_.settings.USR = user_->text();
        session_.settings.ASitil = style_->currentText();
        session_.shutdown();
    } else {
        session_.accounting().close();
        session_.main().close();
    }
    clockTimer_->stop();
    event->accept();
    emit programEnded(exitCode_);
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
    popup_->popup(event->globalPos());
    event->accept();
}

}  // namespace zeran::ui
