#include "payrolldocs.h"

#include "columndocument.h"

namespace zeran::payrolldocs {

using namespace detail;

report::Document archivePayrollDocument(const ArchiveData &archive)
{
    const ArchiveSelection &sel = archive.selection;
    const int month = sel.month != 0 ? sel.month : (archive.rows.empty() ? 0 : archive.rows.front().result.key.AY);
    const HeaderRates &rates = archive.ratesOf(sel.month);
    const QString period = month != 0 ? QStringLiteral("%1 / %2").arg(sel.year).arg(month) : sel.year;
    Document doc = columnDocument({2.4, 1.3, 1, 1, 1, 1, 1},
                                  {Row{{field(s("KURUMU"), sel.unit != 0 ? archive.context.unit.BIRIM : s("Tümü"), 0),
                                        field(s("AİT OLDUĞU AY"), period, 1),
                                        field(s("Katsayı"), report::rate(rates.KATSAYI), 2),
                                        field(s("Tab.A.Kat."), report::rate(rates.TAK), 3),
                                        field(s("Yan Öd.Kat."), report::rate(rates.YOD), 4),
                                        field(s("En Y.M.M."), report::rate(rates.EYMG), 5),
                                        field(s("Ver. İndirimi"), amt(rates.INDIRIM), 6)}}});

    // The two item captions are the names stored with the rows.
    QString kaz1, kaz2;
    if (!archive.rows.empty()) {
        kaz1 = archive.rows.front().result.KAZA[0];
        kaz2 = archive.rows.front().result.KAZA[1];
    }
    if (kaz1.isEmpty())
        kaz1 = QStringLiteral("KAZ1");
    if (kaz2.isEmpty())
        kaz2 = QStringLiteral("KAZ2");

    std::vector<double> widths = {2.8, 0.95, 0.5};
    for (int c = 4; c <= 23; ++c)
        widths.push_back(c == 13 || c == 23 ? 1.5 : 1.0);
    widths.push_back(0.7);
    Slots positions(2);
    positions.column(0, 1, {bare(s("Adı ve Soyadı")), bare(s("Em.Sicil No -Görevi "))})
        .column(1, 1, {bare(s("D/K ")), bare(s("Gös+Ek"))})
        .column(2, 1, {bare(s("Kıd")), bare(s("Çoc."))})
        .column(3, 1, {sum(s("Aylık Tut.")), sum(s("Aile+Çocuk"))})
        .column(4, 1, {sum(s("Taban A.")), sum(s("Kıdem A."))})
        .column(5, 1, {sum(s("Yan Öd.")), sum(s("Faz.Mes"))})
        .column(6, 1, {sum(s("Em.Kes.(D)")), sum(s("Öz.Hiz.T."))})
        .column(7, 1, {sum(s("Taz.Top.")), sum(s("GSS%12"))})
        .column(8, 1, {sum(s("MYO%11")), sum(s("GSS%7.5"))})
        .column(9, 1, {sum(kaz1), sum(kaz2)})
        .column(10, 1, {sum(s("Ek.Ö.(3+4)")), sum(s("Ek.Ö.(5+6)"))})
        .column(11, 1, {sum(s("%100 ")), sum(s("Terfi F."))})
        .column(12, 1, {bare(QString()), sum(s("GELİR TOPLAMI"))})
        .column(13, 1, {sum(s("G.Ver.")), sum(s("D.Ver."))})
        .column(14, 1, {sum(s("Em.Kes(M)")), sum(s("Em.Kes(D)"))})
        .column(15, 1, {sum(s("MYO%11")), sum(s("MYO%9"))})
        .column(16, 1, {sum(s("GSS%7.5")), sum(s("GSS%5"))})
        .column(17, 1, {sum(s("İcra Kes.")), sum(s("Sendika"))})
        .column(18, 1, {sum(s("Kira")), sum(s("Kefalet"))})
        .column(19, 1, {sum(s("%100 Ar.")), sum(s("Öz.Kes.B."))})
        .column(20, 1, {sum(s("G.S%12")), sum(s("Kesinti T."))})
        .column(21, 1, {sum(s("As.G.İn"))})
        .column(22, 1, {sum(s("Emanet")), sum(s("NET MAAŞ"))});

    ColumnDocument table(doc, std::move(widths), positions.take(), 2);
    for (std::size_t i = 0; i < archive.rows.size(); ++i) {
        const ArchiveRow &a = archive.rows[i];
        const results::ResultRow &r = a.result;
        std::vector<Value> v;
        v.reserve(23 * 2);
        v.push_back(text(QStringLiteral("%1  %2").arg(i + 1).arg(a.ADSOY)));
        v.push_back(text(a.GOREV.isEmpty() ? a.EMSNO : QStringLiteral("%1 - %2").arg(a.EMSNO, a.GOREV)));
        if (a.snapshot) {
            const results::SnapshotRow &sn = *a.snapshot;
            v.push_back({pair(sn.DER, sn.KAD), std::nullopt, Align::Right});
            v.push_back({QStringLiteral("%1+%2").arg(sn.GOS).arg(sn.EGOS), std::nullopt, Align::Right});
            v.push_back(integer(sn.KIDEM));
            v.push_back(integer(sn.COC1 + sn.COC2));
        } else {
            for (int k = 0; k < 4; ++k)
                v.push_back(text(QString()));
        }
        v.push_back(money(r.AYTUT + r.EGOSTUT));
        v.push_back(money(r.AILEYRD + r.COCYRD + r.COCYRD1));
        v.push_back(money(r.TABAY));
        v.push_back(money(r.KIDAY));
        v.push_back(money(r.YANOD));
        v.push_back(money(r.FAZMES));
        v.push_back(money(r.EMKESD));
        v.push_back(money(r.OZHIZTAZ));
        v.push_back(money(r.DIGTAZ + r.DILTAZ));
        v.push_back(money(r.DVVIADE));
        v.push_back(money(r.MYOI));
        v.push_back(money(r.GSSI));
        v.push_back(money(r.KAZ[0]));
        v.push_back(money(r.KAZ[1]));
        v.push_back(money(r.KAZ[2] + r.KAZ[3]));
        v.push_back(money(r.KAZ[4] + r.KAZ[5]));
        v.push_back(money(r.ARTIS));
        v.push_back(money(r.TERFAR));
        v.push_back(text(QString()));
        v.push_back(money(r.GELTOP));
        v.push_back(optionalMoney(a.GELVER2()));
        v.push_back(optionalMoney(a.DAMVER2()));
        v.push_back(money(r.EMKESM));
        v.push_back(money(r.EMKESD));
        v.push_back(money(r.MYOI));
        v.push_back(money(r.MYOP));
        v.push_back(money(r.GSSI));
        v.push_back(money(r.GSSP));
        v.push_back(money(r.ICRA));
        v.push_back(money(r.SEN1 + r.SEN2 + r.SEN3));
        v.push_back(money(r.KIRA));
        v.push_back(money(r.KEFALET));
        v.push_back(money(r.ARTIS + r.ARTIS));
        v.push_back(money(r.OZELKES + r.HIZBOR));
        v.push_back(money(r.DVVIADE));
        v.push_back(money(r.KESTOP));
        v.push_back(money(r.VIADE));
        v.push_back(text(QString()));
        v.push_back(money(r.ACIKKES));
        v.push_back(money(r.paidOut()));
        table.add(v);
    }
    table.finish();
    const UnitInfo &u = archive.context.unit;
    doc.signatures = {{s("Düzenleyen"), u.TAS, u.TUN}, {s("Harcama Yetkilisi"), u.IAS, u.IUN}};
    return doc;
}

}  // namespace zeran::payrolldocs
