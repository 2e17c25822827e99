#include "payrollscreen.h"

#include "clock.h"
#include "codes.h"
#include "fieldbinding.h"
#include "ledgerscreens.h"
#include "mainwindow.h"
#include "paymodels.h"
#include "payrollmake.h"
#include "prompter.h"
#include "session.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace zeran::payrollscreen {

namespace {

using ui::CodeCombo;

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

QPushButton *command(const QString &caption, const char *name, QWidget *parent)
{
    return ui::commandButton(caption, QLatin1String(name), {}, parent);
}

QTableView *listView(QWidget *parent, const char *name)
{
    auto *v = new QTableView(parent);
    v->setObjectName(QLatin1String(name));
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setAlternatingRowColors(true);
    // Fixed row heights: a view of ten thousand rows never measures its rows.
    v->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    v->verticalHeader()->setDefaultSectionSize(v->fontMetrics().height() + 6);
    v->verticalHeader()->hide();
    v->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    v->horizontalHeader()->setHighlightSections(false);
    return v;
}

QGridLayout *grid(QGroupBox *box)
{
    auto *g = new QGridLayout(box);
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(4);
    return g;
}

QLabel *place(QGridLayout *g, int row, int column, const QString &caption, QWidget *input)
{
    auto *label = new QLabel(caption);
    g->addWidget(label, row, column * 2);
    g->addWidget(input, row, column * 2 + 1);
    return label;
}

QWidget *scrolled(QWidget *page)
{
    auto *area = new QScrollArea;
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(page);
    return area;
}

QString columnName(int n, const char *prefix)
{
    return QLatin1String(prefix) + QString::number(n);
}

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
    build();
    pages_->setCurrentIndex(mode_ == PayrollScreenMode::PersonnelData ? 0 : 1);
    setEditing(false);
}

PayrollScreen::~PayrollScreen() = default;

void PayrollScreen::setOpeners(ScreenOpeners openers)
{
    openers_ = std::move(openers);
}

void PayrollScreen::build()
{
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("pages"));
    pages_->addTab(buildRecordPage(), QStringLiteral("Bordro Bilgileri"));
    pages_->addTab(buildPayPage(), QStringLiteral("Maaşlar"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildSelectionBar());
    layout->addWidget(pages_, 1);
    layout->addWidget(buildCommandBar());
}

QWidget *PayrollScreen::buildSelectionBar()
{
    auto *bar = new QWidget(this);
    auto *h = new QHBoxLayout(bar);
    h->setContentsMargins(0, 0, 0, 0);

    unitBox_ = new QComboBox(bar);
    unitBox_->setObjectName(QStringLiteral("unitBox"));
    unitBox_->setMinimumWidth(260);
    h->addWidget(unitBox_);

    h->addWidget(new QLabel(QStringLiteral("Durumu"), bar));
    statusBox_ = new QComboBox(bar);
    statusBox_->setObjectName(QStringLiteral("statusBox"));
    statusBox_->addItems({QStringLiteral("Tümü"), QStringLiteral("Maaş Hesabı")});
    statusBox_->setCurrentIndex(1);
    h->addWidget(statusBox_);

    auto *people = new QGroupBox(bar);
    auto *ph = new QHBoxLayout(people);
    allPeople_ = new QRadioButton(QStringLiteral("Tümü"), people);
    allPeople_->setObjectName(QStringLiteral("allPeopleButton"));
    singlePerson_ = new QRadioButton(QStringLiteral("Tek Kişi"), people);
    singlePerson_->setObjectName(QStringLiteral("singlePersonButton"));
    allPeople_->setChecked(true);
    ph->addWidget(allPeople_);
    ph->addWidget(singlePerson_);
    h->addWidget(people);

    auto *order = new QGroupBox(QStringLiteral("Sıralama"), bar);
    order->setObjectName(QStringLiteral("orderGroup"));
    auto *oh = new QHBoxLayout(order);
    orderCode_ = new QRadioButton(QStringLiteral("Kodu"), order);
    orderCode_->setObjectName(QStringLiteral("orderCodeButton"));
    orderRegistry_ = new QRadioButton(QStringLiteral("Sicil No"), order);
    orderRegistry_->setObjectName(QStringLiteral("orderRegistryButton"));
    orderName_ = new QRadioButton(QStringLiteral("Adı Soyadı"), order);
    orderName_->setObjectName(QStringLiteral("orderNameButton"));
    orderCode_->setChecked(true);
    for (QRadioButton *b : {orderCode_, orderRegistry_, orderName_})
        oh->addWidget(b);
    h->addWidget(order);

    period_ = new QLabel(bar);
    period_->setObjectName(QStringLiteral("periodLabel"));
    QFont f = period_->font();
    f.setBold(true);
    period_->setFont(f);
    h->addWidget(period_);
    h->addStretch(1);

    connect(unitBox_, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            unitChosen();
    });
    connect(statusBox_, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            reload(currentKey(), currentRow_);
    });
    connect(singlePerson_, &QRadioButton::toggled, this, [this](bool single) {
        if (filling_)
            return;
        if (single) {
            person_ = currentKey().PKAYNO;
            if (person_ == 0) {
                // Nobody is current: there is no single person to show.
                filling_ = true;
                allPeople_->setChecked(true);
                filling_ = false;
                return;
            }
        }
        reload(currentKey(), currentRow_);
    });
    for (QRadioButton *b : {orderCode_, orderRegistry_, orderName_}) {
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on && !filling_)
                reload(currentKey(), 0);
        });
    }
    return bar;
}

