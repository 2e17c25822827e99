#pragma once
// "SENDİKA TANIMLARI": the unions of this program. The grid lists them; the fields below
// edit the current one (written when a field is left or a choice is made). "Ekle" starts a
// new union and turns into "Kaydet"; "İptal" drops the new one.

#include "definitionsstore.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zeran {
class Session;
namespace ui {
class Prompter;
}
}  // namespace zeran

namespace zeran::definitions {

inline const QString kUnionNameMissing = QStringLiteral("Sendika Adını Giriniz");

class UnionsDialog : public QDialog {
    Q_OBJECT
public:
    UnionsDialog(db::Database &db, ui::Prompter &prompter, QWidget *parent = nullptr);

    QTableWidget *grid() const { return grid_; }
    QLineEdit *nameEdit() const { return name_; }
    QLineEdit *addressEdit() const { return address_; }
    QLineEdit *rateEdit() const { return rate_; }
    QLineEdit *accountEdit() const { return account_; }
    QLineEdit *ledgerCodeEdit() const { return ledgerCode_; }
    QComboBox *baseBox() const { return base_; }
    QComboBox *stateBox() const { return state_; }
    QPushButton *addButton() const { return add_; }
    QPushButton *cancelButton() const { return cancel_; }
    QPushButton *exitButton() const { return exit_; }
    bool adding() const { return adding_; }
    const std::vector<Union> &unions() const { return rows_; }

public slots:
    /// "Ekle" / "Kaydet".
    void addOrSave();
    /// "İptal": drops the new union.
    void cancelAdding();
    /// "ESC Çıkış": writes what is pending and closes.
    void reject() override;

private:
    void reload(int selectSenkod = 0);
    void showCurrent();
    /// The fields as a union (the current one, or a new one while adding).
    Union fromFields() const;
    /// Writes the current union after a field changed; false after a message.
    bool saveCurrent();
    void setAdding(bool adding);

    db::Database &db_;
    ui::Prompter &prompter_;
    std::vector<Union> rows_;
    bool adding_ = false;
    bool showing_ = false;

    QTableWidget *grid_ = nullptr;
    QLineEdit *name_ = nullptr, *address_ = nullptr, *rate_ = nullptr, *account_ = nullptr, *ledgerCode_ = nullptr;
    QComboBox *base_ = nullptr, *state_ = nullptr;
    QPushButton *add_ = nullptr, *cancel_ = nullptr, *exit_ = nullptr;
};

/// Main-menu command "Sendika Tanımları".
void openUnions(QWidget *parent, Session &session);

}  // namespace zeran::definitions
