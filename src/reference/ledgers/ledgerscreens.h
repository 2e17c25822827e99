#pragma once
// How the payroll screen opens the ledgers of its current person ("Çocuk Listesi",
// "İcra Bilgileri", "Borçlanma"). Each runs its screen modally and returns true when the
// visit stored something, so the caller knows to list its unit again.

#include <optional>

class QWidget;

namespace zeran {
class Session;
}

namespace zeran::ledgers::ui {

/// "ÇOCUK TANIMLARI" of person `pkayno`; `bkod` is the unit the payroll screen shows, whose
/// pay record the counts are compared with (every pay record of the person when absent).
bool openChildren(QWidget *parent, Session &session, int pkayno, std::optional<int> bkod = std::nullopt);
/// The garnishment ledger (ICRA) of person `pkayno`.
bool openGarnishments(QWidget *parent, Session &session, int pkayno);
/// The service-debt ledger (HIZBOR) of person `pkayno`.
bool openServiceDebts(QWidget *parent, Session &session, int pkayno);

}  // namespace zeran::ledgers::ui
