#include "payrollscreen.h"

#include "fieldbinding.h"
#include "ledgerscreens.h"
#include "mainwindow.h"
#include "paymodels.h"
#include "monthstartstore.h"
#include "payrolldoors.h"
#include "payrollmake.h"
#include "prompter.h"
#include "session.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

#include <algorithm>

namespace zeran::payrollscreen {

namespace {

/// make()'s questions through the screen's message boxes.
class PrompterQuestions : public payrollmake::Questions {
public:
    PrompterQuestions(ui::Prompter &prompter, QWidget *parent) : prompter_(prompter), parent_(parent) {}
    bool confirm(const QString &text) override { return prompter_.ask(parent_, text); }
    void inform(const QString &text) override { prompter_.inform(parent_, text); }

private:
    ui::Prompter &prompter_;
    QWidget *parent_;
};

}  // namespace

ScreenOpeners standardOpeners(Session &session, ui::Prompter *prompter)
{
    Session *s = &session;
    ScreenOpeners o;
    o.newPayRecord = [s, prompter](QWidget *parent, int bkod) {
        return personnel::openNewPayRecord(parent, *s, bkod, prompter);
    };
    o.payRecord = [s, prompter](QWidget *parent, int pkayno, int bkod) {
        return personnel::openPayRecord(parent, *s, pkayno, bkod, prompter);
    };
    o.quickEntry = [s, prompter](QWidget *parent, int bkod) {
        return personnel::openQuickEntry(parent, *s, bkod, prompter);
    };
    o.children = [s](QWidget *parent, int pkayno, int bkod) {
        return ledgers::ui::openChildren(parent, *s, pkayno, bkod);
    };
    o.garnishments = [s](QWidget *parent, int pkayno) { return ledgers::ui::openGarnishments(parent, *s, pkayno); };
    o.serviceDebts = [s](QWidget *parent, int pkayno) { return ledgers::ui::openServiceDebts(parent, *s, pkayno); };
    return o;
}

// ---- Building ---------------------------------------------------------------------------

PayrollScreen::PayrollScreen(Session &session, ui::Prompter &prompter, RunPrinter *printer, PayrollScreenMode mode,
                             QWidget *parent)
    : QWidget(parent), session_(session), prompter_(prompter), printer_(printer), mode_(mode),
      openers_(standardOpeners(session, &prompter))
{
    setObjectName(QStringLiteral("payrollScreen"));
    setWindowTitle(QStringLiteral("MAAŞ BORDROLARI"));
    peopleModel_ = new PayRowsModel(PayRowsModel::Layout::People, rows_, this);
    payModel_ = new PayRowsModel(PayRowsModel::Layout::Pay, rows_, this);
    form_ = buildPayrollForm(this, peopleModel_, payModel_);
    connectForm();
    form_.pages->setCurrentIndex(mode_ == PayrollScreenMode::PersonnelData ? 0 : 1);
    setEditing(false);
}

PayrollScreen::~PayrollScreen() = default;

void PayrollScreen::setOpeners(ScreenOpeners openers)
{
    openers_ = std::move(openers);
}

void PayrollScreen::connectForm()
{
    connect(form_.unitBox, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            unitChosen();
    });
    connect(form_.statusBox, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            reload(currentKey(), currentRow_);
    });
    connect(form_.singlePerson, &QRadioButton::toggled, this, [this](bool single) {
        if (filling_)
            return;
        if (single) {
            person_ = currentKey().PKAYNO;
            if (person_ == 0) {
                // Nobody is current: there is no single person to show.
                filling_ = true;
                form_.allPeople->setChecked(true);
                filling_ = false;
                return;
            }
        }
        reload(currentKey(), currentRow_);
    });
    for (QRadioButton *b : {form_.orderCode, form_.orderRegistry, form_.orderName}) {
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on && !filling_)
                reload(currentKey(), 0);
        });
    }

    for (QTableView *v : {form_.personList, form_.payGrid}) {
        connect(v->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex &current) { currentRowChanged(current.row()); });
    }
    connect(form_.personList, &QTableView::doubleClicked, this, [this] { openCurrentRecord(); });

    connect(form_.childrenButton, &QPushButton::clicked, this, [this] {
        openLedger([this](int pkayno, int bkod) { return openers_.children && openers_.children(this, pkayno, bkod); });
    });
    connect(form_.garnishmentsButton, &QPushButton::clicked, this, [this] {
        openLedger([this](int pkayno, int) { return openers_.garnishments && openers_.garnishments(this, pkayno); });
    });
    connect(form_.serviceDebtsButton, &QPushButton::clicked, this, [this] {
        openLedger([this](int pkayno, int) { return openers_.serviceDebts && openers_.serviceDebts(this, pkayno); });
    });
    for (QPushButton *b : {form_.childrenButton, form_.garnishmentsButton, form_.serviceDebtsButton}) {
        browseCommands_.push_back(b);
        personCommands_.push_back(b);
    }

    browseCommands_.insert(browseCommands_.end(),
                           {form_.addButton, form_.findButton, form_.quickEntryButton, form_.closeButton});
    if (printer_) {
        browseCommands_.push_back(form_.printButton);
        browseCommands_.push_back(form_.payslipButton);
    } else {
        form_.printButton->setEnabled(false);
        form_.payslipButton->setEnabled(false);
        form_.printAll->setEnabled(false);
        form_.printDetail->setEnabled(false);
    }
    connect(form_.addButton, &QPushButton::clicked, this, [this] { addRecord(); });
    connect(form_.editButton, &QPushButton::clicked, this, [this] { editOrSave(); });
    connect(form_.deleteButton, &QPushButton::clicked, this, [this] { deleteOrCancel(); });
    connect(form_.quickEntryButton, &QPushButton::clicked, this, [this] { quickEntry(); });
    connect(form_.printAll, &QAction::triggered, this, [this] { printPayroll(Document::Payroll); });
    connect(form_.printDetail, &QAction::triggered, this, [this] { printPayroll(Document::Detailed); });
    connect(form_.payslipButton, &QPushButton::clicked, this, [this] { printPayslips(); });
    connect(form_.closeButton, &QPushButton::clicked, this, [this] { closeScreen(); });
    connectDoors();
}

