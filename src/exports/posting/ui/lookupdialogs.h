#pragma once
// The small dialogs of the cash definitions: the formula editor ("NAKİT HESABI
// DEĞİŞKENLERİ"), the expense-budget list ("GİDER BÜTÇESİ LİSTESİ") and the current-account
// picker ("CARİ HESAP").

#include "accountingstore.h"

#include <QDialog>

#include <optional>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;
class QTableWidget;
class QPushButton;

namespace zeran::ui {
class Prompter;
class CodeCombo;
}  // namespace zeran::ui

namespace zeran::posting {

/// The formula editor: the line's formula and the variable list; double-clicking a variable
/// (or choosing it in the drop-down) appends "+NAME" (the name alone to an empty field).
/// "Kayıt" asks before keeping a formula that names something that always counts 0.
class FormulaDialog : public QDialog {
    Q_OBJECT
public:
    FormulaDialog(ui::Prompter &prompter, const QString &formula, QWidget *parent = nullptr);
    QString formula() const;
    QLineEdit *edit() const { return edit_; }
    QListWidget *variables() const { return list_; }
    QComboBox *dropDown() const { return drop_; }

public slots:
    void append(const QString &name);
    void save();

private:
    ui::Prompter &prompter_;
    QLineEdit *edit_;
    QListWidget *list_;
    QComboBox *drop_;
};

/// The budget lines of an institutional code, filtered by economic code; a double click picks
/// one and closes. Closes only by a choice or "ESC-Çıkış".
class BudgetDialog : public QDialog {
    Q_OBJECT
public:
    BudgetDialog(db::Database &acc, int year, const QString &kkod, QWidget *parent = nullptr);
    const std::optional<BudgetLine> &chosen() const { return chosen_; }
    QTableWidget *grid() const { return grid_; }
    QComboBox *filter() const { return filter_; }

public slots:
    void reload();
    void choose(int row);

private:
    db::Database &acc_;
    int year_;
    QString kkod_;
    std::vector<std::pair<QString, QString>> codes_;
    std::vector<BudgetLine> lines_;
    std::optional<BudgetLine> chosen_;
    QComboBox *filter_;
    QTableWidget *grid_;
};

/// The current-account picker: "F5-Kayıt" keeps the choice, "F6-Vazgeç" the previous
/// account, "Temizle" empties it. Closes only through these buttons.
class CurrentAccountDialog : public QDialog {
    Q_OBJECT
public:
    CurrentAccountDialog(const std::vector<CurrentAccount> &accounts, int current, QWidget *parent = nullptr);
    /// The account after the dialog: 0 for none.
    int account() const { return result_; }
    ui::CodeCombo *chooser() const { return combo_; }

public slots:
    void keep();
    void clear();
    void reject() override;

private:
    int previous_;
    int result_;
    ui::CodeCombo *combo_;
};

}  // namespace zeran::posting
