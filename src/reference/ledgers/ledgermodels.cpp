#include "ledgermodels.h"

#include "calendar.h"
#include "gridsetup.h"
#include "moneyedit.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace zeran::ledgers::ui {

namespace {

/// A date from the editor: a QDate, or "d.m.yyyy" text; empty text is no date. nullopt
/// when the text is not a date.
std::optional<QDate> dateFrom(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return QDate();
    return cal::parseDateText(text);
}

/// An amount from the editor, kept to the two decimals amounts are stored with; an empty
/// cell is no amount (0).
std::optional<Money> amountFrom(const QVariant &value, const QString &caption)
{
    const zeran::ui::AmountReading r = zeran::ui::readAmount(value.toString(), caption);
    if (r.blank)
        return Money();
    if (!r.amount)
        return std::nullopt;
    return r.amount->yuvarla1();
}

}  // namespace

// ---- ChildrenModel ------------------------------------------------------------------

ChildrenModel::ChildrenModel(const QDate &today, QObject *parent) : QAbstractTableModel(parent), today_(today) {}

void ChildrenModel::setRows(const QList<ChildRow> &rows)
{
    beginResetModel();
    items_.clear();
    for (const ChildRow &r : rows)
        items_.append({r, false});
    endResetModel();
    emit birthDatesChanged();
}

int ChildrenModel::appendRow()
{
    const int n = int(items_.size());
    beginInsertRows({}, n, n);
    items_.append(Item{});
    endInsertRows();
    return n;
}

bool ChildrenModel::isBlankNew(int row) const
{
    const Item &it = items_[row];
    return it.row.hno == 0 && it.row == ChildRow{};
}

QList<ChildRow> ChildrenModel::pendingRows() const
{
    QList<ChildRow> rows;
    for (int i = 0; i < items_.size(); ++i) {
        if (items_[i].row.hno == 0 ? !isBlankNew(i) : items_[i].dirty)
            rows.append(items_[i].row);
    }
    return rows;
}

void ChildrenModel::markStored(const QList<ChildRow> &stored)
{
    // The stored rows come back in the order pendingRows() gave them.
    int next = 0;
    for (int i = 0; i < items_.size(); ++i) {
        Item &it = items_[i];
        const bool pending = it.row.hno == 0 ? !isBlankNew(i) : it.dirty;
        if (!pending)
            continue;
        if (next < stored.size())
            it.row = stored[next++];
        it.dirty = false;
    }
}

ChildCounts ChildrenModel::counts() const
{
    QList<QDate> births;
    for (int i = 0; i < items_.size(); ++i) {
        if (!isBlankNew(i))
            births.append(items_[i].row.dtar);
    }
    return countChildren(births, today_);
}

int ChildrenModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(items_.size());
}

int ChildrenModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ChildrenModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= items_.size())
        return {};
    const ChildRow &r = items_[index.row()].row;
    if (role == Qt::TextAlignmentRole && index.column() == Age)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case Name:
        return r.adsoy;
    case Education:
        return role == Qt::EditRole ? r.odur : textForCode(educationCodes(), r.odur);
    case Sex:
        return role == Qt::EditRole ? r.cins : textForCode(sexCodes(), r.cins);
    case Birth:
        return cal::dateText(r.dtar);
    case Age:
        // A new row has no age until its date of birth is typed.
        if (r.hno == 0 && !r.dtar.isValid())
            return QString();
        return childAge(r.dtar, today_);
    }
    return {};
}

QVariant ChildrenModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, o, role);
    switch (section) {
    case Name:
        return QStringLiteral("Adı ve Soyadı");
    case Education:
        return QStringLiteral("Öğrenim Drm");
    case Sex:
        return QStringLiteral("Cinsiyeti");
    case Birth:
        return QStringLiteral("Doğum Tar.");
    case Age:
        return QStringLiteral("Yaşı");
    }
    return {};
}

Qt::ItemFlags ChildrenModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() != Age)
        f |= Qt::ItemIsEditable;
    return f;
}

