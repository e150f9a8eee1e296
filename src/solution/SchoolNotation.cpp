#include "solution/SchoolNotation.h"

#include <array>

#include "solver/ExactRational.h"

namespace solution {

namespace {

// A rational's decimal is written where it ends within this many places.
constexpr int decimalPlaces = 10;

}  // namespace

std::string Superscript(std::int64_t power) {
    static constexpr std::array<std::string_view, 10> digits{"⁰", "¹", "²", "³", "⁴",
                                                            "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text = power < 0 ? "⁻" : "";
    for (char ch : std::to_string(power < 0 ? -power : power)) text += digits[std::size_t(ch - '0')];
    return text;
}

std::string Grouped(const std::string& whole) {
    if (whole.size() < groupedFrom) return whole;
    std::string text;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) text += narrowNoBreakSpace;
        text += whole[i];
    }
    return text;
}

std::string Ungrouped(std::string text) {
    for (std::size_t at; (at = text.find(narrowNoBreakSpace)) != std::string::npos;) {
        text.erase(at, narrowNoBreakSpace.size());
    }
    return text;
}

namespace {

// A decimal's parts with a decimal comma, grouped, times its power of ten.
std::string written(const solver::DecimalParts& parts) {
    std::string text = Grouped(parts.whole);
    if (!parts.fraction.empty()) text += "," + parts.fraction;
    if (parts.notation == solver::Notation::PowerOfTen) text += " · 10" + Superscript(parts.power);
    return text;
}

std::string fixed(const solver::DecimalNumber& n) { return written(SplitDecimal(n, solver::Notation::Fixed)); }

std::string magnitudeOf(const mpz_class& n) { return Grouped(mpz_class(abs(n)).get_str()); }

// A radicand stands without groups: "√209 155" would read as √209 · 155.
std::string rootOf(const mpz_class& factor, const mpz_class& m) {
    return (abs(factor) == 1 ? std::string() : magnitudeOf(factor)) + "√" + m.get_str();
}

}  // namespace

std::string Number::text() const {
    if (sign == 0) return "0";
    return (sign < 0 ? std::string(minus) : std::string()) + magnitude;
}

std::string Number::factor() const { return sign < 0 || compound ? "(" + text() + ")" : text(); }

Number Rational(const mpq_class& q) {
    Number number{.sign = sgn(q), .magnitude = {}, .one = abs(q) == 1, .compound = false};
    const mpz_class& den = q.get_den();
    if (solver::PowerOfTen(decimalPlaces) % den != 0) {
        number.magnitude = magnitudeOf(q.get_num()) + "/" + magnitudeOf(den);
        number.compound = true;
        return number;
    }
    int places = 0;
    mpz_class power = 1;
    while (power % den != 0) {
        power *= 10;
        ++places;
    }
    const std::string digits = mpz_class(abs(q.get_num()) * (power / den)).get_str();
    number.magnitude = fixed(solver::Normalised(false, digits, -places));
    return number;
}

Number Typed(const solver::ReadResult& typed) {
    const solver::DecimalNumber& n = typed.number;
    if (n.isZero()) return {};
    const bool fraction = typed.hasFractionBar();
    return {.sign = n.negative ? -1 : 1,
            .magnitude = fixed(n) + (fraction ? "/" + fixed(typed.denominator) : ""),
            .one = !fraction && n.digits == "1" && n.exponent == 0,
            .compound = fraction};
}

Number Decimal(const solver::DecimalNumber& rounded, solver::Notation notation) {
    if (rounded.isZero()) return {};
    return {.sign = rounded.negative ? -1 : 1,
            .magnitude = written(SplitDecimal(rounded, notation)),
            .one = rounded.digits == "1" && rounded.exponent == 0 && notation == solver::Notation::Fixed,
            .compound = notation == solver::Notation::PowerOfTen};
}

Number Decimal(const solver::DecimalNumber& rounded, int digits) {
    return Decimal(rounded, solver::NotationFor(rounded, digits));
}

std::vector<std::string> TickTexts(const std::vector<long long>& multiples, int exponent) {
    std::vector<solver::DecimalNumber> ticks;
    auto notation = solver::Notation::Fixed;
    for (const long long k : multiples) {
        const unsigned long long magnitude = k < 0 ? 0ULL - (unsigned long long)k : (unsigned long long)k;
        ticks.push_back(solver::Normalised(k < 0, std::to_string(magnitude), exponent));
        if (solver::NotationFor(ticks.back(), tickDigits) == solver::Notation::PowerOfTen) {
            notation = solver::Notation::PowerOfTen;
        }
    }
    std::vector<std::string> texts;
    for (const solver::DecimalNumber& tick : ticks) texts.push_back(Decimal(tick, notation).text());
    return texts;
}

Number Root(const mpq_class& k, const mpz_class& m) {
    if (m == 1) return Rational(k);
    const bool whole = k.get_den() == 1;
    std::string text = rootOf(k.get_num(), m) + (whole ? "" : "/" + magnitudeOf(k.get_den()));
    return {.sign = 1, .magnitude = text, .one = false, .compound = !whole};
}

std::string SurdText(const Surd& x) {
    if (x.isRational()) return Rational(x.rational()).text();
    const std::string root = rootOf(x.v, x.m);
    const std::string over = x.w == 1 ? "" : "/" + magnitudeOf(x.w);
    if (x.u == 0) return (x.v < 0 ? std::string(minus) : "") + root + over;
    const std::string sum =
        (x.u < 0 ? std::string(minus) : "") + magnitudeOf(x.u) + (x.v < 0 ? " − " : " + ") + root;
    return x.w == 1 ? sum : "(" + sum + ")" + over;
}

std::string ZeroFactor(const Number& zero) {
    if (zero.sign == 0) return "x";
    return (zero.sign > 0 ? "(x − " : "(x + ") + zero.magnitude + ")";
}

std::string ZeroFactor(const Surd& zero) {
    if (zero.isRational()) return ZeroFactor(Rational(zero.rational()));
    const std::string root = rootOf(zero.v, zero.m);
    // x − (u + v√m)/w: opened where that leaves no fraction behind.
    if (zero.w == 1 || zero.u == 0) {
        const std::string over = zero.w == 1 ? "" : "/" + magnitudeOf(zero.w);
        std::string factor = "(x";
        if (zero.u != 0) factor += (zero.u > 0 ? " − " : " + ") + magnitudeOf(zero.u);
        return factor + (zero.v > 0 ? " − " : " + ") + root + over + ")";
    }
    // x − (−3 + √21)/2 is written x + (3 − √21)/2.
    if (zero.u < 0) return "(x + " + SurdText({.u = -zero.u, .v = -zero.v, .w = zero.w, .m = zero.m}) + ")";
    return "(x − " + SurdText(zero) + ")";
}

std::string Sum(const std::vector<Term>& terms) {
    std::string sum;
    for (const Term& term : terms) {
        const Number& k = term.coefficient;
        if (k.sign == 0) continue;
        if (sum.empty()) {
            if (k.sign < 0) sum += minus;
        } else {
            sum += k.sign < 0 ? " − " : " + ";
        }
        if (term.times.empty()) {
            sum += k.magnitude;
        } else if (!k.one) {
            sum += k.compound ? "(" + k.magnitude + ")" : k.magnitude;
        }
        sum += term.times;
    }
    return sum.empty() ? "0" : sum;
}

}  // namespace solution
