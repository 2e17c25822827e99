#include "supportmaildialog.h"

#include "commandbar.h"
#include "session.h"

#include <QComboBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QThread>
#include <QVBoxLayout>

namespace zeran::supportmail::ui {

SupportMailDialog::SupportMailDialog(QWidget *parent, Session &session, zeran::ui::Prompter &prompter,
                                     Endpoint endpoint, Sender sender, FileChooser chooser)
    : QDialog(parent), session_(session), prompter_(prompter), endpoint_(std::move(endpoint)),
      sender_(sender ? std::move(sender) : Sender([](const Endpoint &e, const Message &m) { return send(e, m); })),
      chooser_(chooser ? std::move(chooser) : FileChooser([](QWidget *w) {
          return QFileDialog::getOpenFileName(w, QStringLiteral("Dosya Eki"));
      }))
{
    setWindowTitle(QStringLiteral("İSTEK ve ŞİKAYET KUTUSU"));
    setObjectName(QStringLiteral("supportMailDialog"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Değerli Müşterimiz;"), this));
    layout->addWidget(new QLabel(
        QStringLiteral("ZIVO Yazılım eleştiri ve önerilerinizle sizlere daha kaliteli hizmet sunabilecektir."), this));

    auto *form = new QFormLayout;
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("kindBox"));
    kind_->addItems({QStringLiteral("İstek"), QStringLiteral("Şikayet")});
    sender_address_ = new QLineEdit(session.ctx.MAIL, this);
    sender_address_->setObjectName(QStringLiteral("senderEdit"));
    subject_ = new QLineEdit(this);
    subject_->setObjectName(QStringLiteral("subjectEdit"));
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("textEdit"));
    attachments_ = new QLineEdit(this);
    attachments_->setObjectName(QStringLiteral("attachmentsEdit"));
    attachments_->setReadOnly(true);
    auto *attachRow = new QHBoxLayout;
    attachRow->addWidget(attachments_, 1);
    QPushButton *attachButton = zeran::ui::commandButton(QStringLiteral("..."), QStringLiteral("attachButton"), this);
    attachRow->addWidget(attachButton);
    form->addRow(QStringLiteral("Mail Türü"), kind_);
    form->addRow(QStringLiteral("Mail Adresiniz"), sender_address_);
    form->addRow(QStringLiteral("Konu"), subject_);
    form->addRow(QStringLiteral("Açıklamalar"), text_);
    form->addRow(QStringLiteral("Dosya Eki"), attachRow);
    layout->addLayout(form, 1);
    layout->addWidget(new QLabel(QStringLiteral("İlginize Teşekkür ederiz."), this));

    auto *bar = new zeran::ui::CommandBar(this);
    bar->addStretch();
    sendButton_ = bar->add(QStringLiteral("Gönder"), QStringLiteral("sendButton"));
    QPushButton *cancel = bar->add(QStringLiteral("İptal"), QStringLiteral("cancelButton"));
    layout->addWidget(bar);
    if (!endpoint_.configured()) {
        sendButton_->setEnabled(false);
        sendButton_->setToolTip(kNotConfigured.toString());
    }
    connect(attachButton, &QPushButton::clicked, this, &SupportMailDialog::attach);
    connect(sendButton_, &QPushButton::clicked, this, &SupportMailDialog::sendMessage);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    subject_->setFocus();
    resize(560, 480);
}

Message SupportMailDialog::message() const
{
    Message m;
    m.kind = kind_->currentIndex() == 1 ? Kind::Complaint : Kind::Request;
    m.institution = session_.ctx.KURUM;
    m.sender = sender_address_->text().trimmed();
    m.subject = subject_->text();
    m.text = text_->toPlainText();
    m.attachments = files_;
    return m;
}

void SupportMailDialog::attach()
{
    if (files_.size() >= kMaxAttachments) {
        prompter_.inform(this, kTooManyFiles.toString());
        return;
    }
    const QString file = chooser_(this);
    if (file.isEmpty())
        return;
    files_ << file;
    attachments_->setText(attachmentField(files_));
}

void SupportMailDialog::sendMessage()
{
    if (!endpoint_.configured()) {
        prompter_.inform(this, kNotConfigured.toString());
        return;
    }
    const Message m = message();
    if (const auto refused = check(m)) {
        prompter_.inform(this, refused->text);
        if (refused->field == Field::Sender)
            sender_address_->setFocus();
        else if (refused->field == Field::Text)
            text_->setFocus();
        else if (refused->field == Field::Subject)
            subject_->setFocus();
        return;
    }
    // The exchange runs off the interface thread so the window keeps painting meanwhile.
    SendResult result;
    QEventLoop loop;
    QThread *worker = QThread::create([&] { result = sender_(endpoint_, m); });
    connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    setEnabled(false);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    delete worker;
    setEnabled(true);
    if (!result.sent) {
        prompter_.inform(this, kSendFailed.toString() + QStringLiteral("\r") + result.detail);
        return;
    }
    accept();
}

void openSupportMail(QWidget *parent, Session &session, zeran::ui::Prompter &prompter)
{
    SupportMailDialog dialog(parent, session, prompter, readEndpoint());
    dialog.exec();
}

}  // namespace zeran::supportmail::ui
