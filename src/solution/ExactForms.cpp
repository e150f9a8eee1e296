#include "solution/ExactForms.h"

namespace solution {

namespace {

// Trial division up to here finds every square factor of a number below
// its cube, 10^18.
constexpr unsigned long trialLimit = 1'000'000;

// Takes every factor d out of rest and moves its square pairs into k and
// what is left over into m; whether there was one.
bool takeFactor(SquareSplit& split, mpz_class& rest, unsigned long d) {
    unsigned count = 0;
    while (mpz_divisible_ui_p(rest.get_mpz_t(), d)) {
        mpz_divexact_ui(rest.get_mpz_t(), rest.get_mpz_t(), d);
        ++count;
    }
    for (unsigned i = 0; i < count / 2; ++i) split.k *= d;
    if (count % 2) split.m *= d;
    return count > 0;
}

// The largest divisor worth trying: to the cube root of rest, at most the limit.
unsigned long lastDivisor(const mpz_class& rest) {
    mpz_class root;
    mpz_root(root.get_mpz_t(), rest.get_mpz_t(), 3);
    return root > trialLimit ? trialLimit : root.get_ui();
}

// Δ > 0: √Δ and the zeros (−b ∓ √Δ)/(2a).
void findZeros(ExactForms& forms) {
    // √(N/D) = √(N·D)/D, and N, D are coprime, so their square-free parts
    // multiply to a square-free one.
    const SquareSplit top = SplitSquare(forms.delta.get_num());
    const SquareSplit bottom = SplitSquare(forms.delta.get_den());
    forms.rootRadicand = top.m * bottom.m;
    forms.rootFactor = mpq_class(top.k, bottom.k * bottom.m);
    forms.rootFactor.canonicalize();

    // x = P ∓ reach·√m with P = −b/(2a).
    const mpq_class reach = forms.rootFactor / (2 * forms.a);
    if (forms.rootRadicand == 1) {
        const mpq_class x1 = forms.p - reach, x2 = forms.p + reach;
        forms.x1 = {x1.get_num(), 0, x1.get_den()};
        forms.x2 = {x2.get_num(), 0, x2.get_den()};
        return;
    }
    mpz_class w;
    mpz_lcm(w.get_mpz_t(), forms.p.get_den_mpz_t(), reach.get_den_mpz_t());
    // No prime divides u, v and w: where it divides w as often as P's
    // denominator, it does not divide u; else it does not divide v.
    const mpz_class u = forms.p.get_num() * (w / forms.p.get_den());
    const mpz_class v = reach.get_num() * (w / reach.get_den());
    forms.x1 = {.u = u, .v = -v, .w = w, .m = forms.rootRadicand};
    forms.x2 = {.u = u, .v = v, .w = w, .m = forms.rootRadicand};
}

}  // namespace

SquareSplit SplitSquare(const mpz_class& n) {
    SquareSplit split;
    mpz_class rest = n;
    takeFactor(split, rest, 2);
    takeFactor(split, rest, 3);
    // Then 5, 7, 11, 13, …: the numbers 6j ± 1.
    unsigned long last = lastDivisor(rest);
    for (unsigned long d = 5; d <= last; d += 6) {
        const bool found = takeFactor(split, rest, d);
        if (takeFactor(split, rest, d + 2) || found) last = lastDivisor(rest);
    }
    // All prime factors to the cube root of rest are gone (where that lies
    // below the limit): then rest has at most two prime factors left, and
    // holds a square only if it is one.
    if (mpz_perfect_square_p(rest.get_mpz_t())) {
        split.k *= sqrt(rest);
    } else {
        split.m *= rest;
    }
    return split;
}

ExactForms ExactFormsOf(const mpq_class& a, const mpq_class& b, const mpq_class& c) {
    const mpq_class delta = b * b - 4 * a * c;
    ExactForms forms{.a = a,
                     .b = b,
                     .c = c,
                     .delta = delta,
                     .rootFactor = 0,
                     .rootRadicand = 0,
                     .x1 = {},
                     .x2 = {},
                     .p = -b / (2 * a),
                     .q = -delta / (4 * a)};
    if (sgn(forms.delta) > 0) {
        findZeros(forms);
    } else if (sgn(forms.delta) == 0) {
        forms.x1 = forms.x2 = {forms.p.get_num(), 0, forms.p.get_den()};
    }
    return forms;
}

}  // namespace solution
