#include "payrecorddialog.h"

#include "codecombo.h"
#include "codes.h"
#include "commandbar.h"
#include "dateedit.h"
#include "lookups.h"
#include "moneyedit.h"
#include "lookups.h"
#include "prompter.h"
#include "session.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zeran::personnel {

namespace {
QVariant codeOf(std::optional<int> v)
{
    return v ? QVariant(*v) : QVariant();
}
}  // namespace

PayRecordDialog::PayRecordDialog(Session &session, ui::Prompter &prompter, PayRecordKind kind, int unit,
                                 QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter), kind_(kind), unit_(unit)
{
    setObjectName(QStringLiteral("payRecordDialog"));
    setWindowTitle(QStringLiteral("BİLGİLER"));
    setModal(true);
    picker_ = [this]() -> std::optional<RegistrySelection> {
        RegistryListDialog d(session_, prompter_, RegistryListDialog::Mode::Select, this);
        if (!d.reload() || d.exec() != QDialog::Accepted)
            return std::nullopt;
        return d.selection();
    };
    build();
}

void PayRecordDialog::build()
{
    const bool salary = kind_ == PayRecordKind::Salary;
    auto readOnly = [this](const char *name) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        return e;
    };
    auto combo = [this](const char *name) {
        auto *c = new ui::CodeCombo(this);
        c->setObjectName(QLatin1String(name));
        return c;
    };

    auto *person = new QGroupBox(QStringLiteral("Sicil Bilgileri"), this);
    pkayno_ = readOnly("pkaynoField");
    pkayno_->setMaximumWidth(80);
    auto *personButton = ui::commandButton(QStringLiteral("..."), QStringLiteral("personButton"), {}, person);
    personButton->setToolTip(QStringLiteral("Sicil Seçimi"));
    auto *pkRow = new QWidget(person);
    auto *pkLayout = new QHBoxLayout(pkRow);
    pkLayout->setContentsMargins(0, 0, 0, 0);
    pkLayout->addWidget(pkayno_);
    pkLayout->addWidget(personButton);
    pkLayout->addStretch(1);
    pkod_ = new QLineEdit(this);
    pkod_->setObjectName(QStringLiteral("pkodField"));
    pkod_->setValidator(new QIntValidator(0, 32767, pkod_));
    pkod_->setMaximumWidth(80);
    adsoy_ = readOnly("adsoyField");
    baba_ = readOnly("babaField");
    emsno_ = readOnly("emsnoField");
    tckno_ = readOnly("tcknoField");
    auto *pf = new QFormLayout(person);
    pf->addRow(QStringLiteral("Sicil No"), pkRow);
    pf->addRow(QStringLiteral("Personel Kodu"), pkod_);
    pf->addRow(QStringLiteral("Adı Soyadı"), adsoy_);
    pf->addRow(QStringLiteral("Baba Adı"), baba_);
    pf->addRow(QStringLiteral("Emekli Sicil No"), emsno_);
    pf->addRow(QStringLiteral("T.C.K. No"), tckno_);

    auto *pay = new QGroupBox(QStringLiteral("BORDRO BİLGİLERİ"), this);
    auto *bf = new QFormLayout(pay);
    gsstur_ = combo("gssturCombo");
    gsstur_->setChoices(gssturChoices());
    snf_ = combo("snfCombo");
    snfalt_ = combo("snfaltCombo");
    durum_ = combo("durumCombo");
    durum_->setChoices(salary ? durumChoices() : meetingFeeDurumChoices());
    pertur_ = combo("perturCombo");
    pertur_->setChoices(perturChoices());
    ukod_ = combo("ukodCombo");
    senkod_ = combo("senkodCombo");
    bkod_ = combo("bkodCombo");
    if (salary) {
        bf->addRow(QStringLiteral("Sigorta Türü"), gsstur_);
        bf->addRow(QStringLiteral("Hizmet Sınıfı"), snf_);
        bf->addRow(QStringLiteral("Hizmet Alt Sınıfı"), snfalt_);
    }
    bf->addRow(QStringLiteral("Hesap Durumu"), durum_);
    if (salary)
        bf->addRow(QStringLiteral("Maaş Türü"), pertur_);
    bf->addRow(QStringLiteral("Görev Ünvanı"), ukod_);
    if (salary)
        bf->addRow(QStringLiteral("Sendikası"), senkod_);
    bf->addRow(QStringLiteral("Görev Birimi"), bkod_);
    for (QWidget *w : {static_cast<QWidget *>(gsstur_), static_cast<QWidget *>(snf_), static_cast<QWidget *>(snfalt_),
                       static_cast<QWidget *>(pertur_), static_cast<QWidget *>(senkod_)})
        w->setVisible(salary);

    auto *save = ui::commandButton(QStringLiteral("Kayıt"), QStringLiteral("saveButton"), {}, this);
    auto *cancel = ui::commandButton(QStringLiteral("İptal"), QStringLiteral("cancelButton"), {}, this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(person);
    layout->addWidget(pay);
    layout->addLayout(buttons);

    connect(personButton, &QPushButton::clicked, this, &PayRecordDialog::choosePerson);
    connect(save, &QPushButton::clicked, this, [this] { this->save(); });
    connect(cancel, &QPushButton::clicked, this, &PayRecordDialog::reject);
    // The record is the edit buffer: a chooser changes it only when the user picks an
    // item, so a stored code that no list offers survives an unrelated change.
    connect(gsstur_, &QComboBox::activated, this, [this] { record_.GSSTUR = gsstur_->codeText(); });
    connect(durum_, &QComboBox::activated, this, [this] { record_.DURUM = durum_->codeText(); });
    connect(pertur_, &QComboBox::activated, this, [this] { record_.PERTUR = pertur_->codeText(); });
    connect(ukod_, &QComboBox::activated, this, [this] { record_.UKOD = ukod_->codeNumber(); });
    connect(senkod_, &QComboBox::activated, this, [this] { record_.SENKOD = senkod_->codeNumber(); });
    connect(bkod_, &QComboBox::activated, this, [this] { record_.BKOD = bkod_->codeNumber().value_or(0); });
    connect(snf_, &QComboBox::activated, this, [this] {
        record_.SNFKOD = snf_->codeNumber();
        fillSubclasses();
        // A subclass of the former class does not belong to the new one.
        if (snfalt_->currentIndex() <= 0)
            record_.SNFALTKOD.clear();
    });
    connect(snfalt_, &QComboBox::activated, this, [this] { record_.SNFALTKOD = snfalt_->codeText(); });
}

