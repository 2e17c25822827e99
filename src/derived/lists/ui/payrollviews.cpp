#include "payrollviews.h"

#include "calendar.h"
#include "commandbar.h"
#include "context.h"
#include "format.h"
#include "gridsetup.h"
#include "listsloader.h"
#include "moneyedit.h"
#include "output.h"
#include "personnelscreens.h"
#include "prompter.h"
#include "session.h"
#include "settingsrow.h"
#include "viewsloader.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace zeran::lists {

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QStandardItem *readOnly(const QString &text, bool right = false)
{
    auto *i = new QStandardItem(text);
    i->setEditable(false);
    if (right)
        i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return i;
}

QStandardItem *amountItem(Money m, bool editable)
{
    auto *i = new QStandardItem(report::amount(m));
    i->setEditable(editable);
    i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return i;
}

std::array<QString, 5> headingsOrEmpty(db::Database &db, ui::Prompter &prompter, QWidget *parent)
{
    try {
        return deductionHeadings(loadDeductions(db));
    } catch (const db::DbError &e) {
        prompter.inform(parent, e.text);
        return deductionHeadings({});
    }
}

constexpr int kFirstAmount = 2;  // the grid's first KES column

}  // namespace

// ---- BORDRO KESİNTİLERİ --------------------------------------------------------------------

DeductionsDialog::DeductionsDialog(QWidget *parent, db::Database &db, WorkingContext &context, ui::Prompter &prompter,
                                   int bkod, bool mayChange)
    : QDialog(parent), db_(db), context_(context), prompter_(prompter), bkod_(bkod), mayChange_(mayChange)
{
    setWindowTitle(u("BORDRO KESİNTİLERİ"));
    auto *layout = new QVBoxLayout(this);
    model_ = new QStandardItemModel(this);
    QStringList headers{u("Adı ve Soyadı"), u("Emekli Sicil No")};
    for (const QString &h : headingsOrEmpty(db_, prompter_, this))
        headers << h;
    headers << QStringLiteral("TOPLAM");
    model_->setHorizontalHeaderLabels(headers);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setModel(model_);
    ui::setUpGrid(grid_, mayChange_ ? ui::GridEditing::InPlace : ui::GridEditing::ReadOnly);
    layout->addWidget(grid_, 1);

    auto *sums = new QHBoxLayout;
    sums->addWidget(new QLabel(u("ALT TOPLAM"), this));
    for (std::size_t i = 0; i < totals_.size(); ++i) {
        totals_[i] = new QLabel(this);
        totals_[i]->setObjectName(QStringLiteral("total%1").arg(i + 1));
        totals_[i]->setAlignment(Qt::AlignRight);
        sums->addWidget(totals_[i], 1);
    }
    layout->addLayout(sums);
    auto *bar = new ui::CommandBar(this);
    bar->addStretch();
    QPushButton *exitButton = bar->add(u("ESC-Çıkış"), QStringLiteral("exitButton"));
    layout->addWidget(bar);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(model_, &QStandardItemModel::itemChanged, this, &DeductionsDialog::amountEdited);
    resize(1000, 550);
    load();
}

void DeductionsDialog::load()
{
    try {
        rows_ = loadDeductionRecords(db_, bkod_);
    } catch (const db::DbError &e) {
        rows_.clear();
        prompter_.inform(this, e.text);
    }
    filling_ = true;
    model_->removeRows(0, model_->rowCount());
    for (const DeductionRecord &r : rows_) {
        QList<QStandardItem *> line{readOnly(r.ADSOY), readOnly(r.EMSNO)};
        for (const Money &k : r.KES)
            line << amountItem(k, mayChange_);
        line << amountItem(r.total(), false);
        model_->appendRow(line);
    }
    filling_ = false;
    showTotals();
}

