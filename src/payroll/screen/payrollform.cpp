#include "payrollform.h"

#include "codes.h"
#include "commandbar.h"
#include "fieldbinding.h"
#include "gridsetup.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace zeran::payrollscreen {

PayrollForm::PayrollForm() = default;
PayrollForm::PayrollForm(PayrollForm &&) noexcept = default;
PayrollForm &PayrollForm::operator=(PayrollForm &&) noexcept = default;
PayrollForm::~PayrollForm() = default;

namespace {

QPushButton *command(const QString &caption, const char *name, QWidget *parent)
{
    return ui::commandButton(caption, QLatin1String(name), {}, parent);
}

/// A list over `model` with its columns `widths` wide.
QTableView *listView(QWidget *parent, const char *name, QAbstractItemModel *model, std::initializer_list<int> widths)
{
    auto *v = new QTableView(parent);
    v->setObjectName(QLatin1String(name));
    ui::setUpGrid(v);
    // The columns keep the widths the screen gives them; the last one is not stretched.
    v->horizontalHeader()->setStretchLastSection(false);
    v->setAlternatingRowColors(true);
    // Fixed row heights: a view of ten thousand rows never measures its rows.
    v->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    v->verticalHeader()->setDefaultSectionSize(v->fontMetrics().height() + 6);
    v->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    v->horizontalHeader()->setHighlightSections(false);
    v->setModel(model);
    int column = 0;
    for (int width : widths)
        v->setColumnWidth(column++, width);
    return v;
}

/// A value the clerk reads and never types.
QLineEdit *shownField(const char *name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

QGridLayout *grid(QGroupBox *box)
{
    auto *g = new QGridLayout(box);
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(4);
    return g;
}

QGroupBox *group(const QString &title, const char *name, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(QLatin1String(name));
    return box;
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

/// Builds the pages into a form, binding each input to its column as it is made.
class Builder {
public:
    explicit Builder(PayrollForm &form) : f_(form) {}

    QWidget *selectionBar(QWidget *parent);
    QWidget *recordPage(QAbstractItemModel *people);
    QWidget *payPage(QAbstractItemModel *pay);
    QWidget *commandBar(QWidget *parent);

private:
    QWidget *incomePage();
    QWidget *deductionsPage();
    QWidget *otherPage();

    // Inputs bound to their columns, added to `grid` at `row` with `caption` (none when null).
    QLineEdit *numberInput(QGridLayout *grid, int row, int column, const QString &caption, const char *name);
    ui::MoneyEdit *amountInput(QGridLayout *grid, int row, int column, const QString &caption, const char *name,
                               ui::MoneyEdit::Style style = ui::MoneyEdit::Style::Amount);
    ui::CodeCombo *choiceInput(QGridLayout *grid, int row, int column, const QString &caption, const char *name,
                               const QString &objectSuffix = {});
    void addBinding(std::unique_ptr<FieldBinding> binding, QLabel *label);
    /// An input group locked in browse state, placed in `into`; its inputs go in the grid returned.
    QGridLayout *panel(QBoxLayout *into, QGroupBox *box);

    PayrollForm &f_;
};

void Builder::addBinding(std::unique_ptr<FieldBinding> binding, QLabel *label)
{
    binding->label = label;
    f_.bindings.push_back(std::move(binding));
}

QGridLayout *Builder::panel(QBoxLayout *into, QGroupBox *box)
{
    into->addWidget(box);
    f_.panels.push_back(box);
    return grid(box);
}

QLineEdit *Builder::numberInput(QGridLayout *g, int row, int column, const QString &caption, const char *name)
{
    auto *e = new QLineEdit;
    e->setObjectName(QStringLiteral("field_") + QLatin1String(name));
    e->setValidator(new QIntValidator(-32768, 32767, e));
    e->setMaximumWidth(90);
    QLabel *label = caption.isNull() ? nullptr : place(g, row, column, caption, e);
    addBinding(std::make_unique<NumberBinding>(QLatin1String(name), e), label);
    return e;
}

ui::MoneyEdit *Builder::amountInput(QGridLayout *g, int row, int column, const QString &caption, const char *name,
                                    ui::MoneyEdit::Style style)
{
    auto *e = new ui::MoneyEdit(nullptr, style);
    e->setObjectName(QStringLiteral("field_") + QLatin1String(name));
    e->setMaximumWidth(style == ui::MoneyEdit::Style::Plain ? 90 : 130);
    QLabel *label = caption.isNull() ? nullptr : place(g, row, column, caption, e);
    addBinding(std::make_unique<AmountBinding>(QLatin1String(name), e), label);
    return e;
}

ui::CodeCombo *Builder::choiceInput(QGridLayout *g, int row, int column, const QString &caption, const char *name,
                                    const QString &objectSuffix)
{
    auto *c = new ui::CodeCombo;
    c->setObjectName(QStringLiteral("field_") + QLatin1String(name) + objectSuffix);
    c->setMinimumWidth(130);
    QLabel *label = caption.isNull() ? nullptr : place(g, row, column, caption, c);
    addBinding(std::make_unique<ChoiceBinding>(QLatin1String(name), c), label);
    return c;
}

QWidget *Builder::selectionBar(QWidget *parent)
{
    auto *bar = new QWidget(parent);
    auto *h = new QHBoxLayout(bar);
    h->setContentsMargins(0, 0, 0, 0);

    f_.unitBox = new QComboBox(bar);
    f_.unitBox->setObjectName(QStringLiteral("unitBox"));
    f_.unitBox->setMinimumWidth(260);
    h->addWidget(f_.unitBox);

    h->addWidget(new QLabel(QStringLiteral("Durumu"), bar));
    f_.statusBox = new QComboBox(bar);
    f_.statusBox->setObjectName(QStringLiteral("statusBox"));
    f_.statusBox->addItems({QStringLiteral("Tümü"), QStringLiteral("Maaş Hesabı")});
    f_.statusBox->setCurrentIndex(1);
    h->addWidget(f_.statusBox);

    auto *people = new QGroupBox(bar);
    auto *ph = new QHBoxLayout(people);
    f_.allPeople = new QRadioButton(QStringLiteral("Tümü"), people);
    f_.allPeople->setObjectName(QStringLiteral("allPeopleButton"));
    f_.singlePerson = new QRadioButton(QStringLiteral("Tek Kişi"), people);
    f_.singlePerson->setObjectName(QStringLiteral("singlePersonButton"));
    f_.allPeople->setChecked(true);
    ph->addWidget(f_.allPeople);
    ph->addWidget(f_.singlePerson);
    h->addWidget(people);

    auto *order = group(QStringLiteral("Sıralama"), "orderGroup", bar);
    auto *oh = new QHBoxLayout(order);
    f_.orderCode = new QRadioButton(QStringLiteral("Kodu"), order);
    f_.orderCode->setObjectName(QStringLiteral("orderCodeButton"));
    f_.orderRegistry = new QRadioButton(QStringLiteral("Sicil No"), order);
    f_.orderRegistry->setObjectName(QStringLiteral("orderRegistryButton"));
    f_.orderName = new QRadioButton(QStringLiteral("Adı Soyadı"), order);
    f_.orderName->setObjectName(QStringLiteral("orderNameButton"));
    f_.orderCode->setChecked(true);
    for (QRadioButton *b : {f_.orderCode, f_.orderRegistry, f_.orderName})
        oh->addWidget(b);
    h->addWidget(order);

    f_.period = new QLabel(bar);
    f_.period->setObjectName(QStringLiteral("periodLabel"));
    QFont font = f_.period->font();
    font.setBold(true);
    f_.period->setFont(font);
    h->addWidget(f_.period);
    h->addStretch(1);
    return bar;
}

QWidget *Builder::recordPage(QAbstractItemModel *people)
{
    auto *page = new QWidget;
    auto *h = new QHBoxLayout(page);

    f_.personList = listView(page, "personList", people, {55, 110, 190});
    f_.personList->setMinimumWidth(380);
    f_.personList->setMaximumWidth(420);
    h->addWidget(f_.personList);

    f_.recordPages = new QTabWidget(page);
    f_.recordPages->setObjectName(QStringLiteral("recordPages"));
    f_.recordPages->addTab(scrolled(incomePage()), QStringLiteral("Gelirler"));
    f_.recordPages->addTab(scrolled(deductionsPage()), QStringLiteral("Kesintiler"));
    f_.recordPages->addTab(scrolled(otherPage()), QStringLiteral("Artış ve Diğer Bilgiler"));
    h->addWidget(f_.recordPages, 1);
    return page;
}

QWidget *Builder::incomePage()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    auto *top = new QHBoxLayout;
    v->addLayout(top);

    // "Maaş Bilgileri": the pay and retirement indicator sets side by side, then the family.
    auto *salary = group(QStringLiteral("Maaş Bilgileri"), "salaryGroup", page);
    auto *g = panel(top, salary);
    auto *payIndicator = command(QStringLiteral("..."), "payIndicatorButton", salary);
    payIndicator->setToolTip(QStringLiteral("Gösterge Tablosu"));
    payIndicator->setEnabled(false);  // enabled by its door (payrolldoors.h)
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

    // Pay status and the record's identity.
    auto *status = group(QString(), "statusGroup", page);
    auto *sg = panel(top, status);
    choiceInput(sg, 0, 0, QStringLiteral("Hesap Durumu"), "DURUM")->setChoices(personnel::durumChoices());
    choiceInput(sg, 1, 0, QStringLiteral("Maaş Türü"), "PERTUR")->setChoices(personnel::perturChoices());
    choiceInput(sg, 2, 0, QStringLiteral("Sigorta Türü"), "GSSTUR")->setChoices(personnel::gssturChoices());
    choiceInput(sg, 3, 0, QStringLiteral("Sendikası"), "SENKOD");
    choiceInput(sg, 4, 0, QStringLiteral("Kısmi Zamanlı"), "KISZAMAN")->setChoices(yesNoCodes());
    sg->setRowStretch(5, 1);

    auto *identity = new QGroupBox(page);
    auto *ig = grid(identity);
    f_.pkaynoShown = shownField("pkaynoShown", identity);
    f_.pkodShown = shownField("pkodShown", identity);
    f_.unitShown = shownField("unitShown", identity);
    place(ig, 0, 0, QStringLiteral("Kayıt No"), f_.pkaynoShown);
    place(ig, 1, 0, QStringLiteral("Personel Kodu"), f_.pkodShown);
    place(ig, 2, 0, QStringLiteral("Birimi"), f_.unitShown);
    ig->setRowStretch(3, 1);
    top->addWidget(identity);
    top->addStretch(1);

    // "Kazanç / Tazminat / Ek Ödm.": compensations and the extra items, captioned with the
    // items' names once the definitions are read.
    auto *earnings = group(QStringLiteral("Kazanç / Tazminat / Ek Ödm."), "earningsGroup", page);
    auto *eg = panel(v, earnings);
    numberInput(eg, 0, 0, QStringLiteral("Yan Ödeme P."), "YOP");
    numberInput(eg, 1, 0, QStringLiteral("Özel Hiz.Taz.%"), "OHT");
    amountInput(eg, 2, 0, QStringLiteral("Lojman Tazm."), "LTAZ");
    amountInput(eg, 3, 0, QStringLiteral("Ek Tazminat Puanı"), "EKTAZ", ui::MoneyEdit::Style::Plain);
    numberInput(eg, 4, 0, QStringLiteral("Ek Ödeme Puanı"), "EKOD");
    amountInput(eg, 5, 0, QStringLiteral("Diğer Tazm."), "DIGTAZ");
    amountInput(eg, 6, 0, QStringLiteral("Fazla Mesai Tut."), "MESAI");
    numberInput(eg, 7, 0, QStringLiteral("Yemek Günü"), "YEMEKGUN");
    for (int n = 1; n <= 10; ++n) {
        const QByteArray kazs = columnName(n, "KAZS").toLatin1();
        const QByteArray kaz = columnName(n, "KAZ").toLatin1();
        // Both inputs of an item share its row; the screen shows the one its kind uses.
        choiceInput(eg, n - 1, 1, QStringLiteral("%1. Hesap").arg(n), kazs.constData())->setChoices(yesNoCodes());
        amountInput(eg, n - 1, 2, QStringLiteral("%1. Hesap").arg(n), kaz.constData());
    }
    eg->setColumnStretch(6, 1);
    v->addStretch(1);
    return page;
}

QWidget *Builder::deductionsPage()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);

