#include "payrolldocs.h"

#include "payslipform.h"

namespace zeran::payrolldocs {

using namespace detail;

namespace {

PayslipValues runPayslip(const RunData &run, const RunRow &rr, const HeaderRates &rates)
{
    const results::ResultRow &r = rr.row;
    const engine::PersonPay &p = rr.shown.pay;
    const engine::PayRecord &rec = rr.person.input.rec;
    const bool deductedTaxes = run.context.ASUCISTISNA == QLatin1String("E");
    PayslipValues v;
    fillPayslipAmounts(v, r, deductedTaxes);
    v.title = s(kPayslipTitle);
    v.KURUM = rr.person.BIRIM;
    v.AY = run.periodText;
    v.KATSAYI = report::rate(rates.KATSAYI);
    v.TAK = report::rate(rates.TAK);
    v.YOD = report::rate(rates.YOD);
    v.EYMM = amt(rates.EYMM);
    v.TOPMAT = amt(p.TOPMAT);

    v.ADSOY = fullName(rr.person);
    v.DK = pair(rec.MDER, rec.MKAD);
    v.GOS = report::integer(rec.GOS);
    v.EGOS = report::integer(rec.EGOS);
    v.YOP = report::integer(rec.YOP);
    v.OHT = report::integer(rec.OHT);
    v.GELVER = QStringLiteral("%%1  %2")
                   .arg(report::rate(rr.shown.GVORpercent), amt(deductedTaxes ? r.GELVERKES : r.GELVER));
    v.EMSNO = rr.person.EMSNO;
    v.KIDEM = report::integer(rec.KIDEM);
    v.MHALI = maritalText(rec.MHAL);
    v.COC1 = report::integer(rec.COC1);
    v.COC2 = report::integer(rec.COC2);
    v.GOR = rr.person.UNVAN;
    for (std::size_t i = 0; i < 6; ++i)
        v.kazCaption[i] = run.context.items.earningCaption(int(i) + 1);
    return v;
}

}  // namespace

report::Document payslips(const RunData &run)
{
    Document doc = payslipDocument();
    const PayslipLayouts l = payslipLayouts(doc);
    const HeaderRates rates = HeaderRates::of(run.loaded.run.rates);
    for (std::size_t i = 0; i < run.loaded.people.size(); ++i)
        doc.body.push_back(payslipBlock(l, runPayslip(run, runRow(run, i), rates)));
    return doc;
}

}  // namespace zeran::payrolldocs
