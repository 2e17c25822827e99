#pragma once
// "PERSONEL BİLGİLERİ", the quick-entry grid over the paid pay records of every unit:
// grade, step, indicators, spouse, children and points, edited in place and written
// together by "Kayıt"; "F6-İptal" discards the edits.

#include "lookups.h"
#include "payrecords.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace zeran {
class Session;
namespace ui {
class Prompter;
}
}  // namespace zeran

namespace zeran::personnel {

class QuickEntryDialog : public QDialog {
    Q_OBJECT
public:
    /// Columns of the grid.
    enum Column { AdSoy, Gorev, Cins, Tckno, Der, Kad, Gos, Egos, Esi, Coc1, Coc2, DigCoc, Yop, Oht, ColumnCount };

    /// `unit` is the payroll screen's unit, shown in the header.
    QuickEntryDialog(Session &session, ui::Prompter &prompter, int unit, QWidget *parent = nullptr);

    bool load();
    QTableWidget *grid() const { return grid_; }
    int rowCount() const { return int(rows_.size()); }
    const QuickEntryRow &row(int r) const { return rows_.at(r); }
    /// The cells changed since loading, as they would be written.
    QVector<QuickEntryChange> changes() const;

public slots:
    /// "Kayıt": writes every change in one unit of work and closes. False when the write
    /// failed (nothing is stored and the edits stay on screen).
    bool save();

private:
    Session &session_;
    ui::Prompter &prompter_;
    int unit_;
    QVector<QuickEntryRow> rows_;
    LookupList spouse_;
    QTableWidget *grid_ = nullptr;
    QLabel *unitLabel_ = nullptr;
};

}  // namespace zeran::personnel
