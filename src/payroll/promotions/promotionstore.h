#pragma once
// What "TERFİ LİSTESİ" reads and writes: the unit's promotion rows with their archived row of
// the previous month, last month's promotions, a row saved back to its pay record, and the
// clean-up of last month's differences. Pay-record writes go through the pay-record store.

#include "database.h"
#include "promotions.h"

namespace zeran::promotions {

/// The pay records of unit `bkod` that are paid or suspended (DURUM "E" or "A"), by person
/// code, each with its archived row of `previous`; within `window` (promotion date, both
/// ends) when one is given ("Tarihi Gelenler").
std::vector<PromotionRow> loadPromotionRows(db::Database &db, int bkod, const monthstart::Month &previous,
                                            const std::optional<cal::PayWindow> &window);

/// The archived row of one person in the unit for `previous`; nullopt when there is none.
std::optional<ArchivedGrades> archivedGrades(db::Database &db, int pkayno, int bkod, const monthstart::Month &previous);

/// Last month's promotions of unit `bkod` (shownAsLastMonth), by person code.
std::vector<LastMonthRow> loadLastMonth(db::Database &db, int bkod, const monthstart::Month &previous);

/// Writes the row's grades, indicators, TFA, GF, EKGF, KIDEM and KIDART to its pay record.
/// Returns the rows changed (0 when the record is gone).
int savePromotionRow(db::Database &db, const PromotionRow &r);

/// "Önceki Ay Terfil Artışlarını Sil": clears TFA, GF, EKGF and KIDART of the records of unit
/// `bkod` whose differences were paid in `previous` (every nonzero one equal to the archive),
/// in one unit of work. Returns the records changed.
int clearLastMonth(db::Database &db, int bkod, const monthstart::Month &previous);

}  // namespace zeran::promotions
