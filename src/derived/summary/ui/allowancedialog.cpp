#include "allowancedialog.h"

#include "calendar.h"
#include "commandbar.h"
#include "context.h"
#include "format.h"
#include "gridsetup.h"
#include "output.h"
#include "prompter.h"
#include "session.h"
#include "summarydocs.h"
#include "summaryloader.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace zeran::summary {

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QStandardItem *item(const QString &text, bool right = false)
{
    auto *i = new QStandardItem(text);
    if (right)
        i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return i;
}

}  // namespace

AllowanceDialog::AllowanceDialog(QWidget *parent, db::Database &db, WorkingContext &context, ui::Prompter &prompter)
    : QDialog(parent), db_(db), context_(context), prompter_(prompter)
{
    setWindowTitle(u("VERGİ İADE BORDROSU"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(u("Birim"), this));
    unitBox_ = new QComboBox(this);
    unitBox_->setObjectName(QStringLiteral("unitBox"));
    unitBox_->addItem(u("TÜMÜ"), 0);
    try {
        for (const UnitChoice &c : allowanceUnits(db_, context_.CYIL))
            unitBox_->addItem(c.BIRIM, c.BKOD);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    top->addWidget(unitBox_, 1);
    top->addWidget(new QLabel(u("Ay"), this));
    monthBox_ = new QComboBox(this);
    monthBox_->setObjectName(QStringLiteral("monthBox"));
    for (const char *m : {"Ocak", "Şubat", "Mart", "Nisan", "Mayıs", "Haziran", "Temmuz", "Ağustos", "Eylül", "Ekim",
                          "Kasım", "Aralık"})
        monthBox_->addItem(u(m));
    const int month = context_.AY >= 1 && context_.AY <= 12 ? context_.AY : context_.startUpDate().month();
    monthBox_->setCurrentIndex(month - 1);
    top->addWidget(monthBox_);
    top->addWidget(new QLabel(u("Yıllık Asgari Ücret"), this));
    minimumWage_ = new QLineEdit(this);
    minimumWage_->setObjectName(QStringLiteral("minimumWageEdit"));
    minimumWage_->setReadOnly(true);
    minimumWage_->setAlignment(Qt::AlignRight);
    top->addWidget(minimumWage_);
    layout->addLayout(top);

    model_ = new QStandardItemModel(this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setModel(model_);
    ui::setUpGrid(grid_);
    layout->addWidget(grid_, 1);

    auto *bar = new ui::CommandBar(this);
    QPushButton *printButton = bar->add(u("Yazdır"), QStringLiteral("printButton"));
    bar->addStretch();
    QPushButton *exitButton = bar->add(u("Çıkış"), QStringLiteral("exitButton"));
    layout->addWidget(bar);
    connect(printButton, &QPushButton::clicked, this, &AllowanceDialog::print);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(unitBox_, &QComboBox::currentIndexChanged, this, [this] {
        if (const int bkod = unitBox_->currentData().toInt())
            context_.MBKOD = bkod;
        relist();
    });
    connect(monthBox_, &QComboBox::currentIndexChanged, this, [this] { relist(); });
    resize(1100, 600);
    relist();
}

void AllowanceDialog::relist()
{
    const int month = monthBox_->currentIndex() + 1;
    try {
        list_ = loadAllowanceList(db_, context_.CYIL, month, unitBox_->currentData().toInt());
    } catch (const db::DbError &e) {
        list_ = AllowanceList{};
        prompter_.inform(this, e.text);
    }
    minimumWage_->setText(report::amount(list_.yearlyMinimumWage));
    model_->clear();
    QStringList headers{u("Birim"), u("Sicil No"), u("Adı Soyadı"), u("Oran (%)"), u("Esas Tutar"),
                        u("Aylık Tutar")};
    for (int m = 1; m <= 12; ++m)
        headers << cal::monthName(m);
    model_->setHorizontalHeaderLabels(headers);
    for (const AllowanceRow &r : list_.rows) {
        QList<QStandardItem *> row{item(r.source.BIRIM), item(r.source.EMSNO), item(r.source.ADSOY),
                                   item(plainNumberText(r.ORAN), true), item(report::amount(r.ASGMAT), true),
                                   item(report::amount(r.ASGTUT), true)};
        for (const auto &m : r.AY)
            row << item(m ? report::amount(*m) : QString(), true);
        model_->appendRow(row);
    }
    grid_->horizontalHeader()->setStretchLastSection(false);
}

void AllowanceDialog::print()
{
    if (!report::choosePrinter(this, printer_))
        return;
    report::preview(this, printer_, allowanceDocument(list_));
}

void openAllowanceList(QWidget *parent, Session &session, ui::Prompter &prompter)
{
    AllowanceDialog dialog(parent, session.main(), session.ctx, prompter);
    dialog.exec();
}

}  // namespace zeran::summary
