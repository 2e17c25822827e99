#include "bankdialog.h"

#include "calendar.h"
#include "commandbar.h"
#include "dateedit.h"
#include "gridsetup.h"
#include "prompter.h"
#include "registry.h"
#include "session.h"
#include "textlayout.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

namespace zeran::bankfiles {

namespace {

// The last file produced, kept for "Gönder" until the program ends (also across openings).
QString &rememberedFile()
{
    static QString path;
    return path;
}

QLineEdit *readOnly(const QString &objectName, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(objectName);
    e->setReadOnly(true);
    return e;
}

QStandardItem *item(const QString &text, bool amount = false)
{
    auto *i = new QStandardItem(text);
    if (amount)
        i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return i;
}

// "Şifre Giriş": the mail address, a masked password, "Tamam" (also Enter) and "İptal".
class PasswordDialog : public QDialog {
public:
    PasswordDialog(const QString &mail, QWidget *parent) : QDialog(parent)
    {
        setWindowTitle(QStringLiteral("Şifre Giriş"));
        setObjectName(QStringLiteral("passwordDialog"));
        auto *form = new QFormLayout;
        form->addRow(new QLabel(mail, this));
        password_ = new QLineEdit(this);
        password_->setObjectName(QStringLiteral("password"));
        password_->setEchoMode(QLineEdit::Password);
        form->addRow(QStringLiteral("Parola"), password_);
        auto *ok = new QPushButton(QStringLiteral("Tamam"), this);
        ok->setObjectName(QStringLiteral("okButton"));
        ok->setDefault(true);
        auto *cancel = new QPushButton(QStringLiteral("İptal"), this);
        cancel->setObjectName(QStringLiteral("cancelButton"));
        auto *buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(ok);
        buttons->addWidget(cancel);
        auto *layout = new QVBoxLayout(this);
        layout->addLayout(form);
        layout->addLayout(buttons);
        // An empty password does nothing: the dialog stays for the clerk to type one.
        connect(ok, &QPushButton::clicked, this, [this] {
            if (!password_->text().isEmpty())
                accept();
        });
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    }
    QString password() const { return password_->text(); }

private:
    QLineEdit *password_;
};

}  // namespace

QString StandardPickers::openFile(QWidget *parent, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
}

std::optional<QString> StandardPickers::password(QWidget *parent, const QString &mailAddress)
{
    PasswordDialog d(mailAddress, parent);
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.password();
}

BankDialog::BankDialog(Session &session, ui::Prompter &prompter, BankDialogPickers &pickers, QWidget *parent,
                       int unit, int month)
    : QDialog(parent), session_(session), prompter_(prompter), pickers_(pickers), sender_(&sendMail)
{
    setWindowTitle(QStringLiteral("BANKA LİSTESİ"));
    setObjectName(QStringLiteral("bankDialog"));
    settings_ = readBankSettings(session_.main());
    layout_ = layoutOf(settings_.BDTUR);
    folder_ = session_.settings.BANYOL;
    build();

    const int m = month >= 1 && month <= 12 ? month : session_.ctx.AY;
    month_->setCurrentIndex(qBound(0, m - 1, 11));
    selectedMonth_ = month_->currentIndex() + 1;
    fillUnits();
    if (unit > 0)
        if (const int at = unit_->findData(unit); at >= 0)
            unit_->setCurrentIndex(at);
    const QString year = session_.ctx.CYIL;
    paymentDate_->setDate(defaultPaymentDate(session_.ctx.startUpDate()));
    description_->setText(defaultDescription(selectedMonth_, year));
    select();

    connect(unit_, &QComboBox::currentIndexChanged, this, [this] { select(); });
    for (QRadioButton *b : {groupAll_, groupZeran_, groupOther_})
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                select();
        });
    connect(addDifference_, &QCheckBox::toggled, this, [this] { select(); });
    connect(merge_, &QCheckBox::toggled, this, [this] { updatePath(); });
}