    auto *special = group(QStringLiteral("Özel Kesintiler"), "specialDeductionsGroup", page);
    auto *sg = panel(v, special);
    for (int n = 1; n <= 5; ++n) {
        const QByteArray kes = columnName(n, "KES").toLatin1();
        amountInput(sg, n - 1, 0, QStringLiteral("%1. Kesinti").arg(n), kes.constData());
    }
    sg->setColumnStretch(2, 1);

    auto *deductions = group(QStringLiteral("Kesintiler"), "deductionsGroup", page);
    auto *dg = panel(v, deductions);
    amountInput(dg, 0, 0, QStringLiteral("Para Cezası"), "PCEZA");
    choiceInput(dg, 1, 0, QStringLiteral("Kefalet Kesintisi"), "KEFALET")->setChoices(yesNoCodes());
    amountInput(dg, 2, 0, QStringLiteral("Lojman Kirası"), "KIRA");
    choiceInput(dg, 3, 0, QStringLiteral("Sendikaya Tabi"), "SENDIKA")->setChoices(yesNoCodes());
    choiceInput(dg, 4, 0, QStringLiteral("Sendika Adı"), "SENKOD", QStringLiteral("_2"));
    choiceInput(dg, 5, 0, QStringLiteral("Bireysel Emeklilik"), "BES")->setChoices(yesNoCodes());
    auto *company = choiceInput(dg, 6, 0, QStringLiteral("BES Firma Adı"), "BESKOD");
    company->setMinimumWidth(220);
    amountInput(dg, 6, 1, QStringLiteral("%"), "BESORAN", ui::MoneyEdit::Style::Plain);
    amountInput(dg, 7, 0, QStringLiteral("İcra Kesintisi"), "ICRA");
    dg->setColumnStretch(4, 1);

