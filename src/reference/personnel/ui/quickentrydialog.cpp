#include "quickentrydialog.h"

#include "codes.h"
#include "codecombo.h"
#include "codes.h"
#include "commandbar.h"
#include "dateedit.h"
#include "lookups.h"
#include "moneyedit.h"
#include "prompter.h"
#include "session.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeran::personnel {

namespace {

// The stored value of a cell lives in this role; the display role holds what is shown.
constexpr int kValueRole = Qt::UserRole + 1;

const char *columnName(int column)
{
    switch (column) {
    case QuickEntryDialog::Der: return "DER";
    case QuickEntryDialog::Kad: return "KAD";
    case QuickEntryDialog::Gos: return "GOS";
    case QuickEntryDialog::Egos: return "EGOS";
    case QuickEntryDialog::Esi: return "ESI";
    case QuickEntryDialog::Coc1: return "COC1";
    case QuickEntryDialog::Coc2: return "COC2";
    case QuickEntryDialog::DigCoc: return "DIGCOC";
    case QuickEntryDialog::Yop: return "YOP";
    case QuickEntryDialog::Oht: return "OHT";
    default: return nullptr;
    }
}

QVariant numberValue(std::optional<int> v)
{
    return v ? QVariant(*v) : QVariant();
}

QString spouseText(const LookupList &list, const QString &code)
{
    for (const LookupItem &i : list)
        if (i.code.toString() == code)
            return i.text;
    return code;
}

QVariant originalValue(const QuickEntryRow &r, int column)
{
    switch (column) {
    case QuickEntryDialog::Der: return numberValue(r.DER);
    case QuickEntryDialog::Kad: return numberValue(r.KAD);
    case QuickEntryDialog::Gos: return numberValue(r.GOS);
    case QuickEntryDialog::Egos: return numberValue(r.EGOS);
    case QuickEntryDialog::Esi: return r.ESI.isEmpty() ? QVariant() : QVariant(r.ESI);
    case QuickEntryDialog::Coc1: return numberValue(r.COC1);
    case QuickEntryDialog::Coc2: return numberValue(r.COC2);
    case QuickEntryDialog::DigCoc: return numberValue(r.DIGCOC);
    case QuickEntryDialog::Yop: return numberValue(r.YOP);
    case QuickEntryDialog::Oht: return numberValue(r.OHT);
    default: return {};
    }
}

bool sameValue(const QVariant &a, const QVariant &b)
{
    const bool na = !a.isValid() || a.isNull() || a.toString().isEmpty();
    const bool nb = !b.isValid() || b.isNull() || b.toString().isEmpty();
    if (na || nb)
        return na == nb;
    return a.toString() == b.toString();
}

// Numbers through a validated line, the spouse code through its list.
class QuickEntryDelegate : public QStyledItemDelegate {
public:
    QuickEntryDelegate(const LookupList &spouse, QObject *parent) : QStyledItemDelegate(parent), spouse_(spouse) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        if (index.column() == QuickEntryDialog::Esi) {
            auto *c = new QComboBox(parent);
            c->addItem(QString(), QVariant());
            for (const LookupItem &i : spouse_)
                c->addItem(i.text, i.code);
            return c;
        }
        auto *e = new QLineEdit(parent);
        e->setValidator(new QIntValidator(0, 32767, e));
        return e;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        const QVariant v = index.data(kValueRole);
        if (auto *c = qobject_cast<QComboBox *>(editor)) {
            const int i = c->findData(v);
            c->setCurrentIndex(i < 0 ? 0 : i);
        } else if (auto *e = qobject_cast<QLineEdit *>(editor)) {
            e->setText(v.isValid() && !v.isNull() ? v.toString() : QString());
        }
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *c = qobject_cast<QComboBox *>(editor)) {
            model->setData(index, c->currentData(), kValueRole);
            model->setData(index, c->currentText(), Qt::DisplayRole);
        } else if (auto *e = qobject_cast<QLineEdit *>(editor)) {
            const QString t = e->text().trimmed();
            model->setData(index, t.isEmpty() ? QVariant() : QVariant(t.toInt()), kValueRole);
            model->setData(index, t, Qt::DisplayRole);
        }
    }

private:
    LookupList spouse_;
};

}  // namespace

