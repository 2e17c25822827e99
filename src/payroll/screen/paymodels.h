#pragma once
// The person list of "Bordro Bilgileri" and the grid of "Maaşlar" over the rows computed at
// the last reload. Both only format what is already there: a view of ten thousand people
// scrolls without computing anything.

#include "payrows.h"

#include <QAbstractTableModel>

#include <vector>

namespace zeran::payrollscreen {

class PayRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Layout {
        People,  ///< "Kodu", "Sicil No", "Adı ve Soyadı"
        Pay,     ///< the thirteen columns of "Maaşlar"
    };
    /// `rows` belongs to the screen and outlives the model; call reset() after changing it.
    PayRowsModel(Layout layout, const std::vector<PayRow> &rows, QObject *parent = nullptr);

    /// The rows changed (a reload).
    void reset();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// The column captions of a layout.
    static QStringList captions(Layout layout);

private:
    Layout layout_;
    const std::vector<PayRow> &rows_;
};

}  // namespace zeran::payrollscreen
