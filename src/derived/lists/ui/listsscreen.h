#pragma once
// "BORDRO LİSTELERİ": the thirteen payroll lists of the working year, one page at a time, by
// unit and month, with their grids and A4 prints; the union page opens the dues detail list
// ("SENDİKA LİSTESİ"). Only reads.

#include "database.h"
#include "listsloader.h"

#include <QDialog>
#include <QPrinter>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
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

class ListsScreen : public QDialog {
    Q_OBJECT
public:
    ListsScreen(QWidget *parent, db::Database &db, WorkingContext &context, ui::Prompter &prompter);
    ~ListsScreen() override;

    Page page() const { return page_; }
    /// What the grid shows now.
    const Table &table() const { return table_; }
    ListQuery query() const;
    PageOptions options() const;
    /// The printed list of the page shown (not the bank page).
    report::Document document() const;
    /// Replaces the printer dialog (tests): returns false to cancel, else fills the printer.
    void setPrinterChooser(std::function<bool(QPrinter &)> chooser) { chooser_ = std::move(chooser); }
    /// Replaces preview and printing (tests): receives the document and whether it is previewed.
    void setOutput(std::function<void(const report::Document &, bool preview)> output) { output_ = std::move(output); }

    void showPage(Page page);
    void print();
    void openUnionDetail();

private:
    void refresh();
    void updateOptionWidgets();

    db::Database &db_;
    WorkingContext &context_;
    ui::Prompter &prompter_;
    Page page_ = Page::Staff;
    Table table_;
    std::array<QString, 5> deductionNames_{};
    bool normalChosenAgain_ = false;
    bool loading_ = true;
    QListWidget *pageList_ = nullptr;
    QLabel *heading_ = nullptr;
    QComboBox *unitBox_ = nullptr;
    QComboBox *monthBox_ = nullptr;
    QLabel *period_ = nullptr;
    QComboBox *unionBox_ = nullptr;
    QComboBox *insuranceBox_ = nullptr;
    QComboBox *deductionBox_ = nullptr;
    QCheckBox *differenceBox_ = nullptr;
    QWidget *unionRow_ = nullptr;
    QWidget *insuranceRow_ = nullptr;
    QWidget *deductionRow_ = nullptr;
    QPushButton *detailButton_ = nullptr;
    QTableView *grid_ = nullptr;
    QStandardItemModel *model_ = nullptr;
    QPrinter printer_;
    std::function<bool(QPrinter &)> chooser_;
    std::function<void(const report::Document &, bool)> output_;
};

/// "Listeler" of the main menu and "Maaş Listeleri" of the payroll screen.
void openLists(QWidget *parent, Session &session, ui::Prompter &prompter);

}  // namespace zeran::lists
