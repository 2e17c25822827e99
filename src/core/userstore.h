#pragma once
// Users and their rights (USERS, RIGHTS): every statement on the two tables. Passwords are
// kept as hashes (USERS.PWHASH); PSSWD is left empty.

#include "database.h"

#include <QString>
#include <QVector>

#include <optional>

namespace zeran::users {

/// The super-user: never deleted, never renamed, has every right.
inline constexpr int kSuperUser = 1;
inline constexpr const char *kSuperUserName = "ZIVO";

/// The one rights section this program consults (the stored payroll data and the rates).
inline constexpr const char *kPayrollSection = "3";

/// A user who may log in.
struct LoginUser {
    QString USR;
    int HNO = 0;
    QString PWHASH;  ///< empty: no password yet (set at the first login)
    QString ACIK;
};

/// The users who may log in (hidden users left out); throws db::DbError.
QVector<LoginUser> loginUsers(const db::Database &db);

/// A user as the administration lists it.
struct User {
    int HNO = 0;
    QString USR;
    QString ACIK;
    bool hasPassword = false;
};
/// Every user but the hidden ones (OZEL "2"), by number.
QVector<User> listUsers(const db::Database &db);

struct Right {
    int KOD = 0;
    QString G;  ///< entry right, "E"/"H"
    QString K;  ///< change right, "E"/"H"
};
QVector<Right> rightsOf(const db::Database &db, int hno);

// ---- Checks of the user dialog (pure) ------------------------------------------------------

inline constexpr const char *kBadNameMessage = "KULLANICI ADI HATALI..";
inline constexpr const char *kCheckPasswordMessage = "ŞİFRENİZİ KONTROL EDİNİZ..";
inline constexpr const char *kNameTakenMessage = "BU KULLANICI ADI KAYITLIDIR..";
inline constexpr const char *kSuperUserDeleteMessage = "ZIVO Kullanıcısını Silemezsiniz....";
inline constexpr const char *kDeleteQuestion = "BU KULLANICI SİLİNECEKTİR ONAYLIYORMUSUNUZ";
inline constexpr const char *kNoRightMessage = "İşlem Yetkiniz Yoktur.";
inline constexpr const char *kSelfDeleteMessage = "Oturum açmış olan kullanıcı silinemez.";

/// What the user dialog would store.
struct UserEdit {
    int HNO = 0;  ///< 0: a new user
    QString USR;
    QString password;  ///< empty on a change: the password stays as it is
    QString repeat;
    QString ACIK;
};

/// Which field a refused edit sends the cursor to.
enum class Field { None, Name, Password };
struct Refusal {
    QString message;
    Field field = Field::None;
};

/// The dialog's checks in order: the name (empty or longer than 10 characters), the password
/// and its repetition (they differ; a new user, or a user without a password, needs one), a
/// name another user has (exact, case-sensitive). `existing`: every user, hidden ones too.
std::optional<Refusal> checkEdit(const UserEdit &edit, const QVector<User> &existing, bool hasPasswordNow);

// ---- Writes ------------------------------------------------------------------------------

/// Every user, hidden ones too (for the name check).
QVector<User> allUsers(const db::Database &db);

/// A new user (HNO = largest + 1, OZEL "3") with a rights row for every known section:
/// entry "E", change "H". Returns the HNO. One unit of work.
int createUser(db::Database &db, const UserEdit &edit);
/// Name (not the super-user's), description and, when given, a new password.
void updateUser(db::Database &db, const UserEdit &edit);
/// A new password (the first login of a user without one).
void setPassword(db::Database &db, int hno, const QString &password);
/// The user's rights rows, then the user: one unit of work.
void deleteUser(db::Database &db, int hno);
/// Stores one rights row of a user (made when missing).
void storeRight(db::Database &db, int hno, const Right &right);

}  // namespace zeran::users
