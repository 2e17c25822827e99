#include "lists.h"

#include "calendar.h"
#include "format.h"

#include <functional>
#include <map>
#include <tuple>

namespace zeran::lists {

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

struct ColumnDef {
    Column column;
    std::function<Value(const ListSource &)> get;
};

ColumnDef text(const char *heading, std::function<QString(const ListSource &)> get, double width = 1)
{
    return {{s(heading), ValueKind::Text, false, width},
            [get = std::move(get)](const ListSource &r) { return Value{get(r), std::nullopt}; }};
}

ColumnDef money(const QString &heading, std::function<Money(const ListSource &)> get, bool totalled = true)
{
    return {{heading, ValueKind::Amount, totalled, 1},
            [get = std::move(get)](const ListSource &r) { return Value{QString(), get(r)}; }};
}

ColumnDef money(const char *heading, std::function<Money(const ListSource &)> get, bool totalled = true)
{
    return money(s(heading), std::move(get), totalled);
}

QString dateText(const QDate &d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

ColumnDef name(const char *heading = "Adı ve Soyadı")
{
    return text(heading, [](const ListSource &r) { return r.ADSOY; }, 2.4);
}

ColumnDef emsno(const char *heading)
{
    return text(heading, [](const ListSource &r) { return r.EMSNO; }, 1.2);
}

ColumnDef tckno(const char *heading)
{
    return text(heading, [](const ListSource &r) { return r.TCKNO; }, 1.2);
}

ColumnDef unvan(const char *heading)
{
    return text(heading, [](const ListSource &r) { return r.UNVAN; }, 2);
}

Money emkes(const ListSource &r)
{
    return r.EMKESM + r.EMKESD;
}

std::vector<ColumnDef> deductionColumns(const PageOptions &o, bool withTotal, const char *totalHeading)
{
    std::vector<ColumnDef> cols;
    for (int n = 1; n <= 5; ++n) {
        if (o.deduction != 0 && o.deduction != n)
            continue;
        cols.push_back(money(o.deductionNames[std::size_t(n - 1)],
                             [n](const ListSource &r) { return r.KES[std::size_t(n - 1)]; }));
    }
    if (withTotal && o.deduction == 0)
        cols.push_back(money(totalHeading, [](const ListSource &r) {
            Money t;
            for (const Money &k : r.KES)
                t += k;
            return t;
        }));
    return cols;
}

ColumnDef taxRate(const char *heading)
{
    return text(heading, [](const ListSource &r) { return report::rate(r.VEROR); }, 0.7);
}

std::vector<ColumnDef> gridColumns(Page page, const PageOptions &o)
{
    switch (page) {
    case Page::Staff:
        return {name(), unvan("Görevi"), text("İşe Giriş Tar.", [](const ListSource &r) { return dateText(r.KGT); }),
                emsno("Em.Sic.No"), tckno("TCK.No"), text("Banka Hes.No", [](const ListSource &r) { return r.BHN; }, 1.6)};
    case Page::Retirement: {
        std::vector<ColumnDef> cols{name(), emsno("Em.Sic.No")};
        if (o.law5510) {
            cols.push_back(money("M.Y.O.İşveren%11", [](const ListSource &r) { return r.MYOI; }));
            cols.push_back(money("M.Y.O.Zeran %9", [](const ListSource &r) { return r.MYOP; }));
            cols.push_back(money("GSS.İşveren%7,5", [](const ListSource &r) { return r.GSSI; }));
            cols.push_back(money("GSS.Zeran%5", [](const ListSource &r) { return r.GSSP; }));
        } else {
            cols.push_back(money("E.Kes.%16", [](const ListSource &r) { return r.EMKESM; }));
            cols.push_back(money("E.Kes.%20", [](const ListSource &r) { return r.EMKESD; }));
            cols.push_back(money(o.normalChosenAgain ? "E.Kes.%36" : "E.Kes.%35", emkes));
            cols.push_back(money("%100 Artış", [](const ListSource &r) { return r.ARTIS; }));
        }
        cols.push_back(money("Borçlanma", [](const ListSource &r) { return r.HIZBOR; }));
        return cols;
    }
    case Page::Retirement12:
        return {emsno("Emekli Sicil No"), name(), money("%12 Kesinti Tutarı", [](const ListSource &r) { return r.DVVIADE; })};
    case Page::Union:
        return {emsno("Em.Sic.No"), name("Adı Soyadı"), money("Sendika Kesintisi", [](const ListSource &r) { return r.SENTUT; }),
                text("Sendika Adı", [](const ListSource &r) { return r.SENDIKA; }, 2)};
    case Page::Special: {
        std::vector<ColumnDef> cols{name(), emsno("Em.Sic. No.")};
        for (ColumnDef &c : deductionColumns(o, true, "Toplam"))
            cols.push_back(std::move(c));
        return cols;
    }
    case Page::Garnishment:
        return {name(), unvan("Görevi"), emsno("Emekli Sicil No"), money("İcra Kesintisi", [](const ListSource &r) { return r.ICRA; })};
    case Page::Rent:
        return {name(), unvan("Görevi"), emsno("Emekli Sicil No"), money("Lojman Kirası", [](const ListSource &r) { return r.KIRA; })};
    case Page::Tax:
        return {name(), emsno("Em.Sic.No"), money("G.V.Matrahı", [](const ListSource &r) { return r.VERMAT; }),
                taxRate("G.V.Oranı"), money("G.V.Tutarı", [](const ListSource &r) { return r.GELVER; }),
                money("D.V.Matrahı", [](const ListSource &r) { return r.DVMAT; }),
                money("D.V.Tutarı", [](const ListSource &r) { return r.DAMVER; })};
    case Page::Surety:
        return {name(), emsno("Emekli Sicil No"), money("Kefalet Kesintisi", [](const ListSource &r) { return r.KEFALET; })};
    case Page::Pension:
        return {tckno("TC. Kimlik No"), emsno("Emekli Sicil No"), name(),
                money("B.E.S.Tutarı", [](const ListSource &r) { return r.BES; }),
                money("Em.Kes.Matrahı", [](const ListSource &r) { return r.EKMAT; }, false),
                money("GSS.Matrahı", [](const ListSource &r) { return r.GSSMAT; }, false)};
    case Page::Allowance:
        return {emsno("Emekli Sicil No"), name(), money("A.G.I.Tutarı", [](const ListSource &r) { return r.VIADE; })};
    case Page::Withheld:
        return {tckno("TC. Kimlik No"), emsno("Emekli Sicil No"), name(),
                money("Emanet Tutarı", [](const ListSource &r) { return r.ACIKKES; })};
    case Page::Bank:
        break;
    }
    return {};
}

std::vector<ColumnDef> printColumns(Page page, const PageOptions &o)
{
    switch (page) {
    case Page::Staff:
        return {name(), unvan("Görev Ünvanı"), emsno("Em. Sicil No"), tckno("T.C.Kimlik No"),
                text("Banka Hesap No", [](const ListSource &r) { return r.BHN; }, 1.6),
                text("Öğrenim Durumu", [](const ListSource &r) { return educationText(r.OGRDUR); }, 1.1),
                text("İşe Giriş Tar", [](const ListSource &r) { return dateText(r.KGT); }),
                text("Kıdem Yılı", [](const ListSource &r) { return r.KIDEM ? QString::number(r.KIDEM) : QString(); }, 0.6)};
    case Page::Retirement: {
        std::vector<ColumnDef> cols{name(), emsno("Emekli Sic.No.")};
        if (o.law5510) {
            cols.push_back(money("M.Y.O.İşveren%11", [](const ListSource &r) { return r.MYOI; }));
            cols.push_back(money("M.Y.O.Zeran %9", [](const ListSource &r) { return r.MYOP; }));
            cols.push_back(money("GSS.İşveren%7,5", [](const ListSource &r) { return r.GSSI; }));
            cols.push_back(money("GSS.Zeran%5", [](const ListSource &r) { return r.GSSP; }));
            cols.push_back(money("Toplam", [](const ListSource &r) { return r.MYOI + r.MYOP + r.GSSI + r.GSSP; }));
        } else {
            cols.push_back(money("Zeran Kes.", [](const ListSource &r) { return r.EMKESM; }));
            cols.push_back(money("Devlet Kes.", [](const ListSource &r) { return r.EMKESD; }));
            cols.push_back(money("ToplamKesinti", emkes));
            cols.push_back(money("Artış", [](const ListSource &r) { return r.ARTIS.mul(2); }));
            cols.push_back(money("Borçlanma", [](const ListSource &r) { return r.HIZBOR; }));
        }
        return cols;
    }
    case Page::Retirement12:
        return {emsno("Emekli Sicil No"), name("Üyenin Adı Soyadı"), money("Tutarı", [](const ListSource &r) { return r.DVVIADE; })};
    case Page::Union:
        return {emsno("Üye No"), name("Üyenin Adı Soyadı"), text("Sendika Adı", [](const ListSource &r) { return r.SENDIKA; }, 2),
                money("Tutarı", [](const ListSource &r) { return r.SENTUT; })};
    case Page::Special: {
        std::vector<ColumnDef> cols{name(), emsno("S.S.N")};
        for (ColumnDef &c : deductionColumns(o, true, "TOPLAM"))
            cols.push_back(std::move(c));
        return cols;
    }
    case Page::Garnishment:
        return {emsno("Emekli Sicil No"), name(" Adı Soyadı"), money("Kesinti Tutarı", [](const ListSource &r) { return r.ICRA; })};
    case Page::Rent:
        return {emsno("Emekli Sicil No"), name("Üyenin Adı Soyadı"), unvan("Görevi"),
                money("Tutarı", [](const ListSource &r) { return r.KIRA; })};
    case Page::Tax:
        return {name(), emsno("Emekli Sic.No."), money("G.V.Matrahı", [](const ListSource &r) { return r.VERMAT; }),
                taxRate("G.V.Oranı"), money("G.V.Tutarı", [](const ListSource &r) { return r.GELVER; }),
                money("D.V.Matrahı", [](const ListSource &r) { return r.DVMAT; }),
                money("D.V.Tutarı", [](const ListSource &r) { return r.DAMVER; })};
    case Page::Surety:
        return {emsno("Em.Sic.No."), name(" Adı Soyadı"), money("Kesinti Tutarı", [](const ListSource &r) { return r.KEFALET; })};
    case Page::Pension:
        return {tckno("T.C.Kimlik No"), emsno("Emekli Sicil No"), name(" Adı Soyadı"),
                money("B.E.S.Tutarı", [](const ListSource &r) { return r.BES; }),
                money("Em.Kes.Matrahı", [](const ListSource &r) { return r.EKMAT; }, false),
                money("GSS.Matrahı", [](const ListSource &r) { return r.GSSMAT; }, false)};
    case Page::Allowance:
        return {emsno("Emekli Sicil No"), name(" Adı Soyadı"), money("Tutarı", [](const ListSource &r) { return r.VIADE; })};
    case Page::Withheld:
        return {emsno("Emekli Sicil No"), name(" Adı Soyadı"), money("Kesinti Tutarı", [](const ListSource &r) { return r.ACIKKES; })};
    case Page::Bank:
        break;
    }
    return {};
}

Table makeTable(const std::vector<ColumnDef> &defs, const std::vector<ListSource> &rows)
{
    Table t;
    for (const ColumnDef &d : defs) {
        t.columns.push_back(d.column);
        t.totals.push_back(d.column.totalled ? std::optional<Money>(Money()) : std::nullopt);
    }
    for (const ListSource &r : rows) {
        std::vector<Value> line;
        for (std::size_t c = 0; c < defs.size(); ++c) {
            line.push_back(defs[c].get(r));
            if (t.totals[c] && line.back().amount)
                *t.totals[c] += *line.back().amount;
        }
        t.rows.push_back(std::move(line));
    }
    return t;
}

QByteArray csvField(const QString &f)
{
    if (!f.contains(QLatin1Char(';')) && !f.contains(QLatin1Char('"')) && !f.contains(QLatin1Char('\n')))
        return f.toUtf8();
    QString q = f;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return '"' + q.toUtf8() + '"';
}

}  // namespace

const std::vector<PageInfo> &pages()
{
    static const std::vector<PageInfo> all{
        {Page::Staff, s("Personel Listesi"), s("Personel Listesi"), s("PERSONEL LİSTESİ"), s("personel")},
        {Page::Retirement, s("Emekli Kesenekleri"), s("Em.Kes.Listesi"), s("EMEKLİ KESENEKLERİ LİSTESİ"), s("emekli")},
        {Page::Retirement12, s("Emekli Kesenek %12"), s("Em. Kes % 12"), s("EMEKLİ KESENEKLERİNİN %12 Sİ"), s("emekli12")},
        {Page::Union, s("Sendika Listesi"), s("Sendika Listesi"), s("SENDİKA LİSTESİ"), s("sendika")},
        {Page::Special, s("Özel Kesinti Listesi"), s("Özel Kesinti Listesi"), s("ÖZEL KESİNTİ LİSTESİ"), s("ozel")},
        {Page::Garnishment, s("İcra Listesi"), s("İcra Listesi"), s("İCRA LİSTESİ"), s("icra")},
        {Page::Rent, s("Kira Listesi"), s("Kira Listesi"), s("KİRA LİSTESİ"), s("kira")},
        {Page::Tax, s("Vergi Kesintileri"), s("Vergi Kesintileri"), s("VERGİ KESİNTİLERİ LİSTESİ"), s("vergi")},
        {Page::Surety, s("Kefalet Listesi"), s("Kefalet Listesi"), s("KEFALET LİSTESİ"), s("kefalet")},
        {Page::Bank, s("Banka Listesi"), s("Banka Listesi"), s("BANKA LİSTESİ"), s("banka")},
        {Page::Pension, s("B.E.S.Listesi"), s("B.E.S"), s("B.E.S LİSTESİ"), s("bes")},
        {Page::Allowance, s("A.G.İ.Listesi"), s("A.G.İ.Listesi"), s("A.G.İ. LİSTESİ"), s("agi")},
        {Page::Withheld, s("Emanet Listesi"), s("Emanet Listesi"), s("EMANET LİSTESİ"), s("emanet")},
    };
    return all;
}

const PageInfo &pageInfo(Page page)
{
    for (const PageInfo &p : pages())
        if (p.page == page)
            return p;
    return pages().front();
}

std::optional<Page> pageByName(const QString &name)
{
    for (const PageInfo &p : pages())
        if (name == p.key || name == p.name || name == p.entry)
            return p.page;
    return std::nullopt;
}

std::array<QString, 5> deductionHeadings(const std::vector<DeductionDefinition> &definitions)
{
    std::array<QString, 5> names;
    for (int n = 1; n <= 5; ++n)
        names[std::size_t(n - 1)] = QStringLiteral("Özel Kes.%1").arg(n);
    for (const DeductionDefinition &d : definitions)
        if (d.HARNO >= 1 && d.HARNO <= 5 && d.AKTIF.trimmed() == QLatin1String("A") && !d.KESADI.trimmed().isEmpty())
            names[std::size_t(d.HARNO - 1)] = d.KESADI.trimmed();
    return names;
}

std::vector<ListSource> groupTaxRows(const std::vector<ListSource> &rows)
{
    // Keyed by the person (not the name, which two people may share), so a rate, month, unit
    // or person code of its own gives a line of its own.
    using Key = std::tuple<int, QString, int, int, int, double>;
    std::map<Key, std::size_t> index;
    std::vector<ListSource> out;
    for (const ListSource &r : rows) {
        const Key key{r.PKAYNO, r.YIL, r.AY, r.PKOD, r.BKOD, r.VEROR};
        const auto it = index.find(key);
        if (it == index.end()) {
            index.emplace(key, out.size());
            out.push_back(r);
            continue;
        }
        ListSource &g = out[it->second];
        g.VERMAT += r.VERMAT;
        g.GELVER += r.GELVER;
        g.DAMVER += r.DAMVER;
        g.DVMAT += r.DVMAT;
    }
    return out;
}

Table gridTable(Page page, const std::vector<ListSource> &rows, const PageOptions &options)
{
    return makeTable(gridColumns(page, options), rows);
}

Table printTable(Page page, const std::vector<ListSource> &rows, const PageOptions &options)
{
    return makeTable(printColumns(page, options), rows);
}

QString educationText(int OGRDUR)
{
    static const char *const names[] = {"İlköğretim", "Ortaokul", "Lise", "Yüksekokul", "Lisans", "Yüksek Lisans", "Okuryazar"};
    return OGRDUR >= 1 && OGRDUR <= 7 ? s(names[OGRDUR - 1]) : QString();
}

QByteArray tableCsv(const Table &table)
{
    QByteArray out = "S.No";
    for (const Column &c : table.columns)
        out += ';' + csvField(c.heading);
    out += '\n';
    int number = 0;
    for (const std::vector<Value> &line : table.rows) {
        out += QByteArray::number(++number);
        for (const Value &v : line)
            out += ';' + (v.amount ? v.amount->toPlain(2).toUtf8() : csvField(v.text));
        out += '\n';
    }
    out += "TOPLAM";
    for (const std::optional<Money> &t : table.totals)
        out += ';' + (t ? t->toPlain(2).toUtf8() : QByteArray());
    out += '\n';
    return out;
}

namespace {

using report::Align;
using report::Band;
using report::Block;
using report::Cell;
using report::Row;

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

QString title(Page page)
{
    switch (page) {
    case Page::Staff: return s("PERSONEL İSİM LİSTESİ");
    case Page::Retirement: return s("EMEKLİ KESENEKLERİ KESİNTİLERİ LİSTESİ");
    case Page::Retirement12: return s("%12 EMEKLİ KESİNTİSİ LİSTESİ");
    case Page::Union: return s("ZERAN SENDİKA AİDAT TEVKİFAT LİSTESİ");
    case Page::Special: return s("ZERAN ÖZEL KESİNTİLER LİSTESİ");
    case Page::Garnishment: return s("ZERAN İCRA KESİNTİSİ LİSTESİ");
    case Page::Rent: return s("ZERAN KİRA LİSTESİ");
    case Page::Tax: return s("VERGİ KESİNTİLERİ LİSTESİ");
    case Page::Surety: return s("ZERAN KEFALET KESİNTİSİ LİSTESİ");
    case Page::Pension: return s("B.E.S. KESİNTİSİ LİSTESİ");
    case Page::Allowance: return s("A.G.İ. LİSTESİ");
    case Page::Withheld: return s("ZERAN AÇIĞA ALINAN PERSONEL EMANET LİSTESİ");
    case Page::Bank: return s("BANKA LİSTESİ");
    }
    return {};
}

/// Pages whose header puts the fields in labelled boxes.
bool boxedHeader(Page page)
{
    switch (page) {
    case Page::Garnishment:
    case Page::Surety:
    case Page::Rent:
    case Page::Retirement12:
    case Page::Pension:
    case Page::Allowance:
    case Page::Withheld:
        return true;
    default:
        return false;
    }
}

}  // namespace

report::Document listDocument(Page page, const Table &table, const ListHeading &h, const PageOptions &)
{
    report::Document doc;
    doc.orientation = report::Orientation::Portrait;
    doc.title = title(page);
    const int header = doc.addLayout(report::Layout({1, 1, 1}, 9));
    std::vector<double> widths{0.5};
    for (const Column &c : table.columns)
        widths.push_back(c.width);
    const int grid = doc.addLayout(report::Layout(widths, 7.5));
    const QString yearMonth = h.monthText + (page == Page::Special ? QStringLiteral("  ") : QStringLiteral(" / ")) + h.year;

    Band info;
    info.layout = header;
    info.spaceAfter = 4;
    if (page == Page::Union) {
        info.box = true;
        info.rows.push_back({{cell(s("SENDİKANIN"), 0, Align::Left, 1, true), cell(s("DAİRESİNİN"), 1, Align::Left, 2, true)}});
        info.rows.push_back({{field(s("ADI"), h.unionName, 0, 1), field(s("ADI"), h.KURUM, 1, 2)}});
        info.rows.push_back({{field(s("G.MERKEZ ADRESİ"), h.unionAddress, 0, 1),
                              field(s("KODU"), h.unionCode ? QString::number(h.unionCode) : QString(), 1, 2)}});
        info.rows.push_back({{field(s("BANKA HESAP NO"), h.unionAccount, 0, 1),
                              field(s("YIL/AY"), h.year + QLatin1Char('/') + h.monthText, 1, 2)}});
    } else if (boxedHeader(page)) {
        info.box = true;
        info.rows.push_back({{field(s(" Kurum Adı"), h.KURUM, 0, 3)}});
        info.rows.push_back({{field(s("BİRİM ADI"), h.unitName, 0, 3)}});
        info.rows.push_back({{field(s("YIL/AY"), h.year + QLatin1Char('/') + h.monthText, 0, 3)}});
    } else {
        info.rows.push_back({{field(s("Kurum Adı"), h.KURUM, 0, 3)}});
        info.rows.push_back({{field(s("Birim Adı"), h.unitName, 0, 3)}});
        info.rows.push_back({{field(s("Ait Olduğu Ay"), yearMonth, 0, 3)}});
    }

    Band headings;
    headings.layout = grid;
    headings.ruleAbove = true;
    headings.ruleBelow = true;
    Row hr;
    hr.cells.push_back(cell(s("S.No"), 0, Align::Left, 1, true));
    for (std::size_t c = 0; c < table.columns.size(); ++c)
        hr.cells.push_back(cell(table.columns[c].heading, int(c + 1),
                                table.columns[c].kind == ValueKind::Amount ? Align::Right : Align::Left, 1, true));
    headings.rows.push_back(std::move(hr));
    doc.pageHeader = {info, headings};

    int number = 0;
    for (const std::vector<Value> &line : table.rows) {
        Band b;
        b.layout = grid;
        Row r;
        r.cells.push_back(cell(QString::number(++number), 0));
        for (std::size_t c = 0; c < line.size(); ++c)
            r.cells.push_back(line[c].amount ? cell(report::amount(*line[c].amount), int(c + 1), Align::Right)
                                             : cell(line[c].text, int(c + 1)));
        b.rows.push_back(std::move(r));
        Block block;
        block.bands.push_back(std::move(b));
        doc.body.push_back(std::move(block));
    }

    int totalled = 0;
    for (const std::optional<Money> &t : table.totals)
        totalled += t ? 1 : 0;
    if (totalled > 0) {
        Band sums;
        sums.layout = grid;
        sums.ruleAbove = true;
        sums.ruleBelow = true;
        Row r;
        int firstTotal = 0;
        while (!table.totals[std::size_t(firstTotal)])
            ++firstTotal;
        r.cells.push_back(cell(totalled > 1 ? s("T O P L A M ") : s("TOPLAM TUTAR"), 0, Align::Left, firstTotal + 1, true));
        for (std::size_t c = 0; c < table.totals.size(); ++c)
            if (table.totals[c])
                r.cells.push_back(cell(report::amount(*table.totals[c]), int(c + 1), Align::Right, 1, true));
        sums.rows.push_back(std::move(r));
        Block block;
        block.bands.push_back(std::move(sums));
        doc.summary.push_back(std::move(block));
    }
    const units::Signatories &sg = h.signatories;
    doc.signatures = {{s("Düzenleyen"), sg.TAS, sg.TUN},
                      {s("Muhasebe Yetkilisi"), sg.SAS, sg.SUN},
                      {s("Harcama Yetkilisi"), sg.IAS, sg.IUN}};
    return doc;
}

QString periodText(const QDate &today, int month, const QString &year)
{
    const QString monthText = month == 0 ? s("TÜMÜ") : cal::monthName(month);
    return QStringLiteral("%1 %2 %3 %4").arg(today.day()).arg(monthText, year, cal::weekdayName(today));
}

}  // namespace zeran::lists
