#pragma once
// "PERSONEL DETAY BİLGİLERİ": the garnishment orders or the service-debt purchases of one
// person, with the total of all of them, what has been deducted so far and what remains.
// Rows typed here stay on the screen until "Kayıt" stores them all at once; "İptal" (and
// closing the window) leaves without storing anything.

#include "ledgers.h"
#include "ledgerstore.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace zeran {
class Session;
namespace ui {
class Prompter;
}
}  // namespace zeran

namespace zeran::ledgers::ui {

class DebtModel;
class LedgerGrid;
class RunningDebtFilter;

class DebtLedgerDialog : public QDialog {
    Q_OBJECT
public:
    DebtLedgerDialog(Session &session, zeran::ui::Prompter &prompter, DebtKind kind, int pkayno,
                     QWidget *parent = nullptr);

    /// Reads the person, the ledger and the deductions made so far; false (after the
    /// message) when the database cannot be read.
    bool load();

    DebtKind kind() const { return kind_; }
    DebtModel *model() const { return model_; }
    LedgerGrid *grid() const { return grid_; }
    DebtTotals totals() const { return totals_; }
    /// True when "Kayıt" stored the changes.
    bool stored() const { return stored_; }

public slots:
    /// "Kayıt": refuses a row without an amount ("DİKKAT.. Tutar Giriniz"), otherwise stores
    /// every change of this visit in one unit of work and closes.
    void save();
    /// "İptal": closes; nothing of this visit is stored.
    void reject() override;
    /// The hidden "Sil": removes the current row (deleted from the ledger by "Kayıt").
    void removeCurrent();
    /// Starts a new running row; refused while the current new or changed row has no amount.
    void newRow();

private:
    void applyFilter();
    void updateTotals();
    /// Makes a row of the model current, showing all rows when the filter hides it.
    void focusRow(int sourceRow, int column);

    Session &session_;
    zeran::ui::Prompter &prompter_;
    DebtKind kind_;
    int pkayno_;
    Money paid_;
    DebtTotals totals_;
    bool stored_ = false;

    DebtModel *model_ = nullptr;
    RunningDebtFilter *filter_ = nullptr;
    LedgerGrid *grid_ = nullptr;
    QLabel *name_ = nullptr;
    QLabel *emsno_ = nullptr;
    QCheckBox *all_ = nullptr;
    QLabel *total_ = nullptr;
    QLabel *paidLabel_ = nullptr;
    QLabel *remaining_ = nullptr;
};

}  // namespace zeran::ledgers::ui