void PayrollScreen::addBinding(std::unique_ptr<FieldBinding> binding, QLabel *label)
{
    binding->label = label;
    bindings_.push_back(std::move(binding));
}

QLineEdit *PayrollScreen::numberInput(QGridLayout *g, int row, int column, const QString &caption, const char *name)
{
    auto *e = new QLineEdit;
    e->setObjectName(QStringLiteral("field_") + QLatin1String(name));
    e->setValidator(new QIntValidator(-32768, 32767, e));
    e->setMaximumWidth(90);
    QLabel *label = caption.isNull() ? nullptr : place(g, row, column, caption, e);
    addBinding(std::make_unique<NumberBinding>(QLatin1String(name), e), label);
    return e;
}

QLineEdit *PayrollScreen::amountInput(QGridLayout *g, int row, int column, const QString &caption, const char *name,
                                      bool plain)
{
    auto *e = new QLineEdit;
    e->setObjectName(QStringLiteral("field_") + QLatin1String(name));
    e->setMaximumWidth(plain ? 90 : 130);
    e->setAlignment(Qt::AlignRight);
    QLabel *label = caption.isNull() ? nullptr : place(g, row, column, caption, e);
    addBinding(std::make_unique<AmountBinding>(QLatin1String(name), e,
                                               plain ? AmountBinding::Style::Plain : AmountBinding::Style::Amount),
               label);
    return e;
}

ui::CodeCombo *PayrollScreen::choiceInput(QGridLayout *g, int row, int column, const QString &caption,
                                                 const char *name, const QString &objectSuffix)
{
    auto *c = new ui::CodeCombo;
    c->setObjectName(QStringLiteral("field_") + QLatin1String(name) + objectSuffix);
    c->setMinimumWidth(130);
    QLabel *label = caption.isNull() ? nullptr : place(g, row, column, caption, c);
    addBinding(std::make_unique<ChoiceBinding>(QLatin1String(name), c), label);
    return c;
}

QWidget *PayrollScreen::buildRecordPage()
{
    auto *page = new QWidget;
    auto *h = new QHBoxLayout(page);

    peopleModel_ = new PayRowsModel(PayRowsModel::Layout::People, rows_, this);
    personList_ = listView(page, "personList");
    personList_->setModel(peopleModel_);
    personList_->setColumnWidth(0, 55);
    personList_->setColumnWidth(1, 110);
    personList_->setColumnWidth(2, 190);
    personList_->setMinimumWidth(380);
    personList_->setMaximumWidth(420);
    h->addWidget(personList_);

    recordPages_ = new QTabWidget(page);
    recordPages_->setObjectName(QStringLiteral("recordPages"));
    recordPages_->addTab(scrolled(buildIncomePage()), QStringLiteral("Gelirler"));
    recordPages_->addTab(scrolled(buildDeductionsPage()), QStringLiteral("Kesintiler"));
    recordPages_->addTab(scrolled(buildOtherPage()), QStringLiteral("Artış ve Diğer Bilgiler"));
    h->addWidget(recordPages_, 1);

    connect(personList_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { currentRowChanged(current.row()); });
    connect(personList_, &QTableView::doubleClicked, this, [this] { openCurrentRecord(); });
    return page;
}

