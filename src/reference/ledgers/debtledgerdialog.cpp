#include "debtledgerdialog.h"

#include "commandbar.h"
#include "ledgermodels.h"
#include "paidsums.h"
#include "prompter.h"
#include "session.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeran::ledgers::ui {

namespace {

QString amountCaption(DebtKind kind)
{
    return kind == DebtKind::Garnishment ? QStringLiteral("İcra Tutarı") : QStringLiteral("Tutar");
}

QString totalCaption(DebtKind kind)
{
    return kind == DebtKind::Garnishment ? QStringLiteral("Toplam İcra :") : QStringLiteral("Toplam Tutar :");
}

QLabel *valueLabel(const char *name, QWidget *parent)
{
    auto *l = new QLabel(QStringLiteral("0"), parent);
    l->setObjectName(QLatin1String(name));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(110);
    return l;
}

}  // namespace

DebtLedgerDialog::DebtLedgerDialog(Session &session, zeran::ui::Prompter &prompter, DebtKind kind, int pkayno,
                                   QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter), kind_(kind), pkayno_(pkayno)
{
    setObjectName(kind == DebtKind::Garnishment ? QStringLiteral("garnishmentDialog")
                                                : QStringLiteral("serviceDebtDialog"));
    setWindowTitle(QStringLiteral("PERSONEL DETAY BİLGİLERİ"));
    setModal(true);

    name_ = new QLabel(this);
    name_->setObjectName(QStringLiteral("personName"));
    emsno_ = new QLabel(this);
    emsno_->setObjectName(QStringLiteral("registryNumber"));
    auto *header = new QGridLayout;
    header->addWidget(new QLabel(QStringLiteral(" Adı Soyadı"), this), 0, 0);
    header->addWidget(name_, 0, 1);
    header->addWidget(new QLabel(QStringLiteral(" Sicil No"), this), 1, 0);
    header->addWidget(emsno_, 1, 1);
    header->setColumnStretch(1, 1);

    model_ = new DebtModel(amountCaption(kind), this);
    filter_ = new RunningDebtFilter(this);
    filter_->setSourceModel(model_);
    grid_ = new LedgerGrid(this);
    grid_->setObjectName(QStringLiteral("ledgerGrid"));
    grid_->setModel(filter_);
    grid_->setItemDelegateForColumn(DebtModel::Start, new TextDelegate(10, grid_));
    grid_->setItemDelegateForColumn(DebtModel::Text, new TextDelegate(kDebtTextLength, grid_));
    grid_->setItemDelegateForColumn(DebtModel::State, new CodeDelegate(debtStateCodes(), false, grid_));
    // The spare width goes to the description alone, not also to the last column.
    grid_->horizontalHeader()->setStretchLastSection(false);
    grid_->horizontalHeader()->setSectionResizeMode(DebtModel::Text, QHeaderView::Stretch);
    grid_->setMinimumWidth(640);

    all_ = new QCheckBox(QStringLiteral("Tümü"), this);
    all_->setObjectName(QStringLiteral("allCheck"));

    total_ = valueLabel("totalValue", this);
    paidLabel_ = valueLabel("paidValue", this);
    remaining_ = valueLabel("remainingValue", this);
    auto *totals = new QGridLayout;
    totals->addWidget(new QLabel(totalCaption(kind), this), 0, 0);
    totals->addWidget(total_, 0, 1);
    totals->addWidget(new QLabel(QStringLiteral("Ödenen Tutar :"), this), 1, 0);
    totals->addWidget(paidLabel_, 1, 1);
    totals->addWidget(new QLabel(QStringLiteral("Kalan :"), this), 2, 0);
    totals->addWidget(remaining_, 2, 1);

    auto *save = zeran::ui::commandButton(QStringLiteral("Kayıt"), QStringLiteral("saveButton"), this);
    auto *cancel = zeran::ui::commandButton(QStringLiteral("İptal"), QStringLiteral("cancelButton"), this);
    auto *remove = zeran::ui::commandButton(QStringLiteral("Sil"), QStringLiteral("deleteButton"), this);
    remove->setVisible(false);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(all_);
    bottom->addStretch(1);
    bottom->addLayout(totals);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(remove);
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(grid_, 1);
    layout->addLayout(bottom);
    layout->addLayout(buttons);

    connect(save, &QPushButton::clicked, this, &DebtLedgerDialog::save);
    connect(cancel, &QPushButton::clicked, this, &DebtLedgerDialog::reject);
    connect(remove, &QPushButton::clicked, this, &DebtLedgerDialog::removeCurrent);
    connect(all_, &QCheckBox::toggled, this, &DebtLedgerDialog::applyFilter);
    connect(grid_, &LedgerGrid::newRowRequested, this, &DebtLedgerDialog::newRow);
    connect(model_, &QAbstractItemModel::dataChanged, this, &DebtLedgerDialog::updateTotals);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &DebtLedgerDialog::updateTotals);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &DebtLedgerDialog::updateTotals);
    connect(model_, &QAbstractItemModel::modelReset, this, &DebtLedgerDialog::updateTotals);
}

