#pragma once
// The form of the payslip, shared by the run's payslips and the archived one: its printed
// values, its layout and the amounts taken from a result row. Internal to the documents.

#include "documentparts.h"

#include <array>

namespace zeran::payrolldocs::detail {

/// The printed values of one payslip, already formatted.
struct PayslipValues {
    QString title, KURUM, AY, KATSAYI, TAK, YOD, EYMM, EKMAT, TOPMAT;
    // line 1
    QString ADSOY, DK, GOS, EGOS, YOP, OHT, AYTUT, EGOSTUT, YANOD, OHTTUT, TABAY, EKODTUT, TERFI, GELTOP, GVMAT,
        GELVER, GSSI, BORC, SENTUT, OZKES, KIRA, ICRA;
    // line 2
    QString EMSNO, KIDEM, MHALI, COC1, COC2, AILEYRD, COCYRD, KIDAY, EMKESD, DIGTAZ, FMESTUT, GECICI, ARTIS1, DVMAT,
        DAMVER, GSSP, KEFTUT;
    // line 3
    QString GOR, EKTAZ, LOJTAZ, MYOI, MYOP, EMKESM, ARTIS2;
    std::array<QString, 6> kazCaption, kaz;
    // line 4
    QString KESTOP, ASGIND, NET;
};

struct PayslipLayouts {
    int title = 0, header = 0, line1 = 0, line2 = 0, line3 = 0, line4 = 0;
};

PayslipLayouts payslipLayouts(Document &doc);
Block payslipBlock(const PayslipLayouts &l, const PayslipValues &v);

/// The payslip's amounts that come straight from a result row (the run's row as it will be
/// written, or a stored one). `deductedTaxes`: the taxes actually deducted, else the computed.
void fillPayslipAmounts(PayslipValues &v, const results::ResultRow &r, bool deductedTaxes);

/// Landscape, without page numbers.
Document payslipDocument();

/// "Evli", "Bekar", "Boşanmış" for the codes 1–3; another code as it is.
QString maritalText(const QString &code);
QString maritalText(QChar code);

}  // namespace zeran::payrolldocs::detail
