#include "earningtypedialog.h"

#include "commandbar.h"
#include "database.h"
#include "definitionsstore.h"
#include "prompter.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace zeran::definitions {

EarningTypeDialog::EarningTypeDialog(db::Database &db, int hno, ui::Prompter &prompter, QWidget *parent)
    : QDialog(parent), db_(db), prompter_(prompter)
{
    setWindowTitle(QStringLiteral("BİLGİ GİRİŞİ"));
    try {
        if (const auto slot = readSlot(db_, hno)) {
            buffer_ = *slot;
            loaded_ = true;
        }
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }

    auto *layout = new QVBoxLayout(this);
    form_ = new QFormLayout;
    name_ = new QLineEdit(buffer_.ADI, this);
    name_->setObjectName(QStringLiteral("ADI"));
    name_->setMaxLength(15);
    connect(name_, &QLineEdit::textEdited, this, [this](const QString &t) { buffer_.ADI = t.trimmed(); });
    form_->addRow(QStringLiteral("Açıklama"), name_);
    dur_ = chooser(durCodes(), &EarningSlot::DUR);
    form_->addRow(QStringLiteral("Hesap Durumu"), dur_);
    gv_ = chooser(yesNoCodes(), &EarningSlot::GV);
    form_->addRow(QStringLiteral("Gelir Vergisine Dahil"), gv_);
    dv_ = chooser(yesNoCodes(), &EarningSlot::DV);
    form_->addRow(QStringLiteral("Damga Vergisine Dahil"), dv_);
    emk_ = chooser(yesNoCodes(), &EarningSlot::EMK);
    form_->addRow(QStringLiteral("Emekli Kes. Dahil"), emk_);
    ind_ = chooser(yesNoCodes(), &EarningSlot::IND);
    form_->addRow(QStringLiteral("İndirim"), ind_);

    kind_ = new QComboBox(this);
    kind_->addItems(texts(kindCodes()));
    kind_->setCurrentIndex(indexOfCode(kindCodes(), buffer_.TUR));
    // A new kind empties the way points are converted and shows the field of that kind.
    connect(kind_, &QComboBox::activated, this, [this](int i) {
        buffer_.TUR = codeAt(kindCodes(), i);
        buffer_.SEK.clear();
        sek_->setCurrentIndex(-1);
        showKindFields();
    });
    form_->addRow(QStringLiteral("Hesap Türü"), kind_);
    sek_ = chooser(sekDialogCodes(), &EarningSlot::SEK);
    form_->addRow(QStringLiteral("Hesap Şekli"), sek_);

    amount_ = new ui::MoneyEdit(this);
    amount_->setObjectName(QStringLiteral("TUTAR"));
    amount_->setCaption(QStringLiteral("Tutar"));
    amount_->setAmount(buffer_.TUTAR);
    amount_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[0-9.,]*$")), amount_));
    // Half-typed text keeps the last amount read; leaving the field shows that amount.
    connect(amount_, &QLineEdit::textEdited, this, [this] {
        const ui::AmountReading r = amount_->read();
        if (r.blank)
            buffer_.TUTAR.reset();
        else if (r.amount)
            buffer_.TUTAR = r.amount;
    });
    connect(amount_, &QLineEdit::editingFinished, this, [this] { amount_->setAmount(buffer_.TUTAR); });
    form_->addRow(QStringLiteral("Tutar"), amount_);
    grossNet_ = chooser(grossNetCodes(), &EarningSlot::BRUTNET);
    form_->addRow(QStringLiteral("Brüt/Net"), grossNet_);
    layout->addLayout(form_);

    auto *buttons = new QHBoxLayout;
    save_ = ui::commandButton(QStringLiteral("Kayıt"), QStringLiteral("saveButton"), this);
    cancel_ = ui::commandButton(QStringLiteral("İptal"), QStringLiteral("cancelButton"), this);
    save_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    connect(save_, &QPushButton::clicked, this, &EarningTypeDialog::save);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    save_->setEnabled(loaded_);

    showKindFields();
}

QComboBox *EarningTypeDialog::chooser(const CodeItems &codes, QString EarningSlot::*column)
{
    auto *box = new QComboBox(this);
    box->addItems(texts(codes));
    box->setCurrentIndex(indexOfCode(codes, buffer_.*column));
    // Only a choice of the user writes the code; setting up the dialog does not.
    connect(box, &QComboBox::activated, this, [this, &codes, column](int i) { buffer_.*column = codeAt(codes, i); });
    return box;
}

void EarningTypeDialog::showKindFields()
{
    form_->setRowVisible(sek_, buffer_.TUR == QLatin1String("P"));
    form_->setRowVisible(amount_, buffer_.TUR == QLatin1String("S"));
}

bool EarningTypeDialog::sekShown() const
{
    return buffer_.TUR == QLatin1String("P") && !sek_->isHidden();
}

bool EarningTypeDialog::amountShown() const
{
    return buffer_.TUR == QLatin1String("S") && !amount_->isHidden();
}

void EarningTypeDialog::save()
{
    if (!loaded_)
        return;
    try {
        saveSlot(db_, slotToStore(buffer_));
        accept();
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
}

}  // namespace zeran::definitions
