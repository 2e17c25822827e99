#include "oranlar.h"

#include "ratemath.h"

namespace zeran::payrollrun {

namespace {

double percent(double v)
{
    return engine::shiftDecimal(v, -2);
}

QChar code(const QString &s)
{
    const QString t = s.trimmed();
    return t.isEmpty() ? QChar() : t.front();
}

bool yes(const QString &s)
{
    return code(s) == QLatin1Char('E');
}

}  // namespace

LoadedRates oranlar(const rates::PeriodRows &rows)
{
    LoadedRates out;
    engine::PeriodRates &r = out.rates;

    const rates::LegalRates legal = rows.legal.value_or(rates::LegalRates{});
    if (legal.KATSAYI == 0)
        out.warnings << QString::fromUtf8(kLegalRatesWarning);
    r.KATSAYI = legal.KATSAYI;
    r.YOD = legal.YOD;
    r.KAK = legal.KAK;
    r.TAK = legal.TAK;
    r.TAG = legal.TAG;
    r.EYMG = legal.EYMG;
    r.EMKESM = legal.EMKESM;
    r.EMKESD = legal.EMKESD;
    r.SAKDER1 = legal.SAKDER1;
    r.SAKDER2 = legal.SAKDER2;
    r.SAKDER3 = legal.SAKDER3;
    r.INDIRIM = legal.INDIRIM;
    r.AYRDP = legal.AYRDP;
    r.CYRDP1 = legal.CYRDP1;
    r.CYRDP2 = legal.CYRDP2;
    r.RPOR = legal.RPOR;
    r.KEF = legal.KEF;
    r.EGOSK = percent(legal.EGOSK);
    r.EGOSB = percent(legal.EGOSB);
    r.EGOSEB = percent(legal.EGOSEB);
    r.EGOS4 = percent(legal.EGOS4);
    r.EGOS5 = percent(legal.EGOS5);
    r.EGOS6 = percent(legal.EGOS6);
    r.EGOS7 = percent(legal.EGOS7);
    r.MYOI = percent(legal.MYOI);
    r.MYOP = percent(legal.MYOP);
    r.GSSI = percent(legal.GSSI);
    r.GSSP = percent(legal.GSSP);
    r.YEMEK = legal.YEMEK;
    r.EYMM = engine::eymmAmount(r.EYMG, r.KATSAYI);

    if (!rows.tax)
        out.warnings << QString::fromUtf8(kTaxRatesWarning);
    const rates::TaxRates tax = rows.tax.value_or(rates::TaxRates{});
    r.UST1 = tax.UST1;
    r.UST2 = tax.UST2;
    r.UST3 = tax.UST3;
    r.UST4 = tax.UST4;
    r.OR1 = percent(tax.OR1);
    r.OR2 = percent(tax.OR2);
    r.OR3 = percent(tax.OR3);
    r.OR4 = percent(tax.OR4);
    r.DVER = engine::shiftDecimal(tax.DVER, -3);
    r.ASUCR = tax.ASUCR;
    r.BEKOR = percent(tax.BEKOR);
    r.EV1OR = percent(tax.EV1OR);
    r.EV2OR = percent(tax.EV2OR);
    r.COC1OR = percent(tax.COC1OR);
    r.COC3OR = percent(tax.COC3OR);
    r.COC4OR = percent(tax.COC4OR);
    r.COC5OR = percent(tax.COC5OR);
    r.COC6OR = percent(tax.COC6OR);
    r.AGIUST = tax.AGIUST;
    r.KAZVEROR = tax.KAZVEROR;
    r.SOZPERVOR = tax.SOZPERVOR;

    if (!rows.worker)
        out.warnings << QString::fromUtf8(kWorkerRatesWarning);
    const rates::WorkerRates worker = rows.worker.value_or(rates::WorkerRates{});
    r.NetMinimumWage = engine::netMinimumWage(r.ASUCR, worker.SHI, worker.ISSIZI);
    return out;
}

std::array<engine::ItemDefinition, 10> itemDefinitions(const std::vector<rates::EarningType> &rows)
{
    std::array<engine::ItemDefinition, 10> items{};
    for (const rates::EarningType &row : rows) {
        if (row.HNO < 1 || row.HNO > 10)
            continue;
        engine::ItemDefinition d;
        d.defined = true;
        d.ADI = row.ADI.trimmed();
        d.DUR = code(row.DUR);
        d.TUR = code(row.TUR);
        d.SEK = code(row.SEK);
        d.BRUTNET = code(row.BRUTNET);
        d.GV = yes(row.GV);
        d.DV = yes(row.DV);
        d.EMK = yes(row.EMK);
        d.IND = yes(row.IND);
        d.TUTAR = row.TUTAR;
        items[std::size_t(row.HNO - 1)] = d;  // a later row of the number replaces the earlier one
    }
    return items;
}

}  // namespace zeran::payrollrun
