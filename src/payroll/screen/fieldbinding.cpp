#include "fieldbinding.h"

#include "payrows.h"

#include <limits>

namespace zeran::payrollscreen {

namespace {

const Column &columnOf(const QString &name)
{
    const Column *c = findColumn(name);
    Q_ASSERT(c);
    return *c;
}

QString invalidNumberMessage(const QString &text)
{
    return QStringLiteral("'%1' geçerli bir sayı değil").arg(text);
}

}  // namespace

QString floatAmountMessage(const QString &caption, const QString &text)
{
    QString name = caption.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return QStringLiteral("DİKKAT! \"%1\" alanına girilen %2 bu alanda kuruşu kuruşuna saklanamaz. "
                          "Tutarı kontrol ediniz.")
        .arg(name, text);
}

QString plainNumberText(Money value)
{
    QString s = rateText(value);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

// ---- NumberBinding ----------------------------------------------------------------------

NumberBinding::NumberBinding(const QString &column, QLineEdit *edit) : FieldBinding(column, edit), edit_(edit) {}

void NumberBinding::show(const PayRecordFields &record)
{
    const std::optional<int> v = record.number(column());
    shown_ = v ? QString::number(*v) : QString();
    edit_->setText(shown_);
}

std::optional<QString> NumberBinding::take(PayRecordFields &record) const
{
    const QString text = edit_->text().trimmed();
    if (text == shown_)
        return std::nullopt;
    if (text.isEmpty()) {
        record.setValue(column(), QVariant());
        return std::nullopt;
    }
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < std::numeric_limits<qint16>::min() || v > std::numeric_limits<qint16>::max())
        return invalidNumberMessage(text);
    record.setValue(column(), v);
    return std::nullopt;
}

// ---- AmountBinding ----------------------------------------------------------------------

AmountBinding::AmountBinding(const QString &column, QLineEdit *edit, Style style)
    : FieldBinding(column, edit), edit_(edit), style_(style)
{
}

void AmountBinding::show(const PayRecordFields &record)
{
    const std::optional<Money> v = record.amount(column());
    shown_ = !v ? QString() : style_ == Style::Amount ? v->toText() : plainNumberText(*v);
    edit_->setText(shown_);
}

std::optional<QString> AmountBinding::take(PayRecordFields &record) const
{
    const QString text = edit_->text().trimmed();
    if (text == shown_)
        return std::nullopt;
    if (text.isEmpty()) {
        record.setValue(column(), QVariant());
        return std::nullopt;
    }
    const std::optional<Money> v = Money::parse(text);
    if (!v)
        return ui::invalidAmountMessage(text);
    // A FLOAT column keeps about seven digits: refuse what it would store as another amount.
    if (columnOf(column()).type == ColumnType::Float && !v->fitsDbFloat())
        return floatAmountMessage(label ? label->text() : column(), text);
    record.setValue(column(), QVariant::fromValue(*v));
    return std::nullopt;
}

// ---- ChoiceBinding ----------------------------------------------------------------------

ChoiceBinding::ChoiceBinding(const QString &column, ui::CodeCombo *combo)
    : FieldBinding(column, combo), combo_(combo)
{
}

void ChoiceBinding::show(const PayRecordFields &record)
{
    combo_->setCode(record.value(column()));
    shownIndex_ = combo_->currentIndex();
}

std::optional<QString> ChoiceBinding::take(PayRecordFields &record) const
{
    if (combo_->currentIndex() == shownIndex_)
        return std::nullopt;
    const QVariant code = combo_->code();
    if (!code.isValid() || code.isNull() || code.toString().isEmpty()) {
        record.setValue(column(), QVariant());
        return std::nullopt;
    }
    if (columnOf(column()).type == ColumnType::SmallInt)
        record.setValue(column(), code.toInt());
    else
        record.setValue(column(), code.toString());
    return std::nullopt;
}

// ---- DateBinding ------------------------------------------------------------------------

DateBinding::DateBinding(const QString &column, ui::DateEdit *field)
    : FieldBinding(column, field), field_(field)
{
}

void DateBinding::show(const PayRecordFields &record)
{
    field_->setDate(record.date(column()));
    shown_ = field_->text();
}

std::optional<QString> DateBinding::take(PayRecordFields &record) const
{
    if (field_->text() == shown_)
        return std::nullopt;
    const std::optional<QDate> d = field_->date();
    if (!d)
        return ui::invalidDateMessage(field_->text());
    record.setValue(column(), d->isValid() ? QVariant(*d) : QVariant());
    return std::nullopt;
}

// ---- CheckBinding -----------------------------------------------------------------------

CheckBinding::CheckBinding(const QString &column, QCheckBox *box) : FieldBinding(column, box), box_(box) {}

void CheckBinding::show(const PayRecordFields &record)
{
    shown_ = record.flag(column()).value_or(false);
    box_->setChecked(shown_);
}

std::optional<QString> CheckBinding::take(PayRecordFields &record) const
{
    if (box_->isChecked() != shown_)
        record.setValue(column(), box_->isChecked());
    return std::nullopt;
}

}  // namespace zeran::payrollscreen
