#include "login.h"

#include "database.h"
#include "passwords.h"

namespace zeran::ui {

namespace {
constexpr int kLastAttempt = 4;
}  // namespace

QVector<LoginUser> loadLoginUsers(db::Database &db)
{
    return users::loginUsers(db);
}

LoginAttempts::Outcome LoginAttempts::tamam(const QString &name, const QString &password)
{
    Outcome out;
    // The last attempt closes the dialog unless it succeeds.
    const bool lastAttempt = attempt_ >= kLastAttempt;
    const auto it = std::find_if(users_.cbegin(), users_.cend(), [&](const LoginUser &u) { return u.USR == name; });
    if (it == users_.cend()) {
        out.kind = Outcome::Kind::UnknownName;
        out.message = QString::fromUtf8(kUnknownUserMessage);
        ++attempt_;
        out.exit = lastAttempt;
        return out;
    }
    out.nameFound = true;
    out.description = it->ACIK;
    const bool noPassword = it->PWHASH.isEmpty();
    const bool right = noPassword ? password.isEmpty() : passwords::verify(it->PWHASH, password);
    if (!right) {
        out.kind = Outcome::Kind::WrongPassword;
        out.message = QString::fromUtf8(kWrongPasswordMessage);
        ++attempt_;
        out.exit = lastAttempt;
        return out;
    }
    out.kind = Outcome::Kind::LoggedIn;
    out.result = {it->HNO, name, it->ACIK, noPassword};
    return out;
}

}  // namespace zeran::ui
