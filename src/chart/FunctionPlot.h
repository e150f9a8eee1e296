#pragma once

#include "chart/ChartCanvas.h"
#include "solver/SolutionState.h"

namespace chart {

// The function of the last calculation as red dots for x from -10 to 10,
// then its real zeros as larger blue dots on the x axis.
void ShowOnChart(ChartCanvas& canvas, const solver::SolutionState& state);

}  // namespace chart
