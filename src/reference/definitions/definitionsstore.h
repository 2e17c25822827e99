#pragma once
// Data access of the definitions: titles (UNTAN), special deductions (ZERKES), extra
// earning slots (ZERHESTUR), unions (SENDIKA, rows of this program) and private-pension
// companies (BESFIRMA). New keys are the largest existing key + 1, taken inside the unit
// of work that inserts the row.

#include "database.h"
#include "definitionslogic.h"

#include <optional>
#include <vector>

namespace zeran::definitions {

// ---- Titles ------------------------------------------------------------------------------

struct Title {
    int UKOD = 0;  ///< 0: not stored yet
    QString UNVAN;
    std::optional<double> YOP;  ///< supplementary-payment points
};
std::vector<Title> readTitles(db::Database &db);
/// Inserts (UKOD 0: takes MAX(UKOD) + 1) or updates the title; returns its UKOD.
int saveTitle(db::Database &db, const Title &title);

// ---- Special deductions --------------------------------------------------------------------

struct Deduction {
    int HARNO = 0;  ///< 0: not stored yet
    QString KESADI;
    std::optional<Money> TUTAR;
    QString AKTIF;  ///< "A" / "P"
};
std::vector<Deduction> readDeductions(db::Database &db);
/// Inserts (HARNO 0: MAX(HARNO) + 1) or updates. A sixth deduction is refused: nullopt and
/// nothing stored. Returns the HARNO.
std::optional<int> saveDeduction(db::Database &db, const Deduction &deduction);

// ---- Earning slots -------------------------------------------------------------------------

/// Every slot, by HNO and BKOD.
std::vector<EarningSlot> readSlots(db::Database &db);
std::optional<EarningSlot> readSlot(db::Database &db, int hno);
/// Creates the ten default slots when the table is empty; true when it did.
bool ensureSlots(db::Database &db);
/// "EKLE": adds slot MAX(HNO) + 1 unless that would pass ten; the new HNO or nullopt.
std::optional<int> addSlot(db::Database &db);
/// Writes the slot's columns (the row HNO/BKOD).
void saveSlot(db::Database &db, const EarningSlot &slot);
/// The slots 1–10 used by a payroll result of `year` (KAZk above 0 in some ZERMAAS row).
std::vector<bool> slotsUsedInYear(db::Database &db, const QString &year);
/// Whether a slot named "SEYYANEN ZAM" (any case) exists.
bool seyyanenSlotExists(db::Database &db);
/// "Seyanen Zam" on slot `hno` (1–10), in one unit of work: the slot becomes the fixed
/// raise, and the slot's KAZS flag is set to "E" on every pay record of the salary units
/// (BIRIM.MTUR "N") of this program, whatever the record's DURUM. Returns the number of pay
/// records flagged.
int applySeyyanen(db::Database &db, int hno);

// ---- Unions ---------------------------------------------------------------------------------

struct Union {
    int SENKOD = 0;  ///< 0: not stored yet
    QString SENDIKA, ADRES;
    std::optional<double> ORN;  ///< percent
    QString HTUR;   ///< "T" / "D"
    QString BHNO, HKOD;
    QString HESAP;  ///< "A" / "P"
};
/// The unions of this program (TUR "M"), by code.
std::vector<Union> readUnions(db::Database &db);
/// Inserts (SENKOD 0: MAX(SENKOD) over every union + 1) or updates; TUR is set to "M".
int saveUnion(db::Database &db, const Union &u);

// ---- Private-pension companies ------------------------------------------------------------

struct PensionCompany {
    int FKOD = 0;  ///< 0: not stored yet
    QString FIRMA, ADRES, BHNO, HKOD;
};
std::vector<PensionCompany> readPensionCompanies(db::Database &db);
int savePensionCompany(db::Database &db, const PensionCompany &company);

}  // namespace zeran::definitions
