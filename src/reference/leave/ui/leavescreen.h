#pragma once
// "PERSONEL İZİN BİLGİLERİ": a unit's people, each one's leaves with the current one in a
// detail panel (view mode: panel greyed, list free; edit mode: panel open, list held), the four
// balances of the working year as it was at opening, "Sil", the leave form, the yearly days
// for the whole list ("Yıllık İzin Giriş") and "Yıllık İzinler" with "Tümünü Aktar".

#include "leavestore.h"
#include "prompter.h"

#include <QDialog>

#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace zeran {
class Session;
namespace ui {
class DateEdit;
}
}  // namespace zeran

namespace zeran::leave::ui {

/// What the screens ask outside the database, replaceable in tests.
struct Hooks {
    /// "Personel İzin Girişi" / "İzin Günü Girin" with "30"; nullopt when cancelled.
    std::function<std::optional<QString>(QWidget *)> askYearDays;
    /// Shows the leave form (printer chosen first, then the preview).
    std::function<void(QWidget *, const report::Document &)> showForm;
};

class LeaveScreen : public QDialog {
    Q_OBJECT
public:
    /// `bkod` 0: the settings' default unit. `pkayno` 0: the list's first person.
    LeaveScreen(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, int bkod = 0, int pkayno = 0,
                Hooks hooks = {});

    bool editing() const { return editing_; }
    void firstCommand();   ///< "Değiştir" / "Kaydet" / "Kayıt"
    void secondCommand();  ///< "Ekle" / "İptal"
    void deleteLeave();
    void printForm();
    void enterYearDays();
    void openEntitlements();
    const std::vector<Person> &people() const { return people_; }

private:
    void loadUnit();
    void personChanged();
    void showLeave(int row);
    void setEditing(bool on);
    void showBalance();
    bool saveCurrent();
    Leave fromPanel() const;
    const Person *currentPerson() const;

    Session &session_;
    zeran::ui::Prompter &prompter_;
    Hooks hooks_;
    int year_;
    std::vector<Person> people_;
    std::vector<Leave> leaves_;
    Leave current_;
    bool editing_ = false;

    QComboBox *unit_;
    QLineEdit *yearEdit_;
    QTableWidget *personGrid_;
    QTableWidget *leaveGrid_;
    QGroupBox *panel_;
    zeran::ui::DateEdit *otar_, *bastar_, *bittar_;
    QLineEdit *osay_, *miktar_, *tel_, *yet1_, *unv1_, *yet_, *unv_;
    QComboBox *kind_;
    QPlainTextEdit *adres_, *not_;
    QLineEdit *carried_, *current_box_, *used_, *remaining_;
    QPushButton *first_, *second_, *delete_, *print_;
    QAction *yearDaysAction_;
};

/// "Yıllık İzinler": the entitlement rows of a year, by unit or "TÜMÜ", and "Tümünü Aktar".
class EntitlementScreen : public QDialog {
    Q_OBJECT
public:
    EntitlementScreen(QWidget *parent, Session &session, zeran::ui::Prompter &prompter);
    void refresh();
    void carryAll();

private:
    Session &session_;
    zeran::ui::Prompter &prompter_;
    QComboBox *unit_;
    QComboBox *year_;
    QTableWidget *grid_;
};

void openLeave(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, int bkod = 0, int pkayno = 0);

}  // namespace zeran::leave::ui
