#include "money.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace zeran {

namespace {

// GCC/Clang 128-bit integers; __extension__ keeps -Wpedantic quiet.
__extension__ typedef unsigned __int128 u128;

constexpr std::uint64_t kMaxMagnitudePositive = std::uint64_t(std::numeric_limits<std::int64_t>::max());
constexpr std::uint64_t kMaxMagnitudeNegative = kMaxMagnitudePositive + 1; // |INT64_MIN|
constexpr u128 kU128Max = ~u128(0);

[[noreturn]] void throwOverflow()
{
    throw MoneyOverflow("Money: result out of range");
}

[[noreturn]] void throwDivideByZero()
{
    throw MoneyDivideByZero("Money: division by zero");
}

std::uint64_t magnitude(std::int64_t v) noexcept
{
    return v < 0 ? std::uint64_t(0) - std::uint64_t(v) : std::uint64_t(v);
}

// A finite double read as its shortest round-trip decimal:
// value = (negative ? -1 : 1) × digits × 10^exponent, digits < 10^17.
struct Decimal {
    bool negative = false;
    std::uint64_t digits = 0;
    int exponent = 0;
};

template <typename F>
Decimal decompose(F v)
{
    if (!std::isfinite(v))
        throw MoneyInvalidRate("Money: rate is not a finite number");
    // Shortest round-trip form in scientific notation, e.g. "-1.5848415e+01".
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    const char *p = buf;
    const char *end = res.ptr;
    Decimal d;
    if (p < end && *p == '-') {
        d.negative = true;
        ++p;
    }
    int fractionDigits = 0;
    bool inFraction = false;
    for (; p < end && *p != 'e'; ++p) {
        if (*p == '.') {
            inFraction = true;
            continue;
        }
        d.digits = d.digits * 10 + std::uint64_t(*p - '0');
        if (inFraction)
            ++fractionDigits;
    }
    int exp10 = 0;
    if (p < end && *p == 'e') {
        ++p;
        if (*p == '+')
            ++p;
        std::from_chars(p, end, exp10);
    }
    d.exponent = exp10 - fractionDigits;
    return d;
}

// Round (negative ? -1 : 1) × num × 10^exp10 ÷ den to an integer, ties to
// even, exactly. Preconditions: num ≤ 2^126 (a product of two 64-bit
// magnitudes), den ≥ 1, and den < 2^64 whenever exp10 > 0.
std::int64_t roundQuotient(bool negative, u128 num, int exp10, u128 den)
{
    if (num == 0)
        return 0;
    for (; exp10 > 0; --exp10) {
        // num would pass 2^128 while den < 2^64: the quotient exceeds 2^64.
        if (num > kU128Max / 10)
            throwOverflow();
        num *= 10;
    }
    for (; exp10 < 0; ++exp10) {
        // den × 10 would pass 2^128 > 2 × num: the quotient is below one half.
        if (den > kU128Max / 10)
            return 0;
        den *= 10;
    }
    u128 q = num / den;
    const u128 r = num % den;
    const u128 rest = den - r; // distance to the next integer, in den units
    if (r > rest || (r == rest && (q & 1) != 0))
        ++q;
    if (q > (negative ? kMaxMagnitudeNegative : kMaxMagnitudePositive))
        throwOverflow();
    const auto m = std::uint64_t(q);
    return negative ? std::int64_t(std::uint64_t(0) - m) : std::int64_t(m);
}

// Round to a multiple of `unit` (100 for kuruş, 10000 for lira), halves away
// from zero.
std::int64_t roundHalfAway(std::int64_t raw, std::int64_t unit)
{
    std::int64_t q = raw / unit;
    const std::int64_t r = raw % unit;
    if (2 * (r < 0 ? -r : r) >= unit)
        q += raw < 0 ? -1 : 1;
    std::int64_t out = 0;
    if (__builtin_mul_overflow(q, unit, &out))
        throwOverflow();
    return out;
}

std::int64_t checkedMul(std::int64_t a, std::int64_t b)
{
    std::int64_t out = 0;
    if (__builtin_mul_overflow(a, b, &out))
        throwOverflow();
    return out;
}

constexpr std::uint64_t kPow10[] = {1, 10, 100, 1000, 10000};

// Render with `decimals` decimals (0..4), halves away from zero.
// groupSep may be null for no grouping.
QString format(std::int64_t raw, int decimals, QChar groupSep, QChar decimalSep)
{
    const std::uint64_t unit = kPow10[4 - decimals];
    const std::uint64_t mag = magnitude(raw);
    std::uint64_t scaled = mag / unit;
    if ((mag % unit) * 2 >= unit)
        ++scaled;
    const std::uint64_t intPart = scaled / kPow10[decimals];
    const std::uint64_t fracPart = scaled % kPow10[decimals];

    const QString digits = QString::number(intPart);
    QString out;
    out.reserve(digits.size() + digits.size() / 3 + decimals + 2);
    if (raw < 0 && scaled != 0)
        out += QLatin1Char('-');
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (!groupSep.isNull() && i > 0 && (digits.size() - i) % 3 == 0)
            out += groupSep;
        out += digits[i];
    }
    if (decimals > 0) {
        out += decimalSep;
        out += QString::number(fracPart).rightJustified(decimals, QLatin1Char('0'));
    }
    return out;
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool allDigits(QStringView s)
{
    for (QChar c : s)
        if (!isAsciiDigit(c))
            return false;
    return true;
}

// "1", "12", "123", then groups of exactly three digits separated by '.'.
bool isGroupedInteger(QStringView s)
{
    const qsizetype firstDot = s.indexOf(QLatin1Char('.'));
    if (firstDot < 1 || firstDot > 3)
        return false;
    if (!allDigits(s.first(firstDot)))
        return false;
    QStringView rest = s.sliced(firstDot); // ".ddd.ddd..."
    if (rest.size() % 4 != 0)
        return false;
    for (qsizetype i = 0; i < rest.size(); i += 4) {
        if (rest[i] != QLatin1Char('.') || !allDigits(rest.sliced(i + 1, 3)))
            return false;
    }
    return true;
}

// Combine validated ASCII digit runs into a Money; nullopt when out of range.
std::optional<Money> compose(bool negative, QStringView intDigits, QStringView fracDigits)
{
    if (intDigits.isEmpty() || fracDigits.size() > 4)
        return std::nullopt;
    const std::uint64_t limit = negative ? kMaxMagnitudeNegative : kMaxMagnitudePositive;
    u128 mag = 0;
    for (QChar c : intDigits) {
        if (c == QLatin1Char('.'))
            continue; // thousands separator, already validated
        mag = mag * 10 + u128(c.unicode() - '0');
        if (mag > limit) // keeps mag small; the scaled value is larger still
            return std::nullopt;
    }
    std::uint64_t frac = 0;
    for (QChar c : fracDigits)
        frac = frac * 10 + std::uint64_t(c.unicode() - '0');
    frac *= kPow10[4 - fracDigits.size()];
    mag = mag * u128(Money::kScale) + frac;
    if (mag > limit)
        return std::nullopt;
    const auto m = std::uint64_t(mag);
    return Money::fromRaw(negative ? std::int64_t(std::uint64_t(0) - m) : std::int64_t(m));
}

// Strip surrounding white space and one leading '-'.
QStringView stripSign(QStringView text, bool &negative)
{
    QStringView s = text.trimmed();
    negative = s.startsWith(QLatin1Char('-'));
    if (negative)
        s = s.sliced(1);
    return s;
}

} // namespace

