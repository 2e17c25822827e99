#include "definitionsdialog.h"

#include "commandbar.h"
#include "context.h"
#include "definitionsgrid.h"
#include "earningtypedialog.h"
#include "moneyedit.h"
#include "prompter.h"
#include "session.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zeran::definitions {

namespace {

constexpr int kTitleNameWidth = 25;      // UNTAN.UNVAN
constexpr int kDeductionNameWidth = 25;  // ZERKES.KESADI

std::optional<double> points(const QString &text, bool *ok)
{
    QString t = text.trimmed();
    *ok = true;
    if (t.isEmpty())
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    const double v = t.toDouble(ok);
    return *ok ? std::optional<double>(v) : std::nullopt;
}

QString pointsText(const std::optional<double> &v)
{
    return v ? shortestDecimal(*v).replace(QLatin1Char('.'), QLatin1Char(',')) : QString();
}

}  // namespace

DefinitionsDialog::DefinitionsDialog(db::Database &db, const WorkingContext &ctx, ui::Prompter &prompter, QWidget *parent)
    : QDialog(parent), db_(db), ctx_(ctx), prompter_(prompter)
{
    setWindowTitle(QStringLiteral("DİĞER TANIMLAR"));
    auto *layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    layout->addWidget(tabs_);

    titles_ = new DefinitionsGrid({QStringLiteral("Ünvanı"), QStringLiteral("Y.Ö. P.")}, this);
    tabs_->addTab(titles_, QStringLiteral("Ünvan Tanımları"));
    connect(titles_, &DefinitionsGrid::rowEdited, this, &DefinitionsDialog::saveTitleRow);
    connect(titles_, &DefinitionsGrid::rowAppended, this, [this] { titleRows_.push_back({}); });

    deductions_ = new DefinitionsGrid(
        {QStringLiteral("No"), QStringLiteral("Kesinti Adı"), QStringLiteral("Tutar"), QStringLiteral("Durumu")}, this);
    tabs_->addTab(deductions_, QStringLiteral("Kesinti Tanımları"));
    // At most five deductions: a sixth row is not even started.
    deductions_->canAppend = [this] { return deductions_->rowCount() < kDeductionSlots; };
    connect(deductions_, &DefinitionsGrid::rowEdited, this, &DefinitionsDialog::saveDeductionRow);
    connect(deductions_, &DefinitionsGrid::rowAppended, this, [this](int row) {
        deductionRows_.push_back({});
        deductions_->setFixed(row, 0, QString());
        setDeductionState(row, QString());
    });

    earnings_ = new DefinitionsGrid(earningGridHeaders(), this);
    earnings_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    earnings_->setContextMenuPolicy(Qt::CustomContextMenu);
    tabs_->addTab(earnings_, QStringLiteral("Gelir Tanımları"));
    addSlot_ = new QAction(QStringLiteral("EKLE"), this);
    seyyanen_ = new QAction(QStringLiteral("Seyanen Zam"), this);
    connect(addSlot_, &QAction::triggered, this, &DefinitionsDialog::addSlot);
    connect(seyyanen_, &QAction::triggered, this, &DefinitionsDialog::seyyanen);
    connect(earnings_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { openSlot(row); });
    connect(earnings_, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        QMenu menu(this);
        menu.addAction(addSlot_);
        menu.addAction(seyyanen_);
        menu.exec(earnings_->viewport()->mapToGlobal(pos));
    });

    auto *buttons = new QHBoxLayout;
    exit_ = ui::commandButton(QStringLiteral("ESC-Çıkış"), QStringLiteral("exitButton"), this);
    buttons->addStretch();
    buttons->addWidget(exit_);
    layout->addLayout(buttons);
    connect(exit_, &QPushButton::clicked, this, &DefinitionsDialog::reject);
    // Wide enough for all three tabs and the eleven columns of the earnings grid.
    resize(1000, 560);

    slotEditor = [this](int hno) {
        EarningTypeDialog dialog(db_, hno, prompter_, this);
        if (dialog.loaded())
            dialog.exec();
    };

    reloadTitles();
    reloadDeductions();
    try {
        ensureSlots(db_);  // a fresh table gets its ten slots
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    reloadEarnings();
}

// ---- Titles --------------------------------------------------------------------------------

void DefinitionsDialog::reloadTitles()
{
    try {
        titleRows_ = readTitles(db_);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        titleRows_.clear();
    }
    titles_->setRowCount(int(titleRows_.size()));
    for (int r = 0; r < int(titleRows_.size()); ++r)
        titles_->setRowTexts(r, {titleRows_[r].UNVAN, pointsText(titleRows_[r].YOP)});
}

