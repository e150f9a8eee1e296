#pragma once

#include <gmpxx.h>

#include <string>
#include <string_view>
#include <vector>

#include "solution/ExactForms.h"
#include "solver/NumberText.h"

namespace solution {

inline constexpr std::string_view minus = "\u2212";
inline constexpr std::string_view narrowNoBreakSpace = "\u202f";

// "²", "⁻⁵", "¹⁰"
std::string Superscript(std::int64_t power);

// Whole numbers of this many digits or more stand in groups of three.
inline constexpr std::size_t groupedFrom = 5;

// The digits of a whole number in groups of three with narrow no-break
// spaces, so that a line never breaks inside it: "1 000 000"; "2000" as it is.
std::string Grouped(const std::string& whole);

// TEXT without the groups' spaces, as a radicand stands.
std::string Ungrouped(std::string text);

// A number as the worked solution writes it: its sign apart from the text
// of its magnitude, so that it can stand first, after a plus or minus, or
// in brackets as a factor.
struct Number {
    int sign = 0;
    std::string magnitude;  // "1,5", "2/3", "4√2", "1,2 · 10⁴⁵"
    bool one = false;       // exactly ±1, left out before an x
    bool compound = false;  // a fraction or a power of ten: brackets as a factor

    std::string text() const;    // "−1,5"
    std::string factor() const;  // "(−1,5)", "(2/3)", "4"
};

// A rational whose decimal ends within ten places as that decimal, any
// other as a reduced fraction. Whole numbers of five digits or more are
// grouped by three here and everywhere below: "1 000 000".
Number Rational(const mpq_class& q);

// A coefficient as the pupil typed it: a fraction stays a fraction, a
// decimal a decimal ("1e−7" as 0,0000001), with a decimal comma.
Number Typed(const solver::ReadResult& typed);

// A rounded decimal with a decimal comma, in the notation given, or in the
// one DIGITS significant digits call for: "−0,414214", "2,5 · 10⁻⁵".
Number Decimal(const solver::DecimalNumber& rounded, solver::Notation notation);
Number Decimal(const solver::DecimalNumber& rounded, int digits);

// The most digits a chart's tick number shows in full.
inline constexpr int tickDigits = 6;

// The numbers of a chart axis's ticks, multiple · 10^exponent each, in one
// notation for the whole axis: "−0,5", "2000"; "5 · 10⁻⁵" on all where one
// of them calls for a power of ten.
std::vector<std::string> TickTexts(const std::vector<long long>& multiples, int exponent);

// k√m as "√5", "4√2", "√5/2", "3√5/2"; a rational k where m is 1.
Number Root(const mpq_class& k, const mpz_class& m);

// (u ± v√m)/w as "1 − √2", "(3 − √5)/2", "√2/2", "−√2".
std::string SurdText(const Surd& x);

// The factor x − x0 for a zero written ZERO: "x" for 0, "(x − 1,5)",
// "(x + 2/3)".
std::string ZeroFactor(const Number& zero);
// The same for an exact zero; an irrational one's sum is opened where it has
// no denominator: "(x − 1 + √2)", else "(x − (3 − √5)/2)".
std::string ZeroFactor(const Surd& zero);

// One term of a sum: a coefficient times what follows it ("x²", "(x − 1)²"
// or "" for a constant).
struct Term {
    Number coefficient;
    std::string times;
};

// The terms with a non-zero coefficient, as school writes them: "2x² − 4x − 2",
// "−x² + 3", "(1/3)x²"; "0" where none is left.
std::string Sum(const std::vector<Term>& terms);

}  // namespace solution
