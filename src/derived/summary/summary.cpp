#include "summary.h"

#include <QJsonArray>

#include <set>
#include <tuple>

namespace zeran::summary {

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

class Lines {
public:
    explicit Lines(std::vector<SummaryLine> &lines) : lines_(lines) {}
    Lines &group(LineGroup g)
    {
        group_ = g;
        return *this;
    }
    void add(const QString &printed, const QString &screen, Money amount)
    {
        lines_.push_back({group_, printed, screen, amount, true, false});
    }
    void add(const char *printed, const char *screen, Money amount) { add(u(printed), u(screen), amount); }
    void add(const char *caption, Money amount) { add(caption, caption, amount); }
    void screenOnly(const char *caption, Money amount, bool total = false)
    {
        lines_.push_back({group_, u(caption), u(caption), amount, false, total});
    }
    void total(const char *printed, const char *screen, Money amount)
    {
        lines_.push_back({group_, u(printed), u(screen), amount, true, true});
    }

private:
    std::vector<SummaryLine> &lines_;
    LineGroup group_ = LineGroup::Earnings;
};

const ItemDefinition *definition(const std::vector<ItemDefinition> &items, int number)
{
    for (const ItemDefinition &d : items)
        if (d.number == number)
            return &d;
    return nullptr;
}

void fullLines(const SummaryInput &in, Summary &s)
{
    auto S = [&s](int c) { return s.sum(c); };
    Lines l(s.lines);
    l.group(LineGroup::Earnings);
    l.add("Aylık Tutar", S(col::AYTUT));
    l.add("Ek Gösterge Tutarı", S(col::EGOSTUT));
    l.add("Taban Aylığı Tutarı", "Taban Aylığı", S(col::TABAY));
    l.add("Kıdem Aylığı Tutarı", "Kıdem Aylığı", S(col::KIDAY));
    l.add("Yan Ödeme Tutarı", "Yan Ödeme", S(col::YANOD));
    l.add("Fazla Mesai Tutarı", "Fazla Mesai", S(col::FAZMES));
    l.add("Aile Yardımı Tutarı", "Aile Yardımı", S(col::AILEYRD));
    l.add("Çocuk Yardımı (0-6 Yaş)", S(col::COCYRD));
    l.add("Çocuk Yardımı (6 Yaş Üzeri)", S(col::COCYRD1));
    l.add("Terfi Farkı", S(col::TERFAR));
    l.add("% 100 Artış (Zeran)", "%100 Artış (Zeran)", S(col::ARTIS));
    l.add("% 100 Artış (Devlet)", "%100 Artış (Devlet)", S(col::ARTIS));
    l.add("Emekli Keseneği %20", S(col::EMKESD));
    l.add("Özel Hizmet Tazminatı", "Özel Hizmet Tazmianı", S(col::OZHIZTAZ));
    l.add("Lojman Tazminatı", S(col::LOJTAZ));
    l.add("Ek Tazminat Tutarı", "Ek Tazminat", S(col::EKTAZ));
    l.add("Dil Tazminatı", S(col::DILTAZ));
    l.add("Diğer Tazminatlar", S(col::DIGTAZ));
    l.add("M.Y.O.İşv. His. (%11)", "M.Y.O.İşveren His. (%11)", S(col::MYOI));
    l.add("G.S.S. İşv. His. (%7.5)", "G.S.S. İşveren His. (%7.5)", S(col::GSSI));
    l.add("Ek Ödeme Tutarı", S(col::EKODTUT));
    l.add(" S.G.K. Kesintisi % 12", "S.G. Kes % 12", S(col::DVVIADE));
    l.add("Yemek Bedeli", S(col::YEMEK));
    // An item in use is listed even at 0,00; an item with an amount is listed whatever its
    // definition says now, so that the earnings add up to the gross total.
    for (int n = 1; n <= 10; ++n) {
        const Money amount = S(col::KAZ1 + n - 1);
        const ItemDefinition *d = definition(in.earningItems, n);
        if ((d && d->inUse) || !amount.isZero())
            l.add(d ? d->name : QStringLiteral("%1. Hesap").arg(n), d ? d->name : QStringLiteral("%1. Hesap").arg(n),
                  amount);
    }
    l.total("KAZANÇLAR TOPLAMI", "Gelirler Toplamı", S(col::GELTOP));
    l.add("Asgari Geçim İndirimi", S(col::VIADE));
    // The inflation difference pays a late-payment supplement on top of its net (in MAAS):
    // shown on its own so that gross − deductions + supplement = net holds on the totals.
    if (in.mode == SummaryMode::Inflation)
        l.add("Geç Ödeme Farkı", S(col::EKFARK));

    // The monthly payroll withholds the taxes net of the minimum-wage exemption when the
    // installation applies it; the other payrolls always show the computed taxes.
    const bool deducted = in.mode == SummaryMode::Monthly && in.minimumWageExempt;
    l.group(LineGroup::Deductions);
    l.add("Gelir vergisi Tutarı", S(deducted ? col::GELVERKES : col::GELVER));
    l.add("Damga Vergisi Tutarı", "Damga Vergisi", S(deducted ? col::DAMVERKES : col::DAMVER));
    l.add("Emekli Keseneği (Zeran)", "Emekli Kes. % 16", S(col::EMKESM));
    l.add("Emekli Keseneği (Devlet)", "Emekli Kes. % 20", S(col::EMKESD));
    l.add("Emekli Kesintisi Toplamı", "Emekli Kes. Topamı", S(col::EMKESD) + S(col::EMKESM));
    l.add("Hizmet Borçlanması", "Borçlanma", S(col::HIZBOR));
    l.add("Kira Kesintisi", "Lojman Kirası", S(col::KIRA));
    l.add("İcra Kesintisi", S(col::ICRA));
    l.add("S.G. Kesintisi % 12", "S.G. Kes % 12", S(col::DVVIADE));
    l.add("% 100 Artış Tutarı", "%100 Artış", S(col::ARTIS) + S(col::ARTIS));
    l.add("Kefalet Kesintisi Tutarı", "Kefalet", S(col::KEFALET));
    for (const UnionTotal &t : s.unions)
        l.add(t.name, t.name, t.amount);
    l.screenOnly("Toplam Sendika Kesintisi", S(col::SEN1));
    l.add("M.Y.O.İşv. His. (%11)", S(col::MYOI));
    l.add("G.S.S. İşv. His. (%7.5)", S(col::GSSI));
    l.add("M.Y.O.Per. His. (%9)", "M.Y.O.Personel His. (%9)", S(col::MYOP));
    l.add("G.S.S. Per. His. (%5)", "G.S.S. Personel His. (%5)", S(col::GSSP));
    l.add("B.E.S. Tutarı", "B.E.S.Kesintisi", S(col::BES));
    // A deduction with an amount is listed even when its definition is no longer active: the
    // deductions must add up to their stored total.
    for (int n = 1; n <= 5; ++n) {
        const Money amount = S(col::KES1 + n - 1);
        if (amount.isZero())
            continue;
        const ItemDefinition *d = definition(in.deductionItems, n);
        const QString name = d ? d->name : QStringLiteral("%1. Kesinti").arg(n);
        l.add(name, name, amount);
    }
    l.add("Para Cezası", S(col::PCEZA));
    l.add("Açığa Alınan Personel Emaneti", "Açığa Alınan Kesintisi", S(col::ACIKKES));
    l.total("KESİNTİLER TOPLAMI", "Kesintiler Toplamı", S(col::KESTOP));
    l.screenOnly("Hesaplanan Maaş", S(col::MAAS), true);
    l.total("NET ÖDEME TOPLAMI", "Net Ele Geçen", S(col::MAAS) - S(col::ACIKKES));
}

void meetingLines(const SummaryInput &in, Summary &s)
{
    auto S = [&s](int c) { return s.sum(c); };
    const QChar kind = in.unitKind;
    const bool fee = kind == QLatin1Char('E') || kind == QLatin1Char('M');  // committee and council sessions
    const bool mayor = kind == QLatin1Char('V');
    Lines l(s.lines);
    l.group(LineGroup::Earnings);
    if (fee)
        l.add("Oturum Ücreti", S(col::GELTOP));
    else
        l.add("Aylık Tutar", mayor ? S(col::GELTOP) : S(col::AYTUT));
    l.add("Ek Gösterge Tutarı", "Ek Gösterge Toplamı", fee ? Money() : S(col::EGOSTUT));
    l.add("Özel Hizmet Tazminatı", "Ö.H.T.Tutarı", fee ? Money() : S(col::OZHIZTAZ));
    l.add("Ek Tazminat Tutarı", fee ? Money() : S(col::EKTAZ));
    l.add("Yan Ödeme Tutarı", fee ? Money() : S(col::YANOD));
    l.total("KAZANÇLAR TOPLAMI", "Gelirler Toplamı", S(col::GELTOP));
    l.group(LineGroup::Deductions);
    l.add("Gelir vergisi Tutarı", "Gelir Vergisi ", S(col::GELVER));
    l.add("Damga Vergisi Tutarı", "Damga Vergisi", S(col::DAMVER));
    l.add("İcra Kesintisi", S(col::ICRA));
    l.total("KESİNTİLER TOPLAMI", "KESİNTİLER TOPLAMI", S(col::KESTOP));
    l.total("NET ÖDEME TOPLAMI", "Net Maaş", S(col::MAAS));
}

}  // namespace

