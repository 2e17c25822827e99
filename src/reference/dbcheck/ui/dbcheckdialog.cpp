#include "dbcheckdialog.h"

#include "commandbar.h"
#include "dbcheck.h"
#include "session.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QVBoxLayout>

namespace zeran::dbcheck::ui {

DbCheckDialog::DbCheckDialog(QWidget *parent, Session &session, zeran::ui::Prompter &prompter)
    : QDialog(parent), session_(session), prompter_(prompter)
{
    setWindowTitle(QStringLiteral("DOSYA  KONTROL İŞLEMİ"));
    setObjectName(QStringLiteral("dbCheckDialog"));
    auto *layout = new QVBoxLayout(this);
    log_ = new QPlainTextEdit(this);
    log_->setObjectName(QStringLiteral("logView"));
    log_->setReadOnly(true);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progressBar"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    auto *bar = new zeran::ui::CommandBar(this);
    startButton_ = bar->add(QStringLiteral("BAŞLAT"), QStringLiteral("startButton"));
    bar->addStretch();
    QPushButton *exit = bar->add(QStringLiteral("ÇIKIŞ"), QStringLiteral("exitButton"));
    layout->addWidget(log_, 1);
    layout->addWidget(progress_);
    layout->addWidget(bar);
    connect(startButton_, &QPushButton::clicked, this, &DbCheckDialog::start);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    resize(560, 420);
}

void DbCheckDialog::start()
{
    log_->clear();
    progress_->setValue(0);
    startButton_->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Hooks hooks;
    hooks.progress = [this](int p) {
        progress_->setValue(p);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    hooks.confirm = [this](const Counts &c) {
        QApplication::restoreOverrideCursor();
        const bool yes = prompter_.ask(this, question(c));
        QApplication::setOverrideCursor(Qt::WaitCursor);
        return yes;
    };
    const Outcome out = run(session_.main(), session_.ctx, hooks);
    QApplication::restoreOverrideCursor();
    log_->setPlainText(out.log.join(QLatin1Char('\n')));
    startButton_->setEnabled(true);
    if (out.status == Outcome::Status::Refused || out.status == Outcome::Status::Failed)
        prompter_.inform(this, out.message);
}

void openDbCheck(QWidget *parent, Session &session, zeran::ui::Prompter &prompter)
{
    DbCheckDialog dialog(parent, session, prompter);
    dialog.exec();
}

}  // namespace zeran::dbcheck::ui
