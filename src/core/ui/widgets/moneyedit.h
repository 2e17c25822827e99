#pragma once
// An amount typed by a clerk: Turkish "#,0.00" in and out ("1.234,56"), read as a Money and
// never as a double, with a clear message for a text that is no amount, an amount outside
// the field's range, or one its FLOAT column cannot keep to the kuruş.

#include "money.h"

#include <QLineEdit>
#include <optional>

namespace zeran::ui {

/// What a field accepts besides "an amount".
struct AmountRules {
    std::optional<Money> min, max;
    /// The column is a single-precision FLOAT: refuse what it would store as another amount.
    bool floatColumn = false;
};

/// A typed text read as an amount: `blank` for an empty text; otherwise `amount`, or
/// `problem` (the message to show) when the text cannot be taken.
struct AmountReading {
    bool blank = false;
    std::optional<Money> amount;
    QString problem;
    bool ok() const { return problem.isEmpty(); }
};

/// Reads `text` by `rules`; `caption` names the field in the messages.
AmountReading readAmount(const QString &text, const QString &caption, const AmountRules &rules = {});

/// The message of an amount that is not an amount.
QString invalidAmountMessage(const QString &text);
/// The message of an amount a FLOAT column cannot hold to the kuruş.
QString floatAmountMessage(const QString &caption, const QString &text);
using zeran::plainNumberText;

class MoneyEdit : public QLineEdit {
    Q_OBJECT
public:
    /// Amount: "1.234,56"; Plain: points, days, percentages as "12,5".
    enum class Style { Amount, Plain };
    explicit MoneyEdit(QWidget *parent = nullptr, Style style = Style::Amount);

    Style style() const { return style_; }
    void setRules(const AmountRules &rules) { rules_ = rules; }
    const AmountRules &rules() const { return rules_; }
    /// The field's name in messages (default: the object name).
    void setCaption(const QString &caption) { caption_ = caption; }

    /// Shows an amount; nothing for nullopt.
    void setAmount(const std::optional<Money> &amount);
    /// The text read by the field's rules.
    AmountReading read() const;
    /// True when the text differs from what setAmount() last showed.
    bool edited() const { return text().trimmed() != shown_; }

private:
    Style style_;
    AmountRules rules_;
    QString caption_;
    QString shown_;
};

}  // namespace zeran::ui
