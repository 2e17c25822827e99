#include "summarydocument.h"

#include "calendar.h"
#include "format.h"

namespace zeran::contributions {

using report::Align;
using report::Band;
using report::Block;
using report::Cell;
using report::Row;

namespace {

Cell cell(QString text, int column, Align align = Align::Left, int span = 1, bool bold = false)
{
    Cell c;
    c.text = std::move(text);
    c.column = std::uint16_t(column);
    c.span = std::uint16_t(span);
    c.align = align;
    c.bold = bold;
    return c;
}

Cell field(QString caption, QString text, int column, int span = 1)
{
    Cell c = cell(std::move(text), column, Align::Left, span);
    c.caption = std::move(caption);
    return c;
}

QString amountOrEmpty(const std::optional<Money> &m)
{
    return m ? report::amount(*m) : QString();
}

// Columns of the yearly summary.
constexpr int kSir = 0, kInfoA = 1, kInfoB = 2, kLines = 3, kMonth1 = 4, kTotal = 16, kLast = 17;

Row carryRow(const QString &caption, const std::array<Money, 12> &months, Money total)
{
    Row r;
    r.cells.push_back(cell(caption, kSir, Align::Left, 4, true));
    for (int m = 0; m < 12; ++m)
        r.cells.push_back(cell(report::amount(months[m]), kMonth1 + m, Align::Right, 1, true));
    r.cells.push_back(cell(report::amount(total), kTotal, Align::Right, 1, true));
    return r;
}

}  // namespace

report::Document yearlySummaryDocument(const SummaryHeader &h, const std::vector<SummaryRow> &rows)
{
    report::Document doc;
    doc.orientation = report::Orientation::Landscape;
    doc.title = h.year + QStringLiteral(" YILINA AİT ŞAHIS EMEKLİLİK KESENEKLERİ İCMAL BORDROSU");
    std::vector<double> widths{0.6, 2.5, 2.2, 1.0};
    for (int m = 0; m < 12; ++m)
        widths.push_back(1.3);
    widths.push_back(1.5);
    widths.push_back(1.8);
    const int grid = doc.addLayout(report::Layout(widths, 6, report::CaptionStyle::Inline, true));
    const int head = doc.addLayout(report::Layout({1, 1, 1}, 7));

    Band place{head, {}, false, false, false, 2};
    place.rows.push_back({{field(QStringLiteral("KURUMUN ADI"), h.unitName, 0),
                           field(QStringLiteral("KURUMUN BULUNDUĞU YER"), h.place, 1),
                           field(QStringLiteral("BAĞLI BULUNDUĞU SAYMANLIK"), h.office, 2)}});
    doc.pageHeader.push_back(place);

    Band heads{grid, {}, true, true};
    Row h1, h2, h3;
    h1.cells = {cell(QStringLiteral("Sıra"), kSir, Align::Center, 1, true),
                cell(QStringLiteral("İŞTİRAKÇİ BİLGİLERİ"), kInfoA, Align::Center, 2, true),
                cell(QStringLiteral("AYLAR"), kLines, Align::Center, 1, true)};
    for (int m = 0; m < 12; ++m)
        h1.cells.push_back(cell(cal::monthName(m + 1), kMonth1 + m, Align::Center, 1, true));
    h1.cells.push_back(cell(QStringLiteral("TOPLAM"), kTotal, Align::Center, 1, true));
    h1.cells.push_back(cell(QStringLiteral("Fiili İnzibati"), kLast, Align::Center, 1, true));
    h2.cells = {cell(QStringLiteral("No"), kSir, Align::Center, 1, true),
                cell(QStringLiteral("Hizmet Zam."), kLast, Align::Center, 1, true)};
    h3.cells = {cell(QStringLiteral("Sür. Tutarı"), kLast, Align::Center, 1, true)};
    heads.rows = {h1, h2, h3};
    doc.pageHeader.push_back(heads);

    static const char *const lineCaptions[] = {"K.G.A", "Karşılık", "Hiz.Bor.", "İn.T.", "İn.P.Cz."};
    const auto pages = summaryPages(rows);
    for (const SummaryPage &page : pages) {
        Block block;
        block.newPage = true;
        Band carryIn{grid, {carryRow(QStringLiteral("NAKLİ YEKÜN"), page.carriedIn, page.carriedInTotal)}, false, true};
        block.bands.push_back(carryIn);
        for (std::size_t i = page.first; i < page.first + page.count; ++i) {
            const SummaryRow &r = rows[i];
            Band b{grid, {}, false, true};
            b.rows.resize(5);
            b.rows[0].cells = {cell(QString::number(r.SIR), kSir, Align::Center),
                               field(QStringLiteral("Em.Sic.No"), r.EMSNO, kInfoA),
                               field(QStringLiteral("Hizmet Yılı"), r.HYIL, kInfoB)};
            b.rows[1].cells = {field(QStringLiteral("Adı"), r.AD, kInfoA),
                               field(QStringLiteral("Yükselme T."), r.YTAR, kInfoB)};
            b.rows[2].cells = {field(QStringLiteral("Soyadı"), r.SOY, kInfoA),
                               field(QStringLiteral("E.K.Esas Ay."), r.EMAY, kInfoB)};
            b.rows[3].cells = {field(QStringLiteral("Görev Yeri"), r.GOR, kInfoA),
                               field(QStringLiteral("D/K-Ek G."), r.DKEG, kInfoB)};
            b.rows[4].cells = {field(QStringLiteral("Tahsil Dur."), r.OGRDUR ? QString::number(*r.OGRDUR) : QString(),
                                     kInfoA)};
            for (int line = 0; line < 5; ++line)
                b.rows[line].cells.push_back(cell(QString::fromUtf8(lineCaptions[line]), kLines));
            for (int m = 0; m < 12; ++m) {
                b.rows[0].cells.push_back(cell(amountOrEmpty(r.MAY[m]), kMonth1 + m, Align::Right));
                b.rows[1].cells.push_back(cell(amountOrEmpty(r.KAY[m]), kMonth1 + m, Align::Right));
                b.rows[2].cells.push_back(cell(amountOrEmpty(r.HAY[m]), kMonth1 + m, Align::Right));
            }
            b.rows[0].cells.push_back(cell(report::amount(r.sumMAY()), kTotal, Align::Right));
            b.rows[1].cells.push_back(cell(report::amount(r.sumKAY()), kTotal, Align::Right));
            b.rows[2].cells.push_back(cell(report::amount(r.sumHAY()), kTotal, Align::Right));
            b.rows[0].cells.push_back(cell(QStringLiteral("F.H.Zam.S."), kLast));
            b.rows[1].cells.push_back(cell(QStringLiteral("Ay...: Gün: Tut..:"), kLast));
            b.rows[2].cells.push_back(cell(QStringLiteral("İ.H.Zam G."), kLast));
            b.rows[3].cells.push_back(cell(QStringLiteral("Ay...: Gün: Tut..:"), kLast));
            block.bands.push_back(b);
        }
        Band carryOut{grid, {carryRow(QStringLiteral("Y E K Ü N"), page.carriedOut, page.carriedOutTotal)}, false, true};
        carryOut.spaceAfter = 6;
        block.bands.push_back(carryOut);
        Band signs{head, {}};
        signs.rows.push_back({{field(QStringLiteral("Mutemet "), h.paymaster, 0),
                               field(QStringLiteral("Tahakkuk zeranu"), h.accountant, 2)}});
        block.bands.push_back(signs);
        doc.body.push_back(block);
    }
    return doc;
}

report::Document voucherDocument(const VoucherData &d)
{
    report::Document doc;
    doc.orientation = report::Orientation::Landscape;
    doc.title = QStringLiteral("EMEKLİ KESİNTİLERİ İCMAL VE İHBAR FİŞİ");
    doc.pageNumbers = false;
    const int head = doc.addLayout(report::Layout({1, 1}, 8));
    // Payment date, institution, then the eight deduction columns.
    const int grid = doc.addLayout(report::Layout({1.3, 2.6, 1.3, 1.2, 1.1, 1.1, 1.8, 1.6, 1.6, 1.3}, 7,
                                                  report::CaptionStyle::Inline, true));
    const int text = doc.addLayout(report::Layout({1}, 8));

    Band top{head, {}, false, false, false, 4};
    top.rows.push_back({{field(QStringLiteral("Sandık Adına Paranın Yatırıldığı Yer"),
                               d.bank + QStringLiteral(" / ") + d.branch, 0),
                         field(QStringLiteral("Ait Olduğu Ay ve Yıl"), d.monthName + QLatin1Char(' ') + d.year, 1)}});
    top.rows.push_back({{field(QStringLiteral("Düzenleme Tarihi"), d.issueDate, 0),
                         field(QStringLiteral("Fiş Sıra No"), QStringLiteral("1"), 1)}});
    top.rows.push_back({{field(QStringLiteral("Muhabirin Adı (Banka ve PTT)"), QString(), 0),
                         field(QStringLiteral("Muhabir No"), d.correspondentNo, 1)}});
    top.rows.push_back({{field(QStringLiteral("Ödeme Merkezinin Adı"), d.institution, 0),
                         field(QStringLiteral("Ödeme Merkezi No"), QString(), 1)}});
    doc.pageHeader.push_back(top);

    Band heads{grid, {}, true, true};
    Row k, c1, c2;
    k.cells = {cell(QStringLiteral("K E S İ N T İ L E R"), 2, Align::Center, 8, true)};
    c1.cells = {cell(QStringLiteral("Ödemenin Yapıldığı Tarih"), 0, Align::Center, 1, true),
                cell(QStringLiteral("Kurumun Adı"), 1, Align::Center, 1, true),
                cell(QStringLiteral("%16 Emekli Keseneği"), 2, Align::Center, 1, true),
                cell(QStringLiteral("% 12 Tedavi K."), 3, Align::Center, 1, true),
                cell(QStringLiteral("% 25 Artış"), 4, Align::Center, 1, true),
                cell(QStringLiteral("%100 Artış"), 5, Align::Center, 1, true),
                cell(QStringLiteral("Kurumlarca verilen Karşılıklar"), 6, Align::Center, 1, true),
                cell(QStringLiteral("Geçmiş Hizmetler Borçlanması"), 7, Align::Center, 1, true),
                cell(QStringLiteral("Tamamlayıcı Emekli Kesintisi"), 8, Align::Center, 1, true),
                cell(QStringLiteral("TOPLAM"), 9, Align::Center, 1, true)};
    c2.cells = {cell(QStringLiteral("(%20+%25+%100)"), 6, Align::Center, 1, true)};
    heads.rows = {k, c1, c2};
    doc.pageHeader.push_back(heads);

    const VoucherFigures &f = d.figures;
    const auto figureCells = [&f](Row &r) {
        r.cells.push_back(cell(report::amount(f.employee), 2, Align::Right));
        r.cells.push_back(cell(report::amount(f.health), 3, Align::Right));
        r.cells.push_back(cell(report::amount(f.increase25), 4, Align::Right));
        r.cells.push_back(cell(report::amount(f.increase100), 5, Align::Right));
        r.cells.push_back(cell(report::amount(f.institution), 6, Align::Right));
        r.cells.push_back(cell(report::amount(f.serviceDebt), 7, Align::Right));
        r.cells.push_back(cell(QString(), 8, Align::Right));
        r.cells.push_back(cell(report::amount(f.total), 9, Align::Right));
    };
    Band detail{grid, {}, false, true};
    for (int sir = 1; sir <= 8; ++sir) {
        Row r;
        if (sir == 1) {
            r.cells = {cell(d.paymentDate, 0), cell(d.institution, 1)};
            figureCells(r);
        } else {
            r.cells = {cell(QString(), 0)};
        }
        detail.rows.push_back(r);
    }
    doc.body.push_back(Block{{detail}});

    Band totals{grid, {}, false, true, false, 6};
    Row t;
    t.cells = {cell(QStringLiteral("T O P L A M"), 0, Align::Center, 2, true)};
    figureCells(t);
    totals.rows.push_back(t);
    Band words{text, {}, false, false, false, 6};
    words.rows.push_back({{field(QStringLiteral("Genel Toplam"), d.totalInWords, 0)}});
    words.rows.push_back({{cell(QStringLiteral("Ödeme merkezi yetkililerinin Adı, Soyadı, Ünvanı, İmzası, Tarih, Mühür"), 0)}});
    words.rows.push_back({{cell(d.officerName, 0)}});
    words.rows.push_back({{cell(d.officerTitle, 0)}});
    Band fixed{text, {}, true, false, false, 0};
    fixed.rows.push_back({{cell(QStringLiteral("T.C. Emekli Sandığı Genel Müdürlüğü hesabına alacak yazılmak üzere bu fiş "
                                               "muhteviyatı (veznesine-muhabire) makbuz karşılığında yatırılmıştır."),
                                0)}});
    fixed.rows.push_back({{cell(QStringLiteral("Adı ve Numarası yazılı ödeme merkezinin bu fiş ile yapılan tahsilat "
                                               "bugünkü tarih itibariyle hesabınıza alacak yazılmıştır."),
                                0)}});
    fixed.rows.push_back({{cell(QStringLiteral("Valor"), 0)}});
    doc.summary.push_back(Block{{totals, words, fixed}});
    return doc;
}

}  // namespace zeran::contributions
