#pragma once
// The payment list of a month read from the result rows (ZERMAAS) and the registry (SICIL),
// and the settings the bank screen shows (PTANIM). Two statements for the list, whatever the
// number of people; amounts are summed as Money, never in SQL doubles.

#include "bankfile.h"
#include "database.h"
#include "unitstore.h"

#include <vector>

namespace zeran::bankfiles {

/// "Tümü", "Zeran", "Diğer Personel": which units of "TÜMÜ" are listed.
enum class StaffGroup { All, Zeran, Other };

struct PaymentQuery {
    QString year;              ///< working year
    int month = 0;             ///< "İlgili Ay"
    int unit = 0;              ///< BKOD; 0 = "TÜMÜ" (then the staff group filters)
    StaffGroup group = StaffGroup::Zeran;
    bool addDifference = true; ///< "Farkı Ekle"
};

/// The payment list in list order (unit, person's number in the unit, person key). A person's
/// FARK and ACIKKES stand on each of the person's rows; they are left at zero when the
/// person's first row of the month's whole list (all units and groups) is outside this
/// selection, so that two files of one month never pay them twice.
std::vector<PaymentRow> loadPaymentRows(const db::Database &db, const PaymentQuery &query);

/// The units that have a result row with MAAS above zero in the month of the working year
/// (of this system, not closed), by name.
std::vector<units::UnitName> unitChoices(const db::Database &db, const QString &year, int month);

/// The settings the screen and the files read.
struct BankSettings {
    QString TTBA, TTSA, SBKOD, KMUSNO, KHESNO, BDTUR, MAIL, MHOST, BMAIL, KURUM, CYIL;
    QString MKESDUR, MBORTUR, ONIZ;
};
BankSettings readBankSettings(const db::Database &db);

}  // namespace zeran::bankfiles
