#include "differencescreen.h"

#include "calendar.h"
#include "commandbar.h"
#include "differencedocs.h"
#include "format.h"
#include "gridsetup.h"
#include "output.h"
#include "printloader.h"
#include "prompter.h"
#include "session.h"
#include "unitstore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace zeran::difference::ui {

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

/// Asks through the screen's prompter: the make's warnings and refusals as message boxes.
class PrompterQuestions : public payrollmake::Questions {
public:
    PrompterQuestions(QWidget *parent, zeran::ui::Prompter &p) : parent_(parent), p_(p) {}
    bool confirm(const QString &text) override { return p_.ask(parent_, text); }
    void inform(const QString &text) override { p_.inform(parent_, text); }

private:
    QWidget *parent_;
    zeran::ui::Prompter &p_;
};

QStandardItem *amountItem(Money m)
{
    auto *item = new QStandardItem(report::amount(m));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QStandardItem *textItem(const QString &text)
{
    return new QStandardItem(text);
}

}  // namespace

DifferenceScreen::DifferenceScreen(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, Kind kind,
                                   Openers openers)
    : QDialog(parent), session_(session), prompter_(prompter), kind_(kind), openers_(std::move(openers))
{
    setWindowTitle(u(kScreenTitle));
    setObjectName(QStringLiteral("differenceScreen"));
    const bool inflation = kind_ == Kind::Inflation;
    const WorkingContext &ctx = session_.ctx;
    const QDate today = QDate::currentDate();

    auto *layout = new QVBoxLayout(this);
    auto *fields = new QGridLayout;
    layout->addLayout(fields);

    unitBox_ = new QComboBox(this);
    unitBox_->setObjectName(QStringLiteral("unitBox"));
    unitBox_->addItem(inflation ? u("TÜMÜ") : u("Tümü"), 0);
    for (const units::UnitName &n : units::units(session_.main(), units::UnitFilter::ActiveSalary))
        unitBox_->addItem(n.BIRIM, n.BKOD);
    if (!inflation) {
        // The unit last used on the payroll screen.
        const int at = unitBox_->findData(ctx.MBKOD);
        unitBox_->setCurrentIndex(at > 0 ? at : 0);
    }
    fields->addWidget(new QLabel(u("Birim Adı"), this), 0, 0);
    fields->addWidget(unitBox_, 0, 1, 1, 3);

    const QDate day = ctx.today.isValid() ? ctx.today : today;
    period_ = new QLabel(this);
    period_->setObjectName(QStringLiteral("periodLabel"));
    period_->setText(inflation ? QStringLiteral("%1/%2  %3 %4")
                                     .arg(day.day())
                                     .arg(cal::monthName(day.month()))
                                     .arg(day.year())
                                     .arg(cal::weekdayName(day))
                               : QStringLiteral("%1 %2 %3 %4")
                                     .arg(day.day())
                                     .arg(cal::monthName(day.month()))
                                     .arg(day.year())
                                     .arg(cal::weekdayName(day)));
    fields->addWidget(new QLabel(u("Maaş Dönemi : "), this), 0, 4);
    fields->addWidget(period_, 0, 5);

    const auto rateLabel = [this, fields](const char *caption, const char *name, int row, int col) {
        auto *value = new QLabel(this);
        value->setObjectName(QLatin1String(name));
        fields->addWidget(new QLabel(u(caption), this), row, col);
        fields->addWidget(value, row, col + 1);
        return value;
    };
    dKatsayi_ = rateLabel("Katsayı Farkı", "coefficientDifference", 1, 0);
    dYod_ = rateLabel("Yan.Ö.K.Farkı", "sidePaymentDifference", 1, 2);
    kak_ = rateLabel("Kıd.A.K.Farkı", "seniorityCoefficient", 1, 4);
    dTak_ = rateLabel("Tab.A.K.Farkı", "baseSalaryDifference", 1, 6);

    const auto dayField = [this, fields](const char *caption, const char *name, const QString &value, int col) {
        auto *edit = new QLineEdit(value, this);
        edit->setObjectName(QLatin1String(name));
        edit->setValidator(new QIntValidator(0, 99, edit));
        fields->addWidget(new QLabel(u(caption), this), 2, col);
        fields->addWidget(edit, 2, col + 1);
        return edit;
    };
    monthDays_ = dayField("Ay Günü", "monthDaysEdit", QStringLiteral("30"), 0);
    diffDays_ = dayField("Fark Günü", "diffDaysEdit", inflation ? QStringLiteral("30") : QStringLiteral("14"), 2);
    if (inflation) {
        lateRate_ = new QLineEdit(QStringLiteral("0"), this);
        lateRate_->setObjectName(QStringLiteral("lateRateEdit"));
        fields->addWidget(new QLabel(u("Geç Ödeme F.%"), this), 2, 4);
        fields->addWidget(lateRate_, 2, 5);
        QPushButton *compute = zeran::ui::commandButton(u("Hesapla"), QStringLiteral("computeButton"), this);
        fields->addWidget(compute, 2, 6);
        connect(compute, &QPushButton::clicked, this, &DifferenceScreen::reload);
    } else {
        connect(monthDays_, &QLineEdit::editingFinished, this, &DifferenceScreen::reload);
        connect(diffDays_, &QLineEdit::editingFinished, this, &DifferenceScreen::reload);
    }

    retirement_ = new QCheckBox(u("Emekli Keseneği Hesapla"), this);
    retirement_->setObjectName(QStringLiteral("retirementBox"));
    retirement_->setChecked(inflation);
    gss_ = new QCheckBox(u("GSS Hesapla"), this);
    gss_->setObjectName(QStringLiteral("gssBox"));
    fields->addWidget(retirement_, 3, 0, 1, 2);
    fields->addWidget(gss_, 3, 2, 1, 2);

    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("grid"));
    model_ = new QStandardItemModel(this);
    model_->setHorizontalHeaderLabels(
        inflation ? QStringList{u("S.No"), u("Adı ve Soyadı"), u("M.D/K"), u("E.D/K"), u("Göst"), u("Ek Göst"),
                                u("Gelir Toplamı"), u("Gelir V."), u("Damga V."), u("Kesinti Toplamı"), u("Net Maaş")}
                  : QStringList{u("S.No"), u("Adı ve Soyadı"), u("M.D/K"), u("E.D/K"), u("Göst"), u("Ek Göst"),
                                u("Kıdem"), u("Gelir V."), u("Damga V."), u("Gelir Toplamı"), u("Emanet"),
                                u("Kesinti T."), u("Net Maaş")});
    grid_->setModel(model_);
    zeran::ui::setUpGrid(grid_);
    layout->addWidget(grid_, 1);

    auto *bar = new zeran::ui::CommandBar(this);
    QPushButton *print = bar->add(u("Bordro Yazdır"), QStringLiteral("printButton"));
    QPushButton *cash = bar->add(u("Nakit Yazdır"), QStringLiteral("cashButton"));
    QPushButton *summary = bar->add(u("Maaş İcmali"), QStringLiteral("summaryButton"));
    QPushButton *exit = bar->add(u("Çıkış"), QStringLiteral("exitButton"));
    layout->addWidget(bar);
    connect(print, &QPushButton::clicked, this, &DifferenceScreen::printPayroll);
    connect(cash, &QPushButton::clicked, this, &DifferenceScreen::openCash);
    connect(summary, &QPushButton::clicked, this, [this] {
        if (openers_.summary)
            openers_.summary(this, kind_, unitBox_->currentData().toInt());
    });
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(unitBox_, &QComboBox::currentIndexChanged, this, &DifferenceScreen::reload);
    connect(retirement_, &QCheckBox::toggled, this, &DifferenceScreen::reload);
    connect(gss_, &QCheckBox::toggled, this, &DifferenceScreen::reload);
    resize(1100, 640);
    reload();
}

