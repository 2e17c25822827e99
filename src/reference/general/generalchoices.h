#pragma once
// The drop-down lists of the general definitions and the codes they store in PTANIM.
// A list stores either the first character of the chosen item ("Evet" -> "E") or the
// item's position as text ("Seçiniz" -> "0"). The yes/no lists are the shared yesNoCodes().

#include "codelist.h"

namespace zeran::general {

/// "Sendika Kesintisi" (SEN): "Seçiniz", "1 N" … "4 Y" stored "0" … "4".
const CodeItems &unionDeductionList();
/// "Kefalet Hesabı" (KEF): "Seçiniz", "Aylık Tutar", "Aylık+Taban+Kıdem", "Katsayı*100", "0" … "3".
const CodeItems &guaranteeBaseList();
/// "Hizmet Borçlanması " (HBORKESDUR): "Otomatik İşlem" / "Aylık Giriş İşlemi", "O" / "A".
const CodeItems &deductionModeList();
/// "İcra Kesinti Şekli" (MKESDUR): as deductionModeList(); a stored "S" (no longer offered)
/// is shown as a third item "Sabit", so that it stays as it is unless another item is chosen.
CodeItems garnishmentModeList(const QString &storedCode);
/// "Bordro Çıktı Türü" (MBORTUR): "1" / "2".
const CodeItems &printLayoutList();
/// "Banka Dosya Türü" (BDTUR): "TXT Dosyası" "T", "Excell Dosyası" "E", "3 Excell Halkbank" "3" … "6".
const CodeItems &bankFileList();

}  // namespace zeran::general