bool DebtLedgerDialog::load()
{
    total_->setText(QStringLiteral("0"));
    paidLabel_->setText(QStringLiteral("0"));
    remaining_->setText(QStringLiteral("0"));
    try {
        const std::optional<PersonHeader> person = readPerson(session_.main(), pkayno_);
        name_->setText(person ? person->name : QString());
        emsno_->setText(person ? person->emsno : QString());
        paid_ = paidSumsOf(session_.main(), pkayno_).of(kind_);
        model_->setRows(readDebts(session_.main(), kind_, pkayno_));
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    applyFilter();
    return true;
}

void DebtLedgerDialog::applyFilter()
{
    // Like reading the ledger again: an empty row nobody typed into goes, typed rows stay.
    model_->dropBlankNewRows();
    filter_->setShowAll(all_->isChecked());
    if (filter_->rowCount() == 0)
        model_->appendRow();
    if (filter_->rowCount() > 0)
        grid_->setCurrentIndex(filter_->index(0, 0));
    updateTotals();
}

void DebtLedgerDialog::updateTotals()
{
    totals_ = debtTotals(model_->amounts(), paid_);
    total_->setText(totals_.total.toText());
    // The deductions are shown only when there are any.
    paidLabel_->setText(totals_.paid > Money() ? totals_.paid.toText() : QStringLiteral("0"));
    remaining_->setText(totals_.remaining.toText());
}

void DebtLedgerDialog::focusRow(int sourceRow, int column)
{
    QModelIndex shown = filter_->mapFromSource(model_->index(sourceRow, column));
    if (!shown.isValid()) {
        const QSignalBlocker block(all_);
        all_->setChecked(true);
        filter_->setShowAll(true);
        shown = filter_->mapFromSource(model_->index(sourceRow, column));
    }
    grid_->setCurrentIndex(shown);
    grid_->setFocus();
}

void DebtLedgerDialog::newRow()
{
    grid_->commitEditor();
    const QModelIndex current = filter_->mapToSource(grid_->currentIndex());
    if (current.isValid()) {
        const int row = current.row();
        if (model_->isBlankNew(row)) {
            focusRow(row, DebtModel::Start);
            return;
        }
        if (model_->isPending(row) && model_->rowAt(row).tutar <= Money()) {
            prompter_.inform(this, QString::fromUtf8(kAmountMissingMessage));
            focusRow(row, DebtModel::Amount);
            return;
        }
    }
    focusRow(model_->appendRow(), DebtModel::Start);
}

void DebtLedgerDialog::removeCurrent()
{
    const QModelIndex current = filter_->mapToSource(grid_->currentIndex());
    if (!current.isValid())
        return;
    model_->removeRowAt(current.row());
}

void DebtLedgerDialog::save()
{
    grid_->commitEditor();
    const int bad = model_->firstRowWithoutAmount();
    if (bad >= 0) {
        prompter_.inform(this, QString::fromUtf8(kAmountMissingMessage));
        focusRow(bad, DebtModel::Amount);
        return;
    }
    DebtChanges changes = model_->changes();
    if (!changes.added.isEmpty() || !changes.changed.isEmpty() || !changes.removed.isEmpty()) {
        try {
            storeDebts(session_.main(), kind_, pkayno_, changes);
        } catch (const db::DbError &e) {
            prompter_.inform(this, e.text);
            return;
        }
        stored_ = true;
    }
    QDialog::accept();
}

void DebtLedgerDialog::reject()
{
    QDialog::reject();
}

}  // namespace zeran::ledgers::ui
