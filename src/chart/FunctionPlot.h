#pragma once

#include "chart/ChartCanvas.h"

namespace chart {

// What the plot draws of a calculation: the function's coefficients, delta
// and its zeros, x2 in single precision as the calculation keeps it.
struct PlottedFunction {
    double a = 0, b = 0, c = 0;
    double delta = 0;
    double x0 = 0, x1 = 0;
    float x2 = 0;
};

// The function as red dots for x from -10 to 10, then its real zeros as
// larger blue dots on the x axis.
void ShowOnChart(ChartCanvas& canvas, const PlottedFunction& function);

}  // namespace chart