// ---- Construction -----------------------------------------------------------

Money Money::fromUnits(std::int64_t lira)
{
    return Money(checkedMul(lira, kScale));
}

Money Money::fromKurus(std::int64_t kurus)
{
    return Money(checkedMul(kurus, 100));
}

Money Money::fromDbDouble(double stored)
{
    const Decimal d = decompose(stored);
    return Money(roundQuotient(d.negative, d.digits, d.exponent + 4, 1));
}

Money Money::fromDbFloat(float stored)
{
    // Not the float's shortest text: above 2^21 that drops a kuruş the float does hold
    // (2970430.25 would read as 2970430.2). A float has 24 significant bits, so the product
    // with 100 is exact in double precision and one rounding gives the kuruş.
    if (!std::isfinite(stored))
        throw MoneyInvalidRate("FLOAT değeri sayı değil");
    const double kurus = std::round(double(stored) * 100.0);
    if (std::fabs(kurus) >= 9.2e16)
        throwOverflow();
    return fromKurus(std::int64_t(kurus));
}

bool Money::fitsDbFloat() const
{
    if (m_raw % 100 != 0)
        return false;  // more than two decimals never survive
    const float stored = float(toDouble());
    return std::isfinite(stored) && fromDbFloat(stored) == *this;
}

Money Money::fromRateProduct(double a, double b)
{
    const Decimal da = decompose(a);
    const Decimal db = decompose(b);
    // Both mantissas are below 10^17, so their product stays below 2^113.
    return Money(roundQuotient(da.negative != db.negative, u128(da.digits) * db.digits,
                               da.exponent + db.exponent + 4, 1));
}

double Money::toDouble() const noexcept
{
    // Both operands are exact doubles below 2^53 and IEEE division rounds
    // correctly, so this is the double nearest the decimal value.
    return double(m_raw) / double(kScale);
}

// ---- Arithmetic ---------------------------------------------------------------

Money Money::operator-() const
{
    if (m_raw == std::numeric_limits<std::int64_t>::min())
        throwOverflow();
    return Money(-m_raw);
}

Money Money::abs() const
{
    return m_raw < 0 ? -*this : *this;
}

Money operator+(Money a, Money b)
{
    std::int64_t out = 0;
    if (__builtin_add_overflow(a.m_raw, b.m_raw, &out))
        throwOverflow();
    return Money(out);
}

