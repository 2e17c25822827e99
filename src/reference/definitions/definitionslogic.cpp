#include "definitionslogic.h"

namespace zeran::definitions {

EarningSlot defaultSlot(int hno)
{
    EarningSlot s;
    s.HNO = hno;
    s.BKOD = 1;
    s.KOD = QStringLiteral("G");
    s.ADI = QStringLiteral("%1. Hesap Adı").arg(hno);
    s.DUR = QStringLiteral("Y");
    s.GV = QStringLiteral("H");
    s.DV = QStringLiteral("H");
    s.IND = QStringLiteral("H");
    s.TUR = QStringLiteral("D");
    return s;
}

EarningSlot addedSlot(int hno)
{
    EarningSlot s = defaultSlot(hno);
    s.ADI = QStringLiteral("Hesap Adı");
    return s;
}

const CodeItems &durCodes()
{
    static const CodeItems c{{QStringLiteral("V"), QStringLiteral("Var")}, {QStringLiteral("Y"), QStringLiteral("Yok")}};
    return c;
}

const CodeItems &kindCodes()
{
    static const CodeItems c{{QStringLiteral("S"), QStringLiteral("Sabit")}, {QStringLiteral("D"), QStringLiteral("Değişken")}, {QStringLiteral("P"), QStringLiteral("Puan")}};
    return c;
}

const CodeItems &sekDialogCodes()
{
    static const CodeItems c{{QStringLiteral("1"), QStringLiteral("1-Katsayı")}, {QStringLiteral("2"), QStringLiteral("2-E.Y.M.M")}};
    return c;
}

const CodeItems &sekGridCodes()
{
    static const CodeItems c{{QStringLiteral("1"), QStringLiteral("Katsayı")}, {QStringLiteral("2"), QStringLiteral("E.Y.M.M.")}};
    return c;
}

const CodeItems &grossNetCodes()
{
    static const CodeItems c{{QStringLiteral("B"), QStringLiteral("Brüt")}, {QStringLiteral("N"), QStringLiteral("Net")}};
    return c;
}

const CodeItems &activeCodes()
{
    static const CodeItems c{{QStringLiteral("A"), QStringLiteral("Aktif")}, {QStringLiteral("P"), QStringLiteral("Pasif")}};
    return c;
}

const CodeItems &unionBaseCodes()
{
    static const CodeItems c{{QStringLiteral("T"), QStringLiteral("Taban Aylığından")}, {QStringLiteral("D"), QStringLiteral("Damga Vergisi Matrahından")}};
    return c;
}

QString unionStateText(const QString &hesap)
{
    return hesap == QLatin1String("P") ? QStringLiteral("Pasif") : QStringLiteral("Aktif");
}

const QStringList &earningGridHeaders()
{
    static const QStringList h = {QStringLiteral("Açıklama"), QStringLiteral("Hes"),       QStringLiteral("Gel.Ver."),
                                  QStringLiteral("Dam.Ver"),  QStringLiteral("Em.Kes."),   QStringLiteral("İndirim"),
                                  QStringLiteral("HesapTürü"), QStringLiteral("Hes.Şekli"), QStringLiteral("Tutar"),
                                  QStringLiteral("Brüt/Net"), QString()};
    return h;
}

QStringList earningGridRow(const EarningSlot &s, bool usedThisYear)
{
    return {s.ADI,
            textOfCode(durCodes(), s.DUR),
            textOfCode(yesNoCodes(), s.GV),
            textOfCode(yesNoCodes(), s.DV),
            textOfCode(yesNoCodes(), s.EMK),
            textOfCode(yesNoCodes(), s.IND),
            textOfCode(kindCodes(), s.TUR),
            textOfCode(sekGridCodes(), s.SEK),
            s.TUTAR ? s.TUTAR->toText() : QString(),
            textOfCode(grossNetCodes(), s.BRUTNET),
            usedThisYear ? QStringLiteral("*") : QString()};
}

EarningSlot slotToStore(EarningSlot slot)
{
    if (slot.TUR != QLatin1String("S"))
        slot.TUTAR.reset();
    return slot;
}

std::optional<QString> seyyanenRefusal(const SeyyanenFacts &f)
{
    if (f.KULNO != 1)
        return kNoRight;
    if (f.CYIL != QLatin1String("2023") || f.AY <= 6)
        return kInvalidPayPeriod;
    if (f.slotExists)
        return kSeyyanenExists;
    if (f.slotUsed)
        return kSlotUsed;
    return std::nullopt;
}

EarningSlot seyyanenSlot(EarningSlot slot)
{
    slot.ADI = QStringLiteral("Seyyanen Zam");
    slot.DUR = QStringLiteral("V");
    slot.GV = QStringLiteral("H");
    slot.DV = QStringLiteral("E");
    slot.EMK = QStringLiteral("H");
    slot.IND = QStringLiteral("H");
    slot.TUR = QStringLiteral("S");
    slot.BRUTNET = QStringLiteral("B");
    slot.TUTAR = Money::fromKurus(813889);
    return slot;
}

}  // namespace zeran::definitions
