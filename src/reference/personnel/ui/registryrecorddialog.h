#pragma once
// "SİCİL BİLGİLERİ", the record screen of one person, in new or change mode: every
// registry field, the years of service, the identity query ("NVI"), "Kayıt" and "Çıkış".

#include "identityquery.h"
#include "registry.h"

#include <QDialog>
#include <functional>

class QLineEdit;

namespace zeran {
class Session;
namespace ui {
class Prompter;
class CodeCombo;
class DateEdit;
class MoneyEdit;
}
}  // namespace zeran

namespace zeran::personnel {

class RegistryRecordDialog : public QDialog {
    Q_OBJECT
public:
    RegistryRecordDialog(Session &session, ui::Prompter &prompter, QWidget *parent = nullptr);

    /// New mode: an empty row.
    bool loadNew();
    /// Change mode for `pkayno`; warns when the pay record's seniority disagrees with the
    /// entry date. False (after a message) when the row cannot be read.
    bool load(int pkayno);

    bool isNew() const { return isNew_; }
    /// The person number after a successful save.
    int savedPkayno() const { return person_.PKAYNO; }
    /// "Kıd.Yılı" as shown.
    QString seniorityText() const;
    /// The row as the fields hold it now.
    Person currentPerson() const;

    /// Shows an identity answer; true when the user takes it over. The default runs
    /// "TCK Sorgu Sonucu".
    using IdentityResultHook = std::function<bool(const IdentityAnswer &)>;
    void setIdentityResultHook(IdentityResultHook hook) { identityResult_ = std::move(hook); }
    ProgramRunner &runner() { return runner_; }

public slots:
    /// "NVI": the identity query for the number in the field.
    void queryIdentity();
    /// "Kayıt": checks, saves, closes. False when refused (the screen stays open).
    bool save();
    /// "Çıkış": discards the edits. While an identity query runs it only stops the wait.
    void reject() override;

private:
    void build();
    void display(const Person &p);
    void fillDistricts(std::optional<int> ilkod);
    void updateSeniority();
    void takeOver(const IdentityAnswer &a);
    QDate today() const;
    QLineEdit *text(const char *name, int maxLength);
    ui::MoneyEdit *amount(const char *name, const QString &caption);

    Session &session_;
    ui::Prompter &prompter_;
    IdentityResultHook identityResult_;
    ProgramRunner runner_;
    Person person_;
    bool isNew_ = true;

    QLineEdit *adi_ = nullptr, *soyadi_ = nullptr, *tckno_ = nullptr, *emsno_ = nullptr, *baba_ = nullptr,
              *ana_ = nullptr, *dyer_ = nullptr, *adres_ = nullptr, *tel1_ = nullptr, *tel2_ = nullptr,
              *gkur_ = nullptr, *ksn_ = nullptr, *isn_ = nullptr, *perno_ = nullptr, *ssn_ = nullptr,
              *verno_ = nullptr, *bhn_ = nullptr, *ino_ = nullptr, *ckod_ = nullptr, *fhay_ = nullptr,
              *fhgun_ = nullptr, *ihay_ = nullptr, *ihgun_ = nullptr, *kidem_ = nullptr;
    ui::MoneyEdit *fhtut_ = nullptr, *ihtut_ = nullptr;
    ui::DateEdit *dtar_ = nullptr, *kgt_ = nullptr, *tertar_ = nullptr;
    ui::CodeCombo *il_ = nullptr, *ilce_ = nullptr, *ogrdur_ = nullptr, *cins_ = nullptr, *mbkod_ = nullptr;
    QWidget *nviButton_ = nullptr, *saveButton_ = nullptr, *exitButton_ = nullptr;
};

}  // namespace zeran::personnel