MakeRequest DifferenceScreen::request() const
{
    MakeRequest r;
    r.options.kind = kind_;
    r.options.monthDays = monthDays_->text().toInt();
    r.options.diffDays = diffDays_->text().toInt();
    r.options.retirement = retirement_->isChecked();
    r.options.gss = gss_->isChecked();
    if (lateRate_)
        r.options.lateRate = QLocale(QLocale::Turkish).toDouble(lateRate_->text().trimmed());
    const WorkingContext &ctx = session_.ctx;
    r.workingYear = ctx.CYIL;
    r.today = ctx.today.isValid() ? ctx.today : QDate::currentDate();
    r.unit = unitBox_->currentData().toInt();
    return r;
}

QString DifferenceScreen::unitText() const
{
    return unitBox_->currentText();
}

void DifferenceScreen::reload()
{
    model_->removeRows(0, model_->rowCount());
    shown_ = MakeResult{};
    MakeRequest r = request();
    try {
        r.settings = payrollrun::readInstallationSettings(session_.main()).engine;
        shown_ = prepare(session_.main(), r);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    } catch (const std::exception &e) {
        prompter_.inform(this, QString::fromUtf8(e.what()));
        return;
    }
    if (shown_.outcome == Outcome::Refused) {
        prompter_.inform(this, shown_.message);
        return;
    }
    // The rate warnings once per opening, as the rates are read when the screen opens.
    if (!ratesWarned_) {
        ratesWarned_ = true;
        for (const QString &w : shown_.loaded.warnings)
            prompter_.inform(this, w);
    }
    const DifferenceRates &rates = shown_.loaded.rates;
    dKatsayi_->setText(coefficientText(rates.dKATSAYI()));
    dYod_->setText(coefficientText(rates.dYOD()));
    kak_->setText(report::rate(rates.current.KAK));
    dTak_->setText(report::rate(rates.dTAK()));

    const bool inflation = kind_ == Kind::Inflation;
    for (std::size_t i = 0; i < shown_.loaded.people.size(); ++i) {
        const payrollrun::RunPerson &p = shown_.loaded.people[i];
        const engine::PayRecord &rec = p.input.rec;
        const DifferencePay &d = shown_.pays[i];
        QList<QStandardItem *> row{textItem(QString::number(inflation ? rec.PKOD : int(i + 1))),
                                   textItem(p.ADI + QLatin1Char(' ') + p.SOYADI),
                                   textItem(QStringLiteral("%1/%2").arg(rec.DER).arg(rec.KAD)),
                                   textItem(QStringLiteral("%1/%2").arg(rec.MDER).arg(rec.MKAD)),
                                   textItem(QString::number(rec.GOS)),
                                   textItem(QString::number(rec.EGOS))};
        if (inflation)
            row << amountItem(d.GELTOP) << amountItem(d.GELVER) << amountItem(d.DAMVER) << amountItem(d.KESTOP)
                << amountItem(d.paid);
        else
            row << textItem(QString::number(rec.KIDEM)) << amountItem(d.GELVER) << amountItem(d.DAMVER)
                << amountItem(d.GELTOP) << amountItem(d.ACIKKES) << amountItem(d.KESTOP) << amountItem(d.paid);
        model_->appendRow(row);
    }
}