void DeductionsDialog::amountEdited(QStandardItem *item)
{
    if (filling_)
        return;
    const int row = item->row();
    const int column = item->column() - kFirstAmount + 1;
    if (row < 0 || row >= int(rows_.size()) || column < 1 || column > 5)
        return;
    DeductionRecord &r = rows_[std::size_t(row)];
    Money &stored = r.KES[std::size_t(column - 1)];
    ui::AmountRules rules;
    rules.min = Money();
    // KES1 … KES3 are single-precision columns.
    rules.floatColumn = column <= 3;
    const ui::AmountReading reading =
        ui::readAmount(item->text(), model_->horizontalHeaderItem(item->column())->text(), rules);
    const auto restore = [&] {
        filling_ = true;
        item->setText(report::amount(stored));
        filling_ = false;
    };
    if (!reading.ok()) {
        prompter_.inform(this, reading.problem);
        restore();
        return;
    }
    const Money value = reading.amount.value_or(Money());
    if (value == stored) {
        restore();
        return;
    }
    try {
        if (!saveDeduction(db_, context_, r, column, value)) {
            restore();
            return;
        }
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        restore();
        return;
    }
    stored = value;
    changed_ = true;
    filling_ = true;
    item->setText(report::amount(value));
    model_->item(row, kFirstAmount + 5)->setText(report::amount(r.total()));
    filling_ = false;
    showTotals();
}

void DeductionsDialog::showTotals()
{
    const std::array<Money, 6> t = deductionTotals(rows_);
    for (std::size_t i = 0; i < t.size(); ++i)
        totals_[i]->setText(report::amount(t[i]));
}

QStringList DeductionsDialog::totalsShown() const
{
    QStringList out;
    for (const QLabel *l : totals_)
        out << l->text();
    return out;
}

// ---- YILLIK KESİNTİ LİSTESİ ----------------------------------------------------------------

