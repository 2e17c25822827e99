#pragma once
// The personnel registry SICIL: one row per person, whatever units they are paid in. The
// list, one person's row, the checks a row must pass and saving it with its audit line.

#include "context.h"
#include "database.h"
#include "money.h"

#include <QDate>
#include <QDateTime>
#include <QVector>
#include <optional>

namespace zeran::personnel {

/// One registry row as the record screen edits it. Empty texts are stored as NULL.
struct Person {
    int PKAYNO = 0;  ///< 0 until a new person is saved
    QString TCKNO, EMSNO, ADI, SOYADI, BABA, ANA;
    std::optional<int> OGRDUR;
    QString ADRES, TEL1, TEL2, GKUR;
    std::optional<int> ILKOD, ILCEKOD;
    QString DYER;
    QDate DTAR, KGT, TERTAR;  ///< invalid: NULL
    QString KSN, ISN, SSN, PERNO;
    QString FHAY, FHGUN;
    std::optional<Money> FHTUT;
    QString IHAY, IHGUN;
    std::optional<Money> IHTUT;
    QString VERNO;
    QString MBKOD;  ///< "Evet" / "Hayır" (older rows may hold "E" / "H")
    QString BHN, INO;
    QString CINS;   ///< "E" / "K"
    std::optional<int> CKOD;
};

/// A row of the registry list.
struct RegistryEntry {
    int PKAYNO = 0;
    QString ADSOY, EMSNO, TCKNO, BABA;
};

enum class RegistryOrder { ByRetirementNumber, ByName };

QVector<RegistryEntry> registryList(db::Database &db, RegistryOrder order);

/// The row of `pkayno`; nullopt when there is none.
std::optional<Person> readPerson(db::Database &db, int pkayno);

/// The first failing check of a row about to be saved.
struct PersonProblem {
    enum class Field { ADI, SOYADI, TCKNO, EMSNO };
    Field field;
    QString message;
};
/// The checks in their order: first name, surname, identity number, retirement number.
std::optional<PersonProblem> checkPerson(const Person &p);

/// Saves a row after checkPerson passed (a refused row returns its problem and nothing is
/// written), in one unit of work: a new person takes its PKAYNO from GEN_PKAYNO (written
/// back into `p`); then the audit line "SICBIL" ("Y" new, "D" change) is written. Throws
/// db::DbError; when the audit line fails the text is "IZLKAY HATA" and nothing is stored.
std::optional<PersonProblem> savePerson(db::Database &db, WorkingContext &ctx, Person &p, bool isNew,
                                        const QDateTime &at = QDateTime::currentDateTime());

/// The audit description of a saved row, cut to 150 characters.
QString personAuditText(const Person &p);

/// KIDEM of the person's first pay record (NULL read as 0); nullopt when the person has
/// no pay record.
std::optional<int> payRecordSeniority(db::Database &db, int pkayno);

/// The retirement-contribution correction: the person's identity and retirement numbers,
/// in the caller's unit of work. Returns the rows changed (0: no such person).
int updateRegistryNumbers(db::Database &db, int pkayno, const QString &emsno, const QString &tckno);
/// Whether another person than `pkayno` carries the retirement number `emsno`.
bool retirementNumberUsed(db::Database &db, const QString &emsno, int pkayno);

/// "Listeden Çıkar" of the bank screen: the person is paid through the bank no more
/// (MBKOD 'H') until the registry sets it back, in its own unit of work. Returns the rows changed.
int excludeFromBankPayment(db::Database &db, int pkayno);

inline constexpr const char *kNameMissing = "DİKKAT!! Adı Giriniz";
inline constexpr const char *kSurnameMissing = "DİKKAT!! Soyadı Giriniz";
inline constexpr const char *kIdentityMissing = "DİKKAT!! T.C.Kimlik Numarasını Giriniz";
inline constexpr const char *kRetirementNumberMissing = "DİKKAT!! Emekli Sicil Numarasını Giriniz";

}  // namespace zeran::personnel
