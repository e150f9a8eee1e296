#pragma once

#include <string>

#include "solver/Calculation.h"

namespace solution {

// The worked solution of f(x) = ax² + bx + c (a ≠ 0) in Polish school
// notation, one step a line, without a closing line break. Exact where the
// numbers have at most 40 digits; else rounded to 15 significant digits,
// and a first line says so.
std::string WorkedSolution(const solver::ExactCoefficients& coefficients);

}  // namespace solution
