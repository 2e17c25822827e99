#pragma once
// An input of the pay-record page tied to its ZERBORBIL column. show() puts the record's value
// into the input; take() reads the input back into the record, but only when the clerk changed
// it: a value the input cannot show exactly (an amount with four decimals, a code that no list
// offers) is kept as stored unless it is retyped or another item is chosen.

#include "codecombo.h"
#include "codes.h"
#include "commandbar.h"
#include "dateedit.h"
#include "lookups.h"
#include "moneyedit.h"
#include "payrecordfields.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>

#include <memory>
#include <optional>

namespace zeran::payrollscreen {

class FieldBinding {
public:
    FieldBinding(QString column, QWidget *input) : column_(std::move(column)), input_(input) {}
    virtual ~FieldBinding() = default;

    const QString &column() const { return column_; }
    QWidget *input() const { return input_; }
    /// The caption beside the input (may be null).
    QLabel *label = nullptr;

    /// Shows the record's value.
    virtual void show(const PayRecordFields &record) = 0;
    /// Reads a changed input into `record`. A text that is not a value of the column gives
    /// its message; `record` is left as it was then.
    virtual std::optional<QString> take(PayRecordFields &record) const = 0;

private:
    QString column_;
    QWidget *input_;
};

/// A whole number (SMALLINT) in a line edit.
class NumberBinding : public FieldBinding {
public:
    NumberBinding(const QString &column, QLineEdit *edit);
    void show(const PayRecordFields &record) override;
    std::optional<QString> take(PayRecordFields &record) const override;

private:
    QLineEdit *edit_;
    QString shown_;
};

/// An amount ("1.234,56") or a plain decimal number (points, days, a percentage), read by the
/// edit's own rules; a FLOAT column refuses what it would store as another amount.
class AmountBinding : public FieldBinding {
public:
    AmountBinding(const QString &column, ui::MoneyEdit *edit);
    void show(const PayRecordFields &record) override;
    std::optional<QString> take(PayRecordFields &record) const override;

private:
    ui::MoneyEdit *edit_;
};

/// A drop-down list storing the code of the chosen item.
class ChoiceBinding : public FieldBinding {
public:
    ChoiceBinding(const QString &column, ui::CodeCombo *combo);
    void show(const PayRecordFields &record) override;
    std::optional<QString> take(PayRecordFields &record) const override;
    ui::CodeCombo *combo() const { return combo_; }

private:
    ui::CodeCombo *combo_;
    int shownIndex_ = -1;
};

/// A date that may stay empty.
class DateBinding : public FieldBinding {
public:
    DateBinding(const QString &column, ui::DateEdit *field);
    void show(const PayRecordFields &record) override;
    std::optional<QString> take(PayRecordFields &record) const override;

private:
    ui::DateEdit *field_;
    QString shown_;
};

/// A BOOLEAN column as a check box; an unchanged NULL stays NULL.
class CheckBinding : public FieldBinding {
public:
    CheckBinding(const QString &column, QCheckBox *box);
    void show(const PayRecordFields &record) override;
    std::optional<QString> take(PayRecordFields &record) const override;

private:
    QCheckBox *box_;
    bool shown_ = false;
};

}  // namespace zeran::payrollscreen
