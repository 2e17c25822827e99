#include "personsearchdialog.h"

#include "codecombo.h"
#include "codes.h"
#include "commandbar.h"
#include "dateedit.h"
#include "gridsetup.h"
#include "lookups.h"
#include "moneyedit.h"
#include "lookups.h"
#include "prompter.h"
#include "session.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeran::personnel {

namespace {
QTableWidget *makeGrid(const QStringList &captions, QWidget *parent)
{
    auto *g = new QTableWidget(0, int(captions.size()), parent);
    g->setObjectName(QStringLiteral("searchGrid"));
    g->setHorizontalHeaderLabels(captions);
    ui::setUpGrid(g);
    return g;
}

void fill(QTableWidget *g, const QVector<QStringList> &cells)
{
    g->setRowCount(0);
    g->setRowCount(int(cells.size()));
    for (int r = 0; r < cells.size(); ++r)
        for (int c = 0; c < cells.at(r).size(); ++c)
            g->setItem(r, c, new QTableWidgetItem(cells.at(r).at(c)));
    if (!cells.isEmpty())
        g->setCurrentCell(0, 0);
}

QComboBox *orderingCombo(QWidget *parent)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QStringLiteral("orderingCombo"));
    c->addItems({QStringLiteral("Kodu"), QStringLiteral("Adı Soyadı")});
    return c;
}
}  // namespace

PersonSearchDialog::PersonSearchDialog(Session &session, ui::Prompter &prompter, QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter)
{
    setObjectName(QStringLiteral("personSearchDialog"));
    setWindowTitle(QStringLiteral("PERSONEL ARAMA İŞLEMİ"));
    setModal(true);

    unit_ = new ui::CodeCombo(this);
    unit_->setObjectName(QStringLiteral("unitCombo"));
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("searchField"));
    ordering_ = orderingCombo(this);
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Birim"), this));
    top->addWidget(unit_, 1);
    top->addWidget(new QLabel(QStringLiteral("Adı Soyadı"), this));
    top->addWidget(search_, 1);
    top->addWidget(new QLabel(QStringLiteral("Sıralama"), this));
    top->addWidget(ordering_);

    grid_ = makeGrid({QStringLiteral("Kodu"), QStringLiteral("Birim Adı"), QStringLiteral("Adı ve Soyadı"),
                      QStringLiteral("Görevi")},
                     this);
    auto *exit = ui::commandButton(QStringLiteral("ESC Çıkış"), QStringLiteral("exitButton"), {}, this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(exit);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    resize(760, 520);

    connect(unit_, &QComboBox::currentIndexChanged, this, [this] {
        if (!loading_)
            list();
    });
    connect(ordering_, &QComboBox::currentIndexChanged, this, [this] {
        if (!loading_)
            list();
    });
    connect(search_, &QLineEdit::textChanged, this, [this] {
        if (!loading_)
            list();
    });
    connect(search_, &QLineEdit::returnPressed, this, &PersonSearchDialog::choose);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &PersonSearchDialog::choose);
    connect(exit, &QPushButton::clicked, this, &PersonSearchDialog::reject);
}

