#pragma once
// "PERSONEL DETAY BİLGİLERİ": the paid civil-servant staff of one unit or all, and the
// 35-column workbook written from them in the 97–2003 format.

#include "database.h"
#include "exportloader.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QStandardItemModel;

namespace zeran {
class Session;
struct WorkingContext;
}
namespace zeran::ui {
class Prompter;
}

namespace zeran::personnelexport {

/// The default "Dosya Yolu": PER.XLS in the folder above the bank files' output folder (the
/// program's folder), or in the current folder when that is not set.
QString defaultExportPath(const QString &bankFolder);

class ExportScreen : public QDialog {
    Q_OBJECT
public:
    ExportScreen(QWidget *parent, db::Database &db, WorkingContext &context, ui::Prompter &prompter,
                 const QString &defaultPath);

    const std::vector<StaffSource> &rows() const { return rows_; }
    int period() const { return period_; }
    QLineEdit *pathEdit() const { return path_; }
    /// Writes the workbook; true when it was written.
    bool exportWorkbook();

private:
    void relist();

    db::Database &db_;
    WorkingContext &context_;
    ui::Prompter &prompter_;
    std::vector<StaffSource> rows_;
    int period_ = 0;
    QComboBox *unitBox_ = nullptr;
    QLineEdit *path_ = nullptr;
    QStandardItemModel *model_ = nullptr;
};

/// "Personel Detay Listesi" of the main menu.
void openPersonnelExport(QWidget *parent, Session &session, ui::Prompter &prompter);

}  // namespace zeran::personnelexport
