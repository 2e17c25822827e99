#pragma once
// "BİLGİ GİRİŞİ": one extra earning slot. The choosers write their codes into an edit
// buffer; "Kayıt" writes the buffer, "İptal" drops it.

#include "definitionslogic.h"
#include "moneyedit.h"

#include <QDialog>

class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

namespace zeran {
namespace db {
class Database;
}
namespace ui {
class Prompter;
}
}  // namespace zeran

namespace zeran::definitions {

class EarningTypeDialog : public QDialog {
    Q_OBJECT
public:
    EarningTypeDialog(db::Database &db, int hno, ui::Prompter &prompter, QWidget *parent = nullptr);

    /// False when the slot could not be read (a message was shown).
    bool loaded() const { return loaded_; }
    const EarningSlot &buffer() const { return buffer_; }

    QLineEdit *nameEdit() const { return name_; }
    QComboBox *durBox() const { return dur_; }
    QComboBox *gvBox() const { return gv_; }
    QComboBox *dvBox() const { return dv_; }
    QComboBox *emkBox() const { return emk_; }
    QComboBox *indBox() const { return ind_; }
    QComboBox *kindBox() const { return kind_; }
    QComboBox *sekBox() const { return sek_; }
    ui::MoneyEdit *amountEdit() const { return amount_; }
    QComboBox *grossNetBox() const { return grossNet_; }
    QPushButton *saveButton() const { return save_; }
    QPushButton *cancelButton() const { return cancel_; }
    bool sekShown() const;
    bool amountShown() const;

public slots:
    /// "Kayıt": writes the buffer (no amount unless the kind is "Sabit") and closes.
    void save();

private:
    void showKindFields();
    QComboBox *chooser(const CodeItems &codes, QString EarningSlot::*column);

    db::Database &db_;
    ui::Prompter &prompter_;
    EarningSlot buffer_;
    bool loaded_ = false;

    QFormLayout *form_ = nullptr;
    QLineEdit *name_ = nullptr;
    QComboBox *dur_ = nullptr, *gv_ = nullptr, *dv_ = nullptr, *emk_ = nullptr, *ind_ = nullptr;
    QComboBox *kind_ = nullptr, *sek_ = nullptr, *grossNet_ = nullptr;
    ui::MoneyEdit *amount_ = nullptr;
    QPushButton *save_ = nullptr, *cancel_ = nullptr;
};

}  // namespace zeran::definitions
