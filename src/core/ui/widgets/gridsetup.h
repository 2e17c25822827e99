#pragma once
// The one way a list grid of the screens looks and selects: whole rows, one at a time, no row
// numbers; read-only unless the screen edits in the grid.

class QAbstractItemView;
class QTableView;

namespace zeran::ui {

enum class GridEditing { ReadOnly, InPlace };

/// Rows selected whole, one at a time; vertical header hidden; the last column stretched.
/// `editing` InPlace lets a double click, F2 or typing start an edit.
void setUpGrid(QTableView *grid, GridEditing editing = GridEditing::ReadOnly);

}  // namespace zeran::ui
