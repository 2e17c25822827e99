#pragma once
// Users and their rights (USERS, RIGHTS) as the login and the working context read them.

#include "database.h"

#include <QString>
#include <QVector>

namespace zeran::users {

/// A user who may log in.
struct LoginUser {
    QString USR;
    int HNO = 0;
    QString PSSWD;
    QString ACIK;
};

/// The users who may log in (hidden users left out); throws db::DbError.
QVector<LoginUser> loginUsers(const db::Database &db);

}  // namespace zeran::users