std::optional<SummaryMode> modeFromName(const QString &name)
{
    for (SummaryMode m : {SummaryMode::Monthly, SummaryMode::Difference, SummaryMode::Inflation, SummaryMode::Meeting})
        if (modeName(m) == name)
            return m;
    return std::nullopt;
}

QString modeName(SummaryMode mode)
{
    switch (mode) {
    case SummaryMode::Monthly:
        return QStringLiteral("monthly");
    case SummaryMode::Difference:
        return QStringLiteral("difference");
    case SummaryMode::Inflation:
        return QStringLiteral("inflation");
    case SummaryMode::Meeting:
        return QStringLiteral("meeting");
    }
    return {};
}

std::vector<int> modeKinds(SummaryMode mode)
{
    switch (mode) {
    case SummaryMode::Monthly:
        return {1};
    case SummaryMode::Difference:
        return {2};
    case SummaryMode::Inflation:
        return {8};
    case SummaryMode::Meeting:
        // Meeting fees and acting pay only: "TÜMÜ" must never take in the month's salaries.
        return {4, 5, 6, 7};
    }
    return {};
}

bool offersSalaryUnits(SummaryMode mode)
{
    return mode != SummaryMode::Meeting;
}

const std::array<const char *, col::Count> &columnNames()
{
    static const std::array<const char *, col::Count> names = {
        "AYTUT", "EGOSTUT", "TABAY", "KIDAY", "YANOD", "FAZMES", "AILEYRD", "COCYRD", "COCYRD1", "ARTIS", "TERFAR",
        "OZHIZTAZ", "LOJTAZ", "EKTAZ", "DILTAZ", "DIGTAZ", "EKMAT", "EMKESD", "EMKESM", "GELTOP", "INDIRIM", "OZIN",
        "HIZBOR", "VERMAT", "GELVER", "DAMVER", "GELVERKES", "DAMVERKES", "ICRA", "KIRA", "KESTOP", "MAAS", "ACIKKES",
        "VIADE", "KEFALET", "KAZ1", "KAZ2", "KAZ3", "KAZ4", "KAZ5", "KAZ6", "KAZ7", "KAZ8", "KAZ9", "KAZ10", "KES1",
        "KES2", "KES3", "KES4", "KES5", "BES", "DVVIADE", "EKODTUT", "MYOI", "GSSI", "MYOP", "GSSP", "YEMEK", "SEN1",
        "PCEZA", "DVMAT", "OTRUCR", "EKFARK",
    };
    return names;
}

