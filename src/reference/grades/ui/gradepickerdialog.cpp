#include "gradepickerdialog.h"

#include "database.h"
#include "gradestore.h"
#include "gridsetup.h"
#include "prompter.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeran::grades::ui {

GradePickerDialog::GradePickerDialog(db::Database &db, zeran::ui::Prompter &prompter, PickMode mode,
                                     const GradeRecord &record, const PaidValues &paid, int unit,
                                     const QString &currentText, int currentIndicator, QWidget *parent)
    : QDialog(parent), db_(db), prompter_(prompter), mode_(mode), record_(record), paid_(paid), unit_(unit)
{
    setWindowTitle(QStringLiteral("GÖSTERGE TABLOSU"));
    auto *layout = new QVBoxLayout(this);
    auto *header = new QHBoxLayout;
    header->addWidget(new QLabel(QStringLiteral(" MEVCUT D/K -  Gösterge"), this));
    currentText_ = new QLineEdit(currentText, this);
    currentText_->setObjectName(QStringLiteral("currentGrade"));
    currentText_->setReadOnly(true);
    currentIndicator_ = new QLineEdit(QString::number(currentIndicator), this);
    currentIndicator_->setObjectName(QStringLiteral("currentIndicator"));
    currentIndicator_->setReadOnly(true);
    header->addWidget(currentText_);
    header->addWidget(currentIndicator_);
    header->addStretch();
    layout->addLayout(header);

    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("indicatorGrid"));
    grid_->setColumnCount(kPickerSteps + 1);
    QStringList labels{QStringLiteral("D/K")};
    for (int k = 1; k <= kPickerSteps; ++k)
        labels << QString::number(k);
    grid_->setHorizontalHeaderLabels(labels);
    zeran::ui::setUpGrid(grid_);
    grid_->verticalHeader()->hide();
    layout->addWidget(grid_);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) { choose(row, column); });
    resize(760, 420);
}

bool GradePickerDialog::load()
{
    try {
        rows_ = pickerRows(readIndicators(db_));
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    grid_->setRowCount(int(rows_.size()));
    for (int r = 0; r < int(rows_.size()); ++r) {
        grid_->setItem(r, 0, new QTableWidgetItem(QString::number(rows_[std::size_t(r)].DER)));
        for (int k = 1; k <= kSteps; ++k)
            grid_->setItem(r, k, new QTableWidgetItem(QString::number(rows_[std::size_t(r)].K[std::size_t(k - 1)])));
    }
    return true;
}

void GradePickerDialog::choose(int row, int column)
{
    // Empty columns, the grade column and cells of 0 choose nothing: the picker stays open.
    const std::optional<Cell> cell = cellAt(rows_, row + 1, column);
    if (!cell)
        return;
    try {
        std::optional<UnitAllowance> allowance;
        if (mode_ == PickMode::Salary)
            allowance = unitAllowance(db_, unit_, cell->grade);
        std::optional<double> supplementary;
        if (record_.SNFKOD)
            supplementary = supplementaryIndicator(db_, *record_.SNFKOD, record_.SNFALTKOD, cell->grade);
        const Ask ask = [this](Question q) { return prompter_.ask(this, questionText(q)); };
        std::optional<GradeRecord> picked = pick(mode_, record_, paid_, *cell, allowance, supplementary, ask);
        if (!picked)
            return;
        result_ = picked;
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    accept();
}

}  // namespace zeran::grades::ui
