#include "userstore.h"

#include <QSqlQuery>

namespace zeran::users {

namespace {
// OZEL '2' marks the sibling program's hidden users.
const QString kUsers = QStringLiteral("SELECT USR,HNO,PSSWD,ACIK FROM USERS WHERE OZEL<>:OZ");
}  // namespace

QVector<LoginUser> loginUsers(const db::Database &db)
{
    QVector<LoginUser> users;
    QSqlQuery q = db.exec(kUsers, {{QStringLiteral("OZ"), QStringLiteral("2")}});
    while (q.next())
        users.push_back({q.value(0).toString(), q.value(1).toInt(), q.value(2).toString(), q.value(3).toString().trimmed()});
    return users;
}

}  // namespace zeran::users
