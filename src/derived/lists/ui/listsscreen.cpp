#include "listsscreen.h"

#include "banklistprint.h"
#include "calendar.h"
#include "commandbar.h"
#include "context.h"
#include "format.h"
#include "gridsetup.h"
#include "output.h"
#include "prompter.h"
#include "session.h"
#include "uniondetail.h"
#include "unitstore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace zeran::lists {

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The choices kept between openings in one program run.
struct Remembered {
    bool opened = false;
    int unit = 0, month = 0, union_ = 0;
};
Remembered &remembered()
{
    static Remembered r;
    return r;
}

QWidget *labelled(QWidget *parent, const QString &caption, QWidget *field)
{
    auto *w = new QWidget(parent);
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(new QLabel(caption, w));
    l->addWidget(field, 1);
    return w;
}

}  // namespace

ListsScreen::ListsScreen(QWidget *parent, db::Database &db, WorkingContext &context, ui::Prompter &prompter)
    : QDialog(parent), db_(db), context_(context), prompter_(prompter)
{
    setWindowTitle(u("BORDRO LİSTELERİ"));
    auto *layout = new QHBoxLayout(this);
    auto *group = new QGroupBox(u("LİSTE"), this);
    auto *groupLayout = new QVBoxLayout(group);
    pageList_ = new QListWidget(group);
    pageList_->setObjectName(QStringLiteral("pageList"));
    for (const PageInfo &p : pages())
        pageList_->addItem(p.entry);
    groupLayout->addWidget(pageList_);
    layout->addWidget(group);

    auto *right = new QVBoxLayout;
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("headingLabel"));
    QFont f = heading_->font();
    f.setBold(true);
    heading_->setFont(f);
    right->addWidget(heading_);

    auto *top = new QHBoxLayout;
    unitBox_ = new QComboBox(this);
    unitBox_->setObjectName(QStringLiteral("unitBox"));
    unitBox_->addItem(u("TÜMÜ"), 0);
    monthBox_ = new QComboBox(this);
    monthBox_->setObjectName(QStringLiteral("monthBox"));
    monthBox_->addItem(u("TÜMÜ"), 0);
    for (int m = 1; m <= 12; ++m)
        monthBox_->addItem(cal::monthName(m), m);
    period_ = new QLabel(this);
    period_->setObjectName(QStringLiteral("periodLabel"));
    top->addWidget(labelled(this, u("Birim"), unitBox_), 2);
    top->addWidget(labelled(this, u("Ay"), monthBox_), 1);
    top->addWidget(labelled(this, u("Maaş Dönemi"), period_), 2);
    right->addLayout(top);

    auto *options = new QHBoxLayout;
    unionBox_ = new QComboBox(this);
    unionBox_->setObjectName(QStringLiteral("unionBox"));
    unionBox_->addItem(u("TÜMÜ"), 0);
    insuranceBox_ = new QComboBox(this);
    insuranceBox_->setObjectName(QStringLiteral("insuranceBox"));
    insuranceBox_->addItems({u("Normal"), u("5510 S.K.")});
    deductionBox_ = new QComboBox(this);
    deductionBox_->setObjectName(QStringLiteral("deductionBox"));
    deductionBox_->addItem(u("TÜMÜ"), 0);
    differenceBox_ = new QCheckBox(u("Fark Ekle"), this);
    differenceBox_->setObjectName(QStringLiteral("differenceBox"));
    unionRow_ = labelled(this, u("Sendika  Adı"), unionBox_);
    insuranceRow_ = labelled(this, u("Sigorta Türü"), insuranceBox_);
    deductionRow_ = labelled(this, u("Kesinti"), deductionBox_);
    options->addWidget(unionRow_);
    options->addWidget(insuranceRow_);
    options->addWidget(deductionRow_);
    options->addWidget(differenceBox_);
    options->addStretch();
    right->addLayout(options);

    model_ = new QStandardItemModel(this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setModel(model_);
    ui::setUpGrid(grid_);
    right->addWidget(grid_, 1);

    auto *bar = new ui::CommandBar(this);
    QPushButton *printButton = bar->add(u("Yazdır"), QStringLiteral("printButton"));
    detailButton_ = bar->add(u("Detay Liste"), QStringLiteral("detailButton"));
    bar->addStretch();
    QPushButton *exitButton = bar->add(u("Çıkış"), QStringLiteral("exitButton"));
    right->addWidget(bar);
    layout->addLayout(right, 1);

    try {
        for (const units::UnitName &n : units::units(db_, units::UnitFilter::ActiveSalary))
            unitBox_->addItem(n.BIRIM, n.BKOD);
        for (const UnionChoice &c : loadUnions(db_))
            unionBox_->addItem(c.SENDIKA, c.SENKOD);
        deductionNames_ = deductionHeadings(loadDeductions(db_));
        for (int n = 1; n <= 5; ++n)
            deductionBox_->addItem(deductionNames_[std::size_t(n - 1)], n);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }

    Remembered &r = remembered();
    if (!r.opened) {
        r.opened = true;
        r.month = context_.startUpDate().month();
    }
    unitBox_->setCurrentIndex(std::max(0, unitBox_->findData(r.unit)));
    monthBox_->setCurrentIndex(std::max(0, monthBox_->findData(r.month)));
    unionBox_->setCurrentIndex(std::max(0, unionBox_->findData(r.union_)));

    connect(pageList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < int(pages().size()))
            showPage(pages()[std::size_t(row)].page);
    });
    connect(unitBox_, &QComboBox::currentIndexChanged, this, [this] {
        remembered().unit = unitBox_->currentData().toInt();
        refresh();
    });
    connect(monthBox_, &QComboBox::currentIndexChanged, this, [this] {
        remembered().month = monthBox_->currentData().toInt();
        refresh();
    });
    connect(unionBox_, &QComboBox::currentIndexChanged, this, [this] {
        remembered().union_ = unionBox_->currentData().toInt();
        refresh();
    });
    connect(differenceBox_, &QCheckBox::toggled, this, [this] { refresh(); });
    connect(insuranceBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index == 0)
            normalChosenAgain_ = true;
        refresh();
    });
    connect(deductionBox_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(printButton, &QPushButton::clicked, this, &ListsScreen::print);
    connect(detailButton_, &QPushButton::clicked, this, &ListsScreen::openUnionDetail);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    resize(1150, 650);
    loading_ = false;
    pageList_->setCurrentRow(0);
}

