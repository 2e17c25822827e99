#include "moneyedit.h"

namespace zeran::ui {

QString invalidAmountMessage(const QString &text)
{
    return QStringLiteral("'%1' geçerli bir tutar değil").arg(text);
}

QString floatAmountMessage(const QString &caption, const QString &text)
{
    QString name = caption.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return QStringLiteral("DİKKAT! \"%1\" alanına girilen %2 bu alanda kuruşu kuruşuna saklanamaz. "
                          "Tutarı kontrol ediniz.")
        .arg(name, text);
}

AmountReading readAmount(const QString &textIn, const QString &caption, const AmountRules &rules)
{
    AmountReading r;
    const QString text = textIn.trimmed();
    if (text.isEmpty()) {
        r.blank = true;
        return r;
    }
    r.amount = Money::parse(text);
    if (!r.amount) {
        r.problem = invalidAmountMessage(text);
        return r;
    }
    if ((rules.min && *r.amount < *rules.min) || (rules.max && *r.amount > *rules.max)) {
        r.problem = QStringLiteral("DİKKAT! \"%1\" %2 ile %3 arasında olmalı.")
                        .arg(caption, rules.min ? rules.min->toText() : QStringLiteral("-"),
                             rules.max ? rules.max->toText() : QStringLiteral("-"));
        r.amount.reset();
        return r;
    }
    if (rules.floatColumn && !r.amount->fitsDbFloat()) {
        r.problem = floatAmountMessage(caption, text);
        r.amount.reset();
    }
    return r;
}

MoneyEdit::MoneyEdit(QWidget *parent, Style style) : QLineEdit(parent), style_(style)
{
    setAlignment(Qt::AlignRight);
}

void MoneyEdit::setAmount(const std::optional<Money> &amount)
{
    shown_ = !amount ? QString() : style_ == Style::Amount ? amount->toText() : plainNumberText(*amount);
    setText(shown_);
}

AmountReading MoneyEdit::read() const
{
    return readAmount(text(), caption_.isEmpty() ? objectName() : caption_, rules_);
}

}  // namespace zeran::ui
