#include "payslipform.h"

#include <initializer_list>
#include <utility>

namespace zeran::payrolldocs::detail {

namespace {

Band stackedLine(int layout, std::initializer_list<std::pair<QString, QString>> cells, Align firstAlign = Align::Left)
{
    Band b;
    b.layout = layout;
    b.box = true;
    Row row;
    int col = 0;
    for (const auto &[caption, value] : cells) {
        row.cells.push_back(field(caption, value, col, 1, col == 0 ? firstAlign : Align::Right));
        ++col;
    }
    b.rows.push_back(std::move(row));
    return b;
}

}  // namespace

QString maritalText(const QString &code)
{
    if (code == QLatin1String("1"))
        return QStringLiteral("Evli");
    if (code == QLatin1String("2"))
        return QStringLiteral("Bekar");
    if (code == QLatin1String("3"))
        return QStringLiteral("Boşanmış");
    return code;
}

QString maritalText(QChar code)
{
    return maritalText(code.isNull() ? QString() : QString(code));
}

PayslipLayouts payslipLayouts(Document &doc)
{
    using report::CaptionStyle;
    PayslipLayouts l;
    l.title = doc.addLayout(Layout{{1}, 9, CaptionStyle::Inline, false});
    l.header = doc.addLayout(Layout{{2.6, 1.7, 1, 1, 1, 1.1, 1.3, 1.3}, 7, CaptionStyle::Inline, false});
    l.line1 = doc.addLayout(Layout{{3.6, 0.8, 0.7, 0.7, 0.7, 0.6, 1.25, 1.2, 1.2, 1.2, 1.2, 1.2, 1.1, 1.3, 1.25, 1.75,
                                    1.15, 1.1, 1.1, 1.15, 1.1, 1.1},
                                   6.3, CaptionStyle::Stacked, true});
    l.line2 = doc.addLayout(Layout{{2.4, 0.7, 0.9, 0.6, 0.6, 1.2, 1.2, 1.2, 1.2, 1.2, 1.2, 1.2, 1.2, 1.25, 1.2, 1.15,
                                    1.2, 1.15},
                                   6.3, CaptionStyle::Stacked, true});
    l.line3 = doc.addLayout(Layout{{3.9, 1.2, 1.2, 1.15, 1.15, 1.3, 1.3, 1.3, 1.3, 1.3, 1.3, 1.15, 1.15, 1.15, 1.2, 1.2},
                                   6.3, CaptionStyle::Stacked, true});
    l.line4 = doc.addLayout(Layout{{3, 2, 2, 2, 6}, 7, CaptionStyle::Stacked, true});
    return l;
}

Block payslipBlock(const PayslipLayouts &l, const PayslipValues &v)
{
    Block block;
    Band title;
    title.layout = l.title;
    title.rows.push_back({{cell(v.title, 0, Align::Center, 1, true)}});
    block.bands.push_back(std::move(title));

    Band header;
    header.layout = l.header;
    header.rows.push_back({{field(s("KURUMU"), v.KURUM, 0), field(s("AİT OLDUĞU AY"), v.AY, 1),
                            field(s("Katsayı"), v.KATSAYI, 2), field(s("Tab.A.Kat."), v.TAK, 3),
                            field(s("Yan Öd.Kat."), v.YOD, 4), field(s("En Y.M.M."), v.EYMM, 5),
                            field(s("Em.Kes.Mat."), v.EKMAT, 6), field(s("Top.Ver.Mat"), v.TOPMAT, 7)}});
    block.bands.push_back(std::move(header));

    block.bands.push_back(stackedLine(
        l.line1, {{s("Adı ve Soyadı"), v.ADSOY}, {s("Der/Kad."), v.DK},       {s("Göst"), v.GOS},
                  {s("Ek.G"), v.EGOS},           {s("YÖP"), v.YOP},           {s("ÖHT"), v.OHT},
                  {s("Aylık Tutar"), v.AYTUT},   {s("E.Göst.Tut."), v.EGOSTUT}, {s("Yan Ödeme"), v.YANOD},
                  {s("Öz.Hiz.Tz."), v.OHTTUT},   {s("Taban Ay."), v.TABAY},   {s("Ek Ödeme"), v.EKODTUT},
                  {s("Terfi F."), v.TERFI},      {s("GELİR TOPLAMI"), v.GELTOP}, {s("Aylık Mat."), v.GVMAT},
                  {s("Gelir Ver."), v.GELVER},   {s("GSS İşv."), v.GSSI},     {s("Hiz.Borç."), v.BORC},
                  {s("Sendika A."), v.SENTUT},   {s("Özel Kesinti"), v.OZKES}, {s("Loj. Kira"), v.KIRA},
                  {s("İcra Kesinti"), v.ICRA}}));
    block.bands.push_back(stackedLine(
        l.line2, {{s("Em. Sicil No"), v.EMSNO}, {s("K.Yıl"), v.KIDEM},      {s("M.H."), v.MHALI},
                  {s("Çoc."), v.COC1},          {s("Çoc."), v.COC2},        {s("Aile Yrd."), v.AILEYRD},
                  {s("Çocuk Yrd."), v.COCYRD},  {s("Kıd.A.Tut"), v.KIDAY},  {s("Em.Kes.(D)"), v.EMKESD},
                  {s("Diğ.Taz."), v.DIGTAZ},    {s("Fazla M."), v.FMESTUT}, {s("GSS %12"), v.GECICI},
                  {s("% 100 Artış"), v.ARTIS1}, {s("D.V. Mat."), v.DVMAT},  {s("Damga V."), v.DAMVER},
                  {s("GSS Mem."), v.GSSP},      {s("Em.Kes(D)"), v.EMKESD}, {s("Kefalet"), v.KEFTUT}}));
    block.bands.push_back(stackedLine(
        l.line3, {{s("Görev Ünvanı"), v.GOR},          {s("Ek Tazm."), v.EKTAZ},         {s("Lojman Taz."), v.LOJTAZ},
                  {s("MYO İşv."), v.MYOI},             {s("GSS İşv."), v.GSSI},          {v.kazCaption[0], v.kaz[0]},
                  {v.kazCaption[1], v.kaz[1]},         {v.kazCaption[2], v.kaz[2]},      {v.kazCaption[3], v.kaz[3]},
                  {v.kazCaption[4], v.kaz[4]},         {v.kazCaption[5], v.kaz[5]},      {s("MYO İşv."), v.MYOI},
                  {s("MYO Mem."), v.MYOP},             {s("GSS %12."), v.GECICI},        {s("Em.Kes(M)"), v.EMKESM},
                  {s("%100 Art."), v.ARTIS2}}));
    Band last = stackedLine(l.line4, {{s("KESİNTİ TOPLAMI"), v.KESTOP}, {s("A.G.I."), v.ASGIND}, {s("NET ÖDENEN"), v.NET}},
                            Align::Right);
    for (Cell &c : last.rows.front().cells)
        c.bold = true;
    last.spaceAfter = 14;
    block.bands.push_back(std::move(last));
    return block;
}

void fillPayslipAmounts(PayslipValues &v, const results::ResultRow &r, bool deductedTaxes)
{
    v.EKMAT = amt(r.EKMAT);
    v.AYTUT = amt(r.AYTUT);
    v.EGOSTUT = amt(r.EGOSTUT);
    v.YANOD = amt(r.YANOD);
    v.OHTTUT = amt(r.OZHIZTAZ);
    v.TABAY = amt(r.TABAY);
    v.EKODTUT = amt(r.EKODTUT);
    v.TERFI = amt(r.TERFAR);
    v.GELTOP = amt(r.GELTOP);
    v.GVMAT = amt(r.VERMAT);
    v.GSSI = amt(r.GSSI);
    v.BORC = amt(r.HIZBOR);
    v.SENTUT = amt(r.SEN1);
    v.OZKES = amt(r.OZELKES);
    v.KIRA = amt(r.KIRA);
    v.ICRA = amt(r.ICRA);
    v.AILEYRD = amt(r.AILEYRD);
    v.COCYRD = amt(r.COCYRD + r.COCYRD1);
    v.KIDAY = amt(r.KIDAY);
    v.EMKESD = amt(r.EMKESD);
    v.DIGTAZ = amt(r.DIGTAZ);
    v.FMESTUT = amt(r.FAZMES);
    v.GECICI = amt(r.DVVIADE);
    v.ARTIS1 = amt(r.ARTIS);
    v.DVMAT = amt(r.DVMAT);
    v.DAMVER = amt(deductedTaxes ? r.DAMVERKES : r.DAMVER);
    v.GSSP = amt(r.GSSP);
    v.KEFTUT = amt(r.KEFALET);
    v.EKTAZ = amt(r.EKTAZ);
    v.LOJTAZ = amt(r.LOJTAZ);
    v.MYOI = amt(r.MYOI);
    v.MYOP = amt(r.MYOP);
    v.EMKESM = amt(r.EMKESM);
    v.ARTIS2 = amt(r.ARTIS + r.ARTIS);
    for (std::size_t i = 0; i < 6; ++i)
        v.kaz[i] = amt(r.KAZ[i]);
    v.KESTOP = amt(r.KESTOP);
    v.ASGIND = amt(r.VIADE);
    v.NET = amt(r.paidOut());
}

Document payslipDocument()
{
    Document doc;
    doc.orientation = report::Orientation::Landscape;
    doc.pageNumbers = false;
    return doc;
}

}  // namespace zeran::payrolldocs::detail