bool ChildrenModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= items_.size())
        return false;
    ChildRow r = items_[index.row()].row;
    switch (index.column()) {
    case Name:
        r.adsoy = value.toString().trimmed().left(kChildNameLength);
        break;
    case Education:
    case Sex: {
        const QList<CodeText> &codes = index.column() == Education ? educationCodes() : sexCodes();
        const QString text = value.toString().trimmed();
        const QString code = codeForText(codes, text);
        if (code.isEmpty() && !text.isEmpty())
            return false;
        (index.column() == Education ? r.odur : r.cins) = code;
        break;
    }
    case Birth: {
        const std::optional<QDate> d = dateFrom(value);
        if (!d)
            return false;
        r.dtar = *d;
        break;
    }
    default:
        return false;
    }
    Item &it = items_[index.row()];
    if (r == it.row)
        return true;
    const bool birthChanged = r.dtar != it.row.dtar;
    it.row = r;
    it.dirty = true;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    if (birthChanged)
        emit birthDatesChanged();
    return true;
}

// ---- DebtModel ----------------------------------------------------------------------

DebtModel::DebtModel(QString amountCaption, QObject *parent)
    : QAbstractTableModel(parent), amountCaption_(std::move(amountCaption))
{
}

void DebtModel::setRows(const QList<DebtRow> &rows)
{
    beginResetModel();
    items_.clear();
    removed_.clear();
    for (const DebtRow &r : rows)
        items_.append({r, r, false});
    endResetModel();
}

int DebtModel::appendRow()
{
    const int n = int(items_.size());
    beginInsertRows({}, n, n);
    items_.append({DebtRow{}, DebtRow{}, true});
    endInsertRows();
    return n;
}

void DebtModel::removeRowAt(int row)
{
    if (row < 0 || row >= items_.size())
        return;
    beginRemoveRows({}, row, row);
    if (!items_[row].isNew)
        removed_.append(items_[row].original.harno);
    items_.removeAt(row);
    endRemoveRows();
}

bool DebtModel::isBlankNew(int row) const
{
    return items_[row].isNew && items_[row].row == DebtRow{};
}

bool DebtModel::isPending(int row) const
{
    const Item &it = items_[row];
    return it.isNew ? !isBlankNew(row) : it.row != it.original;
}

void DebtModel::dropBlankNewRows()
{
    for (int i = int(items_.size()) - 1; i >= 0; --i) {
        if (isBlankNew(i))
            removeRowAt(i);
    }
}

int DebtModel::firstRowWithoutAmount() const
{
    for (int i = 0; i < items_.size(); ++i) {
        if (isPending(i) && items_[i].row.tutar <= Money())
            return i;
    }
    return -1;
}

DebtChanges DebtModel::changes() const
{
    DebtChanges c;
    c.removed = removed_;
    for (int i = 0; i < items_.size(); ++i) {
        if (!isPending(i))
            continue;
        (items_[i].isNew ? c.added : c.changed).append(items_[i].row);
    }
    return c;
}

bool DebtModel::hasChanges() const
{
    const DebtChanges c = changes();
    return !c.added.isEmpty() || !c.changed.isEmpty() || !c.removed.isEmpty();
}

QList<Money> DebtModel::amounts() const
{
    QList<Money> list;
    for (const Item &it : items_)
        list.append(it.row.tutar);
    return list;
}

int DebtModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(items_.size());
}

int DebtModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DebtModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= items_.size())
        return {};
    const DebtRow &r = items_[index.row()].row;
    if (role == Qt::TextAlignmentRole && (index.column() == Amount || index.column() == Monthly))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case Start:
        return cal::dateText(r.bastar);
    case Text:
        return r.acik;
    case Amount:
        return r.tutar.toText();
    case Monthly:
        return r.kestut.toText();
    case State:
        return role == Qt::EditRole ? r.dur : textForCode(debtStateCodes(), r.dur);
    }
    return {};
}

