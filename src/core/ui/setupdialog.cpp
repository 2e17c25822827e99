#include "setupdialog.h"

#include "commandbar.h"
#include "prompter.h"
#include "schema.h"
#include "session.h"
#include "settings.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace zeran::ui {

QString createOfferMessage(const QString &fullPath)
{
    return QStringLiteral("PERSONEL.GDB bu klasörde yok. Yeni boş bir veritabanı oluşturulsun mu?\n") + fullPath;
}

bool folderCanBeCreated(const QString &folder)
{
    if (folder.trimmed().isEmpty())
        return false;
    QFileInfo fi(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    if (fi.exists())
        return false;
    // Walk up to the nearest thing that exists: it has to be a folder we may write in.
    QString path = fi.absoluteFilePath();
    while (true) {
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            return false;
        path = parent;
        const QFileInfo p(path);
        if (p.exists())
            return p.isDir() && p.isWritable();
    }
}

LocalCheck checkLocalDatabase(const QString &server, const QString &folder)
{
    if (!server.trimmed().isEmpty())
        return LocalCheck::Skip;
    const QFileInfo dir(folder);
    if (folder.trimmed().isEmpty() || !dir.isDir())
        return folderCanBeCreated(folder) ? LocalCheck::OfferInNewFolder : LocalCheck::FolderUnusable;
    if (!QFileInfo(mainDatabasePath(folder)).isFile())
        return LocalCheck::OfferInFolder;
    return LocalCheck::Ready;
}

QString folderOfChosenFile(const QString &file)
{
    return QFileInfo(file).absolutePath();
}

SystemSetupDialog::SystemSetupDialog(Session &session, SetupMode mode, const QString &statusUserName,
                                     Prompter &prompter, QWidget *parent)
    : QDialog(parent), session_(session), mode_(mode), prompter_(prompter)
{
    setObjectName(QStringLiteral("systemSetupDialog"));
    setWindowTitle(QStringLiteral("SİSTEM TANIMLARI"));
    setModal(true);

    auto *group = new QGroupBox(QStringLiteral("Veritabanı Tanımları"), this);
    auto *grid = new QGridLayout(group);

    server_ = new QLineEdit(group);
    server_->setObjectName(QStringLiteral("serverEdit"));
    folder_ = new QLineEdit(group);
    folder_->setObjectName(QStringLiteral("folderEdit"));
    folder_->setMinimumWidth(320);
    auto *browse = ui::commandButton(QStringLiteral("..."), QStringLiteral("browseButton"), group);
    browse->setToolTip(QStringLiteral("Veritabanı dosyasını seçin"));

    fileName_ = new QLineEdit(QString::fromUtf8(kDatabaseFileName), group);
    fileName_->setObjectName(QStringLiteral("fileNameEdit"));
    fileName_->setReadOnly(true);
    fileName_->setMaximumWidth(130);
    fullPath_ = new QLabel(group);
    fullPath_->setObjectName(QStringLiteral("fullPathLabel"));
    fullPath_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    year_ = new QLineEdit(group);
    year_->setObjectName(QStringLiteral("yearEdit"));
    year_->setInputMask(QStringLiteral("9999"));
    year_->setMaximumWidth(70);

    auto *kindLabel = new QLabel(QStringLiteral("Veritabanı"), group);
    kindLabel->setObjectName(QStringLiteral("kindLabel"));
    kind_ = new QComboBox(group);
    kind_->setObjectName(QStringLiteral("kindCombo"));
    kind_->addItems({QStringLiteral("InterBase"), QStringLiteral("Oracle"), QStringLiteral("MS Sql Server"),
                     QStringLiteral("MySQL")});
    kind_->setEnabled(false);

    int row = 0;
    grid->addWidget(new QLabel(QStringLiteral("Ana Makina"), group), row, 0);
    grid->addWidget(server_, row++, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Veritabanı Yolu"), group), row, 0);
    grid->addWidget(folder_, row, 1);
    grid->addWidget(browse, row++, 2);
    grid->addWidget(new QLabel(QStringLiteral("Veritabanı Dosyası"), group), row, 0);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(fileName_);
    fileRow->addWidget(fullPath_, 1);
    grid->addLayout(fileRow, row++, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Çalışma Yılı"), group), row, 0);
    grid->addWidget(year_, row++, 1, Qt::AlignLeft);
    grid->addWidget(kindLabel, row, 0);
    grid->addWidget(kind_, row++, 1, Qt::AlignLeft);

    auto *saveButton = ui::commandButton(QStringLiteral("F5-Kayıt"), QStringLiteral("saveButton"), this);
    auto *cancelButton = ui::commandButton(QStringLiteral("F6-Vazgeç"), QStringLiteral("cancelButton"), this);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(saveButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    // The fields show what the settings store holds now, not what this run may have changed.
    const AppSettings stored = AppSettings::read();
    server_->setText(stored.SRV);
    folder_->setText(stored.YOL);
    year_->setText(stored.YIL);
    vt_ = stored.VT.isEmpty() ? QStringLiteral("1") : stored.VT;
    const int kindIndex = vt_.toInt() - 1;
    if (kindIndex >= 0 && kindIndex < kind_->count())
        kind_->setCurrentIndex(kindIndex);
    const bool showKind = statusUserName == QLatin1String("ZIVO");
    kindLabel->setVisible(showKind);
    kind_->setVisible(showKind);

    connect(server_, &QLineEdit::textChanged, this, &SystemSetupDialog::recompute);
    connect(folder_, &QLineEdit::textChanged, this, &SystemSetupDialog::recompute);
    connect(year_, &QLineEdit::textChanged, this, &SystemSetupDialog::recompute);
    connect(browse, &QPushButton::clicked, this, &SystemSetupDialog::browse);
    connect(saveButton, &QPushButton::clicked, this, &SystemSetupDialog::save);
    connect(cancelButton, &QPushButton::clicked, this, &SystemSetupDialog::cancel);
    recompute();
}

QString SystemSetupDialog::year() const
{
    return year_->text();
}

QString SystemSetupDialog::fullPath() const
{
    return mainDatabasePath(folder_->text().trimmed());
}

void SystemSetupDialog::recompute()
{
    fileName_->setText(QString::fromUtf8(kDatabaseFileName));
    fullPath_->setText(fullPath());
}

void SystemSetupDialog::browse()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Veritabanı Dosyası"),
                                                      folder_->text().trimmed(),
                                                      QStringLiteral("Veritabanı Dosyası (*.GDB *.gdb)"));
    if (!file.isEmpty())
        folder_->setText(folderOfChosenFile(file));
}

void SystemSetupDialog::save()
{
    const QString server = server_->text().trimmed();
    const QString folder = folder_->text().trimmed();
    if (!year_->hasAcceptableInput()) {
        prompter_.inform(this, QString::fromUtf8(kYearFormatMessage));
        year_->setFocus();
        return;
    }

    bool create = false;
    switch (checkLocalDatabase(server, folder)) {
    case LocalCheck::Skip:
    case LocalCheck::Ready:
        break;
    case LocalCheck::FolderUnusable:
        prompter_.inform(this, QString::fromUtf8(kFolderMissingMessage));
        return;
    case LocalCheck::OfferInNewFolder:
        if (!prompter_.ask(this, createOfferMessage(fullPath()))) {
            prompter_.inform(this, QString::fromUtf8(kFolderMissingMessage));
            return;
        }
        create = true;
        break;
    case LocalCheck::OfferInFolder:
        if (!prompter_.ask(this, createOfferMessage(fullPath()))) {
            prompter_.inform(this, QString::fromUtf8(kFileMissingMessage));
            return;
        }
        create = true;
        break;
    }

    // Only an InterBase-kind database is ever connected; other kinds are merely recorded.
    if (vt_ == QLatin1String("1")) {
        db::ConnectParams params;
        params.server = server;
        params.path = fullPath();
        params.password = session_.secrets.mainPassword;
        try {
            if (create) {
                if (!QDir().mkpath(folder)) {
                    prompter_.inform(this, QString::fromUtf8(kFolderMissingMessage));
                    return;
                }
                schema::createMainDatabase(params);
            }
            session_.openMain(params);
        } catch (const db::DbError &e) {
            prompter_.inform(this, QString::fromUtf8(kSetupErrorMessage) + e.text);
            return;
        }
        session_.connectionFailed = false;
        session_.connectionError.clear();
    }

    session_.settings.YIL = year_->text();
    session_.settings.SRV = server;
    session_.settings.YOL = folder;
    session_.settings.VT = vt_;
    session_.settings.write({"YIL", "SRV", "YOL", "VT"});
    finish(true);
}

void SystemSetupDialog::cancel()
{
    finish(false);
}

void SystemSetupDialog::finish(bool saved)
{
    saved_ = saved;
    closing_ = true;
    done(saved ? QDialog::Accepted : QDialog::Rejected);
    closing_ = false;
}

void SystemSetupDialog::closeEvent(QCloseEvent *event)
{
    // Only "F5-Kayıt" and "F6-Vazgeç" end the dialog.
    if (closing_)
        event->accept();
    else
        event->ignore();
}

void SystemSetupDialog::reject()
{
    if (closing_)
        QDialog::reject();
}

}  // namespace zeran::ui