    auto *allowances = group(QStringLiteral("İndirimler"), "allowancesGroup", page);
    auto *ag = panel(v, allowances);
    amountInput(ag, 0, 0, QStringLiteral("Hizmet Borçlanması"), "HIZBOR");
    auto *advance = new QCheckBox(QStringLiteral("Peşin Ödeme"), allowances);
    advance->setObjectName(QStringLiteral("field_HIZBORDUR"));
    ag->addWidget(advance, 0, 2);
    addBinding(std::make_unique<CheckBinding>(QStringLiteral("HIZBORDUR"), advance), nullptr);
    amountInput(ag, 1, 0, QStringLiteral("Özel Sigorta Tutarı"), "OZIN");
    numberInput(ag, 2, 0, QStringLiteral("Sakatlık Derecesi"), "SAKDER");
    ag->setColumnStretch(3, 1);
    v->addStretch(1);

    // The union is chosen on both pages; the two lists always show the same union.
    std::vector<ui::CodeCombo *> unions;
    for (const auto &b : f_.bindings) {
        if (b->column() == QLatin1String("SENKOD"))
            unions.push_back(static_cast<ChoiceBinding *>(b.get())->combo());
    }
    for (ui::CodeCombo *from : unions) {
        for (ui::CodeCombo *to : unions) {
            if (from != to)
                QObject::connect(from, &QComboBox::currentIndexChanged, to, [from, to] {
                    if (to->currentIndex() != from->currentIndex())
                        to->setCurrentIndex(from->currentIndex());
                });
        }
    }
    return page;
}

