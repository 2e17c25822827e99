#include "exportscreen.h"

#include "commandbar.h"
#include "context.h"
#include "gridsetup.h"
#include "prompter.h"
#include "session.h"
#include "spreadsheet.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace zeran::personnelexport {

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

}  // namespace

QString defaultExportPath(const QString &bankFolder)
{
    const QDir folder = bankFolder.trimmed().isEmpty() ? QDir::current() : QFileInfo(bankFolder).absoluteDir();
    return QDir::toNativeSeparators(folder.filePath(QStringLiteral("PER.XLS")));
}

ExportScreen::ExportScreen(QWidget *parent, db::Database &db, WorkingContext &context, ui::Prompter &prompter,
                           const QString &defaultPath)
    : QDialog(parent), db_(db), context_(context), prompter_(prompter)
{
    setWindowTitle(u("PERSONEL DETAY BİLGİLERİ"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(u(" Birimi"), this));
    unitBox_ = new QComboBox(this);
    unitBox_->setObjectName(QStringLiteral("unitBox"));
    unitBox_->addItem(u("TÜMÜ"), 0);
    try {
        for (const UnitChoice &c : exportUnits(db_))
            unitBox_->addItem(c.BIRIM, c.BKOD);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
    top->addWidget(unitBox_, 1);
    layout->addLayout(top);
    model_ = new QStandardItemModel(this);
    auto *grid = new QTableView(this);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setModel(model_);
    ui::setUpGrid(grid);
    layout->addWidget(grid, 1);
    auto *file = new QHBoxLayout;
    file->addWidget(new QLabel(u("Dosya Yolu"), this));
    path_ = new QLineEdit(defaultPath, this);
    path_->setObjectName(QStringLiteral("pathEdit"));
    file->addWidget(path_, 1);
    layout->addLayout(file);
    auto *bar = new ui::CommandBar(this);
    QPushButton *exportButton = bar->add(u("Dosya Oluştur"), QStringLiteral("exportButton"));
    bar->addStretch();
    QPushButton *exitButton = bar->add(u("Çıkış"), QStringLiteral("exitButton"));
    layout->addWidget(bar);
    connect(unitBox_, &QComboBox::currentIndexChanged, this, [this] {
        if (const int bkod = unitBox_->currentData().toInt())
            context_.MBKOD = bkod;
        relist();
    });
    connect(exportButton, &QPushButton::clicked, this, [this] { exportWorkbook(); });
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    resize(800, 550);
    relist();
}

void ExportScreen::relist()
{
    const int unit = unitBox_->currentData().toInt();
    try {
        period_ = payPeriod(db_, context_.CYIL, unit);
        rows_ = loadStaff(db_, context_.CYIL, period_, unit);
    } catch (const db::DbError &e) {
        rows_.clear();
        prompter_.inform(this, e.text);
    }
    model_->clear();
    model_->setHorizontalHeaderLabels({u("Adı Soyadı"), u("Unvanı"), u("Çalıştığı Birim")});
    for (const StaffSource &r : rows_)
        model_->appendRow({new QStandardItem(r.ADSOY), new QStandardItem(r.UNVAN), new QStandardItem(r.BIRIM)});
}

bool ExportScreen::exportWorkbook()
{
    sheet::Workbook wb;
    const sheet::Result started = wb.startEngine();
    if (!started.ok()) {
        prompter_.inform(this, started.kind == sheet::ErrorKind::EngineNotStarted
                                   ? started.message
                                   : u("DİKKAT! Hata oluştuğundan işlem yapılamadı..."));
        return false;
    }
    if (!fillWorkbook(wb, rows_, period_)) {
        prompter_.inform(this, u("DİKKAT! Hata oluştuğundan işlem yapılamadı..."));
        return false;
    }
    const sheet::Result saved = wb.save(path_->text().trimmed(), sheet::FileFormat::Xls, sheet::AfterSave::Show);
    if (!saved.ok()) {
        prompter_.inform(this, saved.kind == sheet::ErrorKind::EngineNotStarted
                                   ? saved.message
                                   : u("DİKKAT! Hata oluştuğundan işlem yapılamadı..."));
        return false;
    }
    prompter_.inform(this, u("Dosya oluşturma işlemi tamamlandı..."));
    return true;
}

void openPersonnelExport(QWidget *parent, Session &session, ui::Prompter &prompter)
{
    ExportScreen screen(parent, session.main(), session.ctx, prompter, defaultExportPath(session.settings.BANYOL));
    screen.exec();
}

}  // namespace zeran::personnelexport
