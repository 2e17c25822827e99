#pragma once
// "MAAŞ BORDROLARI": the monthly payroll screen, a child window of the main window. Page
// "Bordro Bilgileri" lists the selection's people beside the current pay record, which is
// edited in place ("Düzenle" → "Kayıt"/"İptal"); page "Maaşlar" shows everybody's pay as
// computed at the last reload (SORGULA) with the period's rates. The prints make the month's
// payroll through payrollmake::make() and hand the documents to a RunPrinter.
//
// Nothing is computed while a view paints or scrolls: SORGULA loads and computes the whole
// selection once and the views show those rows.

#include "payrecordfields.h"
#include "payrollform.h"
#include "payrows.h"
#include "personnelscreens.h"
#include "runloader.h"
#include "runprinter.h"
#include "screendata.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace zeran {
class Session;
namespace ui {
class MainWindow;
class Prompter;
}  // namespace ui
}  // namespace zeran

namespace zeran::payrollscreen {

class PayRowsModel;

enum class PayrollScreenMode {
    PersonnelData,  ///< main menu "Personel Bilgileri": opens on "Bordro Bilgileri"
    Payroll,        ///< main menu "Zeran Bordrosu": opens on "Maaşlar"
};

/// The screens the payroll screen opens for its people. The standard ones run the real
/// dialogs modally; a test puts in its own.
struct ScreenOpeners {
    std::function<personnel::PayRecordOutcome(QWidget *, int bkod)> newPayRecord;
    std::function<personnel::PayRecordOutcome(QWidget *, int pkayno, int bkod)> payRecord;
    std::function<bool(QWidget *, int bkod)> quickEntry;
    std::function<bool(QWidget *, int pkayno, int bkod)> children;
    std::function<bool(QWidget *, int pkayno)> garnishments;
    std::function<bool(QWidget *, int pkayno)> serviceDebts;
};
ScreenOpeners standardOpeners(Session &session, ui::Prompter *prompter);

class PayrollScreen : public QWidget {
    Q_OBJECT
public:
    /// `printer` may be null: the print commands are then disabled.
    PayrollScreen(Session &session, ui::Prompter &prompter, RunPrinter *printer, PayrollScreenMode mode,
                  QWidget *parent = nullptr);
    ~PayrollScreen() override;

    void setOpeners(ScreenOpeners openers);

    /// Opening: panels locked, unit box filled with the default unit chosen, SORGULA. Runs
    /// once; later calls do nothing.
    void start();
    /// SORGULA: the period, the rates and the selection loaded and computed again; the
    /// current pay record stays current when it is still listed.
    void sorgula();

    // What the screen holds, for the prints and the tests.
    const std::vector<PayRow> &rows() const { return rows_; }
    const payrollrun::LoadedRun &loaded() const { return loaded_; }
    const std::vector<engine::PersonPay> &pays() const { return pays_; }
    payrollrun::RunSelection selection() const;
    const Signatories &signatories() const { return signatories_; }
    QString periodText() const { return periodText_; }
    /// The current pay record; invalid when the selection is empty.
    RecordKey currentKey() const;
    bool editing() const { return editing_; }

private:
    /// The screen's behaviour on the widgets the form built.
    void connectForm();
    /// Commands whose screens live in other modules, through the registered doors.
    void connectDoors();

    void fillUnitBox();
    void fillLists();
    void labelItemInputs();
    void unitChosen();
    void reload(const RecordKey &keep, int fallbackRow);
    void makeCurrent(int row);
    void currentRowChanged(int row);
    void showRecord();
    void setEditing(bool on);
    void updateCommands();
    /// The month-start checks of SORGULA; they come with a later piece of work.
    void runMonthStartChecks();

    // Commands
    void addRecord();
    void openCurrentRecord();
    void editOrSave();
    void deleteOrCancel();
    bool save();
    void cancelEdit();
    void deleteRecord();
    void quickEntry();
    void openLedger(const std::function<bool(int pkayno, int bkod)> &open);
    enum class Document { Payroll, Detailed };
    void printPayroll(Document document);
    void printPayslips();
    void closeScreen();

    Session &session_;
    ui::Prompter &prompter_;
    RunPrinter *printer_;
    PayrollScreenMode mode_;
    ScreenOpeners openers_;
    bool started_ = false;
    bool editing_ = false;
    bool filling_ = false;  // selection controls being set by the screen itself
    bool syncing_ = false;  // the two views being moved to the current row

    // Run context of the last reload
    QString workingYear_;
    int runYear_ = 0;
    int runMonth_ = 0;
    QString periodText_;
    engine::EngineSettings settings_;
    payrollrun::LoadedRun loaded_;
    std::vector<engine::PersonPay> pays_;
    std::vector<PayRow> rows_;
    int unit_ = 0;    // 0 = "Tümü"
    int person_ = 0;  // "Tek Kişi"
    Signatories signatories_;
    int currentRow_ = -1;
    std::optional<PayRecordFields> record_;  // the current pay record as stored

    PayRowsModel *peopleModel_ = nullptr;
    PayRowsModel *payModel_ = nullptr;
    PayrollForm form_;
    std::vector<QWidget *> browseCommands_;  // enabled in browse state only
    std::vector<QWidget *> personCommands_;  // need a current pay record
};

/// The key of the screen among the main window's child windows.
inline constexpr const char *kScreenKey = "MAAŞ BORDROLARI";

/// Main menu "Personel Bilgileri" (PersonnelData) and "Zeran Bordrosu" (Payroll): one child
/// window for both; when it is open already it comes to the front on the page it shows.
void openPayrollScreen(ui::MainWindow &window, Session &session, PayrollScreenMode mode, RunPrinter *printer);

}  // namespace zeran::payrollscreen
