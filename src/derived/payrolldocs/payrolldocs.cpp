#include "payrolldocs.h"

#include "calendar.h"
#include "format.h"
#include "ratemath.h"
#include "writtenrow.h"

#include <algorithm>

namespace zeran::payrolldocs {

namespace {

using report::Align;
using report::Band;
using report::Block;
using report::Cell;
using report::Document;
using report::Layout;
using report::Row;

QString amt(Money m)
{
    return report::amount(m);
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

Cell field(QString caption, QString text, int column, int span = 1, Align align = Align::Left, bool bold = false)
{
    Cell c = cell(std::move(text), column, align, span, bold);
    c.caption = std::move(caption);
    return c;
}

QString pair(int a, int b)
{
    return QStringLiteral("%1/%2").arg(a).arg(b);
}

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

QString titleOf(const UnitInfo &unit)
{
    return unit.BASLIK.isEmpty() ? QString::fromUtf8(kPayrollTitle) : unit.BASLIK;
}

std::vector<report::Signature> threeSignatures(const UnitInfo &u)
{
    return {{QStringLiteral("Düzenleyen"), u.TAS, u.TUN},
            {QStringLiteral("Muhasebe Yetkilisi"), u.SAS, u.SUN},
            {QStringLiteral("Harcama Yetkilisi"), u.IAS, u.IUN}};
}

/// One person's row of the run: the written row (two-decimal amounts after the display rules)
/// and the shown values the row has no column for.
struct RunRow {
    const payrollrun::RunPerson &person;
    payrollrun::ShownPay shown;
    results::ResultRow row;
};

RunRow runRow(const RunData &run, std::size_t i)
{
    const payrollrun::RunPerson &p = run.loaded.people[i];
    const engine::PersonPay &pay = run.pays.at(i);
    return {p, payrollrun::shownPay(p.input, pay), payrollrun::resultRow(run.loaded.run, p.input, pay)};
}

QString fullName(const payrollrun::RunPerson &p)
{
    return p.ADI + QLatin1Char(' ') + p.SOYADI;
}

// ---- Column documents: four (or two) lines per person, totals under the columns ---------

/// A position of a person's lines: its grid column(s), its caption in the column header and
/// whether the column total is printed under it.
struct Slot {
    QString caption;
    std::uint16_t col = 0;
    std::uint16_t span = 1;
    bool total = false;
    bool twice = false;  ///< the value is printed in `col` and again in `col` + 1
};

struct Value {
    QString text;
    std::optional<Money> amount;  ///< summed into the column total
    Align align = Align::Left;
};

Value money(Money m)
{
    return {amt(m), m, Align::Right};
}

Value optionalMoney(const std::optional<Money> &m)
{
    return m ? money(*m) : Value{QString(), Money(), Align::Right};
}

Value text(QString s)
{
    return {std::move(s), std::nullopt, Align::Left};
}

Value integer(long long n)
{
    return {report::integer(n), std::nullopt, Align::Right};
}

class ColumnDocument {
public:
    /// `widths`: the grid, the last column being "İmza"; `positions`: columns × lines, slot
    /// (c, l) at c × lines + l.
    ColumnDocument(Document &doc, std::vector<double> widths, std::vector<Slot> positions, int lines)
        : doc_(doc), slots_(std::move(positions)), lines_(lines), sums_(slots_.size())
    {
        const int imza = int(widths.size()) - 1;
        // A value printed twice side by side stays one column to the eye.
        std::vector<std::size_t> joins;
        for (const Slot &s : slots_) {
            if (s.twice)
                joins.push_back(std::size_t(s.col) + 1);
        }
        Layout captions{widths, 6, report::CaptionStyle::Inline, true, joins};
        Layout values{std::move(widths), 6.5, report::CaptionStyle::Inline, true, std::move(joins)};
        captionLayout_ = doc_.addLayout(std::move(captions));
        valueLayout_ = doc_.addLayout(std::move(values));
        headingLayout_ = doc_.addLayout(Layout{{1}, 7.5, report::CaptionStyle::Inline, false});

        Band header;
        header.layout = captionLayout_;
        header.box = true;
        header.rows.resize(std::size_t(lines_));
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            const Slot &s = slots_[i];
            if (!s.caption.isEmpty())
                header.rows[i % std::size_t(lines_)].cells.push_back(
                    cell(s.caption, s.col, Align::Center, s.twice ? 2 : s.span, true));
        }
        header.rows[0].cells.push_back(cell(QStringLiteral("İmza"), imza, Align::Center, 1, true));
        doc_.pageHeader.push_back(std::move(header));
    }

    /// A person's lines; `values` in slot order.
    void add(const std::vector<Value> &values)
    {
        Band band;
        band.layout = valueLayout_;
        band.ruleBelow = true;
        band.rows.resize(std::size_t(lines_));
        for (std::size_t i = 0; i < slots_.size() && i < values.size(); ++i) {
            const Slot &s = slots_[i];
            const Value &v = values[i];
            if (s.total && v.amount)
                sums_[i] += *v.amount;
            if (v.text.isEmpty())
                continue;
            Row &row = band.rows[i % std::size_t(lines_)];
            row.cells.push_back(cell(v.text, s.col, v.align, s.span));
            if (s.twice)
                row.cells.push_back(cell(v.text, s.col + 1, v.align, s.span));
        }
        Block block;
        block.bands.push_back(std::move(band));
        doc_.body.push_back(std::move(block));
    }

    /// The totals under "A L T      T O P L A M L A R" (zeros when nobody was added).
    void finish()
    {
        Band heading;
        heading.layout = headingLayout_;
        heading.ruleAbove = true;
        heading.rows.push_back({{cell(QStringLiteral("A L T      T O P L A M L A R"), 0, Align::Center, 1, true)}});
        Band totals;
        totals.layout = valueLayout_;
        totals.box = true;
        totals.rows.resize(std::size_t(lines_));
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            const Slot &s = slots_[i];
            if (!s.total)
                continue;
            Row &row = totals.rows[i % std::size_t(lines_)];
            row.cells.push_back(cell(amt(sums_[i]), s.col, Align::Right, s.span, true));
            if (s.twice)
                row.cells.push_back(cell(amt(sums_[i]), s.col + 1, Align::Right, s.span, true));
        }
        Block block;
        block.bands.push_back(std::move(heading));
        block.bands.push_back(std::move(totals));
        doc_.summary.push_back(std::move(block));
    }

private:
    Document &doc_;
    std::vector<Slot> slots_;
    int lines_;
    std::vector<Money> sums_;
    int captionLayout_ = 0, valueLayout_ = 0, headingLayout_ = 0;
};

/// Builds the dense slot table column by column.
class Slots {
public:
    explicit Slots(int lines) : lines_(lines) {}
    /// The next column: its grid column and span and, per line, caption and total.
    Slots &column(int col, int span, std::initializer_list<std::pair<QString, bool>> lines)
    {
        int n = 0;
        for (const auto &[caption, total] : lines) {
            slots_.push_back(Slot{caption, std::uint16_t(col), std::uint16_t(span), total, false});
            ++n;
        }
        for (; n < lines_; ++n)
            slots_.push_back(Slot{QString(), std::uint16_t(col), std::uint16_t(span), false, false});
        return *this;
    }
    Slot &at(int column, int line) { return slots_[std::size_t(column * lines_ + line)]; }
    std::vector<Slot> take() { return std::move(slots_); }

private:
    int lines_;
    std::vector<Slot> slots_;
};

std::pair<QString, bool> sum(const QString &caption)
{
    return {caption, true};
}

std::pair<QString, bool> bare(const QString &caption)
{
    return {caption, false};
}

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// ---- Statements ---------------------------------------------------------------------------

/// The printed values of one detailed statement (or of the unit's totals page), already
/// formatted; an empty text leaves its cell empty. The captions live in statementBlock().
struct StatementValues {
    // header
    QString KURUM, BIRIM, MAASAYI;
    HeaderRates rates;
    bool person = true;  ///< false: the totals page, no person fields
    QString ADSOY, EMSNO, GOREV, COCUK, KIDEM, OHT, YOP;
    QString DK, MDK, GOS, MGOS, EGOS, MEGOS;

