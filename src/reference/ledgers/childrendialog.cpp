#include "childrendialog.h"

#include "commandbar.h"
#include "ledgermodels.h"
#include "ledgerstore.h"
#include "prompter.h"
#include "session.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeran::ledgers::ui {

namespace {

QLabel *valueLabel(const char *name, QWidget *parent)
{
    auto *l = new QLabel(QStringLiteral("0"), parent);
    l->setObjectName(QLatin1String(name));
    l->setMinimumWidth(30);
    return l;
}

}  // namespace

ChildrenDialog::ChildrenDialog(Session &session, zeran::ui::Prompter &prompter, int pkayno, std::optional<int> bkod,
                               QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter), pkayno_(pkayno), bkod_(bkod)
{
    setObjectName(QStringLiteral("childrenDialog"));
    setWindowTitle(QStringLiteral("ÇOCUK TANIMLARI"));
    setModal(true);

    name_ = new QLabel(this);
    name_->setObjectName(QStringLiteral("personName"));
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Personel Adı"), this));
    nameRow->addWidget(name_, 1);

    model_ = new ChildrenModel(session_.ctx.startUpDate(), this);  // ages follow the start-up date
    grid_ = new LedgerGrid(this);
    grid_->setObjectName(QStringLiteral("childrenGrid"));
    grid_->setModel(model_);
    grid_->setItemDelegateForColumn(ChildrenModel::Name, new TextDelegate(kChildNameLength, grid_));
    grid_->setItemDelegateForColumn(ChildrenModel::Education, new CodeDelegate(educationCodes(), true, grid_));
    grid_->setItemDelegateForColumn(ChildrenModel::Sex, new CodeDelegate(sexCodes(), true, grid_));
    grid_->setItemDelegateForColumn(ChildrenModel::Birth, new TextDelegate(10, grid_));
    // The spare width goes to the name alone, not also to the last column.
    grid_->horizontalHeader()->setStretchLastSection(false);
    grid_->horizontalHeader()->setSectionResizeMode(ChildrenModel::Name, QHeaderView::Stretch);
    grid_->setMinimumWidth(560);

    young_ = valueLabel("youngCount", this);
    older_ = valueLabel("olderCount", this);
    total_ = valueLabel("totalCount", this);
    auto *countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(QStringLiteral("6 Yaş Altı:"), this));
    countRow->addWidget(young_);
    countRow->addSpacing(16);
    countRow->addWidget(new QLabel(QStringLiteral("6 Yaş Üstü:"), this));
    countRow->addWidget(older_);
    countRow->addSpacing(16);
    countRow->addWidget(new QLabel(QStringLiteral("Toplam:"), this));
    countRow->addWidget(total_);
    countRow->addStretch(1);

    message_ = new QLineEdit(this);
    message_->setObjectName(QStringLiteral("messageEdit"));
    message_->setReadOnly(true);
    message_->setFocusPolicy(Qt::NoFocus);

    auto *update = zeran::ui::commandButton(QStringLiteral("Güncelle"), QStringLiteral("updateButton"), this);
    auto *exit = zeran::ui::commandButton(QStringLiteral("ESC-Çıkış"), QStringLiteral("exitButton"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(message_, 1);
    buttons->addWidget(update);
    buttons->addWidget(exit);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(grid_, 1);
    layout->addLayout(countRow);
    layout->addLayout(buttons);

    connect(update, &QPushButton::clicked, this, &ChildrenDialog::carryCounts);
    connect(exit, &QPushButton::clicked, this, &ChildrenDialog::reject);
    connect(model_, &ChildrenModel::birthDatesChanged, this, &ChildrenDialog::recount);
    connect(grid_, &LedgerGrid::newRowRequested, this, &ChildrenDialog::newRow);
}

bool ChildrenDialog::load()
{
    try {
        const std::optional<PersonHeader> person = readPerson(session_.main(), pkayno_);
        name_->setText(person ? person->name : QString());
        recordCounts_ = readRecordCounts(session_.main(), pkayno_, bkod_);
        model_->setRows(readChildren(session_.main(), pkayno_));
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    if (model_->rowCount() > 0)
        grid_->setCurrentIndex(model_->index(0, 0));
    recount();
    return true;
}

ChildCounts ChildrenDialog::counts() const
{
    return model_->counts();
}

void ChildrenDialog::recount()
{
    const ChildCounts c = model_->counts();
    young_->setText(QString::number(c.young));
    older_->setText(QString::number(c.older));
    total_->setText(QString::number(c.total()));
    message_->setText(countsDisagree(c, recordCounts_) ? QString::fromUtf8(kCountMismatchMessage) : QString());
}

void ChildrenDialog::newRow()
{
    // One empty row at a time, as a data grid appends.
    const int last = model_->rowCount() - 1;
    if (last >= 0 && model_->isBlankNew(last)) {
        grid_->setCurrentIndex(model_->index(last, ChildrenModel::Name));
        return;
    }
    const int row = model_->appendRow();
    grid_->setCurrentIndex(model_->index(row, ChildrenModel::Name));
}

bool ChildrenDialog::storePending()
{
    QList<ChildRow> rows = model_->pendingRows();
    if (rows.isEmpty())
        return true;
    try {
        storeChildren(session_.main(), pkayno_, rows);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    model_->markStored(rows);
    stored_ = true;
    return true;
}

void ChildrenDialog::carryCounts()
{
    grid_->commitEditor();
    if (!prompter_.ask(this, QString::fromUtf8(kCarryCountsQuestion)))
        return;
    const ChildCounts c = model_->counts();
    QList<ChildRow> rows = model_->pendingRows();
    try {
        // The counts are those of the rows on the screen, so the rows go with them.
        db::Transaction t(session_.main());
        if (!rows.isEmpty())
            storeChildren(session_.main(), pkayno_, rows);
        storeRecordCounts(session_.main(), pkayno_, c);
        t.commit();
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    model_->markStored(rows);
    stored_ = true;
    try {
        recordCounts_ = readRecordCounts(session_.main(), pkayno_, bkod_);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    recount();
}

void ChildrenDialog::reject()
{
    grid_->commitEditor();
    if (!storePending())
        return;
    QDialog::reject();
}

}  // namespace zeran::ledgers::ui
