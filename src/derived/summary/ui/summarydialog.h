#pragma once
// "MAAŞ İCMAL BORDROSU": the month's summary of the stored rows in one of four modes. The
// calling screen passes the mode, its unit (BKOD, 0 = "TÜMÜ") and, in the monthly mode's
// "Tek Kişi", the person; the screen totals, shows and prints and keeps nothing after it closes.

#include "summary.h"
#include "summaryloader.h"

#include <QDialog>
#include <QPrinter>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;

namespace zeran {
class Session;
}
namespace zeran::ui {
class Prompter;
}

namespace zeran::summary {

/// How a calling screen opens the summary.
struct SummaryOpening {
    SummaryMode mode = SummaryMode::Monthly;
    QString year;        ///< working year
    int month = 0;       ///< working month
    int unit = 0;        ///< the caller's unit (BKOD); 0 = "TÜMÜ"
    int person = 0;      ///< PKAYNO in the monthly "Tek Kişi"; 0 otherwise
    QString periodText;  ///< "Maaş Dönemi :" of the monthly mode
};

class SummaryDialog : public QDialog {
    Q_OBJECT
public:
    SummaryDialog(QWidget *parent, db::Database &db, ui::Prompter &prompter, const SummaryOpening &opening);

    /// The summary shown now.
    const Summary &summary() const { return summary_; }
    /// The BKOD chosen in "Birimi" (0 = "TÜMÜ").
    int chosenUnit() const;
    /// The text shown beside a screen caption; empty when the line is not shown.
    QString shownValue(const QString &screenCaption) const;
    /// Warns when the period has no rates; called once the dialog is shown.
    void warnAboutRates();

private:
    void recompute();
    void showLines();
    void print();

    db::Database &db_;
    ui::Prompter &prompter_;
    SummaryOpening opening_;
    Summary summary_;
    QComboBox *unitBox_ = nullptr;
    QGroupBox *earnings_ = nullptr, *deductions_ = nullptr, *counts_ = nullptr;
    QPrinter printer_;
};

/// Opens the summary modally over `parent`.
void openSummary(QWidget *parent, Session &session, ui::Prompter &prompter, const SummaryOpening &opening);

}  // namespace zeran::summary
