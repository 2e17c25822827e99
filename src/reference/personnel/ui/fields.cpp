#include "fields.h"

#include "calendar.h"

namespace zeran::personnel {

CodeCombo::CodeCombo(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
}

void CodeCombo::setChoices(const Choices &choices)
{
    clear();
    for (const Choice &c : choices)
        addItem(c.text, c.code);
    setCurrentIndex(-1);
}

void CodeCombo::setLookup(const LookupList &items, bool withEmptyItem)
{
    clear();
    if (withEmptyItem)
        addItem(QString(), QVariant());
    for (const LookupItem &i : items)
        addItem(i.text, i.code);
    setCurrentIndex(-1);
}

QVariant CodeCombo::code() const
{
    if (currentIndex() < 0)
        return {};
    return currentData();
}

std::optional<int> CodeCombo::codeNumber() const
{
    const QVariant c = code();
    if (!c.isValid() || c.isNull())
        return std::nullopt;
    return c.toInt();
}

void CodeCombo::setCode(const QVariant &code)
{
    if (!code.isValid() || code.isNull() || code.toString().isEmpty()) {
        // The empty item, when the list has one, stands for "nothing".
        setCurrentIndex(count() > 0 && !itemData(0).isValid() ? 0 : -1);
        return;
    }
    for (int i = 0; i < count(); ++i) {
        const QVariant d = itemData(i);
        if (d.isValid() && d.toString() == code.toString()) {
            setCurrentIndex(i);
            return;
        }
    }
    setCurrentIndex(-1);
}

DateField::DateField(QWidget *parent) : QLineEdit(parent)
{
    setInputMask(QStringLiteral("99.99.9999;_"));
    setMaximumWidth(110);
}

void DateField::setDate(const QDate &date)
{
    setText(date.isValid() ? cal::dateText(date) : QString());
}

bool DateField::isBlank() const
{
    QString t = text();
    t.remove(QLatin1Char('.'));
    return t.trimmed().isEmpty();
}

std::optional<QDate> DateField::date() const
{
    if (isBlank())
        return QDate();
    return cal::parseDateText(text().trimmed());
}

QPushButton *commandButton(const QString &caption, const QString &objectName, const QKeySequence &key,
                           QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    if (!key.isEmpty())
        b->setShortcut(key);
    return b;
}

QString invalidDateMessage(const QString &text)
{
    return QStringLiteral("'%1' geçerli bir tarih değil").arg(text);
}

QString invalidAmountMessage(const QString &text)
{
    return QStringLiteral("'%1' geçerli bir tutar değil").arg(text);
}

}  // namespace zeran::personnel
