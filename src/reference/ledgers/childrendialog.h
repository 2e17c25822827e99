#pragma once
// "ÇOCUK TANIMLARI": the children of one person with their ages, the counts the child
// allowances follow, and the warning when the pay record holds other counts. "Güncelle"
// carries the counts to every pay record of the person.

#include "ledgers.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zeran {
class Session;
namespace ui {
class Prompter;
}
}  // namespace zeran

namespace zeran::ledgers::ui {

class ChildrenModel;
class LedgerGrid;

class ChildrenDialog : public QDialog {
    Q_OBJECT
public:
    /// `bkod`: the unit the payroll screen shows; the counts are compared with the person's
    /// pay record there (with every pay record of the person when no unit is given).
    ChildrenDialog(Session &session, zeran::ui::Prompter &prompter, int pkayno, std::optional<int> bkod,
                   QWidget *parent = nullptr);

    /// Reads the person, the children and the pay-record counts; false (after the message)
    /// when the database cannot be read.
    bool load();

    ChildrenModel *model() const { return model_; }
    ChildCounts counts() const;
    /// True once this visit stored anything (children or counts).
    bool stored() const { return stored_; }

public slots:
    /// "Güncelle": after the confirmation, stores the children and sets COC1, COC2 and
    /// DIGCOC of every pay record of the person, in one unit of work; then recounts.
    void carryCounts();
    /// "ESC-Çıkış" (also Esc and the window's close box): stores the children and closes.
    /// Stays open (after the message) when they cannot be stored.
    void reject() override;

private:
    bool storePending();
    void recount();
    void newRow();

    Session &session_;
    zeran::ui::Prompter &prompter_;
    int pkayno_;
    std::optional<int> bkod_;
    QList<RecordCounts> recordCounts_;
    bool stored_ = false;

    ChildrenModel *model_ = nullptr;
    LedgerGrid *grid_ = nullptr;
    QLabel *name_ = nullptr;
    QLabel *young_ = nullptr;
    QLabel *older_ = nullptr;
    QLabel *total_ = nullptr;
    QLineEdit *message_ = nullptr;
};

}  // namespace zeran::ledgers::ui
