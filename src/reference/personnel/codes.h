#pragma once
// The fixed choice lists of the registry and the pay-record dialogs with the codes they
// store. The codes are given explicitly: "Zeran" stores "M" and "5510 S.K." stores "5", so
// the first letter of an item is not always its code.

#include <QString>
#include <QVector>

namespace zeran::personnel {

struct Choice {
    QString code;
    QString text;
};
using Choices = QVector<Choice>;

/// "Hesap Durumu" (ZERBORBIL.DURUM): "Evet" E, "Hayır" H, "Açığa Alınma" A, "Ücretsiz İzin" Ü.
const Choices &durumChoices();
/// The meeting-fee dialog's "Hesap Durumu": "Evet" and "Hayır" only.
const Choices &meetingFeeDurumChoices();
/// "Sigorta Türü" (GSSTUR): "Emekli Sandığı" E, "5510 S.K." 5, "Yok" Y, "Vekalet" V.
const Choices &gssturChoices();
/// "Maaş Türü" (PERTUR): "Zeran" M, "Sözleşmeli" S, "Diğer" D.
const Choices &perturChoices();
/// " Cinsiyeti" (SICIL.CINS): "Erkek" E, "Kadın" K.
const Choices &cinsChoices();
/// " Banka Dosya Aktar " (SICIL.MBKOD): the whole item text is stored.
const Choices &bankTransferChoices();

/// Index of `code` in `list`, -1 when it is not there.
int indexOfCode(const Choices &list, const QString &code);
/// The text of `code`, or the code itself when the list does not have it.
QString textOfCode(const Choices &list, const QString &code);

/// Sex as lists show it: "ERKEK", "KADIN"; anything else as stored.
QString sexListText(const QString &cins);

}  // namespace zeran::personnel
