#pragma once

#include <string>
#include <variant>
#include <vector>

#include "task/Steps.h"

namespace task {

// The formula of a function found from its conditions, and the lines that
// find it: the form chosen (canonical where the vertex is known, factored
// where the zeros are, else the general one or the formula typed), an
// equation from each condition, and the unknowns solved by substitution.
struct FitFormula {
    std::vector<std::string> lines;
    Polynomial value;
};

// A TaskError where the conditions are too few, contradict one another, or give a = 0.
std::variant<FitFormula, TaskError> FitOf(const Fit& fit);

// "f(x)", "y": the name the solution gives the function found.
std::string FitName(const Fit& fit);

// The lines above, "Odpowiedź: f(x) = …", and the worked solution of the function FOUND.
Steps FitSteps(const Fit& fit, const FitFormula& found, const std::string& text);

}  // namespace task
