#pragma once
// "TERFİ LİSTESİ" of one pay unit: last month's promotions with their clean-up, and this
// month's rows (current values, new values) where the clerk sets a new grade through the
// picker ("Yeni Gösterge"), undoes a promotion ("Sil") and edits the differences in place.
// Every change is written to its pay record at once.

#include "promotions.h"

#include <QDialog>

class QComboBox;
class QMenu;
class QTableWidget;

namespace zeran {
class Session;
namespace ui {
class Prompter;
}
}  // namespace zeran

namespace zeran::promotions::ui {

/// This month's grid columns.
enum Column {
    NameColumn, RetirementNoColumn, DateColumn, CurrentSeniorityColumn, CurrentGradeColumn, CurrentIndicatorColumn,
    CurrentSupplementaryColumn, NewGradeColumn, NewIndicatorColumn, SupplementaryColumn, DifferenceColumn,
    MonthsColumn, SeniorityColumn, IncreaseColumn, SupplementaryDifferenceColumn, ColumnCount
};

class PromotionsDialog : public QDialog {
    Q_OBJECT
public:
    /// `bkod`: the unit; the working month and year come from the session's working context.
    PromotionsDialog(Session &session, zeran::ui::Prompter &prompter, int bkod, QWidget *parent = nullptr);

    /// Loads both lists; false (after the message) when they cannot be read.
    bool load();
    /// "Tarihi Gelenler" (true) or "Tüm Personel".
    void setDueOnly(bool dueOnly);

    /// "Yeni Gösterge" on row `row`: opens the picker (through `pickerOpener` in tests).
    void newIndicator(int row);
    /// "Sil" on row `row`.
    void undoRow(int row);
    /// "Önceki Ay Terfil Artışlarını Sil".
    void clearLastMonth();
    /// An edit of an editable cell as typed; false when refused (the cell shows the stored value).
    bool editCell(int row, int column, const QString &text);

    /// Opens the picker on a row and gives back the picked record (nullopt: nothing picked).
    using PickerOpener = std::function<std::optional<grades::GradeRecord>(QWidget *, const PromotionRow &)>;
    void setPickerOpener(PickerOpener opener) { pickerOpener_ = std::move(opener); }

    const std::vector<PromotionRow> &rows() const { return rows_; }
    const std::vector<LastMonthRow> &lastMonth() const { return lastMonth_; }
    QTableWidget *grid() const { return grid_; }
    QTableWidget *lastMonthGrid() const { return lastGrid_; }
    QComboBox *filter() const { return filter_; }
    /// True once anything was written.
    bool changed() const { return changed_; }

private:
    void fillLastMonth();
    void fillRows();
    void showRow(int row);
    bool store(int row, const PromotionRow &r);
    std::optional<grades::GradeRecord> openPicker(const PromotionRow &r);

    Session &session_;
    zeran::ui::Prompter &prompter_;
    int bkod_;
    monthstart::Month previous_;
    cal::PayWindow window_;
    bool dueOnly_ = true;
    bool filling_ = false;
    bool changed_ = false;
    std::vector<PromotionRow> rows_;
    std::vector<LastMonthRow> lastMonth_;
    PickerOpener pickerOpener_;
    QTableWidget *lastGrid_ = nullptr;
    QTableWidget *grid_ = nullptr;
    QComboBox *filter_ = nullptr;
    QMenu *menu_ = nullptr;
};

/// Opens the screen modally for unit `bkod`; true when it wrote anything.
bool openPromotions(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, int bkod);

}  // namespace zeran::promotions::ui
