#include "solution/Facts.h"

#include <algorithm>
#include <tuple>

#include "solution/ExactForms.h"
#include "solver/ExactReal.h"

namespace solution {

namespace {

// Digits shown of an irrational zero's approximation beside its exact form.
constexpr int zeroDigits = 6;

using solver::ExactValue;

bool tooLong(const mpz_class& n) { return mpz_sizeinbase(n.get_mpz_t(), 10) > longestExact; }
bool tooLong(const solver::ExactRational& q) { return tooLong(q.num) || tooLong(q.den); }

mpq_class reduced(const solver::ExactRational& q) {
    mpq_class value(q.num, q.den);
    value.canonicalize();
    return value;
}

Number rounded(const solver::ExactReal& x, int digits) { return Decimal(solver::RoundToDigits(x, digits), digits); }

// Two decimal places, yet at least two significant digits: −0,41, 1001,41, 0,00012.
Number brief(const solver::ExactReal& x) {
    const std::int64_t power = solver::RoundToDigits(x, roundedDigits).magnitude();
    return rounded(x, int(std::clamp<std::int64_t>(power + 3, 2, roundedDigits)));
}

Zero roundedZero(const solver::ExactReal& x) {
    const Number value = rounded(x, roundedDigits);
    return {.text = value.text(), .approximation = {}, .brief = {}, .factor = ZeroFactor(value),
            .nearest = solver::NearestDouble(x)};
}

// A coefficient typed in a box as it was typed; one worked out from a task as a rational.
Number asTyped(const solver::ReadResult& typed, const mpq_class& value) {
    return typed.status == solver::ReadStatus::Number ? Typed(typed) : Rational(value);
}

Facts exactFacts(const solver::ExactCoefficients& k, const ExactForms& f) {
    Facts facts{.exact = true,
                .deltaSign = sgn(f.delta),
                .aSign = sgn(f.a),
                .a = asTyped(k.typedA, f.a),
                .b = asTyped(k.typedB, f.b),
                .c = asTyped(k.typedC, f.c),
                .exactCoefficient = {},
                .delta = Rational(f.delta),
                .minusB = Rational(-f.b),
                .twiceA = Rational(2 * f.a),
                .p = Rational(f.p),
                .q = Rational(f.q),
                .sum = Rational(-f.b / f.a),
                .product = Rational(f.c / f.a),
                .root = {},
                .x1 = {},
                .x2 = {},
                .nearest = {.a = solver::NearestDouble(f.a), .p = solver::NearestDouble(f.p), .q = solver::NearestDouble(f.q), .c = solver::NearestDouble(f.c)}};
    if (facts.deltaSign < 0) return facts;
    facts.root = Root(f.rootFactor, f.rootRadicand);
    const auto zero = [&](const Surd& x, solver::Root root) {
        if (x.isRational()) {
            return Zero{.text = SurdText(x), .approximation = {}, .brief = {}, .factor = ZeroFactor(x),
                        .nearest = solver::NearestDouble(x.rational())};
        }
        const auto exact = solver::ExactReal::ZeroOf(ExactValue(f.a), ExactValue(f.b), ExactValue(f.c),
                                                     ExactValue(f.delta), root);
        return Zero{.text = SurdText(x), .approximation = rounded(exact, zeroDigits).text(),
                    .brief = brief(exact).text(), .factor = ZeroFactor(x), .nearest = solver::NearestDouble(exact)};
    };
    facts.x1 = zero(f.x1, solver::Root::MinusSqrtDelta);
    facts.x2 = zero(f.x2, solver::Root::PlusSqrtDelta);
    return facts;
}

// A coefficient of few digits as typed, exactly; a long one rounded, which
// may still be exact (1e45 is 1 · 10⁴⁵).
Number coefficient(const solver::ExactRational& x, const solver::ReadResult& typed, bool& exact) {
    if (!tooLong(x)) return asTyped(typed, reduced(x));
    const solver::DecimalNumber digits = solver::RoundToDigits(x, roundedDigits);
    exact = (ExactValue(digits) - x).sign() == 0;
    return Decimal(digits, roundedDigits);
}

Facts roundedFacts(const solver::ExactCoefficients& k) {
    const auto& [a, b, c] = std::tie(k.a, k.b, k.c);
    const solver::ExactRational delta = b * b - ExactValue(4) * a * c;
    const solver::ExactRational p = -b / (ExactValue(2) * a);
    // q = −Δ/(4a), as c − b²/(4a): where one coefficient has a million
    // digits, this multiplies it only by short numbers.
    const solver::ExactRational q = c - b * b / (ExactValue(4) * a);
    const auto number = [](const solver::ExactRational& x) { return rounded(x, roundedDigits); };
    Facts facts{.exact = false,
                .deltaSign = delta.sign(),
                .aSign = a.sign(),
                .a = {},
                .b = {},
                .c = {},
                .exactCoefficient = {},
                .delta = number(delta),
                .minusB = number(-b),
                .twiceA = number(ExactValue(2) * a),
                .p = number(p),
                .q = number(q),
                .sum = number(-b / a),
                .product = number(c / a),
                .root = {},
                .x1 = {},
                .x2 = {},
                .nearest = {.a = solver::NearestDouble(a), .p = solver::NearestDouble(p),
                            .q = solver::NearestDouble(q), .c = solver::NearestDouble(c)}};
    facts.a = coefficient(a, k.typedA, facts.exactCoefficient.a);
    facts.b = coefficient(b, k.typedB, facts.exactCoefficient.b);
    facts.c = coefficient(c, k.typedC, facts.exactCoefficient.c);
    if (facts.deltaSign > 0) {
        facts.x1 = roundedZero(solver::ExactReal::ZeroOf(a, b, c, delta, solver::Root::MinusSqrtDelta));
        facts.x2 = roundedZero(solver::ExactReal::ZeroOf(a, b, c, delta, solver::Root::PlusSqrtDelta));
    } else if (facts.deltaSign == 0) {
        facts.x1 = facts.x2 = roundedZero(p);
    }
    return facts;
}

}  // namespace

std::pair<const Zero&, const Zero&> ZerosInOrder(const Facts& f) {
    if (f.aSign > 0) return {f.x1, f.x2};
    return {f.x2, f.x1};
}

Facts FactsOf(const solver::ExactCoefficients& k) {
    if (!tooLong(k.a) && !tooLong(k.b) && !tooLong(k.c)) {
        const ExactForms forms = ExactFormsOf(reduced(k.a), reduced(k.b), reduced(k.c));
        if (!tooLong(ExactValue(forms.delta))) return exactFacts(k, forms);
    }
    return roundedFacts(k);
}

}  // namespace solution
