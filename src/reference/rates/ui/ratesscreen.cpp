#include "ratesscreen.h"

#include "context.h"
#include "database.h"
#include "prompter.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpressionValidator>

namespace zeran::rates {

// ---- RateField -----------------------------------------------------------------------

RateField::RateField(QString column, ValueKind kind, QWidget *parent)
    : QLineEdit(parent), column_(std::move(column)), kind_(kind)
{
    setObjectName(column_);
    setAlignment(Qt::AlignRight);
    // Only what can become a number; whether it is one is decided by value().
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^[-+]?[0-9.,]*([eE][-+]?[0-9]*)?$")), this));
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (const auto v = value()) {
            shown_ = *v;
            emit valueEdited(column_, *v);
        }
    });
}

void RateField::showValue(const QString &canonical)
{
    shown_ = canonical;
    setText(displayValue(canonical));
}

std::optional<QString> RateField::value() const
{
    return canonicalValue(text(), kind_);
}

void RateField::focusOutEvent(QFocusEvent *event)
{
    if (!value())
        setText(displayValue(shown_));
    QLineEdit::focusOutEvent(event);
}

// ---- RatesScreen ---------------------------------------------------------------------

RatesScreen::RatesScreen(db::Database &db, const WorkingContext &ctx, ui::Prompter &prompter,
                         RateServiceEndpoint service, QWidget *parent)
    : QDialog(parent), db_(db), ctx_(ctx), prompter_(prompter), service_(std::move(service))
{
    period_ = {ctx.CYIL, ctx.DON == QLatin1String("2") ? QStringLiteral("2") : QStringLiteral("1")};
}

QWidget *RatesScreen::makePeriodRow()
{
    auto *row = new QWidget(this);
    auto *l = new QHBoxLayout(row);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(new QLabel(QStringLiteral("Yıl"), row));
    year_ = new QLineEdit(period_.year, row);
    year_->setObjectName(QStringLiteral("YIL"));
    year_->setMaxLength(4);
    year_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[0-9]{0,4}$")), year_));
    year_->setMaximumWidth(70);
    l->addWidget(year_);
    l->addSpacing(12);
    l->addWidget(new QLabel(QStringLiteral("Dönem"), row));
    periodBox_ = new QComboBox(row);
    periodBox_->setObjectName(QStringLiteral("DON"));
    periodBox_->addItems(periodNames());
    periodBox_->setCurrentIndex(periodIndex(period_.don));
    l->addWidget(periodBox_);
    l->addStretch();
    // Enter in the year and leaving it both end in editingFinished. Only a changed year
    // looks the row up again: leaving the field unchanged must not drop the edits.
    connect(year_, &QLineEdit::editingFinished, this, [this] {
        if (year_->text().trimmed() != period_.year)
            lookUp();
    });
    connect(periodBox_, &QComboBox::currentIndexChanged, this, &RatesScreen::lookUp);
    return row;
}

RateField *RatesScreen::makeField(const QString &column, ValueKind kind)
{
    auto *f = new RateField(column, kind, this);
    fields_.insert(column, f);
    connect(f, &RateField::valueEdited, this, &RatesScreen::onValueEdited);
    return f;
}

void RatesScreen::lookUp()
{
    QString year = year_ ? year_->text().trimmed() : period_.year;
    if (!isYear(year)) {
        // Not a year yet: keep the row on screen and show its year again.
        if (year_)
            year_->setText(period_.year);
        year = period_.year;
    }
    const Period p{year, periodCode(periodBox_ ? periodBox_->currentIndex() : periodIndex(period_.don))};
    period_ = p;
    try {
        if (const auto row = readRow(p))
            setRow(*row, true);
        else
            setRow({}, false);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        setRow({}, false);
    }
}

void RatesScreen::setRow(const RateValues &values, bool exists)
{
    values_ = values;
    exists_ = exists;
    dirty_ = false;
    showValues();
}

void RatesScreen::showValues()
{
    for (auto it = fields_.cbegin(); it != fields_.cend(); ++it)
        (*it)->showValue(values_.value(it.key()));
}

void RatesScreen::setValue(const QString &column, const QString &canonical)
{
    values_.insert(column, canonical);
    dirty_ = true;
}

void RatesScreen::markSaved()
{
    dirty_ = false;
    exists_ = true;
}

void RatesScreen::onValueEdited(const QString &column, const QString &canonical)
{
    setValue(column, canonical);
}

}  // namespace zeran::rates
