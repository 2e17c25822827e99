#pragma once
// "NAKİT TANIMLARI (Otomatik)": the payment-order header and the account lines of one unit and
// cash kind, the three default plans, and the lookups into the accounting database. Changes
// are kept in the screen until "Kayıt (F5)" stores them in one unit of work; "Vazgeç (F6)"
// leaves the stored plan as it was.

#include "accountingstore.h"
#include "plans.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace zeran {
class Session;
namespace ui {
class Prompter;
class CodeCombo;
}  // namespace ui
}  // namespace zeran

namespace zeran::posting {

class PlanDialog : public QDialog {
    Q_OBJECT
public:
    enum Column { HKOD, TUR, DUR, ACIK, HESAP, HESAPDUR, KKOD, FKOD, FTIP, EKOD, CKOD, ColumnCount };

    PlanDialog(Session &session, ui::Prompter &prompter, int unit, const QString &naktur, QWidget *parent = nullptr);

    const std::vector<PlanLine> &lines() const { return lines_; }
    QTableWidget *grid() const { return grid_; }
    QComboBox *kindBox() const { return kindBox_; }
    QLabel *kindLabel() const { return kindLabel_; }
    ui::CodeCombo *accountingUnitBox() const { return accountingUnit_; }
    ui::CodeCombo *payeeBox() const { return payee_; }
    QLineEdit *purposeEdit() const { return purpose_; }
    QLineEdit *institutionEdit() const { return institution_; }
    QLineEdit *attachmentsEdit() const { return attachments_; }
    QList<QAction *> planActions() const { return planActions_; }
    QString cashKind() const { return naktur_; }

    /// The sub-dialogs; tests replace them. Each returns nullopt when nothing was chosen.
    std::function<std::optional<QString>(const QString &formula)> formulaEditor;
    std::function<std::optional<BudgetLine>(const QString &kkod)> budgetLookup;
    std::function<std::optional<int>(int current)> accountPicker;

public slots:
    /// Generates a default plan (context-menu items).
    void generate(posting::DefaultPlan plan);
    void addLine();
    void deleteLine();
    /// "..." of the current line's "Hesap", "Kurumsal K." and "Cari".
    void editFormula();
    void lookUpBudget();
    void pickAccount();
    /// "Kayıt (F5)": header and lines stored, the screen closes.
    void save();
    /// Another cash kind: its header and lines are loaded.
    void showKind(const QString &naktur);

private:
    void load();
    void fillGrid();
    void fillRow(int row);
    void cellEdited(int row, int column);
    PlanHeader headerFromFields() const;

    Session &session_;
    ui::Prompter &prompter_;
    int unit_;
    QString naktur_;
    bool accountingOpen_ = false;
    std::optional<Institution> inst_;
    PlanHeader header_;
    std::vector<PlanLine> lines_;
    bool filling_ = false;

    QComboBox *kindBox_;
    QLabel *kindLabel_;
    ui::CodeCombo *accountingUnit_;
    ui::CodeCombo *payee_;
    QLineEdit *purpose_;
    QLineEdit *institution_;
    QLineEdit *attachments_;
    QTableWidget *grid_;
    QList<QAction *> planActions_;
};

/// Opens the definitions of a unit for a cash kind (the kind that follows from the unit's
/// kind when empty).
void openPlanDefinitions(QWidget *parent, Session &session, ui::Prompter &prompter, int unit,
                         const QString &naktur = {});

}  // namespace zeran::posting
