#pragma once
// "PERSONEL DETAY BİLGİLERİ": the active civil-servant staff with grade, points, family
// situation and the pay period's allowance amounts, as the 35-column workbook reported to the
// authorities. Pure: plain rows in, cells out; the loader is exportloader.h.

#include "money.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace zeran::sheet {
class Workbook;
}

namespace zeran::personnelexport {

/// The amounts of the pay record's kind-"1" result row of the pay period.
struct PeriodAmounts {
    Money AILE, COCYRD, AGI, MESAI, SDENGE, SENDIKA;
};

/// A pay record of the list, with the registry's and the unit's fields.
struct StaffSource {
    int PKAYNO = 0, BKOD = 0, PKOD = 0;
    QString ADSOY, UNVAN, BIRIM, OGRDUR;  ///< OGRDUR: the education level's text
    std::optional<int> SNFKOD;
    int DER = 0, KAD = 0, EGOS = 0, YOP = 0, OHT = 0, EKOD = 0, COC1 = 0, COC2 = 0, KIDEM = 0;
    QString MHAL, ESI;
    QDate KGT;
    std::optional<PeriodAmounts> amounts;  ///< none: no result row in the period
};

/// "Evli", "Bekar", "Boşanmış" for "1" … "3"; empty otherwise.
QString maritalText(const QString &MHAL);
/// "Çalışıyor", "Çalışmıyor", "Emekli" for "1" … "3"; empty otherwise.
QString spouseText(const QString &ESI);

/// The 35 headings of row 2 (column 35's below AI1's "ASLİ KADROSUNA ATANMA USULÜ ").
const std::vector<QString> &headings();

struct CellOut {
    QString text;                  ///< a text cell (empty: the cell stays empty)
    std::optional<Money> amount;   ///< an amount, written as a number of two decimals
    std::optional<int> integer;    ///< a whole number
};

/// The 35 cells of one staff row; `periodMonth` 1–12, 0 when there is no pay period.
std::vector<CellOut> rowCells(const StaffSource &row, int periodMonth);

/// Fills the first sheet: the widths (A 30, B 15 as text, C 30, D 30, AI 40), AI1, the
/// headings in row 2 and one row per staff row from row 3. False when a write failed.
bool fillWorkbook(sheet::Workbook &wb, const std::vector<StaffSource> &rows, int periodMonth);

}  // namespace zeran::personnelexport
