#include "differencedocs.h"

#include "calendar.h"
#include "columndocument.h"
#include "format.h"

namespace zeran::difference {

using namespace payrolldocs::detail;

QString coefficientText(double value)
{
    return QString::number(value, 'f', 7).replace(QLatin1Char('.'), QLatin1Char(','));
}

namespace {

QString monthOf(const QDate &today)
{
    return QStringLiteral("15 ") + cal::monthName(today.month()) + QLatin1Char(' ') + QString::number(today.year());
}

report::Document differencePayroll(const DocumentData &d)
{
    const DifferenceRates &r = d.loaded.rates;
    Document doc = columnDocument({1.2, 1.2, 1, 1, 1},
                                  {Row{{field(s("KURUMU"), d.unitText, 0, 3), field(s("AİT OLDUĞU AY"), monthOf(d.today), 3, 2)}},
                                   Row{{field(s("Katsayı"), coefficientText(r.dKATSAYI()), 0),
                                        field(s("Tab.A.Kat."), report::rate(r.dTAK()), 1),
                                        field(s("Yan Öd.Kat."), coefficientText(r.dYOD()), 2)}}});
    doc.title = s(kDocumentTitle);
    std::vector<double> widths = {0.5, 1.3, 2.0};
    for (int c = 3; c < 16; ++c)
        widths.push_back(1.0);
    widths.push_back(0.9);  // "İmza"
    Slots positions(2);
    positions.column(0, 1, {bare(s("Sıra No")), bare(QString())})
        .column(1, 1, {bare(s("Görev Ünvanı")), bare(QString())})
        .column(2, 1, {bare(s("Adı,Soyadı")), bare(QString())})
        .column(3, 1, {bare(s("Der. Kad.")), bare(s("Gösterge"))})
        .column(4, 1, {bare(s("Kıd. Yılı")), sum(s("Aylık Tutar"))})
        .column(5, 1, {sum(s("Taban Aylığı")), sum(s("Özel Hiz. Tazminatı"))})
        .column(6, 1, {sum(s("Kıdem Aylığı")), sum(s("Yan Ödeme"))})
        .column(7, 1, {sum(s("Aile Çocuk Yardımı")), sum(s("Ek Ödeme"))})
        .column(8, 1, {sum(s("MYO%11")), sum(s("GSS%7.5"))})
        .column(9, 1, {sum(s("Em.Kes.(D)")), sum(s("Tahakkuk Toplamı"))})
        .column(10, 1, {sum(s("Gelir Vergisi")), sum(s("Damga Vergisi"))})
        .column(11, 1, {sum(s("Em.Kes. (Çalışan)")), sum(s("Em.Kes. (İşveren)"))})
        .column(12, 1, {sum(s("MYO%11")), sum(s("MYO%9"))})
        .column(13, 1, {sum(s("GSS%7.5")), sum(s("GSS%5"))})
        .column(14, 1, {sum(s("Emanete Alınan")), sum(s("Kesinti Toplamı"))})
        .column(15, 1, {sum(s("Maaş Toplamı")), sum(s("Net Ele Geçen"))});
    ColumnDocument table(doc, std::move(widths), positions.take(), 2);
    for (std::size_t i = 0; i < d.loaded.people.size(); ++i) {
        const payrollrun::RunPerson &p = d.loaded.people[i];
        const engine::PayRecord &rec = p.input.rec;
        const DifferencePay &x = d.pays[i];
        table.add({integer(static_cast<long long>(i + 1)), text(QString()),
                   text(p.UNVAN), text(QString()),
                   text(p.ADI + QLatin1Char(' ') + p.SOYADI), text(QString()),
                   {pair(rec.DER, rec.KAD), std::nullopt, Align::Right}, integer(rec.GOS),
                   integer(rec.KIDEM), money(x.AYTUT + x.EGOSTUT),
                   money(x.TABAY), money(x.OZHIZTAZ),
                   money(x.KIDAY), money(x.YANOD),
                   money(x.AILEYRD + x.COCYRD), money(x.EKODTUT),
                   money(x.MYOI), money(x.GSSI),
                   money(x.EMKESD), money(x.GELTOP),
                   money(x.GELVER), money(x.DAMVER),
                   money(x.EMKESM), money(x.EMKESD),
                   money(x.MYOI), money(x.MYOP),
                   money(x.GSSI), money(x.GSSP),
                   money(x.ACIKKES.yuvarla1()), money(x.KESTOP),
                   money(x.NET), money(x.paid.yuvarla1())});
    }
    table.finish();
    doc.signatures = threeSignatures(d.unit);
    return doc;
}

report::Document inflationPayroll(const DocumentData &d)
{
    const DifferenceRates &r = d.loaded.rates;
    Document doc = columnDocument({1.2, 1.2, 1, 1, 1, 1, 1},
                                  {Row{{field(s("KURUMU"), d.unitText, 0, 4), field(s("AİT OLDUĞU AY"), monthOf(d.today), 4, 3)}},
                                   Row{{field(s("Katsayı"), coefficientText(r.dKATSAYI()), 0),
                                        field(s("Tab.A.Kat."), report::rate(r.dTAK()), 1),
                                        field(s("Yan Öd.Kat."), coefficientText(r.dYOD()), 2),
                                        field(s("En Y.M.M."), QString(), 3), field(s("Ver. İndirimi"), QString(), 4)}}});
    doc.title = s(kDocumentTitle);
    std::vector<double> widths = {2.4};
    for (int c = 1; c < 19; ++c)
        widths.push_back(c < 4 ? 0.8 : 1.0);
    widths.push_back(0.9);  // "İmza"
    Slots positions(2);
    positions.column(0, 1, {bare(s("Adı ve Soyadı")), bare(s("Görevi  -  Em.Sicil No"))})
        .column(1, 1, {bare(s("D/K ")), bare(s("Gös+Ek"))})
        .column(2, 1, {bare(s("Kıd")), bare(s("Çoc."))})
        .column(3, 1, {sum(s("Aylık Tut.")), sum(s("Aile+Çocuk"))})
        .column(4, 1, {sum(s("Taban A.")), sum(s("Kıdem A."))})
        .column(5, 1, {sum(s("Yan Öd.")), sum(s("Faz.Mes"))})
        .column(6, 1, {sum(s("Em.Kes.(D)")), sum(s("Öz.Hiz.T."))})
        .column(7, 1, {sum(s("Taz.Top.")), sum(s("GSS%12"))})
        .column(8, 1, {sum(s("MYO%11")), sum(s("GSS%7.5"))})
        .column(9, 1, {sum(s("Ek Ödeme")), bare(QString())})
        .column(10, 1, {sum(s("%100 ")), sum(s("Terfi F."))})
        .column(11, 1, {sum(s("GELİR TOPLAMI")), bare(QString())})
        .column(12, 1, {sum(s("G.Ver.")), sum(s("D.Ver."))})
        .column(13, 1, {sum(s("Em.Kes(M)")), sum(s("Em.Kes(D)"))})
        .column(14, 1, {sum(s("MYO%11")), sum(s("MYO%9"))})
        .column(15, 1, {sum(s("GSS%7.5")), sum(s("GSS%5"))})
        .column(16, 1, {sum(s("%100 Ar.")), sum(s("Öz.Kes.B."))})
        .column(17, 1, {sum(s("G.S%12")), sum(s("Kesinti T."))})
        .column(18, 1, {sum(s("NET MAAŞ")), bare(QString())});
    ColumnDocument table(doc, std::move(widths), positions.take(), 2);
    const Money zero;
    for (std::size_t i = 0; i < d.loaded.people.size(); ++i) {
        const payrollrun::RunPerson &p = d.loaded.people[i];
        const engine::PayRecord &rec = p.input.rec;
        const DifferencePay &x = d.pays[i];
        table.add({text(QStringLiteral("%1 %2 %3").arg(i + 1).arg(p.ADI, p.SOYADI)),
                   text(p.UNVAN + QStringLiteral("  -  ") + p.EMSNO),
                   {pair(rec.DER, rec.KAD), std::nullopt, Align::Right},
                   text(QStringLiteral("%1+%2").arg(rec.GOS).arg(rec.EGOS)),
                   integer(rec.KIDEM), integer(rec.COC1 + rec.COC2),
                   money(x.AYTUT + x.EGOSTUT), money(x.AILEYRD + x.COCYRD),
                   money(x.TABAY), money(x.KIDAY),
                   money(x.YANOD), money(zero),
                   money(x.EMKESD), money(x.OZHIZTAZ),
                   money(zero), money(x.GECICI),
                   money(x.MYOI), money(x.GSSI),
                   money(x.EKODTUT), text(QString()),
                   money(zero), money(zero),
                   money(x.GELTOP), text(QString()),
                   money(x.GELVER), money(x.DAMVER),
                   money(x.EMKESM), money(x.EMKESD),
                   money(x.MYOI), money(x.MYOP),
                   money(x.GSSI), money(x.GSSP),
                   money(zero), money(zero),
                   money(x.GECICI), money(x.KESTOP),
                   money(x.paid), text(QString())});
    }
    table.finish();
    doc.signatures = threeSignatures(d.unit);
    return doc;
}

}  // namespace

report::Document differenceDocument(const DocumentData &data)
{
    return data.kind == Kind::Inflation ? inflationPayroll(data) : differencePayroll(data);
}

}  // namespace zeran::difference
