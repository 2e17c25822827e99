#include "lookupdialogs.h"

#include "codecombo.h"
#include "commandbar.h"
#include "formula.h"
#include "gridsetup.h"
#include "prompter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeran::posting {

FormulaDialog::FormulaDialog(ui::Prompter &prompter, const QString &formula, QWidget *parent)
    : QDialog(parent), prompter_(prompter)
{
    setWindowTitle(QStringLiteral("NAKİT HESABI DEĞİŞKENLERİ"));
    edit_ = new QLineEdit(formula, this);
    edit_->setObjectName(QStringLiteral("formulaEdit"));
    drop_ = new QComboBox(this);
    drop_->setObjectName(QStringLiteral("variableBox"));
    drop_->addItem(QString());
    drop_->addItems(editorVariables());
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("variableList"));
    list_->addItems(editorVariables());
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) { append(item->text()); });
    connect(drop_, &QComboBox::activated, this, [this](int i) {
        if (i > 0)
            append(drop_->itemText(i));
    });
    auto *bar = new ui::CommandBar(this);
    connect(bar->add(QStringLiteral("Kayıt"), QStringLiteral("saveButton")), &QPushButton::clicked, this,
            &FormulaDialog::save);
    connect(bar->add(QStringLiteral("İptal"), QStringLiteral("cancelButton")), &QPushButton::clicked, this,
            &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(edit_);
    layout->addWidget(drop_);
    layout->addWidget(list_);
    layout->addWidget(bar);
}

QString FormulaDialog::formula() const
{
    return edit_->text();
}

void FormulaDialog::append(const QString &name)
{
    const QString text = edit_->text();
    edit_->setText(text.isEmpty() ? name : text + QLatin1Char('+') + name);
}

void FormulaDialog::save()
{
    // The language itself counts such names 0; the question only keeps a typo from being saved
    // unnoticed.
    const QStringList dead = deadNames(edit_->text());
    if (!dead.isEmpty() && !prompter_.ask(this, deadNamesQuestion(dead)))
        return;
    accept();
}

BudgetDialog::BudgetDialog(db::Database &acc, int year, const QString &kkod, QWidget *parent)
    : QDialog(parent), acc_(acc), year_(year), kkod_(kkod)
{
    setWindowTitle(QStringLiteral("GİDER BÜTÇESİ LİSTESİ"));
    filter_ = new QComboBox(this);
    filter_->setObjectName(QStringLiteral("economicFilter"));
    filter_->addItem(QStringLiteral("TÜMÜ"));
    try {
        codes_ = economicCodes(acc_, year_);
    } catch (const db::DbError &) {
        codes_.clear();  // the lookups stay empty
    }
    for (const auto &[code, name] : codes_)
        filter_->addItem(name.isEmpty() ? code : name);
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("budgetGrid"));
    grid_->setColumnCount(7);
    grid_->setHorizontalHeaderLabels({QStringLiteral("Kurumsal Kod"), QStringLiteral("Fonksiyonel"),
                                      QStringLiteral("F.Tipi"), QStringLiteral("Ekonomik Kod"), QStringLiteral("Açıklama"),
                                      QStringLiteral("Yıl"), QStringLiteral("Kayıt No")});
    ui::setUpGrid(grid_);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { choose(row); });
    connect(filter_, &QComboBox::currentIndexChanged, this, &BudgetDialog::reload);
    auto *bar = new ui::CommandBar(this);
    bar->addStretch();
    connect(bar->add(QStringLiteral("ESC-Çıkış"), QStringLiteral("exitButton")), &QPushButton::clicked, this,
            &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(filter_);
    layout->addWidget(new QLabel(QStringLiteral("Seçmek İçin İlgili Hesap Üzerinde Çift Tıklayınız:"), this));
    layout->addWidget(grid_);
    layout->addWidget(bar);
    resize(760, 420);
    reload();
}

void BudgetDialog::reload()
{
    const int i = filter_->currentIndex();
    const QString ekod = i > 0 && std::size_t(i - 1) < codes_.size() ? codes_[std::size_t(i - 1)].first : QString();
    try {
        lines_ = budgetLines(acc_, year_, kkod_, ekod);
    } catch (const db::DbError &) {
        lines_.clear();
    }
    grid_->setRowCount(int(lines_.size()));
    for (int r = 0; r < int(lines_.size()); ++r) {
        const BudgetLine &b = lines_[std::size_t(r)];
        const QStringList cells = {b.KKOD, b.FKOD, b.FTIP, b.EKOD, b.ACIK, QString::number(b.YIL), QString::number(b.KAYNO)};
        for (int c = 0; c < cells.size(); ++c)
            grid_->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
}

void BudgetDialog::choose(int row)
{
    if (row < 0 || row >= int(lines_.size()))
        return;
    chosen_ = lines_[std::size_t(row)];
    accept();
}

CurrentAccountDialog::CurrentAccountDialog(const std::vector<CurrentAccount> &accounts, int current, QWidget *parent)
    : QDialog(parent), previous_(current), result_(current)
{
    setWindowTitle(QStringLiteral("CARİ HESAP"));
    combo_ = new ui::CodeCombo(this);
    combo_->setObjectName(QStringLiteral("accountBox"));
    LookupList items;
    for (const CurrentAccount &a : accounts)
        items.push_back({a.CKOD, a.CARI});
    combo_->setLookup(items, true);
    combo_->setCode(current != 0 ? QVariant(current) : QVariant());
    auto *bar = new ui::CommandBar(this);
    connect(bar->add(QStringLiteral("F5-Kayıt"), QStringLiteral("saveButton")), &QPushButton::clicked, this,
            &CurrentAccountDialog::keep);
    connect(bar->add(QStringLiteral("F6-Vazgeç"), QStringLiteral("cancelButton")), &QPushButton::clicked, this,
            &CurrentAccountDialog::reject);
    connect(bar->add(QStringLiteral("Temizle"), QStringLiteral("clearButton")), &QPushButton::clicked, this,
            &CurrentAccountDialog::clear);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(combo_);
    layout->addWidget(bar);
}

void CurrentAccountDialog::keep()
{
    result_ = combo_->codeNumber().value_or(0);
    accept();
}

void CurrentAccountDialog::clear()
{
    combo_->setCode(QVariant());
    result_ = 0;
    accept();
}

void CurrentAccountDialog::reject()
{
    result_ = previous_;
    QDialog::reject();
}

}  // namespace zeran::posting
