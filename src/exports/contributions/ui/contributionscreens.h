#pragma once
// The contribution module's screens: the declaration-file screen "EMEKLİ KESENEĞİ " with its
// correction dialog "PERSONEL BİLGİLERİ", the ledger screen "EMEKLİ KESENEKLERİ" with the
// yearly summary, and the voucher screen "Emekli Kesenekleri İcmal ve İhbar Fişi".

#include "contributionfile.h"
#include "contributionstore.h"
#include "document.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QPrinter;
class QStackedWidget;
class QTableWidget;

namespace zeran {
class Session;
}

namespace zeran::ui {
class Prompter;
class CodeCombo;
class DateEdit;
}  // namespace zeran::ui

namespace zeran::contributions::ui {

/// Where the prints go: the printer dialog, the preview and the printer. Tests record them.
class PrintOutlet {
public:
    virtual ~PrintOutlet() = default;
    /// The printer dialog; false when cancelled (nothing is printed then).
    virtual bool choosePrinter(QWidget *parent) = 0;
    virtual void preview(QWidget *parent, const report::Document &doc) = 0;
    virtual void print(const report::Document &doc) = 0;
};
/// The real printer, kept between prints.
class PrinterOutlet : public PrintOutlet {
public:
    PrinterOutlet();
    ~PrinterOutlet() override;
    bool choosePrinter(QWidget *parent) override;
    void preview(QWidget *parent, const report::Document &doc) override;
    void print(const report::Document &doc) override;

private:
    std::unique_ptr<QPrinter> printer_;
};

/// "PERSONEL BİLGİLERİ": the retirement and identity numbers, the insurance kind and the
/// promotion date of a person, saved in one unit of work.
class CorrectionDialog : public QDialog {
    Q_OBJECT
public:
    CorrectionDialog(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, const PersonCorrection &person);
    /// "Kayıt": true when saved (the dialog is then accepted).
    bool save();
    const PersonCorrection &saved() const { return after_; }

private:
    Session &session_;
    zeran::ui::Prompter &prompter_;
    PersonCorrection before_, after_;
    QLineEdit *emsno_, *tckno_;
    zeran::ui::CodeCombo *gsstur_;
    zeran::ui::DateEdit *tertar_;
};

/// "EMEKLİ KESENEĞİ ": the month's contributions of one insurance kind and its file.
class ContributionFileDialog : public QDialog {
    Q_OBJECT
public:
    ContributionFileDialog(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, int month = 0);

    /// SORGULA: the selection for the chosen month, kind, payroll kind and order.
    void select();
    /// "Dosya Oluştur".
    void makeFile();
    /// "Personel Düzenle" on row `row` of the shown grid.
    void editPerson(int row);
    /// Opens the correction dialog (tests replace it: run the dialog and return whether saved).
    std::function<bool(CorrectionDialog &)> runCorrection;

    const std::vector<ContributionLine> &lines() const { return lines_; }
    QTableWidget *shownGrid() const;
    QString path() const;

private:
    void recomputePath();
    void fill(QTableWidget *grid, bool fund);
    Regime regime() const;
    PayrollChoice payroll() const;

    Session &session_;
    zeran::ui::Prompter &prompter_;
    QComboBox *month_;
    zeran::ui::CodeCombo *kind_, *payrollKind_, *order_;
    QLineEdit *path_;
    QStackedWidget *grids_;
    QTableWidget *fundGrid_, *lawGrid_;
    std::vector<ContributionLine> lines_;
    FileInput input_;
};

/// "EMEKLİ KESENEKLERİ": the ledger of a unit's people and the yearly summary.
class LedgerDialog : public QDialog {
    Q_OBJECT
public:
    LedgerDialog(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, PrintOutlet &outlet);

    void chooseUnit(int index);
    void choosePerson(int row);
    /// Saves row `row` of the ledger grid as typed (a new row when it was the empty last one).
    bool saveRow(int row);
    /// "Yıllık İcmal Yazdır" (`onePerson` false) or "Tek Yazdır".
    void printSummary(bool onePerson);

    QComboBox *unitBox() const { return unit_; }
    QTableWidget *people() const { return people_; }
    QTableWidget *ledger() const { return ledger_; }
    int unitCode() const { return bkod_; }

private:
    void loadLedger();

    Session &session_;
    zeran::ui::Prompter &prompter_;
    PrintOutlet &outlet_;
    std::vector<std::pair<int, QString>> units_;
    std::vector<LedgerPerson> persons_;
    std::vector<LedgerRow> rows_;
    int bkod_ = 0;
    bool filling_ = false;
    QComboBox *unit_;
    QLabel *unitCodeLabel_;
    QTableWidget *people_, *ledger_;
};

/// "Emekli Kesenekleri İcmal ve İhbar Fişi".
class VoucherDialog : public QDialog {
    Q_OBJECT
public:
    VoucherDialog(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, PrintOutlet &outlet);

    void chooseUnit(int index);
    /// "Yazdır".
    void printVoucher();
    const VoucherFigures &figures() const { return figures_; }
    QComboBox *unitBox() const { return unit_; }

private:
    Session &session_;
    zeran::ui::Prompter &prompter_;
    PrintOutlet &outlet_;
    std::vector<std::pair<int, QString>> units_;
    VoucherFigures figures_;
    QComboBox *unit_;
    zeran::ui::DateEdit *paymentDate_, *issueDate_;
    QLineEdit *bank_, *branch_, *correspondent_, *officer_, *officerTitle_;
    std::vector<QLineEdit *> boxes_;
};

void openContributionFile(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, int month = 0);
void openLedger(QWidget *parent, Session &session, zeran::ui::Prompter &prompter);
void openVoucher(QWidget *parent, Session &session, zeran::ui::Prompter &prompter);

}  // namespace zeran::contributions::ui
