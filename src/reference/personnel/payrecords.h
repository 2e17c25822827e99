#pragma once
// Pay records (ZERBORBIL) as the pay-record dialogs create and re-key them, the person
// code numbering within a unit, and the quick-entry grid over all paid records.

#include "database.h"

#include <QString>
#include <QVector>
#include <optional>
#include <utility>

namespace zeran::personnel {

/// The salary units' dialog or its meeting-fee twin.
enum class PayRecordKind { Salary, MeetingFee };

struct PayRecordKey {
    int PKAYNO = 0;
    int BKOD = 0;
    int PKOD = 0;
};

/// The part of a pay record the dialogs edit; the other columns are left as they are.
struct PayRecord {
    int PKAYNO = 0;
    int BKOD = 0;
    std::optional<int> PKOD;
    std::optional<int> UKOD;
    QString DURUM, PERTUR, GSSTUR;
    std::optional<int> SNFKOD;
    QString SNFALTKOD;
    std::optional<int> SENKOD;
};

/// A new record of unit `bkod` with the defaults of its dialog: DURUM "E", and for salary
/// units also GSSTUR "E" and PERTUR "M".
PayRecord newPayRecord(PayRecordKind kind, int bkod);

/// The person's record in the unit; nullopt when there is none.
std::optional<PayRecord> readPayRecord(db::Database &db, int pkayno, int bkod);

/// The next person code of a unit: the largest code of its records that are not marked
/// "H" (not paid), plus 1; 1 in an empty unit.
int nextPersonCode(db::Database &db, int bkod);

/// How many records the person has in the unit, leaving out the record `except` (the one
/// being changed).
int recordsInUnit(db::Database &db, int pkayno, int bkod, const std::optional<PayRecordKey> &except = std::nullopt);

/// The registry data the dialogs show for a record's person.
struct PersonHeader {
    QString TCKNO, ADI, SOYADI, BABA, EMSNO;
};
std::optional<PersonHeader> readPersonHeader(db::Database &db, int pkayno);

/// The first failing check of "Kayıt".
struct PayRecordProblem {
    enum class Field { Person, Code, Unit, Duplicate, Insurance };
    Field field;
    QString message;
};

/// Saves the record after all its checks passed, in one unit of work: a new record
/// (`original` empty) is inserted, a changed one updated under its old key. A refused
/// record returns its problem and writes nothing. Throws db::DbError.
std::optional<PayRecordProblem> savePayRecord(db::Database &db, PayRecordKind kind, const PayRecord &r,
                                              const std::optional<PayRecordKey> &original);

inline constexpr const char *kChoosePerson = "DİKKAT! Personel Sicili Seçiniz.";
inline constexpr const char *kCodeMissing = "DİKKAT! Personel Kodunu Girmelisiniz .";
inline constexpr const char *kChooseUnit = "DİKKAT! Personel Birimini Seçiniz.";
inline constexpr const char *kAlreadyInUnit = "DİKKAT! Bu Sicil Seçilen Birimde Mevcuttur.";
inline constexpr const char *kInsuranceMissing = "DİKKAT! Sigorta Türünü Girmelisiniz .";
inline constexpr const char *kMeetingFeeAlreadyInUnit = "DİKKAT! Bu Sicil Mevcut";

/// A row of the quick-entry grid "PERSONEL BİLGİLERİ".
struct QuickEntryRow {
    int PKAYNO = 0, BKOD = 0, PKOD = 0;
    QString BIRIM, ADSOY, GOREV, CINS, TCKNO, MHAL;
    /// The editable values, in the order of quickEntryColumns(); NULL as nullopt.
    std::optional<int> DER, KAD, GOS, EGOS;
    QString ESI;
    std::optional<int> COC1, COC2, DIGCOC, YOP, OHT;

    bool married() const { return MHAL == QLatin1String("1"); }
};

/// Paid records (DURUM "E") of every unit, by unit and person code.
QVector<QuickEntryRow> quickEntryRows(db::Database &db);

/// One changed cell of the grid.
struct QuickEntryChange {
    PayRecordKey key;
    QString column;  ///< one of DER KAD GOS EGOS ESI COC1 COC2 DIGCOC YOP OHT
    QVariant value;  ///< an int, a text (ESI) or NULL
};

/// Writes all changes in one unit of work; only the changed columns of each record are
/// written. Throws db::DbError (nothing is stored then) and std::invalid_argument for a
/// column the grid does not edit.
void writeQuickEntryChanges(db::Database &db, const QVector<QuickEntryChange> &changes);

// ---- Writes of other screens -----------------------------------------------------------
// Every change of a pay-record row goes through here, so the table has one owner.

/// Writes `values` (column name, bound value) into one pay record, in the caller's unit of
/// work when there is one. Column names are the caller's own constants (checked to be plain
/// column names, never typed text). Returns the rows changed: 0 when the record is gone.
int updatePayRecordColumns(db::Database &db, const PayRecordKey &key,
                           const QVector<std::pair<QString, QVariant>> &values);
/// Deletes one pay record; returns the rows deleted (0 when it was already gone).
int deletePayRecordRow(db::Database &db, const PayRecordKey &key);
/// The child counts of every pay record of a person, as the children ledger keeps them;
/// returns the pay records changed.
int storeChildCounts(db::Database &db, int pkayno, int coc1, int coc2, int digcoc);
/// Marks the fixed extra item `slot` (1–10) as paid on every pay record of a salary unit;
/// returns the pay records changed.
int markFixedItemOnSalaryRecords(db::Database &db, int slot);

// ---- The units screen's copy and delete ---------------------------------------------------

/// Copies every pay record of unit `from` into unit `to` with every column of the table
/// (BKOD excepted) as it is, in the caller's unit of work. Returns the records copied.
int copyPayRecordsOfUnit(db::Database &db, int from, int to);
/// Deletes every pay record of unit `bkod`; returns the records deleted.
int deletePayRecordsOfUnit(db::Database &db, int bkod);

/// The database check: deletes the pay records whose unit code is no unit of BIRIM (of either
/// program); returns how many. Joins the caller's unit of work.
int deletePayRecordsWithoutUnit(db::Database &db);

}  // namespace zeran::personnel
