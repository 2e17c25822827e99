#pragma once
// "DİĞER TANIMLAR": titles, special deductions and the extra earning slots on three pages.
// Edits of the two editable grids are written row by row as they are made; leaving the
// screen writes the cell being edited.

#include "definitionsstore.h"

#include <QDialog>

#include <functional>
#include <vector>

class QAction;
class QPushButton;
class QTabWidget;

namespace zeran {
class Session;
struct WorkingContext;
namespace ui {
class Prompter;
}
}  // namespace zeran

namespace zeran::definitions {

class DefinitionsGrid;

class DefinitionsDialog : public QDialog {
    Q_OBJECT
public:
    enum Page { TitlesPage = 0, DeductionsPage = 1, EarningsPage = 2 };

    DefinitionsDialog(db::Database &db, const WorkingContext &ctx, ui::Prompter &prompter, QWidget *parent = nullptr);

    QTabWidget *tabs() const { return tabs_; }
    DefinitionsGrid *titlesGrid() const { return titles_; }
    DefinitionsGrid *deductionsGrid() const { return deductions_; }
    DefinitionsGrid *earningsGrid() const { return earnings_; }
    QPushButton *exitButton() const { return exit_; }
    QAction *addSlotAction() const { return addSlot_; }
    QAction *seyyanenAction() const { return seyyanen_; }

    /// Opens the earning-type dialog of a slot (replaced by tests); the list is read again after it.
    std::function<void(int hno)> slotEditor;

public slots:
    void reloadTitles();
    void reloadDeductions();
    void reloadEarnings();
    /// Double-click on the "Gelir Tanımları" grid.
    void openSlot(int row);
    /// "EKLE": one more slot, up to ten.
    void addSlot();
    /// "Seyanen Zam" on the current slot.
    void seyyanen();
    /// "ESC-Çıkış" and the window's close button: the cell being edited is written first.
    void reject() override;

private:
    void saveTitleRow(int row);
    void saveDeductionRow(int row);
    void setDeductionState(int row, const QString &code);

    db::Database &db_;
    const WorkingContext &ctx_;
    ui::Prompter &prompter_;
    std::vector<Title> titleRows_;
    std::vector<Deduction> deductionRows_;
    std::vector<EarningSlot> slots_;
    std::vector<bool> used_;

    QTabWidget *tabs_ = nullptr;
    DefinitionsGrid *titles_ = nullptr;
    DefinitionsGrid *deductions_ = nullptr;
    DefinitionsGrid *earnings_ = nullptr;
    QPushButton *exit_ = nullptr;
    QAction *addSlot_ = nullptr;
    QAction *seyyanen_ = nullptr;
};

/// Main-menu command "Ünvan-Kesinti Gelir-Tanımları" (opens on `page`).
void openDefinitions(QWidget *parent, Session &session, int page = DefinitionsDialog::TitlesPage);

}  // namespace zeran::definitions