QWidget *PayrollScreen::buildIncomePage()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    auto *top = new QHBoxLayout;
    v->addLayout(top);

    // "Maaş Bilgileri": the pay and retirement indicator sets side by side, then the family.
    auto *salary = new QGroupBox(QStringLiteral("Maaş Bilgileri"), page);
    salary->setObjectName(QStringLiteral("salaryGroup"));
    auto *g = grid(salary);
    auto *payIndicator = command(QStringLiteral("..."), "payIndicatorButton", salary);
    payIndicator->setToolTip(QStringLiteral("Gösterge Tablosu"));
    payIndicator->setEnabled(false);  // the indicator table comes with a later screen
    auto *retIndicator = command(QStringLiteral("..."), "retirementIndicatorButton", salary);
    retIndicator->setToolTip(QStringLiteral("Gösterge Tablosu"));
    retIndicator->setEnabled(false);
    auto headed = [salary](const QString &title, QPushButton *button) {
        auto *w = new QWidget(salary);
        auto *l = new QHBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(new QLabel(title, w));
        l->addWidget(button);
        l->addStretch(1);
        return w;
    };
    g->addWidget(headed(QStringLiteral("MAAŞ"), payIndicator), 0, 1);
    g->addWidget(headed(QStringLiteral("EMEKLİ & GGS"), retIndicator), 0, 2);
    auto pair = [salary](QLineEdit *a, QLineEdit *b) {
        auto *w = new QWidget(salary);
        auto *l = new QHBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        a->setMaximumWidth(50);
        b->setMaximumWidth(50);
        l->addWidget(a);
        l->addWidget(new QLabel(QStringLiteral("/"), w));
        l->addWidget(b);
        l->addStretch(1);
        return w;
    };
    g->addWidget(new QLabel(QStringLiteral("Der./Kad.")), 1, 0);
    g->addWidget(pair(numberInput(g, 0, 0, {}, "DER"), numberInput(g, 0, 0, {}, "KAD")), 1, 1);
    g->addWidget(pair(numberInput(g, 0, 0, {}, "MDER"), numberInput(g, 0, 0, {}, "MKAD")), 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Gösterge")), 2, 0);
    g->addWidget(numberInput(g, 0, 0, {}, "GOS"), 2, 1);
    g->addWidget(numberInput(g, 0, 0, {}, "MGOS"), 2, 2);
    g->addWidget(new QLabel(QStringLiteral("Ek Gösterge")), 3, 0);
    g->addWidget(numberInput(g, 0, 0, {}, "EGOS"), 3, 1);
    g->addWidget(numberInput(g, 0, 0, {}, "MEGOS"), 3, 2);

    auto *family = new QGridLayout;
    g->addLayout(family, 4, 0, 1, 3);
    numberInput(family, 0, 0, QStringLiteral("Kıdem Yılı"), "KIDEM");
    choiceInput(family, 1, 0, QStringLiteral("Medeni hali"), "MHAL");
    choiceInput(family, 2, 0, QStringLiteral("Eşi Çalışıyor"), "ESI");
    auto *children = new QWidget(salary);
    auto *ch = new QHBoxLayout(children);
    ch->setContentsMargins(0, 0, 0, 0);
    auto *young = new QGridLayout;
    numberInput(young, 0, 0, QStringLiteral("0-6 Yaş"), "COC1");
    numberInput(young, 0, 1, QStringLiteral("6 Yaş Ü."), "COC2");
    ch->addLayout(young);
    ch->addStretch(1);
    place(family, 3, 0, QStringLiteral("Çocuk Sayısı"), children);
    numberInput(family, 4, 0, QStringLiteral("A.G.İ Çoc.Say."), "DIGCOC");
    choiceInput(family, 5, 0, QStringLiteral("A.G.I."), "AGI")->setChoices(yesNoCodes());
    choiceInput(family, 6, 0, QStringLiteral("Aile Çocuk Yrd."), "ACOCYRD")->setChoices(yesNoCodes());
    family->setColumnStretch(2, 1);
    top->addWidget(salary);
    panels_.push_back(salary);

    // Pay status and the record's identity.
    auto *status = new QGroupBox(page);
    status->setObjectName(QStringLiteral("statusGroup"));
    auto *sg = grid(status);
    choiceInput(sg, 0, 0, QStringLiteral("Hesap Durumu"), "DURUM")->setChoices(personnel::durumChoices());
    choiceInput(sg, 1, 0, QStringLiteral("Maaş Türü"), "PERTUR")->setChoices(personnel::perturChoices());
    choiceInput(sg, 2, 0, QStringLiteral("Sigorta Türü"), "GSSTUR")->setChoices(personnel::gssturChoices());
    choiceInput(sg, 3, 0, QStringLiteral("Sendikası"), "SENKOD");
    choiceInput(sg, 4, 0, QStringLiteral("Kısmi Zamanlı"), "KISZAMAN")->setChoices(yesNoCodes());
    sg->setRowStretch(5, 1);
    top->addWidget(status);
    panels_.push_back(status);

    auto *identity = new QGroupBox(page);
    auto *ig = grid(identity);
    auto shown = [identity](const char *name) {
        auto *e = new QLineEdit(identity);
        e->setObjectName(QLatin1String(name));
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        return e;
    };
    pkaynoShown_ = shown("pkaynoShown");
    pkodShown_ = shown("pkodShown");
    unitShown_ = shown("unitShown");
    place(ig, 0, 0, QStringLiteral("Kayıt No"), pkaynoShown_);
    place(ig, 1, 0, QStringLiteral("Personel Kodu"), pkodShown_);
    place(ig, 2, 0, QStringLiteral("Birimi"), unitShown_);
    ig->setRowStretch(3, 1);
    top->addWidget(identity);
    top->addStretch(1);

    // "Kazanç / Tazminat / Ek Ödm.": compensations and the extra items, captioned with the
    // items' names once the definitions are read.
    auto *earnings = new QGroupBox(QStringLiteral("Kazanç / Tazminat / Ek Ödm."), page);
    earnings->setObjectName(QStringLiteral("earningsGroup"));
    auto *eg = grid(earnings);
    numberInput(eg, 0, 0, QStringLiteral("Yan Ödeme P."), "YOP");
    numberInput(eg, 1, 0, QStringLiteral("Özel Hiz.Taz.%"), "OHT");
    amountInput(eg, 2, 0, QStringLiteral("Lojman Tazm."), "LTAZ");
    amountInput(eg, 3, 0, QStringLiteral("Ek Tazminat Puanı"), "EKTAZ", true);
    numberInput(eg, 4, 0, QStringLiteral("Ek Ödeme Puanı"), "EKOD");
    amountInput(eg, 5, 0, QStringLiteral("Diğer Tazm."), "DIGTAZ");
    amountInput(eg, 6, 0, QStringLiteral("Fazla Mesai Tut."), "MESAI");
    numberInput(eg, 7, 0, QStringLiteral("Yemek Günü"), "YEMEKGUN");
    for (int n = 1; n <= 10; ++n) {
        const QByteArray kazs = columnName(n, "KAZS").toLatin1();
        const QByteArray kaz = columnName(n, "KAZ").toLatin1();
        // Both inputs of an item share its row; labelItemInputs() shows the one its kind uses.
        choiceInput(eg, n - 1, 1, QStringLiteral("%1. Hesap").arg(n), kazs.constData())->setChoices(yesNoCodes());
        amountInput(eg, n - 1, 2, QStringLiteral("%1. Hesap").arg(n), kaz.constData());
    }
    eg->setColumnStretch(6, 1);
    v->addWidget(earnings);
    panels_.push_back(earnings);
    v->addStretch(1);
    return page;
}

