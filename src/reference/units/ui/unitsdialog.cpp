#include "unitsdialog.h"

#include "commandbar.h"
#include "gridsetup.h"
#include "plancopy.h"
#include "prompter.h"
#include "session.h"
#include "unitkinds.h"
#include "unitmaintenance.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeran::units::ui {

namespace {

CashDefinitionsOpener &cashOpener()
{
    static CashDefinitionsOpener opener;
    return opener;
}

// Kept between openings: the program starts with "Aktif" and "Birim Kodu".
int gFilter = 1;
int gOrder = 0;
int gCurrentUnit = 0;

struct FieldSpec {
    const char *column;
    const char *label;
    int length;
};
const FieldSpec kFields[] = {
    {"BIRIM", "Birim Adı", 40},
    {"BASLIK", "Bordro Başlığı", 30},
    {"TAS", "Düzenleyen Adı Soyadı", 25},
    {"TUN", "Düzenleyen Ünvanı", 25},
    {"SAS", "Muhasebe Y.Adı Soyadı", 25},
    {"SUN", "Muhasebe Y.Ünvanı", 25},
    {"IAS", "Harcama Y. Adı Soyadı", 25},
    {"IUN", "Harcama Y.Ünvanı", 25},
};

QString *columnOf(UnitRow &r, const QString &column)
{
    if (column == QLatin1String("BIRIM"))
        return &r.BIRIM;
    if (column == QLatin1String("BASLIK"))
        return &r.BASLIK;
    if (column == QLatin1String("TAS"))
        return &r.TAS;
    if (column == QLatin1String("TUN"))
        return &r.TUN;
    if (column == QLatin1String("SAS"))
        return &r.SAS;
    if (column == QLatin1String("SUN"))
        return &r.SUN;
    if (column == QLatin1String("IAS"))
        return &r.IAS;
    return &r.IUN;
}

}  // namespace

void setCashDefinitionsOpener(CashDefinitionsOpener opener)
{
    cashOpener() = std::move(opener);
}

QString deleteQuestion(const QString &name)
{
    return QStringLiteral("D İ K K A T  !\r") + name + QStringLiteral(" BİRİMİ VE BİRİME AİT BÜTÜN BİLGİLER SİLİNECEKTİR") +
           QStringLiteral("\r") + QStringLiteral(" ONAYLIYORMUSUNUZ");
}

