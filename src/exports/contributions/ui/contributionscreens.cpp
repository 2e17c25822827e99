#include "contributionscreens.h"

#include "amountwords.h"
#include "calendar.h"
#include "codecombo.h"
#include "commandbar.h"
#include "dateedit.h"
#include "gridsetup.h"
#include "moneyedit.h"
#include "output.h"
#include "prompter.h"
#include "session.h"
#include "summarydocument.h"
#include "unitstore.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeran::contributions::ui {

using zeran::ui::CodeCombo;
using zeran::ui::DateEdit;

namespace {

const QString kDone = QStringLiteral("Dosya oluşturma işlemi tamamlandı...");
const QString kFailed = QStringLiteral("DİKKAT! Hata oluştuğundan işlem yapılamadı...");
const QString kNumberUsed = QStringLiteral("DİKKAT! Bu emekli Numarası tanımlıdır");

QTableWidget *grid(QWidget *parent, const QStringList &heads, const QString &name,
                   zeran::ui::GridEditing editing = zeran::ui::GridEditing::ReadOnly)
{
    auto *g = new QTableWidget(0, int(heads.size()), parent);
    g->setObjectName(name);
    g->setHorizontalHeaderLabels(heads);
    zeran::ui::setUpGrid(g, editing);
    return g;
}

void setCell(QTableWidget *g, int row, int col, const QString &text, bool right = false)
{
    auto *item = new QTableWidgetItem(text);
    if (right)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->setItem(row, col, item);
}

QString pairText(const QString &a, const QString &b)
{
    return a + QLatin1Char('/') + b;
}

QDateTime nowOf(const Session &s)
{
    return QDateTime(s.ctx.startUpDate(), QTime::currentTime());
}

}  // namespace

// ---- printing -----------------------------------------------------------------------------

PrinterOutlet::PrinterOutlet() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}
PrinterOutlet::~PrinterOutlet() = default;

bool PrinterOutlet::choosePrinter(QWidget *parent)
{
    return report::choosePrinter(parent, *printer_);
}

void PrinterOutlet::preview(QWidget *parent, const report::Document &doc)
{
    report::preview(parent, *printer_, doc);
}

void PrinterOutlet::print(const report::Document &doc)
{
    report::print(*printer_, doc);
}

// ---- "PERSONEL BİLGİLERİ" -------------------------------------------------------------------

