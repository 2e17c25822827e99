#include "stages.h"

#include "ratemath.h"

#include <algorithm>
#include <optional>

namespace zeran::engine {

namespace {

bool is(QChar c, char code)
{
    return c == QLatin1Char(code);
}

Money round1(Money m)
{
    return m.yuvarla1();
}

/// GUNHES with the pay record's days, only in a partial month.
Money prorate(Money m, const PayRecord &r)
{
    return r.partialMonth() ? m.gunhes(r.KGUN) : m;
}

/// The whole lira of an amount, cut toward zero.
Money wholePart(Money m)
{
    return Money::fromRaw(m.raw() - m.raw() % Money::kScale);
}

/// Acting staff's two thirds of an indicator amount: 2 × the whole lira of a third.
Money twoThirdsWhole(Money m)
{
    return wholePart(m.divInt(3)).mul(2);
}

/// indicator × rate, one rounding.
Money times(long long n, double rate)
{
    return applyRate(Money::fromUnits(n), rate);
}

Money positiveOrZero(Money m)
{
    return m.isNegative() ? Money() : m;
}

Money lesser(Money a, Money b)
{
    return a < b ? a : b;
}

/// The earlier cumulative bases P (VERMAT) and P1 (VERMAT1): the working year's rows up to
/// the run month, without the row this run replaces.
Money earlierBase(const EarlierSums &s)
{
    return s.vermatToMonth - s.vermatOwnRow;
}

Money earlierBase1(const EarlierSums &s)
{
    return s.vermat1ToMonth - s.vermat1OwnRow;
}

bool minimumWageExempt(const PayrollRun &run, const PayRecord &r)
{
    return !is(r.KISZAMAN, 'E') && is(run.settings.ASUCISTISNA, 'E');
}

/// Σ KAZn over the items whose definition has the flag.
template <typename Flag>
Money itemsWith(const PayrollRun &run, const PersonPay &pay, Flag flag)
{
    Money sum;
    for (std::size_t i = 0; i < pay.KAZ.size(); ++i) {
        if (run.items[i].defined && flag(run.items[i]))
            sum += pay.KAZ[i];
    }
    return sum;
}

Money allItems(const PersonPay &pay)
{
    Money sum;
    for (const Money &m : pay.KAZ)
        sum += m;
    return sum;
}

/// T(P + base) − T(P): each bracket's share of [P, P + base] times its rate. The fourth rate
/// runs from UST3 upward; UST4 is kept as a limit (with OR4 on both sides) so that a month
/// crossing it is split there as well.
Money tariffDifference(const PeriodRates &r, Money P, Money N)
{
    struct Bracket {
        std::optional<Money> lo, hi;
        double rate;
    };
    const Bracket brackets[] = {
        {std::nullopt, r.UST1, r.OR1}, {r.UST1, r.UST2, r.OR2}, {r.UST2, r.UST3, r.OR3},
        {r.UST3, r.UST4, r.OR4},       {r.UST4, std::nullopt, r.OR4},
    };
    Money tax;
    for (const Bracket &b : brackets) {
        const Money from = b.lo ? std::max(P, *b.lo) : P;
        const Money to = b.hi ? std::min(N, *b.hi) : N;
        if (to > from)
            tax += applyRate(to - from, b.rate);
    }
    return tax;
}

double bracketRate(const PeriodRates &r, Money N)
{
    if (N <= r.UST1)
        return r.OR1;
    if (N <= r.UST2)
        return r.OR2;
    if (N <= r.UST3)
        return r.OR3;
    return r.OR4;
}

/// The share of the minimum living allowance base for the children counted (DIGCOC).
Money childrenShare(const PeriodRates &r, int children)
{
    if (children <= 0)
        return Money();
    if (children <= 2)
        return applyRate(r.ASUCR.mul(children), r.COC1OR);
    const Money firstTwo = applyRate(r.ASUCR.mul(2), r.COC1OR);
    if (children == 3)
        return firstTwo + applyRateSum(r.ASUCR, {r.COC3OR});
    if (children == 4)
        return firstTwo + applyRateSum(r.ASUCR, {r.COC3OR, r.COC4OR});
    if (children == 5)
        return firstTwo + applyRateSum(r.ASUCR, {r.COC3OR, r.COC4OR, r.COC5OR});
    return firstTwo + applyRateSum(r.ASUCR, {r.COC3OR, r.COC4OR, r.COC5OR, r.COC6OR});
}

}  // namespace

QChar PayRecord::insuranceKind() const
{
    return GSSTUR.isNull() || GSSTUR.isSpace() ? QLatin1Char('E') : GSSTUR;
}

Money eymmAmount(double EYMG, double KATSAYI)
{
    return rateProduct(EYMG, KATSAYI);
}

Money netMinimumWage(Money ASUCR, double SHI, double ISSIZI)
{
    return ASUCR - applyRateDiv(ASUCR, SHI, 100) - applyRateDiv(ASUCR, ISSIZI, 100);
}

double bandRate(const PeriodRates &r, int g)
{
    if (g < 2200)
        return r.EGOSK;
    if (g < 3600)
        return r.EGOSB;
    if (g < 4800)
        return r.EGOSEB;
    if (g < 6400)
        return r.EGOS4;
    if (g < 7600)
        return r.EGOS5;
    if (g < 8400)
        return r.EGOS6;
    return r.EGOS7;
}

Money cappedInstalment(const DebtTotals &ledger, Money alreadyPaid, bool automatic)
{
    const Money K = ledger.runningInstalments;
    if (!automatic)
        return K;
    const Money remaining = ledger.total - alreadyPaid;
    return positiveOrZero(lesser(K, remaining));
}

Money kazhesapla(Money netAmount, Money basis, bool inRetirementBase)
{
    const bool below = basis < Money::fromUnits(14800);
    const double factor = inRetirementBase ? (below ? 0.706464 : 0.66445182) : (below ? 0.84245998 : 0.792393);
    return netAmount.divRate(factor);
}

BracketTax gelirvergisi(const PeriodRates &r, Money base, Money P, bool contractStaff)
{
    BracketTax t;
    t.cumulative = r.KAZVEROR == 1 ? Money() : P + base;
    if (contractStaff || r.KAZVEROR == 1 || t.cumulative <= r.UST1) {
        t.tax = applyRate(base, r.OR1);
        t.rate = r.OR1;
        return t;
    }
    t.tax = tariffDifference(r, P, t.cumulative);
    t.rate = bracketRate(r, t.cumulative);
    return t;
}

BracketTax gelirvergisi1(const PeriodRates &r, Money base, Money P, bool contractStaff)
{
    BracketTax t;
    t.cumulative = r.KAZVEROR == 1 ? Money() : P + base;
    if (r.KAZVEROR == 1 || t.cumulative <= r.UST1 || (r.SOZPERVOR == 1 && contractStaff)) {
        t.tax = applyRate(base, r.OR1);
        t.rate = r.OR1;
        return t;
    }
    t.tax = tariffDifference(r, P, t.cumulative);
    t.rate = bracketRate(r, t.cumulative);
    return t;
}

// ---- Stage 1 ------------------------------------------------------------------------------

void stage1ReadPayRecord(const PayrollRun &, const PersonInput &person, PersonPay &pay)
{
    pay.FMESTUT = round1(person.rec.MESAI);
}

// ---- Stage 2 ------------------------------------------------------------------------------

void stage2BandSupplement(const PayrollRun &run, const PersonInput &person, PersonPay &pay)
{
    pay.EMKESEKI = round1(applyRate(run.rates.EYMM, bandRate(run.rates, person.rec.MEGOS)));
}

// ---- Stage 3 ------------------------------------------------------------------------------

void stage3PersonalDeductions(const PayrollRun &run, const PersonInput &person, PersonPay &pay)
{
    const PayRecord &r = person.rec;
    pay.PCEZA = r.PCEZA;
    pay.KIRA = r.KIRA;
    for (std::size_t i = 0; i < pay.KES.size(); ++i) {
        pay.KESA[i] = run.deductionNames[i];
        pay.KES[i] = run.deductionNames[i].isEmpty() ? Money() : r.KES[i];
    }
    pay.ICRA = cappedInstalment(person.garnishments, person.earlier.icraPaid, is(run.settings.MKESDUR, 'O'));
    pay.YEMEK = round1(run.rates.YEMEK.mul(r.YEMEKGUN));
}

// ---- Stage 4 ------------------------------------------------------------------------------

namespace {

/// B of the gross-up: the earlier cumulative base plus this month's taxable salary less the
/// person's own contributions, surety and service debt, computed ahead without item 1.
Money grossUpBasis(const PayrollRun &run, const PersonInput &person, const PersonPay &pay)
{
    PersonPay ahead = pay;
    ahead.KAZ[0] = Money();
    stage5AllowanceAndServiceDebt(run, person, ahead);
    stage6PromotionAndRaise(run, person, ahead);
    stage7SalaryItems(run, person, ahead);
    stage8Premiums(run, person, ahead);
    return earlierBase(person.earlier) + ahead.AYTUT + ahead.EGOSTUT + ahead.TABAY + ahead.KIDAY + ahead.YANOD +
           ahead.TERFI + ahead.FMESTUT -
           (ahead.EMKESM + ahead.HIZBOR + ahead.KEFTUT + ahead.ARTIS1 + ahead.MYOP + ahead.GSSP);
}

}  // namespace

void stage4ExtraItems(const PayrollRun &run, const PersonInput &person, PersonPay &pay)
{
    const PayRecord &r = person.rec;
    const PeriodRates &rates = run.rates;
    bool grossUpItem1 = false;
    for (std::size_t i = 0; i < pay.KAZ.size(); ++i) {
        const ItemDefinition &d = run.items[i];
        pay.KAZA[i] = d.rowName();
        Money kaz;
        if (d.inUse()) {
            if (is(d.TUR, 'S') && is(r.KAZS[i], 'E')) {
                if (i == 0 && is(d.BRUTNET, 'N'))
                    grossUpItem1 = true;  // needs items 2–10 first
                else
                    kaz = d.fixedAmount();
            } else if (is(d.TUR, 'D')) {
                kaz = r.KAZ[i];
            } else if (is(d.TUR, 'P') && is(d.SEK, '1')) {
                kaz = applyRate(r.KAZ[i], rates.KATSAYI);
            } else if (is(d.TUR, 'P') && is(d.SEK, '2')) {
                kaz = rates.EYMM.mulRatio(r.KAZ[i], Money::fromUnits(100));
            }
        }
        pay.KAZ[i] = round1(kaz);
    }
    if (grossUpItem1) {
        const Money basis = grossUpBasis(run, person, pay);
        pay.KAZ[0] = round1(kazhesapla(run.items[0].fixedAmount(), basis, run.items[0].EMK));
    }
}

// ---- Stage 5 ------------------------------------------------------------------------------

void stage5AllowanceAndServiceDebt(const PayrollRun &run, const PersonInput &person, PersonPay &pay)
{
    const PayRecord &r = person.rec;
    const PeriodRates &rates = run.rates;
    if (r.acting())
        pay.EMKESEKI = pay.EMKESEKI.mulDiv(2, 3);
    pay.EMKESEKI = prorate(pay.EMKESEKI, r);

    pay.INDIRIM = rates.INDIRIM;
    if (r.SAKDER == 1)
        pay.INDIRIM += rates.SAKDER1;
    else if (r.SAKDER == 2)
        pay.INDIRIM += rates.SAKDER2;
    else if (r.SAKDER == 3)
        pay.INDIRIM += rates.SAKDER3;

    pay.HIZBOR = is(run.settings.HBORKESDUR, 'O')
                     ? cappedInstalment(person.serviceDebts, person.earlier.hizborPaid, true)
                     : r.HIZBOR;
}

// ---- Stage 6 ------------------------------------------------------------------------------

void stage6PromotionAndRaise(const PayrollRun &run, const PersonInput &person, PersonPay &pay)
{
    const PayRecord &r = person.rec;
    const double K = run.rates.KATSAYI;
    pay.TERFI = Money();
    pay.ARTIS1 = Money();
    pay.ARTIS2 = Money();
    pay.AILEYRD = Money();
    pay.COCYRD = Money();
    pay.COCYRD1 = Money();
    pay.AGIMAT = Money();
    if (r.TFA != 0 && r.GF != 0) {
        const long long difference = (long long)r.GF + r.EKGF;
        if (r.TFA > 1)
            pay.TERFI = round1(times((long long)(r.TFA - 1) * difference, K));
        pay.ARTIS1 = round1(times(difference, K));
    }
    if (r.KIDART != 0)
        pay.ARTIS1 = round1(pay.ARTIS1 + times(r.KIDART, K));
    if (r.partialMonth()) {
        pay.TERFI = Money();
        pay.ARTIS1 = Money();
    }
    pay.ARTIS2 = pay.ARTIS1.mul(2);
}

// ---- Stage 7 ------------------------------------------------------------------------------

namespace {

void suretyDeduction(const PayrollRun &run, const PayRecord &r, PersonPay &pay)
{
    pay.KEFTUT = Money();
    if (!is(r.KEFALET, 'E'))
        return;
    const double rate = run.rates.KEF;
    const QChar basis = run.settings.KEF;
    if (is(basis, '1')) {
        // Built from amounts already prorated: not prorated again.
        pay.KEFTUT = applyRateDiv(pay.AYTUT + pay.EGOSTUT, rate, 100);
    } else if (is(basis, '2')) {
        pay.KEFTUT = applyRateDiv(pay.AYTUT + pay.TABAY + pay.KIDAY, rate, 100);
    } else if (is(basis, '3')) {
        pay.KEFTUT = prorate(times(100, run.rates.KATSAYI), r);
    }
    pay.KEFTUT = round1(pay.KEFTUT);
}

void familyAllowanceAndBase(const PayrollRun &run, const PayRecord &r, PersonPay &pay)
{
    const PeriodRates &rates = run.rates;
    const bool married = is(r.MHAL, '1');
    if (is(r.MHAL, '2')) {
        pay.AGIMAT = applyRate(rates.ASUCR, rates.BEKOR);
    } else if (married && is(r.ESI, '2')) {
        if (is(r.ACOCYRD, 'E'))
            pay.AILEYRD = rateProduct(rates.KATSAYI, rates.AYRDP);
        pay.AGIMAT = applyRate(rates.ASUCR, rates.EV1OR) + applyRate(rates.ASUCR, rates.EV2OR);
    }
    pay.AILEYRD = round1(pay.AILEYRD);
    if (married && is(r.ESI, '1'))
        pay.AGIMAT = applyRate(rates.ASUCR, rates.EV1OR);
    else if (married && is(r.ESI, '3'))
        pay.AGIMAT = applyRate(rates.ASUCR, rates.EV1OR) + applyRate(rates.ASUCR, rates.EV2OR);
    else if (is(r.MHAL, '3'))
        pay.AGIMAT = applyRate(rates.ASUCR, rates.EV1OR);
    pay.AILEYRD = round1(prorate(pay.AILEYRD, r));

    if ((married || is(r.MHAL, '3')) && is(r.ACOCYRD, 'E')) {
        pay.COCYRD = rateProduct(r.COC1, rates.CYRDP1, rates.KATSAYI);
        pay.COCYRD1 = rateProduct(r.COC2, rates.CYRDP2, rates.KATSAYI);
    }
    pay.AGIMAT += childrenShare(rates, std::min(r.DIGCOC, 6));
    pay.COCYRD = prorate(pay.COCYRD, r);  // the allowance of older children is not prorated
    pay.COCYRD1 = round1(pay.COCYRD1);
    pay.COCYRD = round1(pay.COCYRD);
    pay.AGIMAT = round1(pay.AGIMAT);
    pay.AILECOCTOP = pay.AILEYRD + pay.COCYRD1 + pay.COCYRD;
}

/// part = amount ÷ 30 × days (× rate ÷ 100), never more than the amount itself.
Money reduced(Money amount, Money part)
{
    return part > amount ? Money() : amount - part;
}

}  // namespace

void stage7SalaryItems(const PayrollRun &run, const PersonInput &person, PersonPay &pay)
{
    const PayRecord &r = person.rec;
    const PeriodRates &rates = run.rates;
    const double K = rates.KATSAYI;
    const QChar gss = r.insuranceKind();

    // Monthly salary and additional indicator
    pay.AYTUT = times(r.GOS, K);
    if (r.acting())
        pay.AYTUT = twoThirdsWhole(pay.AYTUT);
    pay.AYTUT = round1(prorate(pay.AYTUT, r));
    pay.EGOSTUT = round1(prorate(times(r.EGOS, K), r));

    // Retirement scale
    pay.AYTUTEMKES = times((long long)r.MGOS + r.MEGOS, K);
    pay.EKAYTUT = round1(times(r.MGOS, K));
    pay.EKEGOSTUT = round1(times(r.MEGOS, K));
    if (r.acting())
        pay.AYTUTEMKES = twoThirdsWhole(pay.AYTUTEMKES);
    if (r.partialMonth())
        pay.AYTUTEMKES = is(r.KISTEMKES, 'E') ? prorate(pay.AYTUTEMKES, r) : Money();

    // Base salary
    pay.TABAY = round1(rateProduct(rates.TAK, rates.TAG));
    pay.TABAYEMKES = pay.TABAY;
    if (is(gss, 'V') || (is(gss, 'Y') && !r.partialMonth()))
        pay.TABAY = Money();
    if (r.acting())
        pay.TABAY = pay.TABAY.mulDiv(2, 3);
    pay.TABAYODE = prorate(pay.TABAY, r);
    pay.TABAY = pay.TABAYODE;

    // Seniority pay
    const int kidem = std::min(r.KIDEM, 25);
    pay.KIDAY = round1(kidem == 25 ? times(500, K) : rateProduct(kidem, rates.KAK, K));
    pay.KIDAYEMKES = pay.KIDAY;
    pay.KIDAY = prorate(pay.KIDAY, r);

    suretyDeduction(run, r, pay);

    pay.YANOD = prorate(times(r.YOP, rates.YOD), r);

    familyAllowanceAndBase(run, r, pay);

    // Compensations
    pay.OHTTUT = prorate(applyRateDiv(rates.EYMM, r.OHT, 100), r);
    pay.EKODTUT = is(r.PERTUR, 'D') ? Money() : applyRateDiv(rates.EYMM, r.EKOD, 100);
    pay.EKODTUT = round1(prorate(pay.EKODTUT, r));
    pay.LOJTAZ = r.acting() ? Money() : round1(prorate(r.LTAZ, r));
    pay.EKTAZTUT = r.acting() ? Money() : rates.EYMM.mulRatio(r.EKTAZ.divInt(100), Money::fromUnits(1));
    pay.EKTAZTUT = round1(prorate(pay.EKTAZTUT, r));
    pay.DILTAZ = r.partialMonth() ? Money() : round1(r.DTAZ);
    pay.DIGTAZTUT = r.partialMonth() ? Money() : round1(r.DIGTAZ);

    // Sick-report days
    if (r.RAPOR > 1 && !r.partialMonth()) {
        pay.EKTAZTUT = reduced(pay.EKTAZTUT, pay.EKTAZTUT.mulDiv(r.RAPOR, 30));
        if (r.RAPOR > 7) {
            pay.YANOD = reduced(pay.YANOD, applyRateDiv(pay.YANOD.mul(r.RAPOR - 7), rates.RPOR, 3000));
            pay.OHTTUT = reduced(pay.OHTTUT, applyRateDiv(pay.OHTTUT.mul(r.RAPOR - 7), rates.RPOR, 3000));
        }
    }
}

// ---- Stage 8 ------------------------------------------------------------------------------

void stage8Premiums(const PayrollRun &run, const PersonInput &person, PersonPay &pay)
{
    const PayRecord &r = person.rec;
    const PeriodRates &rates = run.rates;
    const QChar gss = r.insuranceKind();
    const bool suspended = is(r.DURUM, 'A');

    pay.EMKESD = pay.EMKESM = pay.GECICI = pay.YEMGSS = pay.GSSMAT = pay.PEKFARK = Money();
    pay.MYOI = pay.MYOP = pay.GSSI = pay.GSSP = pay.PRIMTOP = Money();
    pay.EKMAT = pay.KAZEKMAT = pay.ILKGIRIS = pay.EKGOSFARK = Money();

    if (run.settings.YEMEKGSS) {
        const Money exemptPerDay = round1(rates.ASUCR.divInt(30).mulDiv(6, 100));
        // A meal allowance below the exempt part adds nothing to the bases.
        pay.YEMGSS = positiveOrZero((rates.YEMEK - exemptPerDay).mul(r.YEMEKGUN));
    }

    if (is(gss, '5')) {
        pay.KAZEKMAT = round1(itemsWith(run, pay, [](const ItemDefinition &d) { return d.EMK; }));
        pay.GSSMAT = pay.AYTUTEMKES + pay.TABAY + pay.KIDAYEMKES + pay.OHTTUT + pay.KAZEKMAT + pay.YEMGSS;
        if (run.settings.PEKFARK && pay.GSSMAT < rates.ASUCR) {
            pay.PEKFARK = rates.ASUCR - pay.GSSMAT;
            pay.MYOI = applyRate(rates.ASUCR, rates.MYOI) + applyRate(pay.PEKFARK, rates.MYOP);
            pay.MYOP = applyRate(pay.GSSMAT, rates.MYOP);
            pay.GSSI = applyRate(rates.ASUCR, rates.GSSI) + applyRate(pay.PEKFARK, rates.GSSP);
            pay.GSSP = applyRate(pay.GSSMAT, rates.GSSP);
        } else {
            pay.MYOI = applyRate(pay.GSSMAT, rates.MYOI);
            pay.MYOP = applyRate(pay.GSSMAT, rates.MYOP);
            pay.GSSI = applyRate(pay.GSSMAT, rates.GSSI);
            pay.GSSP = applyRate(pay.GSSMAT, rates.GSSP);
        }
        for (Money *m : {&pay.MYOI, &pay.MYOP, &pay.GSSI, &pay.GSSP}) {
            *m = round1(*m);
            if (suspended)
                *m = round1(m->divInt(2));
        }
        pay.PRIMTOP = pay.MYOI + pay.MYOP + pay.GSSI + pay.GSSP;
    } else if (is(gss, 'E')) {
        if (is(r.YIG, 'E')) {
            pay.ILKGIRIS = applyRateDiv(Money::fromUnits(1500), rates.KATSAYI, 4);
            pay.KEFTUT = pay.ILKGIRIS;
        }
        pay.KAZEKMAT = round1(itemsWith(run, pay, [](const ItemDefinition &d) { return d.EMK; }));
        const Money common = pay.AYTUTEMKES + pay.KIDAYEMKES + pay.EMKESEKI + pay.TERFI + pay.KAZEKMAT + pay.YEMGSS;
        pay.EKMAT = r.acting() ? common + pay.TABAYODE : round1(common + pay.TABAYEMKES);
        pay.EMKESD = applyRateDiv(pay.EKMAT, rates.EMKESD, 100);
        pay.EMKESM = applyRateDiv(pay.EKMAT, rates.EMKESM, 100);
        if (!r.acting() && r.EGOS < r.MEGOS) {
            const Money Y = round1(applyRate(rates.EYMM, bandRate(rates, r.EGOS)));
            pay.EKGOSFARK =
                round1(applyRate(pay.EKMAT - (pay.EKAYTUT + pay.EGOSTUT + pay.TABAYEMKES + pay.KIDAYEMKES + Y), 0.2));
            pay.EMKESM = applyRateDiv(pay.EKMAT, rates.EMKESM, 100) + pay.EKGOSFARK;
        }
        pay.GECICI = applyRate(pay.EKMAT, 0.12);
    }

    if (suspended) {
        pay.EMKESD = pay.EMKESD.divInt(2);
        pay.EMKESM = pay.EMKESM.divInt(2);
        pay.GECICI = pay.GECICI.divInt(2);
    }
    pay.EMKESD = round1(pay.EMKESD);
    pay.EMKESM = round1(pay.EMKESM);
    pay.GECICI = round1(pay.GECICI);

    if (r.partialMonth() && !is(r.KISTEMKES, 'E')) {
        pay.EKMAT = pay.EMKESD = pay.EMKESM = Money();
        pay.GECICI = Money();  // its base is gone
    }

    // The roundings that wait until the premiums have used the exact amounts.
    for (Money *m : {&pay.AYTUTEMKES, &pay.TABAY, &pay.TABAYEMKES, &pay.TABAYODE, &pay.KIDAY, &pay.KIDAYEMKES,
                     &pay.TERFI, &pay.YANOD, &pay.OHTTUT, &pay.EKTAZTUT})
        *m = round1(*m);
}

// ---- Stage 9 ------------------------------------------------------------------------------

void stage9GrossTotal(const PayrollRun &, const PersonInput &person, PersonPay &pay)
{
    const Money common = allItems(pay) + pay.DIGTAZTUT + pay.EMKESD + pay.AILEYRD + pay.COCYRD1 + pay.COCYRD +
                         pay.MYOI + pay.GSSI + pay.GECICI + pay.YEMEK;
    if (is(person.rec.PERTUR, 'D')) {
        pay.GELTOP = common;
        return;
    }
    pay.GELTOP = common + pay.AYTUT + pay.EGOSTUT + pay.TABAY + pay.KIDAY + pay.YANOD + pay.FMESTUT + pay.OHTTUT +
                 pay.EKODTUT + pay.LOJTAZ + pay.EKTAZTUT + pay.DILTAZ + pay.ARTIS1.mul(2) + pay.TERFI;
}

// ---- Stage 10 -----------------------------------------------------------------------------

void stage10StampTax(const PayrollRun &run, const PersonInput &person, PersonPay &pay)
{
    const PayRecord &r = person.rec;
    const PeriodRates &rates = run.rates;
    pay.KAZDVMAT = itemsWith(run, pay, [](const ItemDefinition &d) { return d.DV; }) + pay.YEMEK;
    pay.KAZGVMAT = itemsWith(run, pay, [](const ItemDefinition &d) { return d.GV; }) -
                   itemsWith(run, pay, [](const ItemDefinition &d) { return d.IND; });
    if (run.settings.YEMEKGV)
        pay.KAZGVMAT += pay.YEMEK;

    if (is(r.PERTUR, 'D'))
        pay.DVMAT = pay.KAZDVMAT;
    else
        pay.DVMAT = pay.AYTUT + pay.EGOSTUT + pay.TABAY + pay.KIDAY + pay.YANOD + pay.OHTTUT + pay.EKODTUT +
                    pay.LOJTAZ + pay.TERFI + pay.FMESTUT + pay.DILTAZ + pay.DIGTAZTUT + pay.EKTAZTUT + pay.KAZDVMAT;
    pay.DAMVER = round1(applyRate(pay.DVMAT, rates.DVER));

    if (minimumWageExempt(run, r)) {
        pay.DVMAT1 = rates.ASUCR;
        pay.DAMVER1 = round1(applyRate(rates.ASUCR, rates.DVER));
    } else {
        pay.DVMAT1 = pay.DAMVER1 = Money();
    }
    pay.DAMVERK = positiveOrZero(pay.DAMVER - pay.DAMVER1);
}

// ---- Stage 11 -----------------------------------------------------------------------------

void stage11UnionDues(const PayrollRun &run, const PersonInput &person, PersonPay &pay)
{
    const PayRecord &r = person.rec;
    pay.SENTUT = Money();
    pay.SENAD.clear();
    if (!is(r.SENDIKA, 'E'))
        return;
    const auto it = run.unions.constFind(r.SENKOD);
    if (it == run.unions.constEnd())
        return;
    const UnionDefinition &u = *it;
    pay.SENAD = u.SENDIKA;
    if (r.partialMonth())
        return;
    Money dues;
    const QChar basis = run.settings.SEN;
    if (is(u.HTUR, 'D')) {
        dues = applyRateDiv(pay.DVMAT, u.ORN, 1000);
    } else if (is(basis, '1')) {
        dues = applyRateDiv(pay.AYTUT + pay.EGOSTUT + pay.KIDAY + pay.TABAY + pay.YANOD + pay.OHTTUT, u.ORN, 100);
    } else if (is(basis, '2')) {
        dues = applyRateDiv(pay.TABAY, u.ORN, 100);
    } else if (is(basis, '3') || is(basis, '4')) {
        dues = applyRateDiv(pay.AYTUT + pay.EGOSTUT + pay.TABAY + pay.KIDAY + pay.YANOD + pay.OHTTUT + pay.LOJTAZ +
                                pay.TERFI + pay.FMESTUT + pay.DILTAZ + pay.DIGTAZTUT,
                            u.ORN, 100);
    }
    pay.SENTUT = round1(dues);
}

// ---- Stage 12 -----------------------------------------------------------------------------

void stage12IncomeTax(const PayrollRun &run, const PersonInput &person, PersonPay &pay)
{
    const PayRecord &r = person.rec;
    const PeriodRates &rates = run.rates;
    if (r.partialMonth() || !is(r.PERTUR, 'D'))
        pay.GVMAT = pay.AYTUT + pay.EGOSTUT + pay.TABAY + pay.KIDAY + pay.YANOD + pay.TERFI + pay.FMESTUT +
                    pay.KAZGVMAT -
                    (pay.EMKESM + pay.INDIRIM + pay.HIZBOR + r.OZIN + pay.KEFTUT + pay.ARTIS1 + pay.MYOP + pay.GSSP +
                     pay.SENTUT);
    else
        pay.GVMAT = pay.KAZGVMAT - (pay.EMKESM + pay.HIZBOR + r.OZIN + pay.INDIRIM + pay.MYOP + pay.GSSP);
    pay.GVMAT = positiveOrZero(pay.GVMAT);

    const bool contract = is(r.PERTUR, 'S');
    const BracketTax t = gelirvergisi(rates, pay.GVMAT, earlierBase(person.earlier), contract);
    pay.TOPMAT = t.cumulative;
    pay.GVOR = t.rate;
    pay.GELVER = positiveOrZero(round1(t.tax));

    if (minimumWageExempt(run, r)) {
        pay.GVMAT1 = rates.NetMinimumWage;
        const BracketTax t1 = gelirvergisi1(rates, pay.GVMAT1, earlierBase1(person.earlier), contract);
        pay.TOPMAT1 = t1.cumulative;
        pay.GVOR1 = t1.rate;
        pay.GELVER1 = round1(t1.tax);
        pay.GELVERK = positiveOrZero(pay.GELVER - pay.GELVER1);
    } else {
        pay.GVMAT1 = pay.GELVER1 = pay.TOPMAT1 = Money();
        pay.GVOR1 = 0;
        pay.GELVERK = pay.GELVER;
    }
}

// ---- Stage 13 -----------------------------------------------------------------------------

void stage13AllowanceAndPension(const PayrollRun &run, const PersonInput &person, PersonPay &pay)
{
    const PayRecord &r = person.rec;
    const PeriodRates &rates = run.rates;
    if (is(r.AGI, 'E')) {
        pay.AGIMATX = applyRate(pay.AGIMAT, rates.OR1);
        pay.ASGIND = round1(pay.AGIMATX > rates.AGIUST ? rates.AGIUST : pay.AGIMATX);
        if (pay.GELVER < pay.ASGIND)
            pay.ASGIND = pay.GELVER;
    } else {
        pay.ASGIND = pay.AGIMAT = pay.AGIMATX = Money();
    }

    pay.BESTUT = Money();
    if (is(r.BES, 'E')) {
        const Money rate = rateProduct(r.BESORAN, 0.01);  // the percentage ÷ 100, four decimals
        const Money base = is(r.insuranceKind(), '5') ? pay.GSSMAT : pay.EKMAT;
        pay.BESTUT = base.mulRatio(rate, Money::fromUnits(1));
    }
}

// ---- Stage 14 -----------------------------------------------------------------------------

void stage14Totals(const PayrollRun &run, const PersonInput &person, PersonPay &pay)
{
    const PayRecord &r = person.rec;
    pay.OZKES = pay.PCEZA;
    for (const Money &m : pay.KES)
        pay.OZKES += m;

    for (Money *m : {&pay.GELVERK, &pay.DAMVERK, &pay.EMKESM, &pay.EMKESD, &pay.HIZBOR, &pay.ARTIS2, &pay.ICRA,
                     &pay.KIRA, &pay.KEFTUT, &pay.PRIMTOP, &pay.GECICI, &pay.GELVER, &pay.DAMVER, &pay.OZKES})
        *m = round1(*m);
    pay.BESTUT = pay.BESTUT.yuvarla2();

    const Money taxes = minimumWageExempt(run, r) ? pay.GELVERK + pay.DAMVERK : pay.GELVER + pay.DAMVER;
    pay.KESTOP = taxes + pay.EMKESM + pay.EMKESD + pay.ARTIS2 + pay.ICRA + pay.KIRA + pay.KEFTUT + pay.SENTUT +
                 pay.OZKES + pay.PRIMTOP + pay.GECICI + pay.BESTUT;
    if (!r.HIZBORDUR)
        pay.KESTOP += pay.HIZBOR;
    pay.MAAS = pay.GELTOP - pay.KESTOP + pay.ASGIND;

    pay.ACIKKES = Money();
    if (is(r.DURUM, 'A'))
        pay.ACIKKES = (pay.ICRA + pay.MAAS - pay.ASGIND - pay.AILECOCTOP).divInt(3);
}

// ---- HESAPLA ------------------------------------------------------------------------------

PersonPay hesapla(const PayrollRun &run, const PersonInput &person)
{
    PersonPay pay;
    stage1ReadPayRecord(run, person, pay);
    stage2BandSupplement(run, person, pay);
    stage3PersonalDeductions(run, person, pay);
    stage4ExtraItems(run, person, pay);
    stage5AllowanceAndServiceDebt(run, person, pay);
    stage6PromotionAndRaise(run, person, pay);
    stage7SalaryItems(run, person, pay);
    stage8Premiums(run, person, pay);
    stage9GrossTotal(run, person, pay);
    stage10StampTax(run, person, pay);
    stage11UnionDues(run, person, pay);
    stage12IncomeTax(run, person, pay);
    stage13AllowanceAndPension(run, person, pay);
    stage14Totals(run, person, pay);
    return pay;
}

}  // namespace zeran::engine
