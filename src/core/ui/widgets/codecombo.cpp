#include "codecombo.h"

namespace zeran::ui {

CodeCombo::CodeCombo(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
}

void CodeCombo::setChoices(const CodeItems &choices)
{
    clear();
    for (const CodeItem &c : choices)
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

}  // namespace zeran::ui
