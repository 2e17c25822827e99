#include "summarydialog.h"

#include "commandbar.h"
#include "format.h"
#include "output.h"
#include "prompter.h"
#include "session.h"
#include "summarydocs.h"
#include "unitstore.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zeran::summary {

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

void clearGrid(QGroupBox *box)
{
    auto *grid = static_cast<QGridLayout *>(box->layout());
    while (QLayoutItem *item = grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    // A grid never forgets its rows: a new one starts the lines at the top again.
    delete grid;
    new QGridLayout(box);
}

void addRow(QGroupBox *box, const QString &caption, const QString &value)
{
    auto *grid = static_cast<QGridLayout *>(box->layout());
    const int row = grid->rowCount();
    auto *c = new QLabel(caption, box);
    auto *v = new QLabel(value, box);
    v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    v->setProperty("caption", caption);
    v->setObjectName(QStringLiteral("value"));
    grid->addWidget(c, row, 0);
    grid->addWidget(v, row, 1);
}

QGroupBox *group(const QString &title, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    new QGridLayout(box);
    return box;
}

}  // namespace

SummaryDialog::SummaryDialog(QWidget *parent, db::Database &db, ui::Prompter &prompter, const SummaryOpening &opening)
    : QDialog(parent), db_(db), prompter_(prompter), opening_(opening)
{
    setWindowTitle(u("MAAŞ İCMAL BORDROSU"));
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(u("Birimi"), this));
    unitBox_ = new QComboBox(this);
    unitBox_->setObjectName(QStringLiteral("unitBox"));
    unitBox_->addItem(u("TÜMÜ"), 0);
    for (const UnitChoice &c : summaryUnits(db_, opening_.mode))
        unitBox_->addItem(c.BIRIM, c.BKOD);
    int at = unitBox_->findData(opening_.unit);
    if (at < 0 && opening_.unit != 0) {
        // The caller's unit is the one to total even when the list would not offer it (inactive).
        unitBox_->addItem(units::unitName(db_, opening_.unit), opening_.unit);
        at = unitBox_->count() - 1;
    }
    unitBox_->setCurrentIndex(std::max(at, 0));
    top->addWidget(unitBox_, 1);
    if (opening_.mode == SummaryMode::Monthly) {
        auto *period = new QLabel(u("Maaş Dönemi :") + QLatin1Char(' ') + opening_.periodText, this);
        period->setObjectName(QStringLiteral("periodLabel"));
        top->addWidget(period);
        // "Tek Kişi": the summary is the person's; the unit stays the caller's.
        unitBox_->setEnabled(opening_.person == 0);
    }
    layout->addLayout(top);

    auto *groups = new QHBoxLayout;
    earnings_ = group(u("HAKEDİŞLER"), this);
    deductions_ = group(u("KESİNTİLER"), this);
    counts_ = group(QString(), this);
    groups->addWidget(earnings_);
    groups->addWidget(deductions_);
    groups->addWidget(counts_);
    layout->addLayout(groups, 1);

    auto *bar = new ui::CommandBar(this);
    QPushButton *printButton = bar->add(u("Yazdır"), QStringLiteral("printButton"));
    bar->addStretch();
    QPushButton *exitButton = bar->add(u("Çıkış"), QStringLiteral("exitButton"));
    layout->addWidget(bar);
    connect(printButton, &QPushButton::clicked, this, &SummaryDialog::print);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(unitBox_, &QComboBox::currentIndexChanged, this, [this] { recompute(); });

    if (opening_.mode == SummaryMode::Meeting)
        resize(620, 420);
    else
        resize(1000, 760);
    recompute();
}

int SummaryDialog::chosenUnit() const
{
    return unitBox_->currentData().toInt();
}

void SummaryDialog::recompute()
{
    SummaryRequest request;
    request.mode = opening_.mode;
    request.year = opening_.year;
    request.month = opening_.month;
    request.unit = chosenUnit();
    request.person = opening_.mode == SummaryMode::Monthly ? opening_.person : 0;
    try {
        summary_ = summarize(loadSummaryInput(db_, request));
    } catch (const db::DbError &e) {
        summary_ = Summary{};
        summary_.mode = opening_.mode;
        prompter_.inform(this, e.text);
    }
    showLines();
}

void SummaryDialog::showLines()
{
    clearGrid(earnings_);
    clearGrid(deductions_);
    clearGrid(counts_);
    for (const SummaryLine &l : summary_.lines)
        addRow(l.group == LineGroup::Earnings ? earnings_ : deductions_, l.screenCaption, report::amount(l.amount));
    const SummaryRates &r = summary_.rates;
    addRow(counts_, u("Personel Sayısı"), report::integer(summary_.count));
    if (summary_.mode != SummaryMode::Meeting) {
        addRow(counts_, u("Katsayı"), report::rate(r.KATSAYI));
        addRow(counts_, u("Taban A.K."), report::rate(r.TAK));
        addRow(counts_, u("Yan Öd. K."), report::rate(r.YOD));
        addRow(counts_, u("Kıdem Ay.K."), report::rate(r.KAK));
        addRow(counts_, u("En.Y.M.G"), report::rate(r.EYMG));
        addRow(counts_, u("Aile Y.P."), report::rate(r.AYRDP));
        addRow(counts_, u("Çocuk Y.P"), report::rate(r.CYRDP1) + QLatin1Char('/') + report::rate(r.CYRDP2));
    }
    for (QGroupBox *box : {earnings_, deductions_, counts_}) {
        auto *grid = static_cast<QGridLayout *>(box->layout());
        grid->setRowStretch(grid->rowCount(), 1);
    }
}

QString SummaryDialog::shownValue(const QString &screenCaption) const
{
    for (QLabel *l : findChildren<QLabel *>(QStringLiteral("value")))
        if (l->property("caption").toString() == screenCaption)
            return l->text();
    return {};
}

void SummaryDialog::warnAboutRates()
{
    if (summary_.rates.KATSAYI == 0)
        prompter_.inform(this, u("Dikkat Kanuni Oranları Kontrol Etmelisiniz"));
}

void SummaryDialog::print()
{
    if (!report::choosePrinter(this, printer_))
        return;
    SummaryRequest request;
    request.mode = opening_.mode;
    request.year = opening_.year;
    request.month = opening_.month;
    request.unit = chosenUnit();
    try {
        report::preview(this, printer_, summaryDocument(summary_, loadSummaryHeader(db_, request)));
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
}

void openSummary(QWidget *parent, Session &session, ui::Prompter &prompter, const SummaryOpening &opening)
{
    SummaryDialog dialog(parent, session.main(), prompter, opening);
    dialog.show();
    dialog.warnAboutRates();
    dialog.exec();
}

}  // namespace zeran::summary
