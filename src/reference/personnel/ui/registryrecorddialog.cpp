#include "registryrecorddialog.h"

#include "codecombo.h"
#include "codes.h"
#include "commandbar.h"
#include "dateedit.h"
#include "lookups.h"
#include "moneyedit.h"
#include "identityresultdialog.h"
#include "prompter.h"
#include "seniority.h"
#include "session.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace zeran::personnel {

namespace {
// "Evet"/"Hayır" rows written by older screens may hold the one-letter form.
QString bankTransferCode(const QString &stored)
{
    if (stored == QLatin1String("E"))
        return QStringLiteral("Evet");
    if (stored == QLatin1String("H"))
        return QStringLiteral("Hayır");
    return stored;
}
}  // namespace

RegistryRecordDialog::RegistryRecordDialog(Session &session, ui::Prompter &prompter, QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter)
{
    setObjectName(QStringLiteral("registryRecordDialog"));
    setWindowTitle(QStringLiteral("SİCİL BİLGİLERİ"));
    setModal(true);
    identityResult_ = [this](const IdentityAnswer &a) {
        IdentityResultDialog d(a, this);
        return d.exec() == QDialog::Accepted;
    };
    build();
}

QLineEdit *RegistryRecordDialog::text(const char *name, int maxLength)
{
    auto *e = new QLineEdit(this);
    e->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}

ui::MoneyEdit *RegistryRecordDialog::amount(const char *name, const QString &caption)
{
    auto *e = new ui::MoneyEdit(this);
    e->setObjectName(QLatin1String(name));
    e->setCaption(caption);
    e->setMaxLength(20);
    return e;
}

