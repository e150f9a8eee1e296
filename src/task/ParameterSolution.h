#pragma once

#include <variant>

#include "task/ExactSet.h"
#include "task/Steps.h"

namespace task {

// The lines that find the parameter's values, and the values: where a
// depends on the parameter, the case a = 0 first (a linear equation, checked
// as it is); then the conditions of a quadratic one (a ≠ 0, Δ, Viète's
// formulas, the relation of the roots), each solved as an inequality or
// equation in the parameter, and their common part.
struct ParameterAnswer {
    std::vector<std::string> lines;
    ExactSet values;
};

// A TaskError where a condition leads to a polynomial past degree 4, or to
// one of degree 3 or 4 that does not factor over the rationals.
std::variant<ParameterAnswer, TaskError> ParameterAnswerOf(const Parametric& task);

Steps ParametricSteps(const Parametric& task, const std::string& text);

}  // namespace task
