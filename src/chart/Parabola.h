#pragma once

#include <string>
#include <vector>

namespace chart {

struct LabelledPoint {
    double x = 0, y = 0;
    std::string label;  // none where another point's label says it
};

// A part of the x axis, as school draws a set of solutions: each end
// filled where it belongs to the set, hollow where not, none where the part
// reaches past the chart.
struct AxisSpan {
    double from = 0, to = 0;
    bool fromInfinite = false, toInfinite = false;
    bool fromClosed = false, toClosed = false;
};

// What a chart of f(x) = a(x − p)² + q marks: its vertex (p; q), its real
// zeros and (0; c), each with the text written beside it; for a task, the
// set that solves it on the x axis, and the least and greatest values on an
// interval.
struct Parabola {
    double a = 0;
    LabelledPoint vertex;
    std::vector<LabelledPoint> zeros;  // in the order they are named, x₁ before x₂
    LabelledPoint yIntercept;
    std::vector<AxisSpan> solutionSet;
    std::vector<LabelledPoint> extremes;  // the least value's point first

    double valueAt(double x) const { return a * (x - vertex.x) * (x - vertex.x) + vertex.y; }
};

}  // namespace chart
