#include "solution/SchoolNotation.h"

#include <array>
#include <limits>

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

namespace {

// The digits DIGITS with a decimal comma after the first WHOLE of them
// (zeros added where WHOLE reaches past them or lies before the first).
std::string withComma(const std::string& digits, std::int64_t whole) {
    if (whole <= 0) return "0," + std::string(std::size_t(-whole), '0') + digits;
    if (std::size_t(whole) >= digits.size()) {
        return Grouped(digits + std::string(std::size_t(whole) - digits.size(), '0'));
    }
    return Grouped(digits.substr(0, std::size_t(whole))) + "," + digits.substr(std::size_t(whole));
}

std::string magnitudeOf(const mpz_class& n) { return Grouped(mpz_class(abs(n)).get_str()); }

std::string rootOf(const mpz_class& factor, const mpz_class& m) {
    return (abs(factor) == 1 ? std::string() : magnitudeOf(factor)) + "√" + magnitudeOf(m);
}

std::string fixed(const solver::DecimalNumber& n) {
    return n.isZero() ? "0" : withComma(n.digits, n.magnitude() + 1);
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
    number.magnitude = withComma(digits, std::int64_t(digits.size()) - places);
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

Number Decimal(const solver::DecimalNumber& rounded, int digits, bool powered) {
    if (rounded.isZero()) return {};
    Number number{rounded.negative ? -1 : 1, {}, rounded.digits == "1" && rounded.exponent == 0, false};
    const std::int64_t power = rounded.magnitude();
    if (!powered && power >= -4 && power < digits) {
        number.magnitude = withComma(rounded.digits, power + 1);
    } else {
        number.magnitude = withComma(rounded.digits, 1) + " · 10" + Superscript(power);
        number.compound = true;
    }
    return number;
}

std::string TickText(long long multiple, int exponent, bool powered) {
    const unsigned long long magnitude = multiple < 0 ? 0ULL - (unsigned long long)multiple : (unsigned long long)multiple;
    // The axis has chosen the form: its digits alone never call for a power of ten.
    return Decimal(solver::Normalised(multiple < 0, std::to_string(magnitude), exponent),
                   std::numeric_limits<int>::max(), powered).text();
}

Number Root(const mpq_class& k, const mpz_class& m) {
    if (m == 1) return Rational(k);
    const bool whole = k.get_den() == 1;
    std::string text = rootOf(k.get_num(), m) + (whole ? "" : "/" + magnitudeOf(k.get_den()));
    return {1, text, false, !whole};
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
    if (zero.u < 0) return "(x + " + SurdText({-zero.u, -zero.v, zero.w, zero.m}) + ")";
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
