#include "contributionfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringEncoder>

#include <algorithm>
#include <map>
#include <tuple>

namespace zeran::contributions {

namespace {

const QString kE = QStringLiteral("E");
const QString k5 = QStringLiteral("5");

}  // namespace

QString regimeCode(Regime r)
{
    return r == Regime::RetirementFund ? kE : k5;
}

QString regimeText(Regime r)
{
    return r == Regime::RetirementFund ? QStringLiteral("Emekli Sandığı") : QStringLiteral("5510 S.Kanun");
}

std::optional<Regime> regimeFromCode(const QString &code)
{
    if (code == kE)
        return Regime::RetirementFund;
    if (code == k5)
        return Regime::Law5510;
    return std::nullopt;
}

QString payrollChoiceCode(PayrollChoice c)
{
    switch (c) {
    case PayrollChoice::Salary: return QStringLiteral("1");
    case PayrollChoice::Difference: return QStringLiteral("2");
    case PayrollChoice::Inflation: return QStringLiteral("8");
    case PayrollChoice::DifferenceTotal: return QStringLiteral("2+8");
    }
    return {};
}

QString payrollChoiceText(PayrollChoice c)
{
    switch (c) {
    case PayrollChoice::Salary: return QStringLiteral("Maaş");
    case PayrollChoice::Difference: return QStringLiteral("Fark");
    case PayrollChoice::Inflation: return QStringLiteral("Enflasyon Farkı");
    case PayrollChoice::DifferenceTotal: return QStringLiteral("Fark Toplam");
    }
    return {};
}

std::optional<PayrollChoice> payrollChoiceFromCode(const QString &code)
{
    for (PayrollChoice c : {PayrollChoice::Salary, PayrollChoice::Difference, PayrollChoice::Inflation,
                            PayrollChoice::DifferenceTotal})
        if (payrollChoiceCode(c) == code)
            return c;
    return std::nullopt;
}

QStringList payrollKinds(PayrollChoice c)
{
    switch (c) {
    case PayrollChoice::Salary: return {QStringLiteral("1")};
    case PayrollChoice::Difference: return {QStringLiteral("2")};
    case PayrollChoice::Inflation: return {QStringLiteral("8")};
    case PayrollChoice::DifferenceTotal: return {QStringLiteral("2"), QStringLiteral("8")};
    }
    return {};
}

std::vector<ContributionLine> selectLines(const FileInput &in)
{
    using Key = std::tuple<int, int, int, QString, QString, int>;
    std::map<Key, const SnapshotRow *> snapshots;
    for (const SnapshotRow &a : in.zerarsiv)
        snapshots.emplace(Key{a.PKAYNO, a.BKOD, a.PKOD, a.YIL, a.TUR, a.AY}, &a);
    std::map<std::tuple<int, int, int>, const PayRecordRow *> records;
    for (const PayRecordRow &b : in.zerborbil)
        records.emplace(std::tuple{b.PKAYNO, b.BKOD, b.PKOD}, &b);
    std::map<int, const PersonRow *> people;
    for (const PersonRow &s : in.sicil)
        people.emplace(s.PKAYNO, &s);

    const QStringList kinds = payrollKinds(in.payroll);
    const QString code = regimeCode(in.regime);

    // The rows taken, in pay-record order, so that a person's first record gives the snapshot.
    std::vector<std::pair<const ResultRow *, const SnapshotRow *>> taken;
    for (const ResultRow &m : in.zermaas) {
        if (m.YIL != in.year || m.AY != in.month || !kinds.contains(m.TUR))
            continue;
        const auto a = snapshots.find(Key{m.PKAYNO, m.BKOD, m.PKOD, m.YIL, m.TUR, m.AY});
        if (a == snapshots.end() || a->second->GSSTUR != code)
            continue;
        taken.emplace_back(&m, a->second);
    }
    std::stable_sort(taken.begin(), taken.end(), [](const auto &x, const auto &y) {
        return std::tuple(x.first->PKAYNO, x.first->BKOD, x.first->PKOD, x.first->TUR)
            < std::tuple(y.first->PKAYNO, y.first->BKOD, y.first->PKOD, y.first->TUR);
    });

    std::vector<ContributionLine> lines;
    for (const auto &[m, a] : taken) {
        if (lines.empty() || lines.back().PKAYNO != m->PKAYNO) {
            ContributionLine l;
            l.PKAYNO = m->PKAYNO;
            l.BKOD = m->BKOD;
            l.PKOD = m->PKOD;
            if (const auto s = people.find(m->PKAYNO); s != people.end()) {
                l.TCKNO = s->second->TCKNO;
                l.EMSNO = s->second->EMSNO;
                l.ADI = s->second->ADI;
                l.SOYADI = s->second->SOYADI;
                l.KGT = s->second->KGT;
            }
            l.KIDEM = a->KIDEM;
            l.MDUR = a->MDUR;
            l.TERTAR = a->TERTAR;
            l.MDER = a->MDER;
            l.MKAD = a->MKAD;
            l.MEGOS = a->MEGOS;
            l.DER = a->DER;
            l.KAD = a->KAD;
            l.EGOS = a->EGOS;
            if (const auto b = records.find(std::tuple{m->PKAYNO, m->BKOD, m->PKOD}); b != records.end())
                l.DURUM = b->second->DURUM;
            lines.push_back(l);
        }
        ContributionLine &l = lines.back();
        l.EMKESM += m->EMKESM;
        l.ARTIS += m->ARTIS;
        l.EMKESD += m->EMKESD;
        l.DVVIADE += m->DVVIADE;
        l.HIZBOR += m->HIZBOR;
        l.PCEZA += m->PCEZA;
        l.AYTUT += m->AYTUT;
        l.EGOSTUT += m->EGOSTUT;
        l.KIDAY += m->KIDAY;
        l.TABAY += m->TABAY;
        l.OZHIZTAZ += m->OZHIZTAZ;
        l.GELTOP += m->GELTOP;
        l.GSSMAT += m->GSSMAT;
        l.MYOI += m->MYOI;
        l.MYOP += m->MYOP;
        l.GSSI += m->GSSI;
        l.GSSP += m->GSSP;
        l.PEKFARK += m->PEKFARK;
    }
    const bool byTc = in.order == Order::Tckno;
    std::stable_sort(lines.begin(), lines.end(), [byTc](const ContributionLine &x, const ContributionLine &y) {
        const QString &kx = byTc ? x.TCKNO : x.EMSNO;
        const QString &ky = byTc ? y.TCKNO : y.EMSNO;
        return std::tuple(kx, x.PKAYNO) < std::tuple(ky, y.PKAYNO);
    });
    return lines;
}

std::optional<QString> servicePeriod(const QDate &kgt, const QDateTime &now)
{
    if (!kgt.isValid())
        return QString(6, QLatin1Char(' '));
    // Whole days elapsed: the time of day never makes another day.
    const qint64 days = kgt.daysTo(now.date());
    // Today and yesterday fall in December 1899, where the year would have to become 100; a
    // future date has no period at all.
    if (days < 2)
        return std::nullopt;
    const QDate serial = QDate(1899, 12, 30).addDays(days);
    int yy = serial.year() % 100;
    int mm = serial.month();
    if (mm == 12) {
        yy = (yy + 1) % 100;
        mm = 1;
    }
    return QStringLiteral("%1%2%3")
        .arg(yy, 2, 10, QLatin1Char('0'))
        .arg(mm, 2, 10, QLatin1Char('0'))
        .arg(serial.day(), 2, 10, QLatin1Char('0'));
}

QString servicePeriodDisplay(const QDate &kgt, const QDateTime &now)
{
    if (!kgt.isValid())
        return {};
    const auto p = servicePeriod(kgt, now);
    if (!p)
        return {};
    return p->left(2) + QLatin1Char('.') + p->mid(2, 2) + QLatin1Char('.') + p->mid(4, 2);
}

QString fileAmount(Money m, const QString &zeroText)
{
    if (m.raw() <= 0)
        return zeroText;
    QString s = m.toPlain(2);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s;
}

Law5510Amounts law5510Amounts(const ContributionLine &l, Money minWage)
{
    Law5510Amounts r;
    r.S = l.OZHIZTAZ;
    r.P = l.AYTUT + l.EGOSTUT + l.KIDAY + l.TABAY;
    r.G = l.GSSMAT < minWage ? minWage : l.GSSMAT;
    if (l.DURUM == QLatin1String("A")) {
        r.S = r.S.divInt(2);
        r.P = r.P.divInt(2);
        r.G = r.G.divInt(2);
    }
    return r;
}

namespace {

QString padZeros(const QString &v)
{
    return v.size() < 4 ? QString(4 - v.size(), QLatin1Char('0')) + v : v;
}

QString noSpaces(QString v)
{
    v.remove(QLatin1Char(' '));
    return v;
}

QString joinFields(const QStringList &fields)
{
    QString out;
    for (const QString &f : fields)
        out += f + QLatin1Char(';');
    return out;
}

}  // namespace

QString retirementFundLine(const ContributionLine &l, const QString &service)
{
    const QString zero = QStringLiteral("0.0");
    return joinFields({l.TCKNO, noSpaces(l.EMSNO), l.ADI, l.SOYADI, QStringLiteral(" "),
                       l.TERTAR.isValid() ? l.TERTAR.toString(QStringLiteral("MMdd")) : QString(), l.MDER, l.MKAD,
                       padZeros(l.MEGOS), l.DER, l.KAD, padZeros(l.EGOS), service, fileAmount(l.EMKESM, zero),
                       fileAmount(l.ARTIS, zero), fileAmount(l.EMKESD, zero), fileAmount(l.ARTIS, zero),
                       fileAmount(l.DVVIADE, zero), fileAmount(l.HIZBOR, zero), fileAmount(l.PCEZA, zero), zero});
}

QString law5510Line(const ContributionLine &l, const QString &service, Money minWage)
{
    const QString zero = QStringLiteral("0.00");
    const QString sp = QStringLiteral(" ");
    const Law5510Amounts d = law5510Amounts(l, minWage);
    return joinFields({l.TCKNO, noSpaces(l.EMSNO), l.ADI, l.SOYADI, sp, sp, sp, sp, sp, l.MDER, l.MKAD,
                       l.EGOS.isEmpty() ? QStringLiteral("0") : l.EGOS, service, QStringLiteral("30"),
                       fileAmount(d.S, zero), fileAmount(d.P, zero), fileAmount(l.PEKFARK, zero),
                       fileAmount(d.G, zero), fileAmount(l.MYOP, zero), fileAmount(l.GSSP, zero),
                       fileAmount(l.MYOI, zero), fileAmount(l.GSSI, zero), sp});
}

FileOutcome buildFile(const FileInput &in, const std::vector<ContributionLine> &lines)
{
    FileOutcome out;
    QStringEncoder encoder("windows-1254");
    for (const ContributionLine &l : lines) {
        const auto service = servicePeriod(l.KGT, in.now);
        if (!service) {
            out.message = QStringLiteral("DİKKAT! %1 (T.C. %2): göreve başlama tarihi %3 hizmet süresi vermiyor "
                                         "(bugün, dün ya da ileri bir tarih). Sicil bilgisini düzeltiniz.")
                              .arg(l.ADSOY(), l.TCKNO, l.KGT.toString(QStringLiteral("dd.MM.yyyy")));
            out.bytes.clear();
            out.lines = 0;
            return out;
        }
        const QString text = in.regime == Regime::RetirementFund ? retirementFundLine(l, *service)
                                                                 : law5510Line(l, *service, in.minWage);
        QByteArray bytes = encoder.encode(text);
        if (encoder.hasError()) {
            out.message = QStringLiteral("DİKKAT! %1 (T.C. %2): Windows-1254 ile yazılamayan bir harf var.")
                              .arg(l.ADSOY(), l.TCKNO);
            out.bytes.clear();
            out.lines = 0;
            return out;
        }
        out.bytes += bytes;
        out.bytes += "\r\n";
        ++out.lines;
    }
    out.ok = true;
    return out;
}

QString monthListName(int month)
{
    static const char *const names[] = {"Ocak",   "Şubat",   "Mart",  "Nisan", "Mayıs", "Haziran",
                                        "Temmuz", "Ağustos", "Eylül", "Ekim",  "Kasım", "Aralık"};
    return month >= 1 && month <= 12 ? QString::fromUtf8(names[month - 1]) : QString();
}

QString fileName(const QString &year, int month, Regime regime, PayrollChoice payroll)
{
    QString suffix = regime == Regime::RetirementFund ? QStringLiteral("_Emekli") : QStringLiteral("_5510");
    switch (payroll) {
    case PayrollChoice::Salary: break;
    case PayrollChoice::Difference: suffix += QStringLiteral("_fark"); break;
    case PayrollChoice::Inflation: suffix += QStringLiteral("_efark"); break;
    case PayrollChoice::DifferenceTotal: suffix += QStringLiteral("_farktoplam"); break;
    }
    return year + monthListName(month) + suffix + QStringLiteral(".TXT");
}

QString auditText(const QString &year, int month, Regime regime)
{
    return QStringLiteral("YIL:") + year + QStringLiteral(" AY:") + QString::number(month)
        + QStringLiteral(" SİGORTA TÜRÜ:") + regimeText(regime);
}

namespace {

struct Reader {
    QString error;

