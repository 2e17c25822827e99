#pragma once
// An editable grid over a small code table: a row is written as soon as one of its cells
// is changed (a new row once it has what its table requires); Insert, or the down arrow on
// the last row, appends an empty row.

#include <QTableWidget>

#include <functional>

namespace zeran::definitions {

class DefinitionsGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit DefinitionsGrid(const QStringList &headers, QWidget *parent = nullptr);

    /// Decides whether a row may be appended now (false: the key does nothing).
    std::function<bool()> canAppend = [] { return true; };

    /// Appends an empty row and starts editing its first editable cell; false when refused.
    bool appendRow();
    /// Ends an open cell editor so that its text reaches the grid (and is saved).
    void commitEditor();
    /// Puts a read-only text in a cell.
    void setFixed(int row, int column, const QString &text);
    /// Fills a row's cells without reporting them as edits.
    void setRowTexts(int row, const QStringList &texts, const QList<int> &readOnlyColumns = {});

signals:
    /// A cell of `row` was changed by the user.
    void rowEdited(int row);
    /// A row was appended (still empty).
    void rowAppended(int row);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool filling_ = false;
};

}  // namespace zeran::definitions
