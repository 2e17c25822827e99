#include "registrylistdialog.h"

#include "codecombo.h"
#include "codes.h"
#include "commandbar.h"
#include "dateedit.h"
#include "gridsetup.h"
#include "lookups.h"
#include "moneyedit.h"
#include "personsearch.h"
#include "prompter.h"
#include "registryrecorddialog.h"
#include "session.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeran::personnel {

RegistryListDialog::RegistryListDialog(Session &session, ui::Prompter &prompter, Mode mode, QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter), mode_(mode)
{
    setObjectName(QStringLiteral("registryListDialog"));
    setWindowTitle(QStringLiteral("SİCİL BİLGİLERİ"));
    setModal(true);
    record_ = [this](std::optional<int> pkayno) -> std::optional<int> {
        RegistryRecordDialog d(session_, prompter_, this);
        if (!(pkayno ? d.load(*pkayno) : d.loadNew()))
            return std::nullopt;
        if (d.exec() != QDialog::Accepted)
            return std::nullopt;
        return d.savedPkayno();
    };

    ordering_ = new QComboBox(this);
    ordering_->setObjectName(QStringLiteral("orderingCombo"));
    ordering_->addItems({QStringLiteral("Emekli Sicil No"), QStringLiteral("Adı Soyadı")});
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("searchField"));
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Sıralama"), this));
    top->addWidget(ordering_);
    top->addSpacing(16);
    top->addWidget(new QLabel(QStringLiteral("Ara"), this));
    top->addWidget(search_, 1);

    grid_ = new QTableWidget(0, 5, this);
    grid_->setObjectName(QStringLiteral("registryGrid"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("Adı Soyadı"), QStringLiteral("Emekli Sicil No"),
                                      QStringLiteral("T.C.Kimlik No"), QStringLiteral("Baba Adı"),
                                      QStringLiteral("Kayıt No")});
    // Read only: rows are added and changed through the record screen, never deleted here.
    ui::setUpGrid(grid_);
    // The spare width goes to the name alone, not also to the record number.
    grid_->horizontalHeader()->setStretchLastSection(false);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("countLabel"));

    auto *add = ui::commandButton(QStringLiteral("F2-Ekle"), QStringLiteral("addButton"), QKeySequence(Qt::Key_F2), this);
    auto *change =
        ui::commandButton(QStringLiteral("F4-Değiştir"), QStringLiteral("changeButton"), QKeySequence(Qt::Key_F4), this);
    auto *choose = ui::commandButton(QStringLiteral("F5-Seç"), QStringLiteral("chooseButton"), QKeySequence(Qt::Key_F5), this);
    auto *exit = ui::commandButton(QStringLiteral("ESC-Çıkış"), QStringLiteral("exitButton"), {}, this);
    choose->setVisible(mode_ == Mode::Select);
    choose->setEnabled(mode_ == Mode::Select);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(count_);
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(change);
    buttons->addWidget(choose);
    buttons->addWidget(exit);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    resize(760, 520);

    connect(ordering_, &QComboBox::currentIndexChanged, this, &RegistryListDialog::setOrdering);
    connect(search_, &QLineEdit::textEdited, this, &RegistryListDialog::search);
    connect(add, &QPushButton::clicked, this, &RegistryListDialog::add);
    connect(change, &QPushButton::clicked, this, &RegistryListDialog::change);
    connect(choose, &QPushButton::clicked, this, &RegistryListDialog::choose);
    connect(exit, &QPushButton::clicked, this, &RegistryListDialog::reject);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] {
        if (mode_ == Mode::Select)
            this->choose();
        else
            this->change();
    });
}

bool RegistryListDialog::reload()
{
    const RegistryOrder order = ordering_->currentIndex() == 1 ? RegistryOrder::ByName : RegistryOrder::ByRetirementNumber;
    try {
        rows_ = registryList(session_.main(), order);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    grid_->setRowCount(0);
    grid_->setRowCount(int(rows_.size()));
    for (int r = 0; r < rows_.size(); ++r) {
        const RegistryEntry &e = rows_.at(r);
        const QStringList cells{e.ADSOY, e.EMSNO, e.TCKNO, e.BABA, QString::number(e.PKAYNO)};
        for (int c = 0; c < cells.size(); ++c)
            grid_->setItem(r, c, new QTableWidgetItem(cells.at(c)));
    }
    count_->setText(QString::number(rows_.size()) + QStringLiteral(" Kişi"));
    if (!rows_.isEmpty())
        grid_->setCurrentCell(0, 0);
    return true;
}

int RegistryListDialog::rowCount() const
{
    return int(rows_.size());
}

int RegistryListDialog::currentPkayno() const
{
    const int r = grid_->currentRow();
    return r >= 0 && r < rows_.size() ? rows_.at(r).PKAYNO : 0;
}

bool RegistryListDialog::moveTo(int pkayno)
{
    for (int r = 0; r < rows_.size(); ++r) {
        if (rows_.at(r).PKAYNO == pkayno) {
            grid_->setCurrentCell(r, 0);
            return true;
        }
    }
    return false;
}

void RegistryListDialog::add()
{
    if (record_)
        afterRecord(record_(std::nullopt));
}

void RegistryListDialog::change()
{
    const int pk = currentPkayno();
    if (pk == 0 || !record_)
        return;
    afterRecord(record_(pk));
}

void RegistryListDialog::afterRecord(const std::optional<int> &saved)
{
    if (!saved)
        return;
    reload();
    moveTo(*saved);
}

void RegistryListDialog::choose()
{
    if (mode_ != Mode::Select)
        return;
    const int r = grid_->currentRow();
    if (r < 0 || r >= rows_.size())
        return;
    selection_ = RegistrySelection{rows_.at(r).PKAYNO, rows_.at(r).EMSNO};
    accept();
}

void RegistryListDialog::setOrdering(int index)
{
    if (ordering_->currentIndex() != index) {
        ordering_->setCurrentIndex(index);  // comes back here through the signal
        return;
    }
    search_->clear();
    reload();
}

void RegistryListDialog::search(const QString &text)
{
    if (search_->text() != text)
        search_->setText(text);
    QStringList keys;
    const bool byName = ordering_->currentIndex() == 1;
    for (const RegistryEntry &e : rows_)
        keys << (byName ? e.ADSOY : e.EMSNO);
    const int r = firstRowStartingWith(keys, text);
    if (r >= 0)
        grid_->setCurrentCell(r, 0);
}

}  // namespace zeran::personnel
