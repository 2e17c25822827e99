#include "plandialog.h"

#include "codecombo.h"
#include "commandbar.h"
#include "gridsetup.h"
#include "lookupdialogs.h"
#include "planstore.h"
#include "prompter.h"
#include "session.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeran::posting {

namespace {

const char *const kReplaceQuestion =
    "DİKKAT! Hesap Tanımlarında Bilgi Mevcuttur.\rBu Kayıtlar Silinecek. Onaylıyormusunuz....";
const char *const kChooseUnit = "DİKKAT! Birimi Seçiniz..";

QString methodText(const QString &hesapdur)
{
    return hesapdur.trimmed() == QLatin1String("A") ? QStringLiteral("Ayrı Ayrı") : QStringLiteral("Toplam");
}

}  // namespace

PlanDialog::PlanDialog(Session &session, ui::Prompter &prompter, int unit, const QString &naktur, QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter), unit_(unit), naktur_(naktur)
{
    setWindowTitle(QStringLiteral("NAKİT TANIMLARI (Otomatik)"));
    kindBox_ = new QComboBox(this);
    kindBox_->setObjectName(QStringLiteral("cashKindBox"));
    for (const QString &k : cashKinds())
        kindBox_->addItem(cashKindLabel(k), k);
    kindLabel_ = new QLabel(this);
    kindLabel_->setObjectName(QStringLiteral("cashKindLabel"));
    accountingUnit_ = new ui::CodeCombo(this);
    accountingUnit_->setObjectName(QStringLiteral("accountingUnitBox"));
    payee_ = new ui::CodeCombo(this);
    payee_->setObjectName(QStringLiteral("payeeBox"));
    purpose_ = new QLineEdit(this);
    purpose_->setObjectName(QStringLiteral("purposeEdit"));
    purpose_->setMaxLength(30);
    institution_ = new QLineEdit(this);
    institution_->setObjectName(QStringLiteral("institutionEdit"));
    institution_->setMaxLength(30);
    attachments_ = new QLineEdit(this);
    attachments_->setObjectName(QStringLiteral("attachmentsEdit"));
    attachments_->setMaxLength(100);

    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("linesGrid"));
    grid_->setColumnCount(ColumnCount);
    grid_->setHorizontalHeaderLabels({QStringLiteral("Hesap Kodu"), QStringLiteral("Tür"), QStringLiteral("Dur"),
                                      QStringLiteral("Açıklama"), QStringLiteral("Hesap"), QStringLiteral("Hesap Şekli"),
                                      QStringLiteral("Kurumsal K."), QStringLiteral("Fonksiyonel"), QStringLiteral("F.Tipi"),
                                      QStringLiteral("Ekonomik K."), QStringLiteral("Cari")});
    ui::setUpGrid(grid_, ui::GridEditing::InPlace);
    grid_->horizontalHeader()->setSectionResizeMode(ACIK, QHeaderView::Stretch);
    connect(grid_, &QTableWidget::cellChanged, this, &PlanDialog::cellEdited);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int, int column) {
        if (column == HESAP)
            editFormula();
        else if (column == KKOD)
            lookUpBudget();
        else if (column == CKOD)
            pickAccount();
    });

    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (DefaultPlan p : {DefaultPlan::Salaries, DefaultPlan::Mayor, DefaultPlan::Council}) {
        auto *a = new QAction(defaultPlanCaption(p), grid_);
        a->setData(int(p));
        connect(a, &QAction::triggered, this, [this, p] { generate(p); });
        grid_->addAction(a);
        planActions_ << a;
    }
    const std::pair<const char *, void (PlanDialog::*)()> lookups[] = {
        {"Hesap ...", &PlanDialog::editFormula}, {"Kurumsal K. ...", &PlanDialog::lookUpBudget}, {"Cari ...", &PlanDialog::pickAccount}};
    for (const auto &[caption, slot] : lookups) {
        auto *a = new QAction(QString::fromUtf8(caption), grid_);
        connect(a, &QAction::triggered, this, slot);
        grid_->addAction(a);
    }

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Nakit Türü"), kindBox_);
    form->addRow(QString(), kindLabel_);
    form->addRow(QStringLiteral("Kurum Adı"), institution_);
    form->addRow(QStringLiteral("Birimi"), accountingUnit_);
    form->addRow(QStringLiteral("İlgili"), payee_);
    form->addRow(QStringLiteral("Veriliş Nedeni"), purpose_);
    form->addRow(QStringLiteral("Ekler"), attachments_);
    auto *bar = new ui::CommandBar(this);
    connect(bar->add(QStringLiteral("F2-Ekle"), QStringLiteral("addButton")), &QPushButton::clicked, this,
            &PlanDialog::addLine);
    connect(bar->add(QStringLiteral("F8-Sil"), QStringLiteral("deleteButton")), &QPushButton::clicked, this,
            &PlanDialog::deleteLine);
    bar->addStretch();
    auto *saveButton = ui::commandButton(QStringLiteral("Kayıt (F5)"), QStringLiteral("saveButton"), QKeySequence(Qt::Key_F5), bar);
    auto *cancelButton =
        ui::commandButton(QStringLiteral("Vazgeç (F6)"), QStringLiteral("cancelButton"), QKeySequence(Qt::Key_F6), bar);
    bar->layout()->addWidget(saveButton);
    bar->layout()->addWidget(cancelButton);
    connect(saveButton, &QPushButton::clicked, this, &PlanDialog::save);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(grid_);
    layout->addWidget(bar);
    resize(1100, 600);

    formulaEditor = [this](const QString &formula) -> std::optional<QString> {
        FormulaDialog d(prompter_, formula, this);
        if (d.exec() != QDialog::Accepted)
            return std::nullopt;
        return d.formula();
    };
    budgetLookup = [this](const QString &kkod) -> std::optional<BudgetLine> {
        BudgetDialog d(session_.accounting(), session_.ctx.CYIL.toInt(), kkod, this);
        d.exec();
        return d.chosen();
    };
    accountPicker = [this](int current) -> std::optional<int> {
        std::vector<CurrentAccount> accounts;
        try {
            accounts = currentAccounts(session_.accounting());
        } catch (const db::DbError &) {
        }
        CurrentAccountDialog d(accounts, current, this);
        d.exec();
        return d.account();
    };

    // The accounting database is connected on demand; without it the lookups stay empty.
    accountingOpen_ = session_.accounting().isOpen() || session_.muhibaseac();
    if (!accountingOpen_)
        prompter_.inform(this, QString::fromUtf8(kAccountingMissingMessage));
    LookupList units, payees;
    if (accountingOpen_) {
        try {
            inst_ = readInstitution(session_.accounting());
            for (const AccountingUnit &u : accountingUnits(session_.accounting(), session_.ctx.CYIL.toInt()))
                units.push_back({u.BKOD, u.BIRIM});
            for (const CurrentAccount &a : currentAccounts(session_.accounting()))
                payees.push_back({a.CKOD, a.CARI});
        } catch (const db::DbError &) {
        }
    }
    accountingUnit_->setLookup(units, true);
    payee_->setLookup(payees, true);
    const int index = kindBox_->findData(naktur_);
    kindBox_->setCurrentIndex(index < 0 ? 0 : index);
    naktur_ = kindBox_->currentData().toString();
    connect(kindBox_, &QComboBox::currentIndexChanged, this, [this] { showKind(kindBox_->currentData().toString()); });
    load();
}