QWidget *PayrollScreen::buildDeductionsPage()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);

    auto *special = new QGroupBox(QStringLiteral("Özel Kesintiler"), page);
    special->setObjectName(QStringLiteral("specialDeductionsGroup"));
    auto *sg = grid(special);
    for (int n = 1; n <= 5; ++n) {
        const QByteArray kes = columnName(n, "KES").toLatin1();
        amountInput(sg, n - 1, 0, QStringLiteral("%1. Kesinti").arg(n), kes.constData());
    }
    sg->setColumnStretch(2, 1);
    v->addWidget(special);
    panels_.push_back(special);

    auto *deductions = new QGroupBox(QStringLiteral("Kesintiler"), page);
    deductions->setObjectName(QStringLiteral("deductionsGroup"));
    auto *dg = grid(deductions);
    amountInput(dg, 0, 0, QStringLiteral("Para Cezası"), "PCEZA");
    choiceInput(dg, 1, 0, QStringLiteral("Kefalet Kesintisi"), "KEFALET")->setChoices(yesNoCodes());
    amountInput(dg, 2, 0, QStringLiteral("Lojman Kirası"), "KIRA");
    choiceInput(dg, 3, 0, QStringLiteral("Sendikaya Tabi"), "SENDIKA")->setChoices(yesNoCodes());
    choiceInput(dg, 4, 0, QStringLiteral("Sendika Adı"), "SENKOD", QStringLiteral("_2"));
    choiceInput(dg, 5, 0, QStringLiteral("Bireysel Emeklilik"), "BES")->setChoices(yesNoCodes());
    auto *company = choiceInput(dg, 6, 0, QStringLiteral("BES Firma Adı"), "BESKOD");
    company->setMinimumWidth(220);
    amountInput(dg, 6, 1, QStringLiteral("%"), "BESORAN", true);
    amountInput(dg, 7, 0, QStringLiteral("İcra Kesintisi"), "ICRA");
    dg->setColumnStretch(4, 1);
    v->addWidget(deductions);
    panels_.push_back(deductions);

    auto *allowances = new QGroupBox(QStringLiteral("İndirimler"), page);
    allowances->setObjectName(QStringLiteral("allowancesGroup"));
    auto *ag = grid(allowances);
    amountInput(ag, 0, 0, QStringLiteral("Hizmet Borçlanması"), "HIZBOR");
    auto *advance = new QCheckBox(QStringLiteral("Peşin Ödeme"), allowances);
    advance->setObjectName(QStringLiteral("field_HIZBORDUR"));
    ag->addWidget(advance, 0, 2);
    addBinding(std::make_unique<CheckBinding>(QStringLiteral("HIZBORDUR"), advance), nullptr);
    amountInput(ag, 1, 0, QStringLiteral("Özel Sigorta Tutarı"), "OZIN");
    numberInput(ag, 2, 0, QStringLiteral("Sakatlık Derecesi"), "SAKDER");
    ag->setColumnStretch(3, 1);
    v->addWidget(allowances);
    panels_.push_back(allowances);
    v->addStretch(1);

    // The union is chosen on both pages; the two lists always show the same union.
    std::vector<ui::CodeCombo *> unions;
    for (const auto &b : bindings_) {
        if (b->column() == QLatin1String("SENKOD"))
            unions.push_back(static_cast<ChoiceBinding *>(b.get())->combo());
    }
    for (ui::CodeCombo *from : unions) {
        for (ui::CodeCombo *to : unions) {
            if (from != to)
                connect(from, &QComboBox::currentIndexChanged, to, [from, to] {
                    if (to->currentIndex() != from->currentIndex())
                        to->setCurrentIndex(from->currentIndex());
                });
        }
    }
    return page;
}

