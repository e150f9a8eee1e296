#pragma once

#include <string>
#include <utility>

#include "solution/SchoolNotation.h"
#include "solver/Calculation.h"

namespace solution {

struct Zero {
    std::string text;
    std::string approximation;  // beside an irrational exact zero
    std::string brief;          // the same to two decimal places, for the chart's description
    std::string factor;         // x − x0 in the factored form
    double nearest = 0;         // where the chart marks it
};

// Every number the worked solution and its chart need, already written,
// exact or rounded, and the nearest doubles of those the chart draws.
struct Facts {
    bool exact = true;
    int deltaSign = 0;
    int aSign = 0;
    Number a, b, c;  // as typed where they are exact, else rounded
    struct {
        bool a = true, b = true, c = true;
    } exactCoefficient;
    Number delta, minusB, twiceA, p, q, sum, product;
    Number root;    // √Δ, exact only
    Zero x1, x2;    // for Δ = 0 both are x0
    struct {
        double a = 0, p = 0, q = 0, c = 0;
    } nearest;
};

// Past this many digits a number is no longer read by a pupil, and its
// exact forms would cost more than they are worth.
inline constexpr std::size_t longestExact = 40;
// Digits of every number where exact forms are too long.
inline constexpr int roundedDigits = 15;

// Exact where the numbers have at most longestExact digits; else rounded to
// roundedDigits significant digits.
Facts FactsOf(const solver::ExactCoefficients& coefficients);

// The two zeros from the smaller: x₁ takes −√Δ, which is the smaller where a > 0.
std::pair<const Zero&, const Zero&> ZerosInOrder(const Facts& facts);

}  // namespace solution