    // earnings
    QString AYTUT, EGOSTUT, TABAY, KIDAY, YANOD;
    QString FAZMES, AILEYRD, COCYRD, TERFAR, ARTISM, ARTISD, EMKESD, RAPOR, KGUN, EKODTUT, LOJTAZ, EKTAZ, DIGTAZ, YEMEK;
    QString OZHIZTAZ, GECICI, MYOI, GSSI, GSSMAT;
    std::vector<std::pair<QString, QString>> earnings;  ///< the shown extra items

    // taxes: computed, minimum wage, deducted
    QString TOPMAT, TOPMAT1, GVMAT, GVMAT1, GVOR, GVOR1, GELVER, GELVER1, GELVERCUT;
    QString DVMAT, DVMAT1, DAMVER, DAMVER1, DAMVERCUT;

    // deductions
    QString EKMAT, EMKESM, HIZBOR, KIRA, MYOP, GSSP, PCEZA, AIDAT;
    QString ICRA, ARTIS2, KEFTUT, BES, SENAD, SENTUT;
    std::vector<std::pair<QString, QString>> deductions;  ///< the shown special deductions

    // closing lines
    QString GELTOP, KESTOP, PEKFARK, MAAS, ACIKKES, NETODEME;
    std::optional<QString> VIADE;  ///< the totals page only: "Asgari Geçim İndirimi"
};

struct StatementLayouts {
    int header = 0, person = 0, heading = 0, list = 0, taxes = 0;
};

StatementLayouts statementLayouts(Document &doc)
{
    StatementLayouts l;
    l.header = doc.addLayout(Layout{{1, 1, 1}, 8, report::CaptionStyle::Inline, false});
    l.person = doc.addLayout(Layout{{3.6, 2.6, 2.0, 1.1, 1.1}, 8, report::CaptionStyle::Inline, false});
    l.heading = doc.addLayout(Layout{{1}, 9, report::CaptionStyle::Inline, false});
    l.list = doc.addLayout(Layout{{1, 1}, 8, report::CaptionStyle::Inline, true});
    l.taxes = doc.addLayout(Layout{{2.4, 1.2, 1.2, 1.2}, 8, report::CaptionStyle::Inline, true});
    return l;
}

Band headingBand(int layout, const QString &title)
{
    Band b;
    b.layout = layout;
    b.ruleAbove = true;
    b.ruleBelow = true;
    b.rows.push_back({{cell(title, 0, Align::Center, 1, true)}});
    return b;
}

/// Two lists side by side, line by line.
Band twoLists(int layout, const std::vector<std::pair<QString, QString>> &left,
              const std::vector<std::pair<QString, QString>> &right)
{
    Band b;
    b.layout = layout;
    const std::size_t n = std::max(left.size(), right.size());
    for (std::size_t i = 0; i < n; ++i) {
        Row row;
        if (i < left.size())
            row.cells.push_back(field(left[i].first, left[i].second, 0, 1, Align::Right));
        if (i < right.size())
            row.cells.push_back(field(right[i].first, right[i].second, 1, 1, Align::Right));
        b.rows.push_back(std::move(row));
    }
    return b;
}

Block statementBlock(const StatementLayouts &l, const StatementValues &v)
{
    Block block;
    block.newPage = true;

    Band header;
    header.layout = l.header;
    header.rows.push_back({{field(s("KURUMU"), v.KURUM, 0, 3)}});
    header.rows.push_back({{field(s("BİRİMİ"), v.BIRIM, 0, 2), field(s("MAAŞ AYI"), v.MAASAYI, 2)}});
    header.rows.push_back({{field(s("Katsayı"), report::rate(v.rates.KATSAYI), 0),
                            field(s("Taban Aylığı Katsayısı"), report::rate(v.rates.TAK), 1),
                            field(s("Yan Ödeme Katsayısı"), report::rate(v.rates.YOD), 2)}});
    header.rows.push_back({{field(s("Kıdem Aylığı Katsayısı"), report::rate(v.rates.KAK), 0),
                            field(s("En Yüksek Zeran Göstergesi"), report::rate(v.rates.EYMG), 1),
                            field(s("Aile Yardımı Puanı"), report::rate(v.rates.AYRDP), 2)}});
    header.ruleBelow = true;
    header.spaceAfter = 2;
    block.bands.push_back(std::move(header));

    if (v.person) {
        Band person;
        person.layout = l.person;
        person.rows.push_back({{field(s("Adı ve Soyadı"), v.ADSOY, 0, 1, Align::Left, true),
                                field(s("Emekli Sicil No"), v.EMSNO, 1), cell(s("Maaş"), 3, Align::Right, 1, true),
                                cell(s("Emekli"), 4, Align::Right, 1, true)}});
        person.rows.push_back({{field(s("Görev Ünvanı"), v.GOREV, 0), field(s("Çocuk Sayısı"), v.COCUK, 1),
                                cell(s("Derece / Kademe"), 2), cell(v.DK, 3, Align::Right),
                                cell(v.MDK, 4, Align::Right)}});
        person.rows.push_back({{field(s("Kıdem Yılı"), v.KIDEM, 0), field(s("Ozel Hiz.Puanı"), v.OHT, 1),
                                cell(s("Gösterge"), 2), cell(v.GOS, 3, Align::Right), cell(v.MGOS, 4, Align::Right)}});
        person.rows.push_back({{field(s("Yan Öd.Puanı"), v.YOP, 0), cell(s("Ek Gösterge"), 2),
                                cell(v.EGOS, 3, Align::Right), cell(v.MEGOS, 4, Align::Right)}});
        person.spaceAfter = 2;
        block.bands.push_back(std::move(person));
    }

    block.bands.push_back(headingBand(l.heading, s("K A Z A N Ç L A R")));
    const std::vector<std::pair<QString, QString>> first = {
        {s("Aylık Tutar"), v.AYTUT},
        {s("Ek Gösterge Tutarı"), v.EGOSTUT},
        {s("Taban Aylığı Tutarı"), v.TABAY},
        {s("Kıdem Aylığı Tutarı"), v.KIDAY},
        {s("Yan Ödeme Tutarı"), v.YANOD},
        {s("Fazla Mesai Tutarı"), v.FAZMES},
        {s("Aile Yardımı Tutarı"), v.AILEYRD},
        {s("Çocuk Yardımı Tutarı"), v.COCYRD},
        {s("Terfi Farkı"), v.TERFAR},
        {s("% 100 Artış (Zeran)"), v.ARTISM},
        {s("% 100 Artış (Devlet)"), v.ARTISD},
        {s("Emekli Keseneği %20"), v.EMKESD},
        {s("Rapor Günü"), v.RAPOR},
        {s("Kıstel Yevmiye "), v.KGUN},
        {s("Ek Ödeme Tutarı"), v.EKODTUT},
        {s("Lojman Tazminatı"), v.LOJTAZ},
        {s("Ek Tazminat Tutarı"), v.EKTAZ},
        {s("Diğer Tazminatlar"), v.DIGTAZ},
        {s("Yemek Günü / Bedeli"), v.YEMEK},
    };
    std::vector<std::pair<QString, QString>> second = {
        {s("Özel Hizmet Tazminatı"), v.OZHIZTAZ},
        {s("G.S.S. (% 12)"), v.GECICI},
        {s("M.Y.O İşveren (%11)"), v.MYOI},
        {s("G.S.S. İşveren (%7.5)"), v.GSSI},
        {s("GSS Matrah"), v.GSSMAT},
    };
    second.insert(second.end(), v.earnings.begin(), v.earnings.end());
    Band earnings = twoLists(l.list, first, second);
    earnings.spaceAfter = 2;
    block.bands.push_back(std::move(earnings));

    block.bands.push_back(headingBand(l.heading, s("K E S İ N T İ L E R")));
    Band taxes;
    taxes.layout = l.taxes;
    taxes.box = true;
    taxes.rows.push_back({{cell(s("Hesaplanan"), 1, Align::Right, 1, true), cell(s("Asgari Ücret"), 2, Align::Right, 1, true),
                           cell(s("Kesilen"), 3, Align::Right, 1, true)}});
    const auto taxRow = [](const QString &caption, const QString &a, const QString &b, const QString &c) {
        return Row{{cell(caption, 0), cell(a, 1, Align::Right), cell(b, 2, Align::Right), cell(c, 3, Align::Right)}};
    };
    taxes.rows.push_back(taxRow(s("Yıllık Toplam Matrah"), v.TOPMAT, v.TOPMAT1, QString()));
    taxes.rows.push_back(taxRow(s("Gelir vergisi Matrahı"), v.GVMAT, v.GVMAT1, QString()));
    taxes.rows.push_back(taxRow(s("Gelir Vergisi Oranı"), v.GVOR, v.GVOR1, QString()));
    taxes.rows.push_back(taxRow(s("Gelir vergisi Tutarı"), v.GELVER, v.GELVER1, v.GELVERCUT));
    taxes.rows.push_back(taxRow(s("Damga Vergisi Matrahı"), v.DVMAT, v.DVMAT1, QString()));
    taxes.rows.push_back(taxRow(s("Damga Vergisi Tutarı"), v.DAMVER, v.DAMVER1, v.DAMVERCUT));
    taxes.spaceAfter = 2;
    block.bands.push_back(std::move(taxes));

    const std::vector<std::pair<QString, QString>> third = {
        {s("Emekli Keseneği Matrahı"), v.EKMAT},
        {s("Emekli Keseneği (Zeran)"), v.EMKESM},
        {s("Emekli Keseneği (Devlet)"), v.EMKESD},
        {s("Hizmet Borçlanması"), v.HIZBOR},
        {s("Kira Kesintisi"), v.KIRA},
        {s("S.G. Kesintisi % 12"), v.GECICI},
        {s("M.Y.O İşveren H.(%11)"), v.MYOI},
        {s("M.Y.O Zeran H.(%9)"), v.MYOP},
        {s("G.S.S. İşveren H.(%7.5)"), v.GSSI},
        {s("G.S.S. Zeran H.(%5)"), v.GSSP},
        {s("Para Cezası"), v.PCEZA},
        {s("Giriş Aidatı"), v.AIDAT},
    };
    std::vector<std::pair<QString, QString>> fourth = {
        {s("İcra Kesintisi"), v.ICRA},
        {s("% 100 Artış Tutarı"), v.ARTIS2},
        {s("Kefalet Kesintisi Tutarı"), v.KEFTUT},
        {s("Bireysel Emeklilik Sigortası"), v.BES},
        {v.SENAD.isEmpty() ? s("Sendika Kesintisi Tutarı") : v.SENAD, v.SENTUT},
    };
    fourth.insert(fourth.end(), v.deductions.begin(), v.deductions.end());
    Band deductions = twoLists(l.list, third, fourth);
    deductions.ruleBelow = true;
    deductions.spaceAfter = 3;
    block.bands.push_back(std::move(deductions));

    std::vector<std::pair<QString, QString>> left = {
        {s("KAZANÇLAR TOPLAMI"), v.GELTOP},
        {s("KESİNTİLER TOPLAMI"), v.KESTOP},
        {s("P.E.K. Farkı"), v.PEKFARK},
        {s("P.E.K.Alt Sınırı"), amt(v.rates.ASUCR)},
    };
    if (v.VIADE)
        left.push_back({s("Asgari Geçim İndirimi"), *v.VIADE});
    const std::vector<std::pair<QString, QString>> right = {
        {s("MAAŞ TUTARI"), v.MAAS},
        {s("EMANETE ALINAN"), v.ACIKKES},
        {s("NET ÖDEME TOPLAMI"), v.NETODEME},
    };
    Band closing = twoLists(l.list, left, right);
    for (Row &row : closing.rows)
        for (Cell &c : row.cells)
            c.bold = true;
    block.bands.push_back(std::move(closing));
    return block;
}

QString netPayment(Money maas, Money acikkes)
{
    return amt(acikkes > Money() ? maas - acikkes : maas);
}

/// "GELVER − GELVER1 when positive, else 0".
QString deducted(Money computed, Money minimumWagePart)
{
    const Money d = computed - minimumWagePart;
    return d > Money() ? amt(d) : QStringLiteral("0");
}

QString children(int young, int older)
{
    return QStringLiteral("%1 / %2").arg(young).arg(older);
}

StatementValues runStatement(const RunData &run, const RunRow &rr)
{
    const results::ResultRow &r = rr.row;
    const engine::PersonPay &p = rr.shown.pay;
    const engine::PayRecord &rec = rr.person.input.rec;
    const ItemNames &items = run.context.items;
    StatementValues v;
    v.KURUM = run.context.KURUM;
    v.BIRIM = rr.person.BIRIM;
    v.MAASAYI = run.periodText;
    v.rates = HeaderRates::of(run.loaded.run.rates);
    v.ADSOY = fullName(rr.person);
    v.EMSNO = rr.person.EMSNO;
    v.GOREV = rr.person.UNVAN;
    v.COCUK = children(rec.COC1, rec.COC2);
    v.KIDEM = report::integer(rec.KIDEM);
    v.OHT = report::integer(rec.OHT);
    v.YOP = report::integer(rec.YOP);
    v.DK = pair(rec.DER, rec.KAD);
    v.MDK = pair(rec.MDER, rec.MKAD);
    v.GOS = report::integer(rec.GOS);
    v.MGOS = report::integer(rec.MGOS);
    v.EGOS = report::integer(rec.EGOS);
    v.MEGOS = report::integer(rec.MEGOS);

    // Staff kind "D" is paid none of the five salary items.
    const bool other = rec.PERTUR == QLatin1Char('D');
    const auto salary = [other](Money m) { return other ? QStringLiteral("0") : amt(m); };
    v.AYTUT = salary(r.AYTUT);
    v.EGOSTUT = salary(r.EGOSTUT);
    v.TABAY = salary(r.TABAY);
    v.KIDAY = salary(r.KIDAY);
    v.YANOD = salary(r.YANOD);
    v.FAZMES = amt(r.FAZMES);
    v.AILEYRD = amt(r.AILEYRD);
    v.COCYRD = amt(r.COCYRD + r.COCYRD1);
    v.TERFAR = amt(r.TERFAR);
    v.ARTISM = v.ARTISD = amt(r.ARTIS);
    v.EMKESD = amt(r.EMKESD);
    v.RAPOR = report::integer(rec.RAPOR);
    v.KGUN = report::integer(rec.KGUN);
    v.EKODTUT = amt(r.EKODTUT);
    v.LOJTAZ = amt(r.LOJTAZ);
    v.EKTAZ = amt(r.EKTAZ);
    v.DIGTAZ = amt(r.DIGTAZ + r.DILTAZ);
    v.YEMEK = QStringLiteral("%1 / %2").arg(rec.YEMEKGUN).arg(amt(r.YEMEK));
    v.OZHIZTAZ = amt(r.OZHIZTAZ);
    v.GECICI = amt(r.DVVIADE);
    v.MYOI = amt(r.MYOI);
    v.GSSI = amt(r.GSSI);
    v.GSSMAT = amt(r.GSSMAT);
    for (int n = 1; n <= 10; ++n) {
        if (items.earningInUse[std::size_t(n - 1)])
            v.earnings.emplace_back(items.earningCaption(n), amt(r.KAZ[std::size_t(n - 1)]));
    }

    v.TOPMAT = amt(p.TOPMAT);
    v.TOPMAT1 = amt(p.TOPMAT1);
    v.GVMAT = amt(r.VERMAT);
    v.GVMAT1 = amt(r.VERMAT1);
    v.GVOR = report::rate(p.GVOR);
    v.GVOR1 = report::rate(p.GVOR1);
    v.GELVER = amt(r.GELVER);
    v.GELVER1 = amt(r.GELVER1);
    v.GELVERCUT = deducted(r.GELVER, r.GELVER1);
    v.DVMAT = amt(r.DVMAT);
    v.DVMAT1 = amt(r.DVMAT1);
    v.DAMVER = amt(r.DAMVER);
    v.DAMVER1 = amt(r.DAMVER1);
    v.DAMVERCUT = deducted(r.DAMVER, r.DAMVER1);

    v.EKMAT = amt(r.EKMAT);
    v.EMKESM = amt(r.EMKESM);
    v.HIZBOR = amt(r.HIZBOR);
    v.KIRA = amt(r.KIRA);
    v.MYOP = amt(r.MYOP);
    v.GSSP = amt(r.GSSP);
    v.PCEZA = amt(r.PCEZA);
    v.AIDAT = amt(p.ILKGIRIS);
    v.ICRA = amt(r.ICRA);
    v.ARTIS2 = amt(r.ARTIS + r.ARTIS);
    v.KEFTUT = amt(r.KEFALET);
    v.BES = amt(r.BES);
    v.SENAD = p.SENAD;
    v.SENTUT = amt(r.SEN1);
    for (int n = 1; n <= 5; ++n) {
        if (!items.deduction[std::size_t(n - 1)].isEmpty())
            v.deductions.emplace_back(items.deductionCaption(n), amt(r.KES[std::size_t(n - 1)]));
    }

    v.GELTOP = amt(r.GELTOP);
    v.KESTOP = amt(r.KESTOP);
    v.PEKFARK = amt(r.PEKFARK);
    v.MAAS = amt(r.MAAS);
    v.ACIKKES = amt(r.ACIKKES);
    v.NETODEME = netPayment(r.MAAS, r.ACIKKES);
    return v;
}

StatementValues totalsStatement(const RunData &run, const results::MonthTotals &t)
{
    const ItemNames &items = run.context.items;
    StatementValues v;
    v.person = false;
    v.KURUM = run.context.KURUM;
    v.BIRIM = run.context.unit.BIRIM;
    v.MAASAYI = run.periodText;
    v.rates = HeaderRates::of(run.loaded.run.rates);
    const auto sum = [&t](const char *column) { return amt(t[QString::fromLatin1(column)]); };
    const auto money = [&t](const char *column) { return t[QString::fromLatin1(column)]; };
    v.AYTUT = sum("AYTUT");
    v.EGOSTUT = sum("EGOSTUT");
    v.TABAY = sum("TABAY");
    v.KIDAY = sum("KIDAY");
    v.YANOD = sum("YANOD");
    v.FAZMES = sum("FAZMES");
    v.AILEYRD = sum("AILEYRD");
    v.COCYRD = amt(money("COCYRD") + money("COCYRD1"));
    v.TERFAR = sum("TERFAR");
    v.ARTISM = v.ARTISD = sum("ARTIS");
    v.EMKESD = sum("EMKESD");
    v.EKODTUT = sum("EKODTUT");
    v.LOJTAZ = sum("LOJTAZ");
    v.EKTAZ = sum("EKTAZ");
    v.DIGTAZ = amt(money("DIGTAZ") + money("DILTAZ"));
    v.YEMEK = sum("YEMEK");
    v.OZHIZTAZ = sum("OZHIZTAZ");
    v.GECICI = sum("DVVIADE");
    v.MYOI = sum("MYOI");
    v.GSSI = sum("GSSI");
    for (int n = 1; n <= 10; ++n) {
        if (items.earningInUse[std::size_t(n - 1)])
            v.earnings.emplace_back(items.earningCaption(n), amt(t[QStringLiteral("KAZ%1").arg(n)]));
    }
    v.GELVER = sum("GELVER");
    v.GELVERCUT = sum("GELVERKES");
    v.DAMVER = sum("DAMVER");
    v.DAMVERCUT = sum("DAMVERKES");
    v.EMKESM = sum("EMKESM");
    v.HIZBOR = sum("HIZBOR");
    v.KIRA = sum("KIRA");
    v.MYOP = sum("MYOP");
    v.GSSP = sum("GSSP");
    v.PCEZA = sum("PCEZA");
    // No stored column holds the first-entry fee: the total of the printed people.
    Money aidat;
    for (const engine::PersonPay &p : run.pays)
        aidat += p.ILKGIRIS.yuvarla1();
    v.AIDAT = amt(aidat);
    v.ICRA = sum("ICRA");
    v.ARTIS2 = amt(t.ARTIS2);
    v.KEFTUT = sum("KEFALET");
    v.BES = sum("BES");
    v.SENTUT = sum("SEN1");
    for (int n = 1; n <= 5; ++n) {
        if (!items.deduction[std::size_t(n - 1)].isEmpty())
            v.deductions.emplace_back(items.deductionCaption(n), amt(t[QStringLiteral("KES%1").arg(n)]));
    }
    v.GELTOP = sum("GELTOP");
    v.KESTOP = sum("KESTOP");
    v.MAAS = sum("MAAS");
    v.ACIKKES = sum("ACIKKES");
    v.NETODEME = netPayment(money("MAAS"), money("ACIKKES"));
    v.VIADE = sum("VIADE");
    return v;
}

StatementValues archiveStatement(const ArchiveData &archive, const ArchiveRow &a)
{
    const results::ResultRow &r = a.result;
    StatementValues v;
    v.KURUM = archive.context.KURUM;
    v.BIRIM = a.BIRIM;
    v.MAASAYI = cal::monthName(r.key.AY) + QLatin1Char(' ') + r.key.YIL;
    v.rates = archive.ratesOf(r.key.AY);
    v.ADSOY = a.ADSOY;
    v.EMSNO = a.EMSNO;
    v.GOREV = a.GOREV;
    if (a.snapshot) {
        const results::SnapshotRow &sn = *a.snapshot;
        v.COCUK = children(sn.COC1, sn.COC2);
        v.KIDEM = report::integer(sn.KIDEM);
        v.OHT = report::integer(sn.OHT);
        v.YOP = report::integer(sn.YOP);
        v.DK = pair(sn.DER, sn.KAD);
        v.MDK = pair(sn.MDER, sn.MKAD);
        v.GOS = report::integer(sn.GOS);
        v.MGOS = report::integer(sn.MGOS);
        v.EGOS = report::integer(sn.EGOS);
        v.MEGOS = report::integer(sn.MEGOS);
        v.RAPOR = report::integer(sn.RAPOR);
        v.KGUN = report::rate(sn.KGUN);
        v.YEMEK = QStringLiteral("%1 / %2").arg(sn.YEMEKGUN).arg(amt(r.YEMEK));
    } else {
        v.YEMEK = amt(r.YEMEK);
    }
    v.AYTUT = amt(r.AYTUT);
    v.EGOSTUT = amt(r.EGOSTUT);
    v.TABAY = amt(r.TABAY);
    v.KIDAY = amt(r.KIDAY);
    v.YANOD = amt(r.YANOD);
    v.FAZMES = amt(r.FAZMES);
    v.AILEYRD = amt(r.AILEYRD);
    v.COCYRD = amt(r.COCYRD + r.COCYRD1);
    v.TERFAR = amt(r.TERFAR);
    // The state's share of the raise equals the person's.
    v.ARTISM = v.ARTISD = amt(r.ARTIS);
    v.EMKESD = amt(r.EMKESD);
    v.EKODTUT = amt(r.EKODTUT);
    v.LOJTAZ = amt(r.LOJTAZ);
    v.EKTAZ = amt(r.EKTAZ);
    v.DIGTAZ = amt(r.DIGTAZ + r.DILTAZ);
    v.OZHIZTAZ = amt(r.OZHIZTAZ);
    v.GECICI = amt(r.DVVIADE);
    v.MYOI = amt(r.MYOI);
    v.GSSI = amt(r.GSSI);
    v.GSSMAT = amt(r.GSSMAT);
    // The row's own item names; an item the row paid without a name keeps its placeholder.
    for (std::size_t i = 0; i < r.KAZ.size(); ++i) {
        if (!r.KAZA[i].isEmpty() || !r.KAZ[i].isZero())
            v.earnings.emplace_back(r.KAZA[i].isEmpty() ? QStringLiteral("KAZ%1").arg(i + 1) : r.KAZA[i], amt(r.KAZ[i]));
    }

    v.TOPMAT = amt(a.TGVMAT);
    v.GVMAT = amt(r.VERMAT);
    v.GVMAT1 = amt(r.VERMAT1);
    v.GVOR = report::rate(r.VEROR);  // stored as a fraction
    v.GVOR1 = report::rate(engine::shiftDecimal(r.VEROR1, -2));  // stored in percent
    v.GELVER = amt(r.GELVER);
    v.GELVER1 = amt(r.GELVER1);
    if (const auto cut = a.GELVER2())
        v.GELVERCUT = amt(*cut);
    v.DVMAT = amt(r.DVMAT);
    v.DVMAT1 = amt(r.DVMAT1);
    v.DAMVER = amt(r.DAMVER);
    v.DAMVER1 = amt(r.DAMVER1);
    if (const auto cut = a.DAMVER2())
        v.DAMVERCUT = amt(*cut);

    v.EKMAT = amt(r.EKMAT);
    v.EMKESM = amt(r.EMKESM);
    v.HIZBOR = amt(r.HIZBOR);
    v.KIRA = amt(r.KIRA);
    v.MYOP = amt(r.MYOP);
    v.GSSP = amt(r.GSSP);
    v.PCEZA = amt(r.PCEZA);
    v.ICRA = amt(r.ICRA);
    v.ARTIS2 = amt(r.ARTIS + r.ARTIS);
    v.KEFTUT = amt(r.KEFALET);
    v.BES = amt(r.BES);
    v.SENTUT = amt(r.SEN1 + r.SEN2 + r.SEN3);
    for (std::size_t i = 0; i < r.KES.size(); ++i) {
        if (!r.KESA[i].isEmpty() || !r.KES[i].isZero())
            v.deductions.emplace_back(r.KESA[i].isEmpty() ? QStringLiteral("KES%1").arg(i + 1) : r.KESA[i], amt(r.KES[i]));
    }

    v.GELTOP = amt(r.GELTOP);
    v.KESTOP = amt(r.KESTOP);
    v.PEKFARK = amt(r.PEKFARK);
    v.MAAS = amt(r.MAAS);
    v.ACIKKES = amt(r.ACIKKES);
    v.NETODEME = netPayment(r.MAAS, r.ACIKKES);
    return v;
}

Document statementDocument(const UnitInfo &unit)
{
    Document doc;
    doc.orientation = report::Orientation::Portrait;
    doc.title = titleOf(unit);
    return doc;
}

// ---- Payslips -----------------------------------------------------------------------------

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

/// The payslip's amounts that come straight from a result row (the run's row as it will be
/// written, or a stored one). `deductedTaxes`: the taxes actually deducted, else the computed.
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

PayslipValues runPayslip(const RunData &run, const RunRow &rr, const HeaderRates &rates)
{
    const results::ResultRow &r = rr.row;
    const engine::PersonPay &p = rr.shown.pay;
    const engine::PayRecord &rec = rr.person.input.rec;
    const bool deductedTaxes = run.context.ASUCISTISNA == QLatin1String("E");
    PayslipValues v;
    fillPayslipAmounts(v, r, deductedTaxes);
    v.title = s(kPayslipTitle);
    v.KURUM = rr.person.BIRIM;
    v.AY = run.periodText;
    v.KATSAYI = report::rate(rates.KATSAYI);
    v.TAK = report::rate(rates.TAK);
    v.YOD = report::rate(rates.YOD);
    v.EYMM = amt(rates.EYMM);
    v.TOPMAT = amt(p.TOPMAT);

    v.ADSOY = fullName(rr.person);
    v.DK = pair(rec.MDER, rec.MKAD);
    v.GOS = report::integer(rec.GOS);
    v.EGOS = report::integer(rec.EGOS);
    v.YOP = report::integer(rec.YOP);
    v.OHT = report::integer(rec.OHT);
    v.GELVER = QStringLiteral("%%1  %2")
                   .arg(report::rate(rr.shown.GVORpercent), amt(deductedTaxes ? r.GELVERKES : r.GELVER));
    v.EMSNO = rr.person.EMSNO;
    v.KIDEM = report::integer(rec.KIDEM);
    v.MHALI = maritalText(rec.MHAL);
    v.COC1 = report::integer(rec.COC1);
    v.COC2 = report::integer(rec.COC2);
    v.GOR = rr.person.UNVAN;
    for (std::size_t i = 0; i < 6; ++i)
        v.kazCaption[i] = run.context.items.earningCaption(int(i) + 1);
    return v;
}

PayslipValues archivePayslipValues(const ArchivePayslipData &d)
{
    const results::ResultRow &r = d.row.result;
    // Before 2022 no part of the minimum wage was exempt: the computed taxes were deducted.
    const bool computedTaxes = d.startupYear < 2022;
    PayslipValues v;
    fillPayslipAmounts(v, r, !computedTaxes);
    v.title = s(kPayrollTitle);
    v.KURUM = d.unitName;
    v.AY = QStringLiteral("%1 %2").arg(r.key.AY).arg(r.key.YIL);
    v.KATSAYI = report::rate(d.rates.KATSAYI);
    v.TAK = report::rate(d.rates.TAK);
    v.YOD = report::rate(d.rates.YOD);
    v.EYMM = report::rate(d.rates.EYMG);
    v.TOPMAT = amt(d.row.TGVMAT);

    v.ADSOY = d.row.ADSOY;
    if (d.row.snapshot) {
        const results::SnapshotRow &sn = *d.row.snapshot;
        v.DK = report::integer(sn.DER);
        v.GOS = report::integer(sn.GOS);
        v.EGOS = report::integer(sn.EGOS);
        v.YOP = report::integer(sn.YOP);
        v.OHT = report::integer(sn.OHT);
        v.KIDEM = report::integer(sn.KIDEM);
        v.MHALI = maritalText(sn.MHAL);
        v.COC1 = report::integer(sn.COC1);
        v.COC2 = report::integer(sn.COC2);
    }
    v.GELVER = QStringLiteral("%%1  %2")
                   .arg(report::rate(engine::shiftDecimal(r.VEROR, 2)), amt(computedTaxes ? r.GELVER : r.GELVERKES));
    v.EMSNO = d.row.EMSNO;
    v.GOR = d.row.GOREV;
    for (std::size_t i = 0; i < 6; ++i)
        v.kazCaption[i] = d.captions[i];
    return v;
}

Document payslipDocument()
{
    Document doc;
    doc.orientation = report::Orientation::Landscape;
    doc.pageNumbers = false;
    return doc;
}

}  // namespace