void DefinitionsDialog::saveTitleRow(int row)
{
    if (row < 0 || row >= int(titleRows_.size()))
        return;
    Title t = titleRows_[std::size_t(row)];
    const QString name = titles_->item(row, 0) ? titles_->item(row, 0)->text().trimmed() : QString();
    bool ok = true;
    const auto yop = points(titles_->item(row, 1) ? titles_->item(row, 1)->text() : QString(), &ok);
    if (!ok || (name.isEmpty() && t.UKOD > 0)) {
        // Not a value (or a stored title left without its name): the cells show the row again.
        titles_->setRowTexts(row, {t.UNVAN, pointsText(t.YOP)});
        return;
    }
    if (name.isEmpty())
        return;  // a new row is written once it has its name
    t.UNVAN = name.left(kTitleNameWidth);
    t.YOP = yop;
    try {
        t.UKOD = saveTitle(db_, t);
        titleRows_[std::size_t(row)] = t;
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    titles_->setRowTexts(row, {titleRows_[std::size_t(row)].UNVAN, pointsText(titleRows_[std::size_t(row)].YOP)});
}

// ---- Deductions ----------------------------------------------------------------------------

void DefinitionsDialog::reloadDeductions()
{
    try {
        deductionRows_ = readDeductions(db_);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        deductionRows_.clear();
    }
    deductions_->setRowCount(int(deductionRows_.size()));
    for (int r = 0; r < int(deductionRows_.size()); ++r) {
        const Deduction &d = deductionRows_[std::size_t(r)];
        deductions_->setRowTexts(r, {QString::number(d.HARNO), d.KESADI, d.TUTAR ? d.TUTAR->toText() : QString()}, {0});
        setDeductionState(r, d.AKTIF);
    }
}

void DefinitionsDialog::setDeductionState(int row, const QString &code)
{
    auto *box = new QComboBox(deductions_);
    box->addItems(texts(activeCodes()));
    box->setCurrentIndex(indexOfCode(activeCodes(), code));
    deductions_->setCellWidget(row, 3, box);
    connect(box, &QComboBox::activated, this, [this, box](int index) {
        // Find the box's row now: rows may have been added since it was made.
        for (int r = 0; r < deductions_->rowCount(); ++r) {
            if (deductions_->cellWidget(r, 3) == box) {
                deductionRows_[std::size_t(r)].AKTIF = codeAt(activeCodes(), index);
                saveDeductionRow(r);
                return;
            }
        }
    });
}

void DefinitionsDialog::saveDeductionRow(int row)
{
    if (row < 0 || row >= int(deductionRows_.size()))
        return;
    Deduction d = deductionRows_[std::size_t(row)];
    auto text = [this, row](int c) { return deductions_->item(row, c) ? deductions_->item(row, c)->text().trimmed() : QString(); };
    const QString name = text(1);
    const ui::AmountReading amount = ui::readAmount(text(2), QStringLiteral("Tutar"));
    auto showRow = [this, row] {
        const Deduction &s = deductionRows_[std::size_t(row)];
        deductions_->setRowTexts(row, {s.HARNO > 0 ? QString::number(s.HARNO) : QString(), s.KESADI,
                                       s.TUTAR ? s.TUTAR->toText() : QString()},
                                 {0});
    };
    if (!amount.ok() || (name.isEmpty() && d.HARNO > 0)) {
        showRow();
        return;
    }
    d.KESADI = name.left(kDeductionNameWidth);
    d.TUTAR = amount.amount;
    deductionRows_[std::size_t(row)] = d;
    if (name.isEmpty())
        return;  // KESADI is required: a new row is written once it is named
    try {
        if (const auto harno = saveDeduction(db_, d))
            deductionRows_[std::size_t(row)].HARNO = *harno;
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    showRow();
}

// ---- Earning slots -------------------------------------------------------------------------

void DefinitionsDialog::reloadEarnings()
{
    try {
        slots_ = readSlots(db_);
        used_ = slotsUsedInYear(db_, ctx_.CYIL);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        slots_.clear();
    }
    earnings_->setRowCount(int(slots_.size()));
    for (int r = 0; r < int(slots_.size()); ++r) {
        const EarningSlot &s = slots_[std::size_t(r)];
        const bool used = s.HNO >= 1 && s.HNO <= int(used_.size()) && used_[std::size_t(s.HNO - 1)];
        earnings_->setRowTexts(r, earningGridRow(s, used));
    }
}

void DefinitionsDialog::openSlot(int row)
{
    if (row < 0 || row >= int(slots_.size()))
        return;
    slotEditor(slots_[std::size_t(row)].HNO);
    reloadEarnings();
}

void DefinitionsDialog::addSlot()
{
    try {
        if (definitions::addSlot(db_))
            reloadEarnings();
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
}

void DefinitionsDialog::seyyanen()
{
    const int row = earnings_->currentRow();
    if (row < 0 || row >= int(slots_.size()))
        return;
    const int hno = slots_[std::size_t(row)].HNO;
    try {
        SeyyanenFacts facts;
        facts.KULNO = ctx_.KULNO;
        facts.CYIL = ctx_.CYIL;
        facts.AY = ctx_.AY;
        // The later checks need the database only when the earlier ones pass.
        if (!seyyanenRefusal(facts)) {
            facts.slotExists = seyyanenSlotExists(db_);
            const auto used = slotsUsedInYear(db_, ctx_.CYIL);
            facts.slotUsed = hno >= 1 && hno <= int(used.size()) && used[std::size_t(hno - 1)];
        }
        if (const auto refusal = seyyanenRefusal(facts)) {
            prompter_.inform(this, *refusal);
            return;
        }
        if (!prompter_.ask(this, kSeyyanenConfirm))
            return;
        applySeyyanen(db_, hno);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    reloadEarnings();
}

void DefinitionsDialog::reject()
{
    titles_->commitEditor();
    deductions_->commitEditor();
    QDialog::reject();
}

void openDefinitions(QWidget *parent, Session &session, int page)
{
    ui::BoxPrompter prompter;
    DefinitionsDialog dialog(session.main(), session.ctx, prompter, parent);
    dialog.tabs()->setCurrentIndex(page);
    dialog.exec();
}

}  // namespace zeran::definitions