void PlanDialog::load()
{
    kindLabel_->setText(cashKindLabel(naktur_));
    header_ = readHeader(session_.main(), unit_, naktur_).value_or(PlanHeader{});
    header_.BKOD = unit_;
    header_.NAKTUR = naktur_;
    lines_ = readLines(session_.main(), unit_, naktur_);
    institution_->setText(header_.KURAD);
    purpose_->setText(header_.SAYAD);
    attachments_->setText(header_.EKLER);
    accountingUnit_->setCode(header_.BKOD5.isEmpty() ? QVariant() : QVariant(header_.BKOD5));
    payee_->setCode(header_.CKOD != 0 ? QVariant(header_.CKOD) : QVariant());
    const std::vector<DefaultPlan> offered = plansOffered(naktur_);
    for (QAction *a : planActions_)
        a->setEnabled(std::find(offered.begin(), offered.end(), DefaultPlan(a->data().toInt())) != offered.end());
    fillGrid();
}

void PlanDialog::showKind(const QString &naktur)
{
    if (naktur == naktur_)
        return;
    naktur_ = naktur;
    load();
}

void PlanDialog::fillGrid()
{
    filling_ = true;
    grid_->setRowCount(int(lines_.size()));
    for (int r = 0; r < int(lines_.size()); ++r)
        fillRow(r);
    filling_ = false;
}

void PlanDialog::fillRow(int r)
{
    const bool was = filling_;
    filling_ = true;
    const PlanLine &l = lines_[std::size_t(r)];
    const QString cells[ColumnCount] = {l.HKOD, l.TUR, l.DUR.trimmed(), l.ACIK,
                                        l.HESAP.isEmpty() ? QString() : QStringLiteral("X"), methodText(l.HESAPDUR),
                                        l.KKOD, l.FKOD, l.FTIP, l.EKOD, l.CKOD != 0 ? QString::number(l.CKOD) : QString()};
    for (int c = 0; c < ColumnCount; ++c) {
        auto *item = new QTableWidgetItem(cells[c]);
        // The formula, the budget codes and the account come from their dialogs.
        if (c == HESAP || c == KKOD || c == FKOD || c == FTIP || c == EKOD || c == CKOD)
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        grid_->setItem(r, c, item);
    }
    filling_ = was;
}

