#include "writtenrow.h"

#include "ratemath.h"

namespace zeran::payrollrun {

using engine::PersonInput;
using engine::PersonPay;

namespace {

QString text(QChar c)
{
    return c.isNull() ? QString() : QString(c);
}

/// Unpaid leave: only the employer health premium of a fund member is set (also as the gross
/// and the deductions total); the pay is 0. The allowance, the items' names and the pay
/// record's own amounts stay as for any other row.
PersonPay unpaidLeave(const PersonPay &p)
{
    PersonPay u;
    u.KAZA = p.KAZA;
    u.KESA = p.KESA;
    u.INDIRIM = p.INDIRIM;
    u.PCEZA = p.PCEZA;
    u.KIRA = p.KIRA;
    u.GECICI = p.GECICI;
    u.GELTOP = p.GECICI;
    u.KESTOP = p.GECICI;
    return u;
}

}  // namespace

ShownPay shownPay(const PersonInput &person, const PersonPay &computed)
{
    const engine::PayRecord &r = person.rec;
    ShownPay s;
    PersonPay &p = s.pay;
    p = r.DURUM == QChar(u'Ü') ? unpaidLeave(computed) : computed;
    if (r.PERTUR == QLatin1Char('D')) {
        p.AYTUT = p.EGOSTUT = p.TABAY = p.KIDAY = p.YANOD = Money();
        p.EKAYTUT = p.EKEGOSTUT = Money();
    }
    if (r.UKOD == kHiddenSpecialServiceTitle)
        p.OHTTUT = Money();

    s.TOPAYTUT = p.AYTUT + p.EGOSTUT;
    s.TOPCOC = r.COC1 + r.COC2;
    s.TCOCYRD = p.COCYRD + p.COCYRD1;
    s.TOPTAZ = p.DIGTAZTUT + p.DILTAZ + p.LOJTAZ + p.EKTAZTUT;
    for (std::size_t i = 0; i < s.KAZTOP.size(); ++i)
        s.KAZTOP[i] = p.KAZ[2 * i] + p.KAZ[2 * i + 1];
    s.OZKESB = p.OZKES + p.HIZBOR;
    s.GVORpercent = engine::shiftDecimal(p.GVOR, 2);
    s.GVOR1percent = engine::shiftDecimal(p.GVOR1, 2);
    s.GVMATK = p.TOPMAT - p.TOPMAT1;
    s.DVMATK = p.DVMAT - p.DVMAT1;
    s.NET = p.MAAS - p.ACIKKES;
    return s;
}

results::ResultRow resultRow(const engine::PayrollRun &run, const PersonInput &person, const PersonPay &computed)
{
    const engine::PayRecord &r = person.rec;
    const ShownPay shown = shownPay(person, computed);
    const PersonPay &p = shown.pay;
    // The screen shows two decimals; the rules leave a few amounts at four (the net minimum
    // wage, a premium base built from unrounded parts): the row holds what was shown.
    const auto two = [](Money m) { return m.yuvarla1(); };

    results::ResultRow row;
    row.key.PKAYNO = r.PKAYNO;
    row.key.BKOD = r.BKOD;
    row.key.PKOD = r.PKOD;
    row.key.TUR = results::PayrollKind::Monthly;
    row.key.YIL = run.YIL;
    row.key.AY = run.AY;

    row.AYTUT = two(p.AYTUT);
    row.EGOSTUT = two(p.EGOSTUT);
    row.TABAY = two(p.TABAY);
    row.KIDAY = two(p.KIDAY);
    row.YANOD = two(p.YANOD);
    row.OZHIZTAZ = two(p.OHTTUT);
    row.EKODTUT = two(p.EKODTUT);
    row.FAZMES = two(p.FMESTUT);
    row.LOJTAZ = two(p.LOJTAZ);
    row.EKTAZ = two(p.EKTAZTUT);
    row.DILTAZ = two(p.DILTAZ);
    row.DIGTAZ = two(p.DIGTAZTUT);
    row.AILEYRD = two(p.AILEYRD);
    row.COCYRD = two(p.COCYRD);
    row.COCYRD1 = two(p.COCYRD1);
    row.ARTIS = two(p.ARTIS1);
    row.TERFAR = two(p.TERFI);
    for (std::size_t i = 0; i < row.KAZ.size(); ++i) {
        row.KAZ[i] = two(p.KAZ[i]);
        row.KAZA[i] = p.KAZA[i];
    }
    row.YEMEK = two(p.YEMEK);
    row.GELTOP = two(p.GELTOP);
    row.EKMAT = p.EKMAT;
    row.EMKESM = two(p.EMKESM);
    row.EMKESD = two(p.EMKESD);
    row.GSSMAT = two(p.GSSMAT);
    row.MYOI = two(p.MYOI);
    row.MYOP = two(p.MYOP);
    row.GSSI = two(p.GSSI);
    row.GSSP = two(p.GSSP);
    row.DVVIADE = two(p.GECICI);
    row.PEKFARK = two(p.PEKFARK);
    row.INDIRIM = two(p.INDIRIM);
    row.OZIN = two(r.OZIN);
    row.VERMAT = two(p.GVMAT);
    row.VEROR = p.GVOR;
    row.GELVER = two(p.GELVER);
    row.DVMAT = two(p.DVMAT);
    row.DAMVER = two(p.DAMVER);
    row.VERMAT1 = two(p.GVMAT1);
    row.VEROR1 = shown.GVOR1percent;
    row.GELVER1 = two(p.GELVER1);
    row.DVMAT1 = two(p.DVMAT1);
    row.DAMVER1 = two(p.DAMVER1);
    row.GELVERKES = two(p.GELVERK);
    row.DAMVERKES = two(p.DAMVERK);
    row.AGIMAT = two(p.AGIMAT);
    row.VIADE = two(p.ASGIND);
    row.BES = two(p.BESTUT);
    row.HIZBOR = two(p.HIZBOR);
    row.ICRA = two(p.ICRA);
    row.KIRA = two(p.KIRA);
    row.PCEZA = two(p.PCEZA);
    row.KEFALET = two(p.KEFTUT);
    row.SEN1 = two(p.SENTUT);
    row.SEN2 = Money();
    row.SEN3 = Money();
    for (std::size_t i = 0; i < row.KES.size(); ++i) {
        row.KES[i] = two(p.KES[i]);
        row.KESA[i] = p.KESA[i];
    }
    row.OZELKES = two(p.OZKES);
    row.KESTOP = two(p.KESTOP);
    row.MAAS = two(p.MAAS);
    row.ACIKKES = p.ACIKKES;
    return row;
}

results::SnapshotRow snapshotRow(const engine::PayrollRun &run, const PersonInput &person)
{
    const engine::PayRecord &r = person.rec;
    results::SnapshotRow s;
    s.key.PKAYNO = r.PKAYNO;
    s.key.BKOD = r.BKOD;
    s.key.PKOD = r.PKOD;
    s.key.TUR = results::PayrollKind::Monthly;
    s.key.YIL = run.YIL;
    s.key.AY = run.AY;
    s.UKOD = r.UKOD;
    s.MHAL = text(r.MHAL);
    s.ESI = text(r.ESI);
    s.COC1 = r.COC1;
    s.COC2 = r.COC2;
    s.DIGCOC = r.DIGCOC;
    s.SAKDER = r.SAKDER;
    s.KIDEM = r.KIDEM;
    s.DER = r.DER;
    s.KAD = r.KAD;
    s.GOS = r.GOS;
    s.MDER = r.MDER;
    s.MKAD = r.MKAD;
    s.MGOS = r.MGOS;
    s.EGOS = r.EGOS;
    s.MEGOS = r.MEGOS;
    s.YOP = r.YOP;
    s.OHT = r.OHT;
    s.EKOD = r.EKOD;
    s.RAPOR = r.RAPOR;
    s.YIG = text(r.YIG);
    s.KGUN = r.KGUNstored;
    s.TFA = r.TFA;
    s.GF = r.GF;
    s.KIDART = r.KIDART;
    s.KEFALET = text(r.KEFALET);
    s.VEKIL = text(r.VEKIL);
    s.KISTEMKES = text(r.KISTEMKES);
    s.SENDIKA = text(r.SENDIKA);
    s.GSSTUR = text(r.GSSTUR);
    s.TERTAR = r.TERTAR;
    s.YDER = r.YDER;
    s.YKAD = r.YKAD;
    s.YGOS = r.YGOS;
    s.YEGOS = r.YEGOS;
    s.YKID = r.YKID;
    s.YEMEKGUN = r.YEMEKGUN;
    return s;
}

}  // namespace zeran::payrollrun
