#pragma once

#include "solver/SolutionState.h"

namespace app {

// What the commands share for the whole run: the last calculation's values,
// written by Calculate and read by Show on chart.
struct Module1 {
    solver::SolutionState solution;
};

}  // namespace app