QVariant DebtModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, o, role);
    switch (section) {
    case Start:
        return QStringLiteral("Başlama Tar.");
    case Text:
        return QStringLiteral("Açıklama");
    case Amount:
        return amountCaption_;
    case Monthly:
        return QStringLiteral("Aylık Kesinti");
    case State:
        return QStringLiteral("Durumu");
    }
    return {};
}

Qt::ItemFlags DebtModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid())
        f |= Qt::ItemIsEditable;
    return f;
}

bool DebtModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= items_.size())
        return false;
    DebtRow r = items_[index.row()].row;
    switch (index.column()) {
    case Start: {
        const std::optional<QDate> d = dateFrom(value);
        if (!d)
            return false;
        r.bastar = *d;
        break;
    }
    case Text:
        r.acik = value.toString().trimmed().left(kDebtTextLength);
        break;
    case Amount:
    case Monthly: {
        const std::optional<Money> m = amountFrom(value, headerData(index.column(), Qt::Horizontal).toString());
        if (!m)
            return false;
        (index.column() == Amount ? r.tutar : r.kestut) = *m;
        break;
    }
    case State: {
        const QString code = codeForText(debtStateCodes(), value.toString().trimmed());
        if (code.isEmpty())
            return false;
        r.dur = code;
        break;
    }
    default:
        return false;
    }
    if (r == items_[index.row()].row)
        return true;
    items_[index.row()].row = r;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    return true;
}

// ---- RunningDebtFilter --------------------------------------------------------------

RunningDebtFilter::RunningDebtFilter(QObject *parent) : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(false);
}

void RunningDebtFilter::setShowAll(bool all)
{
    all_ = all;
    invalidateFilter();
}

bool RunningDebtFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    if (all_)
        return true;
    const auto *m = qobject_cast<const DebtModel *>(sourceModel());
    return m && m->rowAt(sourceRow).dur == QLatin1String(kDebtRunning);
}

// ---- Delegates and grid --------------------------------------------------------------

CodeDelegate::CodeDelegate(QList<CodeText> codes, bool allowEmpty, QObject *parent)
    : QStyledItemDelegate(parent), codes_(std::move(codes)), allowEmpty_(allowEmpty)
{
}

QWidget *CodeDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *box = new QComboBox(parent);
    if (allowEmpty_)
        box->addItem(QString(), QString());
    for (const CodeText &c : codes_)
        box->addItem(c.text, c.code);
    return box;
}

void CodeDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *box = static_cast<QComboBox *>(editor);
    const int i = box->findData(index.data(Qt::EditRole).toString());
    box->setCurrentIndex(i < 0 ? 0 : i);
}

void CodeDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *box = static_cast<QComboBox *>(editor);
    model->setData(index, box->currentData().toString(), Qt::EditRole);
}

TextDelegate::TextDelegate(int maxLength, QObject *parent) : QStyledItemDelegate(parent), maxLength_(maxLength) {}

QWidget *TextDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *edit = new QLineEdit(parent);
    edit->setMaxLength(maxLength_);
    return edit;
}

LedgerGrid::LedgerGrid(QWidget *parent) : QTableView(parent)
{
    zeran::ui::setUpGrid(this, zeran::ui::GridEditing::InPlace);
}

void LedgerGrid::commitEditor()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    // Editors live on the viewport; the focus may sit in a child of one (a combo's field).
    for (QWidget *w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        if (w->parentWidget() == viewport()) {
            commitData(w);
            closeEditor(w, QAbstractItemDelegate::NoHint);
            return;
        }
    }
}

void LedgerGrid::keyPressEvent(QKeyEvent *event)
{
    const bool onLastRow = !model() || model()->rowCount() == 0 || currentIndex().row() == model()->rowCount() - 1;
    if (event->key() == Qt::Key_Insert || (event->key() == Qt::Key_Down && onLastRow && event->modifiers() == Qt::NoModifier)) {
        emit newRowRequested();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace zeran::ledgers::ui
