#include "banklist.h"

#include "format.h"

#include <QHash>

namespace zeran::bankfiles {

namespace {

using report::Align;
using report::Band;
using report::Block;
using report::Cell;
using report::Document;
using report::Row;

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

Cell cell(const QString &text, int column, Align align = Align::Left, int span = 1, bool bold = false)
{
    Cell c;
    c.text = text;
    c.column = std::uint16_t(column);
    c.span = std::uint16_t(span);
    c.align = align;
    c.bold = bold;
    return c;
}

Cell field(const QString &caption, const QString &text, int column, int span)
{
    Cell c = cell(text, column, Align::Left, span);
    c.caption = caption;
    return c;
}

const std::vector<double> kColumns = {5, 24, 12, 17, 10, 10, 10, 10, 10};

Band headingBand(int layout)
{
    const char *const titles[] = {"S.No",        "Adı ve Soyadı", "T.C.Kimlik No", "Banka H.No", "Maaş Tutarı",
                                  "Maaş Farkı", "Toplam",        "Kesinti T.",    "Ele Geçen"};
    Row r;
    for (int i = 0; i < 9; ++i)
        r.cells.push_back(cell(s(titles[i]), i, i >= 4 ? Align::Right : Align::Left, 1, true));
    Band b;
    b.layout = layout;
    b.rows.push_back(std::move(r));
    b.ruleAbove = true;
    b.ruleBelow = true;
    return b;
}

Band detailBand(int layout, int number, const BankListRow &r)
{
    Row row;
    row.cells = {cell(QString::number(number), 0, Align::Right),
                 cell(r.source.ADSOY, 1),
                 cell(r.source.TCKNO, 2),
                 cell(r.source.BHN, 3),
                 cell(report::amount(r.MAAS), 4, Align::Right),
                 cell(report::amount(r.FARK), 5, Align::Right),
                 cell(report::amount(r.TOPLAM), 6, Align::Right),
                 cell(report::amount(r.OZKES), 7, Align::Right),
                 cell(report::amount(r.NET), 8, Align::Right)};
    Band b;
    b.layout = layout;
    b.rows.push_back(std::move(row));
    return b;
}

Block block(Band band)
{
    Block b;
    b.bands.push_back(std::move(band));
    return b;
}

// A caption over the first columns and one amount under "Ele Geçen".
Band netLine(int layout, const QString &caption, Money net)
{
    Row row;
    row.cells = {cell(caption, 0, Align::Left, 4, true), cell(report::amount(net), 8, Align::Right, 1, true)};
    Band b;
    b.layout = layout;
    b.rows.push_back(std::move(row));
    b.ruleAbove = true;
    return b;
}

}  // namespace

QString BankListRow::turText() const
{
    if (source.TUR == QLatin1String("1"))
        return QStringLiteral("Maaş");
    if (source.TUR == QLatin1String("2"))
        return QStringLiteral("Fark");
    return source.TUR;
}

std::vector<BankListRow> bankListRows(const std::vector<BankListSource> &sources,
                                      const std::vector<DifferenceRow> &differences, bool addDifference,
                                      const QString &MKESDUR)
{
    // person, unit, year, month
    auto hashKey = [](int pk, int bk, const QString &yil, int ay) {
        return QStringLiteral("%1|%2|%3|%4").arg(pk).arg(bk).arg(yil).arg(ay);
    };
    QHash<QString, Money> fark;
    if (addDifference)
        for (const DifferenceRow &d : differences)
            if (d.MAAS > Money())
                fark[hashKey(d.PKAYNO, d.BKOD, d.YIL, d.AY)] += d.MAAS - d.ACIKKES;

    const bool special = MKESDUR.trimmed() == QLatin1String("B");
    QHash<QString, bool> counted;
    std::vector<BankListRow> out;
    out.reserve(sources.size());
    for (const BankListSource &src : sources) {
        BankListRow r;
        r.source = src;
        r.MAAS = src.MAAS.yuvarla1();
        const QString key = hashKey(src.PKAYNO, src.BKOD, src.YIL, src.AY);
        if (!counted.value(key)) {
            counted.insert(key, true);
            r.FARK = fark.value(key).yuvarla1();
        }
        r.OZKES = special ? src.OZELKES.yuvarla1() : Money();
        r.TOPLAM = r.MAAS + r.FARK;
        r.MAASNET = (src.MAAS - src.ACIKKES).yuvarla1();
        r.NET = r.MAASNET + r.FARK - r.OZKES;
        out.push_back(std::move(r));
    }
    return out;
}

BankListTotals bankListTotals(const std::vector<BankListRow> &rows)
{
    BankListTotals t;
    for (const BankListRow &r : rows) {
        t.MAAS += r.MAAS;
        t.FARK += r.FARK;
        t.OZKES += r.OZKES;
        t.TOPLAM += r.TOPLAM;
        t.NET += r.NET;
    }
    return t;
}

BankListLayout bankListLayout(const QString &MBORTUR)
{
    return MBORTUR.trimmed() == QLatin1String("1") ? BankListLayout::B : BankListLayout::A;
}

report::Document bankListDocument(const std::vector<BankListRow> &rows, const BankListHeading &h,
                                  BankListLayout layout)
{
    Document doc;
    doc.orientation = report::Orientation::Portrait;
    const int header = doc.addLayout(report::Layout({1, 1, 1}, 9));
    const int table = doc.addLayout(report::Layout(kColumns, 7.5));
    const BankListTotals totals = bankListTotals(rows);

    if (layout == BankListLayout::A) {
        doc.title = s("AYLIKLARI BANKA VASITASI İLE ÖDENECEK PERSONEL LİSTESİ");
        Band info;
        info.layout = header;
        info.rows.push_back({{field(s("Banka Adı"), h.TTBA + QStringLiteral(" / ") + h.TTSA, 0, 3)}});
        info.rows.push_back({{field(s("Düzenleyen Kurum"), h.KURUM, 0, 3)}});
        info.rows.push_back({{field(s("Ait Olduğu Ay"), h.monthText + QLatin1Char(' ') + h.year, 0, 3)}});
        info.spaceAfter = 4;
        doc.pageHeader = {info, headingBand(table)};
        for (std::size_t i = 0; i < rows.size(); ++i)
            doc.body.push_back(block(detailBand(table, int(i + 1), rows[i])));
        Row sums;
        sums.cells = {cell(s("T O P L A M "), 0, Align::Left, 4, true),
                      cell(report::amount(totals.MAAS), 4, Align::Right, 1, true),
                      cell(report::amount(totals.FARK), 5, Align::Right, 1, true),
                      cell(report::amount(totals.TOPLAM), 6, Align::Right, 1, true),
                      cell(report::amount(totals.OZKES), 7, Align::Right, 1, true),
                      cell(report::amount(totals.NET), 8, Align::Right, 1, true)};
        Band total;
        total.layout = table;
        total.rows.push_back(std::move(sums));
        total.ruleAbove = true;
        total.ruleBelow = true;
        doc.summary.push_back(block(std::move(total)));
        doc.signatures = {{s("Muhasebe Yetkilisi"), h.signatories.SAS, h.signatories.SUN}};
        return doc;
    }

    doc.title = s("T.C.");
    Band title;
    title.layout = header;
    title.rows.push_back({{cell(h.KURUM, 0, Align::Center, 3, true)}});
    title.rows.push_back({{cell(s("BANKA LİSTESİ"), 0, Align::Center, 3, true)}});
    title.rows.push_back({{cell(h.monthText + QStringLiteral("  ") + h.year, 0, Align::Center, 3)}});
    title.spaceAfter = 4;
    doc.pageHeader = {title};
    std::size_t i = 0;
    while (i < rows.size()) {
        const int unit = rows[i].source.BKOD;
        Block group;
        Band name;
        name.layout = header;
        name.rows.push_back({{cell(s("BİRİMİ : ") + rows[i].source.BIRIM, 0, Align::Left, 3, true)}});
        group.bands = {name, headingBand(table)};
        Money unitNet;
        int number = 0;
        // The group's heading stays with its first line.
        group.bands.push_back(detailBand(table, ++number, rows[i]));
        unitNet += rows[i].NET;
        doc.body.push_back(std::move(group));
        for (++i; i < rows.size() && rows[i].source.BKOD == unit; ++i) {
            doc.body.push_back(block(detailBand(table, ++number, rows[i])));
            unitNet += rows[i].NET;
        }
        Band footer = netLine(table, s("Bölüm Toplamı"), unitNet);
        footer.spaceAfter = 8;
        doc.body.push_back(block(std::move(footer)));
    }
    doc.summary.push_back(block(netLine(table, s("Genel Toplam"), totals.NET)));
    return doc;
}

}  // namespace zeran::bankfiles
