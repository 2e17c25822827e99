#pragma once
// The grade picker: the indicator table as a grid of grades and steps; a double click on a
// cell sets the grade, step and indicator on the record by the picker's mode (its rules are
// gradepicker.h) and closes the picker.

#include "gradepicker.h"

#include <QDialog>

class QLineEdit;
class QTableWidget;

namespace zeran::db {
class Database;
}
namespace zeran::ui {
class Prompter;
}

namespace zeran::grades::ui {

class GradePickerDialog : public QDialog {
    Q_OBJECT
public:
    /// `record`: the values before the pick; `paid`: what was last paid (the base of the
    /// differences); `unit`: the record's own unit, whose grade allowances mode 1 takes.
    /// `currentText`/`currentIndicator` fill the header " MEVCUT D/K -  Gösterge".
    GradePickerDialog(db::Database &db, zeran::ui::Prompter &prompter, PickMode mode, const GradeRecord &record,
                      const PaidValues &paid, int unit, const QString &currentText, int currentIndicator,
                      QWidget *parent = nullptr);

    /// Fills the grid from GOSTAN; false (after the message) when it cannot be read.
    bool load();
    /// Chooses the cell at grid row `row` (0 = the first grade) and step column `column`.
    void choose(int row, int column);
    /// The record after the pick; nullopt when nothing was picked.
    const std::optional<GradeRecord> &result() const { return result_; }
    QTableWidget *grid() const { return grid_; }

private:
    db::Database &db_;
    zeran::ui::Prompter &prompter_;
    PickMode mode_;
    GradeRecord record_;
    PaidValues paid_;
    int unit_;
    std::vector<IndicatorRow> rows_;
    std::optional<GradeRecord> result_;
    QTableWidget *grid_ = nullptr;
    QLineEdit *currentText_ = nullptr;
    QLineEdit *currentIndicator_ = nullptr;
};

}  // namespace zeran::grades::ui
