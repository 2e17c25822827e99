#pragma once
// The three views the payroll screen opens on its unit and person: "BORDRO KESİNTİLERİ" (the
// unit's special-deduction amounts, edited in place when the user may change section "3"),
// "YILLIK KESİNTİ LİSTESİ" (the person's deductions over a year) and "GEÇMİŞ AY BİLGİLERİ"
// (the person's past months, with the print "BORDRO LİSTESİ").

#include "database.h"
#include "views.h"

#include <QDialog>
#include <QPrinter>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QStandardItem;
class QStandardItemModel;
class QTableView;

namespace zeran {
class Session;
struct WorkingContext;
}
namespace zeran::ui {
class Prompter;
}

namespace zeran::lists {

class DeductionsDialog : public QDialog {
    Q_OBJECT
public:
    DeductionsDialog(QWidget *parent, db::Database &db, WorkingContext &context, ui::Prompter &prompter, int bkod,
                     bool mayChange);

    const std::vector<DeductionRecord> &rows() const { return rows_; }
    QTableView *grid() const { return grid_; }
    /// "ALT TOPLAM" as shown: the five sums and their sum.
    QStringList totalsShown() const;
    /// True once an amount was stored (the payroll screen then reloads).
    bool changed() const { return changed_; }

private:
    void load();
    void amountEdited(QStandardItem *item);
    void showTotals();

    db::Database &db_;
    WorkingContext &context_;
    ui::Prompter &prompter_;
    int bkod_;
    bool mayChange_;
    bool changed_ = false;
    bool filling_ = false;
    std::vector<DeductionRecord> rows_;
    QTableView *grid_ = nullptr;
    QStandardItemModel *model_ = nullptr;
    std::array<QLabel *, 6> totals_{};
};

class YearlyDeductionsDialog : public QDialog {
    Q_OBJECT
public:
    YearlyDeductionsDialog(QWidget *parent, db::Database &db, WorkingContext &context, ui::Prompter &prompter,
                           int pkayno, int bkod, const QString &name);

    QLineEdit *yearEdit() const { return year_; }
    const std::vector<YearlyDeduction> &rows() const { return rows_; }
    QStringList totalsShown() const;

private:
    void relist();

    db::Database &db_;
    ui::Prompter &prompter_;
    int pkayno_, bkod_;
    std::vector<YearlyDeduction> rows_;
    QLineEdit *year_ = nullptr;
    QStandardItemModel *model_ = nullptr;
    std::array<QLabel *, 7> totals_{};
};

class PastMonthsDialog : public QDialog {
    Q_OBJECT
public:
    PastMonthsDialog(QWidget *parent, Session &session, ui::Prompter &prompter, int bkod, int pkayno);

    const std::vector<PastMonth> &rows() const { return rows_; }
    const PastPerson &person() const { return person_; }
    QLineEdit *yearEdit() const { return year_; }
    QLineEdit *monthEdit() const { return month_; }
    /// Moves the panel by `step` people (record navigation) and reads the rows.
    void move(int step);
    /// The panel on person `pkayno`; `anyUnit` reads the rows without the unit condition.
    void showPerson(int pkayno, bool anyUnit);
    void relist();
    /// Replaces the printer set-up and preview (tests).
    void setOutput(std::function<bool(QPrinter &)> chooser, std::function<void(const report::Document &)> output)
    {
        chooser_ = std::move(chooser);
        output_ = std::move(output);
    }
    void print();

private:
    void find();
    void showPanel();

    Session &session_;
    db::Database &db_;
    ui::Prompter &prompter_;
    int bkod_;
    bool anyUnit_ = false;
    std::vector<PastPerson> people_;
    int index_ = -1;
    PastPerson person_;
    std::vector<PastMonth> rows_;
    std::array<QLineEdit *, 4> panel_{};
    QLineEdit *year_ = nullptr;
    QLineEdit *month_ = nullptr;
    QStandardItemModel *model_ = nullptr;
    QPrinter printer_;
    std::function<bool(QPrinter &)> chooser_;
    std::function<void(const report::Document &)> output_;
};

/// The payroll screen's "Kesintiler": true when an amount was changed.
bool openDeductions(QWidget *parent, Session &session, ui::Prompter &prompter, int bkod);
/// The payroll screen's "Kes.İcmali".
void openYearlyDeductions(QWidget *parent, Session &session, ui::Prompter &prompter, int pkayno, int bkod);
/// The payroll screen's "Geçmiş Bord.".
void openPastMonths(QWidget *parent, Session &session, ui::Prompter &prompter, int bkod, int pkayno);

}  // namespace zeran::lists
