#pragma once
// "PERSONEL ARAMA İŞLEMİ" (pay records of this system's units, by unit and first name)
// and "ARŞİV PERSONEL ARAMA İŞLEMİ" (the persons of one unit): dialogs that hand back the
// person chosen, or nothing.

#include "personsearch.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QTableWidget;

namespace zeran {
class Session;
namespace ui {
class Prompter;
class CodeCombo;
}
}  // namespace zeran

namespace zeran::personnel {

/// The person and unit a search hands back.
struct PersonPick {
    int PKAYNO = 0;
    int BKOD = 0;
};

class PersonSearchDialog : public QDialog {
    Q_OBJECT
public:
    PersonSearchDialog(Session &session, ui::Prompter &prompter, QWidget *parent = nullptr);

    /// Fills the unit chooser ("TÜMÜ" first), orders by name, empties the search and lists.
    bool load();
    int rowCount() const { return int(rows_.size()); }
    const PersonSearchRow &row(int r) const { return rows_.at(r); }
    std::optional<PersonPick> pick() const { return pick_; }

public slots:
    /// Lists again with the chosen unit, search text and ordering.
    bool list();
    /// Enter in the search field or a double click: hands the current row back.
    void choose();
    /// "Birim": index 0 is "TÜMÜ".
    void setUnitIndex(int index);
    /// "Sıralama": 0 by code, 1 by name.
    void setOrdering(int index);
    void setSearchText(const QString &text);

private:
    Session &session_;
    ui::Prompter &prompter_;
    QVector<PersonSearchRow> rows_;
    std::optional<PersonPick> pick_;
    ui::CodeCombo *unit_ = nullptr;
    QComboBox *ordering_ = nullptr;
    QLineEdit *search_ = nullptr;
    QTableWidget *grid_ = nullptr;
    bool loading_ = false;
};

class ArchivePersonSearchDialog : public QDialog {
    Q_OBJECT
public:
    ArchivePersonSearchDialog(Session &session, ui::Prompter &prompter, int unit, QWidget *parent = nullptr);

    bool load();
    int rowCount() const { return int(rows_.size()); }
    const ArchivePersonRow &row(int r) const { return rows_.at(r); }
    std::optional<int> pick() const { return pick_; }

public slots:
    bool list();
    /// Enter in the search field or a double click: hands the current person back.
    void choose();
    /// "Sıralama": 0 by code, 1 by name.
    void setOrdering(int index);
    /// Moves to the first row whose code (or name) begins with the text.
    void search(const QString &text);

private:
    Session &session_;
    ui::Prompter &prompter_;
    int unit_;
    QVector<ArchivePersonRow> rows_;
    std::optional<int> pick_;
    QComboBox *ordering_ = nullptr;
    QLineEdit *search_ = nullptr;
    QTableWidget *grid_ = nullptr;
};

}  // namespace zeran::personnel
