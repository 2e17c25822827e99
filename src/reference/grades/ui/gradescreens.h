#pragma once
// Opening the screens of the indicator tables: the main menu's "Gösterge Tanımları", the
// promotion-date list, and the grade picker on a stored pay record (the payroll screen's two
// "..." buttons beside the grades).

#include "gradepicker.h"

class QWidget;

namespace zeran {
class Session;
namespace ui {
class Prompter;
}
}  // namespace zeran

namespace zeran::grades::ui {

/// "GÖSTERGE TANIMLARI".
void openIndicators(QWidget *parent, Session &session, zeran::ui::Prompter &prompter);
/// "TERFİ TARİHLERİ".
void openPromotionDates(QWidget *parent, Session &session, zeran::ui::Prompter &prompter);

/// The picker in mode 1 or 2 on pay record (pkayno, bkod, pkod), measured from the values
/// archived for month `month` of `year` (the month before the run's). Writes the columns the
/// pick sets to the record; true when it wrote.
bool pickForRecord(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, PickMode mode, int pkayno,
                   int bkod, int pkod, int year, int month);

}  // namespace zeran::grades::ui
