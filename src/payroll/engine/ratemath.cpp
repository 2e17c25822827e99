#include "ratemath.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <system_error>

namespace zeran::engine {

namespace {

__extension__ typedef __int128 i128;
__extension__ typedef unsigned __int128 u128;

constexpr i128 kInt64Max = std::numeric_limits<std::int64_t>::max();

// A finite double as its shortest decimal: value = mantissa × 10^exponent.
struct Decimal {
    i128 mantissa = 0;
    int exponent = 0;
};

Decimal decompose(double v)
{
    if (!std::isfinite(v))
        throw MoneyInvalidRate("rate is not a finite number");
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    const char *p = buf;
    const char *end = res.ptr;
    bool negative = false;
    if (p < end && *p == '-') {
        negative = true;
        ++p;
    }
    Decimal d;
    int fractionDigits = 0;
    bool inFraction = false;
    for (; p < end && *p != 'e'; ++p) {
        if (*p == '.') {
            inFraction = true;
            continue;
        }
        d.mantissa = d.mantissa * 10 + (*p - '0');
        if (inFraction)
            ++fractionDigits;
    }
    int exp10 = 0;
    if (p < end && *p == 'e') {
        ++p;
        if (p < end && *p == '+')
            ++p;
        std::from_chars(p, end, exp10);
    }
    d.exponent = exp10 - fractionDigits;
    if (negative)
        d.mantissa = -d.mantissa;
    return d;
}

// The double nearest to mantissa × 10^exponent.
double compose(i128 mantissa, int exponent)
{
    const bool negative = mantissa < 0;
    u128 m = negative ? u128(-mantissa) : u128(mantissa);
    char digits[64];
    int n = 0;
    do {
        digits[n++] = char('0' + int(m % 10));
        m /= 10;
    } while (m != 0);
    char text[96];
    int t = 0;
    if (negative)
        text[t++] = '-';
    while (n > 0)
        text[t++] = digits[--n];
    t += std::snprintf(text + t, sizeof text - std::size_t(t), "e%d", exponent);
    double out = 0;
    std::from_chars(text, text + t, out);
    return out;
}

i128 pow10(int n)
{
    i128 p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

/// A rate as num / den with den a power of ten; nullopt when it does not fit 64 bits.
struct Fraction {
    i128 num = 0;
    i128 den = 1;
};

std::optional<Fraction> toFraction(double rate)
{
    const Decimal d = decompose(rate);
    if (d.exponent > 18 || d.exponent < -18)
        return std::nullopt;
    Fraction f;
    if (d.exponent >= 0)
        f.num = d.mantissa * pow10(d.exponent);
    else {
        f.num = d.mantissa;
        f.den = pow10(-d.exponent);
    }
    if (f.num > kInt64Max || -f.num > kInt64Max)
        return std::nullopt;
    return f;
}

/// The fraction of a rate, from a small per-thread cache keyed by the double's bits.
std::optional<Fraction> fractionOf(double rate)
{
    struct Entry {
        std::uint64_t bits = 0;
        bool used = false;
        std::optional<Fraction> fraction;
    };
    thread_local std::array<Entry, 128> cache{};
    const auto bits = std::bit_cast<std::uint64_t>(rate);
    Entry &e = cache[(bits ^ (bits >> 29) ^ (bits >> 47)) & 127];
    if (!e.used || e.bits != bits) {
        e.bits = bits;
        e.used = true;
        e.fraction = toFraction(rate);
    }
    return e.fraction;
}

bool fits(i128 v)
{
    return v <= kInt64Max && -v <= kInt64Max;
}

/// amount × num ÷ den, one rounding; nullopt when num or den do not fit 64 bits.
std::optional<Money> apply(Money amount, i128 num, i128 den)
{
    if (!fits(num) || !fits(den))
        return std::nullopt;
    return amount.mulDiv(std::int64_t(num), std::int64_t(den));
}

std::optional<Fraction> times(const std::optional<Fraction> &a, const std::optional<Fraction> &b)
{
    if (!a || !b)
        return std::nullopt;
    // Each part is below 2^63: the products stay below 2^126.
    const Fraction f{a->num * b->num, a->den * b->den};
    if (!fits(f.num) || !fits(f.den))
        return std::nullopt;
    return f;
}

}  // namespace

double shiftDecimal(double value, int places)
{
    const Decimal d = decompose(value);
    return compose(d.mantissa, d.exponent + places);
}

Money applyRate(Money amount, double rate)
{
    if (const auto f = fractionOf(rate))
        return *apply(amount, f->num, f->den);
    return amount.mulRate(rate);
}

Money applyRateDiv(Money amount, double rate, std::int64_t divisor)
{
    if (const auto f = fractionOf(rate); f && divisor != 0) {
        if (const auto m = apply(amount, f->num, f->den * divisor))
            return *m;
    }
    return amount.mulRateDiv(rate, divisor);
}

Money rateProduct(double a, double b)
{
    if (const auto f = times(fractionOf(a), fractionOf(b))) {
        if (const auto m = apply(Money::fromUnits(1), f->num, f->den))
            return *m;
    }
    return Money::fromRateProduct(a, b);
}

Money rateProduct(long long n, double a, double b)
{
    if (const auto f = times(fractionOf(a), fractionOf(b))) {
        if (const auto m = apply(Money::fromUnits(n), f->num, f->den))
            return *m;
    }
    // Out of 64 bits (rates of many digits): n × a is formed in decimal first.
    const Decimal d = decompose(a);
    return Money::fromRateProduct(compose(d.mantissa * n, d.exponent), b);
}

Money applyRateSum(Money amount, std::initializer_list<double> rates)
{
    Fraction sum;
    bool exact = true;
    for (double r : rates) {
        const auto f = fractionOf(r);
        if (!f || !exact) {
            exact = false;
            break;
        }
        // Bring both to the larger power of ten (dens are powers of ten).
        const i128 den = f->den > sum.den ? f->den : sum.den;
        sum.num = sum.num * (den / sum.den) + f->num * (den / f->den);
        sum.den = den;
        if (!fits(sum.num))
            exact = false;
    }
    if (exact) {
        if (const auto m = apply(amount, sum.num, sum.den))
            return *m;
    }
    // Added in decimal through text when the fractions do not fit: still one rounding.
    Decimal total;
    for (double r : rates) {
        const Decimal d = decompose(r);
        const int e = d.exponent < total.exponent ? d.exponent : total.exponent;
        total.mantissa = total.mantissa * pow10(total.exponent - e) + d.mantissa * pow10(d.exponent - e);
        total.exponent = e;
    }
    return amount.mulRate(compose(total.mantissa, total.exponent));
}

}  // namespace zeran::engine
