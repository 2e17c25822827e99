#include "commandgroups.h"

#include <QAction>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeran::ui {

namespace {

const char *kHeaderStyle =
    "QPushButton { background: #1f4e79; color: white; font-weight: bold; text-align: left;"
    " padding: 7px 10px; border: 1px solid #163a5a; border-radius: 2px; }"
    "QPushButton:hover { background: #2b6aa3; }"
    "QPushButton:checked { background: #b8860b; border-color: #8a6508; }";

const char *kCommandStyle =
    "QPushButton { text-align: left; padding: 4px 8px; border: none; background: transparent; color: #102a43; }"
    "QPushButton:hover { background: #dbe8f5; }"
    "QPushButton:checked { font-weight: bold; }"
    "QPushButton:disabled { color: #7b8794; }";

// A flat button that mirrors an action: its caption, enabled state and visibility.
QPushButton *actionButton(QAction *action, QWidget *parent)
{
    auto *b = new QPushButton(action->text(), parent);
    b->setObjectName(QStringLiteral("btn_") + action->objectName());
    b->setStyleSheet(QLatin1String(kCommandStyle));
    b->setEnabled(action->isEnabled());
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::TabFocus);
    QObject::connect(b, &QPushButton::clicked, action, [action] { action->trigger(); });
    QObject::connect(action, &QAction::changed, b, [b, action] {
        b->setText(action->text());
        b->setEnabled(action->isEnabled());
        b->setVisible(action->isVisible());
    });
    return b;
}

}  // namespace

CommandGroups::CommandGroups(QWidget *parent) : QWidget(parent)
{
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(4, 4, 4, 4);
    layout_->setSpacing(3);
    layout_->addStretch(1);
}

int CommandGroups::addGroup(const QString &caption, const QString &objectName)
{
    Group g;
    g.header = new QPushButton(caption, this);
    g.header->setObjectName(objectName);
    g.header->setCheckable(true);
    g.header->setStyleSheet(QLatin1String(kHeaderStyle));
    g.header->setCursor(Qt::PointingHandCursor);
    g.page = new QWidget(this);
    g.page->setObjectName(objectName + QStringLiteral("_page"));
    g.pageLayout = new QVBoxLayout(g.page);
    g.pageLayout->setContentsMargins(10, 2, 2, 6);
    g.pageLayout->setSpacing(0);
    g.page->setVisible(false);

    const int index = int(groups_.size());
    // Before the closing stretch.
    layout_->insertWidget(layout_->count() - 1, g.header);
    layout_->insertWidget(layout_->count() - 1, g.page);
    connect(g.header, &QPushButton::clicked, this, [this, index](bool checked) {
        if (checked)
            openGroup(index);
        else
            collapseAll();
    });
    groups_.push_back(g);
    return index;
}

void CommandGroups::addCommand(int group, QAction *action)
{
    Group &g = groups_.at(size_t(group));
    g.pageLayout->addWidget(actionButton(action, g.page));
}

void CommandGroups::addExpander(int group, QAction *expander, const QList<QAction *> &children)
{
    Group &g = groups_.at(size_t(group));
    QPushButton *button = actionButton(expander, g.page);
    button->setCheckable(true);
    g.pageLayout->addWidget(button);

    auto *box = new QWidget(g.page);
    box->setObjectName(expander->objectName() + QStringLiteral("_children"));
    auto *boxLayout = new QVBoxLayout(box);
    boxLayout->setContentsMargins(16, 0, 0, 2);
    boxLayout->setSpacing(0);
    for (QAction *child : children)
        boxLayout->addWidget(actionButton(child, box));
    box->setVisible(false);
    g.pageLayout->addWidget(box);

    // The button's own click already triggers the action; the action decides.
    connect(expander, &QAction::triggered, box, [box, button] {
        box->setVisible(!box->isVisible());
        button->setChecked(box->isVisible());
    });
}

QPushButton *CommandGroups::header(int index) const
{
    return groups_.at(size_t(index)).header;
}

bool CommandGroups::isOpen(int index) const
{
    return groups_.at(size_t(index)).header->isChecked();
}

int CommandGroups::openIndex() const
{
    for (size_t i = 0; i < groups_.size(); ++i)
        if (groups_[i].header->isChecked())
            return int(i);
    return -1;
}

void CommandGroups::openGroup(int index)
{
    for (size_t i = 0; i < groups_.size(); ++i) {
        const bool open = int(i) == index;
        groups_[i].header->setChecked(open);
        groups_[i].page->setVisible(open);
    }
    emit groupOpened(index);
}

void CommandGroups::collapseAll()
{
    for (Group &g : groups_) {
        g.header->setChecked(false);
        g.page->setVisible(false);
    }
}

}  // namespace zeran::ui
