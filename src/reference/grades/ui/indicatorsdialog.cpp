#include "indicatorsdialog.h"

#include "commandbar.h"
#include "gridsetup.h"
#include "prompter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeran::grades::ui {

namespace {

/// A whole number typed in a cell; 0 for an empty or unreadable one.
int cellInt(const QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text().trimmed().toInt() : 0;
}

bool rowBlank(const QTableWidget *grid, int row)
{
    for (int c = 0; c < grid->columnCount(); ++c) {
        if (const QTableWidgetItem *item = grid->item(row, c); item && !item->text().trimmed().isEmpty())
            return false;
    }
    return true;
}

}  // namespace

IndicatorsDialog::IndicatorsDialog(db::Database &db, zeran::ui::Prompter &prompter, QWidget *parent)
    : QDialog(parent), db_(db), prompter_(prompter)
{
    setWindowTitle(QStringLiteral("GÖSTERGE TANIMLARI"));
    auto *layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    layout->addWidget(tabs_);

    indicators_ = new QTableWidget(this);
    indicators_->setObjectName(QStringLiteral("indicatorGrid"));
    indicators_->setColumnCount(kSteps + 1);
    QStringList labels{QStringLiteral("D/K")};
    for (int k = 1; k <= kSteps; ++k)
        labels << QString::number(k);
    indicators_->setHorizontalHeaderLabels(labels);
    zeran::ui::setUpGrid(indicators_, zeran::ui::GridEditing::InPlace);
    tabs_->addTab(indicators_, QStringLiteral("Gösterge"));

    auto *extra = new QWidget(this);
    auto *extraLayout = new QVBoxLayout(extra);
    auto *classRow = new QHBoxLayout;
    classRow->addWidget(new QLabel(QStringLiteral("Hizmet Sınıfı"), extra));
    classBox_ = new QComboBox(extra);
    classBox_->setObjectName(QStringLiteral("classBox"));
    classRow->addWidget(classBox_, 1);
    extraLayout->addLayout(classRow);
    supplementary_ = new QTableWidget(extra);
    supplementary_->setObjectName(QStringLiteral("supplementaryGrid"));
    supplementary_->setColumnCount(3);
    supplementary_->setHorizontalHeaderLabels(
        {QStringLiteral("Hizmet Alt Sınıfı"), QStringLiteral("Derece"), QStringLiteral("Ek Göstergesi")});
    zeran::ui::setUpGrid(supplementary_, zeran::ui::GridEditing::InPlace);
    extraLayout->addWidget(supplementary_);
    tabs_->addTab(extra, QStringLiteral("Ek Gösterge"));

    auto *bar = new QHBoxLayout;
    bar->addStretch();
    QPushButton *close = zeran::ui::commandButton(QStringLiteral("ESC-Çıkış"), QStringLiteral("closeButton"), this);
    bar->addWidget(close);
    layout->addLayout(bar);
    connect(close, &QPushButton::clicked, this, &IndicatorsDialog::reject);

    connect(indicators_, &QTableWidget::cellChanged, this, [this] {
        if (!filling_)
            keepTrailingRow(indicators_);
    });
    connect(supplementary_, &QTableWidget::cellChanged, this, [this] {
        if (!filling_)
            keepTrailingRow(supplementary_);
    });
    connect(classBox_, &QComboBox::activated, this, [this](int index) { chooseClass(index); });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (filling_)
            return;
        // Leaving a tab stores its table; a refused one brings the tab back.
        const int left = index == 0 ? 1 : 0;
        const bool stored = left == 0 ? storeIndicators() : storeSupplementary();
        if (!stored) {
            filling_ = true;
            tabs_->setCurrentIndex(left);
            filling_ = false;
        }
    });
    indicators_->installEventFilter(this);
    supplementary_->installEventFilter(this);
    resize(820, 520);
}