void PayrollScreen::connectDoors()
{
    // A menu button (its commands are actions) is usable when one of its actions has a door.
    for (QPushButton *b : findChildren<QPushButton *>()) {
        if (QMenu *menu = b->menu(); menu && b != form_.printButton) {
            bool any = false;
            for (QAction *a : menu->actions()) {
                const bool has = std::any_of(registeredDoors().begin(), registeredDoors().end(),
                                             [a](const RegisteredDoor &d) { return d.objectName == a->objectName(); });
                a->setEnabled(has);
                any = any || has;
            }
            if (any)
                browseCommands_.push_back(b);
        }
    }
    for (const RegisteredDoor &d : registeredDoors()) {
        const Door door = d.door;
        const bool needsPerson = d.needsPerson;
        auto open = [this, door, needsPerson] {
            if (editing_ || (needsPerson && !record_))
                return;
            const DoorContext ctx{session_,      unit_,        currentKey(),
                                  form_.singlePerson->isChecked(), runYear_, runMonth_,
                                  periodText_,  loaded_,      pays_,
                                  currentRow_};
            AfterDoor after = AfterDoor::Nothing;
            try {
                after = door(this, ctx);
            } catch (const db::DbError &e) {
                prompter_.inform(this, e.text);
            } catch (const std::exception &e) {
                prompter_.inform(this, QString::fromUtf8(e.what()));
            }
            if (after == AfterDoor::Reload)
                reload(currentKey(), currentRow_);
        };
        if (auto *b = findChild<QPushButton *>(d.objectName)) {
            connect(b, &QPushButton::clicked, this, open);
            browseCommands_.push_back(b);
            if (needsPerson)
                personCommands_.push_back(b);
            // The pay grid's double click is the same command as "Bordro Hesapla".
            if (d.objectName == QLatin1String("computeButton"))
                connect(form_.payGrid, &QTableView::doubleClicked, this, open);
        } else if (auto *a = findChild<QAction *>(d.objectName)) {
            connect(a, &QAction::triggered, this, open);
        }
    }
}

// ---- Opening and SORGULA ----------------------------------------------------------------

