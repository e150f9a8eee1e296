#pragma once

#include <gmpxx.h>

namespace solution {

// n = k² · m, m as free of square factors as a short search finds.
struct SquareSplit {
    mpz_class k = 1;
    mpz_class m = 1;
};

// For n > 0. m is square-free for every n below 10^18, and for larger ones
// whose square factors are made of primes below a million or are one
// prime's square.
SquareSplit SplitSquare(const mpz_class& n);

// (u + v√m)/w with integers, w > 0 and gcd(u, v, w) = 1; a rational u/w
// where m is 1 (then v is 0).
struct Surd {
    mpz_class u = 0;
    mpz_class v = 0;
    mpz_class w = 1;
    mpz_class m = 1;

    bool isRational() const { return v == 0; }
    mpq_class rational() const { return mpq_class(u, w); }
};

// What a pupil works out about f(x) = ax² + bx + c, a ≠ 0, exactly.
struct ExactForms {
    mpq_class a, b, c;
    mpq_class delta;
    // √Δ = rootFactor · √rootRadicand, for Δ > 0.
    mpq_class rootFactor;
    mpz_class rootRadicand;
    // For Δ > 0: x1 = (−b − √Δ)/(2a), x2 = (−b + √Δ)/(2a); for Δ = 0 both
    // are the one zero x0 = −b/(2a).
    Surd x1, x2;
    // The vertex W = (p; q).
    mpq_class p, q;
};

ExactForms ExactFormsOf(const mpq_class& a, const mpq_class& b, const mpq_class& c);

}  // namespace solution