void BankDialog::build()
{
    bankName_ = readOnly(QStringLiteral("bankName"), this);
    bankName_->setText(settings_.TTBA);
    branchCode_ = readOnly(QStringLiteral("branchCode"), this);
    branchCode_->setText(settings_.SBKOD);
    customerNo_ = readOnly(QStringLiteral("customerNo"), this);
    customerNo_->setText(settings_.KMUSNO);
    accountNo_ = new QLineEdit(settings_.KHESNO, this);
    accountNo_->setObjectName(QStringLiteral("accountNo"));

    month_ = new QComboBox(this);
    month_->setObjectName(QStringLiteral("monthBox"));
    for (int m = 1; m <= 12; ++m)
        month_->addItem(cal::monthName(m), m);
    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("unitBox"));

    auto *group = new QGroupBox(this);
    groupAll_ = new QRadioButton(QStringLiteral("Tümü"), group);
    groupAll_->setObjectName(QStringLiteral("groupAll"));
    groupZeran_ = new QRadioButton(QStringLiteral("Zeran"), group);
    groupZeran_->setObjectName(QStringLiteral("groupZeran"));
    groupOther_ = new QRadioButton(QStringLiteral("Diğer Personel"), group);
    groupOther_->setObjectName(QStringLiteral("groupOther"));
    groupZeran_->setChecked(true);
    auto *groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(groupAll_);
    groupLayout->addWidget(groupZeran_);
    groupLayout->addWidget(groupOther_);

    addDifference_ = new QCheckBox(QStringLiteral("Farkı Ekle"), this);
    addDifference_->setObjectName(QStringLiteral("addDifference"));
    addDifference_->setChecked(true);
    merge_ = new QCheckBox(QStringLiteral("Birleştir"), this);
    merge_->setObjectName(QStringLiteral("mergeBox"));
    iban_ = new QCheckBox(QStringLiteral("IBAN Yaz"), this);
    iban_->setObjectName(QStringLiteral("ibanBox"));
    merge_->setVisible(!isTemplate(layout_));
    iban_->setVisible(isTemplate(layout_));

    paymentDate_ = new ui::DateEdit(this);
    paymentDate_->setObjectName(QStringLiteral("paymentDate"));
    description_ = new QLineEdit(this);
    description_->setObjectName(QStringLiteral("description"));
    typeCode_ = new QLineEdit(QStringLiteral("001"), this);
    typeCode_->setObjectName(QStringLiteral("typeCode"));
    total_ = readOnly(QStringLiteral("total"), this);
    total_->setAlignment(Qt::AlignRight);
    path_ = new QLineEdit(this);
    path_->setObjectName(QStringLiteral("filePath"));
    auto *pick = new QPushButton(QStringLiteral("..."), this);
    pick->setObjectName(QStringLiteral("pathButton"));
    connect(pick, &QPushButton::clicked, this, [this] {
        const QString filter = layout_ == Layout::Text ? QStringLiteral("Text Dosyası (*.txt *.TXT)")
                                                       : QStringLiteral("Excel Dosyası (*.xls *.XLS *.xlsx *.XLSX)");
        const QString chosen = pickers_.openFile(this, QFileInfo(path_->text()).absolutePath(), filter);
        if (!chosen.isEmpty())
            path_->setText(chosen);
    });
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(path_, 1);
    pathRow->addWidget(pick);

    auto *left = new QFormLayout;
    left->addRow(QStringLiteral("Banka Adı"), bankName_);
    left->addRow(QStringLiteral("Şube Kodu"), branchCode_);
    left->addRow(QStringLiteral("Kurum Müşteri No"), customerNo_);
    left->addRow(QStringLiteral("Kurum Hesap No"), accountNo_);
    left->addRow(QStringLiteral("İlgili Ay"), month_);
    left->addRow(QStringLiteral("Birimi"), unit_);
    left->addRow(group);
    auto *checks = new QHBoxLayout;
    checks->addWidget(addDifference_);
    checks->addWidget(merge_);
    checks->addWidget(iban_);
    checks->addStretch();
    left->addRow(checks);
    auto *right = new QFormLayout;
    right->addRow(QStringLiteral("Ödeme Tarihi"), paymentDate_);
    right->addRow(QStringLiteral("Açıklama"), description_);
    right->addRow(QStringLiteral("Türü"), typeCode_);
    right->addRow(QStringLiteral("Ödeme Tutarı"), total_);
    right->addRow(QStringLiteral("Dosya Yeri"), pathRow);
    auto *top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 1);

    model_ = new QStandardItemModel(this);
    model_->setHorizontalHeaderLabels({QStringLiteral("Çalıştığı Birim"), QStringLiteral("T.C.Kimlik No"),
                                       QStringLiteral("Adı Soyadı"), QStringLiteral("Banka Hesap No"),
                                       QStringLiteral("Müşteri No"), QStringLiteral("Hes.No"), QStringLiteral("Maaş"),
                                       QStringLiteral("Fark"), QStringLiteral("Emanet"), QStringLiteral("Net Tutar")});
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setModel(model_);
    ui::setUpGrid(grid_);
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *exclude = new QAction(QStringLiteral("Listeden Çıkar"), grid_);
    exclude->setObjectName(QStringLiteral("excludeAction"));
    grid_->addAction(exclude);
    connect(exclude, &QAction::triggered, this, [this] { excludeRow(grid_->currentIndex().row()); });

    auto *bar = new ui::CommandBar(this);
    connect(bar->add(QStringLiteral("Dosya Oluştur"), QStringLiteral("createButton")), &QPushButton::clicked, this,
            [this] { produceFile(); });
    connect(bar->add(QStringLiteral("Gönder"), QStringLiteral("sendButton")), &QPushButton::clicked, this,
            [this] { send(); });
    bar->addStretch();
    connect(bar->add(QStringLiteral("ESC-Çıkış"), QStringLiteral("closeButton")), &QPushButton::clicked, this,
            &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addWidget(bar);
    resize(1000, 640);
}

