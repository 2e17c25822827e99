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

int CodeList::indexOf(const QString &code) const
{
    return code.isEmpty() ? -1 : int(codes.indexOf(code));
}

QString CodeList::codeAt(int index) const
{
    return index >= 0 && index < codes.size() ? codes.at(index) : QString();
}

QString CodeList::textOf(const QString &code) const
{
    const int i = indexOf(code);
    return i >= 0 ? items.at(i) : QString();
}

const CodeList &durCodes()
{
    static const CodeList c{{QStringLiteral("Var"), QStringLiteral("Yok")}, {QStringLiteral("V"), QStringLiteral("Y")}};
    return c;
}

const CodeList &yesNoCodes()
{
    static const CodeList c{{QStringLiteral("Evet"), QStringLiteral("Hayır")}, {QStringLiteral("E"), QStringLiteral("H")}};
    return c;
}

const CodeList &kindCodes()
{
    static const CodeList c{{QStringLiteral("Sabit"), QStringLiteral("Değişken"), QStringLiteral("Puan")},
                            {QStringLiteral("S"), QStringLiteral("D"), QStringLiteral("P")}};
    return c;
}

const CodeList &sekDialogCodes()
{
    static const CodeList c{{QStringLiteral("1-Katsayı"), QStringLiteral("2-E.Y.M.M")}, {QStringLiteral("1"), QStringLiteral("2")}};
    return c;
}

const CodeList &sekGridCodes()
{
    static const CodeList c{{QStringLiteral("Katsayı"), QStringLiteral("E.Y.M.M.")}, {QStringLiteral("1"), QStringLiteral("2")}};
    return c;
}

const CodeList &grossNetCodes()
{
    static const CodeList c{{QStringLiteral("Brüt"), QStringLiteral("Net")}, {QStringLiteral("B"), QStringLiteral("N")}};
    return c;
}

const CodeList &activeCodes()
{
    static const CodeList c{{QStringLiteral("Aktif"), QStringLiteral("Pasif")}, {QStringLiteral("A"), QStringLiteral("P")}};
    return c;
}

const CodeList &unionBaseCodes()
{
    static const CodeList c{{QStringLiteral("Taban Aylığından"), QStringLiteral("Damga Vergisi Matrahından")},
                            {QStringLiteral("T"), QStringLiteral("D")}};
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
            durCodes().textOf(s.DUR),
            yesNoCodes().textOf(s.GV),
            yesNoCodes().textOf(s.DV),
            yesNoCodes().textOf(s.EMK),
            yesNoCodes().textOf(s.IND),
            kindCodes().textOf(s.TUR),
            sekGridCodes().textOf(s.SEK),
            s.TUTAR ? s.TUTAR->toText() : QString(),
            grossNetCodes().textOf(s.BRUTNET),
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
