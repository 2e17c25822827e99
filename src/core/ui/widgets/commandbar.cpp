#include "commandbar.h"

#include <QHBoxLayout>
#include <QRegularExpression>

namespace zeran::ui {

QKeySequence keyOfCaption(const QString &caption)
{
    static const QRegularExpression fkey(QStringLiteral("^F([1-9]|1[0-2])(?![0-9])"));
    const QRegularExpressionMatch m = fkey.match(caption);
    if (m.hasMatch())
        return QKeySequence(int(Qt::Key_F1) + m.captured(1).toInt() - 1);
    if (caption.startsWith(QLatin1String("ESC"), Qt::CaseInsensitive))
        return QKeySequence(Qt::Key_Escape);
    return {};
}

QPushButton *commandButton(const QString &caption, const QString &objectName, QWidget *parent)
{
    return commandButton(caption, objectName, keyOfCaption(caption), parent);
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

CommandBar::CommandBar(QWidget *parent) : QWidget(parent), layout_(new QHBoxLayout(this))
{
    layout_->setContentsMargins(0, 0, 0, 0);
}

QPushButton *CommandBar::add(const QString &caption, const QString &objectName)
{
    QPushButton *b = commandButton(caption, objectName, this);
    layout_->addWidget(b);
    return b;
}

void CommandBar::addStretch()
{
    layout_->addStretch(1);
}

}  // namespace zeran::ui