void BankDialog::fillUnits()
{
    const QSignalBlocker block(unit_);
    unit_->clear();
    unit_->addItem(QStringLiteral("TÜMÜ"), 0);
    try {
        for (const units::UnitName &u : unitChoices(session_.main(), session_.ctx.CYIL, month_->currentIndex() + 1))
            unit_->addItem(u.BIRIM, u.BKOD);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
}

int BankDialog::chosenUnit() const
{
    return unit_->currentData().toInt();
}

StaffGroup BankDialog::chosenGroup() const
{
    return groupAll_->isChecked() ? StaffGroup::All : groupOther_->isChecked() ? StaffGroup::Other : StaffGroup::Zeran;
}

void BankDialog::select()
{
    PaymentQuery q;
    q.year = session_.ctx.CYIL;
    q.month = month_->currentIndex() + 1;
    q.unit = chosenUnit();
    q.group = chosenGroup();
    q.addDifference = addDifference_->isChecked();
    selectedMonth_ = q.month;
    try {
        payments_ = computePayments(loadPaymentRows(session_.main(), q), layout_);
    } catch (const db::DbError &e) {
        payments_ = {};
        prompter_.inform(this, e.text);
    }
    showList();
    updatePath();
}

void BankDialog::showList()
{
    model_->removeRows(0, model_->rowCount());
    for (const PaymentLine &l : payments_.lines) {
        const PaymentRow &r = l.row;
        QList<QStandardItem *> cells = {item(r.BIRIM),
                                        item(r.TCKNO),
                                        item(r.ADSOY()),
                                        item(r.BHN),
                                        item(l.account.MUSNO),
                                        item(l.account.HESNO),
                                        item(r.MAAS.toText(), true),
                                        item(l.FARK.toText(), true),
                                        item(l.ACIKKES.toText(), true),
                                        item(l.NET.toText(), true)};
        cells.first()->setData(r.PKAYNO, Qt::UserRole);
        model_->appendRow(cells);
    }
    grid_->resizeColumnsToContents();
    total_->setText(payments_.total.toText());
}

void BankDialog::updatePath()
{
    path_->setText(QDir::toNativeSeparators(defaultFileName(folder_, selectedMonth_, chosenUnit(), settings_.KMUSNO,
                                                            typeCode_->text(), layout_, merge_->isChecked())));
}

PaymentHeader BankDialog::header() const
{
    PaymentHeader h;
    h.KMUSNO = settings_.KMUSNO;
    h.SBKOD = settings_.SBKOD;
    h.KHESNO = accountNo_->text().trimmed();
    h.KURUM = settings_.KURUM;
    h.typeCode = typeCode_->text();
    h.paymentDate = paymentDate_->date().value_or(QDate());
    h.description = description_->text();
    h.runTimestamp = QDateTime::currentDateTime();
    h.month = selectedMonth_;
    h.year = session_.ctx.CYIL;
    return h;
}

void BankDialog::produceFile()
{
    if (payments_.lines.empty())
        return;
    const QString monthFolder = QDir(folder_).filePath(cal::monthName(selectedMonth_));
    QString mergePath;
    if (merge_->isChecked() && !isTemplate(layout_)) {
        const QString filter = layout_ == Layout::Text ? QStringLiteral("Text Dosyası (*.txt *.TXT)")
                                                       : QStringLiteral("Excel Dosyası (*.xls *.XLS *.xlsx *.XLSX)");
        mergePath = pickers_.openFile(this, monthFolder, filter);
        if (mergePath.isEmpty())
            return;
    }
    if (const QString problem = prepareFolders(folder_, selectedMonth_); !problem.isEmpty()) {
        prompter_.inform(this, problem);
        return;
    }
    if (layout_ == Layout::Text && settings_.SBKOD.size() != 4) {
        prompter_.inform(this, kBranchCodeLength.toString());
        branchCode_->setFocus();
        return;
    }
    const std::optional<QDate> date = paymentDate_->date();
    if (!date || !date->isValid()) {
        prompter_.inform(this, ui::invalidDateMessage(paymentDate_->text()));
        paymentDate_->setFocus();
        return;
    }
    const QString path = QDir::fromNativeSeparators(path_->text().trimmed());
    if (!mergePath.isEmpty() && samePath(mergePath, path)) {
        prompter_.inform(this, kMergeIsTarget.toString());
        return;
    }
    if (!isTemplate(layout_) && QFileInfo::exists(path) && !prompter_.ask(this, kOverwrite.toString()))
        return;
    if (!payments_.skipped.isEmpty())
        prompter_.inform(this, payments_.skipped.join(QLatin1Char('\r')));

    ProduceRequest req;
    req.layout = layout_;
    req.header = header();
    req.payments = payments_;
    req.path = path;
    req.mergePath = mergePath;
    req.iban = iban_->isChecked();
    const ProduceResult r = produce(req);
    if (r.written())
        rememberedFile() = path;
    if (r.outcome == ProduceResult::Outcome::Refused && r.message == kBranchCodeLength)
        branchCode_->setFocus();
    prompter_.inform(this, r.message);
}

void BankDialog::send()
{
    QString file = rememberedFile();
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        file = pickers_.openFile(this, folder_, QStringLiteral("Tüm Dosyalar (*)"));
        if (file.isEmpty()) {
            prompter_.inform(this, kChooseFile.toString());
            return;
        }
    }
    BankSettings mail;
    try {
        mail = readBankSettings(session_.main());
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    if (mail.MAIL.isEmpty()) {
        prompter_.inform(this, kMailMissing.toString());
        return;
    }
    if (description_->text().trimmed().isEmpty()) {
        prompter_.inform(this, kDescriptionMissing.toString());
        description_->setFocus();
        return;
    }
    const std::optional<QString> password = pickers_.password(this, mail.MAIL);
    if (!password)
        return;

    MailServer server;
    server.host = mail.MHOST;
    server.user = mail.MAIL;
    server.password = password->left(15);
    MailMessage message;
    message.senderName = mail.KURUM;
    message.senderAddress = mail.MAIL;
    message.to = splitAddresses(mail.BMAIL);
    message.subject = mail.KURUM + QLatin1Char(' ') + description_->text();
    message.body = description_->text();
    message.attachmentPath = file;

    // The network may take a while: the interface keeps painting while the mail goes out.
    MailResult result;
    QEventLoop loop;
    QThread *worker = QThread::create([&] { result = sender_(server, message); });
    connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    delete worker;
    prompter_.inform(this, result.sent ? kMailSent.toString()
                                       : kMailFailed.toString() + QLatin1Char('\r') + result.detail);
}

QString BankDialog::lastProduced() const
{
    return rememberedFile();
}

void BankDialog::excludeRow(int row)
{
    if (row < 0 || row >= model_->rowCount())
        return;
    if (!prompter_.ask(this, kExcludeQuestion.toString()))
        return;
    const int pkayno = model_->item(row, 0)->data(Qt::UserRole).toInt();
    try {
        personnel::excludeFromBankPayment(session_.main(), pkayno);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    select();
}

void openBankDialog(QWidget *parent, Session &session, ui::Prompter &prompter, int unit, int month)
{
    StandardPickers pickers;
    try {
        BankDialog d(session, prompter, pickers, parent, unit, month);
        d.exec();
    } catch (const db::DbError &e) {
        prompter.inform(parent, e.text);
    }
}

}  // namespace zeran::bankfiles