ListsScreen::~ListsScreen() = default;

ListQuery ListsScreen::query() const
{
    ListQuery q;
    q.page = page_;
    q.year = context_.CYIL;
    q.month = monthBox_->currentData().toInt();
    q.unit = unitBox_->currentData().toInt();
    q.law5510 = insuranceBox_->currentIndex() == 1;
    q.union_ = unionBox_->currentData().toInt();
    q.addDifference = differenceBox_->isChecked();
    q.hideFrom = hideFromMonth(context_.CYIL, context_.startUpDate());
    return q;
}

PageOptions ListsScreen::options() const
{
    PageOptions o;
    o.law5510 = insuranceBox_->currentIndex() == 1;
    o.deduction = deductionBox_->currentData().toInt();
    o.deductionNames = deductionNames_;
    o.normalChosenAgain = normalChosenAgain_;
    return o;
}

void ListsScreen::showPage(Page page)
{
    page_ = page;
    const int row = [&] {
        for (std::size_t i = 0; i < pages().size(); ++i)
            if (pages()[i].page == page)
                return int(i);
        return 0;
    }();
    if (pageList_->currentRow() != row) {
        pageList_->setCurrentRow(row);  // comes back here through the signal
        return;
    }
    heading_->setText(pageInfo(page).heading);
    updateOptionWidgets();
    refresh();
}

void ListsScreen::updateOptionWidgets()
{
    unionRow_->setVisible(page_ == Page::Union);
    detailButton_->setVisible(page_ == Page::Union);
    insuranceRow_->setVisible(page_ == Page::Retirement);
    deductionRow_->setVisible(page_ == Page::Special);
    differenceBox_->setVisible(page_ == Page::Tax || page_ == Page::Bank);
}

void ListsScreen::refresh()
{
    if (loading_)
        return;
    period_->setText(periodText(context_.startUpDate(), monthBox_->currentData().toInt(), context_.CYIL));
    try {
        const ListQuery q = query();
        table_ = page_ == Page::Bank ? loadBankTable(db_, q) : gridTable(page_, loadListRows(db_, q), options());
    } catch (const db::DbError &e) {
        table_ = Table{};
        prompter_.inform(this, e.text);
    }
    model_->clear();
    QStringList headers;
    for (const Column &c : table_.columns)
        headers << c.heading;
    model_->setHorizontalHeaderLabels(headers);
    for (const std::vector<Value> &line : table_.rows) {
        QList<QStandardItem *> items;
        for (const Value &v : line) {
            auto *item = new QStandardItem(v.amount ? report::amount(*v.amount) : v.text);
            if (v.amount)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            items << item;
        }
        model_->appendRow(items);
    }
}

report::Document ListsScreen::document() const
{
    const ListQuery q = query();
    const std::vector<ListSource> rows = loadListRows(db_, q);
    return listDocument(page_, printTable(page_, rows, options()), loadListHeading(db_, q), options());
}

void ListsScreen::print()
{
    if (page_ == Page::Bank) {
        bankfiles::BankListQuery bq;
        const ListQuery q = query();
        bq.year = q.year;
        bq.month = q.month;
        bq.unit = q.unit;
        bq.addDifference = q.addDifference;
        bankfiles::printBankList(this, db_, bq, prompter_);
        return;
    }
    const bool chosen = chooser_ ? chooser_(printer_) : report::choosePrinter(this, printer_);
    if (!chosen)
        return;
    try {
        const report::Document doc = document();
        const bool preview = context_.ONIZ.trimmed() == QLatin1String("E");
        if (output_)
            output_(doc, preview);
        else if (preview)
            report::preview(this, printer_, doc);
        else
            report::print(printer_, doc);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
}

void ListsScreen::openUnionDetail()
{
    UnionDetailDialog dialog(this, db_, context_, prompter_);
    dialog.exec();
}

void openLists(QWidget *parent, Session &session, ui::Prompter &prompter)
{
    ListsScreen screen(parent, session.main(), session.ctx, prompter);
    screen.exec();
}

}  // namespace zeran::lists