bool PersonSearchDialog::load()
{
    LookupList units;
    try {
        units = allUnits(session_.main());
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    loading_ = true;
    // Each name keeps its unit's code: looking a code up by name would find the wrong
    // unit when two units share a name.
    unit_->clear();
    unit_->addItem(QStringLiteral("TÜMÜ"), QVariant());
    for (const LookupItem &u : units)
        unit_->addItem(u.text, u.code);
    unit_->setCurrentIndex(0);
    ordering_->setCurrentIndex(1);
    search_->clear();
    loading_ = false;
    return list();
}

bool PersonSearchDialog::list()
{
    const std::optional<int> bkod = unit_->currentIndex() > 0 ? unit_->codeNumber() : std::nullopt;
    const SearchOrder order = ordering_->currentIndex() == 0 ? SearchOrder::ByCode : SearchOrder::ByName;
    try {
        rows_ = searchPersons(session_.main(), bkod, search_->text(), order);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    QVector<QStringList> cells;
    for (const PersonSearchRow &r : rows_)
        cells.push_back({QString::number(r.PKOD), r.BIRIM, r.ADSOY, r.UNVAN});
    fill(grid_, cells);
    return true;
}

void PersonSearchDialog::choose()
{
    const int r = grid_->currentRow();
    if (r < 0 || r >= rows_.size())
        return;
    pick_ = PersonPick{rows_.at(r).PKAYNO, rows_.at(r).BKOD};
    accept();
}

void PersonSearchDialog::setUnitIndex(int index)
{
    unit_->setCurrentIndex(index);
}

void PersonSearchDialog::setOrdering(int index)
{
    ordering_->setCurrentIndex(index);
}

void PersonSearchDialog::setSearchText(const QString &text)
{
    search_->setText(text);
}

ArchivePersonSearchDialog::ArchivePersonSearchDialog(Session &session, ui::Prompter &prompter, int unit,
                                                     QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter), unit_(unit)
{
    setObjectName(QStringLiteral("archivePersonSearchDialog"));
    setWindowTitle(QStringLiteral("ARŞİV PERSONEL ARAMA İŞLEMİ"));
    setModal(true);

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("searchField"));
    ordering_ = orderingCombo(this);
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Ara"), this));
    top->addWidget(search_, 1);
    top->addWidget(new QLabel(QStringLiteral("Sıralama"), this));
    top->addWidget(ordering_);

    grid_ = makeGrid({QStringLiteral("Kodu"), QStringLiteral("Em. Sicil No"), QStringLiteral("Adı ve Soyadı")}, this);
    auto *exit = ui::commandButton(QStringLiteral("Çıkış"), QStringLiteral("exitButton"), {}, this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(exit);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    resize(620, 480);

    connect(ordering_, &QComboBox::currentIndexChanged, this, [this] {
        search_->clear();
        list();
    });
    connect(search_, &QLineEdit::textEdited, this, &ArchivePersonSearchDialog::search);
    connect(search_, &QLineEdit::returnPressed, this, &ArchivePersonSearchDialog::choose);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &ArchivePersonSearchDialog::choose);
    connect(exit, &QPushButton::clicked, this, &ArchivePersonSearchDialog::reject);
}

bool ArchivePersonSearchDialog::load()
{
    return list();
}

bool ArchivePersonSearchDialog::list()
{
    const SearchOrder order = ordering_->currentIndex() == 1 ? SearchOrder::ByName : SearchOrder::ByCode;
    try {
        rows_ = archivePersons(session_.main(), unit_, order);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    QVector<QStringList> cells;
    for (const ArchivePersonRow &r : rows_)
        cells.push_back({r.PKOD ? QString::number(*r.PKOD) : QString(), r.EMSNO, r.ADSOY});
    fill(grid_, cells);
    return true;
}

void ArchivePersonSearchDialog::choose()
{
    const int r = grid_->currentRow();
    if (r < 0 || r >= rows_.size())
        return;
    pick_ = rows_.at(r).PKAYNO;
    accept();
}

void ArchivePersonSearchDialog::setOrdering(int index)
{
    ordering_->setCurrentIndex(index);
}

void ArchivePersonSearchDialog::search(const QString &text)
{
    if (search_->text() != text)
        search_->setText(text);
    QStringList keys;
    const bool byName = ordering_->currentIndex() == 1;
    for (const ArchivePersonRow &r : rows_)
        keys << (byName ? r.ADSOY : (r.PKOD ? QString::number(*r.PKOD) : QString()));
    const int i = firstRowStartingWith(keys, text);
    if (i >= 0)
        grid_->setCurrentCell(i, 0);
}

}  // namespace zeran::personnel
