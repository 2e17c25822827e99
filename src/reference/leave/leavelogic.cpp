#include "leavelogic.h"

#include <QRegularExpression>

namespace zeran::leave {

const QStringList &kindNames()
{
    static const QStringList names = {QStringLiteral("Yıllık İzin"), QStringLiteral("Hastalık İzni"),
                                      QStringLiteral("Mazeret İzni"), QStringLiteral("Ücretsiz İzin")};
    return names;
}

QString kindName(int itur)
{
    return itur >= 1 && itur <= kindNames().size() ? kindNames().at(itur - 1) : QString();
}

int yearOfUse(const Leave &leave)
{
    return leave.BITTAR.isValid() ? leave.BITTAR.year() : 0;
}

namespace {

int daysOfYear(int year, const std::vector<Entitlement> &rows, bool withCarried)
{
    int sum = 0;
    for (const Entitlement &r : rows)
        if (r.YIL.trimmed().toInt() == year)
            sum += r.GUN + (withCarried ? r.DEVIR : 0);
    return sum;
}

int usedIn(int year, const std::vector<Leave> &leaves)
{
    int sum = 0;
    for (const Leave &l : leaves)
        if (l.ITUR == kYearlyLeave && yearOfUse(l) == year)
            sum += l.MIKTAR;
    return sum;
}

}  // namespace

Balance balance(int year, const std::vector<Entitlement> &rows, const std::vector<Leave> &leaves)
{
    Balance b;
    for (const Entitlement &r : rows) {
        const int y = r.YIL.trimmed().toInt();
        if (y < year)
            b.carried += r.GUN;
    }
    for (const Leave &l : leaves) {
        const int y = yearOfUse(l);
        if (l.ITUR == kYearlyLeave && y != 0 && y < year)
            b.carried -= l.MIKTAR;
    }
    b.current = daysOfYear(year, rows, false);
    b.used = usedIn(year, leaves);
    b.remaining = b.current + b.carried - b.used;
    return b;
}

int carriedInto(int year, const std::vector<Entitlement> &rows, const std::vector<Leave> &leaves)
{
    return daysOfYear(year - 1, rows, true) - usedIn(year - 1, leaves);
}

QString boxText(int days)
{
    return QString::number(days);
}

namespace {

std::optional<int> wholeNumber(const QString &text, int low, int high)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,4}$"));
    const QString t = text.trimmed();
    if (!digits.match(t).hasMatch())
        return std::nullopt;
    const int n = t.toInt();
    if (n < low || n > high)
        return std::nullopt;
    return n;
}

}  // namespace

std::optional<int> parseDays(const QString &text)
{
    return wholeNumber(text, 1, 366);
}

std::optional<int> parseYearDays(const QString &text)
{
    return wholeNumber(text, 0, 366);
}

std::optional<QString> checkLeave(Leave &leave, const QString &daysText)
{
    if (daysText.trimmed().isEmpty() || !leave.BASTAR.isValid() || !leave.BITTAR.isValid())
        return kMissingFields.toString();
    const auto days = parseDays(daysText);
    if (!days)
        return kBadDays.toString();
    if (leave.BITTAR < leave.BASTAR)
        return kEndBeforeStart.toString();
    if (kindName(leave.ITUR).isEmpty())
        return kBadKind.toString();
    leave.MIKTAR = *days;
    return std::nullopt;
}

