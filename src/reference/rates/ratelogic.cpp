#include "ratelogic.h"

#include "periodrows.h"

#include <QRegularExpression>

#include <cmath>
#include <QVariant>

namespace zeran::rates {

// ---- Periods -------------------------------------------------------------------------

const QStringList &periodNames()
{
    static const QStringList n = {QStringLiteral("OCAK/HAZİRAN"), QStringLiteral("TEMMUZ/ARALIK"),
                                  QStringLiteral("ENFLASYON FARKI")};
    return n;
}

QString periodCode(int index)
{
    return QString::number(qBound(0, index, 2) + 1);
}

int periodIndex(const QString &don)
{
    return isPeriodCode(don) ? don.toInt() - 1 : 0;
}

bool isPeriodCode(const QString &don)
{
    return don == QLatin1String("1") || don == QLatin1String("2") || don == QLatin1String("3");
}

bool isYear(const QString &year)
{
    static const QRegularExpression re(QStringLiteral("^\\d{4}$"));
    return re.match(year).hasMatch();
}

Period previousPeriod(const Period &p)
{
    if (p.don == QLatin1String("1"))
        return {QString::number(p.year.toInt() - 1), QStringLiteral("2")};
    return {p.year, QStringLiteral("1")};
}

// ---- Columns -------------------------------------------------------------------------

namespace {

RateColumn rateCol(const char *name, const char *caption)
{
    return {QString::fromLatin1(name), QString::fromUtf8(caption), ValueKind::Rate};
}
RateColumn amountCol(const char *name, const char *caption)
{
    return {QString::fromLatin1(name), QString::fromUtf8(caption), ValueKind::Amount};
}

}  // namespace

const QList<RateColumn> &legalColumns()
{
    static const QList<RateColumn> c = {
        rateCol("KATSAYI", "Katsayı"),
        rateCol("YOD", "Yan Ödeme Katsayısı"),
        rateCol("KAK", "Kıdem Aylığı Katsayısı"),
        rateCol("TAK", "Taban Aylığı Katsayısı"),
        rateCol("TAG", "Taban Aylığı Göstergesi"),
        rateCol("EYMG", "En Yüksek Zeran Göst."),
        rateCol("EMKESM", "Emekli Keseneği (Zeran)"),
        rateCol("EMKESD", "Emekli Keseneği (Devlet)"),
        rateCol("MYOI", "M.Y.O.İşveren"),
        rateCol("MYOP", "M.Y.O.Personel"),
        rateCol("GSSI", "G.S.S.İşveren"),
        rateCol("GSSP", "G.S.S.Personel"),
        rateCol("BES", "Bireysel Emeklilik Oranı"),
        rateCol("EGOSK", "1-Ek Gös. < 2200"),
        rateCol("EGOSB", "2-Ek Gös. > 2200"),
        rateCol("EGOSEB", "3-Ek Gös. > 3600"),
        rateCol("EGOS4", "4-Ek Gös. > 4800"),
        rateCol("EGOS5", "5-Ek Gös. > 6400"),
        rateCol("EGOS6", "6-Ek Gös. > 7600"),
        rateCol("EGOS7", "7-Ek Gös. > 8400"),
        rateCol("AYRDP", "Aile Yardımı Puanı"),
        rateCol("CYRDP1", "Çocuk Yardımı (0-6 Yaş)"),
        rateCol("CYRDP2", "Çocuk Yardımı (6 Yaş Üzeri)"),
        amountCol("SAKDER1", "Sakatlık Derecesi 1"),
        amountCol("SAKDER2", "Sakatlık Derecesi 2"),
        amountCol("SAKDER3", "Sakatlık Derecesi 3"),
        amountCol("INDIRIM", "Vergi İndirimi"),
        amountCol("YEMEK", "Yemek Bedeli (Günlük)"),
        rateCol("RPOR", "Rapor Oranı"),
        rateCol("SENDIKA", "Sendika Aidat Or.%"),
        rateCol("KEF", "Kefalet Oranı %"),
        rateCol("BASKAN", "Başkan Göstergesi"),
    };
    return c;
}

const QList<ColumnGroup> &legalGroups()
{
    static const QList<ColumnGroup> g = {
        {QStringLiteral("Katsayılar"), {"KATSAYI", "YOD", "KAK", "TAK", "TAG", "EYMG"}},
        {QStringLiteral("Sosyal Güvenlik Primi Oranları"), {"EMKESM", "EMKESD", "MYOI", "MYOP", "GSSI", "GSSP", "BES"}},
        {QStringLiteral("Emekli Keseneği Eki"), {"EGOSK", "EGOSB", "EGOSEB", "EGOS4", "EGOS5", "EGOS6", "EGOS7"}},
        {QStringLiteral("Aile Çocuk Yardımı"), {"AYRDP", "CYRDP1", "CYRDP2"}},
        {QStringLiteral("Sakatlık ve Diğer Oranlar"),
         {"SAKDER1", "SAKDER2", "SAKDER3", "INDIRIM", "YEMEK", "RPOR", "SENDIKA", "KEF", "BASKAN"}},
    };
    return g;
}

const QStringList &legalCopyColumns()
{
    static const QStringList c = {"KAK",     "TAG",     "EYMG",    "EMKESM", "EMKESD", "MYOI",  "MYOP",  "GSSI",
                                  "GSSP",    "SAKDER1", "SAKDER2", "SAKDER3", "INDIRIM", "AYRDP", "CYRDP1", "CYRDP2",
                                  "RPOR",    "SENDIKA", "KEF",     "EGOSB",  "EGOSK",  "EGOSEB", "BES"};
    return c;
}

const QStringList &legalReplyOrder()
{
    static const QStringList c = {"KATSAYI", "YOD",     "KAK",     "TAK",   "TAG",    "EYMG",   "EMKESM", "EMKESD",
                                  "MYOI",    "MYOP",    "GSSI",    "GSSP",  "SAKDER1", "SAKDER2", "SAKDER3", "AYRDP",
                                  "CYRDP1",  "CYRDP2",  "RPOR",    "SENDIKA", "KEF",  "EGOSK",  "EGOSB",  "EGOSEB",
                                  "EGOS4",   "EGOS5",   "EGOS6",   "EGOS7", "BES",    "YEMEK"};
    return c;
}

const QList<RateColumn> &taxColumns()
{
    static const QList<RateColumn> c = {
        amountCol("UST1", "Üst Sınır"),
        rateCol("OR1", "Vergi Oranı (%)"),
        amountCol("UST2", "Üst Sınır"),
        rateCol("OR2", "Vergi Oranı (%)"),
        amountCol("UST3", "Üst Sınır"),
        rateCol("OR3", "Vergi Oranı (%)"),
        amountCol("UST4", "Üst Sınır"),
        rateCol("OR4", "Vergi Oranı (%)"),
        rateCol("DVER", "Maaş Damga Vergisi (Binde)"),
        rateCol("BEKOR", "Bekar"),
        rateCol("EV1OR", "Evli Kendisi"),
        rateCol("EV2OR", "Evli Eşi"),
        rateCol("COC1OR", "1. Çocuk"),
        rateCol("COC2OR", "2. Çocuk"),
        rateCol("COC3OR", "3. Çocuk"),
        rateCol("COC4OR", "4. Çocuk"),
        rateCol("COC5OR", "5. Çocuk"),
        rateCol("COC6OR", "Diğer Çocuk"),
        amountCol("AGIUST", "A.G.İ Üst Limit"),
        amountCol("ASUCR", "Asgari Ücret"),
        amountCol("BASKAN", "Başkan Ödeneği"),
        amountCol("ENCUMEN", "Encümen Otr.Ücr"),
        amountCol("MECLIS", "Meclis Otr.Ücreti"),
        {QStringLiteral("KAZVEROR"), QStringLiteral("Ek Kazanç Vergi Oranı"), ValueKind::Choice},
        {QStringLiteral("SOZPERVOR"), QStringLiteral("Sözleşmeli Gelir Vergisi Oranı"), ValueKind::Choice},
        {QStringLiteral("ENCMECVOR"), QStringLiteral("Encümen Meclis Vergisi Oranı"), ValueKind::Choice},
        {QStringLiteral("BSKYRDVOR"), QStringLiteral("Başkan Yardımcısı Vergi Oranı"), ValueKind::Choice},
    };
    return c;
}

const QStringList &taxReplyOrder()
{
    static const QStringList c = {"UST1",   "OR1",    "UST2",   "OR2",    "UST3",   "OR3",   "UST4",  "OR4",
                                  "DVER",   "BEKOR",  "EV1OR",  "EV2OR",  "COC1OR", "COC2OR", "COC3OR", "COC4OR",
                                  "COC5OR", "COC6OR", "ASUCR",  "AGIUST", "BASKAN", "MECLIS", "ENCUMEN"};
    return c;
}

const QList<RateColumn> &taxChoosers()
{
    static const QList<RateColumn> c = taxColumns().mid(taxColumns().size() - 4);
    return c;
}

const QStringList &chooserItems()
{
    static const QStringList i = {QStringLiteral("Vergi Matrahından"), QStringLiteral("1. Dilimden")};
    return i;
}

ValueKind kindOf(const QString &column)
{
    for (const auto &c : legalColumns())
        if (c.name == column)
            return c.kind;
    for (const auto &c : taxColumns())
        if (c.name == column)
            return c.kind;
    return ValueKind::Rate;
}

QString captionOf(const QString &column, bool tax)
{
    for (const auto &c : tax ? taxColumns() : legalColumns())
        if (c.name == column)
            return c.caption;
    return QString();
}

// ---- Values --------------------------------------------------------------------------

namespace {

// Digits grouped by threes after a first group of one to three digits.
bool regularGroups(const QStringList &groups)
{
    if (groups.isEmpty() || groups.first().isEmpty() || groups.first().size() > 3)
        return false;
    for (int i = 1; i < groups.size(); ++i)
        if (groups.at(i).size() != 3)
            return false;
    return true;
}

bool allDigits(QStringView s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

}  // namespace

std::optional<double> parseNumber(QStringView textIn)
{
    QString text = textIn.trimmed().toString();
    if (text.isEmpty())
        return std::nullopt;
    QString sign;
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        if (text.startsWith(u'-'))
            sign = QStringLiteral("-");
        text.remove(0, 1);
    }
    QString exponent;
    const qsizetype e = text.indexOf(QLatin1Char('e'), 0, Qt::CaseInsensitive);
    if (e >= 0) {
        QStringView ex = QStringView(text).mid(e + 1);
        QString exSign;
        if (ex.startsWith(u'-') || ex.startsWith(u'+')) {
            exSign = ex.first(1).toString();
            ex = ex.mid(1);
        }
        if (!allDigits(ex))
            return std::nullopt;
        exponent = QStringLiteral("e") + exSign + ex.toString();
        text.truncate(e);
    }
    const qsizetype dots = text.count(QLatin1Char('.'));
    const qsizetype commas = text.count(QLatin1Char(','));
    QString whole, fraction;
    if (dots == 0 && commas == 0) {
        whole = text;
    } else if (dots > 0 && commas > 0) {
        const QChar decimal = text.lastIndexOf(QLatin1Char('.')) > text.lastIndexOf(QLatin1Char(',')) ? u'.' : u',';
        const QChar group = decimal == u'.' ? u',' : u'.';
        if (text.count(decimal) != 1)
            return std::nullopt;
        const qsizetype d = text.indexOf(decimal);
        fraction = text.mid(d + 1);
        const QStringList groups = text.left(d).split(group);
        if (!regularGroups(groups))
            return std::nullopt;
        whole = groups.join(QString());
    } else {
        const QChar sep = dots > 0 ? u'.' : u',';
        if (text.count(sep) == 1) {
            const qsizetype d = text.indexOf(sep);
            whole = text.left(d);
            fraction = text.mid(d + 1);
            if (fraction.isEmpty())
                return std::nullopt;
        } else {
            const QStringList groups = text.split(sep);
            if (!regularGroups(groups))
                return std::nullopt;
            whole = groups.join(QString());
        }
    }
    if (!allDigits(whole) || (!fraction.isEmpty() && !allDigits(fraction)))
        return std::nullopt;
    bool ok = false;
    const double v = (sign + whole + (fraction.isEmpty() ? QString() : QStringLiteral(".") + fraction) + exponent).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v == 0 ? 0.0 : v;  // no "-0"
}

std::optional<QString> canonicalValue(QStringView text, ValueKind kind)
{
    if (text.trimmed().isEmpty())
        return QString();
    const std::optional<double> v = parseNumber(text);
    if (!v)
        return std::nullopt;
    switch (kind) {
    case ValueKind::Rate:
        return shortestDecimal(*v);
    case ValueKind::Amount: {
        // Exactly as written: an amount with more than four decimals is refused, not rounded.
        const QString plain = shortestDecimal(*v);
        const auto m = Money::parsePlain(plain);
        if (!m)
            return std::nullopt;
        return shortestAmount(*m);
    }
    case ValueKind::Choice:
        if (*v == 0 || *v == 1)
            return QString::number(int(*v));
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QString> replyValue(QStringView line, ValueKind kind)
{
    if (kind == ValueKind::Amount && !line.trimmed().isEmpty()) {
        const std::optional<double> v = parseNumber(line);
        if (!v)
            return std::nullopt;
        try {
            return shortestAmount(Money::fromDbDouble(*v));
        } catch (const std::exception &) {
            return std::nullopt;  // out of the range of an amount
        }
    }
    return canonicalValue(line, kind);
}

QString canonicalFromStored(const QVariant &stored, ValueKind kind)
{
    if (!stored.isValid() || stored.isNull())
        return QString();
    switch (kind) {
    case ValueKind::Rate:
        return shortestDecimal(stored.toDouble());
    case ValueKind::Amount:
        return shortestAmount(Money::fromDbDouble(stored.toDouble()));
    case ValueKind::Choice:
        return QString::number(stored.toInt());
    }
    return QString();
}

QVariant storedFromCanonical(const QString &canonical, ValueKind kind)
{
    if (canonical.isEmpty())
        return kind == ValueKind::Choice ? QVariant(QMetaType(QMetaType::Int)) : QVariant(QMetaType(QMetaType::Double));
    switch (kind) {
    case ValueKind::Rate:
        return canonical.toDouble();
    case ValueKind::Amount:
        return Money::parsePlain(canonical).value_or(Money()).toDouble();
    case ValueKind::Choice:
        return canonical.toInt();
    }
    return QVariant();
}

QString displayValue(const QString &canonical)
{
    QString t = canonical;
    return t.replace(QLatin1Char('.'), QLatin1Char(','));
}

namespace {
QString groupedText(Money m)
{
    QString t = m.toText();  // "1.234,56"
    if (t.endsWith(QLatin1String(",00")))
        t.chop(3);
    return t.rightJustified(15, QLatin1Char(' '));
}
}  // namespace

QString lowerLimitText(const QString &previousUpperCanonical)
{
    const Money upper = Money::parsePlain(previousUpperCanonical).value_or(Money());
    return groupedText(upper + Money::fromUnits(1));
}

QString firstLowerLimitText()
{
    return groupedText(Money());
}

RateValues copyFromPrevious(const RateValues &current, const RateValues &source)
{
    RateValues out = current;
    for (const QString &c : legalCopyColumns())
        out.insert(c, source.value(c));
    return out;
}

bool taxRowComplete(const RateValues &values)
{
    const auto ust1 = Money::parsePlain(values.value(QStringLiteral("UST1")));
    return ust1 && *ust1 >= Money::fromUnits(1);
}

}  // namespace zeran::rates