QWidget *Builder::otherPage()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    auto *raises = group(QString(), "raisesGroup", page);
    auto *g = panel(v, raises);
    auto *tertar = new ui::DateEdit(raises);
    tertar->setObjectName(QStringLiteral("field_TERTAR"));
    addBinding(std::make_unique<DateBinding>(QStringLiteral("TERTAR"), tertar),
               place(g, 0, 0, QStringLiteral("Terfi Tarihi"), tertar));
    numberInput(g, 1, 0, QStringLiteral("Terfi Fark Ayı"), "TFA");
    numberInput(g, 2, 0, QStringLiteral("Göst. Farkı"), "GF");
    numberInput(g, 3, 0, QStringLiteral("Kıdem Artışı"), "KIDART");
    numberInput(g, 4, 0, QStringLiteral("Rapor Günü"), "RAPOR");
    amountInput(g, 5, 0, QStringLiteral("Kıstel Yevmiye"), "KGUN", ui::MoneyEdit::Style::Plain);
    choiceInput(g, 6, 0, QStringLiteral("Kıstel Em. Kes."), "KISTEMKES")->setChoices(yesNoCodes());
    choiceInput(g, 7, 0, QStringLiteral("Vekil Zeran"), "VEKIL")->setChoices(yesNoCodes());
    choiceInput(g, 8, 0, QStringLiteral("İlk Giriş Aidatı"), "YIG")->setChoices(yesNoCodes());
    g->setColumnStretch(2, 1);

    // The person's commands.
    auto *commands = group(QString(), "personCommands", page);
    auto *ch = new QGridLayout(commands);
    f_.childrenButton = command(QStringLiteral("Çocuk Listesi"), "childrenButton", commands);
    f_.garnishmentsButton = command(QStringLiteral("İcra Bilgileri"), "garnishmentsButton", commands);
    f_.serviceDebtsButton = command(QStringLiteral("Borçlanma"), "serviceDebtsButton", commands);
    auto *leave = command(QStringLiteral("İzin Bilgileri"), "leaveButton", commands);
    auto *past = command(QStringLiteral("Geçmiş Bord."), "pastPayrollsButton", commands);
    auto *bases = command(QStringLiteral("Matrahlar"), "taxBasesButton", commands);
    auto *summary = command(QStringLiteral("Kes.İcmali"), "deductionSummaryButton", commands);
    const std::array<QPushButton *, 7> all = {f_.childrenButton, f_.garnishmentsButton, f_.serviceDebtsButton,
                                              leave, past, bases, summary};
    for (std::size_t i = 0; i < all.size(); ++i)
        ch->addWidget(all[i], int(i / 4), int(i % 4));
    // Their screens live in higher modules: a registered door enables them.
    for (QPushButton *later : {leave, past, bases, summary})
        later->setEnabled(false);
    v->addWidget(commands);
    v->addStretch(1);
    return page;
}

