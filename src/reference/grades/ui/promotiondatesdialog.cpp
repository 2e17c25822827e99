#include "promotiondatesdialog.h"

#include "calendar.h"
#include "commandbar.h"
#include "dateedit.h"
#include "gridsetup.h"
#include "prompter.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeran::grades::ui {

PromotionDatesDialog::PromotionDatesDialog(db::Database &db, zeran::ui::Prompter &prompter, QWidget *parent)
    : QDialog(parent), db_(db), prompter_(prompter)
{
    setWindowTitle(QStringLiteral("TERFİ TARİHLERİ"));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(QStringLiteral("PERONEL TERFİ TARİHLERİ"), this);
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("datesGrid"));
    grid_->setColumnCount(4);
    grid_->setHorizontalHeaderLabels({QStringLiteral("Kodu"), QStringLiteral("Adı ve Soyadı"),
                                      QStringLiteral("Emekli Sicil No"), QStringLiteral("Terfi Tarihi")});
    zeran::ui::setUpGrid(grid_, zeran::ui::GridEditing::InPlace);
    grid_->verticalHeader()->hide();
    layout->addWidget(grid_);
    auto *bar = new QHBoxLayout;
    bar->addStretch();
    QPushButton *close = zeran::ui::commandButton(QStringLiteral("Çıkış"), QStringLiteral("closeButton"), this);
    bar->addWidget(close);
    layout->addLayout(bar);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(grid_, &QTableWidget::cellChanged, this, &PromotionDatesDialog::cellChanged);
    resize(620, 480);
}

bool PromotionDatesDialog::load()
{
    try {
        rows_ = promotionDates(db_);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    filling_ = true;
    grid_->setRowCount(int(rows_.size()));
    for (int r = 0; r < int(rows_.size()); ++r) {
        const PromotionDate &d = rows_[std::size_t(r)];
        const QString texts[] = {QString::number(d.key.PKOD), d.ADSOY, d.EMSNO, cal::dateText(d.TERTAR)};
        for (int c = 0; c < 4; ++c) {
            auto *item = new QTableWidgetItem(texts[c]);
            if (c != DateDate)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            grid_->setItem(r, c, item);
        }
    }
    filling_ = false;
    return true;
}

bool PromotionDatesDialog::setDateText(int row, const QString &text)
{
    if (row < 0 || row >= int(rows_.size()))
        return false;
    PromotionDate &d = rows_[std::size_t(row)];
    const QString trimmed = text.trimmed();
    QDate date;
    if (!trimmed.isEmpty()) {
        const std::optional<QDate> parsed = cal::parseDateText(trimmed);
        if (!parsed) {
            prompter_.inform(this, zeran::ui::invalidDateMessage(trimmed));
            return false;
        }
        date = *parsed;
    }
    try {
        setPromotionDate(db_, d.key, date);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    d.TERTAR = date;
    return true;
}

void PromotionDatesDialog::cellChanged(int row, int column)
{
    if (filling_ || column != DateDate)
        return;
    setDateText(row, grid_->item(row, column)->text());
    // The cell shows what the record holds: the stored date, or the old one after a refusal.
    filling_ = true;
    grid_->item(row, column)->setText(cal::dateText(rows_[std::size_t(row)].TERTAR));
    filling_ = false;
}

}  // namespace zeran::grades::ui
