#pragma once
// "Yazdır" of the printed bank list, for the lists screen: the printer is chosen first
// (cancelling prints nothing), then the list is previewed or printed at once as its settings
// say (layout A always previewed; layout B previewed only when ONIZ is "E").

#include "banklistloader.h"

class QWidget;

namespace zeran::ui {
class Prompter;
}

namespace zeran::bankfiles {

/// Loads the list of `query` and prints it. False when nothing was printed (cancelled, or an
/// error, which is shown).
bool printBankList(QWidget *parent, const db::Database &db, const BankListQuery &query, ui::Prompter &prompter);

}  // namespace zeran::bankfiles
