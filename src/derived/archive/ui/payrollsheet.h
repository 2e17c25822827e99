#pragma once
// "BORDRO HESABI": the live computation of the payroll screen's people, one at a time, with
// navigation over the screen's selection, the four bases explained component by component,
// and "Maaş Fişi Yazdır" (the detailed payroll of the shown person).

#include "loadedrun.h"
#include "printdata.h"
#include "sheetlogic.h"

#include <QDialog>
#include <QPrinter>

#include <functional>
#include <map>

class QLabel;
class QPushButton;

namespace zeran {
class Session;
namespace ui {
class Prompter;
}
}  // namespace zeran

namespace zeran::archive::ui {

class PayrollSheet : public QDialog {
    Q_OBJECT
public:
    /// `loaded`/`pays`: the payroll screen's selection as computed at its last reload.
    PayrollSheet(Session &session, zeran::ui::Prompter &prompter, const payrollrun::LoadedRun &loaded,
                 const std::vector<engine::PersonPay> &pays, int current, int unit, QString periodText,
                 QWidget *parent = nullptr);

    int current() const { return current_; }
    void showPerson(int index);
    void first() { showPerson(0); }
    void previous() { showPerson(current_ - 1); }
    void next() { showPerson(current_ + 1); }
    void last() { showPerson(int(pays_.size()) - 1); }
    /// The shown text of a value by its caption ("GELİR TOPLAMI" …).
    QString value(const QString &caption) const;
    /// Clicking a base: the breakdown of the shown person.
    void explain(BaseKind kind);
    void printPayslip();

    /// Shows a breakdown (tests replace the window with a recorder).
    std::function<void(QWidget *, const BaseBreakdown &)> showBreakdown;

private:
    void set(const QString &caption, const QString &text);

    Session &session_;
    zeran::ui::Prompter &prompter_;
    const payrollrun::LoadedRun &loaded_;
    const std::vector<engine::PersonPay> &pays_;
    int current_ = -1;
    int unit_ = 0;
    QString periodText_;
    std::map<QString, QLabel *> values_;
    std::map<BaseKind, QPushButton *> bases_;
    QLabel *position_;
    QPrinter printer_;
};

/// The payroll screen's "Bordro Hesapla" (and the grid's double click).
void openPayrollSheet(QWidget *parent, Session &session, zeran::ui::Prompter &prompter,
                      const payrollrun::LoadedRun &loaded, const std::vector<engine::PersonPay> &pays, int current,
                      int unit, const QString &periodText);

}  // namespace zeran::archive::ui
