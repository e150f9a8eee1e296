#pragma once

#include "chart/Rgb.h"

namespace chart {

// The window's drawing surface as the chart sees it: millimetres from the
// top-left corner of the client area, y growing downwards, and one pen that
// every drawing action shares and none restores.
class ChartCanvas {
public:
    virtual ~ChartCanvas() = default;

    virtual void SetPenWidth(int pixels) = 0;
    virtual void SetPenColour(Rgb colour) = 0;
    virtual void MoveTo(float x, float y) = 0;
    // A solid line from the current point, in the current pen.
    virtual void LineTo(float x, float y) = 0;
    // A filled dot whose diameter is the pen width.
    virtual void PlotPoint(float x, float y) = 0;
    // Hide and then Show leave the surface without any earlier drawing.
    virtual void Hide() = 0;
    virtual void Show() = 0;
};

}  // namespace chart
