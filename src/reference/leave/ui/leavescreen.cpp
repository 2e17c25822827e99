#include "leavescreen.h"

#include "commandbar.h"
#include "dateedit.h"
#include "gridsetup.h"
#include "output.h"
#include "session.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeran::leave::ui {

namespace {

const QString kDeleteQuestion = QStringLiteral("DİKKAT! Bu izin bilgileri silinecektir.Onaylıyormusunuz.");
const QString kYearDaysQuestion =
    QStringLiteral("DİKKAT! Girdiğiniz miktar bütün personele aktarılacaktır, Onaylıyormusunuz.");

QTableWidget *grid(QWidget *parent, const QString &name, const QStringList &headers)
{
    auto *g = new QTableWidget(0, headers.size(), parent);
    g->setObjectName(name);
    g->setHorizontalHeaderLabels(headers);
    zeran::ui::setUpGrid(g);
    return g;
}

void setCell(QTableWidget *g, int row, int column, const QString &text)
{
    g->setItem(row, column, new QTableWidgetItem(text));
}

QLineEdit *edit(QWidget *parent, const QString &name, int maxLength = 20)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(maxLength);
    return e;
}

QLineEdit *box(QWidget *parent, const QString &name)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    return e;
}

Hooks withDefaults(Hooks h)
{
    if (!h.askYearDays)
        h.askYearDays = [](QWidget *parent) -> std::optional<QString> {
            bool ok = false;
            const QString text = QInputDialog::getText(parent, QStringLiteral("Personel İzin Girişi"),
                                                       QStringLiteral("İzin Günü Girin"), QLineEdit::Normal,
                                                       QStringLiteral("30"), &ok);
            return ok ? std::optional<QString>(text) : std::nullopt;
        };
    if (!h.showForm)
        h.showForm = [](QWidget *parent, const report::Document &doc) {
            QPrinter printer(QPrinter::HighResolution);
            if (report::choosePrinter(parent, printer))
                report::preview(parent, printer, doc);
        };
    return h;
}

}  // namespace