std::optional<Money> Summary::line(const QString &caption) const
{
    for (const SummaryLine &l : lines)
        if (l.caption == caption)
            return l.amount;
    return std::nullopt;
}

bool selected(const SummaryInput &in, const SummaryRow &row)
{
    bool kindOk = false;
    for (int k : modeKinds(in.mode))
        kindOk = kindOk || row.TUR == k;
    if (!kindOk)
        return false;
    if (in.unit != 0 && row.BKOD != in.unit)
        return false;
    if (in.person != 0 && row.PKAYNO != in.person)
        return false;
    return true;
}

Summary summarize(const SummaryInput &in)
{
    Summary s;
    s.mode = in.mode;
    s.rates = in.rates;
    std::set<std::tuple<int, int, int>> payRecords;
    std::map<int, Money> unions;
    std::optional<Money> unknownUnion;  // dues of rows whose pay record no longer names a union
    for (const SummaryRow &row : in.rows) {
        if (!selected(in, row))
            continue;
        for (std::size_t c = 0; c < s.sums.size(); ++c)
            s.sums[c] += row.amounts[c];
        payRecords.insert({row.PKAYNO, row.BKOD, row.PKOD});
        // Every union with dues is listed, so that the union lines add up to the dues total.
        if (row[col::SEN1].isZero())
            continue;
        if (row.SENKOD && in.unionNames.count(*row.SENKOD))
            unions[*row.SENKOD] += row[col::SEN1];
        else
            unknownUnion = unknownUnion.value_or(Money()) + row[col::SEN1];
    }
    s.count = int(payRecords.size());
    for (const auto &[code, amount] : unions)
        s.unions.push_back({code, in.unionNames.at(code), amount});
    if (unknownUnion)
        s.unions.push_back({std::nullopt, u("Diğer Sendika Kesintisi"), *unknownUnion});
    if (in.mode == SummaryMode::Meeting)
        meetingLines(in, s);
    else
        fullLines(in, s);
    return s;
}