QWidget *PayrollScreen::buildOtherPage()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    auto *raises = new QGroupBox(page);
    raises->setObjectName(QStringLiteral("raisesGroup"));
    auto *g = grid(raises);
    auto *tertar = new ui::DateEdit(raises);
    tertar->setObjectName(QStringLiteral("field_TERTAR"));
    addBinding(std::make_unique<DateBinding>(QStringLiteral("TERTAR"), tertar),
               place(g, 0, 0, QStringLiteral("Terfi Tarihi"), tertar));
    numberInput(g, 1, 0, QStringLiteral("Terfi Fark Ayı"), "TFA");
    numberInput(g, 2, 0, QStringLiteral("Göst. Farkı"), "GF");
    numberInput(g, 3, 0, QStringLiteral("Kıdem Artışı"), "KIDART");
    numberInput(g, 4, 0, QStringLiteral("Rapor Günü"), "RAPOR");
    amountInput(g, 5, 0, QStringLiteral("Kıstel Yevmiye"), "KGUN", true);
    choiceInput(g, 6, 0, QStringLiteral("Kıstel Em. Kes."), "KISTEMKES")->setChoices(yesNoCodes());
    choiceInput(g, 7, 0, QStringLiteral("Vekil Zeran"), "VEKIL")->setChoices(yesNoCodes());
    choiceInput(g, 8, 0, QStringLiteral("İlk Giriş Aidatı"), "YIG")->setChoices(yesNoCodes());
    g->setColumnStretch(2, 1);
    v->addWidget(raises);
    panels_.push_back(raises);

    // The person's commands.
    auto *commands = new QGroupBox(page);
    commands->setObjectName(QStringLiteral("personCommands"));
    auto *ch = new QGridLayout(commands);
    auto *childrenButton = command(QStringLiteral("Çocuk Listesi"), "childrenButton", commands);
    auto *garnishments = command(QStringLiteral("İcra Bilgileri"), "garnishmentsButton", commands);
    auto *debts = command(QStringLiteral("Borçlanma"), "serviceDebtsButton", commands);
    auto *leave = command(QStringLiteral("İzin Bilgileri"), "leaveButton", commands);
    auto *past = command(QStringLiteral("Geçmiş Bord."), "pastPayrollsButton", commands);
    auto *bases = command(QStringLiteral("Matrahlar"), "taxBasesButton", commands);
    auto *summary = command(QStringLiteral("Kes.İcmali"), "deductionSummaryButton", commands);
    const std::array<QPushButton *, 7> all = {childrenButton, garnishments, debts, leave, past, bases, summary};
    for (std::size_t i = 0; i < all.size(); ++i)
        ch->addWidget(all[i], int(i / 4), int(i % 4));
    // Their screens come with later pieces of work.
    for (QPushButton *later : {leave, past, bases, summary})
        later->setEnabled(false);
    for (QPushButton *b : {childrenButton, garnishments, debts}) {
        browseCommands_.push_back(b);
        personCommands_.push_back(b);
    }
    connect(childrenButton, &QPushButton::clicked, this, [this] {
        openLedger([this](int pkayno, int bkod) { return openers_.children && openers_.children(this, pkayno, bkod); });
    });
    connect(garnishments, &QPushButton::clicked, this, [this] {
        openLedger([this](int pkayno, int) { return openers_.garnishments && openers_.garnishments(this, pkayno); });
    });
    connect(debts, &QPushButton::clicked, this, [this] {
        openLedger([this](int pkayno, int) { return openers_.serviceDebts && openers_.serviceDebts(this, pkayno); });
    });
    v->addWidget(commands);
    v->addStretch(1);
    return page;
}

