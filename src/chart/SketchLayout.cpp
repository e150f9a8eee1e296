#include "chart/SketchLayout.h"

#include <algorithm>
#include <cmath>

#include "chart/TextPlacement.h"

namespace chart {

namespace {

// Room around the mapped area for the arrowheads and the axes' names.
constexpr double padding = 18;
// Zeros closer than this (in logical pixels) have no room for both labels
// between them.
constexpr double closeZeros = 240;
// The marks' half widths in logical pixels: a diamond beyond the square, so
// that where (0; c) is the vertex both show.
constexpr double markRadius = 4.5;
constexpr double diamondRadius = 6.75;

// A line of WIDTH device pixels about V: on a pixel's centre where the
// width is odd, on a pixel's edge where it is even.
double snapped(double v, int width) { return width % 2 ? std::floor(v) + 0.5 : std::round(v); }

// The width in device pixels of a line LOGICAL pixels wide: a whole number, at least 1.
int lineWidth(double logical, double scale) { return std::max(1, int(std::lround(logical * scale))); }

}  // namespace

bool PixelParabola::crosses(const Box& box, double halfWidth) const {
    const double from = std::max(box.left - halfWidth, left), to = std::min(box.right + halfWidth, right);
    if (from > to) return false;
    // A continuous curve meets every row between its lowest and highest on the columns.
    double low = std::min(rowAt(from), rowAt(to)), high = std::max(rowAt(from), rowAt(to));
    if (vertex.x > from && vertex.x < to) {
        low = std::min(low, vertex.y);
        high = std::max(high, vertex.y);
    }
    return low - halfWidth < box.bottom && box.top < high + halfWidth;
}

SketchLayout LayoutSketch(const Parabola& parabola, const FittedView& view, int width, int height, double scale,
                          const TickTexts& tickTexts, const MeasureText& measure) {
    SketchLayout layout;
    const double room = std::round(padding * scale);
    layout.bounds = {.left = 0, .top = 0, .right = double(width), .bottom = double(height)};
    layout.area = {.left = room, .top = room, .right = std::max(room + 1, width - room), .bottom = std::max(room + 1, height - room)};
    const Box& area = layout.area;
    const double xPerUnit = (area.right - area.left) / (view.x.high - view.x.low);
    const double yPerUnit = (area.bottom - area.top) / (view.y.high - view.y.low);
    const auto column = [&](double x) { return area.left + (x - view.x.low) * xPerUnit; };
    const auto row = [&](double y) { return area.bottom - (y - view.y.low) * yPerUnit; };
    const auto point = [&](double x, double y) { return PixelPoint{column(x), row(y)}; };

    const int axis = layout.axisWidth = lineWidth(1, scale), grid = 1;
    const double a = parabola.a, p = parabola.vertex.x, q = parabola.vertex.y;
    layout.xAxis = snapped(row(0), axis);
    layout.yAxis = snapped(column(0), axis);
    layout.symmetry = snapped(column(p), axis);
    for (long long k = view.x.firstTick; k <= view.x.lastTick; ++k) {
        if (k != 0) layout.xTicks.push_back({k, snapped(column(view.x.tick(k)), grid)});
    }
    for (long long k = view.y.firstTick; k <= view.y.lastTick; ++k) {
        if (k != 0) layout.yTicks.push_back({k, snapped(row(view.y.tick(k)), grid)});
    }

    const double x0 = view.x.low, x2 = view.x.high;
    // The control point: where the tangents at both ends meet.
    const double x1 = (x0 + x2) / 2;
    layout.curveStart = point(x0, parabola.valueAt(x0));
    layout.curveControl = point(x1, parabola.valueAt(x0) + 2 * a * (x0 - p) * (x1 - x0));
    layout.curveEnd = point(x2, parabola.valueAt(x2));
    layout.curve = {.vertex = point(p, q), .k = -a * yPerUnit / (xPerUnit * xPerUnit), .left = area.left, .right = area.right};
    layout.curveWidth = 2 * scale;

    // Labels away from the curve: that of (0; c) to the right of the y
    // axis, away from the curve's rise; the vertex's away from the arms; a
    // zero's on the far side of the x axis from the vertex and towards it,
    // inside the parabola (outwards where the zeros lie close, so that the
    // labels keep their order); a least value's below, a greatest above.
    const Vertical away = a > 0 ? Vertical::Below : Vertical::Above;
    const bool rises = 2 * a * (0 - p) > 0;
    const double radius = markRadius * scale;
    layout.marks.push_back({.shape = MarkShape::Diamond,
                            .at = point(0, parabola.yIntercept.y),
                            .radius = diamondRadius * scale,
                            .label = parabola.yIntercept.label,
                            .side = {Horizontal::Right, rises ? Vertical::Below : Vertical::Above}});
    layout.marks.push_back({.shape = MarkShape::Square,
                            .at = point(p, q),
                            .radius = radius,
                            .label = parabola.vertex.label,
                            .side = {Horizontal::Centre, away}});
    const auto& zeros = parabola.zeros;
    const bool close = zeros.size() == 2 && std::abs(column(zeros[0].x) - column(zeros[1].x)) < closeZeros * scale;
    for (const LabelledPoint& zero : zeros) {
        const Horizontal inwards = zero.x < p ? Horizontal::Right : zero.x > p ? Horizontal::Left : Horizontal::Centre;
        layout.marks.push_back({.shape = MarkShape::Circle,
                                .at = point(zero.x, 0),
                                .radius = radius,
                                .label = zero.label,
                                .side = {close ? Opposite(inwards) : inwards,
                                         q < 0 ? Vertical::Above : q > 0 ? Vertical::Below : away}});
    }
    for (const AxisSpan& span : parabola.solutionSet) {
        const double from = span.fromInfinite ? area.left : std::max(area.left, column(span.from));
        const double to = span.toInfinite ? area.right : std::min(area.right, column(span.to));
        layout.spans.emplace_back(from, to);
        const auto end = [&](double x, bool closed) {
            layout.marks.push_back({.shape = closed ? MarkShape::ClosedEnd : MarkShape::OpenEnd,
                                    .at = point(x, 0),
                                    .radius = radius,
                                    .label = {},
                                    .side = {}});
        };
        if (!span.fromInfinite) end(span.from, span.fromClosed);
        if (!span.toInfinite && (span.fromInfinite || span.to != span.from)) end(span.to, span.toClosed);
    }
    for (std::size_t i = 0; i < parabola.extremes.size(); ++i) {
        const LabelledPoint& extreme = parabola.extremes[i];
        layout.marks.push_back({.shape = MarkShape::Extreme,
                                .at = point(extreme.x, extreme.y),
                                .radius = radius,
                                .label = extreme.label,
                                .side = {Horizontal::Centre, i == 0 ? Vertical::Below : Vertical::Above}});
    }
    PlaceTexts(layout, view, scale, tickTexts, measure);
    return layout;
}

}  // namespace chart
