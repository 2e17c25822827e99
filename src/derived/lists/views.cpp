#include "views.h"

#include "calendar.h"
#include "format.h"

namespace zeran::lists {

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

report::Cell cell(const QString &text, int column, report::Align align = report::Align::Left, int span = 1,
                  bool bold = false)
{
    report::Cell c;
    c.text = text;
    c.column = std::uint16_t(column);
    c.span = std::uint16_t(span);
    c.align = align;
    c.bold = bold;
    return c;
}

report::Cell field(const QString &caption, const QString &text, int column, int span)
{
    report::Cell c = cell(text, column, report::Align::Left, span);
    c.caption = caption;
    return c;
}

report::Band headingBand(int layout, const std::vector<const char *> &titles, int firstAmount)
{
    report::Row r;
    for (std::size_t i = 0; i < titles.size(); ++i)
        r.cells.push_back(cell(s(titles[i]), int(i), int(i) >= firstAmount ? report::Align::Right : report::Align::Left, 1, true));
    report::Band b;
    b.layout = layout;
    b.rows.push_back(std::move(r));
    b.ruleAbove = true;
    b.ruleBelow = true;
    return b;
}

report::Block block(report::Band band)
{
    report::Block b;
    b.bands.push_back(std::move(band));
    return b;
}

}  // namespace

QString kindText(const QString &TUR)
{
    const QString t = TUR.trimmed();
    if (t == QLatin1String("1"))
        return s("Maaş");
    if (t == QLatin1String("2"))
        return s("Fark");
    if (t == QLatin1String("3"))
        return s("Diğer");
    return t;
}

Money DeductionRecord::total() const
{
    Money t;
    for (const Money &k : KES)
        t += k;
    return t;
}

std::array<Money, 6> deductionTotals(const std::vector<DeductionRecord> &rows)
{
    std::array<Money, 6> t{};
    for (const DeductionRecord &r : rows) {
        for (std::size_t n = 0; n < 5; ++n)
            t[n] += r.KES[n];
        t[5] += r.total();
    }
    return t;
}

QString deductionAuditText(const DeductionRecord &row, int column, Money before, Money after)
{
    return QStringLiteral("KES%1 %2/%3/%4 %5 -> %6")
        .arg(column)
        .arg(row.PKAYNO)
        .arg(row.BKOD)
        .arg(row.PKOD)
        .arg(before.toPlain(2), after.toPlain(2));
}

std::array<Money, 7> yearlyTotals(const std::vector<YearlyDeduction> &rows)
{
    std::array<Money, 7> t{};
    for (const YearlyDeduction &r : rows) {
        for (std::size_t n = 0; n < 5; ++n)
            t[n] += r.KES[n];
        t[5] += r.ICRA;
        t[6] += r.KIRA;
    }
    return t;
}

report::Document pastMonthsDocument(const QString &KURUM, const PastPerson &person, const QString &year,
                                    const std::vector<PastMonth> &rows)
{
    report::Document doc;
    doc.orientation = report::Orientation::Portrait;
    doc.title = s("BORDRO LİSTESİ");
    const int header = doc.addLayout(report::Layout({1, 1, 1}, 9));
    const int grid = doc.addLayout(report::Layout({1.2, 1, 0.8, 0.7, 0.8, 1.2, 1.2, 1.2}, 8));
    report::Band info;
    info.layout = header;
    info.spaceAfter = 4;
    info.rows.push_back({{field(s("Kurum Adı"), KURUM, 0, 3)}});
    info.rows.push_back({{field(s("Emekli Sicil No"), person.EMSNO, 0, 3)}});
    info.rows.push_back({{field(s("Adı ve Soyadı"), person.ADI + QLatin1Char(' ') + person.SOYADI, 0, 3)}});
    info.rows.push_back({{field(s("Bordro Yılı  :"), year, 0, 3)}});
    doc.pageHeader = {info, headingBand(grid, {" Bordro Ayı", "Bordro Türü", "Der/Kad", "Göst.", "Ek.Göst.", "Gelirler ",
                                               "Kesintiler", "Net Ödenen"},
                                        5)};
    Money total;
    for (const PastMonth &r : rows) {
        report::Band b;
        b.layout = grid;
        b.rows.push_back({{cell(cal::monthName(r.AY), 0), cell(kindText(r.TUR), 1),
                           cell(QStringLiteral("%1/%2").arg(r.DER).arg(r.KAD), 2), cell(QString::number(r.GOS), 3),
                           cell(QString::number(r.EGOS), 4), cell(report::amount(r.GELTOP), 5, report::Align::Right),
                           cell(report::amount(r.KESTOP), 6, report::Align::Right),
                           cell(report::amount(r.MAAS), 7, report::Align::Right)}});
        doc.body.push_back(block(std::move(b)));
        total += r.MAAS;
    }
    report::Band sums;
    sums.layout = grid;
    sums.ruleAbove = true;
    sums.rows.push_back({{cell(s("Toplam"), 0, report::Align::Left, 7, true),
                          cell(report::amount(total), 7, report::Align::Right, 1, true)}});
    doc.summary.push_back(block(std::move(sums)));
    return doc;
}

QString UnionDue::dateText() const
{
    if (TAR.isValid())
        return TAR.toString(QStringLiteral("dd.MM.yyyy"));
    return QStringLiteral("%1.%2").arg(AY, 2, 10, QLatin1Char('0')).arg(YIL);
}

std::optional<std::pair<int, int>> periodWindow(const QDate &from, const QDate &to)
{
    if (!from.isValid() || !to.isValid())
        return std::nullopt;
    return std::pair{from.year() * 100 + from.month(), to.year() * 100 + to.month()};
}

report::Document unionDuesDocument(const std::vector<UnionDue> &rows, Money total, const units::Signatories &sg)
{
    report::Document doc;
    doc.orientation = report::Orientation::Portrait;
    doc.title = s("ZERAN SENDİKA AİDAT TEVKİFAT LİSTESİ");
    const int grid = doc.addLayout(report::Layout({0.5, 2.4, 1, 2, 1}, 8));
    doc.pageHeader = {headingBand(grid, {"S.No", "Üyenin Adı Soyadı", "Tarihi", "Sendika Adı", "Aidat Tutarı"}, 4)};
    int number = 0;
    for (const UnionDue &r : rows) {
        report::Band b;
        b.layout = grid;
        b.rows.push_back({{cell(QString::number(++number), 0), cell(r.ADSOY, 1), cell(r.dateText(), 2), cell(r.SENDIKA, 3),
                           cell(report::amount(r.SENTUT), 4, report::Align::Right)}});
        doc.body.push_back(block(std::move(b)));
    }
    report::Band sums;
    sums.layout = grid;
    sums.ruleAbove = true;
    sums.rows.push_back({{cell(s("TOPLAM TUTAR"), 0, report::Align::Left, 4, true),
                          cell(report::amount(total), 4, report::Align::Right, 1, true)}});
    doc.summary.push_back(block(std::move(sums)));
    doc.signatures = {{s("Düzenleyen"), sg.TAS, sg.TUN},
                      {s("Muhasebe Yetkilisi"), sg.SAS, sg.SUN},
                      {s("Harcama Yetkilisi"), sg.IAS, sg.IUN}};
    return doc;
}

}  // namespace zeran::lists