QWidget *PayrollScreen::buildPayPage()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    payModel_ = new PayRowsModel(PayRowsModel::Layout::Pay, rows_, this);
    payGrid_ = listView(page, "payGrid");
    payGrid_->setModel(payModel_);
    const std::array<int, 13> widths = {50, 190, 150, 60, 55, 60, 40, 110, 110, 110, 110, 110, 200};
    for (std::size_t i = 0; i < widths.size(); ++i)
        payGrid_->setColumnWidth(int(i), widths[i]);
    v->addWidget(payGrid_, 1);

    auto *rates = new QGroupBox(QStringLiteral("Katsayılar"), page);
    rates->setObjectName(QStringLiteral("ratesGroup"));
    auto *rg = new QHBoxLayout(rates);
    const std::array<std::pair<const char *, const char *>, 6> captions = {{
        {"Katsayı", "katsayiField"},
        {"Yan Öd.Kat.", "yodField"},
        {"Taban Ayl.Kat.", "takField"},
        {"Kıdem Ay.Kat.", "kakField"},
        {"E.Y.M.M.", "eymmField"},
        {"İndirim", "indirimField"},
    }};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        rg->addWidget(new QLabel(QString::fromUtf8(captions[i].first), rates));
        auto *e = new QLineEdit(rates);
        e->setObjectName(QLatin1String(captions[i].second));
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setMaximumWidth(110);
        rg->addWidget(e);
        rateFields_[i] = e;
    }
    rg->addStretch(1);
    v->addWidget(rates);

    connect(payGrid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { currentRowChanged(current.row()); });
    return page;
}

