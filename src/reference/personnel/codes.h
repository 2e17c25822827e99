#pragma once
// The fixed choice lists of the registry and the pay-record dialogs with the codes they
// store. The codes are given explicitly: "Zeran" stores "M" and "5510 S.K." stores "5", so
// the first letter of an item is not always its code.

#include "codelist.h"

#include <QString>
#include <QVector>

namespace zeran::personnel {

using Choice = CodeItem;
using Choices = CodeItems;

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


/// Sex as lists show it: "ERKEK", "KADIN"; anything else as stored.
QString sexListText(const QString &cins);

}  // namespace zeran::personnel
