#include "dateedit.h"

#include "calendar.h"

namespace zeran::ui {

DateEdit::DateEdit(QWidget *parent) : QLineEdit(parent)
{
    setInputMask(QStringLiteral("99.99.9999;_"));
    setMaximumWidth(110);
}

void DateEdit::setDate(const QDate &date)
{
    setText(date.isValid() ? cal::dateText(date) : QString());
}

bool DateEdit::isBlank() const
{
    QString t = text();
    t.remove(QLatin1Char('.'));
    return t.trimmed().isEmpty();
}

std::optional<QDate> DateEdit::date() const
{
    if (isBlank())
        return QDate();
    return cal::parseDateText(text().trimmed());
}

QString invalidDateMessage(const QString &text)
{
    return QStringLiteral("'%1' geçerli bir tarih değil").arg(text);
}

}  // namespace zeran::ui
