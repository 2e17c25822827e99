#include "fieldbinding.h"

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

AmountBinding::AmountBinding(const QString &column, ui::MoneyEdit *edit) : FieldBinding(column, edit), edit_(edit)
{
    // A FLOAT column keeps about seven digits.
    ui::AmountRules rules = edit->rules();
    rules.floatColumn = columnOf(column).type == ColumnType::Float;
    edit->setRules(rules);
}

void AmountBinding::show(const PayRecordFields &record)
{
    edit_->setAmount(record.amount(column()));
}

std::optional<QString> AmountBinding::take(PayRecordFields &record) const
{
    if (!edit_->edited())
        return std::nullopt;
    // The messages name the field as its caption reads now: the items' captions follow their
    // definitions.
    edit_->setCaption(label ? label->text() : column());
    const ui::AmountReading reading = edit_->read();
    if (!reading.ok())
        return reading.problem;
    record.setValue(column(), reading.blank ? QVariant() : QVariant::fromValue(*reading.amount));
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