bool IndicatorsDialog::load()
{
    try {
        fillIndicators(readIndicators(db_));
        classes_ = serviceClasses(db_);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    filling_ = true;
    classBox_->clear();
    for (const ServiceClass &c : classes_)
        classBox_->addItem(c.SINIF, c.SNFKOD);
    filling_ = false;
    shownClass_ = -1;
    return classes_.empty() ? true : chooseClass(0);
}

void IndicatorsDialog::fillIndicators(const std::vector<IndicatorRow> &rows)
{
    filling_ = true;
    indicators_->setRowCount(0);
    indicators_->setRowCount(int(rows.size()) + 1);
    for (int r = 0; r < int(rows.size()); ++r) {
        indicators_->setItem(r, 0, new QTableWidgetItem(QString::number(rows[std::size_t(r)].DER)));
        for (int k = 1; k <= kSteps; ++k)
            indicators_->setItem(r, k, new QTableWidgetItem(QString::number(rows[std::size_t(r)].K[std::size_t(k - 1)])));
    }
    filling_ = false;
}

void IndicatorsDialog::addSupplementaryRow(const SupplementaryRow &r)
{
    const int row = supplementary_->rowCount();
    supplementary_->insertRow(row);
    auto *box = new QComboBox(supplementary_);
    box->addItem(QString(), QString());
    for (const SubClass &s : subClasses_)
        box->addItem(s.ACIK, s.ALTKOD);
    const int at = box->findData(r.ALTKOD);
    box->setCurrentIndex(at < 0 ? 0 : at);
    connect(box, &QComboBox::activated, this, [this] { keepTrailingRow(supplementary_); });
    supplementary_->setCellWidget(row, SubClassColumn, box);
    supplementary_->setItem(row, GradeColumn, new QTableWidgetItem(r.DER ? QString::number(r.DER) : QString()));
    supplementary_->setItem(row, ValueColumn,
                            new QTableWidgetItem(r.DER || r.EKGOS ? QString::number(r.EKGOS, 'g', 12) : QString()));
}

void IndicatorsDialog::fillSupplementary(const std::vector<SupplementaryRow> &rows)
{
    filling_ = true;
    supplementary_->setRowCount(0);
    for (const SupplementaryRow &r : rows)
        addSupplementaryRow(r);
    addSupplementaryRow({});
    filling_ = false;
}

void IndicatorsDialog::keepTrailingRow(QTableWidget *grid)
{
    const int last = grid->rowCount() - 1;
    bool blank = last < 0 || rowBlank(grid, last);
    if (grid == supplementary_ && last >= 0) {
        if (auto *box = qobject_cast<QComboBox *>(grid->cellWidget(last, SubClassColumn)); box && box->currentIndex() > 0)
            blank = false;
    }
    if (blank)
        return;
    filling_ = true;
    if (grid == supplementary_)
        addSupplementaryRow({});
    else
        grid->insertRow(grid->rowCount());
    filling_ = false;
}

bool IndicatorsDialog::storeIndicators()
{
    std::vector<IndicatorRow> rows;
    std::vector<int> gridRows;
    for (int r = 0; r < indicators_->rowCount(); ++r) {
        if (rowBlank(indicators_, r))
            continue;
        IndicatorRow row;
        row.DER = cellInt(indicators_, r, 0);
        for (int k = 1; k <= kSteps; ++k)
            row.K[std::size_t(k - 1)] = cellInt(indicators_, r, k);
        rows.push_back(row);
        gridRows.push_back(r);
    }
    try {
        if (const std::optional<TableProblem> problem = saveIndicators(db_, rows)) {
            prompter_.inform(this, problem->message);
            indicators_->setCurrentCell(gridRows[std::size_t(problem->row)], 0);
            return false;
        }
        fillIndicators(readIndicators(db_));
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    return true;
}

bool IndicatorsDialog::storeSupplementary()
{
    if (shownClass_ < 0)
        return true;
    std::vector<SupplementaryRow> rows;
    std::vector<int> gridRows;
    for (int r = 0; r < supplementary_->rowCount(); ++r) {
        SupplementaryRow row;
        row.SNFKOD = shownClass_;
        if (auto *box = qobject_cast<QComboBox *>(supplementary_->cellWidget(r, SubClassColumn)))
            row.ALTKOD = box->currentData().toString();
        row.DER = cellInt(supplementary_, r, GradeColumn);
        if (const QTableWidgetItem *item = supplementary_->item(r, ValueColumn))
            row.EKGOS = item->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        // A row without a grade is not a row: it is dropped, not stored.
        if (row.DER < 1)
            continue;
        rows.push_back(row);
        gridRows.push_back(r);
    }
    try {
        if (const std::optional<TableProblem> problem = saveSupplementary(db_, shownClass_, rows)) {
            prompter_.inform(this, problem->message);
            supplementary_->setCurrentCell(gridRows[std::size_t(problem->row)], GradeColumn);
            return false;
        }
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    return true;
}

bool IndicatorsDialog::storeCurrent()
{
    return tabs_->currentIndex() == 0 ? storeIndicators() : storeSupplementary();
}

bool IndicatorsDialog::chooseClass(int index)
{
    if (index < 0 || index >= int(classes_.size()))
        return false;
    if (!storeSupplementary()) {
        filling_ = true;
        classBox_->setCurrentIndex(classBox_->findData(shownClass_));
        filling_ = false;
        return false;
    }
    const int snfkod = classes_[std::size_t(index)].SNFKOD;
    try {
        subClasses_ = subClasses(db_, snfkod);
        const std::vector<SupplementaryRow> rows = readSupplementary(db_, snfkod);
        shownClass_ = snfkod;
        fillSupplementary(rows);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    filling_ = true;
    classBox_->setCurrentIndex(index);
    filling_ = false;
    return true;
}

void IndicatorsDialog::reject()
{
    if (!storeIndicators() || !storeSupplementary())
        return;
    QDialog::reject();
}

bool IndicatorsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        auto *grid = qobject_cast<QTableWidget *>(watched);
        if (grid && key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) {
            const int row = grid->currentRow();
            if (row >= 0 && row < grid->rowCount() - 1) {
                filling_ = true;
                grid->removeRow(row);
                filling_ = false;
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zeran::grades::ui
