#pragma once

// Fixed-point money for the payroll engine.
//
// An amount is a signed 64-bit count of ten-thousandths of a lira. Doubles are
// never used for amounts: a rate (a coefficient, a percentage) is a double, but
// it is read as the shortest decimal that round-trips it (what the clerk typed),
// and every product or quotient is computed exactly in integers and rounded
// once to four decimals, ties to even. Overflow is an error, never a wrap.

#include <QString>
#include <QStringView>

#include <compare>
#include <concepts>
#include <cstdint>
#include <optional>
#include <stdexcept>

namespace zeran {

/// Thrown when a result does not fit the 64-bit range of Money
/// (about ±922 trillion lira). The operand is left unchanged.
class MoneyOverflow : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};

/// Thrown on division by a zero integer, zero rate or zero amount.
class MoneyDivideByZero : public std::domain_error {
public:
    using std::domain_error::domain_error;
};

/// Thrown when a rate or stored double is NaN or infinite: it has no decimal
/// value, so no amount can be derived from it.
class MoneyInvalidRate : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

class Money {
public:
    /// Ten-thousandths per lira.
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() noexcept = default;

    // ---- Construction ------------------------------------------------------

    /// From a count of ten-thousandths (the stored representation).
    static constexpr Money fromRaw(std::int64_t raw) noexcept { return Money(raw); }
    /// From whole lira; throws MoneyOverflow.
    static Money fromUnits(std::int64_t lira);
    /// From kuruş (hundredths); throws MoneyOverflow.
    static Money fromKurus(std::int64_t kurus);

    /// From a value read out of a DOUBLE PRECISION column. The double is read
    /// as its shortest round-trip decimal (1234.56 is 1234.56, not the binary
    /// value just below it); digits beyond the fourth decimal are rounded ties
    /// to even at the fourth (0.00005 -> 0.0000, 0.00015 -> 0.0002).
    /// Throws MoneyInvalidRate for NaN/infinity, MoneyOverflow when too large.
    static Money fromDbDouble(double stored);
    /// An amount read from a single-precision FLOAT column (the pay record's input amounts).
    /// Qt hands such a value over as a double; pass it as float (exact). The amount is the
    /// float's exact value rounded to the kuruş, halves away from zero: 12345.669921875 is
    /// 12345.67, and 2970430.25 (held exactly) keeps its 25 kuruş. Throws MoneyInvalidRate
    /// for NaN/infinity, MoneyOverflow when too large.
    static Money fromDbFloat(float stored);
    /// True when a FLOAT column can hold this amount to the kuruş, i.e. it reads back the same
    /// through fromDbFloat (200.000,01 cannot: the nearest float reads 200.000,02).
    bool fitsDbFloat() const;

    /// The exact product of two rates as an amount, rounded once to four
    /// decimals ties to even (for amounts defined as rate × rate, such as an
    /// indicator times a coefficient). Same exceptions as fromDbDouble.
    static Money fromRateProduct(double a, double b);

    // Guard against silently truncating a double into an integer argument.
    template <std::floating_point F> static Money fromRaw(F) = delete;
    template <std::floating_point F> static Money fromUnits(F) = delete;
    template <std::floating_point F> static Money fromKurus(F) = delete;

    // ---- Access ------------------------------------------------------------

    constexpr std::int64_t raw() const noexcept { return m_raw; }
    constexpr bool isZero() const noexcept { return m_raw == 0; }
    constexpr bool isNegative() const noexcept { return m_raw < 0; }

    /// ONLY for binding to DOUBLE PRECISION columns and similar outside
    /// interfaces. Gives the double nearest to the decimal value, so
    /// fromDbDouble(m.toDouble()) == m for every amount below 2^53 ten-thousandths
    /// (about 900 billion lira). Never compute with the result.
    double toDouble() const noexcept;

    // ---- Exact arithmetic (throws MoneyOverflow) ---------------------------

    friend constexpr bool operator==(Money, Money) noexcept = default;
    friend constexpr std::strong_ordering operator<=>(Money, Money) noexcept = default;

    Money operator-() const;
    Money abs() const;
    friend Money operator+(Money a, Money b);
    friend Money operator-(Money a, Money b);
    Money &operator+=(Money other);
    Money &operator-=(Money other);

    // ---- Products and quotients: exact, then ONE rounding to four decimals,
    //      ties to even. Throw MoneyOverflow / MoneyDivideByZero /
    //      MoneyInvalidRate (non-finite rate).

