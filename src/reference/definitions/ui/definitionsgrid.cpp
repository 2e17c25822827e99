#include "definitionsgrid.h"

#include "gridsetup.h"

#include <QKeyEvent>

namespace zeran::definitions {

DefinitionsGrid::DefinitionsGrid(const QStringList &headers, QWidget *parent) : QTableWidget(0, int(headers.size()), parent)
{
    setHorizontalHeaderLabels(headers);
    ui::setUpGrid(this, ui::GridEditing::InPlace);
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (!filling_)
            emit rowEdited(item->row());
    });
}

bool DefinitionsGrid::appendRow()
{
    if (!canAppend())
        return false;
    const int row = rowCount();
    filling_ = true;
    insertRow(row);
    for (int c = 0; c < columnCount(); ++c)
        setItem(row, c, new QTableWidgetItem);
    filling_ = false;
    emit rowAppended(row);
    for (int c = 0; c < columnCount(); ++c) {
        QTableWidgetItem *it = item(row, c);
        if (it && (it->flags() & Qt::ItemIsEditable) && !cellWidget(row, c)) {
            setCurrentItem(it);
            editItem(it);
            break;
        }
    }
    return true;
}

void DefinitionsGrid::commitEditor()
{
    // The delegate writes the editor's text back when the editor loses the focus.
    if (state() == QAbstractItemView::EditingState) {
        if (QWidget *editor = indexWidget(currentIndex()))
            editor->clearFocus();
        if (QWidget *f = focusWidget(); f && isAncestorOf(f))
            f->clearFocus();
    }
}

void DefinitionsGrid::setFixed(int row, int column, const QString &text)
{
    filling_ = true;
    auto *it = new QTableWidgetItem(text);
    it->setFlags(it->flags() & ~Qt::ItemIsEditable);
    setItem(row, column, it);
    filling_ = false;
}

void DefinitionsGrid::setRowTexts(int row, const QStringList &texts, const QList<int> &readOnlyColumns)
{
    filling_ = true;
    for (int c = 0; c < texts.size() && c < columnCount(); ++c) {
        auto *it = new QTableWidgetItem(texts.at(c));
        if (readOnlyColumns.contains(c) || editTriggers() == QAbstractItemView::NoEditTriggers)
            it->setFlags(it->flags() & ~Qt::ItemIsEditable);
        setItem(row, c, it);
    }
    filling_ = false;
}

void DefinitionsGrid::keyPressEvent(QKeyEvent *event)
{
    const bool editable = editTriggers() != QAbstractItemView::NoEditTriggers;
    if (editable && (event->key() == Qt::Key_Insert ||
                     (event->key() == Qt::Key_Down && currentRow() == rowCount() - 1))) {
        appendRow();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

}  // namespace zeran::definitions
