#include "archivescreen.h"

#include "calendar.h"
#include "commandbar.h"
#include "gridsetup.h"
#include "mainwindow.h"
#include "output.h"
#include "personnelscreens.h"
#include "printing.h"
#include "prompter.h"
#include "session.h"
#include "spreadsheet.h"
#include "storedmonthdialog.h"
#include "unitstore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zeran::archive::ui {

using zeran::ui::commandButton;

bool PromptQuestions::confirm(const QString &text)
{
    return prompter_.ask(parent_, text);
}

void PromptQuestions::inform(const QString &text)
{
    prompter_.inform(parent_, text);
}

PaymentDialog::PaymentDialog(Scope scope, zeran::ui::Prompter &prompter, QWidget *parent)
    : QDialog(parent), scope_(scope), prompter_(prompter)
{
    setWindowTitle(QStringLiteral("MAAŞ ÖDEME BİLGİLERİ"));
    setObjectName(QStringLiteral("paymentDialog"));
    auto *form = new QFormLayout;
    number_ = new QLineEdit(this);
    number_->setObjectName(QStringLiteral("journalNumberEdit"));
    date_ = new QLineEdit(this);
    date_->setObjectName(QStringLiteral("journalDateEdit"));
    date_->setPlaceholderText(QStringLiteral("GG.AA.YYYY"));
    state_ = new QComboBox(this);
    state_->setObjectName(QStringLiteral("paymentStateCombo"));
    if (scope == Scope::OneRow)
        state_->addItems({QStringLiteral("1-Ödendi"), QStringLiteral("2-Ödenmedi")});
    else
        state_->addItems({QStringLiteral("Ödendi"), QStringLiteral("Ödenmedi")});
    form->addRow(QStringLiteral("Yevmiye No"), number_);
    form->addRow(QStringLiteral("Yevmiye Tarihi"), date_);
    form->addRow(QStringLiteral("Durum"), state_);
    auto *save = commandButton(scope == Scope::OneRow ? QStringLiteral("Kayıt") : QStringLiteral("Aktar"),
                               QStringLiteral("saveButton"), this);
    auto *cancel = commandButton(QStringLiteral("İptal"), QStringLiteral("cancelButton"), this);
    connect(save, &QPushButton::clicked, this, &PaymentDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void PaymentDialog::show(const results::ResultRow &row)
{
    number_->setText(journalNumberText(row.ODENO));
    date_->setText(journalDateText(row.ODETAR));
    state_->setCurrentIndex(row.ODE == QLatin1String("2") ? 1 : 0);
}

std::optional<results::PaymentStatus> PaymentDialog::status()
{
    const NumberReading n = readJournalNumber(number_->text());
    if (!n.ok()) {
        prompter_.inform(this, n.problem);
        number_->setFocus();
        return std::nullopt;
    }
    const NumberReading d = readJournalDate(date_->text());
    if (!d.ok()) {
        prompter_.inform(this, d.problem);
        date_->setFocus();
        return std::nullopt;
    }
    return results::PaymentStatus{state_->currentIndex() == 1 ? QStringLiteral("2") : QStringLiteral("1"), n.value,
                                  d.value};
}

void PaymentDialog::accept()
{
    if (auto s = status()) {
        read_ = *s;
        QDialog::accept();
    }
}

void ArchiveRowsModel::setRows(const std::vector<ArchiveRow> *rows)
{
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

int ArchiveRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !rows_ ? 0 : int(rows_->size());
}

int ArchiveRowsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(gridHeadings().size());
}

QVariant ArchiveRowsModel::data(const QModelIndex &index, int role) const
{
    if (!rows_ || !index.isValid() || index.row() >= int(rows_->size()))
        return {};
    if (role == Qt::DisplayRole)
        return gridTexts((*rows_)[std::size_t(index.row())]).value(index.column());
    if (role == Qt::TextAlignmentRole && index.column() >= 3 && index.column() <= 5)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

QVariant ArchiveRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return gridHeadings().value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

namespace {

std::optional<results::PaymentStatus> askPayment(QWidget *parent, zeran::ui::Prompter &prompter,
                                                 PaymentDialog::Scope scope, const results::ResultRow *row)
{
    PaymentDialog d(scope, prompter, parent);
    if (row)
        d.show(*row);
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.status();
}

}  // namespace

ArchiveScreen::ArchiveScreen(Session &session, zeran::ui::Prompter &prompter, QWidget *parent)
    : QWidget(parent), session_(session), prompter_(prompter)
{
    setWindowTitle(QStringLiteral("ÖNCEKİ DÖNEM BORDROLARI"));
    setObjectName(QStringLiteral("archiveScreen"));

    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("unitCombo"));
    allUnits_ = new QCheckBox(QStringLiteral("Tümü"), this);
    allUnits_->setObjectName(QStringLiteral("allUnitsCheck"));
    person_ = new QComboBox(this);
    person_->setObjectName(QStringLiteral("personCombo"));
    yearEdit_ = new QLineEdit(this);
    yearEdit_->setObjectName(QStringLiteral("yearEdit"));
    yearEdit_->setMaxLength(4);
    yearEdit_->setInputMask(QStringLiteral("9999"));
    month_ = new QComboBox(this);
    month_->setObjectName(QStringLiteral("monthCombo"));
    month_->addItems(monthSelectorTexts());
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("kindCombo"));
    kind_->addItems(kindSelectorTexts());

    auto *top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("Birim"), this), 0, 0);
    top->addWidget(unit_, 0, 1);
    top->addWidget(allUnits_, 0, 2);
    top->addWidget(new QLabel(QStringLiteral("Adı Soyadı"), this), 1, 0);
    top->addWidget(person_, 1, 1, 1, 2);
    top->addWidget(new QLabel(QStringLiteral("Hesap Yılı"), this), 0, 3);
    top->addWidget(yearEdit_, 0, 4);
    top->addWidget(new QLabel(QStringLiteral("Maaş Ayı"), this), 1, 3);
    top->addWidget(month_, 1, 4);
    top->addWidget(new QLabel(QStringLiteral("Maaş Türü"), this), 2, 3);
    top->addWidget(kind_, 2, 4);
    top->setColumnStretch(1, 1);

    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("archiveGrid"));
    model_ = new ArchiveRowsModel(this);
    grid_->setModel(model_);
    zeran::ui::setUpGrid(grid_);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *context = new QMenu(grid_);
    context->setObjectName(QStringLiteral("gridMenu"));
    QAction *payOne = context->addAction(QStringLiteral("Ödeme Bilgileri"));
    payOne->setObjectName(QStringLiteral("paymentAction"));
    QAction *payAllRows = context->addAction(QStringLiteral("Tüm Ödeme"));
    payAllRows->setObjectName(QStringLiteral("allPaymentAction"));
    connect(payOne, &QAction::triggered, this, &ArchiveScreen::payCurrent);
    connect(payAllRows, &QAction::triggered, this, &ArchiveScreen::payAll);
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this, context](const QPoint &p) { context->popup(grid_->viewport()->mapToGlobal(p)); });
    connect(grid_, &QAbstractItemView::doubleClicked, this, &ArchiveScreen::openDetails);

    auto *details = commandButton(QStringLiteral("Detay Bilgiler"), QStringLiteral("detailsButton"), this);
    auto *print = commandButton(QStringLiteral("Bordro Yazdır"), QStringLiteral("printButton"), this);
    auto *printMenu = new QMenu(print);
    printMenu->setObjectName(QStringLiteral("printMenu"));
    collective_ = printMenu->addAction(QStringLiteral("Toplu Yaz"));
    collective_->setObjectName(QStringLiteral("collectivePrintAction"));
    QAction *detailed = printMenu->addAction(QStringLiteral("Detay Yaz"));
    detailed->setObjectName(QStringLiteral("detailedPrintAction"));
    QAction *single = printMenu->addAction(QStringLiteral("Tek Yaz"));
    single->setObjectName(QStringLiteral("singlePrintAction"));
    print->setMenu(printMenu);
    connect(collective_, &QAction::triggered, this, &ArchiveScreen::printCollective);
    connect(detailed, &QAction::triggered, this, [this] { printDetailed(false); });
    connect(single, &QAction::triggered, this, [this] { printDetailed(true); });
    auto *find = commandButton(QStringLiteral("Bul"), QStringLiteral("findButton"), this);
    auto *remove = commandButton(QStringLiteral("Sil"), QStringLiteral("deleteButton"), this);
    auto *exportButton = commandButton(QStringLiteral("Dosya Oluşturma"), QStringLiteral("exportButton"), this);
    auto *exit = commandButton(QStringLiteral("Çıkış"), QStringLiteral("exitButton"), this);
    connect(details, &QPushButton::clicked, this, &ArchiveScreen::openDetails);
    connect(find, &QPushButton::clicked, this, &ArchiveScreen::findPerson);
    connect(remove, &QPushButton::clicked, this, &ArchiveScreen::deleteMonth);
    connect(exportButton, &QPushButton::clicked, this, &ArchiveScreen::exportRows);
    connect(exit, &QPushButton::clicked, this, [this] {
        // Inside the frame the screen sits in a sub-window: closing that closes the screen.
        if (parentWidget() && parentWidget()->inherits("QMdiSubWindow"))
            parentWidget()->close();
        else
            close();
    });
    auto *commands = new QHBoxLayout;
    for (QPushButton *b : {details, print, find, remove, exportButton})
        commands->addWidget(b);
    commands->addStretch();
    commands->addWidget(exit);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addLayout(commands);

    connect(unit_, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            unitChanged();
    });
    connect(allUnits_, &QCheckBox::toggled, this, [this] {
        fillUnits();
        requery();
    });
    connect(person_, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            requery();
    });
    connect(yearEdit_, &QLineEdit::textChanged, this, [this](const QString &t) { year_ = t.trimmed(); });
    connect(yearEdit_, &QLineEdit::returnPressed, this, &ArchiveScreen::requery);
    connect(month_, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            requery();
    });
    connect(kind_, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            requery();
    });

    openers_.findPerson = [this](QWidget *parent) -> std::optional<int> {
        const auto pick = personnel::openPersonSearch(parent, session_, &prompter_);
        return pick ? std::optional<int>(pick->PKAYNO) : std::nullopt;
    };
    openers_.storedMonth = [this](QWidget *parent, const results::RowKey &key) {
        openStoredMonth(parent, session_, prompter_, key);
    };
    openers_.payment = [this](QWidget *parent, PaymentDialog::Scope scope, const results::ResultRow *row) {
        return askPayment(parent, prompter_, scope, row);
    };
}

