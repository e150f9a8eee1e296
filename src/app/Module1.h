#pragma once

#include <optional>

#include "solver/Calculation.h"
#include "solver/SolutionState.h"

namespace app {

// What the commands share for the whole run: the last calculation's values,
// written by Calculate and read by Show on chart, and its coefficients
// exactly as read, for the worked solution (none before the first).
struct Module1 {
    solver::SolutionState solution;
    std::optional<solver::ExactCoefficients> coefficients;
};

}  // namespace app
