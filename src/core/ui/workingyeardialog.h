#pragma once
// "ÇALIŞMA YILI": the working year (stored in PTANIM.CYIL) and the half-year of the rates
// (DON, kept for this run only).

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace zeran {
class Session;
namespace db {
class Database;
}
}  // namespace zeran

namespace zeran::ui {

class Prompter;

struct YearRow {
    QString CYIL;
    QString KURUM;
};

/// The settings row's year and institution name; throws db::DbError when there is no row.
YearRow readYearRow(db::Database &db);
/// Stores the working year in the settings row as one unit of work; throws db::DbError.
void storeWorkingYear(db::Database &db, const QString &cyil);

/// "OCAK/HAZİRAN" is period "1", "TEMMUZ/ARALIK" period "2".
QString donForPeriodIndex(int index);
int periodIndexForDon(const QString &don);

class WorkingYearDialog : public QDialog {
    Q_OBJECT
public:
    WorkingYearDialog(Session &session, Prompter &prompter, QWidget *parent = nullptr);

    /// Reads the settings row into the fields; false (after a message) when it cannot.
    bool load();

public slots:
    /// "Tamam": stores the year, sets CYIL, DON and KURUM of the working context.
    void accept() override;

private:
    Session &session_;
    Prompter &prompter_;
    YearRow row_;
    QLineEdit *year_ = nullptr;
    QComboBox *period_ = nullptr;
};

}  // namespace zeran::ui
