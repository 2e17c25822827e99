#include "payrolldocs.h"

#include "payslipform.h"
#include "ratemath.h"

namespace zeran::payrolldocs {

using namespace detail;

namespace {

PayslipValues archivePayslipValues(const ArchivePayslipData &d)
{
    const results::ResultRow &r = d.row.result;
    // Before 2022 no part of the minimum wage was exempt: the computed taxes were deducted.
    const bool computedTaxes = d.startupYear < 2022;
    PayslipValues v;
    fillPayslipAmounts(v, r, !computedTaxes);
    v.title = s(kPayrollTitle);
    v.KURUM = d.unitName;
    v.AY = QStringLiteral("%1 %2").arg(r.key.AY).arg(r.key.YIL);
    v.KATSAYI = report::rate(d.rates.KATSAYI);
    v.TAK = report::rate(d.rates.TAK);
    v.YOD = report::rate(d.rates.YOD);
    v.EYMM = report::rate(d.rates.EYMG);
    v.TOPMAT = amt(d.row.TGVMAT);

    v.ADSOY = d.row.ADSOY;
    if (d.row.snapshot) {
        const results::SnapshotRow &sn = *d.row.snapshot;
        v.DK = report::integer(sn.DER);
        v.GOS = report::integer(sn.GOS);
        v.EGOS = report::integer(sn.EGOS);
        v.YOP = report::integer(sn.YOP);
        v.OHT = report::integer(sn.OHT);
        v.KIDEM = report::integer(sn.KIDEM);
        v.MHALI = maritalText(sn.MHAL);
        v.COC1 = report::integer(sn.COC1);
        v.COC2 = report::integer(sn.COC2);
    }
    v.GELVER = QStringLiteral("%%1  %2")
                   .arg(report::rate(engine::shiftDecimal(r.VEROR, 2)), amt(computedTaxes ? r.GELVER : r.GELVERKES));
    v.EMSNO = d.row.EMSNO;
    v.GOR = d.row.GOREV;
    for (std::size_t i = 0; i < 6; ++i)
        v.kazCaption[i] = d.captions[i];
    return v;
}

}  // namespace

report::Document archivePayslip(const ArchivePayslipData &data)
{
    Document doc = payslipDocument();
    const PayslipLayouts l = payslipLayouts(doc);
    doc.body.push_back(payslipBlock(l, archivePayslipValues(data)));
    return doc;
}

}  // namespace zeran::payrolldocs
