#include "uniondetail.h"

#include "commandbar.h"
#include "context.h"
#include "dateedit.h"
#include "format.h"
#include "gridsetup.h"
#include "output.h"
#include "prompter.h"
#include "unitstore.h"
#include "viewsloader.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
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

}  // namespace

UnionDetailDialog::UnionDetailDialog(QWidget *parent, db::Database &db, WorkingContext &context, ui::Prompter &prompter)
    : QDialog(parent), db_(db), context_(context), prompter_(prompter)
{
    setWindowTitle(u("SENDİKA LİSTESİ"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    from_ = new ui::DateEdit(this);
    from_->setObjectName(QStringLiteral("fromEdit"));
    to_ = new ui::DateEdit(this);
    to_->setObjectName(QStringLiteral("toEdit"));
    from_->setDate(context_.startUpDate());
    to_->setDate(context_.startUpDate());
    unitBox_ = new QComboBox(this);
    unitBox_->setObjectName(QStringLiteral("unitBox"));
    unitBox_->addItem(u("Tümü"), 0);
    try {
        for (const units::UnitName &n : units::units(db_, units::UnitFilter::All))
            unitBox_->addItem(n.BIRIM, n.BKOD);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    top->addWidget(new QLabel(u("Başlangıç Tarihi"), this));
    top->addWidget(from_);
    top->addWidget(new QLabel(u("Bitiş Tarihi"), this));
    top->addWidget(to_);
    top->addWidget(new QLabel(u("Birimi"), this));
    top->addWidget(unitBox_, 1);
    layout->addLayout(top);

    model_ = new QStandardItemModel(this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setModel(model_);
    ui::setUpGrid(grid_);
    layout->addWidget(grid_, 1);
    totalLabel_ = new QLabel(this);
    totalLabel_->setObjectName(QStringLiteral("totalLabel"));
    totalLabel_->setAlignment(Qt::AlignRight);
    layout->addWidget(totalLabel_);

    auto *bar = new ui::CommandBar(this);
    QPushButton *printButton = bar->add(u("Yazdır"), QStringLiteral("printButton"));
    bar->addStretch();
    QPushButton *exitButton = bar->add(u("Çıkış"), QStringLiteral("exitButton"));
    layout->addWidget(bar);
    connect(from_, &QLineEdit::returnPressed, this, &UnionDetailDialog::relist);
    connect(to_, &QLineEdit::returnPressed, this, &UnionDetailDialog::relist);
    connect(unitBox_, &QComboBox::currentIndexChanged, this, &UnionDetailDialog::relist);
    connect(printButton, &QPushButton::clicked, this, &UnionDetailDialog::print);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    resize(900, 550);
    relist();
}

void UnionDetailDialog::relist()
{
    if (from_->isBlank()) {
        prompter_.inform(this, u("Başlama Tarihini Giriniz"));
        return;
    }
    if (to_->isBlank()) {
        prompter_.inform(this, u("Bitiş Tarihini Giriniz"));
        return;
    }
    const std::optional<QDate> from = from_->date();
    const std::optional<QDate> to = to_->date();
    for (const auto &[date, edit] : {std::pair{from, from_}, std::pair{to, to_}})
        if (!date || !date->isValid()) {
            prompter_.inform(this, ui::invalidDateMessage(edit->text()));
            return;
        }
    try {
        rows_ = loadUnionDues(db_, *from, *to, unitBox_->currentData().toInt());
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    total_ = Money();
    model_->clear();
    model_->setHorizontalHeaderLabels({u("Adı ve Soyadı"), u("T.C.Kimlik No"), u("Tarih"), u("Sendıka Adı"), u("Aidat Tutarı")});
    for (const UnionDue &r : rows_) {
        auto *amount = new QStandardItem(report::amount(r.SENTUT));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        model_->appendRow({new QStandardItem(r.ADSOY), new QStandardItem(r.TCKNO), new QStandardItem(r.dateText()),
                           new QStandardItem(r.SENDIKA), amount});
        total_ += r.SENTUT;
    }
    totalLabel_->setText(report::amount(total_));
}

void UnionDetailDialog::print()
{
    units::Signatories signatories;
    try {
        if (const int unit = unitBox_->currentData().toInt())
            if (const auto h = units::unitHeader(db_, unit))
                signatories = h->signatories;
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    const report::Document doc = unionDuesDocument(rows_, total_, signatories);
    if (output_)
        output_(doc);
    else
        report::preview(this, printer_, doc);
}

}  // namespace zeran::lists