LeaveScreen::LeaveScreen(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, int bkod, int pkayno,
                         Hooks hooks)
    : QDialog(parent), session_(session), prompter_(prompter), hooks_(withDefaults(std::move(hooks))),
      year_(session.ctx.CYIL.toInt())
{
    setWindowTitle(QStringLiteral("PERSONEL İZİN BİLGİLERİ"));
    setObjectName(QStringLiteral("leaveScreen"));
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Birimi"), this));
    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("unitBox"));
    for (const UnitChoice &u : leaveUnits(session.main()))
        unit_->addItem(u.BIRIM, u.BKOD);
    const int wanted = bkod != 0 ? bkod : session.ctx.MBKOD;
    if (const int at = unit_->findData(wanted); at >= 0)
        unit_->setCurrentIndex(at);
    top->addWidget(unit_, 1);
    top->addWidget(new QLabel(QStringLiteral("Yıl"), this));
    yearEdit_ = new QLineEdit(session.ctx.CYIL, this);
    yearEdit_->setObjectName(QStringLiteral("yearEdit"));
    yearEdit_->setReadOnly(true);
    yearEdit_->setMaximumWidth(60);
    top->addWidget(yearEdit_);
    layout->addLayout(top);

    auto *middle = new QHBoxLayout;
    personGrid_ = grid(this, QStringLiteral("personGrid"), {QStringLiteral("Adı Soyadı")});
    personGrid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    yearDaysAction_ = new QAction(QStringLiteral("Yıllık İzin Giriş"), personGrid_);
    yearDaysAction_->setObjectName(QStringLiteral("yearDaysAction"));
    personGrid_->addAction(yearDaysAction_);
    middle->addWidget(personGrid_, 2);

    auto *right = new QVBoxLayout;
    leaveGrid_ = grid(this, QStringLiteral("leaveGrid"),
                      {QStringLiteral("Başlama Tarihi"), QStringLiteral("Bitiş Tarihi"), QStringLiteral("İzin Miktarı"),
                       QStringLiteral("İzin Sebebi")});
    right->addWidget(leaveGrid_, 1);

    panel_ = new QGroupBox(this);
    panel_->setObjectName(QStringLiteral("detailPanel"));
    auto *form = new QGridLayout(panel_);
    otar_ = new zeran::ui::DateEdit(panel_);
    otar_->setObjectName(QStringLiteral("approvalDateEdit"));
    osay_ = edit(panel_, QStringLiteral("approvalNumberEdit"), 15);
    miktar_ = edit(panel_, QStringLiteral("daysEdit"), 4);
    bastar_ = new zeran::ui::DateEdit(panel_);
    bastar_->setObjectName(QStringLiteral("startDateEdit"));
    bittar_ = new zeran::ui::DateEdit(panel_);
    bittar_->setObjectName(QStringLiteral("endDateEdit"));
    kind_ = new QComboBox(panel_);
    kind_->setObjectName(QStringLiteral("kindBox"));
    kind_->addItems(kindNames());
    tel_ = edit(panel_, QStringLiteral("phoneEdit"), 15);
    adres_ = new QPlainTextEdit(panel_);
    adres_->setObjectName(QStringLiteral("addressEdit"));
    yet1_ = edit(panel_, QStringLiteral("unitAuthorityEdit"));
    unv1_ = edit(panel_, QStringLiteral("unitAuthorityTitleEdit"));
    yet_ = edit(panel_, QStringLiteral("approverEdit"));
    unv_ = edit(panel_, QStringLiteral("approverTitleEdit"));
    not_ = new QPlainTextEdit(panel_);
    not_->setObjectName(QStringLiteral("remarksEdit"));
    int r = 0;
    auto label = [&](const QString &t) { form->addWidget(new QLabel(t, panel_), r, 0); };
    label(QStringLiteral(" Onay Tarihi / Sayısı"));
    form->addWidget(otar_, r, 1);
    form->addWidget(osay_, r++, 2);
    label(QStringLiteral(" İzin Miktarı"));
    form->addWidget(miktar_, r++, 1);
    label(QStringLiteral(" İzin Başlama Tarihi"));
    form->addWidget(bastar_, r++, 1);
    label(QStringLiteral(" İzin Bitiş Tarihi"));
    form->addWidget(bittar_, r++, 1);
    label(QStringLiteral(" İzin Sebebi"));
    form->addWidget(kind_, r++, 1, 1, 2);
    label(QStringLiteral(" Telefounu"));
    form->addWidget(tel_, r++, 1, 1, 2);
    label(QStringLiteral(" Bulunduğu Adres"));
    form->addWidget(adres_, r++, 1, 1, 2);
    label(QStringLiteral(" Birim Yetkilisi / Ünvanı"));
    form->addWidget(yet1_, r, 1);
    form->addWidget(unv1_, r++, 2);
    label(QStringLiteral(" Olur Yetkilisi / Ünvanı"));
    form->addWidget(yet_, r, 1);
    form->addWidget(unv_, r++, 2);
    label(QStringLiteral(" Açıklamalar"));
    form->addWidget(not_, r++, 1, 1, 2);
    right->addWidget(panel_);

    auto *balances = new QFormLayout;
    carried_ = box(this, QStringLiteral("carriedBox"));
    current_box_ = box(this, QStringLiteral("currentBox"));
    used_ = box(this, QStringLiteral("usedBox"));
    remaining_ = box(this, QStringLiteral("remainingBox"));
    balances->addRow(QStringLiteral("Devreden İzin Günü"), carried_);
    balances->addRow(QStringLiteral("Mevcut Yıl İzin Günü"), current_box_);
    balances->addRow(QStringLiteral("Kullandığı İzin Günü"), used_);
    balances->addRow(QStringLiteral("Kalan İzin Günü"), remaining_);
    right->addLayout(balances);
    middle->addLayout(right, 3);
    layout->addLayout(middle, 1);

    auto *bar = new zeran::ui::CommandBar(this);
    first_ = bar->add(QStringLiteral("Değiştir"), QStringLiteral("saveButton"));
    second_ = bar->add(QStringLiteral("Ekle"), QStringLiteral("addButton"));
    delete_ = bar->add(QStringLiteral("Sil"), QStringLiteral("deleteButton"));
    print_ = bar->add(QStringLiteral("Yazdır"), QStringLiteral("printButton"));
    QPushButton *entitlements = bar->add(QStringLiteral("Yıllık İzinler"), QStringLiteral("entitlementsButton"));
    bar->addStretch();
    QPushButton *exit = bar->add(QStringLiteral("Çıkış"), QStringLiteral("exitButton"));
    layout->addWidget(bar);

    connect(unit_, &QComboBox::currentIndexChanged, this, [this] { loadUnit(); });
    connect(personGrid_, &QTableWidget::currentCellChanged, this, [this] { personChanged(); });
    connect(leaveGrid_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!editing_)
            showLeave(row);
    });
    connect(kind_, &QComboBox::currentIndexChanged, this, [this](int i) { current_.ITUR = i + 1; });
    connect(first_, &QPushButton::clicked, this, &LeaveScreen::firstCommand);
    connect(second_, &QPushButton::clicked, this, &LeaveScreen::secondCommand);
    connect(delete_, &QPushButton::clicked, this, &LeaveScreen::deleteLeave);
    connect(print_, &QPushButton::clicked, this, &LeaveScreen::printForm);
    connect(entitlements, &QPushButton::clicked, this, &LeaveScreen::openEntitlements);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(yearDaysAction_, &QAction::triggered, this, &LeaveScreen::enterYearDays);

    loadUnit();
    if (pkayno != 0) {
        for (int i = 0; i < int(people_.size()); ++i)
            if (people_[std::size_t(i)].PKAYNO == pkayno)
                personGrid_->setCurrentCell(i, 0);
    }
    resize(980, 640);
}

