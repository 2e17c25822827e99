#include "unionsdialog.h"

#include "commandbar.h"
#include "gridsetup.h"
#include "prompter.h"
#include "session.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeran::definitions {

namespace {

QString rateText(const std::optional<double> &v)
{
    return v ? shortestDecimal(*v).replace(QLatin1Char('.'), QLatin1Char(',')) : QString();
}

std::optional<double> rateValue(const QString &text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

}  // namespace

UnionsDialog::UnionsDialog(db::Database &db, ui::Prompter &prompter, QWidget *parent)
    : QDialog(parent), db_(db), prompter_(prompter)
{
    setWindowTitle(QStringLiteral("SENDİKA TANIMLARI"));
    auto *layout = new QVBoxLayout(this);
    grid_ = new QTableWidget(0, 5, this);
    grid_->setHorizontalHeaderLabels({QStringLiteral("Kodu"), QStringLiteral("Sendika Adı"), QStringLiteral("Sendika Adresi"),
                                      QStringLiteral("Oran"), QStringLiteral("Aktif/Pasif")});
    ui::setUpGrid(grid_);
    layout->addWidget(grid_);

    auto *form = new QFormLayout;
    name_ = new QLineEdit(this);
    name_->setMaxLength(30);
    address_ = new QLineEdit(this);
    address_->setMaxLength(40);
    rate_ = new QLineEdit(this);
    rate_->setAlignment(Qt::AlignRight);
    rate_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[0-9]*([.,][0-9]*)?$")), rate_));
    account_ = new QLineEdit(this);
    account_->setMaxLength(40);
    ledgerCode_ = new QLineEdit(this);
    ledgerCode_->setMaxLength(26);
    base_ = new QComboBox(this);
    base_->addItems(texts(unionBaseCodes()));
    state_ = new QComboBox(this);
    state_->addItems(texts(activeCodes()));
    form->addRow(QStringLiteral("Sendika Adı"), name_);
    form->addRow(QStringLiteral("Adresi"), address_);
    form->addRow(QStringLiteral("Kesinti Oranı"), rate_);
    form->addRow(QStringLiteral("Banka Hesap No"), account_);
    form->addRow(QStringLiteral("Muhasebe Hesap Kodu"), ledgerCode_);
    form->addRow(QStringLiteral("Hesaplama Şekli"), base_);
    form->addRow(QStringLiteral("Aktif"), state_);
    layout->addLayout(form);

    auto *buttons = new QHBoxLayout;
    add_ = ui::commandButton(QStringLiteral("Ekle"), QStringLiteral("addButton"), this);
    cancel_ = ui::commandButton(QStringLiteral("İptal"), QStringLiteral("cancelButton"), this);
    exit_ = ui::commandButton(QStringLiteral("ESC Çıkış"), QStringLiteral("exitButton"), this);
    buttons->addWidget(add_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    buttons->addWidget(exit_);
    layout->addLayout(buttons);

    connect(add_, &QPushButton::clicked, this, &UnionsDialog::addOrSave);
    connect(cancel_, &QPushButton::clicked, this, &UnionsDialog::cancelAdding);
    connect(exit_, &QPushButton::clicked, this, &UnionsDialog::reject);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this] { showCurrent(); });
    // The current union is written when a field is left or a choice is made; while a new
    // one is being added nothing is written before "Kaydet".
    for (QLineEdit *e : {name_, address_, rate_, account_, ledgerCode_})
        connect(e, &QLineEdit::editingFinished, this, [this] {
            if (!adding_ && !showing_)
                saveCurrent();
        });
    for (QComboBox *c : {base_, state_})
        connect(c, &QComboBox::activated, this, [this] {
            if (!adding_ && !showing_)
                saveCurrent();
        });

    setAdding(false);
    reload();
}

void UnionsDialog::reload(int selectSenkod)
{
    try {
        rows_ = readUnions(db_);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        rows_.clear();
    }
    showing_ = true;
    grid_->setRowCount(int(rows_.size()));
    int select = rows_.empty() ? -1 : 0;
    for (int r = 0; r < int(rows_.size()); ++r) {
        const Union &u = rows_[std::size_t(r)];
        const QStringList texts = {QString::number(u.SENKOD), u.SENDIKA, u.ADRES, rateText(u.ORN), unionStateText(u.HESAP)};
        for (int c = 0; c < texts.size(); ++c)
            grid_->setItem(r, c, new QTableWidgetItem(texts.at(c)));
        if (u.SENKOD == selectSenkod)
            select = r;
    }
    showing_ = false;
    if (select >= 0)
        grid_->setCurrentCell(select, 1);
    showCurrent();
}

