#include "chart/FunctionPlot.h"

#include <cmath>

#include "chart/ChartMapping.h"

namespace chart {

namespace {

// A position that does not fit a float (a zero far beyond the chart) is
// nowhere on the window: nothing to draw.
void plotIfFinite(ChartCanvas& canvas, float x, float y) {
    if (std::isfinite(x) && std::isfinite(y)) canvas.PlotPoint(x, y);
}

void plotMarker(ChartCanvas& canvas, double zero) {
    plotIfFinite(canvas, static_cast<float>(OriginX + MillimetresPerUnit * zero),
                 static_cast<float>(OriginY));
}

}  // namespace

void ShowOnChart(ChartCanvas& canvas, const PlottedFunction& state) {
    canvas.SetPenWidth(2);
    canvas.SetPenColour(Red);

    // The step is added again and again in single precision, so the samples
    // carry its rounding: 2000 of them, from -10 up to 9.9902668.
    const float step = 0.01f;
    const float reach = static_cast<float>(FrameReach);
    for (float x = -reach; x <= reach; x = x + step) {
        const double xd = x;
        const double y = (state.a * (xd * xd) + state.b * xd) + state.c;
        // Also false for an infinite or undefined y.
        if (y < FrameReach && y > -FrameReach) {
            plotIfFinite(canvas, static_cast<float>(OriginX + MillimetresPerUnit * xd),
                         static_cast<float>(OriginY - MillimetresPerUnit * y));
        }
    }

    canvas.SetPenWidth(4);
    canvas.SetPenColour(Blue);
    if (state.delta == 0) plotMarker(canvas, state.x0);
    if (state.delta > 0) {
        plotMarker(canvas, state.x1);
        plotMarker(canvas, state.x2);
    }
}

}  // namespace chart