QWidget *PayrollScreen::buildCommandBar()
{
    auto *bar = new QWidget(this);
    auto *g = new QGridLayout(bar);
    g->setContentsMargins(0, 0, 0, 0);

    addButton_ = command(QStringLiteral("Ekle"), "addButton", bar);
    editButton_ = command(QStringLiteral("Düzenle"), "editButton", bar);
    deleteButton_ = command(QStringLiteral("Sil"), "deleteButton", bar);
    auto *find = command(QStringLiteral("Bul"), "findButton", bar);
    auto *quick = command(QStringLiteral("Hızlı Giriş"), "quickEntryButton", bar);
    auto *deductions = command(QStringLiteral("Kesintiler"), "deductionsButton", bar);
    auto *promotions = command(QStringLiteral("Terfiler"), "promotionsButton", bar);
    auto *compute = command(QStringLiteral("Bordro Hesapla"), "computeButton", bar);

    printButton_ = command(QStringLiteral("Bordro Yazdır"), "printButton", bar);
    auto *printMenu = new QMenu(printButton_);
    QAction *printAll = printMenu->addAction(QStringLiteral("Toplu Yaz"));
    printAll->setObjectName(QStringLiteral("printAllAction"));
    QAction *printDetail = printMenu->addAction(QStringLiteral("Detay Yaz"));
    printDetail->setObjectName(QStringLiteral("printDetailAction"));
    printButton_->setMenu(printMenu);
    payslipButton_ = command(QStringLiteral("Fiş Yazdır"), "payslipButton", bar);
    auto *paymentOrder = command(QStringLiteral("Ödeme Emri"), "paymentOrderButton", bar);
    auto *summary = command(QStringLiteral("Maaş İcmali"), "summaryButton", bar);
    auto *files = command(QStringLiteral("Dosya Oluştur"), "filesButton", bar);
    auto *filesMenu = new QMenu(files);
    filesMenu->addAction(QStringLiteral("Emekli Kesenek Dosyası"))->setObjectName(QStringLiteral("retirementFileAction"));
    filesMenu->addAction(QStringLiteral("Banka Maaş Dosyası"))->setObjectName(QStringLiteral("bankFileAction"));
    files->setMenu(filesMenu);
    auto *lists = command(QStringLiteral("Maaş Listeleri"), "listsButton", bar);
    auto *close = command(QStringLiteral("Çıkış"), "closeButton", bar);

    const std::array<QPushButton *, 8> first = {addButton_, editButton_, deleteButton_, find,
                                                quick,      deductions,  promotions,    compute};
    const std::array<QPushButton *, 7> second = {printButton_, payslipButton_, paymentOrder, summary, files, lists, close};
    for (std::size_t i = 0; i < first.size(); ++i)
        g->addWidget(first[i], 0, int(i));
    for (std::size_t i = 0; i < second.size(); ++i)
        g->addWidget(second[i], 1, int(i));

    // The screens of these commands come with later pieces of work.
    for (QPushButton *later : {deductions, promotions, compute, paymentOrder, summary, files, lists})
        later->setEnabled(false);

    browseCommands_.insert(browseCommands_.end(), {addButton_, find, quick, close});
    if (printer_) {
        browseCommands_.push_back(printButton_);
        browseCommands_.push_back(payslipButton_);
    } else {
        printButton_->setEnabled(false);
        payslipButton_->setEnabled(false);
        printAll->setEnabled(false);
        printDetail->setEnabled(false);
    }

    connect(addButton_, &QPushButton::clicked, this, [this] { addRecord(); });
    connect(editButton_, &QPushButton::clicked, this, [this] { editOrSave(); });
    connect(deleteButton_, &QPushButton::clicked, this, [this] { deleteOrCancel(); });
    connect(quick, &QPushButton::clicked, this, [this] { quickEntry(); });
    connect(printAll, &QAction::triggered, this, [this] { printPayroll(Document::Payroll); });
    connect(printDetail, &QAction::triggered, this, [this] { printPayroll(Document::Detailed); });
    connect(payslipButton_, &QPushButton::clicked, this, [this] { printPayslips(); });
    connect(close, &QPushButton::clicked, this, [this] { closeScreen(); });
    return bar;
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
    unitBox_->clear();
    unitBox_->addItem(QStringLiteral("Tümü"), 0);
    int chosen = 0;
    for (const UnitItem &u : units) {
        unitBox_->addItem(u.BIRIM, u.BKOD);
        if (u.BKOD == session_.ctx.MBKOD)
            chosen = unitBox_->count() - 1;
    }
    unitBox_->setCurrentIndex(chosen);
    filling_ = false;
    unit_ = unitBox_->currentData().toInt();
    signatories_ = readSignatories(db, unit_ ? unit_ : session_.ctx.MBKOD);
}