void ArchiveScreen::start()
{
    filling_ = true;
    year_ = session_.ctx.CYIL;
    yearEdit_->setText(year_);
    month_->setCurrentIndex(session_.ctx.AY >= 1 && session_.ctx.AY <= 12 ? session_.ctx.AY : 0);
    kind_->setCurrentIndex(0);
    filling_ = false;
    fillUnits();
    fillPersons();
    requery();
}

void ArchiveScreen::fillUnits()
{
    filling_ = true;
    const int keep = unit_->count() > 0 ? unit_->currentData().toInt() : session_.ctx.MBKOD;
    unit_->clear();
    unit_->addItem(QStringLiteral("Tümü"), 0);
    try {
        for (const units::UnitName &u :
             units::units(session_.main(), allUnits_->isChecked() ? units::UnitFilter::All : units::UnitFilter::Active))
            unit_->addItem(u.BIRIM, u.BKOD);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    const int at = unit_->findData(keep);
    unit_->setCurrentIndex(at >= 0 ? at : 0);
    filling_ = false;
}

void ArchiveScreen::fillPersons()
{
    filling_ = true;
    const int keep = person_->currentData().toInt();
    person_->clear();
    person_->addItem(QStringLiteral("Tümü"), 0);
    try {
        // Each item carries its person number: two namesakes are two items.
        for (const PersonChoice &p : personChoices(session_.main(), unit_->currentData().toInt()))
            person_->addItem(p.ADSOY, p.PKAYNO);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    const int at = person_->findData(keep);
    person_->setCurrentIndex(at >= 0 ? at : 0);
    filling_ = false;
}

void ArchiveScreen::unitChanged()
{
    fillPersons();
    requery();
}

ArchiveSelection ArchiveScreen::selection() const
{
    ArchiveSelection s;
    s.year = year_;
    s.month = month_->currentIndex();
    s.kind = static_cast<PayrollKind>(kind_->currentIndex() + 1);
    s.unit = unit_->currentData().toInt();
    s.person = person_->currentData().toInt();
    return s;
}

void ArchiveScreen::requery()
{
    const ArchiveSelection s = selection();
    collective_->setEnabled(s.kind == PayrollKind::Monthly || s.kind == PayrollKind::Difference ||
                            s.kind == PayrollKind::Additional);
    const int keepRow = grid_->currentIndex().row();
    model_->setRows(nullptr);
    if (s.year.size() != 4) {
        data_ = {};
        return;
    }
    try {
        data_ = loadArchiveData(session_.main(), s);
    } catch (const db::DbError &e) {
        data_ = {};
        prompter_.inform(this, e.text);
    }
    model_->setRows(&data_.rows);
    if (model_->rowCount() > 0)
        grid_->setCurrentIndex(model_->index(std::clamp(keepRow, 0, model_->rowCount() - 1), 0));
}

int ArchiveScreen::currentRow() const
{
    const int r = grid_->currentIndex().row();
    return r >= 0 && r < int(data_.rows.size()) ? r : -1;
}

void ArchiveScreen::openDetails()
{
    const int r = currentRow();
    if (r < 0 || data_.rows[std::size_t(r)].result.key.PKAYNO == 0)
        return;
    openers_.storedMonth(this, data_.rows[std::size_t(r)].result.key);
    requery();
}

void ArchiveScreen::findPerson()
{
    const std::optional<int> person = openers_.findPerson(this);
    if (!person)
        return;
    for (std::size_t r = 0; r < data_.rows.size(); ++r) {
        if (data_.rows[r].result.key.PKAYNO == *person) {
            grid_->setCurrentIndex(model_->index(int(r), 0));
            grid_->scrollTo(grid_->currentIndex());
            return;
        }
    }
}

void ArchiveScreen::deleteMonth()
{
    PromptQuestions questions(prompter_, this);
    const OperationResult r = archive::deleteMonth(session_.main(), session_.ctx, selection(), questions);
    if (r.outcome == Outcome::Failed)
        prompter_.inform(this, r.message);
    if (r.outcome == Outcome::Done || r.outcome == Outcome::Failed)
        requery();
}

void ArchiveScreen::exportRows()
{
    sheet::Workbook wb;
    const ExportSheet sheet = exportSheet(data_.rows, year_);
    if (!fillWorkbook(sheet, wb)) {
        prompter_.inform(this, QString::fromUtf8(kExportFailed));
        return;
    }
    const sheet::Result shown = wb.show();
    if (!shown.ok()) {
        prompter_.inform(this, shown.kind == sheet::ErrorKind::EngineNotStarted ? shown.message
                                                                                 : QString::fromUtf8(kExportFailed));
        return;
    }
    prompter_.inform(this, QString::fromUtf8(kExportDone));
}

void ArchiveScreen::payCurrent()
{
    const int r = currentRow();
    if (r < 0)
        return;
    const results::ResultRow &row = data_.rows[std::size_t(r)].result;
    const auto status = openers_.payment(this, PaymentDialog::Scope::OneRow, &row);
    if (!status)
        return;
    const OperationResult done = setPayments(session_.main(), session_.ctx, {row.key}, *status);
    if (done.outcome != Outcome::Done)
        prompter_.inform(this, done.message);
    requery();
}

void ArchiveScreen::payAll()
{
    if (data_.rows.empty())
        return;
    const auto status = openers_.payment(this, PaymentDialog::Scope::AllRows, nullptr);
    if (!status)
        return;
    std::vector<results::RowKey> keys;
    keys.reserve(data_.rows.size());
    for (const ArchiveRow &a : data_.rows)
        keys.push_back(a.result.key);
    const OperationResult done = setPayments(session_.main(), session_.ctx, keys, *status);
    if (done.outcome != Outcome::Done)
        prompter_.inform(this, done.message);
    requery();
}

void ArchiveScreen::printCollective()
{
    const ArchiveSelection s = selection();
    if (s.kind != PayrollKind::Monthly && s.kind != PayrollKind::Difference && s.kind != PayrollKind::Additional)
        return;
    if (!report::choosePrinter(this, printer_))
        return;
    payrolldocs::previewArchiveDocument(this, printer_, data_);
}

void ArchiveScreen::printDetailed(bool onlyCurrent)
{
    const int r = currentRow();
    if (data_.rows.empty() || (onlyCurrent && r < 0))
        return;
    if (!report::choosePrinter(this, printer_))
        return;
    payrolldocs::previewArchiveStatements(this, printer_, data_,
                                          onlyCurrent ? std::optional<std::size_t>(std::size_t(r)) : std::nullopt);
}

void openArchive(zeran::ui::MainWindow &window, Session &session)
{
    ArchiveScreen *made = nullptr;
    window.showChild(QStringLiteral("archive"), [&]() -> QWidget * {
        made = new ArchiveScreen(session, window.prompter());
        return made;
    });
    // Later activations of the open window keep its selection.
    if (made)
        made->start();
}

}  // namespace zeran::archive::ui
