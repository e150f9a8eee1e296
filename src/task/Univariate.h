#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <vector>

#include "solution/ExactForms.h"
#include "task/Algebra.h"

namespace task {

// A polynomial in one letter with exact coefficients, from the constant term
// up, never with a zero last: the zero polynomial has none.
struct UPoly {
    std::vector<mpq_class> c;

    static UPoly of(const Polynomial& p);
    // P, a polynomial in LETTER alone (any other letter is dropped with its terms).
    static UPoly of(const Poly& p, char32_t letter);
    UPoly() = default;
    explicit UPoly(std::vector<mpq_class> coefficients);  // trimmed

    int degree() const { return int(c.size()) - 1; }  // −1 for the zero polynomial
    bool isZero() const { return c.empty(); }
    const mpq_class& leading() const { return c.back(); }  // of a non-zero one

    UPoly operator+(const UPoly& other) const;
    UPoly operator-(const UPoly& other) const;
    UPoly operator*(const UPoly& other) const;
    UPoly scaled(const mpq_class& factor) const;
    mpq_class valueAt(const mpq_class& x) const;

    bool operator==(const UPoly&) const = default;
};

// −1, 0 or 1 as a is less than, equal to or greater than b, exactly, their
// roots' radicands may differ.
int CompareSurds(const solution::Surd& a, const solution::Surd& b);

// A factor over the rationals: monic, linear or a quadratic without any
// rational zero.
struct Factor {
    UPoly p;
    int power = 1;
};

// Its real zeros, from the smallest: none for a quadratic with Δ < 0.
std::vector<solution::Surd> RealZerosOf(const Factor& factor);

// leading · the factors to their powers; the factors each once, by their
// smallest real zero, those without any real zero last by the real part of
// their zeros.
struct Factored {
    mpq_class leading;
    std::vector<Factor> factors;
};

// The search for a cubic's or quartic's rational zeros goes through the
// divisors of its leading and constant terms, scaled to coprime integers,
// where both are at most this large: then it tries at most a few million
// pairs, and each number fits the 32 bits of a long on every system. Past
// it such a polynomial is not factored.
inline constexpr unsigned long largestSearched = 1'000'000'000;

// A non-zero polynomial of degree at most 4 as a product of linear factors
// and quadratics without rational zeros; nullopt where a cubic or quartic
// without any such factor stays, or the numbers are past the search's limit.
std::optional<Factored> FactorOf(const UPoly& p);

// The product multiplied out.
UPoly Expanded(const Factored& f);

// The product as school writes it: "x(x + 1)(x − 3)", "−2(x − 1)²(x² + 1)".
std::string FactoredText(const Factored& f, const std::string& letter);
// "x³ − 2x² − 3x"
std::string UPolyText(const UPoly& p, const std::string& letter);

}  // namespace task
