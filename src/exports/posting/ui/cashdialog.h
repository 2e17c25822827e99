#pragma once
// "NAKİT (Otomatik)": a payroll's account lines prepared from its unit's plan into the user's
// work table, the entry's five totals, the payment order ("Yazdır") and the posting into the
// accounting database ("Muhasebeye Aktar"). Closing deletes the user's prepared lines.

#include "postingstore.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QTableWidget;
class QPushButton;

namespace zeran {
class Session;
namespace report {
struct Document;
}
namespace ui {
class Prompter;
class CodeCombo;
class DateEdit;
}  // namespace ui
}  // namespace zeran

namespace zeran::posting {

/// What the calling payroll screen passes.
struct CashRequest {
    int unit = 0;            ///< 0: no unit chosen (the combined-payment unit's plan is used)
    QString unitName;        ///< "Birimi"
    int month = 0;
    QString monthText;       ///< "Hesap Ayı"
    QString kindCode = QStringLiteral("1");
    std::optional<int> person;  ///< PKOD in single-person mode
};

class CashDialog : public QDialog {
    Q_OBJECT
public:
    enum Column { HESNO, K1, K2, K3, K4, F1, F2, F3, F4, FT, E1, E2, E3, E4, BORC, ALACAK, ACIK, ColumnCount };

    CashDialog(Session &session, ui::Prompter &prompter, const CashRequest &request, QWidget *parent = nullptr);
    ~CashDialog() override;

    const std::vector<PreparedLine> &lines() const { return lines_; }
    const Totals &totals() const { return totals_; }
    QTableWidget *grid() const { return grid_; }
    QLabel *totalLabel(int i) const { return totalLabels_[i]; }
    QLabel *journalLabel() const { return journal_; }
    QLabel *kindLabel() const { return kind_; }
    QLineEdit *purposeEdit() const { return purpose_; }
    QPushButton *printButton() const { return print_; }
    QPushButton *postButton() const { return post_; }
    bool prepared() const { return request_.has_value(); }

    /// Prints a document (replaced by tests): the printer is chosen first; cancelling prints
    /// nothing. Previewed when the settings ask for it.
    std::function<void(const report::Document &)> printer;

public slots:
    /// "Yeniden Hesapla": the five totals from the grid's rows as they are now.
    void recompute();
    /// "Yazdır".
    void printOrder();
    /// "Muhasebeye Aktar".
    void postEntry();
    void done(int r) override;

private:
    void prepare();
    void fillGrid();
    void showTotals();
    void showJournalNumber();
    void amountEdited(int row, int column);
    std::optional<PlanHeader> headerFromFields() const;

    Session &session_;
    ui::Prompter &prompter_;
    CashRequest cash_;
    std::optional<PostingRequest> request_;
    std::optional<PlanHeader> header_;
    std::vector<PreparedLine> lines_;
    Totals totals_;
    std::optional<qint64> yevno_;
    bool filling_ = false;

    QLabel *unit_;
    QLabel *month_;
    QLabel *kind_;
    QLabel *journal_;
    ui::DateEdit *date_;
    QLineEdit *purpose_;
    ui::CodeCombo *payee_;
    ui::CodeCombo *accountingUnit_;
    QLineEdit *attachments_;
    QTableWidget *grid_;
    QLabel *totalLabels_[5];
    QPushButton *print_;
    QPushButton *post_;
};

/// Opens the cash screen for a payroll; an empty unit name is read from the unit.
void openCash(QWidget *parent, Session &session, ui::Prompter &prompter, CashRequest request);

}  // namespace zeran::posting