QuickEntryDialog::QuickEntryDialog(Session &session, ui::Prompter &prompter, int unit, QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter), unit_(unit)
{
    setObjectName(QStringLiteral("quickEntryDialog"));
    setWindowTitle(QStringLiteral("PERSONEL BİLGİLERİ"));
    setModal(true);

    unitLabel_ = new QLabel(this);
    unitLabel_->setObjectName(QStringLiteral("unitLabel"));
    auto *header = new QHBoxLayout;
    header->addWidget(new QLabel(QStringLiteral(" Birim Kodu / Adı"), this));
    header->addWidget(unitLabel_, 1);

    grid_ = new QTableWidget(0, ColumnCount, this);
    grid_->setObjectName(QStringLiteral("quickGrid"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("Adı Soyadı"), QStringLiteral("Görev Ünv."), QStringLiteral("Cins."),
                                      QStringLiteral("TC.K.No"), QStringLiteral("Dr"), QStringLiteral("Kd"),
                                      QStringLiteral("Göst"), QStringLiteral("E.Gös"), QStringLiteral("Eşi"),
                                      QStringLiteral("Ç.1"), QStringLiteral("Ç.2"), QStringLiteral("D.Ç."),
                                      QStringLiteral("Y.Ö.P."), QStringLiteral("Ö.H.T")});
    grid_->verticalHeader()->hide();
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);

    auto *save = ui::commandButton(QStringLiteral("Kayıt"), QStringLiteral("saveButton"), {}, this);
    auto *cancel = ui::commandButton(QStringLiteral("F6-İptal"), QStringLiteral("cancelButton"), QKeySequence(Qt::Key_F6), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    resize(980, 560);

    connect(save, &QPushButton::clicked, this, [this] { this->save(); });
    connect(cancel, &QPushButton::clicked, this, &QuickEntryDialog::reject);
}

bool QuickEntryDialog::load()
{
    QString name;
    try {
        name = unitName(session_.main(), unit_);
        spouse_ = spouseCodes(session_.main());
        rows_ = quickEntryRows(session_.main());
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    unitLabel_->setText(QStringLiteral("%1 / %2").arg(unit_).arg(name));
    grid_->setItemDelegate(new QuickEntryDelegate(spouse_, grid_));
    grid_->setRowCount(0);
    grid_->setRowCount(int(rows_.size()));
    for (int r = 0; r < rows_.size(); ++r) {
        const QuickEntryRow &row = rows_.at(r);
        // A code the list does not know is shown as stored.
        const QString sex = textOfCode(cinsChoices(), row.CINS);
        const QStringList fixed{row.ADSOY, row.GOREV, sex.isEmpty() ? row.CINS : sex, row.TCKNO};
        for (int c = 0; c < fixed.size(); ++c) {
            auto *item = new QTableWidgetItem(fixed.at(c));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            grid_->setItem(r, c, item);
        }
        for (int c = Der; c < ColumnCount; ++c) {
            const QVariant v = originalValue(row, c);
            auto *item = new QTableWidgetItem;
            item->setData(kValueRole, v);
            item->setData(Qt::DisplayRole, c == Esi ? spouseText(spouse_, row.ESI)
                                                    : (v.isValid() ? v.toString() : QString()));
            // The spouse's work counts only for a married person.
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (c != Esi || row.married())
                flags |= Qt::ItemIsEditable;
            item->setFlags(flags);
            grid_->setItem(r, c, item);
        }
    }
    grid_->resizeColumnsToContents();
    return true;
}

QVector<QuickEntryChange> QuickEntryDialog::changes() const
{
    QVector<QuickEntryChange> list;
    for (int r = 0; r < rows_.size(); ++r) {
        const QuickEntryRow &row = rows_.at(r);
        for (int c = Der; c < ColumnCount; ++c) {
            const QVariant now = grid_->item(r, c)->data(kValueRole);
            if (!sameValue(now, originalValue(row, c)))
                list.push_back({PayRecordKey{row.PKAYNO, row.BKOD, row.PKOD}, QLatin1String(columnName(c)), now});
        }
    }
    return list;
}

bool QuickEntryDialog::save()
{
    const QVector<QuickEntryChange> list = changes();
    try {
        if (!list.isEmpty())
            writeQuickEntryChanges(session_.main(), list);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    accept();
    return true;
}

}  // namespace zeran::personnel
