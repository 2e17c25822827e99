#pragma once
// "BİLGİLER", the pay-record dialog of a person in a unit, for salary units and (as its
// twin) for meeting-fee units: the person chosen from the registry, the person code and
// the pay values that identify the record. Every check runs before anything is written.

#include "payrecords.h"
#include "registrylistdialog.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QGroupBox;

namespace zeran {
class Session;
namespace ui {
class Prompter;
class CodeCombo;
}
}  // namespace zeran

namespace zeran::personnel {

class PayRecordDialog : public QDialog {
    Q_OBJECT
public:
    /// `unit` is the caller's unit: new records go there, changes are read from there.
    PayRecordDialog(Session &session, ui::Prompter &prompter, PayRecordKind kind, int unit,
                    QWidget *parent = nullptr);

    /// New mode: a new record with its defaults, then the registry in select mode. False
    /// (after a message) when the lists cannot be read.
    bool startNew();
    /// Change mode for the person's record in the caller's unit; false when there is none.
    bool loadRecord(int pkayno);

    PayRecordKind kind() const { return kind_; }
    bool isNew() const { return !original_.has_value(); }
    /// The edit buffer as it stands (the person code as typed).
    PayRecord currentRecord() const;
    /// The person number passed back after a save.
    int savedPkayno() const { return record_.PKAYNO; }

    /// Picks a person from the registry; the default runs the registry list in select mode.
    using PersonPicker = std::function<std::optional<RegistrySelection>()>;
    void setPersonPicker(PersonPicker picker) { picker_ = std::move(picker); }

public slots:
    /// The person button: choose (another) person for the record.
    void choosePerson();
    /// "Kayıt": the checks, then one unit of work; closes when saved. False when refused.
    bool save();

private:
    void build();
    void loadLists();
    void display();
    void showPerson();
    void fillSubclasses();
    /// Takes the chosen person into the record, or refuses them (meeting-fee units).
    void takePerson(const RegistrySelection &s);

    Session &session_;
    ui::Prompter &prompter_;
    PayRecordKind kind_;
    int unit_;
    PersonPicker picker_;
    PayRecord record_;
    std::optional<PayRecordKey> original_;

    QLineEdit *pkayno_ = nullptr, *pkod_ = nullptr, *adsoy_ = nullptr, *baba_ = nullptr, *emsno_ = nullptr,
              *tckno_ = nullptr;
    ui::CodeCombo *gsstur_ = nullptr, *snf_ = nullptr, *snfalt_ = nullptr, *durum_ = nullptr, *pertur_ = nullptr,
              *ukod_ = nullptr, *senkod_ = nullptr, *bkod_ = nullptr;
};

}  // namespace zeran::personnel
