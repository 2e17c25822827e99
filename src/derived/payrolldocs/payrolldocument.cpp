#include "payrolldocs.h"

#include "columndocument.h"

namespace zeran::payrolldocs {

using namespace detail;

report::Document payrollDocument(const RunData &run)
{
    const ItemNames &items = run.context.items;
    const HeaderRates rates = HeaderRates::of(run.loaded.run.rates);
    const QString unitName = run.loaded.people.empty() ? run.context.unit.BIRIM : run.loaded.people.front().BIRIM;
    Document doc = columnDocument({1.2, 1.2, 1.2, 1, 1},
                                  {Row{{field(s("BİRİMİ"), unitName, 0, 3), field(s("DÖNEMİ"), run.periodText, 3, 2)}},
                                   Row{{field(s("Katsayı"), report::rate(rates.KATSAYI), 0),
                                        field(s("Taban Aylığı Katsayısı"), report::rate(rates.TAK), 1),
                                        field(s("Yan Öd. Katsayısı"), report::rate(rates.YOD), 2),
                                        field(s("En Yüksek M.M."), amt(rates.EYMM), 3),
                                        field(s("Ver. İndirimi"), amt(rates.INDIRIM), 4)}}});

    // Grid: person, 2, 3, 4, 5 (two halves: the raise is printed twice), 6 … 17, "İmza".
    std::vector<double> widths = {2.7, 0.8, 0.95, 1.15, 0.72, 0.72};
    for (int c = 6; c <= 17; ++c)
        widths.push_back(c == 17 ? 1.2 : 1.12);
    widths.push_back(0.9);
    const auto kaz = [&items](int n) { return items.earningCaption(n); };
    const auto kes = [&items](int n) { return items.deductionCaption(n); };
    Slots positions(4);
    positions.column(0, 1, {bare(s("Adı ve Soyadı")), bare(s("Görevi ")), bare(s("Sıra No / Emekli Sicil No"))})
        .column(1, 1, {bare(s("Der./Kad. ")), bare(s("Gösterge")), bare(s("Ek Göst.")), bare(s("Kıd.yılı"))})
        .column(2, 1, {bare(s("Çocuk ")), sum(s("Aile Yard.")), sum(s("0-6 Coc.Tut")), sum(s("6+Coc.Tut"))})
        .column(3, 1, {sum(s("Aylık Tut.")), sum(s("Taban A.")), sum(s("Kıdem A.")), sum(s("Öz.Hiz.T."))})
        .column(4, 2, {sum(s("Faz.Mes")), sum(s("Yan Öd.")), sum(s("Terfi Farkı")), sum(s("%100 Artış"))})
        .column(6, 1, {sum(s("MYO%11")), sum(s("GSS%7.5")), sum(s("Em.Kes.(D)")), sum(s("GSS%12"))})
        .column(7, 1, {sum(s("Taz.Top.")), sum(s("Ek Ödeme")), sum(kaz(1)), sum(kaz(2))})
        .column(8, 1, {sum(kaz(3)), sum(kaz(4)), sum(kaz(5)), sum(kaz(6))})
        .column(9, 1, {sum(kaz(7)), sum(kaz(8)), sum(kaz(9)), sum(kaz(10))})
        .column(10, 1, {bare(s("Yemek Günü")), sum(s("Yemek Tutarı")), sum(s("Ek Tazminat")), sum(s("GELİRLER"))})
        .column(11, 1, {bare(s("G.V.Mat.")), bare(s("D.V.Mat.")), sum(s("G.Ver.")), sum(s("D.Ver."))})
        .column(12, 1, {sum(s("G.S%12")), sum(s("GSS%7.5")), sum(s("GSS%5"))})
        .column(13, 1, {sum(s("Em.Kes(M)")), sum(s("Em.Kes(D)")), sum(s("MYO%11")), sum(s("MYO%9"))})
        .column(14, 1, {sum(s("İcra Kes.")), sum(s("Kira")), sum(s("B.E.S.Tut")), sum(s("Sendika"))})
        .column(15, 1, {sum(s("%100 Ar.")), sum(s("Kefalet")), sum(s("Hiz.Borç."))})
        .column(16, 1, {sum(kes(1)), sum(kes(2)), sum(kes(3)), sum(kes(4))})
        .column(17, 1, {sum(kes(5)), bare(s("Emanet")), sum(s("Kesinti T.")), sum(s("NET MAAŞ"))});
    // The raise: the person's and the state's equal shares side by side.
    Slot &raise = positions.at(4, 3);
    raise.span = 1;
    raise.twice = true;

    ColumnDocument table(doc, std::move(widths), positions.take(), 4);
    for (std::size_t i = 0; i < run.loaded.people.size(); ++i) {
        const RunRow rr = runRow(run, i);
        const results::ResultRow &r = rr.row;
        const engine::PayRecord &rec = rr.person.input.rec;
        std::vector<Value> v;
        v.reserve(18 * 4);
        // 1
        v.push_back(text(fullName(rr.person)));
        v.push_back(text(rr.person.UNVAN));
        v.push_back(text(QStringLiteral("%1 / %2").arg(i + 1).arg(rr.person.EMSNO)));
        v.push_back(text(QString()));
        // 2
        v.push_back({pair(rec.DER, rec.KAD), std::nullopt, Align::Right});
        v.push_back(integer(rec.GOS));
        v.push_back(integer(rec.EGOS));
        v.push_back(integer(rec.KIDEM));
        // 3
        v.push_back({children(rec.COC1, rec.COC2), std::nullopt, Align::Right});
        v.push_back(money(r.AILEYRD));
        v.push_back(money(r.COCYRD));
        v.push_back(money(r.COCYRD1));
        // 4
        v.push_back(money(r.AYTUT + r.EGOSTUT));
        v.push_back(money(r.TABAY));
        v.push_back(money(r.KIDAY));
        v.push_back(money(r.OZHIZTAZ));
        // 5
        v.push_back(money(r.FAZMES));
        v.push_back(money(r.YANOD));
        v.push_back(money(r.TERFAR));
        v.push_back(money(r.ARTIS));
        // 6
        v.push_back(money(r.MYOI));
        v.push_back(money(r.GSSI));
        v.push_back(money(r.EMKESD));
        v.push_back(money(r.DVVIADE));
        // 7
        v.push_back(money(r.DIGTAZ + r.DILTAZ + r.LOJTAZ + r.EKTAZ));
        v.push_back(money(r.EKODTUT));
        v.push_back(money(r.KAZ[0]));
        v.push_back(money(r.KAZ[1]));
        // 8, 9
        for (std::size_t k = 2; k < 10; ++k)
            v.push_back(money(r.KAZ[k]));
        // 10
        v.push_back(integer(rec.YEMEKGUN));
        v.push_back(money(r.YEMEK));
        v.push_back(money(r.EKTAZ));
        v.push_back(money(r.GELTOP));
        // 11: the taxes actually deducted
        v.push_back(money(r.VERMAT));
        v.push_back(money(r.DVMAT));
        v.push_back(money(r.GELVERKES));
        v.push_back(money(r.DAMVERKES));
        // 12
        v.push_back(money(r.DVVIADE));
        v.push_back(money(r.GSSI));
        v.push_back(money(r.GSSP));
        v.push_back(text(QString()));
        // 13
        v.push_back(money(r.EMKESM));
        v.push_back(money(r.EMKESD));
        v.push_back(money(r.MYOI));
        v.push_back(money(r.MYOP));
        // 14
        v.push_back(money(r.ICRA));
        v.push_back(money(r.KIRA));
        v.push_back(money(r.BES));
        v.push_back(money(r.SEN1));
        // 15
        v.push_back(money(r.ARTIS + r.ARTIS));
        v.push_back(money(r.KEFALET));
        v.push_back(money(r.HIZBOR));
        v.push_back(text(QString()));
        // 16
        for (std::size_t k = 0; k < 4; ++k)
            v.push_back(money(r.KES[k]));
        // 17
        v.push_back(money(r.KES[4]));
        v.push_back(money(r.ACIKKES));
        v.push_back(money(r.KESTOP));
        v.push_back(money(r.paidOut()));
        table.add(v);
    }
    table.finish();
    doc.signatures = threeSignatures(run.context.unit);
    return doc;
}

}  // namespace zeran::payrolldocs