void RegistryRecordDialog::build()
{
    // Field widths follow the columns, so nothing typed can be cut by the database.
    adi_ = text("adiField", 25);
    soyadi_ = text("soyadiField", 25);
    tckno_ = text("tcknoField", 11);
    emsno_ = text("emsnoField", 15);
    baba_ = text("babaField", 15);
    ana_ = text("anaField", 15);
    dyer_ = text("dyerField", 20);
    dtar_ = new ui::DateEdit(this);
    dtar_->setObjectName(QStringLiteral("dtarField"));
    il_ = new ui::CodeCombo(this);
    il_->setObjectName(QStringLiteral("ilCombo"));
    ilce_ = new ui::CodeCombo(this);
    ilce_->setObjectName(QStringLiteral("ilceCombo"));
    ogrdur_ = new ui::CodeCombo(this);
    ogrdur_->setObjectName(QStringLiteral("ogrdurCombo"));
    cins_ = new ui::CodeCombo(this);
    cins_->setObjectName(QStringLiteral("cinsCombo"));
    cins_->setChoices(cinsChoices());
    adres_ = text("adresField", 40);
    tel1_ = text("tel1Field", 15);
    tel2_ = text("tel2Field", 15);
    gkur_ = text("gkurField", 25);
    kgt_ = new ui::DateEdit(this);
    kgt_->setObjectName(QStringLiteral("kgtField"));
    tertar_ = new ui::DateEdit(this);
    tertar_->setObjectName(QStringLiteral("tertarField"));
    ksn_ = text("ksnField", 15);
    isn_ = text("isnField", 15);
    perno_ = text("pernoField", 15);
    ssn_ = text("ssnField", 15);
    verno_ = text("vernoField", 15);
    bhn_ = text("bhnField", 26);
    ino_ = text("inoField", 30);
    mbkod_ = new ui::CodeCombo(this);
    mbkod_->setObjectName(QStringLiteral("mbkodCombo"));
    mbkod_->setChoices(bankTransferChoices());
    ckod_ = text("ckodField", 6);
    ckod_->setValidator(new QIntValidator(0, 32767, ckod_));
    auto *twoDigits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), this);
    fhay_ = text("fhayField", 2);
    fhgun_ = text("fhgunField", 2);
    ihay_ = text("ihayField", 2);
    ihgun_ = text("ihgunField", 2);
    for (QLineEdit *e : {fhay_, fhgun_, ihay_, ihgun_}) {
        e->setValidator(twoDigits);
        e->setMaximumWidth(40);
    }
    fhtut_ = amount("fhtutField", QStringLiteral("Fiili Hiz.Zam.Tutarı"));
    ihtut_ = amount("ihtutField", QStringLiteral("İtibari Hiz.Zam. Tutarı"));
    kidem_ = text("kidemYiliField", 2);
    kidem_->setReadOnly(true);
    kidem_->setMaximumWidth(40);
    kidem_->setFocusPolicy(Qt::NoFocus);

    auto pair = [this](QLineEdit *months, QLineEdit *days) {
        auto *w = new QWidget(this);
        auto *l = new QHBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(months);
        l->addWidget(new QLabel(QStringLiteral("Gün "), w));
        l->addWidget(days);
        l->addStretch(1);
        return w;
    };
    auto entry = [this](QWidget *date) {
        auto *w = new QWidget(this);
        auto *l = new QHBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(date);
        l->addWidget(new QLabel(QStringLiteral("Kıd.Yılı"), w));
        l->addWidget(kidem_);
        l->addStretch(1);
        return w;
    };

    auto *grid = new QGridLayout;
    int row = 0;
    auto add = [&](int column, const QString &caption, QWidget *field) {
        grid->addWidget(new QLabel(caption, this), row, column * 2);
        grid->addWidget(field, row, column * 2 + 1);
    };
    // Left column: identity; right column: service, bank and service credits.
    const QList<QPair<QString, QWidget *>> left{
        {QStringLiteral(" Adı "), adi_},
        {QStringLiteral(" Soyadı "), soyadi_},
        {QStringLiteral(" T.C.Kimlik No "), tckno_},
        {QStringLiteral(" Emekli Sicil No "), emsno_},
        {QStringLiteral(" Baba Adı "), baba_},
        {QStringLiteral(" Ana Adı "), ana_},
        {QStringLiteral(" Doğum Yeri "), dyer_},
        {QStringLiteral(" Doğum Tarihi "), dtar_},
        {QStringLiteral(" İli "), il_},
        {QStringLiteral(" İlçesi "), ilce_},
        {QStringLiteral(" Öğrenim Durumu "), ogrdur_},
        {QStringLiteral(" Cinsiyeti"), cins_},
        {QStringLiteral(" İkametgah Adresi "), adres_},
        {QStringLiteral(" İş Telefonu "), tel1_},
        {QStringLiteral(" Ev Telefonu "), tel2_},
        {QStringLiteral(" Geldiği Kurum "), gkur_},
    };
    const QList<QPair<QString, QWidget *>> right{
        {QStringLiteral(" İşe Gir.Tar (Kıdem) "), entry(kgt_)},
        {QStringLiteral(" Terfi Tarihi "), tertar_},
        {QStringLiteral(" Kurum Sicil No "), ksn_},
        {QStringLiteral(" İl Sicil No "), isn_},
        {QStringLiteral(" Personel No"), perno_},
        {QStringLiteral(" Sendika Üye No "), ssn_},
        {QStringLiteral(" Vergi Numarası "), verno_},
        {QStringLiteral(" Banka Hesap No "), bhn_},
        {QStringLiteral(" IBAN No"), ino_},
        {QStringLiteral(" Banka Dosya Aktar "), mbkod_},
        {QStringLiteral(" Muhasebe Cari Kodu"), ckod_},
        {QStringLiteral(" Fiili Hiz.Zam.Sür. Ay "), pair(fhay_, fhgun_)},
        {QStringLiteral(" Fiili Hiz.Zam.Tutarı "), fhtut_},
        {QStringLiteral(" İtibari Hiz.Zam.Sür. Ay "), pair(ihay_, ihgun_)},
        {QStringLiteral(" İtibari Hiz.Zam. Tutarı "), ihtut_},
    };
    for (row = 0; row < left.size(); ++row)
        add(0, left[row].first, left[row].second);
    for (row = 0; row < right.size(); ++row)
        add(1, right[row].first, right[row].second);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto *nvi = ui::commandButton(QStringLiteral("NVI"), QStringLiteral("nviButton"), {}, this);
    auto *save = ui::commandButton(QStringLiteral("Kayıt"), QStringLiteral("saveButton"), {}, this);
    auto *exit = ui::commandButton(QStringLiteral("Çıkış"), QStringLiteral("exitButton"), {}, this);
    nviButton_ = nvi;
    saveButton_ = save;
    exitButton_ = exit;
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(nvi);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(exit);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(nvi, &QPushButton::clicked, this, &RegistryRecordDialog::queryIdentity);
    connect(save, &QPushButton::clicked, this, [this] { this->save(); });
    connect(exit, &QPushButton::clicked, this, &RegistryRecordDialog::reject);
    connect(il_, &QComboBox::currentIndexChanged, this, [this] { fillDistricts(il_->codeNumber()); });
    connect(kgt_, &QLineEdit::textChanged, this, &RegistryRecordDialog::updateSeniority);
    // The commands wait while the identity program runs; the window itself stays live.
    connect(&runner_, &ProgramRunner::runningChanged, this, [this](bool running) {
        for (QWidget *w : {nviButton_, saveButton_, exitButton_})
            w->setEnabled(!running);
    });
}

