#include "identity.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace zeran::personnel {

bool isIdentityNumber(const QString &text)
{
    if (text.size() != 11)
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

QStringList identityFileLines(const QByteArray &content)
{
    QString text;
    QStringDecoder utf8(QStringDecoder::Utf8);
    text = utf8.decode(content);
    if (utf8.hasError()) {
        QStringDecoder turkish("windows-1254");
        text = turkish.isValid() ? QString(turkish.decode(content)) : QString::fromLatin1(content);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    // A final line end does not start another line.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &l : lines)
        l = l.trimmed();
    return lines;
}

QDate parseSlashDate(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    const QRegularExpressionMatch m = re.match(text.trimmed());
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

IdentityReading readIdentityAnswer(const QStringList &lines, const QString &asked)
{
    // Line n of the file (1-based); a short file reads as empty lines.
    auto line = [&lines](int n) { return n <= lines.size() ? lines.at(n - 1) : QString(); };

    IdentityReading r;
    const QString status = line(1);
    if (status == QLatin1String("HK1:1")) {
        r.kind = IdentityReading::Kind::QueryFailed;
        r.errorText = line(2);
        return r;
    }
    if (status != QLatin1String("HK1:0"))
        return r;
    if (line(3) != asked.trimmed()) {
        r.kind = IdentityReading::Kind::Mismatch;
        return r;
    }

    r.kind = IdentityReading::Kind::Answer;
    IdentityAnswer &a = r.answer;
    a.TCKNO = line(3);
    a.ADI = line(4);
    a.SOYADI = line(5);
    a.BABA = line(6);
    a.ANA = line(7);
    a.medeniHal = line(8);
    a.dogumTarihiText = line(9);
    a.dogumTarihi = parseSlashDate(a.dogumTarihiText);
    a.cinsiyet = line(10);
    a.dogumYeri = line(11);
    const QString address = line(12);
    if (address == QLatin1String("HK2:0")) {
        a.addressFound = true;
        a.il = line(15);
        a.ilKod = line(16);
        a.ilce = line(17);
        a.ilceKod = line(18);
        a.belde = line(19);
        a.beldeKod = line(20);
        a.koy = line(21);
        a.mahalle = line(22);
        a.mahalleKod = line(23);
        a.cadde = line(24);
        a.caddeKod = line(25);
        a.disKapi = line(26);
        a.icKapi = line(27);
    } else if (address == QLatin1String("HK2:1")) {
        a.addressError = line(13);
    }
    return r;
}

QString takeOverAddress(const IdentityAnswer &a)
{
    QStringList parts;
    for (const QString &p : {a.belde, a.koy, a.mahalle, a.cadde, a.disKapi}) {
        const QString t = p.trimmed();
        if (!t.isEmpty())
            parts << t;
    }
    QString text = parts.join(QLatin1Char(' '));
    const QString inner = a.icKapi.trimmed();
    if (!inner.isEmpty())
        text += QLatin1Char('/') + inner;
    return text;
}

}  // namespace zeran::personnel
