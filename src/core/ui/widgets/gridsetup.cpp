#include "gridsetup.h"

#include <QHeaderView>
#include <QTableView>

namespace zeran::ui {

void setUpGrid(QTableView *grid, GridEditing editing)
{
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(editing == GridEditing::ReadOnly
                              ? QAbstractItemView::NoEditTriggers
                              : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                    QAbstractItemView::AnyKeyPressed);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
}

}  // namespace zeran::ui