YearlyDeductionsDialog::YearlyDeductionsDialog(QWidget *parent, db::Database &db, WorkingContext &context,
                                               ui::Prompter &prompter, int pkayno, int bkod, const QString &name)
    : QDialog(parent), db_(db), prompter_(prompter), pkayno_(pkayno), bkod_(bkod)
{
    setWindowTitle(u("YILLIK KESİNTİ LİSTESİ"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *nameLabel = new QLabel(name, this);
    nameLabel->setObjectName(QStringLiteral("nameLabel"));
    top->addWidget(nameLabel, 1);
    top->addWidget(new QLabel(u(" Yılı"), this));
    year_ = new QLineEdit(context.CYIL, this);
    year_->setObjectName(QStringLiteral("yearEdit"));
    year_->setValidator(new QIntValidator(1900, 2999, year_));
    top->addWidget(year_);
    layout->addLayout(top);
    model_ = new QStandardItemModel(this);
    auto *grid = new QTableView(this);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setModel(model_);
    ui::setUpGrid(grid);
    QStringList headers{u("Ay"), u("Türü")};
    for (const QString &h : headingsOrEmpty(db_, prompter_, this))
        headers << h;
    headers << u("İcra Kesintisi") << u("Kira Kesintisi");
    model_->setHorizontalHeaderLabels(headers);
    layout->addWidget(grid, 1);
    auto *sums = new QHBoxLayout;
    sums->addWidget(new QLabel(u("Toplamlar"), this));
    for (std::size_t i = 0; i < totals_.size(); ++i) {
        totals_[i] = new QLabel(this);
        totals_[i]->setObjectName(QStringLiteral("total%1").arg(i + 1));
        totals_[i]->setAlignment(Qt::AlignRight);
        sums->addWidget(totals_[i], 1);
    }
    layout->addLayout(sums);
    auto *bar = new ui::CommandBar(this);
    bar->addStretch();
    QPushButton *exitButton = bar->add(u("Çıkış"), QStringLiteral("exitButton"));
    layout->addWidget(bar);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(year_, &QLineEdit::textChanged, this, &YearlyDeductionsDialog::relist);
    resize(950, 500);
    relist();
}

void YearlyDeductionsDialog::relist()
{
    if (year_->text().size() != 4)
        return;
    try {
        rows_ = loadYearlyDeductions(db_, pkayno_, bkod_, year_->text());
    } catch (const db::DbError &e) {
        rows_.clear();
        prompter_.inform(this, e.text);
    }
    model_->removeRows(0, model_->rowCount());
    for (const YearlyDeduction &r : rows_) {
        QList<QStandardItem *> line{readOnly(cal::monthName(r.AY)), readOnly(kindText(r.TUR))};
        for (const Money &k : r.KES)
            line << amountItem(k, false);
        line << amountItem(r.ICRA, false) << amountItem(r.KIRA, false);
        model_->appendRow(line);
    }
    const std::array<Money, 7> t = yearlyTotals(rows_);
    for (std::size_t i = 0; i < t.size(); ++i)
        totals_[i]->setText(report::amount(t[i]));
}

QStringList YearlyDeductionsDialog::totalsShown() const
{
    QStringList out;
    for (const QLabel *l : totals_)
        out << l->text();
    return out;
}

// ---- GEÇMİŞ AY BİLGİLERİ -------------------------------------------------------------------

PastMonthsDialog::PastMonthsDialog(QWidget *parent, Session &session, ui::Prompter &prompter, int bkod, int pkayno)
    : QDialog(parent), session_(session), db_(session.main()), prompter_(prompter), bkod_(bkod)
{
    setWindowTitle(u("GEÇMİŞ AY BİLGİLERİ"));
    auto *layout = new QVBoxLayout(this);
    auto *panel = new QGridLayout;
    const char *const captions[] = {"Adı", "Soyadı", "Emekli Sicil Numarası", "Görev Ünvanı"};
    for (int i = 0; i < 4; ++i) {
        panel_[std::size_t(i)] = new QLineEdit(this);
        panel_[std::size_t(i)]->setReadOnly(true);
        panel_[std::size_t(i)]->setObjectName(QStringLiteral("panel%1").arg(i + 1));
        panel->addWidget(new QLabel(u(captions[i]), this), i / 2, (i % 2) * 2);
        panel->addWidget(panel_[std::size_t(i)], i / 2, (i % 2) * 2 + 1);
    }
    layout->addLayout(panel);

    auto *nav = new QHBoxLayout;
    const auto navButton = [&](const char *text, const char *name, int step) {
        auto *b = new QPushButton(u(text), this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, [this, step] { move(step); });
        nav->addWidget(b);
    };
    navButton("|<", "firstButton", -1000000);
    navButton("<", "previousButton", -1);
    navButton(">", "nextButton", 1);
    navButton(">|", "lastButton", 1000000);
    auto *fetch = new QPushButton(u("Personel Getir"), this);
    fetch->setObjectName(QStringLiteral("fetchButton"));
    auto *findButton = new QPushButton(u("Bul"), this);
    findButton->setObjectName(QStringLiteral("findButton"));
    nav->addWidget(fetch);
    nav->addWidget(findButton);
    nav->addStretch();
    nav->addWidget(new QLabel(u(" Yılı"), this));
    year_ = new QLineEdit(session_.ctx.CYIL, this);
    year_->setObjectName(QStringLiteral("yearEdit"));
    year_->setValidator(new QIntValidator(1900, 2999, year_));
    nav->addWidget(year_);
    nav->addWidget(new QLabel(u(" Ayı"), this));
    month_ = new QLineEdit(this);
    month_->setObjectName(QStringLiteral("monthEdit"));
    month_->setValidator(new QIntValidator(1, 12, month_));
    nav->addWidget(month_);
    layout->addLayout(nav);

    model_ = new QStandardItemModel(this);
    model_->setHorizontalHeaderLabels({u("Ay"), u("Tür"), u("D/K"), u("Göst"), u("Rap"), u("Ek.Göst"), u("Aylık Tut."),
                                       u("Ek.G.Tut"), u("Aile Yrd."), u("Çoc.Yrd."), u("Taban Ayl."), u("Kıdem Ayl."),
                                       u("Yan Ödm."), u("Öz.Hiz.T."), u("Kazanç 1"), u("Kazanç 2"), u("Kazanç 3"),
                                       u("Kazanç 4"), u("Kazanç 5"), u("Kazanç 6"), u("%100 Ar."), u("İcra Kes."),
                                       u("Kira Kes."), u("Him.Bor."), u("Öz. Kes."), u("Net Maaş"), u("Asg.Geç.")});
    auto *grid = new QTableView(this);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setModel(model_);
    ui::setUpGrid(grid);
    layout->addWidget(grid, 1);
    auto *bar = new ui::CommandBar(this);
    QPushButton *printButton = bar->add(u("Liste Yazdır"), QStringLiteral("printButton"));
    bar->addStretch();
    QPushButton *exitButton = bar->add(u("Çıkış"), QStringLiteral("exitButton"));
    layout->addWidget(bar);
    connect(fetch, &QPushButton::clicked, this, &PastMonthsDialog::relist);
    connect(findButton, &QPushButton::clicked, this, &PastMonthsDialog::find);
    connect(year_, &QLineEdit::returnPressed, this, &PastMonthsDialog::relist);
    connect(month_, &QLineEdit::textChanged, this, &PastMonthsDialog::relist);
    connect(printButton, &QPushButton::clicked, this, &PastMonthsDialog::print);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    resize(1200, 600);

    try {
        people_ = loadPastPeople(db_, bkod_);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    index_ = people_.empty() ? -1 : 0;
    for (std::size_t i = 0; i < people_.size(); ++i)
        if (people_[i].PKAYNO == pkayno)
            index_ = int(i);
    if (index_ >= 0)
        person_ = people_[std::size_t(index_)];
    showPanel();
    relist();
}

void PastMonthsDialog::move(int step)
{
    if (people_.empty())
        return;
    index_ = std::clamp(index_ + step, 0, int(people_.size()) - 1);
    person_ = people_[std::size_t(index_)];
    anyUnit_ = false;
    showPanel();
    relist();
}

void PastMonthsDialog::showPerson(int pkayno, bool anyUnit)
{
    try {
        const std::optional<PastPerson> p = loadPastPerson(db_, pkayno);
        if (!p)
            return;
        person_ = *p;
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    for (std::size_t i = 0; i < people_.size(); ++i)
        if (people_[i].PKAYNO == pkayno)
            index_ = int(i);
    anyUnit_ = anyUnit;
    showPanel();
    relist();
}

void PastMonthsDialog::find()
{
    if (const std::optional<int> chosen = personnel::openArchivePersonSearch(this, session_, bkod_, &prompter_))
        showPerson(*chosen, true);
}

void PastMonthsDialog::showPanel()
{
    panel_[0]->setText(person_.ADI);
    panel_[1]->setText(person_.SOYADI);
    panel_[2]->setText(person_.EMSNO);
    panel_[3]->setText(person_.UNVAN);
}

void PastMonthsDialog::relist()
{
    rows_.clear();
    if (person_.PKAYNO != 0 && year_->text().size() == 4) {
        try {
            rows_ = loadPastMonths(db_, person_.PKAYNO, anyUnit_ ? 0 : bkod_, year_->text(), month_->text().toInt());
        } catch (const db::DbError &e) {
            prompter_.inform(this, e.text);
        }
    }
    model_->removeRows(0, model_->rowCount());
    for (const PastMonth &r : rows_) {
        QList<QStandardItem *> line{readOnly(cal::monthName(r.AY)), readOnly(kindText(r.TUR)),
                                    readOnly(QStringLiteral("%1/%2").arg(r.DER).arg(r.KAD)),
                                    readOnly(QString::number(r.GOS), true), readOnly(QString::number(r.RAPOR), true),
                                    readOnly(QString::number(r.EGOS), true)};
        for (const Money &m : {r.AYTUT, r.EGOSTUT, r.AILEYRD, r.COCYRD, r.TABAY, r.KIDAY, r.YANOD, r.OZHIZTAZ})
            line << amountItem(m, false);
        for (const Money &k : r.KAZ)
            line << amountItem(k, false);
        for (const Money &m : {r.ARTIS, r.ICRA, r.KIRA, r.HIZBOR, r.OZELKES, r.MAAS, r.VIADE})
            line << amountItem(m, false);
        model_->appendRow(line);
    }
}

void PastMonthsDialog::print()
{
    const bool chosen = chooser_ ? chooser_(printer_) : report::choosePrinter(this, printer_);
    if (!chosen)
        return;
    QString kurum;
    try {
        kurum = settingsrow::readWorkingYear(db_).KURUM.trimmed();
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    const report::Document doc = pastMonthsDocument(kurum, person_, year_->text(), rows_);
    if (output_)
        output_(doc);
    else
        report::preview(this, printer_, doc);
}

bool openDeductions(QWidget *parent, Session &session, ui::Prompter &prompter, int bkod)
{
    DeductionsDialog dialog(parent, session.main(), session.ctx, prompter, bkod, session.mayChange(QStringLiteral("3")));
    dialog.exec();
    return dialog.changed();
}

void openYearlyDeductions(QWidget *parent, Session &session, ui::Prompter &prompter, int pkayno, int bkod)
{
    QString name;
    try {
        if (const auto p = loadPastPerson(session.main(), pkayno))
            name = p->ADI + QLatin1Char(' ') + p->SOYADI;
    } catch (const db::DbError &e) {
        prompter.inform(parent, e.text);
    }
    YearlyDeductionsDialog dialog(parent, session.main(), session.ctx, prompter, pkayno, bkod, name);
    dialog.exec();
}

void openPastMonths(QWidget *parent, Session &session, ui::Prompter &prompter, int bkod, int pkayno)
{
    PastMonthsDialog dialog(parent, session, prompter, bkod, pkayno);
    dialog.exec();
}

}  // namespace zeran::lists