    /// amount × n
    Money mul(std::int64_t n) const;
    /// amount ÷ d
    Money divInt(std::int64_t d) const;
    /// amount × num ÷ den (e.g. two thirds of an amount: mulDiv(2, 3)).
    Money mulDiv(std::int64_t num, std::int64_t den) const;
    /// amount × rate, the rate read as its shortest decimal.
    Money mulRate(double rate) const;
    /// amount × rate ÷ divisor, e.g. amount × percent ÷ 100, rounded once.
    Money mulRateDiv(double rate, std::int64_t divisor) const;
    /// amount ÷ rate, the rate read as its shortest decimal.
    Money divRate(double rate) const;
    /// amount × numerator ÷ denominator, for sharing an amount in the
    /// proportion of two other amounts.
    Money mulRatio(Money numerator, Money denominator) const;

    // A float rate would be read through its binary value (0.1f is
    // 0.100000001…): rates are doubles.
    template <std::same_as<float> F> Money mulRate(F) const = delete;
    template <std::same_as<float> F> Money mulRateDiv(F, std::int64_t) const = delete;
    template <std::same_as<float> F> Money divRate(F) const = delete;
    template <std::floating_point F> Money mul(F) const = delete;     // use mulRate
    template <std::floating_point F> Money divInt(F) const = delete;  // use divRate
    template <std::floating_point F, typename G> Money mulDiv(F, G) const = delete;
    template <typename G, std::floating_point F> Money mulDiv(G, F) const = delete;

    // ---- Payroll rounding routines ----------------------------------------

    /// YUVARLA1: two decimals, halves away from zero (12.345 -> 12.35,
    /// -12.345 -> -12.35); zero stays zero.
    Money yuvarla1() const;
    /// YUVARLA2: whole lira, halves away from zero (12.5 -> 13, -12.5 -> -13).
    Money yuvarla2() const;
    /// YUVARLA: the shell's whole-unit rounding; identical to yuvarla2().
    Money yuvarla() const { return yuvarla2(); }

    /// GUNHES: prorate a monthly amount to `days` of a 31-day month.
    /// Computed as the single exact quotient amount × days ÷ 31, rounded once
    /// to four decimals ties to even. Dividing first and rounding the
    /// intermediate would make 31 days change the amount (1000 ÷ 31 × 31 =
    /// 1000.0011); the single quotient keeps 31 days exact. Zero stays zero.
    Money gunhes(int days) const { return prorate(days, 31); }
    /// amount × days ÷ monthDays with one rounding (proration by a typed
    /// month length). Throws MoneyDivideByZero when monthDays is 0.
    Money prorate(int days, int monthDays) const;

    // ---- Text --------------------------------------------------------------

    /// "#,0.00" Turkish style: "1.234,56", "-1.234,56". Rounded half away
    /// from zero to two decimals for display; a value showing as zero has
    /// no minus sign ("0,00").
    QString toText() const;
    /// All four decimals, Turkish style: "1.234,5600".
    QString toText4() const;
    /// Machine form for JSON/CLI: no grouping, '.' as decimal point,
    /// `decimals` clamped to 0..4, rounded half away from zero:
    /// toPlain(4) "1234.5600", toPlain(2) "1234.56", toPlain(0) "1235".
    QString toPlain(int decimals = 4) const;

    /// Parse an amount typed by a clerk. Surrounding white space is ignored,
    /// one leading '-' is allowed, digits are ASCII only, at most four
    /// decimals. Separators:
    ///  - both '.' and ',': Turkish form, '.' groups thousands (1–3 digits,
    ///    then groups of exactly 3) and one ',' marks decimals: "1.234,56";
    ///  - only ',': exactly one, the decimal comma: "1234,56";
    ///  - only '.': thousands grouping when the text is properly grouped
    ///    ("1.234" is 1234, "1.234.567" is 1234567); otherwise one '.' is a
    ///    decimal point ("1234.56", "1.2345");
    ///  - no separator: whole lira.
    /// A separator needs digits on both sides. Anything else, more than four
    /// decimals or a value out of range gives nullopt.
    static std::optional<Money> parse(QStringView text);

    /// Parse the machine form written by toPlain: optional '-', digits, and
    /// optionally '.' followed by 1–4 digits. '.' is always the decimal point.
    static std::optional<Money> parsePlain(QStringView text);

private:
    constexpr explicit Money(std::int64_t raw) noexcept : m_raw(raw) {}
    std::int64_t m_raw = 0;
};

/// The shortest decimal text ('.' as decimal point, no exponent) that reads
/// back as the same double: 15.848415 -> "15.848415", 0.1 -> "0.1",
/// 1e-05 -> "0.00001". This is the value the amount arithmetic uses for a rate.
/// Empty for NaN and infinity.
QString shortestDecimal(double value);

/// A number in its plain Turkish form: "12,5", "0,125", "1500" (no grouping, no trailing
/// zeros): points, days, percentages and rates as the screens show them.
QString plainNumberText(Money value);

} // namespace zeran
