#include "generaldialog.h"

#include "commandbar.h"
#include "prompter.h"
#include "session.h"
#include "setupdialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zeran::general {

namespace {

constexpr int kEmblemSize = 96;
// Digits only; nine of them always fit the INTEGER columns.
constexpr int kNumberDigits = 9;

const char *const kEmblemUnreadableMessage = "DİKKAT! Resim dosyası okunamadı: ";

std::optional<int> numberOf(const QLineEdit *e)
{
    const QString t = e->text().trimmed();
    if (t.isEmpty())
        return std::nullopt;
    return t.toInt();
}

QString numberText(const std::optional<int> &n)
{
    return n ? QString::number(*n) : QString();
}

/// Selects the item whose data is `code`; none when no item has it.
void selectCode(QComboBox *box, const std::optional<int> &code)
{
    box->setCurrentIndex(code ? box->findData(*code) : -1);
}

std::optional<bool> flagOf(const QCheckBox *box, const std::optional<bool> &stored)
{
    // A flag never set stays unset until it is ticked.
    if (!stored && !box->isChecked())
        return std::nullopt;
    return box->isChecked();
}

/// The default entry box of a district: the register's code (when new) and the name.
bool askDistrict(QWidget *parent, const QString &title, bool codeEditable, int &code, QString &name)
{
    QDialog box(parent);
    box.setWindowTitle(title);
    auto *codeEdit = new QLineEdit(codeEditable ? QString() : QString::number(code), &box);
    codeEdit->setValidator(new QIntValidator(1, 32767, codeEdit));
    codeEdit->setEnabled(codeEditable);
    auto *nameEdit = new QLineEdit(name, &box);
    nameEdit->setMaxLength(20);
    auto *form = new QFormLayout(&box);
    form->addRow(QStringLiteral("İlçe Kodu (nüfus kaydındaki)"), codeEdit);
    form->addRow(QStringLiteral("İlçe Adı"), nameEdit);
    auto *buttons = new QHBoxLayout;
    auto *ok = ui::commandButton(QStringLiteral("Kayıt"), QStringLiteral("saveButton"), &box);
    auto *cancel = ui::commandButton(QStringLiteral("Vazgeç"), QStringLiteral("cancelButton"), &box);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    form->addRow(buttons);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &box, &QDialog::reject);
    if (box.exec() != QDialog::Accepted)
        return false;
    if (codeEditable)
        code = codeEdit->text().toInt();
    name = nameEdit->text();
    return true;
}

}  // namespace