Money operator-(Money a, Money b)
{
    std::int64_t out = 0;
    if (__builtin_sub_overflow(a.m_raw, b.m_raw, &out))
        throwOverflow();
    return Money(out);
}

Money &Money::operator+=(Money other)
{
    *this = *this + other; // assigned only when the sum fits
    return *this;
}

Money &Money::operator-=(Money other)
{
    *this = *this - other;
    return *this;
}

Money Money::mul(std::int64_t n) const
{
    return Money(checkedMul(m_raw, n));
}

Money Money::divInt(std::int64_t d) const
{
    return mulDiv(1, d);
}

Money Money::mulDiv(std::int64_t num, std::int64_t den) const
{
    if (den == 0)
        throwDivideByZero();
    const bool negative = ((m_raw < 0) != (num < 0)) != (den < 0);
    return Money(roundQuotient(negative, u128(magnitude(m_raw)) * magnitude(num), 0, magnitude(den)));
}

Money Money::mulRate(double rate) const
{
    return mulRateDiv(rate, 1);
}

Money Money::mulRateDiv(double rate, std::int64_t divisor) const
{
    const Decimal d = decompose(rate);
    if (divisor == 0)
        throwDivideByZero();
    const bool negative = ((m_raw < 0) != d.negative) != (divisor < 0);
    return Money(roundQuotient(negative, u128(magnitude(m_raw)) * d.digits, d.exponent,
                               magnitude(divisor)));
}

Money Money::divRate(double rate) const
{
    const Decimal d = decompose(rate);
    if (d.digits == 0)
        throwDivideByZero();
    // amount ÷ (digits × 10^e) = amount × 10^-e ÷ digits
    const bool negative = (m_raw < 0) != d.negative;
    return Money(roundQuotient(negative, magnitude(m_raw), -d.exponent, d.digits));
}

Money Money::mulRatio(Money numerator, Money denominator) const
{
    return mulDiv(numerator.m_raw, denominator.m_raw);
}

// ---- Rounding routines ---------------------------------------------------

Money Money::yuvarla1() const
{
    return Money(roundHalfAway(m_raw, 100));
}

Money Money::yuvarla2() const
{
    return Money(roundHalfAway(m_raw, kScale));
}

Money Money::prorate(int days, int monthDays) const
{
    return mulDiv(days, monthDays);
}

// ---- Text -----------------------------------------------------------------

QString Money::toText() const
{
    return format(m_raw, 2, QLatin1Char('.'), QLatin1Char(','));
}

QString Money::toText4() const
{
    return format(m_raw, 4, QLatin1Char('.'), QLatin1Char(','));
}

QString Money::toPlain(int decimals) const
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > 4)
        decimals = 4;
    return format(m_raw, decimals, QChar(), QLatin1Char('.'));
}

std::optional<Money> Money::parse(QStringView text)
{
    bool negative = false;
    const QStringView s = stripSign(text, negative);
    for (QChar c : s)
        if (!isAsciiDigit(c) && c != QLatin1Char('.') && c != QLatin1Char(','))
            return std::nullopt;

    const qsizetype comma = s.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        if (s.indexOf(QLatin1Char(','), comma + 1) >= 0)
            return std::nullopt;
        const QStringView intPart = s.first(comma);
        const QStringView fracPart = s.sliced(comma + 1);
        if (fracPart.isEmpty() || !allDigits(fracPart))
            return std::nullopt;
        if (intPart.contains(QLatin1Char('.')) ? !isGroupedInteger(intPart) : !allDigits(intPart))
            return std::nullopt;
        return compose(negative, intPart, fracPart);
    }

    const qsizetype dot = s.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return compose(negative, s, {});
    if (isGroupedInteger(s))
        return compose(negative, s, {});
    if (s.indexOf(QLatin1Char('.'), dot + 1) >= 0)
        return std::nullopt;
    const QStringView fracPart = s.sliced(dot + 1);
    if (fracPart.isEmpty())
        return std::nullopt;
    return compose(negative, s.first(dot), fracPart);
}

std::optional<Money> Money::parsePlain(QStringView text)
{
    bool negative = false;
    const QStringView s = stripSign(text, negative);
    const qsizetype dot = s.indexOf(QLatin1Char('.'));
    const QStringView intPart = dot < 0 ? s : s.first(dot);
    const QStringView fracPart = dot < 0 ? QStringView() : s.sliced(dot + 1);
    if (!allDigits(intPart) || !allDigits(fracPart) || (dot >= 0 && fracPart.isEmpty()))
        return std::nullopt;
    return compose(negative, intPart, fracPart);
}

QString plainNumberText(Money value)
{
    QString s = value.toPlain(4);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString shortestDecimal(double value)
{
    if (!std::isfinite(value))
        return {};
    char buf[400]; // the longest fixed form of a double is about 330 characters
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    if (res.ec != std::errc())
        return {};
    return QString::fromLatin1(buf, res.ptr - buf);
}

} // namespace zeran