void PayrollScreen::start()
{
    if (started_)
        return;
    started_ = true;
    setEditing(false);
    try {
        fillUnitBox();
        fillLists();
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    reload({}, 0);
}

void PayrollScreen::fillUnitBox()
{
    db::Database &db = session_.main();
    const std::vector<UnitItem> units = salaryUnits(db);
    filling_ = true;
    form_.unitBox->clear();
    form_.unitBox->addItem(QStringLiteral("Tümü"), 0);
    int chosen = 0;
    for (const UnitItem &u : units) {
        form_.unitBox->addItem(u.BIRIM, u.BKOD);
        if (u.BKOD == session_.ctx.MBKOD)
            chosen = form_.unitBox->count() - 1;
    }
    form_.unitBox->setCurrentIndex(chosen);
    filling_ = false;
    unit_ = form_.unitBox->currentData().toInt();
    signatories_ = readSignatories(db, unit_ ? unit_ : session_.ctx.MBKOD);
}

void PayrollScreen::fillLists()
{
    db::Database &db = session_.main();
    const personnel::LookupList marital = maritalStatuses(db);
    const personnel::LookupList spouse = personnel::spouseCodes(db);
    const personnel::LookupList unions = personnel::unions(db);
    const personnel::LookupList companies = pensionCompanies(db);
    for (const auto &b : form_.bindings) {
        auto *choice = dynamic_cast<ChoiceBinding *>(b.get());
        if (!choice)
            continue;
        const QString &c = b->column();
        if (c == QLatin1String("MHAL"))
            choice->combo()->setLookup(marital, true);
        else if (c == QLatin1String("ESI"))
            choice->combo()->setLookup(spouse, true);
        else if (c == QLatin1String("SENKOD"))
            choice->combo()->setLookup(unions, true);
        else if (c == QLatin1String("BESKOD"))
            choice->combo()->setLookup(companies, true);
    }
}

void PayrollScreen::labelItemInputs()
{
    const engine::PayrollRun &run = loaded_.run;
    for (const auto &b : form_.bindings) {
        const QString &c = b->column();
        bool visible = true;
        QString caption;
        if (c.startsWith(QLatin1String("KAZS"))) {
            const engine::ItemDefinition &item = run.items[std::size_t(c.mid(4).toInt() - 1)];
            visible = item.inUse() && item.TUR == QLatin1Char('S');
            caption = item.ADI;
        } else if (c.startsWith(QLatin1String("KAZ"))) {
            const engine::ItemDefinition &item = run.items[std::size_t(c.mid(3).toInt() - 1)];
            visible = item.inUse() && item.TUR != QLatin1Char('S');
            caption = item.ADI;
        } else if (c.startsWith(QLatin1String("KES"))) {
            caption = run.deductionCaptions[std::size_t(c.mid(3).toInt() - 1)];
            visible = !caption.isEmpty();
        } else {
            continue;
        }
        b->input()->setVisible(visible);
        if (b->label) {
            b->label->setText(caption);
            b->label->setVisible(visible);
        }
    }
}

void PayrollScreen::unitChosen()
{
    unit_ = form_.unitBox->currentData().toInt();
    if (unit_ != 0) {
        // A unit box naming one unit sets the working context's active unit.
        session_.ctx.MBKOD = unit_;
        try {
            signatories_ = readSignatories(session_.main(), unit_);
        } catch (const db::DbError &e) {
            prompter_.inform(this, e.text);
        }
    }
    reload(currentKey(), currentRow_);
}

payrollrun::RunSelection PayrollScreen::selection() const
{
    payrollrun::RunSelection s;
    s.unit = unit_;
    s.person = form_.singlePerson->isChecked() ? person_ : 0;
    s.everyStatus = form_.statusBox->currentIndex() == 0;
    s.order = form_.orderRegistry->isChecked() ? payrollrun::RunOrder::Registry
              : form_.orderName->isChecked()   ? payrollrun::RunOrder::Name
                                          : payrollrun::RunOrder::Code;
    return s;
}

RecordKey PayrollScreen::currentKey() const
{
    if (currentRow_ < 0 || currentRow_ >= int(rows_.size()))
        return {};
    return rows_[std::size_t(currentRow_)].key;
}

void PayrollScreen::sorgula()
{
    reload(currentKey(), currentRow_);
}

void PayrollScreen::reload(const RecordKey &keep, int fallbackRow)
{
    // 1. The period of today's date.
    const QDate today = session_.ctx.startUpDate();
    runYear_ = today.year();
    runMonth_ = today.month();
    periodText_ = payrollscreen::periodText(runMonth_, runYear_);
    form_.period->setText(periodText_);

    // 2–3. The rates and the selection, computed once for the views.
    QStringList warnings;
    try {
        const payrollrun::InstallationSettings settings = payrollrun::readInstallationSettings(session_.main());
        workingYear_ = settings.CYIL;
        settings_ = settings.engine;
        loaded_ = payrollrun::loadRun(session_.main(), payrollrun::RunPeriod::of(workingYear_, today), selection(),
                                      settings_);
        pays_ = payrollrun::computeAll(loaded_);
        rows_ = payRows(loaded_, pays_);
        warnings = loaded_.warnings;
    } catch (const db::DbError &e) {
        loaded_ = {};
        pays_.clear();
        rows_.clear();
        warnings << e.text;
    } catch (const std::exception &e) {
        loaded_ = {};
        pays_.clear();
        rows_.clear();
        warnings << QString::fromUtf8(e.what());
    }

    const engine::PeriodRates &r = loaded_.run.rates;
    form_.rateFields[0]->setText(rateText(r.KATSAYI));
    form_.rateFields[1]->setText(rateText(r.YOD));
    form_.rateFields[2]->setText(rateText(r.TAK));
    form_.rateFields[3]->setText(rateText(r.KAK));
    form_.rateFields[4]->setText(rateText(r.EYMM));
    form_.rateFields[5]->setText(rateText(r.INDIRIM));
    labelItemInputs();

    currentRow_ = -1;
    record_.reset();
    peopleModel_->reset();
    payModel_->reset();

    int row = -1;
    if (!rows_.empty()) {
        const auto find = [this](const auto &match) {
            for (std::size_t i = 0; i < rows_.size(); ++i) {
                if (match(rows_[i].key))
                    return int(i);
            }
            return -1;
        };
        if (keep.isValid()) {
            row = find([&keep](const RecordKey &k) { return k == keep; });
            if (row < 0)
                row = find([&keep](const RecordKey &k) { return k.PKAYNO == keep.PKAYNO && k.BKOD == keep.BKOD; });
            if (row < 0)
                row = find([&keep](const RecordKey &k) { return k.PKAYNO == keep.PKAYNO; });
        }
        if (row < 0)
            row = std::clamp(fallbackRow, 0, int(rows_.size()) - 1);
    }
    makeCurrent(row);

    for (const QString &w : warnings)
        prompter_.inform(this, w);

    // 4. The month-start checks.
    runMonthStartChecks();
}

void PayrollScreen::runMonthStartChecks()
{
    // The list made again after an answer that changed data asks nothing more.
    static const char *const kRunning = "monthStartChecksRunning";
    if (property(kRunning).toBool())
        return;
    const WorkingContext &ctx = session_.ctx;
    const bool promotionChecks = ctx.FORM == QLatin1String("E");
    const bool childCheck = ctx.BORTEK == QLatin1String("E");
    if (!promotionChecks && !childCheck)
        return;
    // "Tümü" looks at the unit chosen before, or at the settings' default unit.
    const int unit = unit_ != 0 ? unit_ : ctx.MBKOD;
    monthstart::Findings found;
    try {
        found = monthstart::find(
            monthstart::loadInput(session_.main(), runMonth_, workingYear_.toInt(), unit, ctx.startUpDate()));
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }

    bool changed = false;
    if (promotionChecks && !found.due.empty() && prompter_.ask(this, QString::fromUtf8(monthstart::kDueQuestion))) {
        // The promotions screen sits above this one: it is reached through its door.
        for (const RegisteredDoor &d : registeredDoors()) {
            if (d.objectName != QLatin1String("promotionsButton"))
                continue;
            const DoorContext door{session_,   unit,  currentKey(), form_.singlePerson->isChecked(), runYear_,
                                   runMonth_,  periodText_, loaded_, pays_, currentRow_};
            try {
                changed = d.door(this, door) == AfterDoor::Reload || changed;
            } catch (const db::DbError &e) {
                prompter_.inform(this, e.text);
            }
        }
    }
    if (promotionChecks && !found.paid.empty() && prompter_.ask(this, QString::fromUtf8(monthstart::kPaidQuestion))) {
        try {
            monthstart::clearPaidIncreases(session_.main(), found.paid);
            prompter_.inform(this, QString::fromUtf8(monthstart::kCleared));
            changed = true;
        } catch (const db::DbError &e) {
            prompter_.inform(this, e.text);
        }
    }
    if (childCheck && !found.childMismatches.empty() &&
        prompter_.ask(this, QString::fromUtf8(monthstart::kChildQuestion)))
        prompter_.inform(this, QString::fromUtf8(monthstart::kChildAdvice));

    if (changed) {
        setProperty(kRunning, true);
        reload(currentKey(), currentRow_);
        setProperty(kRunning, false);
    }
}

void PayrollScreen::makeCurrent(int row)
{
    currentRowChanged(row);
}

void PayrollScreen::currentRowChanged(int row)
{
    if (syncing_ || (row == currentRow_ && record_))
        return;
    currentRow_ = row;
    if (row >= 0) {
        // Both views show the same current row.
        syncing_ = true;
        const auto flags = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
        for (QTableView *v : {form_.personList, form_.payGrid}) {
            if (v->selectionModel()->currentIndex().row() != row)
                v->selectionModel()->setCurrentIndex(v->model()->index(row, 0), flags);
        }
        syncing_ = false;
    }
    showRecord();
}

void PayrollScreen::showRecord()
{
    const RecordKey key = currentKey();
    record_.reset();
    if (key.isValid()) {
        try {
            record_ = readPayRecordFields(session_.main(), key);
        } catch (const db::DbError &e) {
            prompter_.inform(this, e.text);
        }
    }
    const PayRecordFields shown = record_.value_or(PayRecordFields{});
    for (const auto &b : form_.bindings)
        b->show(shown);
    form_.pkaynoShown->setText(record_ ? QString::number(key.PKAYNO) : QString());
    form_.pkodShown->setText(record_ ? QString::number(key.PKOD) : QString());
    form_.unitShown->setText(record_ ? record_->BIRIM : QString());
    updateCommands();
}

// ---- Browse and edit state --------------------------------------------------------------

void PayrollScreen::setEditing(bool on)
{
    editing_ = on;
    for (QWidget *p : form_.panels)
        p->setEnabled(on);
    form_.editButton->setText(on ? QStringLiteral("Kayıt") : QStringLiteral("Düzenle"));
    form_.deleteButton->setText(on ? QStringLiteral("İptal") : QStringLiteral("Sil"));
    form_.addButton->setVisible(!on);
    // While a record is edited nothing may reload the selection or move to another record:
    // the edits would be lost.
    for (QWidget *w : std::initializer_list<QWidget *>{form_.unitBox, form_.statusBox, form_.allPeople, form_.singlePerson,
                                                       form_.orderCode, form_.orderRegistry, form_.orderName, form_.personList, form_.payGrid})
        w->setEnabled(!on);
    updateCommands();
}

void PayrollScreen::updateCommands()
{
    const bool current = record_.has_value();
    for (QWidget *w : browseCommands_)
        w->setEnabled(!editing_);
    for (QWidget *w : personCommands_)
        w->setEnabled(!editing_ && current);
    form_.editButton->setEnabled(editing_ || current);
    form_.deleteButton->setEnabled(editing_ || current);
}

void PayrollScreen::editOrSave()
{
    if (editing_) {
        save();
        return;
    }
    // The edit starts from the record as it is stored now.
    showRecord();
    if (record_)
        setEditing(true);
}

void PayrollScreen::deleteOrCancel()
{
    if (editing_)
        cancelEdit();
    else
        deleteRecord();
}

bool PayrollScreen::save()
{
    if (!record_)
        return false;
    PayRecordFields edited = *record_;
    for (const auto &b : form_.bindings) {
        if (const std::optional<QString> problem = b->take(edited)) {
            prompter_.inform(this, *problem);
            b->input()->setFocus();
            return false;
        }
    }
    try {
        savePayRecordFields(session_.main(), *record_, edited);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    const RecordKey key = record_->key;
    setEditing(false);
    // The shown pay follows the saved record.
    reload(key, currentRow_);
    return true;
}

void PayrollScreen::cancelEdit()
{
    setEditing(false);
    showRecord();
}

// ---- Commands ---------------------------------------------------------------------------

void PayrollScreen::addRecord()
{
    if (editing_ || !openers_.newPayRecord)
        return;
    const int unit = unit_ != 0 ? unit_ : session_.ctx.MBKOD;
    const personnel::PayRecordOutcome outcome = openers_.newPayRecord(this, unit);
    if (!outcome.saved)
        return;
    reload({outcome.PKAYNO, unit, 0}, currentRow_);
}

void PayrollScreen::openCurrentRecord()
{
    const RecordKey key = currentKey();
    if (editing_ || !key.isValid() || !openers_.payRecord)
        return;
    const personnel::PayRecordOutcome outcome = openers_.payRecord(this, key.PKAYNO, key.BKOD);
    if (!outcome.saved)
        return;
    reload({outcome.PKAYNO ? outcome.PKAYNO : key.PKAYNO, key.BKOD, key.PKOD}, currentRow_);
}

void PayrollScreen::deleteRecord()
{
    const RecordKey key = currentKey();
    if (!key.isValid())
        return;
    if (!prompter_.ask(this, QString::fromUtf8(kDeleteQuestion)))
        return;
    try {
        if (!deletePayRecord(session_.main(), session_.ctx, key, workingYear_, runMonth_))
            prompter_.inform(this, QString::fromUtf8(kRecordGone));
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    reload(key, currentRow_);
}

void PayrollScreen::quickEntry()
{
    if (editing_ || !openers_.quickEntry)
        return;
    openers_.quickEntry(this, unit_ != 0 ? unit_ : session_.ctx.MBKOD);
    reload(currentKey(), currentRow_);
}

void PayrollScreen::openLedger(const std::function<bool(int pkayno, int bkod)> &open)
{
    const RecordKey key = currentKey();
    if (editing_ || !key.isValid())
        return;
    open(key.PKAYNO, key.BKOD);
    // What the ledger stored changes the month's deductions and counts.
    reload(key, currentRow_);
}

void PayrollScreen::printPayroll(Document document)
{
    if (editing_ || !printer_)
        return;
    if (form_.statusBox->currentIndex() == 0) {
        // Every status listed would pay the records that are not to be paid.
        prompter_.inform(this, QString::fromUtf8(payrollmake::kChooseStatus));
        form_.statusBox->setFocus();
        return;
    }
    if (!printer_->choosePrinter(this))
        return;
    payrollmake::MakeRequest request;
    request.workingYear = workingYear_;
    request.today = session_.ctx.startUpDate();
    request.selection = selection();
    request.settings = settings_;
    PrompterQuestions questions(prompter_, this);
    const payrollmake::MakeResult made = payrollmake::make(session_.main(), session_.ctx, request, questions);
    if (made.printable()) {
        if (document == Document::Payroll)
            printer_->payrollDocument(this, made, unit_, periodText_);
        else
            printer_->detailedStatements(this, made, unit_, periodText_);
    }
    sorgula();
}

void PayrollScreen::printPayslips()
{
    if (editing_ || !printer_)
        return;
    if (!printer_->choosePrinter(this))
        return;
    makeCurrent(rows_.empty() ? -1 : 0);
    printer_->payslips(this, loaded_, pays_, unit_, periodText_);
}

void PayrollScreen::closeScreen()
{
    for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(w)) {
            sub->close();
            return;
        }
    }
    close();
}

// ---- Main window ------------------------------------------------------------------------

void openPayrollScreen(ui::MainWindow &window, Session &session, PayrollScreenMode mode, RunPrinter *printer)
{
    PayrollScreen *made = nullptr;
    window.showChild(QString::fromUtf8(kScreenKey), [&]() -> QWidget * {
        made = new PayrollScreen(session, window.prompter(), printer, mode);
        return made;
    });
    if (made)
        made->start();
}

}  // namespace zeran::payrollscreen
