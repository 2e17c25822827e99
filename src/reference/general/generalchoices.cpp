#include "generalchoices.h"

namespace zeran::general {

namespace {
/// Items stored as their position ("0" for the first).
CodeItems byPosition(const QStringList &texts)
{
    CodeItems out;
    for (int i = 0; i < texts.size(); ++i)
        out.push_back({QString::number(i), texts.at(i)});
    return out;
}

/// Items stored as their first character.
CodeItems byFirstCharacter(const QStringList &texts)
{
    CodeItems out;
    for (const QString &t : texts)
        out.push_back({t.left(1), t});
    return out;
}
}  // namespace

const CodeItems &unionDeductionList()
{
    static const CodeItems l = byPosition({QStringLiteral("Seçiniz"), QStringLiteral("1 N"), QStringLiteral("2 B"),
                                           QStringLiteral("3 D"), QStringLiteral("4 Y")});
    return l;
}

const CodeItems &guaranteeBaseList()
{
    static const CodeItems l = byPosition({QStringLiteral("Seçiniz"), QStringLiteral("Aylık Tutar"),
                                           QStringLiteral("Aylık+Taban+Kıdem"), QStringLiteral("Katsayı*100")});
    return l;
}

const CodeItems &deductionModeList()
{
    static const CodeItems l = byFirstCharacter({QStringLiteral("Otomatik İşlem"), QStringLiteral("Aylık Giriş İşlemi")});
    return l;
}

CodeItems garnishmentModeList(const QString &storedCode)
{
    CodeItems l = deductionModeList();
    if (storedCode.trimmed() == QLatin1String("S"))
        l.push_back({QStringLiteral("S"), QStringLiteral("Sabit")});
    return l;
}

const CodeItems &printLayoutList()
{
    static const CodeItems l = byFirstCharacter({QStringLiteral("1"), QStringLiteral("2")});
    return l;
}

const CodeItems &bankFileList()
{
    static const CodeItems l = byFirstCharacter(
        {QStringLiteral("TXT Dosyası"), QStringLiteral("Excell Dosyası"), QStringLiteral("3 Excell Halkbank"),
         QStringLiteral("4 Excell Halkbank (Yeni)"), QStringLiteral("5 Excell Halkbank (Şablon)"),
         QStringLiteral("6 Excell Ziraat (Şablon)")});
    return l;
}

}  // namespace zeran::general