void PlanDialog::cellEdited(int row, int column)
{
    if (filling_ || row < 0 || row >= int(lines_.size()))
        return;
    PlanLine &l = lines_[std::size_t(row)];
    const QString text = grid_->item(row, column)->text().trimmed();
    switch (column) {
    case HKOD:
        l.HKOD = text;
        if (accountingOpen_) {
            try {
                if (const auto acik = chartDescription(session_.accounting(), text, session_.ctx.CYIL.toInt()))
                    l.ACIK = fitDescription(*acik);
            } catch (const db::DbError &) {
                // not in the year's chart: the description stays
            }
        }
        break;
    case TUR:
        l.TUR = text.left(1).toUpper();
        if (l.TUR != QLatin1String("B") && l.TUR != QLatin1String("A"))
            l.TUR.clear();
        break;
    case DUR:
        l.DUR = text.left(1).toUpper();
        break;
    case ACIK:
        l.ACIK = fitDescription(text);
        break;
    case HESAPDUR:
        // The pick list stores the first character: "Ayrı Ayrı" A, "Toplam" T.
        l.HESAPDUR = text.isEmpty() ? QString() : text.left(1).toUpper();
        break;
    default:
        break;
    }
    fillRow(row);
}

void PlanDialog::addLine()
{
    PlanLine l;
    lines_.push_back(l);
    fillGrid();
    grid_->setCurrentCell(int(lines_.size()) - 1, HKOD);
}

void PlanDialog::deleteLine()
{
    const int row = grid_->currentRow();
    if (row < 0 || row >= int(lines_.size()))
        return;
    lines_.erase(lines_.begin() + row);
    fillGrid();
}

void PlanDialog::generate(DefaultPlan plan)
{
    if (!lines_.empty() && !prompter_.ask(this, QString::fromUtf8(kReplaceQuestion)))
        return;
    lines_ = defaultPlan(plan, inst_ && inst_->memorandum());
    if (purpose_->text().trimmed().isEmpty())
        purpose_->setText(defaultPurpose(plan));
    fillGrid();
}

void PlanDialog::editFormula()
{
    const int row = grid_->currentRow();
    if (row < 0 || row >= int(lines_.size()) || !formulaEditor)
        return;
    if (const auto formula = formulaEditor(lines_[std::size_t(row)].HESAP)) {
        lines_[std::size_t(row)].HESAP = *formula;
        fillRow(row);
    }
}

void PlanDialog::lookUpBudget()
{
    const int row = grid_->currentRow();
    if (row < 0 || row >= int(lines_.size()) || !budgetLookup)
        return;
    const QString birim = accountingUnit_->codeText();
    if (birim.isEmpty()) {
        prompter_.inform(this, QString::fromUtf8(kChooseUnit));
        return;
    }
    const QString kkod = (inst_ ? inst_->prefix() : session_.ctx.MUHKOD) + QLatin1Char('.') + birim;
    if (const auto chosen = budgetLookup(kkod)) {
        PlanLine &l = lines_[std::size_t(row)];
        if (!chosen->ACIK.isEmpty())
            l.ACIK = fitDescription(chosen->ACIK);
        l.KKOD = chosen->KKOD;
        l.FTIP = chosen->FTIP;
        l.FKOD = chosen->FKOD;
        l.EKOD = chosen->EKOD;
        fillRow(row);
    }
}

void PlanDialog::pickAccount()
{
    const int row = grid_->currentRow();
    if (row < 0 || row >= int(lines_.size()) || !accountPicker)
        return;
    PlanLine &l = lines_[std::size_t(row)];
    if (!takesCurrentAccount(l.HKOD))
        return;
    if (const auto account = accountPicker(l.CKOD)) {
        l.CKOD = *account;
        fillRow(row);
    }
}

PlanHeader PlanDialog::headerFromFields() const
{
    PlanHeader h = header_;
    h.BKOD = unit_;
    h.NAKTUR = naktur_;
    h.KURAD = institution_->text().trimmed();
    h.SAYAD = purpose_->text().trimmed();
    h.EKLER = attachments_->text().trimmed();
    h.BKOD5 = accountingUnit_->codeText();
    h.CKOD = payee_->codeNumber().value_or(0);
    return h;
}

void PlanDialog::save()
{
    try {
        savePlan(session_.main(), headerFromFields(), lines_, session_.ctx.CYIL.toInt());
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    accept();
}

void openPlanDefinitions(QWidget *parent, Session &session, ui::Prompter &prompter, int unit, const QString &naktur)
{
    QString kind = naktur;
    if (kind.isEmpty()) {
        try {
            kind = cashKindOfUnitKind(unitKind(session.main(), unit));
        } catch (const db::DbError &) {
        }
    }
    if (kind.isEmpty())
        kind = QStringLiteral("1");
    PlanDialog d(session, prompter, unit, kind, parent);
    d.exec();
}

}  // namespace zeran::posting
