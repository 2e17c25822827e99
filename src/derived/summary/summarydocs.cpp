#include "summarydocs.h"

#include "calendar.h"
#include "format.h"

namespace zeran::summary {

namespace {

using report::Align;
using report::Band;
using report::Block;
using report::Cell;
using report::Layout;
using report::Row;

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

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

Cell field(QString caption, QString text, int column, int span = 1, Align align = Align::Left)
{
    Cell c = cell(std::move(text), column, align, span);
    c.caption = std::move(caption);
    return c;
}

QString rate(double v)
{
    return report::rate(v);
}

}  // namespace

report::Document summaryDocument(const Summary &s, const SummaryHeader &h)
{
    report::Document doc;
    doc.orientation = report::Orientation::Portrait;
    doc.title = printedTitle(s.mode, h.unitKind);
    doc.pageNumbers = false;  // one page

    const int headerLayout = doc.addLayout(Layout({1, 1, 1, 1}, 8));
    Band header;
    header.layout = headerLayout;
    header.rows.push_back({{field(u("KURUMU"), h.kurumu, 0, 2), field(u("AİT OLDUĞU AY"),
                                                                      cal::monthName(h.month) + QLatin1Char(' ') + h.year, 2, 2)}});
    const SummaryRates &r = s.rates;
    header.rows.push_back({{field(u("Katsayı"), rate(r.KATSAYI), 0), field(u("Tab.A.Kat."), rate(r.TAK), 1),
                            field(u("Yan Öd.Kat."), rate(r.YOD), 2), field(u("Kıdem A.kat."), rate(r.KAK), 3)}});
    header.rows.push_back({{field(u("En Y.M.G."), rate(r.EYMG), 0), field(u("Aile Y.Puanı"), rate(r.AYRDP), 1),
                            field(u("Çocuk Y.P."), rate(r.CYRDP1), 2), field(u("Çocuk Y.P."), rate(r.CYRDP2), 3)}});
    header.ruleBelow = true;
    header.spaceAfter = 6;
    doc.pageHeader.push_back(header);

    // Two columns side by side: the earnings and the deductions.
    const int bodyLayout = doc.addLayout(Layout({3, 1.3, 3, 1.3}, 8, report::CaptionStyle::Inline, true));
    std::vector<const SummaryLine *> earnings, deductions;
    for (const SummaryLine &l : s.lines) {
        if (!l.printed || l.total)
            continue;
        (l.group == LineGroup::Earnings ? earnings : deductions).push_back(&l);
    }
    Band body;
    body.layout = bodyLayout;
    body.box = true;
    body.rows.push_back({{cell(u("K A Z A N Ç L A R"), 0, Align::Center, 2, true),
                          cell(u("K E S İ N T İ L E R"), 2, Align::Center, 2, true)}});
    for (std::size_t i = 0; i < std::max(earnings.size(), deductions.size()); ++i) {
        Row row;
        if (i < earnings.size()) {
            row.cells.push_back(cell(earnings[i]->caption.trimmed(), 0));
            row.cells.push_back(cell(report::amount(earnings[i]->amount), 1, Align::Right));
        }
        if (i < deductions.size()) {
            row.cells.push_back(cell(deductions[i]->caption.trimmed(), 2));
            row.cells.push_back(cell(report::amount(deductions[i]->amount), 3, Align::Right));
        }
        body.rows.push_back(std::move(row));
    }
    body.spaceAfter = 6;

    Band totals;
    totals.layout = bodyLayout;
    totals.box = true;
    auto amountOf = [&s](const char *caption) { return report::amount(s.line(u(caption)).value_or(Money())); };
    totals.rows.push_back({{cell(u("KAZANÇLAR TOPLAMI"), 0, Align::Left, 1, true),
                            cell(amountOf("KAZANÇLAR TOPLAMI"), 1, Align::Right, 1, true),
                            cell(u("KESİNTİLER TOPLAMI"), 2, Align::Left, 1, true),
                            cell(amountOf("KESİNTİLER TOPLAMI"), 3, Align::Right, 1, true)}});
    totals.rows.push_back({{cell(u("Personel Sayısı"), 0, Align::Left, 1, true),
                            cell(report::integer(s.count), 1, Align::Right, 1, true),
                            cell(u("NET ÖDEME TOPLAMI"), 2, Align::Left, 1, true),
                            cell(amountOf("NET ÖDEME TOPLAMI"), 3, Align::Right, 1, true)}});
    totals.spaceAfter = 18;
    doc.body.push_back(Block{{body, totals}, false});
    doc.signatures = {{u("Düzenleyen"), h.TAS, h.TUN},
                      {u("Muhasebe Yetkilisi"), h.SAS, h.SUN},
                      {u("Harcama Yetkilisi"), h.IAS, h.IUN}};
    return doc;
}

report::Document allowanceDocument(const AllowanceList &list)
{
    report::Document doc;
    doc.orientation = report::Orientation::Landscape;
    doc.title = u("ASGARİ GEÇİM İNDİRİMİNE AİT BORDRO");
    doc.pageNumbers = true;  // "SAYFA NO :"

    const int top = doc.addLayout(Layout({1, 3, 1}, 8));
    Band head;
    head.layout = top;
    head.rows.push_back({{cell(u("EK: 2"), 0, Align::Left, 1, true), cell(list.year, 1, Align::Center, 1, true)}});
    head.rows.push_back({{cell(u("Asgari Ücretin Yıllık Brüt Tutarı :") + QLatin1Char(' ') +
                                   report::amount(list.yearlyMinimumWage) + u(" YTL (*)"),
                               0, Align::Left, 3)}});
    head.spaceAfter = 4;
    doc.pageHeader.push_back(head);

    // Sıra, name, rate, base, monthly allowance, then the twelve months.
    std::vector<double> widths{0.6, 3.2, 1.1, 1.4, 1.3};
    for (int m = 0; m < 12; ++m)
        widths.push_back(1.05);
    const int grid = doc.addLayout(Layout(widths, 6, report::CaptionStyle::Inline, true));
    Band columns;
    columns.layout = grid;
    columns.box = true;
    columns.rows.push_back({{cell(u("Sıra"), 0, Align::Center), cell(u("Ücretlinin"), 1, Align::Center),
                             cell(u("Asgari Geçim İndirimi Oranı(%)"), 2, Align::Center),
                             cell(u("Asgari Geçim İndirimine Esas Tutar"), 3, Align::Center),
                             cell(u("Aylık Asgari Geçim İndirimi Tutar 3.X%15/12"), 4, Align::Center),
                             cell(u("YARARLANILAN ASGARİ GEÇİM İNDİRİMİ TUTARI"), 5, Align::Center, 12)}});
    Row second{{cell(u("No"), 0, Align::Center), cell(u("Adı ve Soyadı"), 1, Align::Center)}};
    for (int m = 1; m <= 12; ++m)
        second.cells.push_back(cell(cal::monthName(m), 4 + m, Align::Center));
    columns.rows.push_back(second);
    columns.rows.push_back({{cell(QString(), 0), cell(u("1"), 1, Align::Center), cell(u("2"), 2, Align::Center),
                             cell(u("3"), 3, Align::Center), cell(u("4"), 4, Align::Center)}});
    doc.pageHeader.push_back(columns);

    auto month = [](const std::optional<Money> &m) { return m ? report::amount(*m) : QString(); };
    int no = 0;
    for (const AllowanceRow &r : list.rows) {
        Band b;
        b.layout = grid;
        b.ruleBelow = true;
        Row row{{cell(report::integer(++no), 0, Align::Right), cell(r.source.ADSOY, 1),
                 cell(plainNumberText(r.ORAN), 2, Align::Right), cell(report::amount(r.ASGMAT), 3, Align::Right),
                 cell(report::amount(r.ASGTUT), 4, Align::Right)}};
        for (int m = 1; m <= 12; ++m)
            row.cells.push_back(cell(month(r.AY[std::size_t(m - 1)]), 4 + m, Align::Right));
        b.rows.push_back(std::move(row));
        doc.body.push_back(Block{{b}, false});
    }

    Band sums;
    sums.layout = grid;
    sums.box = true;
    Row total{{cell(u(" T O P L A M L A R"), 0, Align::Left, 3, true),
               cell(report::amount(list.totalASGMAT), 3, Align::Right, 1, true),
               cell(report::amount(list.totalASGTUT), 4, Align::Right, 1, true)}};
    for (int m = 1; m <= 12; ++m)
        total.cells.push_back(cell(month(list.totalAY[std::size_t(m - 1)]), 4 + m, Align::Right, 1, true));
    sums.rows.push_back(std::move(total));
    sums.spaceAfter = 6;

    const int notesLayout = doc.addLayout(Layout({1}, 6.5));
    Band notes;
    notes.layout = notesLayout;
    for (const char *text : {
             "Not     : Bu bordro, işverenlerce yukarıdaki muhteviyatına uygun olarak çoğaltılıp kullanılabilecektir. Her "
             "yıl için ayrı bordro düzenlenecektir.",
             "*            Ücretin elde edildiği takvim yılı başında geçerli olan ve sanayi kesiminde çalışan 16 yaşından "
             "büyük işçiler için uygulanan asgarî ücretin yıllık brüt tutarı yazılacaktır. ",
             "**          Asgari ücretin yıllık brüt tutarının; mükellefin kendisi için % 50'si, çalışmayan ve herhangi bir "
             "geliri olmayan eşi için % 10'u, ilk iki çocuk için % 7,5, diğer çocuklar için % 5' idir.",
             "***        Ücretin elde edildiği takvim yılı başında geçerli olan asgarî ücretin yıllık brüt tutarının asgari "
             "geçim indirimi oranı ile çarpılması sonucu elde edilen tutar bu sütuna yazılacaktır",
             "****       Bu sütuna, (3) no.lu sütunda yer alan asgari geçim indirimine esas tutarın, Gelir Vergisi Kanununun "
             "103 ncü maddesinde yer alan tarifenin ilk dilimine ait oranın uygulanması ile elde edilen tutarın 12’ ye "
             "bölünmesiyle bulunan tutar yazılacaktır.",
             "*****     Bu sütuna, (4) no.lu sütundaki tutarlar yazılacaktır. Mahsup edilecek asgari geçim indirimi tutarı, "
             "yıl içinde aylar itibariyle bu sütunlarda izlenecektir. ",
         })
        notes.rows.push_back({{cell(u(text), 0)}});
    doc.summary.push_back(Block{{sums, notes}, false});
    return doc;
}

}  // namespace zeran::summary
