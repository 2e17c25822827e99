#include "logindialog.h"

#include "commandbar.h"
#include "prompter.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeran::ui {

LoginDialog::LoginDialog(QVector<LoginUser> users, const QString &lastUser, Prompter &prompter, QWidget *parent)
    : QDialog(parent), attempts_(std::move(users)), prompter_(prompter)
{
    setObjectName(QStringLiteral("loginDialog"));
    setWindowTitle(QString::fromUtf8(kLoginTitle));
    setModal(true);

    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("nameEdit"));
    name_->setMaxLength(10);
    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("passwordEdit"));
    password_->setEchoMode(QLineEdit::Password);
    description_ = new QLabel(this);
    description_->setObjectName(QStringLiteral("descriptionLabel"));
    description_->setMinimumWidth(220);
    description_->setFrameShape(QFrame::StyledPanel);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Adı"), name_);
    form->addRow(QStringLiteral("Şifresi"), password_);
    form->addRow(description_);

    // Enter belongs to the fields (name → password → Tamam), never to a default button.
    auto *ok = ui::commandButton(QStringLiteral("Tamam"), QStringLiteral("okButton"), this);
    auto *exit = ui::commandButton(QStringLiteral("Çıkış"), QStringLiteral("exitButton"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(exit);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(name_, &QLineEdit::returnPressed, password_, [this] { password_->setFocus(); });
    connect(password_, &QLineEdit::returnPressed, this, &LoginDialog::tamam);
    connect(ok, &QPushButton::clicked, this, &LoginDialog::tamam);
    connect(exit, &QPushButton::clicked, this, &LoginDialog::cikis);

    if (!lastUser.isEmpty()) {
        name_->setText(lastUser);
        password_->setFocus();
    } else {
        name_->setFocus();
    }
}

void LoginDialog::tamam()
{
    const LoginAttempts::Outcome out = attempts_.tamam(name_->text(), password_->text());
    if (out.nameFound)
        description_->setText(out.description);
    if (out.kind == LoginAttempts::Outcome::Kind::LoggedIn) {
        login_ = out.result;
        finish(true);
        return;
    }
    prompter_.inform(this, out.message);
    if (out.exit) {
        finish(false);
        return;
    }
    QLineEdit *field = out.kind == LoginAttempts::Outcome::Kind::UnknownName ? name_ : password_;
    field->setFocus();
    field->selectAll();
}

void LoginDialog::cikis()
{
    login_.reset();
    finish(false);
}

void LoginDialog::finish(bool loggedIn)
{
    closing_ = true;
    done(loggedIn ? QDialog::Accepted : QDialog::Rejected);
    closing_ = false;
}

void LoginDialog::closeEvent(QCloseEvent *event)
{
    if (closing_)
        event->accept();
    else
        event->ignore();
}

void LoginDialog::reject()
{
    if (closing_)
        QDialog::reject();
}

}  // namespace zeran::ui