const Person *LeaveScreen::currentPerson() const
{
    const int row = personGrid_->currentRow();
    return row >= 0 && row < int(people_.size()) ? &people_[std::size_t(row)] : nullptr;
}

void LeaveScreen::loadUnit()
{
    people_.clear();
    const int bkod = unit_->currentData().toInt();
    if (bkod != 0) {
        try {
            people_ = unitPeople(session_.main(), bkod);
        } catch (const db::DbError &e) {
            prompter_.inform(this, e.text);
        }
    }
    const QSignalBlocker block(personGrid_);
    personGrid_->setRowCount(int(people_.size()));
    for (int i = 0; i < int(people_.size()); ++i)
        setCell(personGrid_, i, 0, people_[std::size_t(i)].ADSOY);
    if (!people_.empty())
        personGrid_->setCurrentCell(0, 0);
    personChanged();
}

void LeaveScreen::personChanged()
{
    setEditing(false);
    leaves_.clear();
    const Person *p = currentPerson();
    if (p) {
        try {
            leaves_ = leavesOf(session_.main(), p->PKAYNO);
        } catch (const db::DbError &e) {
            prompter_.inform(this, e.text);
        }
    }
    const QSignalBlocker block(leaveGrid_);
    leaveGrid_->setRowCount(int(leaves_.size()));
    for (int i = 0; i < int(leaves_.size()); ++i) {
        const Leave &l = leaves_[std::size_t(i)];
        setCell(leaveGrid_, i, 0, dateText(l.BASTAR));
        setCell(leaveGrid_, i, 1, dateText(l.BITTAR));
        setCell(leaveGrid_, i, 2, QString::number(l.MIKTAR));
        setCell(leaveGrid_, i, 3, kindName(l.ITUR));
    }
    const int row = leaves_.empty() ? -1 : 0;
    if (row >= 0)
        leaveGrid_->setCurrentCell(row, 0);
    showLeave(row);
    first_->setText(leaves_.empty() ? QStringLiteral("Kaydet") : QStringLiteral("Değiştir"));
    showBalance();
}

void LeaveScreen::showLeave(int row)
{
    current_ = row >= 0 && row < int(leaves_.size()) ? leaves_[std::size_t(row)] : Leave{};
    if (const Person *p = currentPerson(); p && current_.PKAYNO == 0)
        current_.PKAYNO = p->PKAYNO;
    otar_->setDate(current_.OTAR);
    osay_->setText(current_.OSAY);
    miktar_->setText(current_.HARNO ? QString::number(current_.MIKTAR) : QString());
    bastar_->setDate(current_.BASTAR);
    bittar_->setDate(current_.BITTAR);
    {
        const QSignalBlocker block(kind_);
        kind_->setCurrentIndex(qBound(0, current_.ITUR - 1, kind_->count() - 1));
    }
    tel_->setText(current_.TEL);
    adres_->setPlainText(current_.ADRES);
    yet1_->setText(current_.YET1);
    unv1_->setText(current_.UNV1);
    yet_->setText(current_.YET);
    unv_->setText(current_.UNV);
    not_->setPlainText(current_.NOT);
}

void LeaveScreen::setEditing(bool on)
{
    editing_ = on;
    panel_->setEnabled(on);
    personGrid_->setEnabled(!on);
    leaveGrid_->setEnabled(!on);
    unit_->setEnabled(!on);
    delete_->setEnabled(!on);
    yearDaysAction_->setEnabled(!on);
    if (!on) {
        first_->setText(leaves_.empty() ? QStringLiteral("Kaydet") : QStringLiteral("Değiştir"));
        second_->setText(QStringLiteral("Ekle"));
    }
}