void PayrollScreen::fillLists()
{
    db::Database &db = session_.main();
    const personnel::LookupList marital = maritalStatuses(db);
    const personnel::LookupList spouse = personnel::spouseCodes(db);
    const personnel::LookupList unions = personnel::unions(db);
    const personnel::LookupList companies = pensionCompanies(db);
    for (const auto &b : bindings_) {
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
    for (const auto &b : bindings_) {
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
    unit_ = unitBox_->currentData().toInt();
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
    s.person = singlePerson_->isChecked() ? person_ : 0;
    s.everyStatus = statusBox_->currentIndex() == 0;
    s.order = orderRegistry_->isChecked() ? payrollrun::RunOrder::Registry
              : orderName_->isChecked()   ? payrollrun::RunOrder::Name
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
    const QDate today = clock::today();
    runYear_ = today.year();
    runMonth_ = today.month();
    periodText_ = payrollscreen::periodText(runMonth_, runYear_);
    period_->setText(periodText_);

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
    rateFields_[0]->setText(rateText(r.KATSAYI));
    rateFields_[1]->setText(rateText(r.YOD));
    rateFields_[2]->setText(rateText(r.TAK));
    rateFields_[3]->setText(rateText(r.KAK));
    rateFields_[4]->setText(rateText(r.EYMM));
    rateFields_[5]->setText(rateText(r.INDIRIM));
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
        for (QTableView *v : {personList_, payGrid_}) {
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
    for (const auto &b : bindings_)
        b->show(shown);
    pkaynoShown_->setText(record_ ? QString::number(key.PKAYNO) : QString());
    pkodShown_->setText(record_ ? QString::number(key.PKOD) : QString());
    unitShown_->setText(record_ ? record_->BIRIM : QString());
    updateCommands();
}

// ---- Browse and edit state --------------------------------------------------------------

void PayrollScreen::setEditing(bool on)
{
    editing_ = on;
    for (QWidget *p : panels_)
        p->setEnabled(on);
    editButton_->setText(on ? QStringLiteral("Kayıt") : QStringLiteral("Düzenle"));
    deleteButton_->setText(on ? QStringLiteral("İptal") : QStringLiteral("Sil"));
    addButton_->setVisible(!on);
    // While a record is edited nothing may reload the selection or move to another record:
    // the edits would be lost.
    for (QWidget *w : std::initializer_list<QWidget *>{unitBox_, statusBox_, allPeople_, singlePerson_,
                                                       orderCode_, orderRegistry_, orderName_, personList_, payGrid_})
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
    editButton_->setEnabled(editing_ || current);
    deleteButton_->setEnabled(editing_ || current);
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
    for (const auto &b : bindings_) {
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
    if (statusBox_->currentIndex() == 0) {
        // Every status listed would pay the records that are not to be paid.
        prompter_.inform(this, QString::fromUtf8(payrollmake::kChooseStatus));
        statusBox_->setFocus();
        return;
    }
    if (!printer_->choosePrinter(this))
        return;
    payrollmake::MakeRequest request;
    request.workingYear = workingYear_;
    request.today = clock::today();
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
