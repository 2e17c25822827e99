#pragma once
// The login rules, apart from the dialog: four attempts, an exact (case-sensitive) name, the
// typed password checked against the stored hash, hidden users (OZEL "2") never offered. A
// user without a password (a new database's "ZIVO") logs in with an empty one and must choose
// a password before the program opens.

#include "userstore.h"

#include <QString>
#include <QVector>

namespace zeran::ui {

inline constexpr const char *kUnknownUserMessage = " KULLANICI ADI HATALI";
inline constexpr const char *kWrongPasswordMessage = " YANLIŞ ŞİFRE ";

using LoginUser = users::LoginUser;

/// The users who may log in (hidden users left out); throws db::DbError.
QVector<LoginUser> loadLoginUsers(db::Database &db);

/// Who logged in.
struct LoginResult {
    int HNO = 0;
    QString name;         ///< as typed (equal to USERS.USR)
    QString description;  ///< USERS.ACIK
    bool mustSetPassword = false;  ///< no password stored yet: one is chosen before the program opens
};

class LoginAttempts {
public:
    explicit LoginAttempts(QVector<LoginUser> users) : users_(std::move(users)) {}

    struct Outcome {
        enum class Kind { LoggedIn, UnknownName, WrongPassword };
        Kind kind = Kind::UnknownName;
        QString message;          ///< shown before anything else happens; empty on success
        bool nameFound = false;   ///< the description line shows `description`
        QString description;
        LoginResult result;       ///< filled when logged in
        bool exit = false;        ///< the attempts are used up: close with the exit result
    };

    /// "Tamam" with the typed name and password.
    Outcome tamam(const QString &name, const QString &password);
    /// The attempt about to be made (1 to 4).
    int attempt() const { return attempt_; }

private:
    QVector<LoginUser> users_;
    int attempt_ = 1;
};

}  // namespace zeran::ui
