#include "amountwords.h"

#include <array>
#include <stdexcept>

namespace zeran::general {

namespace {

constexpr qsizetype kLiraPositions = 12;  // up to 999 milyar
constexpr qsizetype kKurusCharacters = 4;

// Indexed by a digit; digit 0 says nothing.
const std::array<const char *, 10> kUnits = {"", "Bir", "İki", "Üç", "Dört", "Beş", "Altı", "Yedi", "Sekiz", "Dokuz"};
const std::array<const char *, 10> kTens = {"", "On", "Yirmi", "Otuz", "Kırk", "Elli", "Altmış", "Yetmiş", "Seksen", "Doksan"};
const std::array<const char *, 10> kHundreds = {"",        "Yüz",     "İkiyüz",    "Üçyüz",    "Dörtyüz",
                                                "Beşyüz",  "Altıyüz", "Yediyüz",   "Sekizyüz", "Dokuzyüz"};

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int digitOf(QChar c)
{
    return isAsciiDigit(c) ? c.unicode() - '0' : 0;
}

QString word(const std::array<const char *, 10> &table, int digit)
{
    return QString::fromUtf8(table[std::size_t(digit)]);
}

}  // namespace

QString amountText(Money amount)
{
    // toPlain(2) is "1234.56" / "0.50" / "-0.50"; "#.00" writes no zero before the comma.
    QString plain = amount.toPlain(2);
    const qsizetype dot = plain.indexOf(QLatin1Char('.'));
    QString lira = plain.left(dot);
    const QString kurus = plain.mid(dot + 1);
    if (lira == QLatin1String("0"))
        lira.clear();
    else if (lira == QLatin1String("-0"))
        lira = QStringLiteral("-");
    return lira + QLatin1Char(',') + kurus;
}

bool isAmountText(QStringView text)
{
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    const QStringView lira = comma < 0 ? text : text.left(comma);
    const QStringView kurus = comma < 0 ? QStringView() : text.mid(comma + 1);
    if (lira.size() > kLiraPositions || lira.size() + kurus.size() == 0)
        return false;
    for (QChar c : lira)
        if (!isAsciiDigit(c))
            return false;
    for (QChar c : kurus)
        if (!isAsciiDigit(c))
            return false;
    return true;
}

QString yaziyla(QStringView text)
{
    if (!isAmountText(text))
        throw std::invalid_argument("YAZIYLA: not an amount text: " + text.toString().toStdString());

    const qsizetype comma = text.indexOf(QLatin1Char(','));
    const QStringView lira = comma < 0 ? text : text.left(comma);
    const QStringView kurus = comma < 0 ? QStringView() : text.mid(comma + 1).left(kKurusCharacters);

    // Positions 1..12 of the lira digits right-aligned; a position left of them reads 0.
    const qsizetype n = lira.size();
    auto digit = [&](qsizetype position) {
        const qsizetype i = position - 1 - (kLiraPositions - n);
        return i < 0 ? 0 : digitOf(lira[i]);
    };
    auto hundreds = [&](qsizetype p) { return word(kHundreds, digit(p)); };
    auto tens = [&](qsizetype p) { return word(kTens, digit(p)); };
    auto units = [&](qsizetype p) { return word(kUnits, digit(p)); };
    auto groupIsZero = [&](qsizetype p) { return digit(p) == 0 && digit(p + 1) == 0 && digit(p + 2) == 0; };

    QString words;
    if (n > 9) {
        words += hundreds(1) + tens(2) + units(3);
        if (!groupIsZero(1))
            words += QStringLiteral("Milyar");
    }
    if (n > 6) {
        words += hundreds(4) + tens(5) + units(6);
        if (!groupIsZero(4))
            words += QStringLiteral("Milyon");
    }
    if (n > 3) {
        words += hundreds(7) + tens(8);
        // A thousands group of exactly one reads "Bin", never "BirBin".
        if (!(digit(7) == 0 && digit(8) == 0 && digit(9) == 1))
            words += units(9);
        if (!groupIsZero(7))
            words += QStringLiteral("Bin");
    }
    if (n > 0)
        words += hundreds(10) + tens(11) + units(12);
    if (words.isEmpty())
        words = QStringLiteral("Sıfır");

    QString kurusWords;
    if (!kurus.isEmpty()) {
        QString k = kurus.left(2).toString();
        while (k.size() < 2)
            k.prepend(QLatin1Char('-'));
        kurusWords = word(kTens, digitOf(k[0])) + word(kUnits, digitOf(k[1]));
    }
    if (kurusWords.isEmpty())
        return words + QStringLiteral(".TL");
    return words + QStringLiteral(".TL ") + kurusWords + QStringLiteral(".KR");
}

QString yaziyla(Money amount)
{
    if (amount.isNegative())
        throw std::invalid_argument("YAZIYLA: negative amount " + amount.toPlain(2).toStdString());
    return yaziyla(amountText(amount));
}

}  // namespace zeran::general