void LeaveScreen::showBalance()
{
    Balance b;
    if (const Person *p = currentPerson()) {
        try {
            b = loadBalance(session_.main(), p->PKAYNO, year_);
        } catch (const db::DbError &e) {
            prompter_.inform(this, e.text);
        }
    }
    carried_->setText(boxText(b.carried));
    current_box_->setText(boxText(b.current));
    used_->setText(boxText(b.used));
    remaining_->setText(boxText(b.remaining));
}

Leave LeaveScreen::fromPanel() const
{
    Leave l = current_;
    l.OTAR = otar_->date().value_or(QDate());
    l.OSAY = osay_->text().trimmed();
    l.BASTAR = bastar_->date().value_or(QDate());
    l.BITTAR = bittar_->date().value_or(QDate());
    l.ITUR = kind_->currentIndex() + 1;
    l.TEL = tel_->text().trimmed();
    l.ADRES = adres_->toPlainText();
    l.YET1 = yet1_->text().trimmed();
    l.UNV1 = unv1_->text().trimmed();
    l.YET = yet_->text().trimmed();
    l.UNV = unv_->text().trimmed();
    l.NOT = not_->toPlainText();
    return l;
}

bool LeaveScreen::saveCurrent()
{
    const Person *p = currentPerson();
    if (!p)
        return false;
    for (zeran::ui::DateEdit *d : {otar_, bastar_, bittar_})
        if (!d->isBlank() && !d->date()) {
            prompter_.inform(this, zeran::ui::invalidDateMessage(d->text()));
            d->setFocus();
            return false;
        }
    Leave l = fromPanel();
    l.PKAYNO = p->PKAYNO;
    if (const auto refused = checkLeave(l, miktar_->text())) {
        prompter_.inform(this, *refused);
        return false;
    }
    try {
        l.HARNO = saveLeave(session_.main(), session_.ctx, l);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    current_ = l;
    return true;
}

void LeaveScreen::firstCommand()
{
    if (!editing_) {
        if (leaves_.empty() || current_.HARNO == 0)
            return;
        setEditing(true);
        first_->setText(QStringLiteral("Kaydet"));
        second_->setText(QStringLiteral("İptal"));
        return;
    }
    if (!saveCurrent())
        return;
    const int harno = current_.HARNO;
    personChanged();
    for (int i = 0; i < int(leaves_.size()); ++i)
        if (leaves_[std::size_t(i)].HARNO == harno) {
            leaveGrid_->setCurrentCell(i, 0);
            showLeave(i);
        }
}

void LeaveScreen::secondCommand()
{
    if (editing_) {
        setEditing(false);
        showLeave(leaveGrid_->currentRow());
        return;
    }
    const Person *p = currentPerson();
    if (!p)
        return;
    Leave fresh;
    fresh.PKAYNO = p->PKAYNO;
    fresh.TEL = p->TEL1;
    current_ = fresh;
    showLeave(-1);
    current_.TEL = p->TEL1;
    tel_->setText(p->TEL1);
    setEditing(true);
    first_->setText(QStringLiteral("Kayıt"));
    second_->setText(QStringLiteral("İptal"));
    miktar_->setFocus();
}

void LeaveScreen::deleteLeave()
{
    if (editing_ || current_.HARNO == 0)
        return;
    if (!prompter_.ask(this, kDeleteQuestion))
        return;
    try {
        leave::deleteLeave(session_.main(), session_.ctx, current_.PKAYNO, current_.HARNO);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    personChanged();
}

void LeaveScreen::printForm()
{
    if (editing_) {
        if (!saveCurrent())
            return;
    }
    const Person *p = currentPerson();
    if (!p || current_.HARNO == 0) {
        if (editing_)
            personChanged();
        return;
    }
    const Leave printed = current_;
    const FormPerson who{p->ADSOY, p->UNVAN, p->EMSNO};
    if (editing_) {
        const int harno = printed.HARNO;
        personChanged();
        for (int i = 0; i < int(leaves_.size()); ++i)
            if (leaves_[std::size_t(i)].HARNO == harno) {
                leaveGrid_->setCurrentCell(i, 0);
                showLeave(i);
            }
    }
    hooks_.showForm(this, leaveForm(session_.ctx.KURUM, who, printed, session_.ctx.startUpDate()));
}

void LeaveScreen::enterYearDays()
{
    if (editing_ || people_.empty())
        return;
    if (!prompter_.ask(this, kYearDaysQuestion))
        return;
    const std::optional<QString> typed = hooks_.askYearDays(this);
    if (!typed)
        return;
    const std::optional<int> days = parseYearDays(*typed);
    if (!days) {
        prompter_.inform(this, QStringLiteral("'%1' geçerli bir gün sayısı değil (0 ile 366 arasında tam sayı).").arg(*typed));
        return;
    }
    std::vector<int> keys;
    for (const Person &p : people_)
        keys.push_back(p.PKAYNO);
    try {
        setYearDays(session_.main(), session_.ctx, keys, session_.ctx.CYIL, *days);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    showBalance();
}

void LeaveScreen::openEntitlements()
{
    EntitlementScreen screen(this, session_, prompter_);
    screen.exec();
    showBalance();
}

EntitlementScreen::EntitlementScreen(QWidget *parent, Session &session, zeran::ui::Prompter &prompter)
    : QDialog(parent), session_(session), prompter_(prompter)
{
    setWindowTitle(QStringLiteral("Yıllık İzinler"));
    setObjectName(QStringLiteral("entitlementScreen"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Birimi"), this));
    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("unitBox"));
    unit_->addItem(QStringLiteral("TÜMÜ"), 0);
    year_ = new QComboBox(this);
    year_->setObjectName(QStringLiteral("yearBox"));
    try {
        for (const UnitChoice &u : allUnits(session.main()))
            unit_->addItem(u.BIRIM, u.BKOD);
        year_->addItems(payrollYears(session.main()));
    } catch (const db::DbError &e) {
        prompter.inform(this, e.text);
    }
    if (year_->findText(session.ctx.CYIL) < 0 && year_->count() == 0)
        year_->addItem(session.ctx.CYIL);
    year_->setCurrentIndex(0);
    top->addWidget(unit_, 1);
    top->addWidget(new QLabel(QStringLiteral("Yıl"), this));
    top->addWidget(year_);
    layout->addLayout(top);
    grid_ = grid(this, QStringLiteral("entitlementGrid"),
                 {QStringLiteral("Adı Soyadı"), QStringLiteral("Mevcut Yıl"), QStringLiteral("YIL")});
    layout->addWidget(grid_, 1);
    auto *bar = new zeran::ui::CommandBar(this);
    QPushButton *carry = bar->add(QStringLiteral("Tümünü Aktar"), QStringLiteral("carryButton"));
    bar->addStretch();
    QPushButton *exit = bar->add(QStringLiteral("Çıkış"), QStringLiteral("exitButton"));
    layout->addWidget(bar);
    connect(unit_, &QComboBox::currentIndexChanged, this, &EntitlementScreen::refresh);
    connect(year_, &QComboBox::currentIndexChanged, this, &EntitlementScreen::refresh);
    connect(carry, &QPushButton::clicked, this, &EntitlementScreen::carryAll);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
    resize(520, 480);
}

void EntitlementScreen::refresh()
{
    std::vector<EntitlementLine> lines;
    try {
        lines = entitlementList(session_.main(), year_->currentText(), unit_->currentData().toInt());
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    grid_->setRowCount(int(lines.size()));
    for (int i = 0; i < int(lines.size()); ++i) {
        setCell(grid_, i, 0, lines[std::size_t(i)].ADSOY);
        setCell(grid_, i, 1, QString::number(lines[std::size_t(i)].GUN));
        setCell(grid_, i, 2, lines[std::size_t(i)].YIL);
    }
}

void EntitlementScreen::carryAll()
{
    const int bkod = unit_->currentData().toInt();
    if (bkod == 0) {
        prompter_.inform(this, QStringLiteral("Birim Seçiniz"));
        return;
    }
    CarryResult result;
    try {
        result = carryOver(session_.main(), session_.ctx, bkod, year_->currentText());
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        refresh();
        return;
    }
    refresh();
    if (result.failures.isEmpty())
        prompter_.inform(this, QStringLiteral("Aktarma Tamamlandı"));
    else
        prompter_.inform(this, QStringLiteral("DİKKAT! %1 personelin izin devri yazılamadı (%2 personel aktarıldı):\r%3")
                                   .arg(result.failures.size())
                                   .arg(result.added)
                                   .arg(result.failures.join(QLatin1Char('\r'))));
}

void openLeave(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, int bkod, int pkayno)
{
    LeaveScreen screen(parent, session, prompter, bkod, pkayno);
    screen.exec();
}

}  // namespace zeran::leave::ui