void DifferenceScreen::printPayroll()
{
    const auto choose = openers_.choosePrinter ? openers_.choosePrinter
                                               : [](QWidget *w, QPrinter &p) { return report::choosePrinter(w, p); };
    if (!choose(this, printer_))
        return;
    MakeRequest r = request();
    PrompterQuestions questions(this, prompter_);
    MakeResult made;
    try {
        r.settings = payrollrun::readInstallationSettings(session_.main()).engine;
        made = make(session_.main(), session_.ctx, r, questions);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    if (made.outcome != Outcome::Written)
        return;
    shown_ = std::move(made);
    try {
        const payrolldocs::PrintContext context = payrolldocs::loadPrintContext(session_.main(), r.unit);
        const DocumentData data{kind_, unitText(), r.today, shown_.loaded, shown_.pays, context.unit};
        const report::Document doc = differenceDocument(data);
        if (openers_.preview)
            openers_.preview(this, printer_, doc);
        else
            report::preview(this, printer_, doc);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
}

void DifferenceScreen::openCash()
{
    CashOpening o;
    o.unit = unitBox_->currentData().toInt();
    o.unitName = unitBox_->currentText();
    const QDate today = request().today;
    o.month = today.month();
    o.monthText = cal::monthName(today.month());
    o.kindCode = kindCode(kind_);
    if (kind_ == Kind::Difference && o.unit == 0) {
        // "Tümü": the combined payment unit of the settings.
        o.unit = session_.ctx.MODEMEBKOD;
        if (o.unit == 0) {
            prompter_.inform(this, u(kChooseUnit));
            unitBox_->setFocus();
            return;
        }
        o.unitName = units::unitName(session_.main(), o.unit);
    }
    if (openers_.cash)
        openers_.cash(this, o);
}

void openDifferenceScreen(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, Kind kind, Openers openers)
{
    DifferenceScreen screen(parent, session, prompter, kind, std::move(openers));
    screen.exec();
}

}  // namespace zeran::difference::ui
