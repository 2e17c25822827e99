#include "difference.h"

#include "ratemath.h"
#include "stages.h"

namespace zeran::difference {

namespace {

bool is(QChar c, char code)
{
    return c == QLatin1Char(code);
}

Money round1(Money m)
{
    return m.yuvarla1();
}

/// The engine's salary elements of one full month under one period's rates.
struct Elements {
    Money AYTUT, EGOSTUT, EMKBASE, TABAY, KIDAY, YANOD, AILEYRD, COCYRD, OHTTUT, EKODTUT;
};

Elements elementsUnder(const engine::PayrollRun &run, const engine::PeriodRates &rates, const engine::PayRecord &rec)
{
    engine::PayrollRun r = run;
    r.rates = rates;
    engine::PersonInput in;
    in.rec = rec;
    // A difference is owed for the whole month's rate change: the month's partial days,
    // sick-report days and surety belong to the monthly payroll, not to this one.
    in.rec.KGUN = 0;
    in.rec.RAPOR = 0;
    in.rec.KEFALET = QChar();
    engine::PersonPay pay;
    engine::stage7SalaryItems(r, in, pay);
    Elements e;
    e.AYTUT = pay.AYTUT;
    e.EGOSTUT = pay.EGOSTUT;
    e.EMKBASE = pay.AYTUTEMKES;
    e.TABAY = pay.TABAY;
    e.KIDAY = pay.KIDAYEMKES;
    e.YANOD = pay.YANOD;
    e.AILEYRD = pay.AILEYRD;
    e.COCYRD = pay.COCYRD + pay.COCYRD1;
    e.OHTTUT = pay.OHTTUT;
    e.EKODTUT = pay.EKODTUT;
    return e;
}

Money positiveOrZero(Money m)
{
    return m.isNegative() ? Money() : m;
}

}  // namespace

QString kindCode(Kind kind)
{
    return kind == Kind::Inflation ? QStringLiteral("8") : QStringLiteral("2");
}

PeriodKey previousPeriod(Kind kind, const QString &year, const QString &don)
{
    if (kind == Kind::Inflation)
        return {year, QStringLiteral("3")};
    if (don == QLatin1String("2"))
        return {year, QStringLiteral("1")};
    return {QString::number(year.toInt() - 1), QStringLiteral("2")};
}

std::optional<QString> checkOptions(const Options &options, const QString &workingYear, int calendarYear)
{
    if (workingYear.toInt() != calendarYear)
        return QString::fromUtf8(kWorkingYearDiffers);
    if (options.monthDays < 1 || options.monthDays > 31)
        return QString::fromUtf8(kMonthDaysRange);
    if (options.diffDays < 0 || options.diffDays > options.monthDays)
        return QString::fromUtf8(kDiffDaysRange);
    return std::nullopt;
}

bool selected(Kind kind, const engine::PayRecord &rec, const UnitKind &unit)
{
    if (!is(unit.TUR, 'M') || !is(unit.MTUR, 'N') || is(unit.AKTIF, 'P'))
        return false;
    if (rec.DURUM.isNull() || is(rec.DURUM, 'H') || rec.DURUM == QChar(0x00DC))  // 'Ü'
        return false;
    if (kind == Kind::Difference && (is(rec.PERTUR, 'D') || is(rec.insuranceKind(), 'V')))
        return false;
    return true;
}

DifferencePay compute(const engine::PayrollRun &run, const DifferenceRates &rates, const Options &options,
                      const engine::PayRecord &rec, Money earlierBase)
{
    const Elements now = elementsUnder(run, rates.current, rec);
    const Elements before = elementsUnder(run, rates.previous, rec);
    const auto prorate = [&](Money current, Money previous) {
        return (current - previous).prorate(options.diffDays, options.monthDays);
    };
    const QChar gss = rec.insuranceKind();
    const engine::PeriodRates &cur = rates.current;
    const bool contributions = options.retirement && is(gss, 'E');
    const bool premiums = options.gss && is(gss, '5');
    const bool inflation = options.kind == Kind::Inflation;

    DifferencePay d;
    d.AYTUT = round1(prorate(now.AYTUT, before.AYTUT));
    d.EGOSTUT = round1(prorate(now.EGOSTUT, before.EGOSTUT));
    const Money scale = prorate(now.EMKBASE, before.EMKBASE);  // retirement-scale indicators
    Money emkBase = contributions ? scale : Money();
    Money tabay = prorate(now.TABAY, before.TABAY);
    Money kiday = prorate(now.KIDAY, before.KIDAY);
    Money yanod = prorate(now.YANOD, before.YANOD);
    d.AILEYRD = round1(prorate(now.AILEYRD, before.AILEYRD));
    d.COCYRD = round1(prorate(now.COCYRD, before.COCYRD));
    Money ohtt = prorate(now.OHTTUT, before.OHTTUT);
    Money ekod = prorate(now.EKODTUT, before.EKODTUT);

    // Premiums and contributions take the exact differences; the roundings wait for them.
    if (premiums) {
        const Money base = scale + tabay + kiday + ohtt;
        d.GSSMAT = round1(base);
        d.MYOI = round1(engine::applyRate(base, cur.MYOI));
        d.MYOP = round1(engine::applyRate(base, cur.MYOP));
        d.GSSI = round1(engine::applyRate(base, cur.GSSI));
        d.GSSP = round1(engine::applyRate(base, cur.GSSP));
    }
    if (contributions) {
        const Money base = emkBase + tabay + kiday;
        d.EKMAT = round1(base);
        d.EMKESD = round1(engine::applyRateDiv(base, cur.EMKESD, 100));
        d.EMKESM = round1(engine::applyRateDiv(base, cur.EMKESM, 100));
        if (inflation)
            d.GECICI = round1(engine::applyRate(base, 0.12));
    }
    d.EMKBASE = round1(emkBase);
    d.TABAY = round1(tabay);
    d.KIDAY = round1(kiday);
    d.YANOD = round1(yanod);
    d.OZHIZTAZ = round1(ohtt);
    d.EKODTUT = round1(ekod);

    const Money taxableGross = d.AYTUT + d.EGOSTUT + d.TABAY + d.KIDAY + d.YANOD;
    d.GELTOP = taxableGross + d.AILEYRD + d.COCYRD + d.OZHIZTAZ + d.EKODTUT + d.EMKESD + d.MYOI + d.GSSI + d.GECICI;
    d.VERMAT = positiveOrZero(taxableGross - (d.EMKESM + d.MYOP + d.GSSP));
    const engine::BracketTax tax =
        engine::gelirvergisi(cur, d.VERMAT, earlierBase, is(rec.PERTUR, 'S'));
    d.GELVER = round1(tax.tax);
    d.VEROR = tax.rate;
    d.DVMAT = taxableGross + d.OZHIZTAZ + d.EKODTUT;
    d.DAMVER = round1(engine::applyRate(d.DVMAT, cur.DVER));
    d.KESTOP = d.GELVER + d.DAMVER + d.EMKESD + d.EMKESM + d.MYOI + d.MYOP + d.GSSI + d.GSSP + d.GECICI;
    d.NET = d.GELTOP - d.KESTOP;

    if (inflation) {
        if (options.lateRate != 0)
            d.EKFARK = round1(engine::applyRateDiv(d.NET, options.lateRate, 100));
        d.MAAS = d.NET + d.EKFARK;
        d.paid = d.MAAS;
    } else {
        if (is(rec.DURUM, 'A'))
            d.ACIKKES = positiveOrZero((d.NET - d.AILEYRD - d.COCYRD).divInt(3));
        d.MAAS = d.NET;
        d.paid = d.NET - d.ACIKKES;
    }
    return d;
}

}  // namespace zeran::difference
