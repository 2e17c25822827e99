#pragma once
// "        KULLANICI GİRİŞİ": the login asked for when the installation has logins on. It ends
// only through "Tamam" (a successful login or the fourth failure) or "Çıkış".

#include "login.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;

namespace zeran::ui {

class Prompter;

inline constexpr const char *kLoginTitle = "        KULLANICI GİRİŞİ";

class LoginDialog : public QDialog {
    Q_OBJECT
public:
    /// `lastUser` (the settings' USR) pre-fills the name.
    LoginDialog(QVector<LoginUser> users, const QString &lastUser, Prompter &prompter, QWidget *parent = nullptr);

    /// The user who logged in; empty when the dialog ended with the exit result.
    const std::optional<LoginResult> &login() const { return login_; }
    int attempt() const { return attempts_.attempt(); }

public slots:
    /// "Tamam".
    void tamam();
    /// "Çıkış".
    void cikis();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void finish(bool loggedIn);

    LoginAttempts attempts_;
    Prompter &prompter_;
    std::optional<LoginResult> login_;
    bool closing_ = false;
    QLineEdit *name_ = nullptr;
    QLineEdit *password_ = nullptr;
    QLabel *description_ = nullptr;
};

}  // namespace zeran::ui
