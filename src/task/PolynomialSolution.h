#pragma once

#include "task/Steps.h"

namespace task {

// An equation or inequality of degree 3 or 4 solved by its factors: moved to
// one side, factored into pieces of degree at most 2 with rational
// coefficients, its zeros read off, and an inequality's set from the sign
// chart, the sketch starting on the right by the sign of the leading
// coefficient.
Steps PolynomialSteps(const PolynomialTask& task, const std::string& text);

}  // namespace task
