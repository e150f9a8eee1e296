#include "chart/SketchLayout.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

// Room around the mapped area for the arrowheads and the axes' names.
constexpr double padding = 18;
// Zeros closer than this have no room for both labels between them.
constexpr double closeZeros = 240;

// A line of WIDTH device pixels about V: on a pixel's centre where the
// width is odd, on a pixel's edge where it is even.
double snapped(double v, int width) { return width % 2 ? std::floor(v) + 0.5 : std::round(v); }

// The width in device pixels of a line LOGICAL pixels wide: a whole number, at least 1.
int lineWidth(double logical, double scale) { return std::max(1, int(std::lround(logical * scale))); }

}  // namespace

SketchLayout LayoutSketch(const solution::Graph& graph, const FittedView& view, int width, int height,
                          double scale) {
    SketchLayout layout;
    const double room = std::round(padding * scale);
    layout.left = room;
    layout.top = room;
    layout.right = std::max(room + 1, width - room);
    layout.bottom = std::max(room + 1, height - room);
    const auto column = [&](double x) {
        return layout.left + (x - view.x.low) / (view.x.high - view.x.low) * (layout.right - layout.left);
    };
    const auto row = [&](double y) {
        return layout.bottom - (y - view.y.low) / (view.y.high - view.y.low) * (layout.bottom - layout.top);
    };
    const auto point = [&](double x, double y) { return PixelPoint{column(x), row(y)}; };

    const int axis = layout.axisWidth = lineWidth(1, scale), grid = 1;
    layout.xAxis = snapped(row(0), axis);
    layout.yAxis = snapped(column(0), axis);
    layout.symmetry = snapped(column(graph.vertex.x), axis);
    for (long long k = view.x.firstTick; k <= view.x.lastTick; ++k) {
        if (k != 0) layout.xTicks.push_back({k, snapped(column(view.x.tick(k)), grid), view.x.label(k)});
    }
    for (long long k = view.y.firstTick; k <= view.y.lastTick; ++k) {
        if (k != 0) layout.yTicks.push_back({k, snapped(row(view.y.tick(k)), grid), view.y.label(k)});
    }

    const double a = graph.a, p = graph.vertex.x, q = graph.vertex.y;
    const double x0 = view.x.low, x2 = view.x.high;
    // The control point: where the tangents at both ends meet.
    const double x1 = (x0 + x2) / 2;
    layout.curveStart = point(x0, graph.valueAt(x0));
    layout.curveControl = point(x1, graph.valueAt(x0) + 2 * a * (x0 - p) * (x1 - x0));
    layout.curveEnd = point(x2, graph.valueAt(x2));

    // Labels away from the curve: a zero's on the far side of the x axis from
    // the vertex and towards it, inside the parabola (outwards where the
    // zeros lie close, so that the labels keep their order); the vertex's
    // away from the arms; that of (0; c) to the right of the y axis, away
    // from the curve's rise.
    const int away = a > 0 ? 1 : -1;
    const bool rises = 2 * a * (0 - p) > 0;
    layout.marks.push_back(
        {MarkShape::Diamond, point(0, graph.yIntercept.y), graph.yIntercept.label, 1, rises ? 1 : -1});
    layout.marks.push_back({MarkShape::Square, point(p, q), graph.vertex.label, 0, away});
    const bool close = graph.zeros.size() == 2 &&
                       std::abs(column(graph.zeros[0].x) - column(graph.zeros[1].x)) < closeZeros * scale;
    for (const solution::MarkedPoint& zero : graph.zeros) {
        const int towards = (zero.x < p ? 1 : zero.x > p ? -1 : 0) * (close ? -1 : 1);
        const int side = q < 0 ? -1 : q > 0 ? 1 : away;
        layout.marks.push_back({MarkShape::Circle, point(zero.x, 0), zero.label, towards, side});
    }
    return layout;
}

}  // namespace chart
