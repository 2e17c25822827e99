#pragma once
// "VERGİ İADE BORDROSU": the minimum-living-allowance list of a month of the working year for
// one unit or all, and its printed form. Only reads; choosing a unit makes it the working
// context's active unit.

#include "allowance.h"
#include "database.h"

#include <QDialog>
#include <QPrinter>

class QComboBox;
class QLineEdit;
class QStandardItemModel;
class QTableView;

namespace zeran {
class Session;
struct WorkingContext;
}
namespace zeran::ui {
class Prompter;
}

namespace zeran::summary {

class AllowanceDialog : public QDialog {
    Q_OBJECT
public:
    AllowanceDialog(QWidget *parent, db::Database &db, WorkingContext &context, ui::Prompter &prompter);

    const AllowanceList &list() const { return list_; }

private:
    void relist();
    void print();

    db::Database &db_;
    WorkingContext &context_;
    ui::Prompter &prompter_;
    AllowanceList list_;
    QComboBox *unitBox_ = nullptr;
    QComboBox *monthBox_ = nullptr;
    QLineEdit *minimumWage_ = nullptr;
    QTableView *grid_ = nullptr;
    QStandardItemModel *model_ = nullptr;
    QPrinter printer_;
};

/// "A.G.İndirim Bordrosu" of the main menu.
void openAllowanceList(QWidget *parent, Session &session, ui::Prompter &prompter);

}  // namespace zeran::summary