    QString text(const QJsonObject &o, const char *key)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isString())
            return v.toString();
        if (v.isDouble())
            return QString::number(qint64(v.toDouble()));
        if (!v.isNull() && !v.isUndefined())
            fail(QStringLiteral("%1: metin bekleniyor").arg(QLatin1String(key)));
        return {};
    }

    int number(const QJsonObject &o, const char *key)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isDouble())
            return v.toInt();
        if (v.isString()) {
            bool ok = false;
            const int n = v.toString().toInt(&ok);
            if (ok)
                return n;
        }
        fail(QStringLiteral("%1: sayı bekleniyor").arg(QLatin1String(key)));
        return 0;
    }

    Money money(const QJsonObject &o, const char *key)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isNull() || v.isUndefined())
            return {};
        if (v.isString()) {
            if (v.toString().isEmpty())
                return {};
            if (const auto m = Money::parsePlain(v.toString()))
                return *m;
        }
        fail(QStringLiteral("%1: tutar metni bekleniyor (\"1234.56\")").arg(QLatin1String(key)));
        return {};
    }

    QDate date(const QJsonObject &o, const char *key)
    {
        const QString t = text(o, key);
        if (t.isEmpty())
            return {};
        const QDate d = QDate::fromString(t.left(10), Qt::ISODate);
        if (!d.isValid())
            fail(QStringLiteral("%1: tarih bekleniyor (YYYY-AA-GG)").arg(QLatin1String(key)));
        return d;
    }

    void fail(const QString &e)
    {
        if (error.isEmpty())
            error = e;
    }
};

}  // namespace

