#pragma once
// The rows of a payroll list page, its heading and the screen's choice lists, read from the
// database. One statement per page; pay records are joined on their whole key (a person with
// two records in a unit is listed once per record, never twice per row).

#include "database.h"
#include "lists.h"

#include <QDate>

namespace zeran::lists {

struct ListQuery {
    Page page = Page::Staff;
    QString year;               ///< working year
    int month = 0;              ///< 1–12; 0 = "TÜMÜ"
    int unit = 0;               ///< BKOD; 0 = "TÜMÜ"
    bool law5510 = false;       ///< retirement page: "5510 S.K."
    int union_ = 0;             ///< union page: SENKOD; 0 = "TÜMÜ"
    bool addDifference = false; ///< tax page: "Fark Ekle"
    /// A pay record marked "H" today hides the result rows of this month of the year and
    /// later ones; earlier months were paid and stay listed (see hideFromMonth).
    int hideFrom = 1;
};

/// The first month of `year` whose result rows today's "H" hides: today's month in the
/// calendar year, nothing (13) in an earlier year, every month (1) in a later one.
int hideFromMonth(const QString &year, const QDate &today);

/// The rows of the page (not the bank page), in list order; the tax page grouped.
std::vector<ListSource> loadListRows(const db::Database &db, const ListQuery &query);

/// The bank page as a table, from the bank module's printed list (one month or all, the
/// differences added as "Fark Ekle" says): "Adı ve Soyadı", "T.C.Kimlik No", "Banka H.No",
/// "Maaş Tutarı", "Maaş Farkı", "Toplam", "Kesinti T.", "Ele Geçen", totalled.
Table loadBankTable(const db::Database &db, const ListQuery &query);

/// The institution, the unit name, the period, the chosen unit's signatories (empty for
/// "TÜMÜ") and, for the union page, the chosen union.
ListHeading loadListHeading(const db::Database &db, const ListQuery &query);

/// The defined special deductions (ZERKES).
std::vector<DeductionDefinition> loadDeductions(const db::Database &db);

struct UnionChoice {
    int SENKOD = 0;
    QString SENDIKA;
};
/// "Sendika  Adı": the civil servants' unions by name.
std::vector<UnionChoice> loadUnions(const db::Database &db);

}  // namespace zeran::lists