void PayRecordDialog::loadLists()
{
    db::Database &db = session_.main();
    bkod_->setLookup(activeUnits(db), false);
    ukod_->setLookup(titles(db), true);
    if (kind_ == PayRecordKind::Salary) {
        snf_->setLookup(serviceClasses(db), true);
        senkod_->setLookup(unions(db), true);
    }
}

bool PayRecordDialog::startNew()
{
    try {
        loadLists();
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    original_.reset();
    record_ = newPayRecord(kind_, unit_);
    display();
    if (picker_) {
        if (const auto s = picker_())
            takePerson(*s);
    }
    return true;
}

bool PayRecordDialog::loadRecord(int pkayno)
{
    try {
        loadLists();
        const std::optional<PayRecord> r = readPayRecord(session_.main(), pkayno, unit_);
        if (!r) {
            prompter_.inform(this, QStringLiteral("Maaş kaydı bulunamadı"));
            return false;
        }
        record_ = *r;
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    original_ = PayRecordKey{record_.PKAYNO, record_.BKOD, record_.PKOD.value_or(0)};
    display();
    return true;
}

void PayRecordDialog::display()
{
    pkayno_->setText(record_.PKAYNO ? QString::number(record_.PKAYNO) : QString());
    pkod_->setText(record_.PKOD ? QString::number(*record_.PKOD) : QString());
    gsstur_->setCode(record_.GSSTUR);
    durum_->setCode(record_.DURUM);
    pertur_->setCode(record_.PERTUR);
    ukod_->setCode(codeOf(record_.UKOD));
    senkod_->setCode(codeOf(record_.SENKOD));
    bkod_->setCode(record_.BKOD ? QVariant(record_.BKOD) : QVariant());
    snf_->setCode(codeOf(record_.SNFKOD));
    fillSubclasses();
    showPerson();
}

void PayRecordDialog::fillSubclasses()
{
    if (kind_ != PayRecordKind::Salary)
        return;
    LookupList items;
    if (record_.SNFKOD) {
        try {
            items = serviceSubclasses(session_.main(), *record_.SNFKOD);
        } catch (const db::DbError &e) {
            prompter_.inform(this, e.text);
        }
    }
    snfalt_->setLookup(items, true);
    snfalt_->setCode(record_.SNFALTKOD);
}

void PayRecordDialog::showPerson()
{
    std::optional<PersonHeader> h;
    if (record_.PKAYNO) {
        try {
            h = readPersonHeader(session_.main(), record_.PKAYNO);
        } catch (const db::DbError &e) {
            prompter_.inform(this, e.text);
        }
    }
    const PersonHeader p = h.value_or(PersonHeader{});
    adsoy_->setText((p.ADI + QLatin1Char(' ') + p.SOYADI).trimmed());
    baba_->setText(p.BABA);
    emsno_->setText(p.EMSNO);
    tckno_->setText(p.TCKNO);
}

void PayRecordDialog::choosePerson()
{
    if (!picker_)
        return;
    if (const auto s = picker_())
        takePerson(*s);
}

void PayRecordDialog::takePerson(const RegistrySelection &s)
{
    try {
        if (kind_ == PayRecordKind::MeetingFee && recordsInUnit(session_.main(), s.PKAYNO, unit_, original_) > 0) {
            prompter_.inform(this, QString::fromUtf8(kMeetingFeeAlreadyInUnit));
            return;
        }
        // A changed record keeps the code it has (or the one typed).
        if (isNew())
            record_.PKOD = nextPersonCode(session_.main(), unit_);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    record_.PKAYNO = s.PKAYNO;
    record_.BKOD = unit_;
    pkayno_->setText(QString::number(record_.PKAYNO));
    if (isNew() && record_.PKOD)
        pkod_->setText(QString::number(*record_.PKOD));
    bkod_->setCode(QVariant(record_.BKOD));
    showPerson();
    emsno_->setText(s.EMSNO);
}

PayRecord PayRecordDialog::currentRecord() const
{
    PayRecord r = record_;
    const QString code = pkod_->text().trimmed();
    r.PKOD = code.isEmpty() ? std::nullopt : std::optional<int>(code.toInt());
    return r;
}

bool PayRecordDialog::save()
{
    const PayRecord r = currentRecord();
    std::optional<PayRecordProblem> problem;
    try {
        problem = savePayRecord(session_.main(), kind_, r, original_);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    if (problem) {
        prompter_.inform(this, problem->message);
        switch (problem->field) {
        case PayRecordProblem::Field::Code: pkod_->setFocus(); break;
        case PayRecordProblem::Field::Unit: bkod_->setFocus(); break;
        case PayRecordProblem::Field::Insurance: gsstur_->setFocus(); break;
        case PayRecordProblem::Field::Person:
        case PayRecordProblem::Field::Duplicate: break;
        }
        return false;
    }
    record_ = r;
    accept();
    return true;
}

}  // namespace zeran::personnel