std::optional<FileInput> parseFileInput(const QByteArray &json, QString *error)
{
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &pe);
    if (!doc.isObject()) {
        if (error)
            *error = QStringLiteral("JSON nesnesi okunamadı: ") + pe.errorString();
        return std::nullopt;
    }
    const QJsonObject o = doc.object();
    Reader r;
    FileInput in;
    if (const auto reg = regimeFromCode(r.text(o, "file")))
        in.regime = *reg;
    else
        r.fail(QStringLiteral("file: \"E\" ya da \"5\" bekleniyor"));
    if (const auto p = payrollChoiceFromCode(r.text(o, "payroll_kind")))
        in.payroll = *p;
    else
        r.fail(QStringLiteral("payroll_kind: \"1\", \"2\", \"8\" ya da \"2+8\" bekleniyor"));
    const QString order = o.contains(QLatin1String("order")) ? r.text(o, "order") : QStringLiteral("TCKNO");
    if (order == QLatin1String("TCKNO"))
        in.order = Order::Tckno;
    else if (order == QLatin1String("EMSNO"))
        in.order = Order::Emsno;
    else
        r.fail(QStringLiteral("order: \"TCKNO\" ya da \"EMSNO\" bekleniyor"));
    in.year = r.text(o, "year");
    if (in.year.size() != 4)
        r.fail(QStringLiteral("year: dört haneli yıl bekleniyor"));
    in.month = r.number(o, "month");
    if (in.month < 1 || in.month > 12)
        r.fail(QStringLiteral("month: 1–12 bekleniyor"));
    const QString now = r.text(o, "now");
    in.now = QDateTime::fromString(now, Qt::ISODate);
    if (!in.now.isValid()) {
        const QDate d = QDate::fromString(now, Qt::ISODate);
        if (d.isValid())
            in.now = QDateTime(d, QTime(0, 0));
        else
            r.fail(QStringLiteral("now: ISO tarih-saat bekleniyor"));
    }
    in.minWage = r.money(o, "min_wage");

    for (const QJsonValue &v : o.value(QLatin1String("sicil")).toArray()) {
        const QJsonObject s = v.toObject();
        in.sicil.push_back({r.number(s, "PKAYNO"), r.text(s, "TCKNO"), r.text(s, "EMSNO"), r.text(s, "ADI"),
                            r.text(s, "SOYADI"), r.date(s, "KGT")});
    }
    for (const QJsonValue &v : o.value(QLatin1String("zermaas")).toArray()) {
        const QJsonObject m = v.toObject();
        ResultRow row;
        row.PKAYNO = r.number(m, "PKAYNO");
        row.BKOD = r.number(m, "BKOD");
        row.PKOD = r.number(m, "PKOD");
        row.TUR = r.text(m, "TUR");
        row.YIL = r.text(m, "YIL");
        row.AY = r.number(m, "AY");
        row.EMKESM = r.money(m, "EMKESM");
        row.ARTIS = r.money(m, "ARTIS");
        row.EMKESD = r.money(m, "EMKESD");
        row.DVVIADE = r.money(m, "DVVIADE");
        row.HIZBOR = r.money(m, "HIZBOR");
        row.PCEZA = r.money(m, "PCEZA");
        row.AYTUT = r.money(m, "AYTUT");
        row.EGOSTUT = r.money(m, "EGOSTUT");
        row.KIDAY = r.money(m, "KIDAY");
        row.TABAY = r.money(m, "TABAY");
        row.OZHIZTAZ = r.money(m, "OZHIZTAZ");
        row.GELTOP = r.money(m, "GELTOP");
        row.GSSMAT = r.money(m, "GSSMAT");
        row.MYOI = r.money(m, "MYOI");
        row.MYOP = r.money(m, "MYOP");
        row.GSSI = r.money(m, "GSSI");
        row.GSSP = r.money(m, "GSSP");
        row.PEKFARK = r.money(m, "PEKFARK");
        in.zermaas.push_back(row);
    }
    for (const QJsonValue &v : o.value(QLatin1String("zerarsiv")).toArray()) {
        const QJsonObject a = v.toObject();
        SnapshotRow row;
        row.PKAYNO = r.number(a, "PKAYNO");
        row.BKOD = r.number(a, "BKOD");
        row.PKOD = r.number(a, "PKOD");
        row.TUR = r.text(a, "TUR");
        row.YIL = r.text(a, "YIL");
        row.AY = r.number(a, "AY");
        row.GSSTUR = r.text(a, "GSSTUR");
        row.KIDEM = r.text(a, "KIDEM");
        row.MDUR = r.text(a, "MDUR");
        row.TERTAR = r.date(a, "TERTAR");
        row.MDER = r.text(a, "MDER");
        row.MKAD = r.text(a, "MKAD");
        row.MEGOS = r.text(a, "MEGOS");
        row.DER = r.text(a, "DER");
        row.KAD = r.text(a, "KAD");
        row.EGOS = r.text(a, "EGOS");
        row.YIG = r.text(a, "YIG");
        in.zerarsiv.push_back(row);
    }
    for (const QJsonValue &v : o.value(QLatin1String("zerborbil")).toArray()) {
        const QJsonObject b = v.toObject();
        in.zerborbil.push_back({r.number(b, "PKAYNO"), r.number(b, "BKOD"), r.number(b, "PKOD"), r.text(b, "DURUM")});
    }
    if (!r.error.isEmpty()) {
        if (error)
            *error = r.error;
        return std::nullopt;
    }
    return in;
}

}  // namespace zeran::contributions
