#pragma once
// "BİRİM TANIMLAR": this system's pay units with filter, ordering and prefix search; add,
// change, cancel, delete; "Birim Kopyala" (the unit with its pay records and plans, one unit of
// work) and "Nakit Bilgileri" (the unit's cash definitions, a screen of the posting module
// reached through a registered opener). Read-only for users without the right to change.

#include "unitstore.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zeran {
class Session;
namespace ui {
class Prompter;
}
}  // namespace zeran

namespace zeran::units::ui {

/// Opens the cash definitions of unit `bkod` with cash kind `cashKind` ("1", "4" … "7").
using CashDefinitionsOpener = std::function<void(QWidget *parent, Session &session, int bkod, const QString &cashKind)>;
void setCashDefinitionsOpener(CashDefinitionsOpener opener);

class UnitsDialog : public QDialog {
    Q_OBJECT
public:
    enum class State { Browsing, Adding, Changing };

    UnitsDialog(Session &session, zeran::ui::Prompter &prompter, QWidget *parent = nullptr);

    /// Runs the list query and moves to the paying unit or the unit remembered; false (after the
    /// message) when the list cannot be read.
    bool load();

    /// "Ekle" / "Kayıt".
    void addOrSave();
    /// "Sil" / "İptal".
    void deleteOrCancel();
    /// "Değiş".
    void change();
    /// "Birim Kopyala".
    void copyUnit();
    /// "Nakit Bilgileri".
    void openCash();

    /// Asks the new name of a copy; an empty text or a cancel ends the copy.
    using NameAsker = std::function<QString(QWidget *)>;
    void setNameAsker(NameAsker asker) { nameAsker_ = std::move(asker); }

    State state() const { return state_; }
    int currentUnit() const;
    const std::vector<UnitRow> &rows() const { return rows_; }
    QTableWidget *list() const { return list_; }
    QLineEdit *field(const char *column) const;
    QComboBox *kindBox() const { return kindBox_; }
    QComboBox *activeBox() const { return activeBox_; }
    QComboBox *filterBox() const { return filterBox_; }
    QComboBox *orderBox() const { return orderBox_; }
    QLineEdit *searchEdit() const { return search_; }

private:
    bool requery(int keepBkod);
    void rowChanged(int row);
    void showRow(const UnitRow &r);
    UnitRow panelRow() const;
    void setState(State s);
    void search(const QString &text);

    Session &session_;
    zeran::ui::Prompter &prompter_;
    bool readOnly_ = false;
    State state_ = State::Browsing;
    std::vector<UnitRow> rows_;
    bool filling_ = false;
    NameAsker nameAsker_;

    QTableWidget *list_ = nullptr;
    QComboBox *filterBox_ = nullptr;
    QComboBox *orderBox_ = nullptr;
    QLineEdit *search_ = nullptr;
    QGroupBox *panel_ = nullptr;
    QLineEdit *code_ = nullptr;
    std::vector<std::pair<QString, QLineEdit *>> fields_;
    QComboBox *kindBox_ = nullptr;
    QComboBox *activeBox_ = nullptr;
    QPushButton *addButton_ = nullptr;
    QPushButton *deleteButton_ = nullptr;
    QPushButton *changeButton_ = nullptr;
    QPushButton *cashButton_ = nullptr;
    QAction *copyAction_ = nullptr;
};

/// Opens the screen modally.
void openUnits(QWidget *parent, Session &session, zeran::ui::Prompter &prompter);

inline constexpr const char *kHasResults = "DİKKAT!! Birim İçin Maaş Bilgileri Bulunmaktadır. Silme işlemini Yapamazsınız";
inline constexpr const char *kDeleted = "Birim Silme Başarılı Oldu..";
inline constexpr const char *kDeleteFailed = "Dikkat! Hata Oluştu, Birim Silinemedi";
inline constexpr const char *kRecordsCopied = "Bordro Bilgileri Kopyalandı";
inline constexpr const char *kCopyFailed = "Bordro Bilgileri Kopyalanamadı";
inline constexpr const char *kPlansCopied = "Nakit Bilgileri Kopyalandı";
inline constexpr const char *kDefaultUnitWarning =
    "DİKKAT! Bu birim genel tanımlarda varsayılan birim olarak seçilidir; silinirse yeniden seçilmelidir.";
/// The delete question for a unit's name.
QString deleteQuestion(const QString &name);

}  // namespace zeran::units::ui
