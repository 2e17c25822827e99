#include "generalchoices.h"

namespace zeran::general {

QString codeOf(const ChoiceList &list, int index)
{
    if (index < 0 || index >= list.items.size())
        return {};
    if (list.rule == CodeRule::Position)
        return QString::number(index);
    return list.items.at(index).left(1);
}

int itemOf(const ChoiceList &list, const QString &code)
{
    const QString c = code.trimmed();
    if (c.isEmpty())
        return -1;
    if (list.rule == CodeRule::Position) {
        bool ok = false;
        const int i = c.toInt(&ok);
        return ok && i >= 0 && i < list.items.size() ? i : -1;
    }
    for (int i = 0; i < list.items.size(); ++i)
        if (list.items.at(i).left(1) == c.left(1))
            return i;
    return -1;
}

const ChoiceList &yesNoList()
{
    static const ChoiceList l{{QStringLiteral("Evet"), QStringLiteral("Hayır")}, CodeRule::FirstCharacter};
    return l;
}

const ChoiceList &unionDeductionList()
{
    static const ChoiceList l{{QStringLiteral("Seçiniz"), QStringLiteral("1 N"), QStringLiteral("2 B"),
                               QStringLiteral("3 D"), QStringLiteral("4 Y")},
                              CodeRule::Position};
    return l;
}

const ChoiceList &guaranteeBaseList()
{
    static const ChoiceList l{{QStringLiteral("Seçiniz"), QStringLiteral("Aylık Tutar"),
                               QStringLiteral("Aylık+Taban+Kıdem"), QStringLiteral("Katsayı*100")},
                              CodeRule::Position};
    return l;
}

const ChoiceList &deductionModeList()
{
    static const ChoiceList l{{QStringLiteral("Otomatik İşlem"), QStringLiteral("Aylık Giriş İşlemi")},
                              CodeRule::FirstCharacter};
    return l;
}

ChoiceList garnishmentModeList(const QString &storedCode)
{
    ChoiceList l = deductionModeList();
    if (storedCode.trimmed() == QLatin1String("S"))
        l.items << QStringLiteral("Sabit");
    return l;
}

const ChoiceList &printLayoutList()
{
    static const ChoiceList l{{QStringLiteral("1"), QStringLiteral("2")}, CodeRule::FirstCharacter};
    return l;
}

const ChoiceList &bankFileList()
{
    static const ChoiceList l{{QStringLiteral("TXT Dosyası"), QStringLiteral("Excell Dosyası"),
                               QStringLiteral("3 Excell Halkbank"), QStringLiteral("4 Excell Halkbank (Yeni)"),
                               QStringLiteral("5 Excell Halkbank (Şablon)"), QStringLiteral("6 Excell Ziraat (Şablon)")},
                              CodeRule::FirstCharacter};
    return l;
}

}  // namespace zeran::general
