#pragma once
// The widgets of "MAAŞ BORDROLARI": the selection bar, the pay-record page with its inputs
// bound to their ZERBORBIL columns, the "Maaşlar" grid with its rates and the command buttons.
// Building them is all this does; the screen wires what they do.

#include <array>
#include <memory>
#include <vector>

class QAbstractItemModel;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class QWidget;

namespace zeran::payrollscreen {

class FieldBinding;

/// What the screen reaches of its widgets.
struct PayrollForm {
    PayrollForm();
    PayrollForm(PayrollForm &&) noexcept;
    PayrollForm &operator=(PayrollForm &&) noexcept;
    ~PayrollForm();

    // Selection bar
    QComboBox *unitBox = nullptr;
    QComboBox *statusBox = nullptr;
    QRadioButton *allPeople = nullptr;
    QRadioButton *singlePerson = nullptr;
    QRadioButton *orderCode = nullptr;
    QRadioButton *orderRegistry = nullptr;
    QRadioButton *orderName = nullptr;
    QLabel *period = nullptr;

    // Pages
    QTabWidget *pages = nullptr;  ///< "Bordro Bilgileri", "Maaşlar"
    QTabWidget *recordPages = nullptr;
    QTableView *personList = nullptr;
    QTableView *payGrid = nullptr;
    std::vector<QWidget *> panels;  ///< the input groups locked in browse state
    std::vector<std::unique_ptr<FieldBinding>> bindings;
    QLineEdit *pkaynoShown = nullptr;
    QLineEdit *pkodShown = nullptr;
    QLineEdit *unitShown = nullptr;
    std::array<QLineEdit *, 6> rateFields{};  ///< KATSAYI, YOD, TAK, KAK, EYMM, INDIRIM

    // The person's commands on "Artış ve Diğer Bilgiler"
    QPushButton *childrenButton = nullptr;
    QPushButton *garnishmentsButton = nullptr;
    QPushButton *serviceDebtsButton = nullptr;

    // Command bar; the commands whose screens come later are built disabled.
    QPushButton *addButton = nullptr;
    QPushButton *editButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QPushButton *findButton = nullptr;
    QPushButton *quickEntryButton = nullptr;
    QPushButton *printButton = nullptr;
    QAction *printAll = nullptr;     ///< "Toplu Yaz" of printButton's menu
    QAction *printDetail = nullptr;  ///< "Detay Yaz"
    QPushButton *payslipButton = nullptr;
    QPushButton *closeButton = nullptr;
};

/// Builds the widgets into `screen`, which gets its layout; the person list shows `people`
/// and the grid `pay`.
PayrollForm buildPayrollForm(QWidget *screen, QAbstractItemModel *people, QAbstractItemModel *pay);

}  // namespace zeran::payrollscreen
