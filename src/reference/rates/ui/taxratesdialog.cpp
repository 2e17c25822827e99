#include "taxratesdialog.h"

#include "commandbar.h"
#include "context.h"
#include "database.h"
#include "prompter.h"
#include "ratestore.h"
#include "session.h"
#include "userstore.h"

#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeran::rates {

TaxRatesDialog::TaxRatesDialog(db::Database &db, const WorkingContext &ctx, ui::Prompter &prompter,
                               RateServiceEndpoint service, QWidget *parent)
    : RatesScreen(db, ctx, prompter, std::move(service), parent)
{
    setWindowTitle(QStringLiteral("VERGİ ORANLARI"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(makePeriodRow());

    // Brackets: "Alt Sınır" (display only), "Üst Sınır", "Vergi Oranı (%)".
    auto *brackets = new QGridLayout;
    brackets->addWidget(new QLabel(QStringLiteral("Alt Sınır"), this), 0, 1);
    brackets->addWidget(new QLabel(QStringLiteral("Üst Sınır"), this), 0, 2);
    brackets->addWidget(new QLabel(QStringLiteral("Vergi Oranı (%)"), this), 0, 3);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int b = 1; b <= 4; ++b) {
        brackets->addWidget(new QLabel(QStringLiteral("%1. Dilim").arg(b), this), b, 0);
        auto *lower = new QLabel(this);
        lower->setObjectName(QStringLiteral("ALT%1").arg(b));
        lower->setFont(fixed);
        lower->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lower_[std::size_t(b - 1)] = lower;
        brackets->addWidget(lower, b, 1);
        RateField *upper = makeField(QStringLiteral("UST%1").arg(b), ValueKind::Amount);
        brackets->addWidget(upper, b, 2);
        brackets->addWidget(makeField(QStringLiteral("OR%1").arg(b), ValueKind::Rate), b, 3);
        // The next bracket's lower limit follows this upper bound when the field is left.
        connect(upper, &QLineEdit::editingFinished, this, &TaxRatesDialog::showLowerLimits);
    }
    layout->addLayout(brackets);

    auto *stamp = new QFormLayout;
    stamp->addRow(captionOf(QStringLiteral("DVER"), true), makeField(QStringLiteral("DVER"), ValueKind::Rate));
    layout->addLayout(stamp);

    auto *agi = new QGroupBox(QStringLiteral("Asgari Geçim İndirimi Oranları"), this);
    auto *agiForm = new QFormLayout(agi);
    for (const char *c : {"BEKOR", "EV1OR", "EV2OR", "COC1OR", "COC2OR", "COC3OR", "COC4OR", "COC5OR", "COC6OR", "AGIUST"}) {
        const QString column = QString::fromLatin1(c);
        agiForm->addRow(captionOf(column, true), makeField(column, kindOf(column)));
    }
    layout->addWidget(agi);

    auto *other = new QFormLayout;
    for (const char *c : {"ASUCR", "BASKAN", "ENCUMEN", "MECLIS"}) {
        const QString column = QString::fromLatin1(c);
        other->addRow(captionOf(column, true), makeField(column, ValueKind::Amount));
    }
    for (const RateColumn &c : taxChoosers()) {
        auto *box = new QComboBox(this);
        box->setObjectName(c.name);
        box->addItems(chooserItems());
        choosers_.insert(c.name, box);
        other->addRow(c.caption, box);
        // A choice sets its column at once: 0 "Vergi Matrahından", 1 "1. Dilimden".
        connect(box, &QComboBox::activated, this, [this, name = c.name](int index) {
            setValue(name, QString::number(index));
        });
    }
    layout->addLayout(other);

    auto *buttons = new QHBoxLayout;
    update_ = ui::commandButton(QStringLiteral("Oranları Güncelle"), QStringLiteral("updateButton"), this);
    save_ = ui::commandButton(QStringLiteral("Kayıt"), QStringLiteral("saveButton"), this);
    exit_ = ui::commandButton(QStringLiteral("Çıkış"), QStringLiteral("exitButton"), this);
    buttons->addWidget(update_);
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(exit_);
    layout->addLayout(buttons);
    connect(update_, &QPushButton::clicked, this, &TaxRatesDialog::updateFromService);
    connect(save_, &QPushButton::clicked, this, &TaxRatesDialog::saveAndClose);
    connect(exit_, &QPushButton::clicked, this, &TaxRatesDialog::reject);

    // Without the right to make changes every field and command is disabled; leaving the
    // screen stays possible and never writes.
    readOnly_ = ctx.K == QLatin1String("H");
    if (readOnly_) {
        year_->setEnabled(false);
        periodBox_->setEnabled(false);
        for (RateField *f : std::as_const(fields_))
            f->setEnabled(false);
        for (QComboBox *c : std::as_const(choosers_))
            c->setEnabled(false);
        update_->setEnabled(false);
        save_->setEnabled(false);
    }

    lookUp();
}

std::optional<RateValues> TaxRatesDialog::readRow(const Period &p)
{
    return readTax(db_, p);
}

void TaxRatesDialog::showValues()
{
    RatesScreen::showValues();
    for (auto it = choosers_.cbegin(); it != choosers_.cend(); ++it) {
        const QString v = values_.value(it.key());
        (*it)->setCurrentIndex(v.isEmpty() ? -1 : qBound(0, v.toInt(), 1));
    }
    showLowerLimits();
}

void TaxRatesDialog::showLowerLimits()
{
    lower_[0]->setText(firstLowerLimitText());
    for (int b = 2; b <= 4; ++b)
        lower_[std::size_t(b - 1)]->setText(lowerLimitText(values_.value(QStringLiteral("UST%1").arg(b - 1))));
}

void TaxRatesDialog::updateFromService()
{
    if (readOnly_)
        return;
    try {
        const qint64 nufus = population(db_);
        RateServiceClient client(service_);
        const Period p = period_;
        const auto reply = whileBusy([&] { return client.fetchTax(p, nufus); });
        if (!reply) {
            prompter_.inform(this, kConnectionError);
            return;  // the stored row and the one on screen are untouched
        }
        if (!taxRowComplete(*reply)) {
            prompter_.inform(this, kIncompleteEntry);
            return;
        }
        // The old row goes only together with the new one coming in. The choosers start
        // empty, as a new row; they are set on screen and saved with "Kayıt".
        replaceTax(db_, p, *reply);
        setRow(*reply, true);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
}

bool TaxRatesDialog::saveIfChanged()
{
    // Closing saves a pending edit as it stands; the completeness check belongs to "Kayıt".
    // Only a failed write keeps the screen open, so that nothing typed is lost.
    if (readOnly_ || !dirty_)
        return true;
    try {
        saveTax(db_, period_, values_);
        markSaved();
        return true;
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
}

void TaxRatesDialog::saveAndClose()
{
    if (readOnly_)
        return;
    if (!taxRowComplete(values_)) {
        prompter_.inform(this, kIncompleteEntry);
        return;
    }
    if (saveIfChanged())
        accept();
}

void TaxRatesDialog::reject()
{
    if (saveIfChanged())
        QDialog::reject();
}

void openTaxRates(QWidget *parent, Session &session)
{
    ui::BoxPrompter prompter;
    // The rates are payroll data: the screen follows the user's change right of that section.
    session.mayChange(QString::fromLatin1(users::kPayrollSection));
    TaxRatesDialog dialog(session.main(), session.ctx, prompter, configuredRateService(), parent);
    dialog.exec();
}

}  // namespace zeran::rates
