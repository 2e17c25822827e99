#include "legalratesdialog.h"

#include "commandbar.h"
#include "database.h"
#include "prompter.h"
#include "ratestore.h"
#include "session.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeran::rates {

LegalRatesDialog::LegalRatesDialog(db::Database &db, const WorkingContext &ctx, ui::Prompter &prompter,
                                   RateServiceEndpoint service, QWidget *parent)
    : RatesScreen(db, ctx, prompter, std::move(service), parent)
{
    setWindowTitle(QStringLiteral("KANUNİ ORANLAR"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(makePeriodRow());

    auto *grid = new QGridLayout;
    int n = 0;
    for (const ColumnGroup &g : legalGroups()) {
        auto *box = new QGroupBox(g.title, this);
        auto *form = new QFormLayout(box);
        for (const QString &c : g.columns)
            form->addRow(captionOf(c, false), makeField(c, kindOf(c)));
        grid->addWidget(box, n / 3, n % 3);
        ++n;
    }
    layout->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    update_ = ui::commandButton(QStringLiteral("Güncelle"), QStringLiteral("updateButton"), this);
    save_ = ui::commandButton(QStringLiteral("Kayıt"), QStringLiteral("saveButton"), this);
    exit_ = ui::commandButton(QStringLiteral("Çıkış"), QStringLiteral("exitButton"), this);
    buttons->addWidget(update_);
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(exit_);
    layout->addLayout(buttons);

    copy_ = new QAction(QStringLiteral("Önceki Dönemden Aktar"), this);
    connect(update_, &QPushButton::clicked, this, &LegalRatesDialog::updateFromService);
    connect(save_, &QPushButton::clicked, this, &LegalRatesDialog::saveAndClose);
    connect(exit_, &QPushButton::clicked, this, &LegalRatesDialog::saveAndClose);
    connect(copy_, &QAction::triggered, this, &LegalRatesDialog::copyFromPrevious);

    lookUp();
}

std::optional<RateValues> LegalRatesDialog::readRow(const Period &p)
{
    return readLegal(db_, p);
}

void LegalRatesDialog::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(copy_);
    menu.exec(event->globalPos());
}

void LegalRatesDialog::updateFromService()
{
    RateServiceClient client(service_);
    const Period p = period_;
    const auto reply = whileBusy([&] { return client.fetchLegal(p); });
    if (!reply) {
        prompter_.inform(this, kConnectionError);
        return;
    }
    // The whole reply or nothing: the row never holds half an update.
    for (auto it = reply->cbegin(); it != reply->cend(); ++it)
        setValue(it.key(), it.value());
    showValues();
}

void LegalRatesDialog::copyFromPrevious()
{
    const Period source = previousPeriod(period_);
    try {
        const auto row = readLegal(db_, source);
        if (!row) {
            // Copying "nothing" would wipe the row's carried-over rates.
            prompter_.inform(this, kNoPreviousPeriod);
            return;
        }
        const RateValues copied = rates::copyFromPrevious(values_, *row);
        saveLegal(db_, period_, copied);
        values_ = copied;
        markSaved();
        showValues();
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
}

bool LegalRatesDialog::saveRow()
{
    if (!dirty_)
        return true;  // nothing typed: an empty period stays without a row
    try {
        saveLegal(db_, period_, values_);
        markSaved();
        return true;
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
}

void LegalRatesDialog::saveAndClose()
{
    if (saveRow())
        accept();
}

void openLegalRates(QWidget *parent, Session &session)
{
    ui::BoxPrompter prompter;
    LegalRatesDialog dialog(session.main(), session.ctx, prompter, configuredRateService(), parent);
    dialog.exec();
}

}  // namespace zeran::rates
