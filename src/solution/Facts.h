#pragma once

#include <string>

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
    Number a, b, c, delta, minusB, twiceA, p, q, sum, product;
    Number root;    // √Δ, exact only
    Zero x1, x2;    // for Δ = 0 both are x0
    struct {
        double a = 0, p = 0, q = 0, c = 0;
    } nearest;
};

// Exact where the numbers have at most 40 digits; else rounded to 15
// significant digits.
Facts FactsOf(const solver::ExactCoefficients& coefficients);

}  // namespace solution
