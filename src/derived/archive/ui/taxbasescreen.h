#pragma once
// "Gelir Vergisi, Damga Vergisi, Emekli Kesenek Matrahları": a person's stored rows of the
// working year with their bases, hand-entered bases ("Ekle": Maaş, Fark, İkramiye, Mesai),
// the correction of a base ("Düzelt", double click) and the deletion of an entered base.

#include "archivestore.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QStandardItemModel;
class QTableView;

namespace zeran {
class Session;
namespace ui {
class MoneyEdit;
class Prompter;
}  // namespace ui
}  // namespace zeran

namespace zeran::archive::ui {

/// Whose bases the screen shows, as the payroll screen passes them.
struct TaxBasePerson {
    int PKAYNO = 0, BKOD = 0, PKOD = 0;
    QString ADSOY, EMSNO;
    int runMonth = 0;  ///< the payroll screen's run month: no base may be entered after it
};

/// The entry box of a new base ("Maaş Matrah Giriş" …).
class TaxBaseEntryDialog : public QDialog {
    Q_OBJECT
public:
    TaxBaseEntryDialog(Session &session, zeran::ui::Prompter &prompter, const TaxBasePerson &person,
                       const TaxBaseEntryKind &kind, QWidget *parent = nullptr);
    /// "Kayıt": the checks, then the row; closes (accepted) when saved.
    bool save();

private:
    Session &session_;
    zeran::ui::Prompter &prompter_;
    TaxBasePerson person_;
    TaxBaseEntryKind kind_;
    QComboBox *month_;
    zeran::ui::MoneyEdit *base_;
    zeran::ui::MoneyEdit *minimumWage_;
};

/// "Matrah Düzeltme": VERMAT of one row; the minimum-wage base is shown only.
class TaxBaseCorrectionDialog : public QDialog {
    Q_OBJECT
public:
    TaxBaseCorrectionDialog(Session &session, zeran::ui::Prompter &prompter, const results::ResultRow &row,
                            QWidget *parent = nullptr);
    bool save();

private:
    Session &session_;
    zeran::ui::Prompter &prompter_;
    results::RowKey key_;
    zeran::ui::MoneyEdit *base_;
};

class TaxBaseScreen : public QDialog {
    Q_OBJECT
public:
    TaxBaseScreen(Session &session, zeran::ui::Prompter &prompter, const TaxBasePerson &person,
                  QWidget *parent = nullptr);

    void reload();
    const std::vector<results::PersonYearRow> &rows() const { return rows_; }
    int currentRow() const;
    void setCurrentRow(int row);
    /// "Ekle" → kind n (0: Maaş … 3: Mesai).
    void addBase(int kindIndex);
    void correctCurrent();
    void deleteCurrent();
    QString totalsText() const;

private:
    Session &session_;
    zeran::ui::Prompter &prompter_;
    TaxBasePerson person_;
    std::vector<results::PersonYearRow> rows_;
    QTableView *grid_;
    QStandardItemModel *model_;
    QLabel *totalBase_;
    QLabel *totalTax_;
};

/// The payroll screen's "Matrahlar".
void openTaxBases(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, const TaxBasePerson &person);

}  // namespace zeran::archive::ui
