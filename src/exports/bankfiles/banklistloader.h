#pragma once
// The printed bank list's rows, heading and layout read from the database: every
// non-difference result row of the working year (one month or all), by unit and the person's
// number, with the differences of the same months. Two statements for the rows.

#include "banklist.h"
#include "database.h"
#include "paymentloader.h"

namespace zeran::bankfiles {

struct BankListQuery {
    QString year;               ///< working year
    int month = 0;              ///< 1–12; 0 = "TÜMÜ"
    int unit = 0;               ///< BKOD; 0 = "TÜMÜ"
    StaffGroup group = StaffGroup::All;
    bool addDifference = false; ///< "Fark Ekle"
};

struct BankList {
    std::vector<BankListRow> rows;
    BankListHeading heading;
    BankListLayout layout = BankListLayout::A;
    bool preview = true;  ///< layout B is previewed only when ONIZ is "E"; layout A always
};

BankList loadBankList(const db::Database &db, const BankListQuery &query);

}  // namespace zeran::bankfiles
