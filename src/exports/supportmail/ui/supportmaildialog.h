#pragma once
// "İSTEK ve ŞİKAYET KUTUSU": a request or complaint mailed to the maker's support address,
// with up to three chosen files attached. "Gönder" is disabled while the support server or
// address is missing from the settings.

#include "prompter.h"
#include "supportsender.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zeran {
class Session;
}

namespace zeran::supportmail::ui {

class SupportMailDialog : public QDialog {
    Q_OBJECT
public:
    using Sender = std::function<SendResult(const Endpoint &, const Message &)>;
    using FileChooser = std::function<QString(QWidget *)>;

    SupportMailDialog(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, Endpoint endpoint,
                      Sender sender = {}, FileChooser chooser = {});

    void attach();
    void sendMessage();
    Message message() const;

private:
    Session &session_;
    zeran::ui::Prompter &prompter_;
    Endpoint endpoint_;
    Sender sender_;
    FileChooser chooser_;
    QStringList files_;
    QComboBox *kind_;
    QLineEdit *sender_address_;
    QLineEdit *subject_;
    QPlainTextEdit *text_;
    QLineEdit *attachments_;
    QPushButton *sendButton_;
};

void openSupportMail(QWidget *parent, Session &session, zeran::ui::Prompter &prompter);

}  // namespace zeran::supportmail::ui
