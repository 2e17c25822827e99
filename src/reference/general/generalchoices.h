#pragma once
// The drop-down lists of the general definitions and the codes they store in PTANIM.
// A list stores either the first character of the chosen item ("Evet" -> "E") or the
// item's position as text ("Seçiniz" -> "0").

#include <QString>
#include <QStringList>

namespace zeran::general {

enum class CodeRule { FirstCharacter, Position };

struct ChoiceList {
    QStringList items;
    CodeRule rule = CodeRule::FirstCharacter;
};

/// The code stored for item `index`; empty when no item is chosen (index outside the list).
QString codeOf(const ChoiceList &list, int index);
/// The item that shows a stored code; -1 when none does (empty or unknown code).
int itemOf(const ChoiceList &list, const QString &code);

/// "Evet" / "Hayır": FORM, BORTEK, OTOODE, ONIZ, UDUR.
const ChoiceList &yesNoList();
/// "Sendika Kesintisi" (SEN): "Seçiniz", "1 N" … "4 Y" stored "0" … "4".
const ChoiceList &unionDeductionList();
/// "Kefalet Hesabı" (KEF): "Seçiniz", "Aylık Tutar", "Aylık+Taban+Kıdem", "Katsayı*100", "0" … "3".
const ChoiceList &guaranteeBaseList();
/// "Hizmet Borçlanması " (HBORKESDUR): "Otomatik İşlem" / "Aylık Giriş İşlemi", "O" / "A".
const ChoiceList &deductionModeList();
/// "İcra Kesinti Şekli" (MKESDUR): as deductionModeList(); a stored "S" (no longer offered)
/// is shown as a third item "Sabit", so that it stays as it is unless another item is chosen.
ChoiceList garnishmentModeList(const QString &storedCode);
/// "Bordro Çıktı Türü" (MBORTUR): "1" / "2".
const ChoiceList &printLayoutList();
/// "Banka Dosya Türü" (BDTUR): "TXT Dosyası" "T", "Excell Dosyası" "E", "3 Excell Halkbank" "3" … "6".
const ChoiceList &bankFileList();

}  // namespace zeran::general