UnitsDialog::UnitsDialog(Session &session, zeran::ui::Prompter &prompter, QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter)
{
    setWindowTitle(QStringLiteral("BİRİM TANIMLAR"));
    readOnly_ = !session_.mayChange(QStringLiteral("3"));
    nameAsker_ = [](QWidget *parent) {
        return QInputDialog::getText(parent, QStringLiteral("Birim Kopyala"), QStringLiteral("Birim Adı Giriniz"));
    };

    auto *layout = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    auto *tools = new QHBoxLayout;
    tools->addWidget(new QLabel(QStringLiteral("Sıralama"), this));
    orderBox_ = new QComboBox(this);
    orderBox_->setObjectName(QStringLiteral("orderBox"));
    orderBox_->addItems({QStringLiteral("Birim Kodu"), QStringLiteral("Birim Adı")});
    orderBox_->setCurrentIndex(gOrder);
    tools->addWidget(orderBox_);
    filterBox_ = new QComboBox(this);
    filterBox_->setObjectName(QStringLiteral("filterBox"));
    filterBox_->addItems({QStringLiteral("Tümü"), QStringLiteral("Aktif"), QStringLiteral("Pasif")});
    filterBox_->setCurrentIndex(gFilter);
    tools->addWidget(filterBox_);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("searchEdit"));
    tools->addWidget(search_, 1);
    left->addLayout(tools);

    list_ = new QTableWidget(this);
    list_->setObjectName(QStringLiteral("unitList"));
    list_->setColumnCount(4);
    list_->setHorizontalHeaderLabels(
        {QStringLiteral("B.Kodu"), QStringLiteral("Birim Adı"), QStringLiteral("Türü"), QStringLiteral("Durum")});
    zeran::ui::setUpGrid(list_);
    list_->verticalHeader()->hide();
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    left->addWidget(list_, 1);
    layout->addLayout(left, 3);

    auto *right = new QVBoxLayout;
    panel_ = new QGroupBox(this);
    panel_->setObjectName(QStringLiteral("detailPanel"));
    auto *form = new QFormLayout(panel_);
    code_ = new QLineEdit(panel_);
    code_->setObjectName(QStringLiteral("codeEdit"));
    code_->setReadOnly(true);
    form->addRow(QStringLiteral("B.Kodu"), code_);
    for (const FieldSpec &f : kFields) {
        auto *edit = new QLineEdit(panel_);
        edit->setObjectName(QLatin1String(f.column));
        edit->setMaxLength(f.length);
        fields_.emplace_back(QLatin1String(f.column), edit);
        form->addRow(QString::fromUtf8(f.label), edit);
        if (QLatin1String(f.column) == QLatin1String("BASLIK")) {
            kindBox_ = new QComboBox(panel_);
            kindBox_->setObjectName(QStringLiteral("kindBox"));
            for (const UnitKind &k : unitKinds())
                kindBox_->addItem(k.item, k.code);
            form->addRow(QStringLiteral("Maaş Türü"), kindBox_);
            activeBox_ = new QComboBox(panel_);
            activeBox_->setObjectName(QStringLiteral("activeBox"));
            activeBox_->addItems({QStringLiteral("Aktif"), QStringLiteral("Pasif")});
            form->addRow(QStringLiteral("Aktif / Pasif"), activeBox_);
        }
    }
    right->addWidget(panel_);
    auto *buttons = new QHBoxLayout;
    addButton_ = zeran::ui::commandButton(QStringLiteral("Ekle"), QStringLiteral("addButton"), this);
    deleteButton_ = zeran::ui::commandButton(QStringLiteral("Sil"), QStringLiteral("deleteButton"), this);
    changeButton_ = zeran::ui::commandButton(QStringLiteral("Değiş"), QStringLiteral("changeButton"), this);
    buttons->addWidget(addButton_);
    buttons->addWidget(deleteButton_);
    buttons->addWidget(changeButton_);
    right->addLayout(buttons);
    auto *more = new QHBoxLayout;
    cashButton_ = zeran::ui::commandButton(QStringLiteral("Nakit Bilgileri"), QStringLiteral("cashButton"), this);
    QPushButton *close = zeran::ui::commandButton(QStringLiteral("ESC-Çıkış"), QStringLiteral("closeButton"), this);
    more->addWidget(cashButton_);
    more->addStretch();
    more->addWidget(close);
    right->addLayout(more);
    right->addStretch();
    layout->addLayout(right, 2);

    auto *menu = new QMenu(this);
    copyAction_ = menu->addAction(QStringLiteral("Birim Kopyala"));
    copyAction_->setObjectName(QStringLiteral("copyAction"));
    connect(list_, &QTableWidget::customContextMenuRequested, this,
            [this, menu](const QPoint &at) { menu->popup(list_->viewport()->mapToGlobal(at)); });
    connect(copyAction_, &QAction::triggered, this, &UnitsDialog::copyUnit);
    connect(addButton_, &QPushButton::clicked, this, &UnitsDialog::addOrSave);
    connect(deleteButton_, &QPushButton::clicked, this, &UnitsDialog::deleteOrCancel);
    connect(changeButton_, &QPushButton::clicked, this, &UnitsDialog::change);
    connect(cashButton_, &QPushButton::clicked, this, &UnitsDialog::openCash);
    connect(close, &QPushButton::clicked, this, &UnitsDialog::reject);
    connect(list_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!filling_)
            rowChanged(row);
    });
    connect(filterBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
        gFilter = index;
        requery(currentUnit());
    });
    connect(orderBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
        gOrder = index;
        requery(currentUnit());
    });
    connect(search_, &QLineEdit::textChanged, this, &UnitsDialog::search);
    resize(960, 520);
    setState(State::Browsing);
}

