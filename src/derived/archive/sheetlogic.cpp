#include "sheetlogic.h"

namespace zeran::archive {

namespace {

bool is(QChar c, char code)
{
    return c == QLatin1Char(code);
}

}  // namespace

BaseBreakdown breakdown(BaseKind kind, const engine::PersonInput &person, const engine::PersonPay &p)
{
    const engine::PayRecord &r = person.rec;
    BaseBreakdown b;
    const auto add = [&b](const char *caption, Money amount) { b.lines.push_back({QString::fromUtf8(caption), amount}); };
    switch (kind) {
    case BaseKind::Retirement:
        b.title = QStringLiteral("Emekli Keseneği Matrahı");
        b.total = p.EKMAT;
        // Only retirement-fund members have the base, and a partial month only when its
        // contribution is taken.
        if (!is(r.insuranceKind(), 'E') || (r.partialMonth() && !is(r.KISTEMKES, 'E')))
            break;
        add("Aylık Tutar", p.AYTUTEMKES);
        add("Taban Aylığı", r.acting() ? p.TABAYODE : p.TABAYEMKES);
        add("Kıdem Aylığı", p.KIDAYEMKES);
        add("Em.Kes. Eki", p.EMKESEKI);
        add("Terfi Farkı", p.TERFI);
        add("Ek Kazanç", p.KAZEKMAT);
        add("Yemek Mat.", p.YEMGSS);
        break;
    case BaseKind::Premium:
        b.title = QStringLiteral("Sigorta Primi Matrahı");
        b.total = p.GSSMAT;
        if (!is(r.insuranceKind(), '5'))
            break;
        add("Aylık Tutar", p.AYTUTEMKES);
        add("Taban Aylığı", p.TABAY);
        add("Kıdem Aylığı", p.KIDAYEMKES);
        add("Özel Hizmet Taz.", p.OHTTUT);
        add("Ek Kazanç", p.KAZEKMAT);
        add("Yemek Math.", p.YEMGSS);
        break;
    case BaseKind::IncomeTax:
        b.title = QStringLiteral("Gelir Vergisi Matrahı");
        if (r.partialMonth() || !is(r.PERTUR, 'D')) {
            add("Aylık Tutar", p.AYTUT);
            add("Taban Aylığı", p.TABAY);
            add("Kıdem Aylığı", p.KIDAY);
            add("Ek Gösterge", p.EGOSTUT);
            add("Yan Ödeme", p.YANOD);
            add("Terfi Farkı", p.TERFI);
            add("Ek Kazanç", p.KAZGVMAT);
            add("Fazla Mesai", p.FMESTUT);
            add("Em.Kes. Zeran", -p.EMKESM);
            add("GSS. Zeran", -p.GSSP);
            add("Sendika", -p.SENTUT);
            add("MYO Zeran", -p.MYOP);
            add("İndirim", -(r.OZIN + p.INDIRIM));
            add("Borçlanma", -p.HIZBOR);
            add("Artış/Kefalet", -(p.KEFTUT + p.ARTIS1));
        } else {
            add("Ek Kazanç", p.KAZGVMAT);
            add("Em.Kes. Zeran", -p.EMKESM);
            add("GSS. Zeran", -p.GSSP);
            add("MYO Zeran", -p.MYOP);
            add("İndirim", -(r.OZIN + p.INDIRIM));
            add("Borçlanma", -p.HIZBOR);
        }
        b.total = p.GVMAT;
        break;
    case BaseKind::StampTax:
        b.title = QStringLiteral("Damga Vergisi Matrahı");
        if (!is(r.PERTUR, 'D')) {
            add("Aylık Tutar", p.AYTUT);
            add("Taban Aylığı", p.TABAY);
            add("Kıdem Aylığı", p.KIDAY);
            add("Ek Gösterge", p.EGOSTUT);
            add("Yan Ödeme", p.YANOD);
            add("Özel Hizmet", p.OHTTUT);
            add("Ek Ödeme", p.EKODTUT);
            add("Fazla Mesai", p.FMESTUT);
            add("Lojman Tazminatı", p.LOJTAZ);
            add("Dil Tazminatı", p.DILTAZ);
            add("Diğer Tazminat", p.DIGTAZTUT);
            add("Ek Tazminat", p.EKTAZTUT);
            add("Terfi Farkı", p.TERFI);
        }
        add("Ek Kazançlar", p.KAZDVMAT);
        b.total = p.DVMAT;
        break;
    }
    // The components are shown rounded to the kuruş while the base was formed from their exact
    // amounts: the difference is shown as its own line so that the lines add up to the base.
    Money sum;
    for (const BaseLine &l : b.lines)
        sum += l.amount;
    const Money diff = b.total - sum;
    const bool floored = kind == BaseKind::IncomeTax && sum.isNegative();  // the base is never below 0
    if (!b.lines.empty() && !diff.isZero() && diff.abs() <= Money::fromKurus(5) && !floored)
        add("Kuruş Farkı", diff);
    return b;
}

QString insuranceText(QChar gsstur)
{
    switch (gsstur.unicode()) {
    case u'5':
        return QStringLiteral("5510 Sayılı Kanun");
    case u'Y':
        return QStringLiteral("Yok");
    case u'V':
        return QStringLiteral("Vekil");
    default:
        return QStringLiteral("Emekli Sandığı");
    }
}

}  // namespace zeran::archive
