#pragma once

#include "chart/ChartCanvas.h"

namespace chart {

// Axes, arrowheads and grid in the current pen colour; grid rows rowStep mm
// apart, columns always 4 mm. Leaves the pen 1 pixel wide.
void DrawChartFrame(ChartCanvas& canvas, int rowStep);

// The frame that every activation of the window draws.
void DrawActivationFrame(ChartCanvas& canvas);

// Wipes all drawing and draws a fresh black frame.
void ClearChart(ChartCanvas& canvas);

}  // namespace chart
