#pragma once
// "SENDİKA LİSTESİ": the union dues of every payroll kind between two dates (by the rows'
// periods), one unit or all, with the total and the printed list. Only reads.

#include "database.h"
#include "views.h"

#include <QDialog>
#include <QPrinter>

#include <functional>

class QComboBox;
class QLabel;
class QStandardItemModel;
class QTableView;

namespace zeran {
struct WorkingContext;
}
namespace zeran::ui {
class DateEdit;
class Prompter;
}

namespace zeran::lists {

class UnionDetailDialog : public QDialog {
    Q_OBJECT
public:
    UnionDetailDialog(QWidget *parent, db::Database &db, WorkingContext &context, ui::Prompter &prompter);

    const std::vector<UnionDue> &rows() const { return rows_; }
    Money total() const { return total_; }
    /// Replaces the preview (tests).
    void setOutput(std::function<void(const report::Document &)> output) { output_ = std::move(output); }

    void relist();
    void print();

private:
    db::Database &db_;
    WorkingContext &context_;
    ui::Prompter &prompter_;
    std::vector<UnionDue> rows_;
    Money total_;
    ui::DateEdit *from_ = nullptr;
    ui::DateEdit *to_ = nullptr;
    QComboBox *unitBox_ = nullptr;
    QTableView *grid_ = nullptr;
    QStandardItemModel *model_ = nullptr;
    QLabel *totalLabel_ = nullptr;
    QPrinter printer_;
    std::function<void(const report::Document &)> output_;
};

}  // namespace zeran::lists