GeneralDefinitionsDialog::GeneralDefinitionsDialog(Session &session, ui::Prompter &prompter, QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter), districtEditor_(&askDistrict)
{
    setObjectName(QStringLiteral("generalDefinitionsDialog"));
    setWindowTitle(QStringLiteral("GENEL TANIMLAR"));
    setModal(true);

    version_ = new QLabel(this);
    version_->setObjectName(QStringLiteral("versionLabel"));

    // ---- "Genel Tanımlar"
    auto *generalPanel = new QWidget;
    generalPanel->setObjectName(QStringLiteral("generalPanel"));
    kurum_ = lineEdit("kurumEdit", 50);
    province_ = new QComboBox;
    province_->setObjectName(QStringLiteral("provinceCombo"));
    district_ = new QComboBox;
    district_->setObjectName(QStringLiteral("districtCombo"));
    year_ = lineEdit("yearEdit", 4);
    year_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), year_));
    year_->setMaximumWidth(70);
    QComboBox *form = choiceBox("formCombo", yesNoCodes(), &GeneralRow::FORM);
    QComboBox *bortek = choiceBox("bortekCombo", yesNoCodes(), &GeneralRow::BORTEK);
    QComboBox *otoode = choiceBox("otoodeCombo", yesNoCodes(), &GeneralRow::OTOODE);
    QComboBox *sen = choiceBox("senCombo", unionDeductionList(), &GeneralRow::SEN);
    QComboBox *oniz = choiceBox("onizCombo", yesNoCodes(), &GeneralRow::ONIZ);
    QComboBox *mkesdur = choiceBox("mkesdurCombo", deductionModeList(), &GeneralRow::MKESDUR);
    QComboBox *hborkesdur = choiceBox("hborkesdurCombo", deductionModeList(), &GeneralRow::HBORKESDUR);
    QComboBox *udur = choiceBox("udurCombo", yesNoCodes(), &GeneralRow::UDUR);
    mail_ = lineEdit("mailEdit", 50);
    QComboBox *kef = choiceBox("kefCombo", guaranteeBaseList(), &GeneralRow::KEF);
    auto *digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    skod_ = lineEdit("skodEdit", kNumberDigits);
    skod_->setValidator(digits);
    sadi_ = lineEdit("sadiEdit", 50);
    issn_ = lineEdit("issnEdit", 26);
    activeUnit_ = new QComboBox;
    activeUnit_->setObjectName(QStringLiteral("activeUnitCombo"));
    payingUnit_ = new QComboBox;
    payingUnit_->setObjectName(QStringLiteral("payingUnitCombo"));
    noPayingUnit_ = ui::commandButton(QStringLiteral("X"), QStringLiteral("noPayingUnitButton"));
    noPayingUnit_->setToolTip(QStringLiteral("Ödeme birimi yok (0)"));
    noPayingUnit_->setMaximumWidth(30);
    QComboBox *mbortur = choiceBox("mborturCombo", printLayoutList(), &GeneralRow::MBORTUR);
    mhost_ = lineEdit("mhostEdit", 50);
    muhyol_ = lineEdit("muhyolEdit", 60);
    muhyol_->installEventFilter(this);
    nufus_ = lineEdit("nufusEdit", kNumberDigits);
    nufus_->setValidator(digits);
    emkyol_ = lineEdit("emkyolEdit", 255);
    banyol_ = lineEdit("banyolEdit", 255);

    auto *left = new QFormLayout;
    left->addRow(QStringLiteral("Kurum Adı"), kurum_);
    left->addRow(QStringLiteral("İli"), province_);
    addDistrict_ = ui::commandButton(QStringLiteral("İlçe Ekle"), QStringLiteral("addDistrictButton"));
    renameDistrict_ = ui::commandButton(QStringLiteral("İlçe Adı"), QStringLiteral("renameDistrictButton"));
    auto *districtRow = new QHBoxLayout;
    districtRow->addWidget(district_, 1);
    districtRow->addWidget(addDistrict_);
    districtRow->addWidget(renameDistrict_);
    left->addRow(QStringLiteral("İlçesi"), districtRow);
    left->addRow(QStringLiteral("Çalışma Yılı"), year_);
    left->addRow(QStringLiteral("Terfi Tarihlerini Uyar"), form);
    left->addRow(QStringLiteral("Çocuk Sayısını Uyar"), bortek);
    left->addRow(QStringLiteral("Otomatik Ödeme"), otoode);
    left->addRow(QStringLiteral("Sendika Kesintisi"), sen);
    left->addRow(QStringLiteral("Ön İzleme"), oniz);
    left->addRow(QStringLiteral("İcra Kesinti Şekli"), mkesdur);
    left->addRow(QStringLiteral("Hizmet Borçlanması "), hborkesdur);
    left->addRow(QStringLiteral("Kullanıcı Girişi"), udur);
    auto *paying = new QHBoxLayout;
    paying->addWidget(payingUnit_, 1);
    paying->addWidget(noPayingUnit_);
    auto *right = new QFormLayout;
    right->addRow(QStringLiteral("e-mail adresi"), mail_);
    right->addRow(QStringLiteral("Kefalet Hesabı"), kef);
    right->addRow(QStringLiteral("Saymanlık Kodu"), skod_);
    right->addRow(QStringLiteral("Saymanlık Adı"), sadi_);
    right->addRow(QStringLiteral("Sigorta Sicil No"), issn_);
    right->addRow(QStringLiteral("Aktif Birim"), activeUnit_);
    right->addRow(QStringLiteral("Ödeme Birim"), paying);
    right->addRow(QStringLiteral("Bordro Çıktı Türü"), mbortur);
    right->addRow(QStringLiteral("Mail Host Name"), mhost_);
    right->addRow(QStringLiteral("Muhasebe VT Yolu"), muhyol_);
    right->addRow(QStringLiteral("Belediye Nüfusu"), nufus_);
    right->addRow(QStringLiteral("Em.Kes. Dosya Yolu"), emkyol_);
    right->addRow(QStringLiteral("Banka Dosya Yolu"), banyol_);
    auto *generalLayout = new QHBoxLayout(generalPanel);
    generalLayout->addLayout(left, 1);
    generalLayout->addLayout(right, 1);

    // ---- "Banka Tanımları"
    auto *bankPanel = new QWidget;
    bankPanel->setObjectName(QStringLiteral("bankPanel"));
    sbkod_ = lineEdit("sbkodEdit", 15);
    khesno_ = lineEdit("khesnoEdit", 15);
    kmusno_ = lineEdit("kmusnoEdit", 15);
    bmail_ = lineEdit("bmailEdit", 100);
    ttba_ = lineEdit("ttbaEdit", 25);
    ttsa_ = lineEdit("ttsaEdit", 25);
    QComboBox *bdtur = choiceBox("bdturCombo", bankFileList(), &GeneralRow::BDTUR);
    auto *branch = new QHBoxLayout;
    branch->addWidget(sbkod_);
    branch->addWidget(khesno_);
    auto *bankForm = new QFormLayout(bankPanel);
    bankForm->addRow(QStringLiteral("Banka Şube Kodu"), branch);
    bankForm->addRow(QStringLiteral("Banka Müşteri No"), kmusno_);
    bankForm->addRow(QStringLiteral("Banka Mail Adresi"), bmail_);
    bankForm->addRow(QStringLiteral("Banka Adı"), ttba_);
    bankForm->addRow(QStringLiteral("Şube Adı"), ttsa_);
    bankForm->addRow(QStringLiteral("Banka Dosya Türü"), bdtur);

    // ---- "Diğer"
    auto *otherPanel = new QWidget;
    otherPanel->setObjectName(QStringLiteral("otherPanel"));
    pekfark_ = new QCheckBox(
        QStringLiteral("GSS Pirime Esas Kazancı Asgari ücretin altında kalanların farkı işverenden kesilsin"));
    pekfark_->setObjectName(QStringLiteral("pekfarkCheck"));
    yemekgv_ = new QCheckBox(QStringLiteral("Yemek Yardımından Gelir Vergisi Kesilsin"));
    yemekgv_->setObjectName(QStringLiteral("yemekgvCheck"));
    yemekgss_ = new QCheckBox(QStringLiteral("Yemek Yardımından Sigorta Kesilsin"));
    yemekgss_->setObjectName(QStringLiteral("yemekgssCheck"));
    auto *emblemGroup = new QGroupBox(QStringLiteral("Kurum Amblemi"));
    emblem_ = new QLabel;
    emblem_->setObjectName(QStringLiteral("emblemPicture"));
    emblem_->setFixedSize(kEmblemSize, kEmblemSize);
    emblem_->setAlignment(Qt::AlignCenter);
    emblem_->setFrameShape(QFrame::StyledPanel);
    addEmblem_ = ui::commandButton(QStringLiteral("Ekle"), QStringLiteral("addEmblemButton"));
    removeEmblem_ = ui::commandButton(QStringLiteral("Sil"), QStringLiteral("removeEmblemButton"));
    auto *emblemButtons = new QVBoxLayout;
    emblemButtons->addWidget(addEmblem_);
    emblemButtons->addWidget(removeEmblem_);
    emblemButtons->addStretch(1);
    auto *emblemLayout = new QHBoxLayout(emblemGroup);
    emblemLayout->addWidget(emblem_);
    emblemLayout->addLayout(emblemButtons);
    emblemLayout->addStretch(1);
    // The outside identity-query program: its folder on this workstation and the service login.
    auto *nviGroup = new QGroupBox(QStringLiteral("Kimlik Sorgulama (NVİ)"));
    nviyol_ = lineEdit("nviyolEdit", 255);
    nviusr_ = lineEdit("nviusrEdit", 25);
    nvipswd_ = lineEdit("nvipswdEdit", 25);
    nvipswd_->setEchoMode(QLineEdit::Password);
    auto *nviForm = new QFormLayout(nviGroup);
    nviForm->addRow(QStringLiteral("Program Klasörü"), nviyol_);
    nviForm->addRow(QStringLiteral("Kullanıcı Adı"), nviusr_);
    nviForm->addRow(QStringLiteral("Şifre"), nvipswd_);
    auto *otherLayout = new QVBoxLayout(otherPanel);
    otherLayout->addWidget(pekfark_);
    otherLayout->addWidget(yemekgv_);
    otherLayout->addWidget(yemekgss_);
    otherLayout->addWidget(nviGroup);
    otherLayout->addWidget(emblemGroup);
    otherLayout->addStretch(1);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("pages"));
    tabs_->addTab(generalPanel, QStringLiteral("Genel Tanımlar"));
    tabs_->addTab(bankPanel, QStringLiteral("Banka Tanımları"));
    tabs_->addTab(otherPanel, QStringLiteral("Diğer"));
    panels_ = {generalPanel, bankPanel, otherPanel};

    changeButton_ = ui::commandButton(QStringLiteral("Değiştir"), QStringLiteral("changeButton"), this);
    exitButton_ = ui::commandButton(QStringLiteral("Çıkış"), QStringLiteral("exitButton"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(changeButton_);
    buttons->addWidget(exitButton_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(version_);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    connect(changeButton_, &QPushButton::clicked, this, &GeneralDefinitionsDialog::changeOrSave);
    connect(exitButton_, &QPushButton::clicked, this, &GeneralDefinitionsDialog::exitScreen);
    connect(addEmblem_, &QPushButton::clicked, this, &GeneralDefinitionsDialog::addEmblem);
    connect(removeEmblem_, &QPushButton::clicked, this, &GeneralDefinitionsDialog::removeEmblem);
    connect(addDistrict_, &QPushButton::clicked, this, &GeneralDefinitionsDialog::addDistrictOfProvince);
    connect(renameDistrict_, &QPushButton::clicked, this, &GeneralDefinitionsDialog::renameChosenDistrict);
    connect(province_, &QComboBox::currentIndexChanged, this, &GeneralDefinitionsDialog::provinceChosen);
    connect(district_, &QComboBox::currentIndexChanged, this, &GeneralDefinitionsDialog::districtChosen);
    connect(payingUnit_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            payingUnitCode_ = payingUnit_->itemData(index).toInt();
    });
    connect(noPayingUnit_, &QPushButton::clicked, this, [this] {
        const QSignalBlocker block(payingUnit_);
        payingUnit_->setCurrentIndex(-1);
        payingUnitCode_ = 0;
    });

    setPanelsEnabled(false);
    tabs_->setCurrentIndex(0);
    setMinimumWidth(760);
}

QLineEdit *GeneralDefinitionsDialog::lineEdit(const char *objectName, int maxLength)
{
    auto *e = new QLineEdit;
    e->setObjectName(QLatin1String(objectName));
    e->setMaxLength(maxLength);
    return e;
}

QComboBox *GeneralDefinitionsDialog::choiceBox(const char *objectName, const CodeItems &list,
                                               QString GeneralRow::*column)
{
    auto *box = new QComboBox;
    box->setObjectName(QLatin1String(objectName));
    box->addItems(texts(list));
    box->setCurrentIndex(-1);
    choices_.push_back({box, list, column});
    return box;
}

bool GeneralDefinitionsDialog::load()
{
    QVector<Province> provinces;
    QVector<District> districts;
    QVector<UnitName> units;
    try {
        stored_ = readGeneralRow(session_.main());
        provinces = readProvinces(session_.main());
        if (stored_.ILKOD)
            districts = readDistricts(session_.main(), *stored_.ILKOD);
        units = readUnits(session_.main());
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }

    version_->setText(QStringLiteral("Ver: ") + stored_.VER);
    kurum_->setText(stored_.KURUM);
    {
        const QSignalBlocker blockProvince(province_);
        const QSignalBlocker blockDistrict(district_);
        province_->clear();
        for (const Province &p : provinces)
            province_->addItem(p.ILADI, p.ILKOD);
        selectCode(province_, stored_.ILKOD);
        district_->clear();
        for (const District &d : districts)
            district_->addItem(d.ILCE, d.ILCEKOD);
        districtCode_ = stored_.ILCEKOD;
        selectCode(district_, districtCode_);
    }
    year_->setText(stored_.CYIL);
    mail_->setText(stored_.MAIL);
    skod_->setText(numberText(stored_.SKOD));
    sadi_->setText(stored_.SADI);
    issn_->setText(stored_.ISSN);
    {
        const QSignalBlocker blockActive(activeUnit_);
        const QSignalBlocker blockPaying(payingUnit_);
        activeUnit_->clear();
        payingUnit_->clear();
        for (const UnitName &u : units) {
            activeUnit_->addItem(u.BIRIM, u.BKOD);
            payingUnit_->addItem(u.BIRIM, u.BKOD);
        }
        selectCode(activeUnit_, stored_.MBKOD);
        selectCode(payingUnit_, stored_.MODEMEBKOD);
        payingUnitCode_ = stored_.MODEMEBKOD;
    }
    mhost_->setText(stored_.MHOST);
    muhyol_->setText(stored_.MUHYOL);
    nufus_->setText(numberText(stored_.NUFUS));
    emkyol_->setText(session_.settings.EMKYOL);
    banyol_->setText(session_.settings.BANYOL);

    sbkod_->setText(stored_.SBKOD);
    khesno_->setText(stored_.KHESNO);
    kmusno_->setText(stored_.KMUSNO);
    bmail_->setText(stored_.BMAIL);
    ttba_->setText(stored_.TTBA);
    ttsa_->setText(stored_.TTSA);

    for (Choice &c : choices_) {
        if (c.column == &GeneralRow::MKESDUR) {
            c.list = garnishmentModeList(stored_.MKESDUR);
            c.box->clear();
            c.box->addItems(texts(c.list));
        }
        c.box->setCurrentIndex(indexOfCode(c.list, stored_.*c.column));
    }

    nviyol_->setText(session_.settings.NVIYOL);
    nviusr_->setText(stored_.NVIUSR);
    nvipswd_->setText(stored_.NVIPSWD);
    pekfark_->setChecked(stored_.PEKFARK.value_or(false));
    yemekgv_->setChecked(stored_.YEMEKGV.value_or(false));
    yemekgss_->setChecked(stored_.YEMEKGSS.value_or(false));
    logo_ = stored_.LOGO;
    showEmblem();

    editing_ = false;
    changeButton_->setText(QStringLiteral("Değiştir"));
    setPanelsEnabled(false);
    tabs_->setCurrentIndex(0);
    return true;
}

GeneralRow GeneralDefinitionsDialog::editedRow() const
{
    GeneralRow r = stored_;
    r.KURUM = kurum_->text().trimmed();
    if (province_->currentIndex() >= 0)
        r.ILKOD = province_->currentData().toInt();
    r.ILCEKOD = districtCode_;
    r.CYIL = year_->text().trimmed();
    for (const Choice &c : choices_) {
        // No item chosen: the stored code stays, whatever it is.
        const int index = c.box->currentIndex();
        if (index >= 0)
            r.*c.column = codeAt(c.list, index);
    }
    r.MAIL = mail_->text().trimmed();
    r.SKOD = numberOf(skod_);
    r.SADI = sadi_->text().trimmed();
    r.ISSN = issn_->text().trimmed();
    if (activeUnit_->currentIndex() >= 0)
        r.MBKOD = activeUnit_->currentData().toInt();
    r.MODEMEBKOD = payingUnitCode_;
    r.MHOST = mhost_->text().trimmed();
    r.MUHYOL = muhyol_->text().trimmed();
    r.NUFUS = numberOf(nufus_);

    r.SBKOD = sbkod_->text().trimmed();
    r.KHESNO = khesno_->text().trimmed();
    r.KMUSNO = kmusno_->text().trimmed();
    r.BMAIL = bmail_->text().trimmed();
    r.TTBA = ttba_->text().trimmed();
    r.TTSA = ttsa_->text().trimmed();

    r.PEKFARK = flagOf(pekfark_, stored_.PEKFARK);
    r.YEMEKGV = flagOf(yemekgv_, stored_.YEMEKGV);
    r.YEMEKGSS = flagOf(yemekgss_, stored_.YEMEKGSS);
    r.LOGO = logo_;
    r.NVIUSR = nviusr_->text().trimmed();
    r.NVIPSWD = nvipswd_->text().trimmed();
    return r;
}

void GeneralDefinitionsDialog::provinceChosen()
{
    listDistricts();
}

void GeneralDefinitionsDialog::listDistricts()
{
    QVector<District> districts;
    if (province_->currentIndex() >= 0) {
        try {
            districts = readDistricts(session_.main(), province_->currentData().toInt());
        } catch (const db::DbError &e) {
            prompter_.inform(this, e.text);
        }
    }
    const QSignalBlocker block(district_);
    district_->clear();
    for (const District &d : districts)
        district_->addItem(d.ILCE, d.ILCEKOD);
    // A district of another province would leave the address self-contradictory.
    if (districtCode_ && district_->findData(*districtCode_) < 0)
        districtCode_.reset();
    selectCode(district_, districtCode_);
}

void GeneralDefinitionsDialog::districtChosen()
{
    if (district_->currentIndex() >= 0)
        districtCode_ = district_->currentData().toInt();
}

void GeneralDefinitionsDialog::addDistrictOfProvince()
{
    if (!editing_ || province_->currentIndex() < 0)
        return;
    int code = 0;
    QString name;
    if (!districtEditor_(this, QStringLiteral("İlçe Ekle - ") + province_->currentText(), true, code, name))
        return;
    try {
        addDistrict(session_.main(), province_->currentData().toInt(), code, name);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    districtCode_ = code;
    listDistricts();
}

void GeneralDefinitionsDialog::renameChosenDistrict()
{
    if (!editing_ || district_->currentIndex() < 0)
        return;
    int code = district_->currentData().toInt();
    QString name = district_->currentText();
    if (!districtEditor_(this, QStringLiteral("İlçe Adı"), false, code, name))
        return;
    try {
        renameDistrict(session_.main(), district_->currentData().toInt(), name);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    listDistricts();
}

void GeneralDefinitionsDialog::showEmblem()
{
    QPixmap pm;
    if (!logo_.isEmpty() && pm.loadFromData(logo_))
        emblem_->setPixmap(pm.scaled(kEmblemSize, kEmblemSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    else
        emblem_->clear();
}

void GeneralDefinitionsDialog::setPanelsEnabled(bool on)
{
    for (QWidget *p : panels_)
        p->setEnabled(on);
}

void GeneralDefinitionsDialog::addEmblem()
{
    if (!editing_)
        return;
    const QString path = chooser_ ? chooser_(this)
                                  : QFileDialog::getOpenFileName(this, QString(), QString(),
                                                                 QString::fromUtf8(kEmblemFilter));
    if (path.isEmpty())
        return;
    QFile f(path);
    QByteArray bytes;
    if (f.open(QIODevice::ReadOnly))
        bytes = f.readAll();
    if (bytes.isEmpty() || QImage::fromData(bytes).isNull()) {
        prompter_.inform(this, QString::fromUtf8(kEmblemUnreadableMessage) + path);
        return;
    }
    logo_ = bytes;
    showEmblem();
}

void GeneralDefinitionsDialog::removeEmblem()
{
    if (!editing_)
        return;
    logo_.clear();
    showEmblem();
}

bool GeneralDefinitionsDialog::storeRow()
{
    const GeneralRow row = editedRow();
    if (row == stored_)
        return true;
    // A year the period calculations cannot read is refused, as the working-year dialog does.
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    if (row.CYIL != stored_.CYIL && !fourDigits.match(row.CYIL).hasMatch()) {
        prompter_.inform(this, QString::fromUtf8(ui::kYearFormatMessage));
        tabs_->setCurrentIndex(0);
        year_->setFocus();
        return false;
    }
    try {
        storeGeneralRow(session_.main(), row);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    stored_ = row;
    return true;
}

void GeneralDefinitionsDialog::copyFolders()
{
    session_.settings.EMKYOL = emkyol_->text().trimmed();
    session_.settings.BANYOL = banyol_->text().trimmed();
    // The identity-query folder is this workstation's setting, stored at once.
    const QString nviyol = nviyol_->text().trimmed();
    if (nviyol != session_.settings.NVIYOL) {
        session_.settings.NVIYOL = nviyol;
        session_.settings.write({"NVIYOL"});
    }
    session_.ctx.NVIUSR = stored_.NVIUSR;
    session_.ctx.NVIPSWD = stored_.NVIPSWD;
    session_.ctx.MUHYOL = stored_.MUHYOL.isEmpty() ? session_.settings.YOL : stored_.MUHYOL;
}

void GeneralDefinitionsDialog::changeOrSave()
{
    if (!editing_) {
        editing_ = true;
        setPanelsEnabled(true);
        changeButton_->setText(QStringLiteral("Kayıt"));
        return;
    }
    if (!storeRow())
        return;
    editing_ = false;
    changeButton_->setText(QStringLiteral("Değiştir"));
    setPanelsEnabled(false);
    copyFolders();
    finish();
}

void GeneralDefinitionsDialog::exitScreen()
{
    if (!storeRow())
        return;
    copyFolders();
    finish();
}

void GeneralDefinitionsDialog::finish()
{
    finished_ = true;
    QDialog::accept();
}

void GeneralDefinitionsDialog::reject()
{
    // Only "Çıkış" or "Kayıt" leave the screen.
}

void GeneralDefinitionsDialog::closeEvent(QCloseEvent *event)
{
    if (finished_)
        event->accept();
    else
        event->ignore();
}

bool GeneralDefinitionsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == muhyol_ && event->type() == QEvent::MouseButtonDblClick && muhyol_->isEnabled()
        && muhyol_->text().trimmed().isEmpty())
        muhyol_->setText(session_.settings.YOL);
    return QDialog::eventFilter(watched, event);
}

void openGeneralDefinitions(QWidget *parent, Session &session)
{
    ui::BoxPrompter prompter;
    GeneralDefinitionsDialog dialog(session, prompter, parent);
    if (!dialog.load())
        return;
    dialog.exec();
}

}  // namespace zeran::general
