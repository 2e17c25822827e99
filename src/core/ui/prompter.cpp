#include "prompter.h"

#include <QMessageBox>

namespace zeran::ui {

namespace {
const QString kTitle = QStringLiteral("ZERAN");
}

QString displayText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void BoxPrompter::inform(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, kTitle, displayText(text));
}

bool BoxPrompter::ask(QWidget *parent, const QString &text)
{
    return QMessageBox::question(parent, kTitle, displayText(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace zeran::ui