QLineEdit *UnitsDialog::field(const char *column) const
{
    for (const auto &[name, edit] : fields_) {
        if (name == QLatin1String(column))
            return edit;
    }
    return column == QLatin1String("BKOD") ? code_ : nullptr;
}

int UnitsDialog::currentUnit() const
{
    const int row = list_->currentRow();
    return row >= 0 && row < int(rows_.size()) ? rows_[std::size_t(row)].BKOD : 0;
}

bool UnitsDialog::load()
{
    const int paying = session_.ctx.MODEMEBKOD;
    return requery(paying >= 1 ? paying : gCurrentUnit);
}

bool UnitsDialog::requery(int keepBkod)
{
    const ListFilter filter = gFilter == 0 ? ListFilter::All : gFilter == 1 ? ListFilter::Active : ListFilter::Passive;
    const ListOrder order = gOrder == 0 ? ListOrder::Code : ListOrder::Name;
    try {
        rows_ = unitRows(session_.main(), filter, order);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    filling_ = true;
    list_->setRowCount(int(rows_.size()));
    int keep = rows_.empty() ? -1 : 0;
    for (int i = 0; i < int(rows_.size()); ++i) {
        const UnitRow &r = rows_[std::size_t(i)];
        const QString texts[] = {QString::number(r.BKOD), r.BIRIM, kindWords(r.MTUR), activityWords(r.AKTIF)};
        for (int c = 0; c < 4; ++c)
            list_->setItem(i, c, new QTableWidgetItem(texts[c]));
        if (r.BKOD == keepBkod)
            keep = i;
    }
    list_->setCurrentCell(keep, 0);
    filling_ = false;
    rowChanged(keep);
    return true;
}

void UnitsDialog::rowChanged(int row)
{
    if (state_ != State::Browsing)
        return;
    if (row < 0 || row >= int(rows_.size())) {
        showRow({});
        return;
    }
    gCurrentUnit = rows_[std::size_t(row)].BKOD;
    showRow(rows_[std::size_t(row)]);
}

void UnitsDialog::showRow(const UnitRow &r)
{
    code_->setText(r.BKOD ? QString::number(r.BKOD) : QString());
    UnitRow copy = r;
    for (const auto &[name, edit] : fields_)
        edit->setText(*columnOf(copy, name));
    kindBox_->setCurrentIndex(kindPosition(r.MTUR));
    activeBox_->setCurrentIndex(r.AKTIF == QLatin1String("P") ? 1 : r.AKTIF == QLatin1String("A") ? 0 : -1);
}

UnitRow UnitsDialog::panelRow() const
{
    UnitRow r;
    if (state_ == State::Changing) {
        const int row = list_->currentRow();
        if (row >= 0 && row < int(rows_.size()))
            r = rows_[std::size_t(row)];
    }
    for (const auto &[name, edit] : fields_)
        *columnOf(r, name) = edit->text().trimmed();
    r.MTUR = kindCode(kindBox_->currentIndex());
    r.AKTIF = activeBox_->currentIndex() == 1 ? QStringLiteral("P") : activeBox_->currentIndex() == 0 ? QStringLiteral("A")
                                                                                                        : QString();
    return r;
}

void UnitsDialog::setState(State s)
{
    state_ = s;
    const bool browsing = s == State::Browsing;
    list_->setEnabled(browsing);
    panel_->setEnabled(!browsing);
    addButton_->setText(browsing ? QStringLiteral("Ekle") : QStringLiteral("Kayıt"));
    deleteButton_->setText(browsing ? QStringLiteral("Sil") : QStringLiteral("İptal"));
    addButton_->setEnabled(!readOnly_);
    deleteButton_->setEnabled(!readOnly_);
    changeButton_->setEnabled(browsing && !readOnly_);
    // Read-only users may not copy either: a copy writes a unit, its records and plans.
    copyAction_->setEnabled(browsing && !readOnly_);
    cashButton_->setEnabled(bool(cashOpener()));
}

void UnitsDialog::addOrSave()
{
    if (readOnly_)
        return;
    if (state_ == State::Browsing) {
        UnitRow fresh;
        try {
            fresh.BKOD = nextUnitCode(session_.main());  // shown only: the code is taken when saving
        } catch (const db::DbError &e) {
            prompter_.inform(this, e.text);
            return;
        }
        setState(State::Adding);
        showRow(fresh);
        activeBox_->setCurrentIndex(0);
        field("BIRIM")->setFocus();
        return;
    }
    const UnitRow r = panelRow();
    int keep = 0;
    try {
        if (state_ == State::Adding) {
            keep = addUnit(session_.main(), r);
        } else {
            updateUnitRow(session_.main(), r);
            keep = r.BKOD;
        }
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    gCurrentUnit = keep;
    setState(State::Browsing);
    requery(keep);
}

void UnitsDialog::deleteOrCancel()
{
    if (readOnly_)
        return;
    if (state_ != State::Browsing) {
        setState(State::Browsing);
        rowChanged(list_->currentRow());
        return;
    }
    const int row = list_->currentRow();
    if (row < 0 || row >= int(rows_.size()))
        return;
    const UnitRow r = rows_[std::size_t(row)];
    if (r.BKOD == session_.ctx.MBKOD || r.BKOD == session_.ctx.MODEMEBKOD)
        prompter_.inform(this, QString::fromUtf8(kDefaultUnitWarning));
    if (!prompter_.ask(this, deleteQuestion(r.BIRIM)))
        return;
    DeleteOutcome outcome;
    try {
        outcome = deleteUnit(session_.main(), r.BKOD, accountPlanDeleter());
    } catch (const db::DbError &) {
        prompter_.inform(this, QString::fromUtf8(kDeleteFailed));
        return;
    }
    if (outcome == DeleteOutcome::HasResults) {
        prompter_.inform(this, QString::fromUtf8(kHasResults));
        return;
    }
    const int next = row + 1 < int(rows_.size()) ? rows_[std::size_t(row + 1)].BKOD
                     : row > 0                   ? rows_[std::size_t(row - 1)].BKOD
                                                 : 0;
    requery(next);
    prompter_.inform(this, QString::fromUtf8(kDeleted));
}

void UnitsDialog::change()
{
    if (readOnly_ || state_ != State::Browsing || currentUnit() == 0)
        return;
    setState(State::Changing);
    field("BIRIM")->setFocus();
}

void UnitsDialog::copyUnit()
{
    if (readOnly_ || state_ != State::Browsing)
        return;
    const int from = currentUnit();
    if (from == 0)
        return;
    const QString name = nameAsker_(this).trimmed();
    if (name.isEmpty())
        return;
    int code = 0;
    try {
        code = units::copyUnit(session_.main(), from, name, accountPlanCopier());
    } catch (const db::DbError &) {
        prompter_.inform(this, QString::fromUtf8(kCopyFailed));
        requery(from);
        return;
    }
    gCurrentUnit = code;
    prompter_.inform(this, QString::fromUtf8(kRecordsCopied));
    if (accountPlanCopier())
        prompter_.inform(this, QString::fromUtf8(kPlansCopied));
    requery(code);
}

void UnitsDialog::openCash()
{
    const int row = list_->currentRow();
    if (!cashOpener() || row < 0 || row >= int(rows_.size()))
        return;
    const UnitRow r = rows_[std::size_t(row)];
    cashOpener()(this, session_, r.BKOD, cashKind(r.MTUR));
}

void UnitsDialog::search(const QString &text)
{
    QStringList names;
    for (const UnitRow &r : rows_)
        names << r.BIRIM;
    const int at = findByPrefix(names, text);
    if (at >= 0)
        list_->setCurrentCell(at, list_->currentColumn() < 0 ? 0 : list_->currentColumn());
}

void openUnits(QWidget *parent, Session &session, zeran::ui::Prompter &prompter)
{
    UnitsDialog dialog(session, prompter, parent);
    if (dialog.load())
        dialog.exec();
}

}  // namespace zeran::units::ui
