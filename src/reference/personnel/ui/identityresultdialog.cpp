#include "identityresultdialog.h"

#include "calendar.h"
#include "codecombo.h"
#include "codes.h"
#include "commandbar.h"
#include "dateedit.h"
#include "lookups.h"
#include "moneyedit.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zeran::personnel {

namespace {
QLineEdit *valueField(const QString &name, const QString &text, QWidget *parent, int width = 0)
{
    auto *e = new QLineEdit(text, parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    if (width > 0)
        e->setMaximumWidth(width);
    return e;
}

// A value with its code beside it, as the answer carries it.
QWidget *withCode(const QString &name, const QString &text, const QString &code, QWidget *parent)
{
    auto *w = new QWidget(parent);
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(valueField(name + QStringLiteral("Code"), code, w, 70));
    l->addWidget(valueField(name, text, w), 1);
    return w;
}
}  // namespace

IdentityResultDialog::IdentityResultDialog(const IdentityAnswer &a, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("identityResultDialog"));
    setWindowTitle(QStringLiteral("TCK Sorgu Sonucu"));
    setModal(true);

    auto *identity = new QGroupBox(QStringLiteral("KİMLİK BİLGİLERİ"), this);
    auto *idForm = new QFormLayout(identity);
    idForm->addRow(QStringLiteral(" T.C.Kimlik No"), valueField(QStringLiteral("tcknoValue"), a.TCKNO, identity));
    idForm->addRow(QStringLiteral(" Adı Soyadı"),
                   valueField(QStringLiteral("adsoyValue"), (a.ADI + QLatin1Char(' ') + a.SOYADI).trimmed(), identity));
    idForm->addRow(QStringLiteral(" Baba Adı"), valueField(QStringLiteral("babaValue"), a.BABA, identity));
    idForm->addRow(QStringLiteral(" Ana Adı"), valueField(QStringLiteral("anaValue"), a.ANA, identity));
    idForm->addRow(QStringLiteral(" Doğum Tarihi"),
                   valueField(QStringLiteral("dtarValue"),
                              a.dogumTarihi.isValid() ? cal::dateText(a.dogumTarihi) : a.dogumTarihiText, identity));
    idForm->addRow(QStringLiteral(" Cinsiyeti / Medeni Hal"),
                   valueField(QStringLiteral("cinsValue"), a.cinsiyet + QStringLiteral(" / ") + a.medeniHal, identity));
    idForm->addRow(QStringLiteral(" Doğum Yeri"), valueField(QStringLiteral("dyerValue"), a.dogumYeri, identity));

    auto *address = new QGroupBox(QStringLiteral("ADRES BİLGİLERİ"), this);
    auto *adForm = new QFormLayout(address);
    adForm->addRow(QStringLiteral(" İli"), withCode(QStringLiteral("ilValue"), a.il, a.ilKod, address));
    adForm->addRow(QStringLiteral(" İlçesi"), withCode(QStringLiteral("ilceValue"), a.ilce, a.ilceKod, address));
    adForm->addRow(QStringLiteral(" Belde"), withCode(QStringLiteral("beldeValue"), a.belde, a.beldeKod, address));
    adForm->addRow(QStringLiteral(" Köy"), valueField(QStringLiteral("koyValue"), a.koy, address));
    adForm->addRow(QStringLiteral(" Mahalle"), withCode(QStringLiteral("mahalleValue"), a.mahalle, a.mahalleKod, address));
    adForm->addRow(QStringLiteral(" Cadde/Sokak"), withCode(QStringLiteral("caddeValue"), a.cadde, a.caddeKod, address));
    auto *doors = new QWidget(address);
    auto *dl = new QHBoxLayout(doors);
    dl->setContentsMargins(0, 0, 0, 0);
    dl->addWidget(valueField(QStringLiteral("disKapiValue"), a.disKapi, doors));
    dl->addWidget(new QLabel(QStringLiteral("/"), doors));
    dl->addWidget(valueField(QStringLiteral("icKapiValue"), a.icKapi, doors));
    adForm->addRow(QStringLiteral(" Dış Kapı / İç Kapı No"), doors);

    auto *error = valueField(QStringLiteral("errorLine"), a.addressFound ? QString() : a.addressError, this);
    error->setStyleSheet(QStringLiteral("color: darkred"));

    auto *take = ui::commandButton(QStringLiteral("F5-Aktar"), QStringLiteral("takeOverButton"), QKeySequence(Qt::Key_F5), this);
    auto *dismissButton =
        ui::commandButton(QStringLiteral("F6-Vazgeç"), QStringLiteral("dismissButton"), QKeySequence(Qt::Key_F6), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(take);
    buttons->addWidget(dismissButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(identity);
    layout->addWidget(address);
    layout->addWidget(error);
    layout->addLayout(buttons);

    connect(take, &QPushButton::clicked, this, &IdentityResultDialog::takeOver);
    connect(dismissButton, &QPushButton::clicked, this, &IdentityResultDialog::dismiss);
    resize(520, sizeHint().height());
}

QString IdentityResultDialog::shown(const QString &objectName) const
{
    const auto *e = findChild<QLineEdit *>(objectName);
    return e ? e->text() : QString();
}

}  // namespace zeran::personnel
