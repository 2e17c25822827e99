#include "unitkinds.h"

namespace zeran::units {

const std::vector<UnitKind> &unitKinds()
{
    static const std::vector<UnitKind> kinds = {
        {QStringLiteral("Zeran Maaşı"), QStringLiteral("N"), QStringLiteral("Zeran Maaşları"), QStringLiteral("1")},
        {QStringLiteral("Meclis Ücretleri"), QStringLiteral("M"), QStringLiteral("Meclis Maaşları"), QStringLiteral("5")},
        {QStringLiteral("Encümen Oturum Ücreti"), QStringLiteral("E"), QStringLiteral("Encümen Maaşları"), QStringLiteral("4")},
        {QStringLiteral("Olağanüstü Meclis Oturumu"), QStringLiteral("O"), QStringLiteral("Olağanüstü Meclis Maaşları"),
         QStringLiteral("6")},
        {QStringLiteral("Başkan Vekalet Ücreti"), QStringLiteral("V"), QStringLiteral("Başkan Vekil Maaşı"), QStringLiteral("7")},
        {QStringLiteral("Zeran Vekalet Ücreti"), QStringLiteral("K"), QStringLiteral("Zeran Vekil Maaşı"), QStringLiteral("7")},
    };
    return kinds;
}

int kindPosition(const QString &mtur)
{
    const QString code = mtur.trimmed();
    for (std::size_t i = 0; i < unitKinds().size(); ++i) {
        if (!code.isEmpty() && unitKinds()[i].code == code)
            return int(i);
    }
    return -1;
}

QString kindCode(int position)
{
    if (position < 0 || position >= int(unitKinds().size()))
        return QStringLiteral("N");
    return unitKinds()[std::size_t(position)].code;
}

QString kindWords(const QString &mtur)
{
    const int at = kindPosition(mtur);
    return at < 0 ? QString() : unitKinds()[std::size_t(at)].shown;
}

QString cashKind(const QString &mtur)
{
    const int at = kindPosition(mtur);
    return at < 0 ? QStringLiteral("1") : unitKinds()[std::size_t(at)].cash;
}

QString activityWords(const QString &aktif)
{
    if (aktif == QLatin1String("A"))
        return QStringLiteral("Aktif");
    if (aktif == QLatin1String("P"))
        return QStringLiteral("Pasif");
    return {};
}

int findByPrefix(const QStringList &names, const QString &prefix)
{
    if (prefix.isEmpty())
        return -1;
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i).startsWith(prefix, Qt::CaseSensitive))
            return i;
    }
    return -1;
}

}  // namespace zeran::units
