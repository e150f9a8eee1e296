#include "solution/Facts.h"

#include <algorithm>

#include "solution/ExactForms.h"
#include "solver/ExactReal.h"

namespace solution {

namespace {

// Past this many digits a number is no longer read by a pupil, and its
// exact forms would cost more than they are worth.
constexpr std::size_t longestExact = 40;

// Digits shown of an approximation: of an irrational zero beside its exact
// form, and of every number where exact forms are too long.
constexpr int zeroDigits = 6;
constexpr int roundedDigits = 15;

bool tooLong(const mpz_class& n) { return mpz_sizeinbase(n.get_mpz_t(), 10) > longestExact; }
bool tooLong(const solver::ExactRational& q) { return tooLong(q.num) || tooLong(q.den); }

mpq_class reduced(const solver::ExactRational& q) {
    mpq_class value(q.num, q.den);
    value.canonicalize();
    return value;
}

solver::ExactRational asExact(const mpq_class& q) { return {q.get_num(), q.get_den()}; }

double nearest(const mpq_class& q) { return solver::NearestDouble(asExact(q)); }

Number rounded(const solver::ExactReal& x, int digits) { return Decimal(solver::RoundToDigits(x, digits), digits); }

// Two decimal places, yet at least two significant digits: −0,41, 1001,41, 0,00012.
Number brief(const solver::ExactReal& x) {
    const std::int64_t power = solver::RoundToDigits(x, roundedDigits).magnitude();
    return rounded(x, int(std::clamp<std::int64_t>(power + 3, 2, roundedDigits)));
}

Zero roundedZero(const solver::ExactReal& x) {
    const Number value = rounded(x, roundedDigits);
    return {value.text(), {}, {}, ZeroFactor(value), solver::NearestDouble(x)};
}

Facts exactFacts(const ExactForms& f) {
    Facts facts{true, sgn(f.delta), sgn(f.a), Rational(f.a), Rational(f.b), Rational(f.c),
                Rational(f.delta), Rational(-f.b), Rational(2 * f.a), Rational(f.p), Rational(f.q),
                Rational(-f.b / f.a), Rational(f.c / f.a), {}, {}, {},
                {nearest(f.a), nearest(f.p), nearest(f.q), nearest(f.c)}};
    if (facts.deltaSign < 0) return facts;
    facts.root = Root(f.rootFactor, f.rootRadicand);
    const auto zero = [&](const Surd& x, bool first) {
        if (x.isRational()) return Zero{SurdText(x), {}, {}, ZeroFactor(x), nearest(x.rational())};
        const auto exact = solver::ExactReal::ZeroOf(asExact(f.a), asExact(f.b), asExact(f.c),
                                                     asExact(f.delta), first);
        return Zero{SurdText(x), rounded(exact, zeroDigits).text(), brief(exact).text(), ZeroFactor(x),
                    solver::NearestDouble(exact)};
    };
    facts.x1 = zero(f.x1, true);
    facts.x2 = zero(f.x2, false);
    return facts;
}

Facts roundedFacts(const solver::ExactCoefficients& k) {
    using solver::ExactValue;
    const auto& [a, b, c] = k;
    const solver::ExactRational delta = b * b - ExactValue(4) * a * c;
    const solver::ExactRational p = -b / (ExactValue(2) * a);
    // q = −Δ/(4a), as c − b²/(4a): where one coefficient has a million
    // digits, this multiplies it only by short numbers.
    const solver::ExactRational q = c - b * b / (ExactValue(4) * a);
    const auto number = [](const solver::ExactRational& x) { return rounded(x, roundedDigits); };
    Facts facts{false, delta.sign(), a.sign(), number(a), number(b), number(c), number(delta),
                number(-b), number(ExactValue(2) * a), number(p), number(q), number(-b / a), number(c / a),
                {}, {}, {},
                {solver::NearestDouble(a), solver::NearestDouble(p), solver::NearestDouble(q),
                 solver::NearestDouble(c)}};
    if (facts.deltaSign > 0) {
        facts.x1 = roundedZero(solver::ExactReal::ZeroOf(a, b, c, delta, true));
        facts.x2 = roundedZero(solver::ExactReal::ZeroOf(a, b, c, delta, false));
    } else if (facts.deltaSign == 0) {
        facts.x1 = facts.x2 = roundedZero(p);
    }
    return facts;
}

}  // namespace

Facts FactsOf(const solver::ExactCoefficients& k) {
    if (!tooLong(k.a) && !tooLong(k.b) && !tooLong(k.c)) {
        ExactForms forms = ExactFormsOf(reduced(k.a), reduced(k.b), reduced(k.c));
        if (!tooLong(asExact(forms.delta))) return exactFacts(forms);
    }
    return roundedFacts(k);
}

}  // namespace solution
