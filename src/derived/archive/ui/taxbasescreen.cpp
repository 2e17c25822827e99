#include "taxbasescreen.h"

#include "archivescreen.h"
#include "calendar.h"
#include "commandbar.h"
#include "gridsetup.h"
#include "moneyedit.h"
#include "prompter.h"
#include "session.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace zeran::archive::ui {

using zeran::ui::commandButton;
using zeran::ui::MoneyEdit;

namespace {

QHBoxLayout *saveCancel(QDialog *d, const std::function<void()> &onSave)
{
    auto *save = commandButton(QStringLiteral("Kayıt"), QStringLiteral("saveButton"), d);
    auto *cancel = commandButton(QStringLiteral("İptal"), QStringLiteral("cancelButton"), d);
    QObject::connect(save, &QPushButton::clicked, d, onSave);
    QObject::connect(cancel, &QPushButton::clicked, d, &QDialog::reject);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(save);
    row->addWidget(cancel);
    return row;
}

/// Amounts typed on these boxes: none below zero.
zeran::ui::AmountRules baseRules()
{
    zeran::ui::AmountRules r;
    r.min = Money();
    return r;
}

}  // namespace

TaxBaseEntryDialog::TaxBaseEntryDialog(Session &session, zeran::ui::Prompter &prompter, const TaxBasePerson &person,
                                       const TaxBaseEntryKind &kind, QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter), person_(person), kind_(kind)
{
    setWindowTitle(kind.title);
    setObjectName(QStringLiteral("taxBaseEntryDialog"));
    month_ = new QComboBox(this);
    month_->setObjectName(QStringLiteral("monthCombo"));
    month_->addItem(QStringLiteral("SEÇİNİZ"));
    for (int m = 1; m <= 12; ++m)
        month_->addItem(cal::monthName(m));
    base_ = new MoneyEdit(this);
    base_->setObjectName(QStringLiteral("baseEdit"));
    base_->setCaption(QStringLiteral("Matrah"));
    base_->setRules(baseRules());
    minimumWage_ = new MoneyEdit(this);
    minimumWage_->setObjectName(QStringLiteral("minimumWageEdit"));
    minimumWage_->setCaption(QStringLiteral("Asgari Ücret"));
    minimumWage_->setRules(baseRules());
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Ay"), month_);
    form->addRow(QStringLiteral("Matrah"), base_);
    form->addRow(QStringLiteral("Asgari Ücret"), minimumWage_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(saveCancel(this, [this] { save(); }));
}

bool TaxBaseEntryDialog::save()
{
    if (month_->currentIndex() == 0) {
        prompter_.inform(this, QString::fromUtf8(kChooseMonth));
        return false;
    }
    const zeran::ui::AmountReading base = base_->read();
    if (!base.ok()) {
        prompter_.inform(this, base.problem);
        return false;
    }
    const zeran::ui::AmountReading wage = minimumWage_->read();
    if (!wage.ok()) {
        prompter_.inform(this, wage.problem);
        return false;
    }
    TaxBaseEntry e;
    e.PKAYNO = person_.PKAYNO;
    e.BKOD = person_.BKOD;
    e.PKOD = person_.PKOD;
    e.YIL = session_.ctx.CYIL;
    e.AY = month_->currentIndex();
    e.TUR = kind_.kind;
    e.VERMAT = base.amount;
    e.VERMAT1 = wage.amount.value_or(Money());
    const OperationResult r = addTaxBase(session_.main(), session_.ctx, e, person_.runMonth);
    if (r.outcome != Outcome::Done) {
        prompter_.inform(this, r.message);
        return false;
    }
    accept();
    return true;
}

TaxBaseCorrectionDialog::TaxBaseCorrectionDialog(Session &session, zeran::ui::Prompter &prompter,
                                                 const results::ResultRow &row, QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter), key_(row.key)
{
    setWindowTitle(QStringLiteral("Matrah Düzeltme"));
    setObjectName(QStringLiteral("taxBaseCorrectionDialog"));
    base_ = new MoneyEdit(this);
    base_->setObjectName(QStringLiteral("baseEdit"));
    base_->setCaption(QStringLiteral("Matrah"));
    base_->setRules(baseRules());
    base_->setAmount(row.VERMAT);
    auto *wage = new MoneyEdit(this);
    wage->setObjectName(QStringLiteral("minimumWageEdit"));
    wage->setAmount(row.VERMAT1);
    wage->setReadOnly(true);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Matrah"), base_);
    form->addRow(QStringLiteral("Asgari Ücret"), wage);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(saveCancel(this, [this] { save(); }));
}

bool TaxBaseCorrectionDialog::save()
{
    const zeran::ui::AmountReading base = base_->read();
    if (!base.ok() || !base.amount) {
        prompter_.inform(this, base.ok() ? QString::fromUtf8(kEnterBase) : base.problem);
        return false;
    }
    const OperationResult r = correctTaxBase(session_.main(), session_.ctx, key_, *base.amount);
    if (r.outcome != Outcome::Done) {
        prompter_.inform(this, r.message);
        return false;
    }
    accept();
    return true;
}

TaxBaseScreen::TaxBaseScreen(Session &session, zeran::ui::Prompter &prompter, const TaxBasePerson &person,
                             QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter), person_(person)
{
    setWindowTitle(QStringLiteral("Gelir Vergisi, Damga Vergisi, Emekli Kesenek Matrahları"));
    setObjectName(QStringLiteral("taxBaseScreen"));
    auto *header = new QLabel(QStringLiteral("%1   Sicil No: %2   (PKAYNO: %3  BKOD: %4  PKOD: %5)")
                                  .arg(person.ADSOY, person.EMSNO)
                                  .arg(person.PKAYNO)
                                  .arg(person.BKOD)
                                  .arg(person.PKOD),
                              this);
    header->setObjectName(QStringLiteral("headerLabel"));
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("taxBaseGrid"));
    model_ = new QStandardItemModel(this);
    model_->setHorizontalHeaderLabels({QStringLiteral("Türü"), QStringLiteral("Ay"), QStringLiteral("Vergi Matrahı"),
                                       QStringLiteral("Vergi Oranı"), QStringLiteral("Vergi Tutarı"),
                                       QStringLiteral("Dam.Ver.Mat"), QStringLiteral("Damga Ver."),
                                       QStringLiteral("Em.Kes.Mat."), QStringLiteral("% 20"), QStringLiteral("% 16")});
    grid_->setModel(model_);
    zeran::ui::setUpGrid(grid_);
    connect(grid_, &QAbstractItemView::doubleClicked, this, &TaxBaseScreen::correctCurrent);
    totalBase_ = new QLabel(this);
    totalBase_->setObjectName(QStringLiteral("totalBaseLabel"));
    totalTax_ = new QLabel(this);
    totalTax_->setObjectName(QStringLiteral("totalTaxLabel"));

    auto *add = commandButton(QStringLiteral("Ekle"), QStringLiteral("addButton"), this);
    auto *menu = new QMenu(add);
    menu->setObjectName(QStringLiteral("addMenu"));
    const std::vector<TaxBaseEntryKind> &kinds = taxBaseEntryKinds();
    for (int i = 0; i < int(kinds.size()); ++i) {
        QAction *a = menu->addAction(kinds[std::size_t(i)].caption);
        a->setObjectName(QStringLiteral("addKind%1").arg(i + 1));
        connect(a, &QAction::triggered, this, [this, i] { addBase(i); });
    }
    add->setMenu(menu);
    auto *correct = commandButton(QStringLiteral("Düzelt"), QStringLiteral("correctButton"), this);
    auto *remove = commandButton(QStringLiteral("Sil"), QStringLiteral("deleteButton"), this);
    auto *exit = commandButton(QStringLiteral("Çıkış"), QStringLiteral("exitButton"), this);
    connect(correct, &QPushButton::clicked, this, &TaxBaseScreen::correctCurrent);
    connect(remove, &QPushButton::clicked, this, &TaxBaseScreen::deleteCurrent);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    auto *totals = new QHBoxLayout;
    totals->addStretch();
    totals->addWidget(new QLabel(QStringLiteral("Vergi Matrahı Toplamı"), this));
    totals->addWidget(totalBase_);
    totals->addWidget(new QLabel(QStringLiteral("Vergi Tutarı Toplamı"), this));
    totals->addWidget(totalTax_);
    auto *commands = new QHBoxLayout;
    commands->addWidget(add);
    commands->addWidget(correct);
    commands->addWidget(remove);
    commands->addStretch();
    commands->addWidget(exit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(grid_, 1);
    layout->addLayout(totals);
    layout->addLayout(commands);
    resize(900, 500);
    reload();
}

void TaxBaseScreen::reload()
{
    const int keep = currentRow();
    try {
        rows_ = taxBaseRows(session_.main(), person_.PKAYNO, session_.ctx.CYIL);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    model_->removeRows(0, model_->rowCount());
    Money base, tax;
    for (const results::PersonYearRow &p : rows_) {
        const results::ResultRow &r = p.row;
        QList<QStandardItem *> items;
        items << new QStandardItem(taxBaseKindText(r.key.TUR)) << new QStandardItem(cal::monthName(r.key.AY));
        const auto amount = [](Money m) {
            auto *i = new QStandardItem(m.toText());
            i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            return i;
        };
        items << amount(r.VERMAT);
        auto *rate = new QStandardItem(QString::number(double(qRound64(r.VEROR * 10000)) / 100.0));
        rate->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        items << rate << amount(r.GELVER) << amount(r.DVMAT) << amount(r.DAMVER) << amount(r.EKMAT) << amount(r.EMKESD)
              << amount(r.EMKESM);
        model_->appendRow(items);
        base += r.VERMAT;
        tax += r.GELVER;
    }
    totalBase_->setText(base.toText());
    totalTax_->setText(tax.toText());
    if (!rows_.empty())
        setCurrentRow(std::clamp(keep, 0, int(rows_.size()) - 1));
}

int TaxBaseScreen::currentRow() const
{
    const int r = grid_->currentIndex().row();
    return r >= 0 && r < int(rows_.size()) ? r : -1;
}

void TaxBaseScreen::setCurrentRow(int row)
{
    grid_->setCurrentIndex(model_->index(row, 0));
}

QString TaxBaseScreen::totalsText() const
{
    return totalBase_->text() + QLatin1Char(' ') + totalTax_->text();
}

void TaxBaseScreen::addBase(int kindIndex)
{
    TaxBaseEntryDialog d(session_, prompter_, person_, taxBaseEntryKinds().at(std::size_t(kindIndex)), this);
    if (d.exec() == QDialog::Accepted)
        reload();
}

void TaxBaseScreen::correctCurrent()
{
    const int r = currentRow();
    if (r < 0)
        return;
    TaxBaseCorrectionDialog d(session_, prompter_, rows_[std::size_t(r)].row, this);
    if (d.exec() == QDialog::Accepted)
        reload();
}

void TaxBaseScreen::deleteCurrent()
{
    const int r = currentRow();
    if (r < 0)
        return;
    if (!rows_[std::size_t(r)].taxBaseOnly) {
        prompter_.inform(this, QString::fromUtf8(kNotAnEnteredBase));
        return;
    }
    PromptQuestions questions(prompter_, this);
    const OperationResult done = archive::deleteTaxBase(session_.main(), session_.ctx, rows_[std::size_t(r)].row.key,
                                                        questions);
    if (done.outcome == Outcome::Refused || done.outcome == Outcome::Failed)
        prompter_.inform(this, done.message);
    if (done.outcome == Outcome::Done)
        reload();
}

void openTaxBases(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, const TaxBasePerson &person)
{
    TaxBaseScreen s(session, prompter, person, parent);
    s.exec();
}

}  // namespace zeran::archive::ui
