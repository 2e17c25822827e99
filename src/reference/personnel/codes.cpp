#include "codes.h"

namespace zeran::personnel {

const Choices &durumChoices()
{
    static const Choices c{{QStringLiteral("E"), QStringLiteral("Evet")},
                           {QStringLiteral("H"), QStringLiteral("Hayır")},
                           {QStringLiteral("A"), QStringLiteral("Açığa Alınma")},
                           {QStringLiteral("Ü"), QStringLiteral("Ücretsiz İzin")}};
    return c;
}

const Choices &meetingFeeDurumChoices()
{
    return yesNoCodes();
}

const Choices &gssturChoices()
{
    static const Choices c{{QStringLiteral("E"), QStringLiteral("Emekli Sandığı")},
                           {QStringLiteral("5"), QStringLiteral("5510 S.K.")},
                           {QStringLiteral("Y"), QStringLiteral("Yok")},
                           {QStringLiteral("V"), QStringLiteral("Vekalet")}};
    return c;
}

const Choices &perturChoices()
{
    static const Choices c{{QStringLiteral("M"), QStringLiteral("Zeran")},
                           {QStringLiteral("S"), QStringLiteral("Sözleşmeli")},
                           {QStringLiteral("D"), QStringLiteral("Diğer")}};
    return c;
}

const Choices &cinsChoices()
{
    static const Choices c{{QStringLiteral("E"), QStringLiteral("Erkek")}, {QStringLiteral("K"), QStringLiteral("Kadın")}};
    return c;
}

const Choices &bankTransferChoices()
{
    static const Choices c{{QStringLiteral("Evet"), QStringLiteral("Evet")}, {QStringLiteral("Hayır"), QStringLiteral("Hayır")}};
    return c;
}

QString sexListText(const QString &cins)
{
    if (cins == QLatin1String("E"))
        return QStringLiteral("ERKEK");
    if (cins == QLatin1String("K"))
        return QStringLiteral("KADIN");
    return cins;
}

}  // namespace zeran::personnel