QString printedTitle(SummaryMode mode, QChar unitKind)
{
    const char k = unitKind.toLatin1();
    if (mode == SummaryMode::Meeting) {
        switch (k) {
        case 'K':
            return u("ZERAN VEKALET İCMALİ");
        case 'V':
            return u("BAŞKAN VEKALET İCMALİ");
        case 'O':
            return u("OLAĞANÜSTÜ MECLİS OTURUM ÜCRET İCMALİ");
        case 'M':
            return u("MECLİS ÜCRETİ İCMALİ");
        case 'E':
            return u("ENCÜMEN ÜCRETİ İCMALİ");
        default:
            return u("ZERAN MAAŞ İCMALİ");
        }
    }
    switch (k) {
    case 'M':
    case 'O':
        return u("MECLİS OTURUM ÜCRETLERİ İCMALİ");
    case 'E':
        return u("ENCÜMEN OTURUM ÜCRETLERİ İCMALİ");
    case 'B':
        return u("BAŞKAN MAAŞ İCMALİ");
    default:
        return u("ZERAN MAAŞ İCMALİ");
    }
}

QJsonObject summaryJson(const Summary &s)
{
    QJsonArray lines;
    for (const SummaryLine &l : s.lines) {
        QJsonObject o{{QStringLiteral("caption"), l.caption},
                      {QStringLiteral("amount"), l.amount.toPlain(2)},
                      {QStringLiteral("group"), l.group == LineGroup::Earnings ? QStringLiteral("earnings")
                                                                              : QStringLiteral("deductions")}};
        if (!l.printed)
            o.insert(QStringLiteral("screenOnly"), true);
        lines.append(o);
    }
    QJsonArray unions;
    for (const UnionTotal &t : s.unions)
        unions.append(QJsonObject{{QStringLiteral("name"), t.name}, {QStringLiteral("amount"), t.amount.toPlain(2)}});
    const SummaryRates &r = s.rates;
    const QJsonObject rates{{QStringLiteral("KATSAYI"), r.KATSAYI}, {QStringLiteral("YOD"), r.YOD},
                            {QStringLiteral("KAK"), r.KAK},         {QStringLiteral("TAK"), r.TAK},
                            {QStringLiteral("TAG"), r.TAG},         {QStringLiteral("EYMG"), r.EYMG},
                            {QStringLiteral("AYRDP"), r.AYRDP},     {QStringLiteral("CYRDP1"), r.CYRDP1},
                            {QStringLiteral("CYRDP2"), r.CYRDP2}};
    return QJsonObject{{QStringLiteral("mode"), modeName(s.mode)},
                       {QStringLiteral("lines"), lines},
                       {QStringLiteral("count"), s.count},
                       {QStringLiteral("unions"), unions},
                       {QStringLiteral("rates"), rates}};
}

}  // namespace zeran::summary