QDate RegistryRecordDialog::today() const
{
    return session_.ctx.startUpDate();
}

bool RegistryRecordDialog::loadNew()
{
    isNew_ = true;
    Person p;
    try {
        il_->setLookup(provinces(session_.main()), true);
        ogrdur_->setLookup(educationLevels(session_.main()), true);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    display(p);
    return true;
}

bool RegistryRecordDialog::load(int pkayno)
{
    isNew_ = false;
    std::optional<int> kidem;
    try {
        const std::optional<Person> p = readPerson(session_.main(), pkayno);
        if (!p) {
            prompter_.inform(this, QStringLiteral("Sicil kaydı bulunamadı: %1").arg(pkayno));
            return false;
        }
        il_->setLookup(provinces(session_.main()), true);
        ogrdur_->setLookup(educationLevels(session_.main()), true);
        display(*p);
        kidem = payRecordSeniority(session_.main(), pkayno);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    if (kidem && seniorityMismatch(seniorityText(), kidem))
        prompter_.inform(this, QString::fromUtf8(kSeniorityWarning));
    return true;
}

void RegistryRecordDialog::display(const Person &p)
{
    person_ = p;
    adi_->setText(p.ADI);
    soyadi_->setText(p.SOYADI);
    tckno_->setText(p.TCKNO);
    emsno_->setText(p.EMSNO);
    baba_->setText(p.BABA);
    ana_->setText(p.ANA);
    dyer_->setText(p.DYER);
    dtar_->setDate(p.DTAR);
    il_->setCode(p.ILKOD ? QVariant(*p.ILKOD) : QVariant());
    fillDistricts(p.ILKOD);
    ilce_->setCode(p.ILCEKOD ? QVariant(*p.ILCEKOD) : QVariant());
    ogrdur_->setCode(p.OGRDUR ? QVariant(*p.OGRDUR) : QVariant());
    cins_->setCode(p.CINS);
    adres_->setText(p.ADRES);
    tel1_->setText(p.TEL1);
    tel2_->setText(p.TEL2);
    gkur_->setText(p.GKUR);
    kgt_->setDate(p.KGT);
    tertar_->setDate(p.TERTAR);
    ksn_->setText(p.KSN);
    isn_->setText(p.ISN);
    perno_->setText(p.PERNO);
    ssn_->setText(p.SSN);
    verno_->setText(p.VERNO);
    bhn_->setText(p.BHN);
    ino_->setText(p.INO);
    mbkod_->setCode(bankTransferCode(p.MBKOD));
    ckod_->setText(p.CKOD ? QString::number(*p.CKOD) : QString());
    fhay_->setText(p.FHAY);
    fhgun_->setText(p.FHGUN);
    fhtut_->setAmount(p.FHTUT);
    ihay_->setText(p.IHAY);
    ihgun_->setText(p.IHGUN);
    ihtut_->setAmount(p.IHTUT);
    updateSeniority();
}

void RegistryRecordDialog::fillDistricts(std::optional<int> ilkod)
{
    const QVariant keep = ilce_->code();
    if (!ilkod) {
        ilce_->setLookup({}, true);
        return;
    }
    try {
        ilce_->setLookup(districts(session_.main(), *ilkod), true);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        ilce_->setLookup({}, true);
        return;
    }
    ilce_->setCode(keep);
}

void RegistryRecordDialog::updateSeniority()
{
    const std::optional<QDate> kgt = kgt_->date();
    kidem_->setText(kgt && kgt->isValid() ? seniorityYears(*kgt, today()) : QString());
}

QString RegistryRecordDialog::seniorityText() const
{
    return kidem_->text();
}

Person RegistryRecordDialog::currentPerson() const
{
    Person p = person_;
    p.ADI = adi_->text().trimmed();
    p.SOYADI = soyadi_->text().trimmed();
    p.TCKNO = tckno_->text().trimmed();
    p.EMSNO = emsno_->text().trimmed();
    p.BABA = baba_->text().trimmed();
    p.ANA = ana_->text().trimmed();
    p.DYER = dyer_->text().trimmed();
    p.DTAR = dtar_->date().value_or(QDate());
    p.ILKOD = il_->codeNumber();
    p.ILCEKOD = ilce_->codeNumber();
    p.OGRDUR = ogrdur_->codeNumber();
    p.CINS = cins_->codeText();
    p.ADRES = adres_->text().trimmed();
    p.TEL1 = tel1_->text().trimmed();
    p.TEL2 = tel2_->text().trimmed();
    p.GKUR = gkur_->text().trimmed();
    p.KGT = kgt_->date().value_or(QDate());
    p.TERTAR = tertar_->date().value_or(QDate());
    p.KSN = ksn_->text().trimmed();
    p.ISN = isn_->text().trimmed();
    p.PERNO = perno_->text().trimmed();
    p.SSN = ssn_->text().trimmed();
    p.VERNO = verno_->text().trimmed();
    p.BHN = bhn_->text().trimmed();
    p.INO = ino_->text().trimmed();
    p.MBKOD = mbkod_->codeText();
    p.CKOD = ckod_->text().trimmed().isEmpty() ? std::nullopt : std::optional<int>(ckod_->text().toInt());
    p.FHAY = fhay_->text().trimmed();
    p.FHGUN = fhgun_->text().trimmed();
    p.FHTUT = fhtut_->read().amount;
    p.IHAY = ihay_->text().trimmed();
    p.IHGUN = ihgun_->text().trimmed();
    p.IHTUT = ihtut_->read().amount;
    return p;
}

bool RegistryRecordDialog::save()
{
    if (runner_.isRunning())
        return false;
    Person p = currentPerson();
    std::optional<PersonProblem> problem = checkPerson(p);
    if (!problem) {
        // A text that is not a date or an amount would otherwise be stored as empty.
        for (ui::DateEdit *d : {dtar_, kgt_, tertar_}) {
            if (!d->date()) {
                prompter_.inform(this, ui::invalidDateMessage(d->text()));
                d->setFocus();
                return false;
            }
        }
        for (ui::MoneyEdit *e : {fhtut_, ihtut_}) {
            if (const ui::AmountReading r = e->read(); !r.ok()) {
                prompter_.inform(this, r.problem);
                e->setFocus();
                return false;
            }
        }
        try {
            problem = savePerson(session_.main(), session_.ctx, p, isNew_);
        } catch (const db::DbError &e) {
            prompter_.inform(this, e.text);
            return false;
        }
    }
    if (problem) {
        prompter_.inform(this, problem->message);
        switch (problem->field) {
        case PersonProblem::Field::ADI: adi_->setFocus(); break;
        case PersonProblem::Field::SOYADI: soyadi_->setFocus(); break;
        case PersonProblem::Field::TCKNO: tckno_->setFocus(); break;
        case PersonProblem::Field::EMSNO: emsno_->setFocus(); break;
        }
        return false;
    }
    person_.PKAYNO = p.PKAYNO;
    accept();
    return true;
}

void RegistryRecordDialog::reject()
{
    if (runner_.isRunning()) {
        runner_.abandon();
        return;
    }
    QDialog::reject();
}

void RegistryRecordDialog::queryIdentity()
{
    if (runner_.isRunning())
        return;
    IdentityQueryInput in;
    in.folder = identityFolder(session_.settings.NVIYOL);
    in.user = session_.ctx.NVIUSR;
    in.password = session_.ctx.NVIPSWD;
    in.number = tckno_->text();
    const IdentityQueryResult r = runIdentityQuery(runner_, in);
    const QString message = identityMessage(r);
    if (!message.isEmpty() || r.step == IdentityQueryResult::Step::QueryFailed)
        prompter_.inform(this, message);
    if (r.step == IdentityQueryResult::Step::NumberMissing || r.step == IdentityQueryResult::Step::NumberWrong)
        tckno_->setFocus();
    if (r.step != IdentityQueryResult::Step::Answer)
        return;
    if (identityResult_ && identityResult_(r.answer))
        takeOver(r.answer);
}

void RegistryRecordDialog::takeOver(const IdentityAnswer &a)
{
    tckno_->setText(a.TCKNO);
    adi_->setText(a.ADI);
    soyadi_->setText(a.SOYADI);
    baba_->setText(a.BABA);
    ana_->setText(a.ANA);
    if (a.dogumTarihi.isValid())
        dtar_->setDate(a.dogumTarihi);
    dyer_->setText(a.dogumYeri);
    // The field holds what the column can store; the clerk sees and may shorten it.
    adres_->setText(takeOverAddress(a));
}

}  // namespace zeran::personnel