QString dateText(const QDate &d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

report::Document leaveForm(const QString &institution, const FormPerson &person, const Leave &leave,
                           const QDate &today)
{
    using namespace report;
    Document doc;
    doc.orientation = Orientation::Portrait;
    doc.pageNumbers = false;
    const int head = doc.addLayout(Layout({1}, 11));
    const int text = doc.addLayout(Layout({1}, 9));
    const int sign = doc.addLayout(Layout({1, 1}, 9));
    const int field = doc.addLayout(Layout({2, 3}, 9, CaptionStyle::Inline, true));

    auto line = [](const QString &t, Align a = Align::Left, bool bold = false) {
        Row r;
        r.cells.push_back(Cell{t, {}, 0, 1, a, bold});
        return r;
    };
    auto pair = [](const QString &left, const QString &right, Align a = Align::Center) {
        Row r;
        r.cells.push_back(Cell{left, {}, 0, 1, a, false});
        r.cells.push_back(Cell{right, {}, 1, 1, a, false});
        return r;
    };
    auto lines = [&](Band &band, const QString &t) {
        const QStringList parts = QString(t).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n'));
        for (const QString &p : parts)
            band.rows.push_back(line(p));
    };

    Block block;
    Band heading{head, {}, false, false, false, 12};
    heading.rows.push_back(line(QStringLiteral("T.C"), Align::Center, true));
    heading.rows.push_back(line(institution, Align::Center, true));
    heading.rows.push_back(line(QStringLiteral("İZİN FORMU"), Align::Center, true));
    block.bands.push_back(heading);

    Band request{text, {}, false, false, false, 6};
    request.rows.push_back(line(QStringLiteral("657 Sayılı Devlet Zeranları Kanunu hükümleri uyarınca %1 "
                                               "tarihinden başlamak üzere aşağıda belirtilen süre içerisinde izin "
                                               "verilmesini müsaadelerinize arz ederim.")
                                    .arg(dateText(leave.BASTAR))));
    block.bands.push_back(request);
    Band requester{sign, {}, false, false, false, 12};
    requester.rows.push_back(pair({}, dateText(today)));
    requester.rows.push_back(pair({}, person.name));
    block.bands.push_back(requester);

    Band fields{field, {}, true, true, true, 4};
    auto f = [&](const QString &caption, const QString &value) {
        Row r;
        r.cells.push_back(Cell{caption, {}, 0, 1, Align::Left, true});
        r.cells.push_back(Cell{value, {}, 1, 1, Align::Left, false});
        fields.rows.push_back(r);
    };
    f(QStringLiteral("Adı ve Soyadı"), person.name);
    f(QStringLiteral("Görevi"), person.title);
    f(QStringLiteral("Sicil Numarası"), person.EMSNO);
    f(QStringLiteral("İzin Kullanma Olur Tarih ve Sayısı"), dateText(leave.OTAR) + QStringLiteral(" / ") + leave.OSAY);
    f(QStringLiteral("İzin Sebebi"), kindName(leave.ITUR));
    f(QStringLiteral("İzin Miktarı"), leave.MIKTAR ? QString::number(leave.MIKTAR) : QString());
    f(QStringLiteral("İzin başlama tarihi"), dateText(leave.BASTAR));
    f(QStringLiteral("İşe başlama Tarihi"), dateText(leave.BITTAR));
    const QStringList address = QString(leave.ADRES).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n'));
    for (int i = 0; i < address.size(); ++i)
        f(i == 0 ? QStringLiteral("İznin geçirileceği Adresler") : QString(), address.at(i));
    f(QStringLiteral("Telefon Numarası"), leave.TEL);
    block.bands.push_back(fields);

    Band note{text, {}, false, false, false, 8};
    note.rows.push_back(line(QStringLiteral("* İzinde bulunduğu süre içerisinde hangi adreslerde, hangi tarihler arasında "
                                            "bulunabileceği sıra ile yazılacaktır. Arandığında belirlenen adreslerde "
                                            "bulunulmadığı taktirde yasal işlem  yapılacaktır. ")));
    block.bands.push_back(note);

    Band state{text, {}, true, true, true, 10};
    state.rows.push_back(line(QStringLiteral("İZİN DURUMU"), Align::Center, true));
    lines(state, leave.NOT);
    block.bands.push_back(state);

    Band recommend{text, {}, false, false, false, 4};
    recommend.rows.push_back(line(QStringLiteral("Adı geçenin söz konusu izni kullanması hususunu uygun görüşle arz ederim.")));
    block.bands.push_back(recommend);
    Band signs{sign, {}, false, false, false, 0};
    signs.rows.push_back(pair(QStringLiteral("Birim Müdürü"), QStringLiteral("OLUR")));
    signs.rows.push_back(pair(dateText(today), dateText(today)));
    signs.rows.push_back(pair(leave.YET1, leave.YET));
    signs.rows.push_back(pair(leave.UNV1, leave.UNV));
    block.bands.push_back(signs);

    doc.body.push_back(block);
    return doc;
}

}  // namespace zeran::leave