QWidget *Builder::payPage(QAbstractItemModel *pay)
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    f_.payGrid = listView(page, "payGrid", pay, {50, 190, 150, 60, 55, 60, 40, 110, 110, 110, 110, 110, 200});
    v->addWidget(f_.payGrid, 1);

    auto *rates = group(QStringLiteral("Katsayılar"), "ratesGroup", page);
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
        QLineEdit *e = shownField(captions[i].second, rates);
        e->setMaximumWidth(110);
        rg->addWidget(e);
        f_.rateFields[i] = e;
    }
    rg->addStretch(1);
    v->addWidget(rates);
    return page;
}

QWidget *Builder::commandBar(QWidget *parent)
{
    auto *bar = new QWidget(parent);
    auto *g = new QGridLayout(bar);
    g->setContentsMargins(0, 0, 0, 0);

    // A command of the bar, where the form keeps it, and whether its screen lives in a higher
    // module (it is built disabled then, and its registered door enables it).
    struct Command {
        const char *caption;
        const char *name;
        QPushButton **kept = nullptr;
        bool later = false;
    };
    QPushButton *files = nullptr;
    const std::array<Command, 15> commands = {{
        // First row
        {"Ekle", "addButton", &f_.addButton},
        {"Düzenle", "editButton", &f_.editButton},
        {"Sil", "deleteButton", &f_.deleteButton},
        {"Bul", "findButton", &f_.findButton},
        {"Hızlı Giriş", "quickEntryButton", &f_.quickEntryButton},
        {"Kesintiler", "deductionsButton", nullptr, true},
        {"Terfiler", "promotionsButton", nullptr, true},
        {"Bordro Hesapla", "computeButton", nullptr, true},
        // Second row
        {"Bordro Yazdır", "printButton", &f_.printButton},
        {"Fiş Yazdır", "payslipButton", &f_.payslipButton},
        {"Ödeme Emri", "paymentOrderButton", nullptr, true},
        {"Maaş İcmali", "summaryButton", nullptr, true},
        {"Dosya Oluştur", "filesButton", &files, true},
        {"Maaş Listeleri", "listsButton", nullptr, true},
        {"Çıkış", "closeButton", &f_.closeButton},
    }};
    constexpr std::size_t kFirstRow = 8;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        QPushButton *b = command(QString::fromUtf8(commands[i].caption), commands[i].name, bar);
        g->addWidget(b, int(i / kFirstRow), int(i % kFirstRow));
        if (commands[i].kept)
            *commands[i].kept = b;
        if (commands[i].later)
            b->setEnabled(false);
    }

    auto *printMenu = new QMenu(f_.printButton);
    f_.printAll = printMenu->addAction(QStringLiteral("Toplu Yaz"));
    f_.printAll->setObjectName(QStringLiteral("printAllAction"));
    f_.printDetail = printMenu->addAction(QStringLiteral("Detay Yaz"));
    f_.printDetail->setObjectName(QStringLiteral("printDetailAction"));
    f_.printButton->setMenu(printMenu);
    auto *filesMenu = new QMenu(files);
    filesMenu->addAction(QStringLiteral("Emekli Kesenek Dosyası"))->setObjectName(QStringLiteral("retirementFileAction"));
    filesMenu->addAction(QStringLiteral("Banka Maaş Dosyası"))->setObjectName(QStringLiteral("bankFileAction"));
    files->setMenu(filesMenu);
    return bar;
}

}  // namespace

PayrollForm buildPayrollForm(QWidget *screen, QAbstractItemModel *people, QAbstractItemModel *pay)
{
    PayrollForm f;
    Builder b(f);
    f.pages = new QTabWidget(screen);
    f.pages->setObjectName(QStringLiteral("pages"));
    f.pages->addTab(b.recordPage(people), QStringLiteral("Bordro Bilgileri"));
    f.pages->addTab(b.payPage(pay), QStringLiteral("Maaşlar"));

    auto *layout = new QVBoxLayout(screen);
    layout->addWidget(b.selectionBar(screen));
    layout->addWidget(f.pages, 1);
    layout->addWidget(b.commandBar(screen));
    return f;
}

}  // namespace zeran::payrollscreen
