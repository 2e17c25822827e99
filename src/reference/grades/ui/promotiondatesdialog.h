#pragma once
// "TERFİ TARİHLERİ": the promotion date of every pay record of every unit, edited in place;
// a changed date is written to its pay record at once.

#include "gradestore.h"

#include <QDialog>

class QTableWidget;

namespace zeran::ui {
class Prompter;
}

namespace zeran::grades::ui {

class PromotionDatesDialog : public QDialog {
    Q_OBJECT
public:
    PromotionDatesDialog(db::Database &db, zeran::ui::Prompter &prompter, QWidget *parent = nullptr);

    /// Lists the records; false (after the message) when they cannot be read.
    bool load();
    /// Sets the date text of grid row `row` as typed ("" empties it); false when refused.
    bool setDateText(int row, const QString &text);
    QTableWidget *grid() const { return grid_; }

private:
    void cellChanged(int row, int column);

    db::Database &db_;
    zeran::ui::Prompter &prompter_;
    std::vector<PromotionDate> rows_;
    QTableWidget *grid_ = nullptr;
    bool filling_ = false;
};

/// Columns of the grid.
enum PromotionDateColumn { DateCode, DateName, DateRetirementNo, DateDate };

}  // namespace zeran::grades::ui
