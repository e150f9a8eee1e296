#pragma once

#include <string>
#include <vector>

#include "chart/FittedView.h"
#include "solution/Graph.h"

namespace chart {

struct PixelPoint {
    double x = 0, y = 0;
};

enum class MarkShape { Circle, Square, Diamond };

// A marked point and where its label goes: horizontally -1 ends left of the
// mark, 0 centred on it, 1 starts right of it; vertically -1 above, 1 below.
struct Mark {
    MarkShape shape = MarkShape::Circle;
    PixelPoint at;
    std::string label;
    int horizontal = 0;
    int vertical = 1;
};

struct Tick {
    long long k = 0;  // the tick at k · step
    double at = 0;    // its pixel column (x axis) or row (y axis), on a line's centre
    std::string label;
};

// The chart of a parabola laid out in device pixels, y growing downwards.
// Straight lines lie on pixel centres, so that they stay sharp at any scale.
struct SketchLayout {
    int axisWidth = 1;  // of the axes and the axis of symmetry; the grid's is 1
    double left = 0, top = 0, right = 0, bottom = 0;  // the area the view maps to
    double xAxis = 0;     // the row of y = 0
    double yAxis = 0;     // the column of x = 0
    double symmetry = 0;  // the column of x = p
    std::vector<Tick> xTicks, yTicks;  // without the origin's
    // The parabola over the whole view as one quadratic Bézier curve, which
    // it is exactly: affine maps keep both.
    PixelPoint curveStart, curveControl, curveEnd;
    // (0; c), the vertex, the zeros: each drawn over the one before, and
    // smaller, so that where they meet each shows.
    std::vector<Mark> marks;
};

// For WIDTH × HEIGHT device pixels at SCALE device pixels a logical one.
SketchLayout LayoutSketch(const solution::Graph& graph, const FittedView& view, int width, int height,
                          double scale);

}  // namespace chart
