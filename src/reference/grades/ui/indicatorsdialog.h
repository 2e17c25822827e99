#pragma once
// "GÖSTERGE TANIMLARI": the indicator table ("Gösterge": a grade per row, the indicators of
// its steps) and the supplementary indicators of a service class ("Ek Gösterge"), edited in
// place. A trailing empty row takes a new row; Ctrl+Del removes the current one. A table is
// stored whole when the tab or the class changes and when the screen closes; a refused table
// keeps the screen where it is, with the message.

#include "gradestore.h"

#include <QDialog>

class QComboBox;
class QTabWidget;
class QTableWidget;

namespace zeran::ui {
class Prompter;
}

namespace zeran::grades::ui {

class IndicatorsDialog : public QDialog {
    Q_OBJECT
public:
    IndicatorsDialog(db::Database &db, zeran::ui::Prompter &prompter, QWidget *parent = nullptr);

    /// Reads both tables and the class list; false (after the message) when they cannot be read.
    bool load();
    /// Stores the table of the tab shown; false (after the message) when it is refused.
    bool storeCurrent();
    /// Chooses the class at `index` of the class list (storing the shown class's rows first).
    bool chooseClass(int index);

    QTabWidget *tabs() const { return tabs_; }
    QTableWidget *indicatorGrid() const { return indicators_; }
    QTableWidget *supplementaryGrid() const { return supplementary_; }
    QComboBox *classBox() const { return classBox_; }

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillIndicators(const std::vector<IndicatorRow> &rows);
    void fillSupplementary(const std::vector<SupplementaryRow> &rows);
    void addSupplementaryRow(const SupplementaryRow &r);
    void keepTrailingRow(QTableWidget *grid);
    bool storeIndicators();
    bool storeSupplementary();

    db::Database &db_;
    zeran::ui::Prompter &prompter_;
    std::vector<ServiceClass> classes_;
    std::vector<SubClass> subClasses_;
    int shownClass_ = -1;  ///< SNFKOD whose rows the grid holds; -1 none
    bool filling_ = false;
    QTabWidget *tabs_ = nullptr;
    QTableWidget *indicators_ = nullptr;
    QTableWidget *supplementary_ = nullptr;
    QComboBox *classBox_ = nullptr;
};

/// Supplementary grid columns.
enum SupplementaryColumn { SubClassColumn, GradeColumn, ValueColumn };

}  // namespace zeran::grades::ui
