#pragma once
// "SİCİL BİLGİLERİ", the registry list: browse mode from the main menu, select mode for
// the pay-record dialogs. Ordering, prefix search, "F2-Ekle", "F4-Değiştir", "F5-Seç"
// (select mode only) and "ESC-Çıkış".

#include "registry.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zeran {
class Session;
namespace ui {
class Prompter;
}
}  // namespace zeran

namespace zeran::personnel {

/// What select mode hands back: the person and the retirement registry number.
struct RegistrySelection {
    int PKAYNO = 0;
    QString EMSNO;
};

class RegistryListDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Browse, Select };

    RegistryListDialog(Session &session, ui::Prompter &prompter, Mode mode, QWidget *parent = nullptr);

    /// Reads the list with the chosen ordering; false (after a message) when it cannot.
    bool reload();
    Mode mode() const { return mode_; }
    int rowCount() const;
    /// Person number of the current row; 0 when there is none.
    int currentPkayno() const;
    /// Moves to the person; false when the list does not have them.
    bool moveTo(int pkayno);
    /// The choice of select mode, once made.
    std::optional<RegistrySelection> selection() const { return selection_; }

    /// Opens the record screen: nullopt for a new person, else the person to change.
    /// Returns the saved person's number, or nullopt when nothing was saved. The default
    /// runs the record screen.
    using RecordHook = std::function<std::optional<int>(std::optional<int> pkayno)>;
    void setRecordHook(RecordHook hook) { record_ = std::move(hook); }

public slots:
    /// "F2-Ekle".
    void add();
    /// "F4-Değiştir".
    void change();
    /// "F5-Seç": hands the current row back (select mode).
    void choose();
    /// "Sıralama": 0 by retirement registry number, 1 by name; clears the search field.
    void setOrdering(int index);
    /// "Ara": moves to the first row beginning with the text.
    void search(const QString &text);

private:
    void afterRecord(const std::optional<int> &saved);

    Session &session_;
    ui::Prompter &prompter_;
    Mode mode_;
    RecordHook record_;
    std::optional<RegistrySelection> selection_;
    QVector<RegistryEntry> rows_;

    QComboBox *ordering_ = nullptr;
    QLineEdit *search_ = nullptr;
    QTableWidget *grid_ = nullptr;
    QLabel *count_ = nullptr;
};

}  // namespace zeran::personnel