// ---- The unit payroll document ------------------------------------------------------------

report::Document payrollDocument(const RunData &run)
{
    Document doc;
    doc.orientation = report::Orientation::Landscape;
    doc.title = s(kPayrollTitle);
    const ItemNames &items = run.context.items;
    const HeaderRates rates = HeaderRates::of(run.loaded.run.rates);

    const int fields = doc.addLayout(Layout{{1.2, 1.2, 1.2, 1, 1}, 7.5, report::CaptionStyle::Inline, false});
    Band header;
    header.layout = fields;
    const QString unitName = run.loaded.people.empty() ? run.context.unit.BIRIM : run.loaded.people.front().BIRIM;
    header.rows.push_back({{field(s("BİRİMİ"), unitName, 0, 3), field(s("DÖNEMİ"), run.periodText, 3, 2)}});
    header.rows.push_back({{field(s("Katsayı"), report::rate(rates.KATSAYI), 0),
                            field(s("Taban Aylığı Katsayısı"), report::rate(rates.TAK), 1),
                            field(s("Yan Öd. Katsayısı"), report::rate(rates.YOD), 2),
                            field(s("En Yüksek M.M."), amt(rates.EYMM), 3),
                            field(s("Ver. İndirimi"), amt(rates.INDIRIM), 4)}});
    header.spaceAfter = 2;
    doc.pageHeader.push_back(std::move(header));

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

// ---- Detailed statements ------------------------------------------------------------------

report::Document runStatements(const RunData &run, const results::MonthTotals &totals)
{
    Document doc = statementDocument(run.context.unit);
    const StatementLayouts l = statementLayouts(doc);
    for (std::size_t i = 0; i < run.loaded.people.size(); ++i)
        doc.body.push_back(statementBlock(l, runStatement(run, runRow(run, i))));
    doc.summary.push_back(statementBlock(l, totalsStatement(run, totals)));
    doc.signatures = threeSignatures(run.context.unit);
    return doc;
}

report::Document personStatements(const RunData &run, int pkayno)
{
    Document doc = statementDocument(run.context.unit);
    const StatementLayouts l = statementLayouts(doc);
    for (std::size_t i = 0; i < run.loaded.people.size(); ++i) {
        if (run.loaded.people[i].input.rec.PKAYNO == pkayno)
            doc.body.push_back(statementBlock(l, runStatement(run, runRow(run, i))));
    }
    return doc;
}

report::Document archiveStatements(const ArchiveData &archive, std::optional<std::size_t> onlyRow)
{
    Document doc = statementDocument(archive.context.unit);
    const StatementLayouts l = statementLayouts(doc);
    for (std::size_t i = 0; i < archive.rows.size(); ++i) {
        if (!onlyRow || *onlyRow == i)
            doc.body.push_back(statementBlock(l, archiveStatement(archive, archive.rows[i])));
    }
    return doc;
}

// ---- Payslips -----------------------------------------------------------------------------

report::Document payslips(const RunData &run)
{
    Document doc = payslipDocument();
    const PayslipLayouts l = payslipLayouts(doc);
    const HeaderRates rates = HeaderRates::of(run.loaded.run.rates);
    for (std::size_t i = 0; i < run.loaded.people.size(); ++i)
        doc.body.push_back(payslipBlock(l, runPayslip(run, runRow(run, i), rates)));
    return doc;
}

report::Document archivePayslip(const ArchivePayslipData &data)
{
    Document doc = payslipDocument();
    const PayslipLayouts l = payslipLayouts(doc);
    doc.body.push_back(payslipBlock(l, archivePayslipValues(data)));
    return doc;
}

// ---- The archive payroll document ---------------------------------------------------------

report::Document archivePayrollDocument(const ArchiveData &archive)
{
    Document doc;
    doc.orientation = report::Orientation::Landscape;
    doc.title = s(kPayrollTitle);
    const ArchiveSelection &sel = archive.selection;
    const int month = sel.month != 0 ? sel.month : (archive.rows.empty() ? 0 : archive.rows.front().result.key.AY);
    const HeaderRates &rates = archive.ratesOf(sel.month);

    const int fields = doc.addLayout(Layout{{2.4, 1.3, 1, 1, 1, 1, 1}, 7.5, report::CaptionStyle::Inline, false});
    Band header;
    header.layout = fields;
    const QString period = month != 0 ? QStringLiteral("%1 / %2").arg(sel.year).arg(month) : sel.year;
    header.rows.push_back({{field(s("KURUMU"), sel.unit != 0 ? archive.context.unit.BIRIM : s("Tümü"), 0),
                            field(s("AİT OLDUĞU AY"), period, 1),
                            field(s("Katsayı"), report::rate(rates.KATSAYI), 2),
                            field(s("Tab.A.Kat."), report::rate(rates.TAK), 3),
                            field(s("Yan Öd.Kat."), report::rate(rates.YOD), 4),
                            field(s("En Y.M.M."), report::rate(rates.EYMG), 5),
                            field(s("Ver. İndirimi"), amt(rates.INDIRIM), 6)}});
    header.spaceAfter = 2;
    doc.pageHeader.push_back(std::move(header));

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
