#pragma once
// "FARK BORDROLARI": the difference payroll (main menu "Fark Bordrosu") and its inflation
// variant ("Enflasyon Farkı Bordrosu"). The grid is computed live from the pay records and
// both periods' rates; "Bordro Yazdır" makes the payroll (differencemake.h) and previews its
// document; "Nakit Yazdır" and "Maaş İcmali" open the posting and the summary through the
// openers the program gives (this module knows neither screen).

#include "differencemake.h"
#include "document.h"

#include <QDialog>
#include <QPrinter>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QStandardItemModel;
class QTableView;

namespace zeran {
class Session;
}
namespace zeran::ui {
class Prompter;
}

namespace zeran::difference::ui {

inline constexpr const char *kScreenTitle = "FARK BORDROLARI";
inline constexpr const char *kChooseUnit = "Birim Seçimi Yapınız";

/// What "Nakit Yazdır" hands to the posting screen.
struct CashOpening {
    int unit = 0;  ///< BKOD; 0 with "TÜMÜ" of the inflation payroll
    QString unitName;
    int month = 0;
    QString monthText;
    QString kindCode;  ///< "2" or "8"
};

/// The screens and dialogs the payroll screen reaches outside this module.
struct Openers {
    std::function<void(QWidget *, const CashOpening &)> cash;
    std::function<void(QWidget *, Kind, int unit)> summary;
    /// The printer dialog; false: cancelled. Default: report::choosePrinter.
    std::function<bool(QWidget *, QPrinter &)> choosePrinter;
    /// The preview of the made payroll's document. Default: report::preview.
    std::function<void(QWidget *, QPrinter &, const report::Document &)> preview;
};

class DifferenceScreen : public QDialog {
    Q_OBJECT
public:
    DifferenceScreen(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, Kind kind, Openers openers);

    /// The rows on screen, one per pay record, with what they show.
    const MakeResult &shown() const { return shown_; }
    QStandardItemModel *model() const { return model_; }
    /// The request the screen's fields make now.
    MakeRequest request() const;

    /// SORGULA: the rates and the selection read again, the grid computed.
    void reload();
    /// "Bordro Yazdır".
    void printPayroll();
    /// "Nakit Yazdır".
    void openCash();

private:
    QString unitText() const;

    Session &session_;
    zeran::ui::Prompter &prompter_;
    Kind kind_;
    Openers openers_;
    MakeResult shown_;
    bool ratesWarned_ = false;
    QComboBox *unitBox_ = nullptr;
    QLabel *period_ = nullptr;
    QLabel *dKatsayi_ = nullptr, *dYod_ = nullptr, *kak_ = nullptr, *dTak_ = nullptr;
    QLineEdit *monthDays_ = nullptr, *diffDays_ = nullptr, *lateRate_ = nullptr;
    QCheckBox *retirement_ = nullptr, *gss_ = nullptr;
    QTableView *grid_ = nullptr;
    QStandardItemModel *model_ = nullptr;
    QPrinter printer_;
};

/// Opens the screen modally over `parent`.
void openDifferenceScreen(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, Kind kind, Openers openers);

}  // namespace zeran::difference::ui
