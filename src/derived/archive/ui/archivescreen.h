#pragma once
// "ÖNCEKİ DÖNEM BORDROLARI": the stored payrolls of a year, month, unit, kind and person, with
// reprints, the stored payroll viewer, payment status, the deletion of a unit's month and the
// workbook of the shown rows. A child window of the main window.

#include "archivestore.h"
#include "printdata.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QPrinter>
#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QTableView;

namespace zeran {
class Session;
namespace ui {
class MainWindow;
class Prompter;
}  // namespace ui
}  // namespace zeran

namespace zeran::archive::ui {

/// The archive grid's columns over the loaded rows; texts are made when the view asks for them
/// (a month of every unit is tens of thousands of rows).
class ArchiveRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setRows(const std::vector<ArchiveRow> *rows);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const std::vector<ArchiveRow> *rows_ = nullptr;
};

/// Message boxes as the Questions of the archive's operations.
class PromptQuestions : public Questions {
public:
    PromptQuestions(zeran::ui::Prompter &prompter, QWidget *parent) : prompter_(prompter), parent_(parent) {}
    bool confirm(const QString &text) override;
    void inform(const QString &text) override;

private:
    zeran::ui::Prompter &prompter_;
    QWidget *parent_;
};

/// "MAAŞ ÖDEME BİLGİLERİ": one row ("Kayıt"/"İptal", Durum "1-Ödendi"/"2-Ödenmedi") or every
/// shown row ("Aktar"/"İptal", Durum "Ödendi"/"Ödenmedi").
class PaymentDialog : public QDialog {
    Q_OBJECT
public:
    enum class Scope { OneRow, AllRows };
    PaymentDialog(Scope scope, zeran::ui::Prompter &prompter, QWidget *parent = nullptr);
    /// Shows a row's stored status (one-row mode).
    void show(const results::ResultRow &row);
    /// The status read from the fields; nullopt after a message when a field is not valid.
    std::optional<results::PaymentStatus> status();

private:
    void accept() override;
    Scope scope_;
    zeran::ui::Prompter &prompter_;
    QLineEdit *number_;
    QLineEdit *date_;
    QComboBox *state_;
    results::PaymentStatus read_;
};

class ArchiveScreen : public QWidget {
    Q_OBJECT
public:
    /// Outside screens the archive opens; tests replace them.
    struct Openers {
        std::function<std::optional<int>(QWidget *)> findPerson;  ///< "Bul": the chosen person
        std::function<void(QWidget *, const results::RowKey &)> storedMonth;  ///< "Detay Bilgiler"
        std::function<std::optional<results::PaymentStatus>(QWidget *, PaymentDialog::Scope,
                                                            const results::ResultRow *)>
            payment;  ///< "Ödeme Bilgileri" / "Tüm Ödeme"
    };

    ArchiveScreen(Session &session, zeran::ui::Prompter &prompter, QWidget *parent = nullptr);
    void setOpeners(Openers o) { openers_ = std::move(o); }

    /// The first activation: working year and month, kind "Maaş Bordrosu", the unit last used
    /// on the run screen, both lists filled and the query run.
    void start();
    /// SORGULA: the archive query of the selection as it stands.
    void requery();

    ArchiveSelection selection() const;
    const std::vector<ArchiveRow> &rows() const { return data_.rows; }
    int currentRow() const;

    // Commands (the buttons and menus call these).
    void openDetails();
    void findPerson();
    void deleteMonth();
    void exportRows();
    void payCurrent();
    void payAll();
    void printCollective();
    void printDetailed(bool onlyCurrent);

private:
    void fillUnits();
    void fillPersons();
    void unitChanged();

    Session &session_;
    zeran::ui::Prompter &prompter_;
    Openers openers_;
    QComboBox *unit_;
    QCheckBox *allUnits_;
    QComboBox *person_;
    QLineEdit *yearEdit_;
    QComboBox *month_;
    QComboBox *kind_;
    QTableView *grid_;
    ArchiveRowsModel *model_;
    QAction *collective_;
    QString year_;         ///< the year the query uses (taken on every change, used on Enter)
    bool filling_ = false; ///< lists being refilled: their signals do not requery
    payrolldocs::ArchiveData data_;
    QPrinter printer_;
};

/// Main menu "Maaş Arşiv Bilgileri": the one archive window of the frame.
void openArchive(zeran::ui::MainWindow &window, Session &session);

}  // namespace zeran::archive::ui
