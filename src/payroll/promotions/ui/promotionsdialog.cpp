#include "promotionsdialog.h"

#include "calendar.h"
#include "commandbar.h"
#include "gradepickerdialog.h"
#include "gradescreens.h"
#include "gridsetup.h"
#include "promotionstore.h"
#include "prompter.h"
#include "session.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeran::promotions::ui {

namespace {

QString number(const std::optional<int> &v)
{
    return v ? QString::number(*v) : QString();
}

bool editable(int column)
{
    return column == SupplementaryColumn || column == MonthsColumn || column == SeniorityColumn ||
           column == IncreaseColumn || column == SupplementaryDifferenceColumn;
}

}  // namespace

PromotionsDialog::PromotionsDialog(Session &session, zeran::ui::Prompter &prompter, int bkod, QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter), bkod_(bkod)
{
    setWindowTitle(QStringLiteral("TERFİ LİSTESİ"));
    const WorkingContext &ctx = session_.ctx;
    const int cyil = ctx.CYIL.toInt();
    const int ay = ctx.AY ? ctx.AY : ctx.startUpDate().month();
    previous_ = monthstart::previousMonth(ay, cyil);
    window_ = ctx.DONBAS.isValid() ? cal::PayWindow{ctx.DONBAS, ctx.DONBIT} : cal::payWindow(ay, cyil);
    dueOnly_ = ctx.FORM == QLatin1String("E");

    auto *layout = new QVBoxLayout(this);

    auto *lastBox = new QGroupBox(QStringLiteral("Geçen Ay Yapılmış Terfi Listesi"), this);
    auto *lastLayout = new QVBoxLayout(lastBox);
    lastGrid_ = new QTableWidget(lastBox);
    lastGrid_->setObjectName(QStringLiteral("lastMonthGrid"));
    lastGrid_->setColumnCount(9);
    lastGrid_->setHorizontalHeaderLabels({QStringLiteral("Adı ve Soyadı"), QStringLiteral("Em. Sicil No"),
                                          QStringLiteral("Terfi Tarhihi"), QStringLiteral("Kıd.Yılı"),
                                          QStringLiteral("D/K"), QStringLiteral("Göst"), QStringLiteral("Ek Gös"),
                                          QStringLiteral("Fark Ayı"), QStringLiteral("G.Farkı")});
    zeran::ui::setUpGrid(lastGrid_);
    lastLayout->addWidget(lastGrid_);
    auto *clearRow = new QHBoxLayout;
    QPushButton *clear = zeran::ui::commandButton(QStringLiteral("Önceki Ay Terfil Artışlarını Sil"),
                                                  QStringLiteral("clearLastMonthButton"), lastBox);
    clearRow->addWidget(clear);
    clearRow->addWidget(new QLabel(QStringLiteral("Önceki ay yapılmış terfi farklarını siliniz."), lastBox));
    clearRow->addStretch();
    lastLayout->addLayout(clearRow);
    layout->addWidget(lastBox);

    auto *nowBox = new QGroupBox(QStringLiteral("Bu Ay Yapılacak Terfi Listesi"), this);
    auto *nowLayout = new QVBoxLayout(nowBox);
    auto *captions = new QHBoxLayout;
    captions->addWidget(new QLabel(QStringLiteral("Mevcut Bilgiler"), nowBox), 7);
    captions->addWidget(new QLabel(QStringLiteral("Yeni Artış Bilgileri"), nowBox), 8);
    nowLayout->addLayout(captions);
    grid_ = new QTableWidget(nowBox);
    grid_->setObjectName(QStringLiteral("promotionGrid"));
    grid_->setColumnCount(ColumnCount);
    grid_->setHorizontalHeaderLabels({QStringLiteral("Adı ve Soyadı"), QStringLiteral("Em. Sicil No"),
                                      QStringLiteral("Terfi Tarhihi"), QStringLiteral("K.Yılı"), QStringLiteral("D/K"),
                                      QStringLiteral("Göst"), QStringLiteral("Ek Gös"), QStringLiteral("D / K"),
                                      QStringLiteral("Göst"), QStringLiteral("Ek Gös."), QStringLiteral("G.Farkı"),
                                      QStringLiteral("F.Ayı"), QStringLiteral("K.Yılı"), QStringLiteral("Artış"),
                                      QStringLiteral("EKGF")});
    zeran::ui::setUpGrid(grid_, zeran::ui::GridEditing::InPlace);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    nowLayout->addWidget(grid_);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Yeni D/K için mousun sağını kullanınız..."), nowBox));
    bottom->addStretch();
    bottom->addWidget(new QLabel(QStringLiteral("Filtre"), nowBox));
    filter_ = new QComboBox(nowBox);
    filter_->setObjectName(QStringLiteral("filterBox"));
    filter_->addItems({QStringLiteral("Tarihi Gelenler"), QStringLiteral("Tüm Personel")});
    filter_->setCurrentIndex(dueOnly_ ? 0 : 1);
    bottom->addWidget(filter_);
    nowLayout->addLayout(bottom);
    layout->addWidget(nowBox, 1);

    auto *bar = new QHBoxLayout;
    QPushButton *dates = zeran::ui::commandButton(QStringLiteral("Terfi Tarihleri"), QStringLiteral("datesButton"), this);
    bar->addWidget(dates);
    bar->addStretch();
    QPushButton *close = zeran::ui::commandButton(QStringLiteral("ESC-Çıkış"), QStringLiteral("closeButton"), this);
    bar->addWidget(close);
    layout->addLayout(bar);

    menu_ = new QMenu(this);
    QAction *newAction = menu_->addAction(QStringLiteral("Yeni Gösterge"));
    newAction->setObjectName(QStringLiteral("newIndicatorAction"));
    QAction *undoAction = menu_->addAction(QStringLiteral("Sil"));
    undoAction->setObjectName(QStringLiteral("undoAction"));
    connect(grid_, &QTableWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { menu_->popup(grid_->viewport()->mapToGlobal(at)); });
    connect(newAction, &QAction::triggered, this, [this] { newIndicator(grid_->currentRow()); });
    connect(undoAction, &QAction::triggered, this, [this] { undoRow(grid_->currentRow()); });
    connect(clear, &QPushButton::clicked, this, &PromotionsDialog::clearLastMonth);
    connect(filter_, &QComboBox::currentIndexChanged, this, [this](int index) { setDueOnly(index == 0); });
    connect(dates, &QPushButton::clicked, this, [this] {
        grades::ui::openPromotionDates(this, session_, prompter_);
        load();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(grid_, &QTableWidget::cellChanged, this, [this](int row, int column) {
        if (!filling_)
            editCell(row, column, grid_->item(row, column)->text());
    });
    resize(1100, 640);
}

bool PromotionsDialog::load()
{
    try {
        lastMonth_ = promotions::loadLastMonth(session_.main(), bkod_, previous_);
        rows_ = loadPromotionRows(session_.main(), bkod_, previous_,
                                  dueOnly_ ? std::optional<cal::PayWindow>(window_) : std::nullopt);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    fillLastMonth();
    fillRows();
    return true;
}

void PromotionsDialog::setDueOnly(bool dueOnly)
{
    dueOnly_ = dueOnly;
    if (filter_->currentIndex() != (dueOnly ? 0 : 1)) {
        const QSignalBlocker block(filter_);
        filter_->setCurrentIndex(dueOnly ? 0 : 1);
    }
    load();
}

void PromotionsDialog::fillLastMonth()
{
    lastGrid_->setRowCount(int(lastMonth_.size()));
    for (int i = 0; i < int(lastMonth_.size()); ++i) {
        const LastMonthRow &r = lastMonth_[std::size_t(i)];
        const QString texts[] = {r.ADSOY, r.EMSNO, cal::dateText(r.TERTAR), QString::number(r.KIDEM),
                                 grades::gradeStepText(r.DER, r.KAD), QString::number(r.GOS), QString::number(r.EGOS),
                                 number(r.archived.TFA), number(r.archived.GF)};
        for (int c = 0; c < 9; ++c)
            lastGrid_->setItem(i, c, new QTableWidgetItem(texts[c]));
    }
}

void PromotionsDialog::fillRows()
{
    filling_ = true;
    grid_->setRowCount(int(rows_.size()));
    for (int i = 0; i < int(rows_.size()); ++i)
        showRow(i);
    filling_ = false;
}

void PromotionsDialog::showRow(int i)
{
    const bool was = filling_;
    filling_ = true;
    const PromotionRow &r = rows_[std::size_t(i)];
    const CurrentValues c = currentValues(r);
    const NewValues n = newValues(r);
    const QString texts[ColumnCount] = {r.ADSOY,
                                        r.EMSNO,
                                        cal::dateText(r.TERTAR),
                                        QString::number(c.KIDEM),
                                        c.dk(),
                                        QString::number(c.GOS),
                                        QString::number(c.EGOS),
                                        n.dk,
                                        number(n.GOS),
                                        number(r.record.EGOS),
                                        number(r.record.GF),
                                        number(r.record.TFA),
                                        number(r.record.KIDEM),
                                        number(r.KIDART),
                                        number(r.EKGF)};
    for (int col = 0; col < ColumnCount; ++col) {
        auto *item = new QTableWidgetItem(texts[col]);
        if (!editable(col))
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        grid_->setItem(i, col, item);
    }
    filling_ = was;
}

bool PromotionsDialog::store(int row, const PromotionRow &r)
{
    try {
        savePromotionRow(session_.main(), r);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        showRow(row);
        return false;
    }
    rows_[std::size_t(row)] = r;
    changed_ = true;
    showRow(row);
    return true;
}

std::optional<grades::GradeRecord> PromotionsDialog::openPicker(const PromotionRow &r)
{
    if (pickerOpener_)
        return pickerOpener_(this, r);
    const CurrentValues c = currentValues(r);
    grades::ui::GradePickerDialog picker(session_.main(), prompter_, grades::PickMode::Promotion, r.record,
                                         paidValues(r), r.BKOD, c.dk(), c.GOS, this);
    if (!picker.load() || picker.exec() != QDialog::Accepted)
        return std::nullopt;
    return picker.result();
}

void PromotionsDialog::newIndicator(int row)
{
    if (row < 0 || row >= int(rows_.size()))
        return;
    const PromotionRow &r = rows_[std::size_t(row)];
    if (alreadyPromoted(r)) {
        prompter_.inform(this, QString::fromUtf8(kAlreadyDone));
        return;
    }
    const std::optional<grades::GradeRecord> picked = openPicker(r);
    if (!picked)
        return;
    PromotionRow changed = r;
    changed.record = *picked;
    store(row, changed);
}

void PromotionsDialog::undoRow(int row)
{
    if (row < 0 || row >= int(rows_.size()))
        return;
    if (!prompter_.ask(this, QString::fromUtf8(kUndoQuestion)))
        return;
    PromotionRow r = rows_[std::size_t(row)];
    try {
        undo(r, archivedGrades(session_.main(), r.PKAYNO, r.BKOD, previous_));
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    store(row, r);
}

void PromotionsDialog::clearLastMonth()
{
    try {
        if (promotions::clearLastMonth(session_.main(), bkod_, previous_) > 0)
            changed_ = true;
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    prompter_.inform(this, QString::fromUtf8(kCleared));
    load();
}

bool PromotionsDialog::editCell(int row, int column, const QString &text)
{
    if (row < 0 || row >= int(rows_.size()) || !editable(column))
        return false;
    const QString trimmed = text.trimmed();
    std::optional<int> value;
    if (!trimmed.isEmpty()) {
        bool ok = false;
        const int v = trimmed.toInt(&ok);
        if (!ok || v < -32768 || v > 32767) {
            prompter_.inform(this, QStringLiteral("'%1' geçerli bir sayı değil.").arg(trimmed));
            showRow(row);
            return false;
        }
        value = v;
    }
    PromotionRow r = rows_[std::size_t(row)];
    switch (column) {
    case SupplementaryColumn:
        editSupplementary(r, value);
        break;
    case MonthsColumn:
        r.record.TFA = value;
        break;
    case SeniorityColumn:
        r.record.KIDEM = value;
        break;
    case IncreaseColumn:
        r.KIDART = value;
        break;
    case SupplementaryDifferenceColumn:
        r.EKGF = value;
        break;
    default:
        return false;
    }
    return store(row, r);
}

bool openPromotions(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, int bkod)
{
    PromotionsDialog dialog(session, prompter, bkod, parent);
    if (!dialog.load())
        return false;
    dialog.exec();
    return dialog.changed();
}

}  // namespace zeran::promotions::ui
