#pragma once
// The printed documents of the monthly salary payroll, described by content (report layer):
// the unit payroll document, the detailed statement in its three modes, the payslip, and the
// two documents of the archive. Plain functions from plain data: no database, no widget.
//
// Every amount is printed "#,0.00"; the amounts of the run's people are those of the rows the
// payroll writes (two decimals, after the display rules), so the document's totals are the
// totals of the written rows.

#include "document.h"
#include "monthtotalsdata.h"
#include "printdata.h"

#include <optional>

namespace zeran::payrolldocs {

/// "Toplu Yaz": "ZERAN MAAŞ BORDROSU", landscape. Four lines per person in seventeen columns
/// and an empty "İmza" column; the column totals under "A L T      T O P L A M L A R" and the
/// three signature blocks after the last person. An empty run still prints the header and a
/// totals row of zeros.
report::Document payrollDocument(const RunData &run);

/// "Detay Yaz" of the run screen: one statement per person (portrait, a page each), then the
/// unit's totals page from `totals` (ALTTOPLAM of the month's stored rows) with the three
/// signature blocks.
report::Document runStatements(const RunData &run, const results::MonthTotals &totals);

/// "Maaş Fişi Yazdır" of the payroll sheet: the statements of the run's pay records of person
/// `pkayno` only, without the totals page.
report::Document personStatements(const RunData &run, int pkayno);

/// "Fiş Yazdır": one "ZERAN MAAŞ FİŞİ" per person, landscape.
report::Document payslips(const RunData &run);

/// Archive "Detay Yaz" (every row) or, with `onlyRow`, "Tek Yaz" (that row of
/// archive.rows): statements captioned with the names stored in each row, no totals page.
report::Document archiveStatements(const ArchiveData &archive, std::optional<std::size_t> onlyRow = {});

/// Archive "Toplu Yaz" for kinds 1–3: two lines per person, the column totals, the
/// "Düzenleyen" and "Harcama Yetkilisi" blocks.
report::Document archivePayrollDocument(const ArchiveData &archive);

/// The archived payslip of one stored month.
report::Document archivePayslip(const ArchivePayslipData &data);

}  // namespace zeran::payrolldocs
