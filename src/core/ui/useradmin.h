#pragma once
// "KULLANICI VE YETKİ TANIMLARI": the users (hidden ones left out) and the rights of the
// selected user, with "KULLANICI TANIMI" for a new or changed user. Only the super-user opens
// it and only the super-user edits rights; "ZIVO" is never deleted or renamed, nobody deletes
// the user logged in. Passwords are typed twice and stored as hashes.

#include "userstore.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace zeran {
class Session;
}

namespace zeran::ui {

class Prompter;

inline constexpr const char *kUserAdminTitle = "KULLANICI VE YETKİ TANIMLARI";
inline constexpr const char *kUserDialogTitle = "KULLANICI TANIMI";
inline constexpr const char *kNewPasswordTitle = "YENİ ŞİFRE";
inline constexpr const char *kNewPasswordNote = "Bu kullanıcının şifresi yok: programı açmadan önce bir şifre belirleyiniz.";

/// "KULLANICI TANIMI": a new user (hno 0) or a change of `user`. "Kayıt" checks and stores,
/// then closes; "Çıkış" discards.
class UserDialog : public QDialog {
    Q_OBJECT
public:
    UserDialog(db::Database &db, Prompter &prompter, const users::User *user, QWidget *parent = nullptr);
    /// "Kayıt": true when stored (the dialog is accepted).
    bool save();
    /// The user's number (a new user's once stored).
    int hno() const { return hno_; }

private:
    db::Database &db_;
    Prompter &prompter_;
    int hno_ = 0;
    bool hasPassword_ = false;
    QLineEdit *name_;
    QLineEdit *password_;
    QLineEdit *repeat_;
    QLineEdit *description_;
};

/// Asked after the login of a user who has no password yet: the new password twice.
class NewPasswordDialog : public QDialog {
    Q_OBJECT
public:
    NewPasswordDialog(Prompter &prompter, QWidget *parent = nullptr);
    /// "Kayıt": true when the two fields agree and are not empty (the dialog is accepted).
    bool save();
    QString password() const;

private:
    Prompter &prompter_;
    QLineEdit *password_;
    QLineEdit *repeat_;
};

class UserAdminScreen : public QDialog {
    Q_OBJECT
public:
    UserAdminScreen(Session &session, Prompter &prompter, QWidget *parent = nullptr);

    void reloadUsers(int keepHno = 0);
    void showRights();
    /// The user of the current grid row; 0 when none.
    int currentHno() const;
    void newUser();
    void changeUser();
    void deleteUser();

    /// The dialogs are modal; tests replace how they run.
    std::function<bool(UserDialog &)> runUserDialog = [](UserDialog &d) { return d.exec() == QDialog::Accepted; };

private:
    void rightEdited(int row, int column);

    Session &session_;
    Prompter &prompter_;
    QVector<users::User> users_;
    QVector<users::Right> rights_;
    QTableWidget *userGrid_;
    QTableWidget *rightsGrid_;
    bool filling_ = false;
};

/// Main menu "Kullanıcı Tanımları": refused with "İşlem Yetkiniz Yoktur." to all but the
/// super-user.
void openUserAdmin(QWidget *parent, Session &session, Prompter &prompter);

}  // namespace zeran::ui
