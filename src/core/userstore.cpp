#include "userstore.h"

#include "passwords.h"

#include <QSqlQuery>

#include <algorithm>
#include <set>

namespace zeran::users {

namespace {
// OZEL '2' marks the sibling program's hidden users; a user without OZEL is not hidden.
const QString kNotHidden = QStringLiteral("(OZEL IS NULL OR OZEL<>'2')");
constexpr int kNameLength = 10;
constexpr int kDescriptionLength = 30;
}  // namespace

QVector<LoginUser> loginUsers(const db::Database &db)
{
    QVector<LoginUser> users;
    QSqlQuery q = db.exec(QStringLiteral("SELECT USR,HNO,PWHASH,ACIK FROM USERS WHERE ") + kNotHidden);
    while (q.next())
        users.push_back({q.value(0).toString(), q.value(1).toInt(), q.value(2).toString(), q.value(3).toString().trimmed()});
    return users;
}

namespace {
QVector<User> readUsers(const db::Database &db, bool hiddenToo)
{
    QVector<User> users;
    QSqlQuery q = db.exec(QStringLiteral("SELECT HNO,USR,ACIK,PWHASH FROM USERS ") +
                          (hiddenToo ? QString() : QStringLiteral("WHERE ") + kNotHidden) +
                          QStringLiteral(" ORDER BY HNO"));
    while (q.next())
        users.push_back({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString().trimmed(),
                         !q.value(3).toString().isEmpty()});
    return users;
}
}  // namespace

QVector<User> listUsers(const db::Database &db)
{
    return readUsers(db, false);
}

QVector<User> allUsers(const db::Database &db)
{
    return readUsers(db, true);
}

QVector<Right> rightsOf(const db::Database &db, int hno)
{
    QVector<Right> rights;
    QSqlQuery q = db.exec(QStringLiteral("SELECT KOD,G,K FROM RIGHTS WHERE HNO=:HN ORDER BY KOD"),
                          {{QStringLiteral("HN"), hno}});
    while (q.next())
        rights.push_back({q.value(0).toInt(), q.value(1).toString().trimmed(), q.value(2).toString().trimmed()});
    return rights;
}

std::optional<Refusal> checkEdit(const UserEdit &edit, const QVector<User> &existing, bool hasPasswordNow)
{
    const QString name = edit.USR.trimmed();
    if (name.isEmpty() || name.size() > kNameLength)
        return Refusal{QString::fromUtf8(kBadNameMessage), Field::Name};
    if (edit.password != edit.repeat)
        return Refusal{QString::fromUtf8(kCheckPasswordMessage), Field::Password};
    // An empty password is never stored: a new user needs one, a change keeps the old one.
    if (edit.password.isEmpty() && (edit.HNO == 0 || !hasPasswordNow))
        return Refusal{QString::fromUtf8(kCheckPasswordMessage), Field::Password};
    const bool taken = std::any_of(existing.begin(), existing.end(), [&](const User &u) {
        return u.USR == name && (edit.HNO == 0 || u.HNO != edit.HNO);
    });
    if (taken)
        return Refusal{QString::fromUtf8(kNameTakenMessage), Field::Name};
    return std::nullopt;
}

int createUser(db::Database &db, const UserEdit &edit)
{
    db::Transaction t(db);
    const int hno = db::smallintKey(db.scalar(QStringLiteral("SELECT MAX(HNO) FROM USERS")).toLongLong() + 1,
                                    QStringLiteral("USERS.HNO"));
    db.exec(QStringLiteral("INSERT INTO USERS (USR,HNO,PSSWD,PWHASH,ACIK,OZEL) VALUES (:US,:HN,'',:PH,:AC,'3')"),
            {{QStringLiteral("US"), edit.USR.trimmed()},
             {QStringLiteral("HN"), hno},
             {QStringLiteral("PH"), passwords::hash(edit.password)},
             {QStringLiteral("AC"), edit.ACIK.trimmed().left(kDescriptionLength)}});
    // Every section anybody has a row for, and the one the program consults: entry yes,
    // change no, until the super-user gives more.
    std::set<int> sections = {QString::fromLatin1(kPayrollSection).toInt()};
    QSqlQuery q = db.exec(QStringLiteral("SELECT DISTINCT KOD FROM RIGHTS"));
    while (q.next())
        sections.insert(q.value(0).toInt());
    for (int kod : sections) {
        db.exec(QStringLiteral("INSERT INTO RIGHTS (HNO,KOD,G,K) VALUES (:HN,:KD,'E','H')"),
                {{QStringLiteral("HN"), hno}, {QStringLiteral("KD"), kod}});
    }
    t.commit();
    return hno;
}

void updateUser(db::Database &db, const UserEdit &edit)
{
    db::Transaction t(db);
    if (edit.HNO == kSuperUser) {
        db.exec(QStringLiteral("UPDATE USERS SET ACIK=:AC WHERE HNO=:HN"),
                {{QStringLiteral("AC"), edit.ACIK.trimmed().left(kDescriptionLength)}, {QStringLiteral("HN"), edit.HNO}});
    } else {
        db.exec(QStringLiteral("UPDATE USERS SET USR=:US, ACIK=:AC WHERE HNO=:HN"),
                {{QStringLiteral("US"), edit.USR.trimmed()},
                 {QStringLiteral("AC"), edit.ACIK.trimmed().left(kDescriptionLength)},
                 {QStringLiteral("HN"), edit.HNO}});
    }
    if (!edit.password.isEmpty())
        setPassword(db, edit.HNO, edit.password);
    t.commit();
}

void setPassword(db::Database &db, int hno, const QString &password)
{
    db::Transaction t(db);
    db.exec(QStringLiteral("UPDATE USERS SET PWHASH=:PH, PSSWD='' WHERE HNO=:HN"),
            {{QStringLiteral("PH"), passwords::hash(password)}, {QStringLiteral("HN"), hno}});
    t.commit();
}

void deleteUser(db::Database &db, int hno)
{
    db::Transaction t(db);
    db.exec(QStringLiteral("DELETE FROM RIGHTS WHERE HNO=:HN"), {{QStringLiteral("HN"), hno}});
    db.exec(QStringLiteral("DELETE FROM USERS WHERE HNO=:HN"), {{QStringLiteral("HN"), hno}});
    t.commit();
}

void storeRight(db::Database &db, int hno, const Right &right)
{
    db::Transaction t(db);
    const QVariantMap binds = {{QStringLiteral("HN"), hno},
                               {QStringLiteral("KD"), right.KOD},
                               {QStringLiteral("G"), right.G.left(1)},
                               {QStringLiteral("K"), right.K.left(1)}};
    db.exec(QStringLiteral("UPDATE OR INSERT INTO RIGHTS (HNO,KOD,G,K) VALUES (:HN,:KD,:G,:K) MATCHING (HNO,KOD)"), binds);
    t.commit();
}

}  // namespace zeran::users
