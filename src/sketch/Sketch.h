#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sketch {

struct LabelledPoint {
    double x = 0, y = 0;
    std::string label;  // none where another point's label says it
};

// y = q + slope·(x − p) + a·(x − p)²: a parabola with its vertex at (p; q)
// where slope is 0, a line through (p; q) where a is 0. Anchored at a point
// of its own, so that a far vertex loses nothing in rounding.
struct Curve {
    double a = 0, slope = 0, p = 0, q = 0;

    double valueAt(double x) const {
        const double d = x - p;
        return q + (slope + a * d) * d;
    }
    double slopeAt(double x) const { return slope + 2 * a * (x - p); }
};

// One end of a part of the x axis, as school draws a set of solutions:
// past the chart, or a point that belongs to the part (filled) or not
// (hollow).
enum class EndKind { Infinite, Open, Closed };

struct SpanEnd {
    double at = 0;  // unused where the end is infinite
    EndKind kind = EndKind::Infinite;
};

struct AxisSpan {
    SpanEnd from, to;
};

// What the chart of a task shows: the function's graph (or an equation's
// left side), the other side's graph where an equation has x on both, and
// the points marked on them, each with the text written beside it: the
// vertex, the real zeros, (0; c), the set that solves the task on the x
// axis, the least and greatest values on an interval, the common points of
// the two graphs.
struct Sketch {
    std::string variable = "x";  // the horizontal axis's name
    Curve curve;
    std::optional<Curve> other;
    std::optional<LabelledPoint> vertex;
    std::vector<LabelledPoint> zeros;  // in the order they are named, x₁ before x₂
    std::optional<LabelledPoint> yIntercept;
    std::vector<AxisSpan> solutionSet;
    // Where an interval's least and greatest values are reached, the label
    // on the first: twice where both ends have the same value.
    std::vector<LabelledPoint> least, greatest;
    std::vector<LabelledPoint> commonPoints;
};

}  // namespace sketch
