#pragma once
// The grids of the ledger screens. Each model holds the screen's rows, stored and new, with
// what changed since they were read: nothing reaches the database until the screen stores
// its changes in one unit of work, so leaving without storing discards exactly this
// screen's edits.

#include "ledgers.h"
#include "ledgerstore.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QTableView>

namespace zeran::ledgers::ui {

/// "Adı ve Soyadı", "Öğrenim Drm", "Cinsiyeti", "Doğum Tar.", "Yaşı".
class ChildrenModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Education, Sex, Birth, Age, ColumnCount };

    explicit ChildrenModel(const QDate &today, QObject *parent = nullptr);

    void setRows(const QList<ChildRow> &rows);
    const ChildRow &rowAt(int row) const { return items_[row].row; }
    /// Appends an empty row and returns its number.
    int appendRow();
    /// A new row nobody typed into: it is neither counted nor stored.
    bool isBlankNew(int row) const;

    /// The rows to store: new rows that were filled in and changed stored rows.
    QList<ChildRow> pendingRows() const;
    bool hasPending() const { return !pendingRows().isEmpty(); }
    /// After storing: takes the stored rows (new ones now numbered) as the clean state.
    void markStored(const QList<ChildRow> &stored);

    /// Counts over every row that would be stored.
    ChildCounts counts() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    /// Edit role: the name; a code or its word; a date or its "d.m.yyyy" text (empty clears
    /// it, unreadable text is refused).
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    void birthDatesChanged();

private:
    struct Item {
        ChildRow row;
        bool dirty = false;
    };
    QList<Item> items_;
    QDate today_;
};

/// "Başlama Tar.", "Açıklama", the amount column, "Aylık Kesinti", "Durumu".
class DebtModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Start, Text, Amount, Monthly, State, ColumnCount };

    explicit DebtModel(QString amountCaption, QObject *parent = nullptr);

    void setRows(const QList<DebtRow> &rows);
    const DebtRow &rowAt(int row) const { return items_[row].row; }
    /// Appends a running row and returns its number.
    int appendRow();
    /// Removes a row; a stored row is deleted when the changes are stored.
    void removeRowAt(int row);
    bool isNew(int row) const { return items_[row].isNew; }
    /// A new row nobody typed into: it is not stored.
    bool isBlankNew(int row) const;
    /// A row that would be stored (new and filled in, or changed).
    bool isPending(int row) const;
    /// Removes the new rows nobody typed into.
    void dropBlankNewRows();

    /// The first pending row whose amount is not above 0, or -1.
    int firstRowWithoutAmount() const;
    DebtChanges changes() const;
    bool hasChanges() const;
    /// TUTAR of every row the person would have after storing.
    QList<Money> amounts() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    /// Edit role: a date or its text; the description; an amount or its text ("1.234,56",
    /// kept to two decimals); a state code or its word.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    struct Item {
        DebtRow row;
        DebtRow original;
        bool isNew = false;
    };
    QString amountCaption_;
    QList<Item> items_;
    QList<int> removed_;
};

/// Shows only running debts unless "Tümü" is on. The filter is applied when the choice
/// changes (as a fresh read would), not while a row is being edited.
class RunningDebtFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit RunningDebtFilter(QObject *parent = nullptr);
    void setShowAll(bool all);
    bool showAll() const { return all_; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    bool all_ = false;
};

/// Chooses a code from its words; the model receives the code.
class CodeDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    CodeDelegate(QList<CodeText> codes, bool allowEmpty, QObject *parent = nullptr);
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    QList<CodeText> codes_;
    bool allowEmpty_;
};

/// A text field of limited length.
class TextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TextDelegate(int maxLength, QObject *parent = nullptr);
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override;

private:
    int maxLength_;
};

/// The grid of a ledger: Insert, or the down arrow on the last row, asks for a new row.
class LedgerGrid : public QTableView {
    Q_OBJECT
public:
    explicit LedgerGrid(QWidget *parent = nullptr);
    /// Hands a cell being edited to the model (before the screen stores or counts).
    void commitEditor();

signals:
    void newRowRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

}  // namespace zeran::ledgers::ui
