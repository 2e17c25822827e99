#include "auditviewer.h"

#include "commandbar.h"
#include "dateedit.h"
#include "gridsetup.h"
#include "prompter.h"
#include "session.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeran::ui {

namespace {
const QString kAll = QStringLiteral("TÜMÜ");
}  // namespace

AuditViewer::AuditViewer(Session &session, Prompter &prompter, QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter)
{
    setObjectName(QStringLiteral("auditViewer"));
    setWindowTitle(QString::fromUtf8(kAuditViewerTitle));
    resize(900, 560);

    auto *filters = new QGroupBox(QStringLiteral("Filtre Özellikleri"), this);
    date_ = new DateEdit(filters);
    date_->setObjectName(QStringLiteral("dateEdit"));
    date_->setDate(session_.ctx.startUpDate());
    date_->installEventFilter(this);
    onward_ = new QCheckBox(QStringLiteral("Devam"), filters);
    onward_->setObjectName(QStringLiteral("onwardBox"));
    user_ = new QComboBox(filters);
    user_->setObjectName(QStringLiteral("userBox"));
    kind_ = new QComboBox(filters);
    kind_->setObjectName(QStringLiteral("kindBox"));
    kind_->addItem(kAll, QString());
    kind_->addItem(QStringLiteral("Yeni kayıt"), QStringLiteral("Y"));
    kind_->addItem(QStringLiteral("Değişiklik"), QStringLiteral("D"));
    kind_->addItem(QStringLiteral("Silme"), QStringLiteral("S"));
    section_ = new QComboBox(filters);
    section_->setObjectName(QStringLiteral("sectionBox"));
    text_ = new QLineEdit(filters);
    text_->setObjectName(QStringLiteral("textEdit"));
    text_->setMaxLength(150);
    user_->addItem(kAll, QString());
    section_->addItem(kAll, QString());
    try {
        for (const QString &u : audit::users(session_.main()))
            user_->addItem(u, u);
        for (const QString &b : audit::sections(session_.main()))
            section_->addItem(b, b);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(date_);
    dateRow->addWidget(onward_);
    auto *form = new QFormLayout(filters);
    form->addRow(QStringLiteral(" Tarih"), dateRow);
    form->addRow(QStringLiteral(" Kullanıcı"), user_);
    form->addRow(QStringLiteral(" İşlem Türü"), kind_);
    form->addRow(QStringLiteral(" Program Böl."), section_);
    form->addRow(QStringLiteral(" Açıklama"), text_);

    auto *orderBox = new QGroupBox(QStringLiteral("Sıralama"), this);
    auto *orderLayout = new QVBoxLayout(orderBox);
    order_ = new QButtonGroup(this);
    const std::array<std::pair<const char *, const char *>, 3> orders = {
        {{"Tarih", "orderDate"}, {"Kullanıcı", "orderUser"}, {"Kayıt No", "orderNumber"}}};
    for (std::size_t i = 0; i < orders.size(); ++i) {
        auto *b = new QRadioButton(QString::fromUtf8(orders[i].first), orderBox);
        b->setObjectName(QString::fromLatin1(orders[i].second));
        order_->addButton(b, int(i));
        orderLayout->addWidget(b);
    }
    order_->button(0)->setChecked(true);
    orderLayout->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addWidget(filters, 1);
    top->addWidget(orderBox);

    auto *listBox = new QGroupBox(QStringLiteral("KULLANICI İŞLEM LİSTESİ"), this);
    grid_ = new QTableWidget(0, 7, listBox);
    grid_->setObjectName(QStringLiteral("lineGrid"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("Tarih"), QStringLiteral("Saat"), QStringLiteral("İşlem Türü"),
                                      QStringLiteral("Bölümü"), QStringLiteral("Kullanıcı"),
                                      QStringLiteral("Adı Soyadı"), QStringLiteral("Kayıt No")});
    setUpGrid(grid_);
    description_ = new QPlainTextEdit(listBox);
    description_->setObjectName(QStringLiteral("descriptionPane"));
    description_->setReadOnly(true);
    description_->setMaximumHeight(70);
    auto *listLayout = new QVBoxLayout(listBox);
    listLayout->addWidget(grid_, 1);
    listLayout->addWidget(description_);

    auto *bar = new CommandBar(this);
    bar->addStretch();
    auto *exit = bar->add(QStringLiteral("ESC-Çıkış"), QStringLiteral("exitButton"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(listBox, 1);
    layout->addWidget(bar);

    connect(exit, &QPushButton::clicked, this, [this] {
        closing_ = true;
        done(QDialog::Accepted);
        closing_ = false;
    });
    connect(date_, &QLineEdit::returnPressed, this, [this] { list(); });
    for (QComboBox *box : {user_, kind_, section_})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { list(); });
    connect(onward_, &QCheckBox::toggled, this, [this] { list(); });
    connect(order_, &QButtonGroup::idClicked, this, [this] { list(); });
    connect(text_, &QLineEdit::textChanged, this, [this] { list(); });
    connect(grid_, &QTableWidget::currentCellChanged, this, [this] { showDescription(); });
    list();
}

audit::ViewFilter AuditViewer::filter() const
{
    audit::ViewFilter f;
    const std::optional<QDate> d = date_->date();
    if (d && d->isValid())
        f.date = *d;
    f.onward = onward_->isChecked();
    f.user = user_->currentData().toString();
    f.kind = kind_->currentData().toString();
    f.section = section_->currentData().toString();
    f.text = text_->text();
    f.order = order_->checkedId() == 1   ? audit::ViewFilter::Order::User
              : order_->checkedId() == 2 ? audit::ViewFilter::Order::Number
                                         : audit::ViewFilter::Order::Date;
    return f;
}

void AuditViewer::list()
{
    if (!date_->date()) {
        prompter_.inform(this, invalidDateMessage(date_->text()));
        return;
    }
    try {
        lines_ = audit::lines(session_.main(), filter());
    } catch (const db::DbError &e) {
        lines_.clear();
        prompter_.inform(this, e.text);
    }
    grid_->setRowCount(int(lines_.size()));
    for (int i = 0; i < lines_.size(); ++i) {
        const audit::Line &l = lines_[i];
        const QStringList cells = {l.TARIH.toString(QStringLiteral("dd.MM.yyyy")),
                                   l.SAAT.toString(QStringLiteral("HH:mm:ss")),
                                   audit::kindText(l.TUR),
                                   l.BOLUM,
                                   l.USR,
                                   l.ADSOY,
                                   QString::number(l.KAYNO1)};
        for (int c = 0; c < cells.size(); ++c)
            grid_->setItem(i, c, new QTableWidgetItem(cells[c]));
    }
    if (!lines_.isEmpty())
        grid_->setCurrentCell(0, 0);
    showDescription();
}

void AuditViewer::showDescription()
{
    const int row = grid_->currentRow();
    description_->setPlainText(row >= 0 && row < lines_.size() ? lines_[row].ACIK : QString());
}

bool AuditViewer::eventFilter(QObject *watched, QEvent *event)
{
    // A double click empties the date: every date is listed.
    if (watched == date_ && event->type() == QEvent::MouseButtonDblClick) {
        date_->clear();
        list();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AuditViewer::closeEvent(QCloseEvent *event)
{
    if (closing_)
        event->accept();
    else
        event->ignore();
}

void AuditViewer::reject()
{
    // Esc is "ESC-Çıkış" (its button's key); the window's own close does nothing.
    if (closing_)
        QDialog::reject();
}

void openAuditViewer(QWidget *parent, Session &session, Prompter &prompter)
{
    AuditViewer viewer(session, prompter, parent);
    viewer.exec();
}

}  // namespace zeran::ui
