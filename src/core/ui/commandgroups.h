#pragma once
// The collapsible command groups on the left of the main window. Opening a group collapses
// the others; unlike QToolBox every group may be collapsed at once, which is how the main
// window starts.

#include <QWidget>

#include <vector>

class QAction;
class QPushButton;
class QVBoxLayout;

namespace zeran::ui {

class CommandGroups : public QWidget {
    Q_OBJECT
public:
    explicit CommandGroups(QWidget *parent = nullptr);

    /// Adds a group header; returns its index.
    int addGroup(const QString &caption, const QString &objectName);
    /// A button for `action` in the group (its text and state follow the action).
    void addCommand(int group, QAction *action);
    /// A button for `expander` whose clicks show or hide buttons for `children` below it.
    void addExpander(int group, QAction *expander, const QList<QAction *> &children);

    int count() const { return int(groups_.size()); }
    QPushButton *header(int index) const;
    bool isOpen(int index) const;
    /// Index of the open group, -1 when all are collapsed.
    int openIndex() const;

public slots:
    void openGroup(int index);
    void collapseAll();

signals:
    /// A group was opened by the user or by openGroup().
    void groupOpened(int index);

private:
    struct Group {
        QPushButton *header = nullptr;
        QWidget *page = nullptr;
        QVBoxLayout *pageLayout = nullptr;
    };
    std::vector<Group> groups_;
    QVBoxLayout *layout_ = nullptr;
};

}  // namespace zeran::ui
