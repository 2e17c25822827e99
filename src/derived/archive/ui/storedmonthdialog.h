#pragma once
// "PERSONEL BORDRO BİLGİLERİ": one stored month of a pay record (any payroll kind) with its
// snapshot and the rates of its period; "Değiştir" lets a clerk with the change right correct
// the stored amounts ("Kayıt" saves row and audit line in one unit of work, "İptal" discards);
// "Maaş Fişi Yazdır" previews the archived payslip.

#include "archivestore.h"

#include <QDialog>
#include <QPrinter>

#include <map>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace zeran {
class Session;
namespace ui {
class MoneyEdit;
class Prompter;
}  // namespace ui
}  // namespace zeran

namespace zeran::archive::ui {

inline constexpr const char *kNoChangeRight = "DİKKAT! Bu işlem için yetkiniz yoktur..";

class StoredMonthDialog : public QDialog {
    Q_OBJECT
public:
    StoredMonthDialog(Session &session, zeran::ui::Prompter &prompter, const results::RowKey &key,
                      QWidget *parent = nullptr);

    bool loaded() const { return month_.has_value(); }
    const StoredMonth &month() const { return *month_; }
    bool editing() const { return editing_; }

    void startEdit();   ///< "Değiştir"
    bool save();        ///< "Kayıt": true when saved
    void cancelEdit();  ///< "İptal"
    void togglePage();  ///< "Bordro Bilgileri" / "Maaş Bilgileri"
    void printPayslip();

private:
    void load();
    void show(const results::ResultRow &r);
    void setEditing(bool on);

    Session &session_;
    zeran::ui::Prompter &prompter_;
    results::RowKey key_;
    std::optional<StoredMonth> month_;
    bool editing_ = false;
    std::map<QString, zeran::ui::MoneyEdit *> fields_;  ///< by column name
    QLabel *header_;
    QLabel *netLabel_;
    QLabel *childLabel_;
    QLabel *snapshot_;
    QStackedWidget *pages_;
    QPushButton *toggle_;
    QPushButton *change_;
    QPushButton *save_;
    QPushButton *cancel_;
    QPrinter printer_;
};

/// Opens the viewer modally ("Detay Bilgiler" of the archive).
void openStoredMonth(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, const results::RowKey &key);

}  // namespace zeran::archive::ui
