#pragma once

#include <string>

#include "solution/Graph.h"
#include "solver/Calculation.h"

namespace solution {

struct Solution {
    std::string text;  // one step a line, without a closing line break
    Graph graph;       // what its chart shows; its description is the text's last line
};

// The worked solution of f(x) = ax² + bx + c (a ≠ 0) in Polish school
// notation. Exact where the numbers have at most 40 digits; else rounded to
// 15 significant digits, and a first line says so.
Solution WorkedSolution(const solver::ExactCoefficients& coefficients);

}  // namespace solution