void UnionsDialog::showCurrent()
{
    if (adding_)
        return;
    const int row = grid_->currentRow();
    const Union u = row >= 0 && row < int(rows_.size()) ? rows_[std::size_t(row)] : Union{};
    showing_ = true;
    name_->setText(u.SENDIKA);
    address_->setText(u.ADRES);
    rate_->setText(rateText(u.ORN));
    account_->setText(u.BHNO);
    ledgerCode_->setText(u.HKOD);
    base_->setCurrentIndex(indexOfCode(unionBaseCodes(), u.HTUR));
    state_->setCurrentIndex(indexOfCode(activeCodes(), u.HESAP));
    showing_ = false;
    const bool any = row >= 0;
    for (QWidget *w : std::initializer_list<QWidget *>{name_, address_, rate_, account_, ledgerCode_, base_, state_})
        w->setEnabled(any);
}

Union UnionsDialog::fromFields() const
{
    Union u;
    const int row = grid_->currentRow();
    if (!adding_ && row >= 0 && row < int(rows_.size()))
        u = rows_[std::size_t(row)];
    u.SENDIKA = name_->text().trimmed();
    u.ADRES = address_->text().trimmed();
    u.ORN = rateValue(rate_->text());
    u.BHNO = account_->text().trimmed();
    u.HKOD = ledgerCode_->text().trimmed();
    u.HTUR = codeAt(unionBaseCodes(), base_->currentIndex());
    u.HESAP = codeAt(activeCodes(), state_->currentIndex());
    return u;
}

bool UnionsDialog::saveCurrent()
{
    const int row = grid_->currentRow();
    if (row < 0 || row >= int(rows_.size()))
        return true;
    const Union u = fromFields();
    const Union &stored = rows_[std::size_t(row)];
    if (u.SENDIKA == stored.SENDIKA && u.ADRES == stored.ADRES && u.ORN == stored.ORN && u.BHNO == stored.BHNO &&
        u.HKOD == stored.HKOD && u.HTUR == stored.HTUR && u.HESAP == stored.HESAP)
        return true;
    if (u.SENDIKA.isEmpty()) {
        prompter_.inform(this, kUnionNameMissing);
        name_->setText(stored.SENDIKA);
        name_->setFocus();
        return false;
    }
    try {
        saveUnion(db_, u);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    reload(u.SENKOD);
    return true;
}

void UnionsDialog::setAdding(bool adding)
{
    adding_ = adding;
    add_->setText(adding ? QStringLiteral("Kaydet") : QStringLiteral("Ekle"));
    cancel_->setVisible(adding);
    grid_->setEnabled(!adding);
}

void UnionsDialog::addOrSave()
{
    if (!adding_) {
        if (!saveCurrent())
            return;
        setAdding(true);
        showing_ = true;
        for (QLineEdit *e : {name_, address_, rate_, account_, ledgerCode_}) {
            e->clear();
            e->setEnabled(true);
        }
        base_->setCurrentIndex(-1);
        state_->setCurrentIndex(-1);
        base_->setEnabled(true);
        state_->setEnabled(true);
        showing_ = false;
        name_->setFocus();
        return;
    }
    const Union u = fromFields();
    if (u.SENDIKA.isEmpty()) {
        prompter_.inform(this, kUnionNameMissing);
        name_->setFocus();
        return;
    }
    try {
        const int senkod = saveUnion(db_, u);
        setAdding(false);
        reload(senkod);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
}

void UnionsDialog::cancelAdding()
{
    if (!adding_)
        return;
    setAdding(false);
    showCurrent();
}

void UnionsDialog::reject()
{
    if (adding_) {
        // A new union with a name is written; without one the screen stays open.
        const Union u = fromFields();
        if (u.SENDIKA.isEmpty() && !(u.ADRES.isEmpty() && !u.ORN && u.BHNO.isEmpty() && u.HKOD.isEmpty())) {
            prompter_.inform(this, kUnionNameMissing);
            name_->setFocus();
            return;
        }
        if (!u.SENDIKA.isEmpty()) {
            try {
                saveUnion(db_, u);
            } catch (const db::DbError &e) {
                prompter_.inform(this, e.text);
                return;
            }
        }
    } else if (!saveCurrent()) {
        return;
    }
    QDialog::reject();
}

void openUnions(QWidget *parent, Session &session)
{
    ui::BoxPrompter prompter;
    UnionsDialog dialog(session.main(), prompter, parent);
    dialog.exec();
}

}  // namespace zeran::definitions
