#include "login.h"

#include "database.h"

namespace zeran::ui {

namespace {
const QString kUsersSql = QStringLiteral("SELECT USR,HNO,PSSWD,ACIK FROM USERS WHERE OZEL<>:OZ");
constexpr int kLastAttempt = 4;
}  // namespace

QVector<LoginUser> loadLoginUsers(db::Database &db)
{
    QVector<LoginUser> users;
    QSqlQuery q = db.exec(kUsersSql, {{QStringLiteral("OZ"), QStringLiteral("2")}});
    while (q.next())
        users.push_back({q.value(0).toString(), q.value(1).toInt(), q.value(2).toString(), q.value(3).toString().trimmed()});
    return users;
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
    if (it->PSSWD != password) {
        out.kind = Outcome::Kind::WrongPassword;
        out.message = QString::fromUtf8(kWrongPasswordMessage);
        ++attempt_;
        out.exit = lastAttempt;
        return out;
    }
    out.kind = Outcome::Kind::LoggedIn;
    out.result = {it->HNO, name, it->ACIK};
    return out;
}

}  // namespace zeran::ui
