#include "payrolldocs.h"

#include "calendar.h"
#include "documentparts.h"
#include "ratemath.h"

#include <algorithm>

namespace zeran::payrolldocs {

using namespace detail;

namespace {

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

/// The person's grades as the run's pay record or the archive's stored snapshot holds them:
/// both name these fields alike.
template <typename Grades>
void fillGrades(StatementValues &v, const Grades &g)
{
    v.COCUK = children(g.COC1, g.COC2);
    v.KIDEM = report::integer(g.KIDEM);
    v.OHT = report::integer(g.OHT);
    v.YOP = report::integer(g.YOP);
    v.DK = pair(g.DER, g.KAD);
    v.MDK = pair(g.MDER, g.MKAD);
    v.GOS = report::integer(g.GOS);
    v.MGOS = report::integer(g.MGOS);
    v.EGOS = report::integer(g.EGOS);
    v.MEGOS = report::integer(g.MEGOS);
    v.RAPOR = report::integer(g.RAPOR);
}

/// The statement's amounts that come straight from a result row: the run's row as it will be
/// written, or a stored one. What the run and the archive print differently is set by them.
void fillRowAmounts(StatementValues &v, const results::ResultRow &r)
{
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

    v.GVMAT = amt(r.VERMAT);
    v.GVMAT1 = amt(r.VERMAT1);
    v.GELVER = amt(r.GELVER);
    v.GELVER1 = amt(r.GELVER1);
    v.DVMAT = amt(r.DVMAT);
    v.DVMAT1 = amt(r.DVMAT1);
    v.DAMVER = amt(r.DAMVER);
    v.DAMVER1 = amt(r.DAMVER1);

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

    v.GELTOP = amt(r.GELTOP);
    v.KESTOP = amt(r.KESTOP);
    v.PEKFARK = amt(r.PEKFARK);
    v.MAAS = amt(r.MAAS);
    v.ACIKKES = amt(r.ACIKKES);
    v.NETODEME = netPayment(r.MAAS, r.ACIKKES);
}

StatementValues runStatement(const RunData &run, const RunRow &rr)
{
    const results::ResultRow &r = rr.row;
    const engine::PersonPay &p = rr.shown.pay;
    const engine::PayRecord &rec = rr.person.input.rec;
    const ItemNames &items = run.context.items;
    StatementValues v;
    fillRowAmounts(v, r);
    v.KURUM = run.context.KURUM;
    v.BIRIM = rr.person.BIRIM;
    v.MAASAYI = run.periodText;
    v.rates = HeaderRates::of(run.loaded.run.rates);
    v.ADSOY = fullName(rr.person);
    v.EMSNO = rr.person.EMSNO;
    v.GOREV = rr.person.UNVAN;
    fillGrades(v, rec);
    v.KGUN = report::integer(rec.KGUN);
    v.YEMEK = QStringLiteral("%1 / %2").arg(rec.YEMEKGUN).arg(amt(r.YEMEK));

    // Staff kind "D" is paid none of the five salary items.
    if (rec.PERTUR == QLatin1Char('D'))
        v.AYTUT = v.EGOSTUT = v.TABAY = v.KIDAY = v.YANOD = QStringLiteral("0");
    for (int n = 1; n <= 10; ++n) {
        if (items.earningInUse[std::size_t(n - 1)])
            v.earnings.emplace_back(items.earningCaption(n), amt(r.KAZ[std::size_t(n - 1)]));
    }

    v.TOPMAT = amt(p.TOPMAT);
    v.TOPMAT1 = amt(p.TOPMAT1);
    v.GVOR = report::rate(p.GVOR);
    v.GVOR1 = report::rate(p.GVOR1);
    v.GELVERCUT = deducted(r.GELVER, r.GELVER1);
    v.DAMVERCUT = deducted(r.DAMVER, r.DAMVER1);

    v.AIDAT = amt(p.ILKGIRIS);
    v.SENAD = p.SENAD;
    v.SENTUT = amt(r.SEN1);
    for (int n = 1; n <= 5; ++n) {
        if (!items.deduction[std::size_t(n - 1)].isEmpty())
            v.deductions.emplace_back(items.deductionCaption(n), amt(r.KES[std::size_t(n - 1)]));
    }
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
    fillRowAmounts(v, r);
    v.KURUM = archive.context.KURUM;
    v.BIRIM = a.BIRIM;
    v.MAASAYI = cal::monthName(r.key.AY) + QLatin1Char(' ') + r.key.YIL;
    v.rates = archive.ratesOf(r.key.AY);
    v.ADSOY = a.ADSOY;
    v.EMSNO = a.EMSNO;
    v.GOREV = a.GOREV;
    if (a.snapshot) {
        const results::SnapshotRow &sn = *a.snapshot;
        fillGrades(v, sn);
        v.KGUN = report::rate(sn.KGUN);
        v.YEMEK = QStringLiteral("%1 / %2").arg(sn.YEMEKGUN).arg(amt(r.YEMEK));
    } else {
        v.YEMEK = amt(r.YEMEK);
    }
    // The row's own item names; an item the row paid without a name keeps its placeholder.
    for (std::size_t i = 0; i < r.KAZ.size(); ++i) {
        if (!r.KAZA[i].isEmpty() || !r.KAZ[i].isZero())
            v.earnings.emplace_back(r.KAZA[i].isEmpty() ? QStringLiteral("KAZ%1").arg(i + 1) : r.KAZA[i], amt(r.KAZ[i]));
    }

    v.TOPMAT = amt(a.TGVMAT);
    v.GVOR = report::rate(r.VEROR);  // stored as a fraction
    v.GVOR1 = report::rate(engine::shiftDecimal(r.VEROR1, -2));  // stored in percent
    if (const auto cut = a.GELVER2())
        v.GELVERCUT = amt(*cut);
    if (const auto cut = a.DAMVER2())
        v.DAMVERCUT = amt(*cut);

    v.SENTUT = amt(r.SEN1 + r.SEN2 + r.SEN3);
    for (std::size_t i = 0; i < r.KES.size(); ++i) {
        if (!r.KESA[i].isEmpty() || !r.KES[i].isZero())
            v.deductions.emplace_back(r.KESA[i].isEmpty() ? QStringLiteral("KES%1").arg(i + 1) : r.KESA[i], amt(r.KES[i]));
    }
    return v;
}

QString titleOf(const UnitInfo &unit)
{
    return unit.BASLIK.isEmpty() ? QString::fromUtf8(kPayrollTitle) : unit.BASLIK;
}

Document statementDocument(const UnitInfo &unit)
{
    Document doc;
    doc.orientation = report::Orientation::Portrait;
    doc.title = titleOf(unit);
    return doc;
}

}  // namespace

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

}  // namespace zeran::payrolldocs