CorrectionDialog::CorrectionDialog(QWidget *parent, Session &session, zeran::ui::Prompter &prompter,
                                   const PersonCorrection &person)
    : QDialog(parent), session_(session), prompter_(prompter), before_(person), after_(person)
{
    setWindowTitle(QStringLiteral("PERSONEL BİLGİLERİ"));
    auto *form = new QFormLayout;
    auto *name = new QLineEdit(person.ADI, this);
    auto *surname = new QLineEdit(person.SOYADI, this);
    auto *unit = new QLineEdit(person.BIRIM, this);
    for (QLineEdit *e : {name, surname, unit})
        e->setReadOnly(true);
    name->setObjectName(QStringLiteral("nameEdit"));
    surname->setObjectName(QStringLiteral("surnameEdit"));
    unit->setObjectName(QStringLiteral("unitEdit"));
    emsno_ = new QLineEdit(person.EMSNO, this);
    emsno_->setObjectName(QStringLiteral("retirementNumberEdit"));
    emsno_->setMaxLength(15);
    tckno_ = new QLineEdit(person.TCKNO, this);
    tckno_->setObjectName(QStringLiteral("identityNumberEdit"));
    tckno_->setMaxLength(11);
    gsstur_ = new CodeCombo(this);
    gsstur_->setObjectName(QStringLiteral("insuranceCombo"));
    gsstur_->setChoices({{QStringLiteral("E"), QStringLiteral("Emekli Sandığı")},
                         {QStringLiteral("5"), QStringLiteral("5510 S.K.")},
                         {QStringLiteral("Y"), QStringLiteral("Yok")}});
    gsstur_->setCode(person.GSSTUR);
    tertar_ = new DateEdit(this);
    tertar_->setObjectName(QStringLiteral("promotionDateEdit"));
    tertar_->setDate(person.TERTAR);
    form->addRow(QStringLiteral("Adı"), name);
    form->addRow(QStringLiteral("Soyadı"), surname);
    form->addRow(QStringLiteral("Birimi"), unit);
    form->addRow(QStringLiteral("Emekli Sicil No"), emsno_);
    form->addRow(QStringLiteral("T.C.Kimlik No"), tckno_);
    form->addRow(QStringLiteral("Sigorta Türü"), gsstur_);
    form->addRow(QStringLiteral("Terfi Tarihi"), tertar_);
    auto *bar = new zeran::ui::CommandBar(this);
    connect(bar->add(QStringLiteral("Kayıt"), QStringLiteral("saveButton")), &QPushButton::clicked, this,
            [this] { save(); });
    connect(bar->add(QStringLiteral("İptal"), QStringLiteral("cancelButton")), &QPushButton::clicked, this,
            &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(bar);
}

bool CorrectionDialog::save()
{
    PersonCorrection after = before_;
    after.EMSNO = emsno_->text().trimmed();
    after.TCKNO = tckno_->text().trimmed();
    // A stored kind the list does not offer ("V" acting) stays as it is unless another is chosen.
    if (gsstur_->code().isValid())
        after.GSSTUR = gsstur_->codeText();
    const auto date = tertar_->date();
    if (!date) {
        prompter_.inform(this, zeran::ui::invalidDateMessage(tertar_->text()));
        return false;
    }
    after.TERTAR = *date;
    try {
        if (after.EMSNO != before_.EMSNO && retirementNumberTaken(session_.main(), after.EMSNO, after.PKAYNO)) {
            prompter_.inform(this, kNumberUsed);
            return false;
        }
        saveCorrection(session_.main(), before_, after, session_.ctx.CYIL);
    } catch (const db::DbError &e) {
        // Nothing of the correction is kept: the dialog stays open with what was typed.
        prompter_.inform(this, kFailed + QStringLiteral("\r") + e.text);
        return false;
    }
    after_ = after;
    accept();
    return true;
}

// ---- "EMEKLİ KESENEĞİ " ---------------------------------------------------------------------

ContributionFileDialog::ContributionFileDialog(QWidget *parent, Session &session, zeran::ui::Prompter &prompter,
                                               int month)
    : QDialog(parent), session_(session), prompter_(prompter)
{
    setWindowTitle(QStringLiteral("EMEKLİ KESENEĞİ "));
    month_ = new QComboBox(this);
    month_->setObjectName(QStringLiteral("monthCombo"));
    for (int m = 1; m <= 12; ++m)
        month_->addItem(monthListName(m));
    const int chosen = month >= 1 && month <= 12 ? month : session.ctx.AY;
    month_->setCurrentIndex(chosen >= 1 && chosen <= 12 ? chosen - 1 : 0);
    kind_ = new CodeCombo(this);
    kind_->setObjectName(QStringLiteral("insuranceCombo"));
    kind_->setChoices({{QStringLiteral("E"), regimeText(Regime::RetirementFund)},
                       {QStringLiteral("5"), regimeText(Regime::Law5510)}});
    kind_->setCurrentIndex(0);
    payrollKind_ = new CodeCombo(this);
    payrollKind_->setObjectName(QStringLiteral("payrollCombo"));
    CodeItems kinds;
    for (PayrollChoice c : {PayrollChoice::Salary, PayrollChoice::Difference, PayrollChoice::Inflation,
                            PayrollChoice::DifferenceTotal})
        kinds.push_back({payrollChoiceCode(c), payrollChoiceText(c)});
    payrollKind_->setChoices(kinds);
    payrollKind_->setCurrentIndex(0);
    order_ = new CodeCombo(this);
    order_->setObjectName(QStringLiteral("orderCombo"));
    order_->setChoices({{QStringLiteral("TCKNO"), QStringLiteral("T.C.Kimlik No")},
                        {QStringLiteral("EMSNO"), QStringLiteral("Em.Sicil No")}});
    order_->setCurrentIndex(0);
    path_ = new QLineEdit(this);
    path_->setObjectName(QStringLiteral("pathEdit"));

    auto *inputs = new QGridLayout;
    inputs->addWidget(new QLabel(QStringLiteral("İlgili Ay"), this), 0, 0);
    inputs->addWidget(month_, 0, 1);
    inputs->addWidget(new QLabel(QStringLiteral("Zeran Sigorta Türü"), this), 0, 2);
    inputs->addWidget(kind_, 0, 3);
    inputs->addWidget(new QLabel(QStringLiteral("Maaş Türü"), this), 1, 0);
    inputs->addWidget(payrollKind_, 1, 1);
    inputs->addWidget(new QLabel(QStringLiteral("Sıralama"), this), 1, 2);
    inputs->addWidget(order_, 1, 3);
    inputs->addWidget(new QLabel(QStringLiteral("Dosya Yolu"), this), 2, 0);
    inputs->addWidget(path_, 2, 1, 1, 3);

    const QStringList identity{QStringLiteral("T.C.K No"), QStringLiteral("Emekli Sicil"), QStringLiteral("Adı Soyadı"),
                               QStringLiteral("K.Yıl"),    QStringLiteral("Hizmet"),       QStringLiteral("Terfi"),
                               QStringLiteral("E.D/K"),    QStringLiteral("Em.Ek.G."),     QStringLiteral("M.D/K"),
                               QStringLiteral("M.Ek.G.")};
    fundGrid_ = grid(this,
                     identity
                         + QStringList{QStringLiteral("Kes.%16"), QStringLiteral("Kes.%20"), QStringLiteral("Artış%100"),
                                       QStringLiteral("GSS Prim"), QStringLiteral("Hiz.Borç."), QStringLiteral("Para Cezası")},
                     QStringLiteral("fundGrid"));
    lawGrid_ = grid(this,
                    identity
                        + QStringList{QStringLiteral("Kes.%11"), QStringLiteral("Kes.%9"), QStringLiteral("Kes (%7.5)"),
                                      QStringLiteral("Kes (%5)"), QStringLiteral("Artış%100"), QStringLiteral("GSS Prim"),
                                      QStringLiteral("Hiz.Borç."), QStringLiteral("Para Cezası")},
                    QStringLiteral("lawGrid"));
    grids_ = new QStackedWidget(this);
    grids_->addWidget(fundGrid_);
    grids_->addWidget(lawGrid_);
    for (QTableWidget *g : {fundGrid_, lawGrid_}) {
        g->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(g, &QWidget::customContextMenuRequested, this, [this, g](const QPoint &at) {
            const int row = g->rowAt(at.y());
            if (row < 0)
                return;
            QMenu menu(this);
            QAction *edit = menu.addAction(QStringLiteral("Personel Düzenle"));
            if (menu.exec(g->viewport()->mapToGlobal(at)) == edit)
                editPerson(row);
        });
    }

    auto *bar = new zeran::ui::CommandBar(this);
    connect(bar->add(QStringLiteral("Dosya Oluştur"), QStringLiteral("makeFileButton")), &QPushButton::clicked, this,
            &ContributionFileDialog::makeFile);
    bar->addStretch();
    connect(bar->add(QStringLiteral("Çıkış"), QStringLiteral("closeButton")), &QPushButton::clicked, this,
            &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(grids_, 1);
    layout->addWidget(bar);
    resize(1100, 600);

    runCorrection = [](CorrectionDialog &d) { return d.exec() == QDialog::Accepted; };

    for (QComboBox *c : {static_cast<QComboBox *>(month_), static_cast<QComboBox *>(kind_),
                         static_cast<QComboBox *>(payrollKind_), static_cast<QComboBox *>(order_)})
        connect(c, &QComboBox::currentIndexChanged, this, [this] {
            recomputePath();
            select();
        });
    recomputePath();
    select();
}

Regime ContributionFileDialog::regime() const
{
    return kind_->codeText() == QLatin1String("5") ? Regime::Law5510 : Regime::RetirementFund;
}

PayrollChoice ContributionFileDialog::payroll() const
{
    return payrollChoiceFromCode(payrollKind_->codeText()).value_or(PayrollChoice::Salary);
}

QTableWidget *ContributionFileDialog::shownGrid() const
{
    return regime() == Regime::RetirementFund ? fundGrid_ : lawGrid_;
}

QString ContributionFileDialog::path() const
{
    return path_->text();
}

void ContributionFileDialog::recomputePath()
{
    const QString folder = session_.settings.EMKYOL;
    path_->setText(QDir(folder).filePath(fileName(session_.ctx.CYIL, month_->currentIndex() + 1, regime(), payroll())));
}

void ContributionFileDialog::select()
{
    grids_->setCurrentWidget(shownGrid());
    lines_.clear();
    try {
        input_ = loadFileInput(session_.main(), regime(), payroll(),
                               order_->codeText() == QLatin1String("EMSNO") ? Order::Emsno : Order::Tckno,
                               session_.ctx.CYIL, month_->currentIndex() + 1, nowOf(session_));
        lines_ = selectLines(input_);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    fill(shownGrid(), regime() == Regime::RetirementFund);
}

void ContributionFileDialog::fill(QTableWidget *g, bool fund)
{
    g->setRowCount(int(lines_.size()));
    const QDateTime now = nowOf(session_);
    for (int r = 0; r < int(lines_.size()); ++r) {
        const ContributionLine &l = lines_[std::size_t(r)];
        const QStringList identity{l.TCKNO,
                                   l.EMSNO,
                                   l.ADSOY(),
                                   l.KIDEM,
                                   servicePeriodDisplay(l.KGT, now),
                                   l.TERTAR.isValid() ? l.TERTAR.toString(QStringLiteral("MM.dd")) : QString(),
                                   pairText(l.DER, l.KAD),
                                   l.MEGOS,
                                   pairText(l.MDER, l.MKAD),
                                   l.EGOS};
        for (int c = 0; c < identity.size(); ++c)
            setCell(g, r, c, identity[c]);
        const std::vector<Money> amounts =
            fund ? std::vector<Money>{l.EMKESM, l.EMKESD, l.ARTIS, l.DVVIADE, l.HIZBOR, l.PCEZA}
                 : std::vector<Money>{l.MYOI, l.MYOP, l.GSSI, l.GSSP, l.ARTIS, l.DVVIADE, l.HIZBOR, l.PCEZA};
        for (std::size_t a = 0; a < amounts.size(); ++a)
            setCell(g, r, int(identity.size() + qsizetype(a)), amounts[a].toText(), true);
    }
}

void ContributionFileDialog::makeFile()
{
    const FileOutcome out = buildFile(input_, lines_);
    if (!out.ok) {
        prompter_.inform(this, out.message);
        return;
    }
    QString error;
    if (!writeDeclaration(session_.main(), session_.ctx, path_->text(), out.bytes, session_.ctx.CYIL,
                          month_->currentIndex() + 1, regime(), &error)) {
        prompter_.inform(this, kFailed + QStringLiteral("\r") + error);
        return;
    }
    prompter_.inform(this, kDone);
}

void ContributionFileDialog::editPerson(int row)
{
    if (row < 0 || row >= int(lines_.size()))
        return;
    const ContributionLine line = lines_[std::size_t(row)];
    std::optional<PersonCorrection> person;
    try {
        person = readCorrection(session_.main(), line.PKAYNO, line.BKOD, line.PKOD);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    if (!person)
        return;
    CorrectionDialog dialog(this, session_, prompter_, *person);
    if (!runCorrection(dialog))
        return;
    select();
    // Back to the person, by the retirement number as saved.
    const QString emsno = dialog.saved().EMSNO;
    for (int r = 0; r < int(lines_.size()); ++r)
        if (lines_[std::size_t(r)].EMSNO == emsno) {
            shownGrid()->selectRow(r);
            break;
        }
}

// ---- "EMEKLİ KESENEKLERİ" ---------------------------------------------------------------------

namespace {

enum LedgerColumn { cAy, cName, cZer, cDev, cArtis, cBorc, cItas, cCeza, cCount };

}  // namespace

LedgerDialog::LedgerDialog(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, PrintOutlet &outlet)
    : QDialog(parent), session_(session), prompter_(prompter), outlet_(outlet)
{
    setWindowTitle(QStringLiteral("EMEKLİ KESENEKLERİ"));
    const QDate today = session.ctx.startUpDate();
    auto *dateLine = new QLabel(QStringLiteral("%1 %2 %3 %4")
                                    .arg(today.day())
                                    .arg(cal::monthName(today.month()))
                                    .arg(today.year())
                                    .arg(cal::weekdayName(today)),
                                this);
    dateLine->setObjectName(QStringLiteral("dateLine"));
    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("unitCombo"));
    unitCodeLabel_ = new QLabel(this);
    unitCodeLabel_->setObjectName(QStringLiteral("unitCodeLabel"));
    people_ = grid(this, {QStringLiteral("Adı ve Soyadı"), QStringLiteral("Emekli Sisil No")}, QStringLiteral("peopleGrid"));
    ledger_ = grid(this,
                   {QStringLiteral("AY"), QStringLiteral("Aylar"), QStringLiteral("% 15"), QStringLiteral("% 20"),
                    QStringLiteral("Artış"), QStringLiteral("Hiz.Borç."), QStringLiteral("İ.Tashihi"),
                    QStringLiteral("İ.Para.C.")},
                   QStringLiteral("ledgerGrid"), zeran::ui::GridEditing::InPlace);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Birim"), this));
    top->addWidget(unit_, 1);
    top->addWidget(unitCodeLabel_);
    top->addStretch();
    top->addWidget(dateLine);
    auto *middle = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("PERSONEL LİSTESİ"), this));
    left->addWidget(people_, 1);
    middle->addLayout(left, 1);
    middle->addWidget(ledger_, 2);
    auto *bar = new zeran::ui::CommandBar(this);
    connect(bar->add(QStringLiteral("Yıllık İcmal Yazdır"), QStringLiteral("printAllButton")), &QPushButton::clicked,
            this, [this] { printSummary(false); });
    connect(bar->add(QStringLiteral("Tek Yazdır"), QStringLiteral("printOneButton")), &QPushButton::clicked, this,
            [this] { printSummary(true); });
    bar->addStretch();
    connect(bar->add(QStringLiteral("Çıkış"), QStringLiteral("closeButton")), &QPushButton::clicked, this,
            &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addWidget(bar);
    resize(1000, 600);

    try {
        units_ = ledgerUnits(session.main());
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    for (const auto &[bkod, name] : units_)
        unit_->addItem(name);
    connect(unit_, &QComboBox::currentIndexChanged, this, &LedgerDialog::chooseUnit);
    connect(people_, &QTableWidget::currentCellChanged, this, [this](int row) { choosePerson(row); });
    connect(ledger_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (!filling_)
            saveRow(item->row());
    });
    chooseUnit(unit_->currentIndex());
}

void LedgerDialog::chooseUnit(int index)
{
    bkod_ = index >= 0 && index < int(units_.size()) ? units_[std::size_t(index)].first : 0;
    unitCodeLabel_->setText(bkod_ ? QString::number(bkod_) : QString());
    persons_.clear();
    try {
        if (bkod_)
            persons_ = unitPeople(session_.main(), bkod_);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    const QSignalBlocker block(people_);
    people_->setRowCount(int(persons_.size()));
    for (int r = 0; r < int(persons_.size()); ++r) {
        setCell(people_, r, 0, persons_[std::size_t(r)].ADSOY);
        setCell(people_, r, 1, persons_[std::size_t(r)].person.EMSNO);
    }
    if (!persons_.empty())
        people_->setCurrentCell(0, 0);
    choosePerson(persons_.empty() ? -1 : 0);
}

void LedgerDialog::choosePerson(int row)
{
    if (row < 0 || row >= int(persons_.size())) {
        rows_.clear();
        filling_ = true;
        ledger_->setRowCount(0);
        ledger_->setEnabled(false);
        filling_ = false;
        return;
    }
    ledger_->setEnabled(true);
    loadLedger();
}

void LedgerDialog::loadLedger()
{
    const int row = people_->currentRow();
    rows_.clear();
    if (row >= 0 && row < int(persons_.size())) {
        try {
            rows_ = ledgerRows(session_.main(), persons_[std::size_t(row)].person.PKAYNO, session_.ctx.CYIL);
        } catch (const db::DbError &e) {
            prompter_.inform(this, e.text);
        }
    }
    filling_ = true;
    // The person's rows and one empty row to add a month.
    ledger_->setRowCount(int(rows_.size()) + 1);
    for (int r = 0; r <= int(rows_.size()); ++r) {
        if (r == int(rows_.size())) {
            for (int c = 0; c < cCount; ++c)
                setCell(ledger_, r, c, QString(), c != cName);
        } else {
            const LedgerRow &e = rows_[std::size_t(r)];
            setCell(ledger_, r, cAy, QString::number(e.AY), true);
            setCell(ledger_, r, cName, ledgerMonthName(e.AY));
            const Money amounts[] = {e.ZER, e.DEV, e.ARTIS, e.BORC, e.ITAS, e.CEZA};
            for (int c = cZer; c < cCount; ++c)
                setCell(ledger_, r, c, amounts[c - cZer].toText(), true);
        }
        ledger_->item(r, cName)->setFlags(ledger_->item(r, cName)->flags() & ~Qt::ItemIsEditable);
    }
    filling_ = false;
}

bool LedgerDialog::saveRow(int row)
{
    const int person = people_->currentRow();
    if (person < 0 || person >= int(persons_.size()) || row < 0 || row > int(rows_.size()))
        return false;
    const auto text = [this, row](int c) {
        const QTableWidgetItem *item = ledger_->item(row, c);
        return item ? item->text().trimmed() : QString();
    };
    const bool isNew = row == int(rows_.size());
    if (isNew && text(cAy).isEmpty())
        return false;  // a month is needed before a new row can be kept
    LedgerRow r;
    r.PKAYNO = persons_[std::size_t(person)].person.PKAYNO;
    r.BKOD = persons_[std::size_t(person)].BKOD;
    r.TUR = QStringLiteral("1");
    r.YIL = session_.ctx.CYIL;
    bool ok = false;
    r.AY = text(cAy).toInt(&ok);
    QString problem;
    if (!ok)
        problem = QStringLiteral("DİKKAT! Ay 1 ile 12 arasında olmalıdır.");
    Money *amounts[] = {&r.ZER, &r.DEV, &r.ARTIS, &r.BORC, &r.ITAS, &r.CEZA};
    for (int c = cZer; c < cCount && problem.isEmpty(); ++c) {
        const zeran::ui::AmountReading a =
            zeran::ui::readAmount(text(c), ledger_->horizontalHeaderItem(c)->text());
        if (!a.ok())
            problem = a.problem;
        else if (a.amount)
            *amounts[c - cZer] = *a.amount;
    }
    if (problem.isEmpty()) {
        try {
            problem = saveLedgerRow(session_.main(), r,
                                    isNew ? std::nullopt : std::optional<LedgerRow>(rows_[std::size_t(row)]));
        } catch (const db::DbError &e) {
            problem = e.text;
        }
    }
    if (!problem.isEmpty())
        prompter_.inform(this, problem);
    // Shown as stored, whether the row was kept or refused.
    QMetaObject::invokeMethod(this, [this] { loadLedger(); }, Qt::QueuedConnection);
    return problem.isEmpty();
}

void LedgerDialog::printSummary(bool onePerson)
{
    const int person = people_->currentRow();
    if (onePerson && (person < 0 || person >= int(persons_.size())))
        return;
    if (!onePerson && !outlet_.choosePrinter(this))
        return;
    std::vector<SummaryRow> rows;
    try {
        rows = loadSummaryRows(session_.main(), bkod_, session_.ctx.CYIL,
                               onePerson ? std::optional<int>(persons_[std::size_t(person)].person.PKAYNO)
                                         : std::nullopt);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    SummaryHeader header;
    header.year = session_.ctx.CYIL;
    header.unitName = unit_->currentText();
    const report::Document doc = yearlySummaryDocument(header, rows);
    if (session_.ctx.ONIZ == QLatin1String("E"))
        outlet_.preview(this, doc);
    else if (session_.ctx.ONIZ == QLatin1String("H"))
        outlet_.print(doc);
}

// ---- "Emekli Kesenekleri İcmal ve İhbar Fişi" ---------------------------------------------------

VoucherDialog::VoucherDialog(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, PrintOutlet &outlet)
    : QDialog(parent), session_(session), prompter_(prompter), outlet_(outlet)
{
    setWindowTitle(QStringLiteral("Emekli Kesenekleri İcmal ve İhbar Fişi"));
    auto *monthName = new QLabel(session.ctx.AYADI.isEmpty() ? cal::monthName(session.ctx.AY) : session.ctx.AYADI, this);
    monthName->setObjectName(QStringLiteral("monthLabel"));
    auto *year = new QLabel(session.ctx.CYIL, this);
    year->setObjectName(QStringLiteral("yearLabel"));
    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("unitCombo"));
    unit_->addItem(QStringLiteral("TÜMÜ"));
    try {
        units_ = ledgerUnits(session.main());
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    for (const auto &[bkod, name] : units_)
        unit_->addItem(name);
    paymentDate_ = new DateEdit(this);
    paymentDate_->setObjectName(QStringLiteral("paymentDateEdit"));
    issueDate_ = new DateEdit(this);
    issueDate_->setObjectName(QStringLiteral("issueDateEdit"));
    issueDate_->setDate(session.ctx.startUpDate());
    bank_ = new QLineEdit(QStringLiteral("T.C. ZİRAAT BANKASI"), this);
    bank_->setObjectName(QStringLiteral("bankEdit"));
    branch_ = new QLineEdit(this);
    branch_->setObjectName(QStringLiteral("branchEdit"));
    try {
        branch_->setText(institutionDistrict(session.main()));
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    correspondent_ = new QLineEdit(this);
    correspondent_->setObjectName(QStringLiteral("correspondentEdit"));
    officer_ = new QLineEdit(this);
    officer_->setObjectName(QStringLiteral("officerEdit"));
    officerTitle_ = new QLineEdit(this);
    officerTitle_->setObjectName(QStringLiteral("officerTitleEdit"));

    auto *form = new QFormLayout;
    auto *period = new QHBoxLayout;
    period->addWidget(monthName);
    period->addWidget(year);
    period->addStretch();
    form->addRow(QString(), period);
    form->addRow(QStringLiteral("Birim"), unit_);
    form->addRow(QStringLiteral("Ödeme Tarihi"), paymentDate_);
    const QStringList captions{QStringLiteral("%16 Em. Kes."),       QStringLiteral("%25 Artış"),
                               QStringLiteral("%100 Artış"),         QStringLiteral("Kurum Karşılıkları"),
                               QStringLiteral("Hizmet Borçlanması"), QStringLiteral("% 12 Tedavi Kes"),
                               QStringLiteral("TOPLAM")};
    for (int i = 0; i < captions.size(); ++i) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("figure%1").arg(i + 1));
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignRight);
        boxes_.push_back(box);
        form->addRow(captions[i], box);
    }
    auto *bankRow = new QHBoxLayout;
    bankRow->addWidget(bank_);
    bankRow->addWidget(branch_);
    form->addRow(QStringLiteral("Banka / Şube"), bankRow);
    form->addRow(QStringLiteral("Düzenleme Tarihi"), issueDate_);
    form->addRow(QStringLiteral("Muhabir No"), correspondent_);
    form->addRow(QStringLiteral("Yetkili Adı Soyadı"), officer_);
    form->addRow(QStringLiteral("Ünvanı"), officerTitle_);
    auto *bar = new zeran::ui::CommandBar(this);
    connect(bar->add(QStringLiteral("Yazdır"), QStringLiteral("printButton")), &QPushButton::clicked, this,
            &VoucherDialog::printVoucher);
    bar->addStretch();
    connect(bar->add(QStringLiteral("Çıkış"), QStringLiteral("closeButton")), &QPushButton::clicked, this,
            &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(bar);

    connect(unit_, &QComboBox::currentIndexChanged, this, &VoucherDialog::chooseUnit);
    chooseUnit(0);
}

void VoucherDialog::chooseUnit(int index)
{
    // "TÜMÜ" names no unit: code 0, whose figures are zero.
    const int bkod = index >= 1 && index <= int(units_.size()) ? units_[std::size_t(index - 1)].first : 0;
    try {
        figures_ = loadVoucherFigures(session_.main(), session_.ctx.CYIL, session_.ctx.AY, bkod);
        const std::optional<units::UnitHeader> header = bkod ? units::unitHeader(session_.main(), bkod) : std::nullopt;
        officer_->setText(header ? header->signatories.SAS : QString());
        officerTitle_->setText(header ? header->signatories.SUN : QString());
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        figures_ = {};
    }
    const Money values[] = {figures_.employee,    figures_.increase25, figures_.increase100, figures_.institution,
                            figures_.serviceDebt, figures_.health,     figures_.total};
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setText(values[i].toPlain(2).replace(QLatin1Char('.'), QLatin1Char(',')));
    issueDate_->setDate(session_.ctx.startUpDate());
}

void VoucherDialog::printVoucher()
{
    if (!outlet_.choosePrinter(this))
        return;
    VoucherData d;
    d.monthName = session_.ctx.AYADI.isEmpty() ? cal::monthName(session_.ctx.AY) : session_.ctx.AYADI;
    d.year = session_.ctx.CYIL;
    d.bank = bank_->text();
    d.branch = branch_->text();
    d.issueDate = issueDate_->text();
    d.correspondentNo = correspondent_->text();
    d.institution = session_.ctx.KURUM;
    d.paymentDate = paymentDate_->text();
    d.officerName = officer_->text();
    d.officerTitle = officerTitle_->text();
    d.figures = figures_;
    d.totalInWords = general::yaziyla(figures_.total);
    outlet_.preview(this, voucherDocument(d));
}

void openContributionFile(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, int month)
{
    ContributionFileDialog d(parent, session, prompter, month);
    d.exec();
}

void openLedger(QWidget *parent, Session &session, zeran::ui::Prompter &prompter)
{
    PrinterOutlet outlet;
    LedgerDialog d(parent, session, prompter, outlet);
    d.exec();
}

void openVoucher(QWidget *parent, Session &session, zeran::ui::Prompter &prompter)
{
    PrinterOutlet outlet;
    VoucherDialog d(parent, session, prompter, outlet);
    d.exec();
}

}  // namespace zeran::contributions::ui
