#include "sketch/SketchLayout.h"

#include <algorithm>
#include <cmath>

#include "sketch/TextPlacement.h"

namespace sketch {

namespace {

// Room around the mapped area for the arrowheads and the axes' names, in
// logical pixels.
constexpr double padding = 18;
// The marks' sizes in logical pixels: a circle's radius and the vertex
// square's half width; (0; c)'s diamond and an extreme's triangle reach
// past the square, so that where they meet both show. A solution's ends
// are outlined bolder.
constexpr double markRadius = 4.5;
constexpr double largeMarkRadius = 6.75;
constexpr double markOutline = 1, endOutline = 2;

// A line of WIDTH device pixels about V: on a pixel's centre where the
// width is odd, on a pixel's edge where it is even.
double snapped(double v, int width) { return width % 2 ? std::floor(v) + 0.5 : std::round(v); }

// The width in device pixels of a line LOGICAL pixels wide: a whole number, at least 1.
int lineWidth(double logical, double scale) { return std::max(1, int(std::lround(logical * scale))); }

LineSizes sizesAt(double scale) {
    const LineSizes logical;
    return {.axis = lineWidth(logical.axis, scale),
            .grid = logical.grid,
            .curve = logical.curve * scale,
            .span = std::round(logical.span * scale),
            .arrowLength = logical.arrowLength * scale,
            .arrowWing = logical.arrowWing * scale,
            .axisInset = logical.axisInset * scale,
            .tick = logical.tick * scale};
}

// The view's ranges onto the area: columns grow with x, rows fall as y grows.
class Mapping {
public:
    Mapping(const FittedView& view, const Box& area)
        : view_(view),
          area_(area),
          xPerUnit_((area.right - area.left) / (view.x.high - view.x.low)),
          yPerUnit_((area.bottom - area.top) / (view.y.high - view.y.low)) {}

    double column(double x) const { return area_.left + (x - view_.x.low) * xPerUnit_; }
    double row(double y) const { return area_.bottom - (y - view_.y.low) * yPerUnit_; }
    PixelPoint point(double x, double y) const { return {column(x), row(y)}; }
    PixelPoint point(const LabelledPoint& p) const { return point(p.x, p.y); }

    // Anchored at the area's left edge, its value there worked out from the
    // curve's own anchor, so that a far vertex loses nothing in rounding.
    PixelCurve curve(const Curve& c) const {
        const double x = view_.x.low, rise = c.slopeAt(x);
        return {.column0 = area_.left,
                .row0 = row(c.valueAt(x)),
                .slope = -rise * yPerUnit_ / xPerUnit_,
                .k = -c.a * yPerUnit_ / (xPerUnit_ * xPerUnit_),
                .left = area_.left,
                .right = area_.right};
    }

private:
    const FittedView& view_;
    const Box area_;
    const double xPerUnit_, yPerUnit_;
};

// A mark of SHAPE at AT and the disc that holds it: a square's corners lie
// √2 times its half width out.
Mark markOf(MarkShape shape, PixelPoint at, double scale) {
    const bool end = shape == MarkShape::ClosedEnd || shape == MarkShape::OpenEnd;
    const bool large = shape == MarkShape::Diamond || shape == MarkShape::Extreme;
    const double outline = (end ? endOutline : markOutline) * scale;
    const double reach = (large ? largeMarkRadius : markRadius) * (shape == MarkShape::Square ? std::sqrt(2.0) : 1);
    Mark mark;
    mark.shape = shape;
    mark.at = at;
    mark.radius = reach * scale + outline / 2;
    mark.outline = outline;
    return mark;
}

// Where the curve crosses the x axis, its zero's label goes where it leaves
// outwards (away from a parabola's axis, rightwards along a line), on the
// axis's other side; where it touches the axis, on the side away from it.
void sideOfZero(Mark& mark, const Curve& c, double x) {
    const double rise = c.slopeAt(x);
    if (rise == 0) {
        mark.outside = c.a > 0 ? Vertical::Below : Vertical::Above;
        mark.side = {Horizontal::Right, mark.outside};
        return;
    }
    const Horizontal outwards = c.a == 0 || rise * c.a > 0 ? Horizontal::Right : Horizontal::Left;
    const bool curveAbove = (rise > 0) == (outwards == Horizontal::Right);
    mark.side = {outwards, curveAbove ? Vertical::Below : Vertical::Above};
}

// The points in the order drawn. Labels away from the curve: (0; c)'s
// right of the y axis, away from the curve's rise; the vertex's away from
// the arms; a least value's below, a greatest above; the common points'
// above, outwards.
void addMarks(SketchLayout& layout, const Sketch& sketch, const Mapping& map, double scale) {
    const Curve& curve = sketch.curve;
    const auto add = [&](MarkShape shape, PixelPoint at, const std::string& label, Side side) -> Mark& {
        Mark mark = markOf(shape, at, scale);
        mark.label = label;
        mark.side = side;
        return layout.marks.emplace_back(mark);
    };
    if (const auto& point = sketch.yIntercept) {
        add(MarkShape::Diamond, map.point(*point), point->label,
            {Horizontal::Right, curve.slopeAt(0) > 0 ? Vertical::Below : Vertical::Above});
    }
    if (const auto& vertex = sketch.vertex) {
        const Vertical away = curve.a > 0 ? Vertical::Below : Vertical::Above;
        add(MarkShape::Square, map.point(*vertex), vertex->label, {Horizontal::Right, away}).outside = away;
    }
    for (const LabelledPoint& zero : sketch.zeros) {
        sideOfZero(add(MarkShape::Circle, map.point(zero), zero.label, {}), curve, zero.x);
    }
    const auto addEnd = [&](const SpanEnd& end) {
        add(end.kind == EndKind::Closed ? MarkShape::ClosedEnd : MarkShape::OpenEnd, map.point(end.at, 0), {}, {});
    };
    for (const AxisSpan& span : sketch.solutionSet) {
        const bool fromFinite = span.from.kind != EndKind::Infinite, toFinite = span.to.kind != EndKind::Infinite;
        if (fromFinite) addEnd(span.from);
        // A single number, {x₀}, has one end.
        if (toFinite && !(fromFinite && span.to.at == span.from.at)) addEnd(span.to);
    }
    for (const LabelledPoint& least : sketch.least) {
        add(MarkShape::Extreme, map.point(least), least.label, {Horizontal::Centre, Vertical::Below});
    }
    for (const LabelledPoint& greatest : sketch.greatest) {
        add(MarkShape::Extreme, map.point(greatest), greatest.label, {Horizontal::Centre, Vertical::Above});
    }
    const auto& common = sketch.commonPoints;
    for (std::size_t i = 0; i < common.size(); ++i) {
        const bool leftOfTwo = common.size() == 2 && common[i].x < common[1 - i].x;
        add(MarkShape::Common, map.point(common[i]), common[i].label,
            {leftOfTwo ? Horizontal::Left : Horizontal::Right, Vertical::Above});
    }
}

// Everything but the texts, with LEGEND pixels left under the chart.
SketchLayout linesAndMarks(const Sketch& sketch, const FittedView& view, int width, int height, double scale,
                           double legend) {
    SketchLayout layout;
    layout.xName = sketch.variable;
    layout.sizes = sizesAt(scale);
    const double room = std::round(padding * scale);
    layout.bounds = {.left = 0, .top = 0, .right = double(width), .bottom = double(height)};
    layout.plot = {.left = 0, .top = 0, .right = double(width), .bottom = height - legend};
    layout.area = {.left = room,
                   .top = room,
                   .right = std::max(room + 1, width - room),
                   .bottom = std::max(room + 1, layout.plot.bottom - room)};
    const Mapping map(view, layout.area);

    const int axis = layout.sizes.axis, grid = layout.sizes.grid;
    layout.xAxis = snapped(map.row(0), axis);
    layout.yAxis = snapped(map.column(0), axis);
    if (sketch.vertex) layout.symmetry = snapped(map.column(sketch.vertex->x), axis);
    for (long long k = view.x.firstTick; k <= view.x.lastTick; ++k) {
        if (k != 0) layout.xTicks.push_back({k, snapped(map.column(view.x.tick(k)), grid)});
    }
    for (long long k = view.y.firstTick; k <= view.y.lastTick; ++k) {
        if (k != 0) layout.yTicks.push_back({k, snapped(map.row(view.y.tick(k)), grid)});
    }
    layout.curves.push_back(map.curve(sketch.curve));
    if (sketch.other) layout.curves.push_back(map.curve(*sketch.other));
    const Box& area = layout.area;
    for (const AxisSpan& span : sketch.solutionSet) {
        const bool fromInfinite = span.from.kind == EndKind::Infinite, toInfinite = span.to.kind == EndKind::Infinite;
        const double from = fromInfinite ? area.left : std::max(area.left, map.column(span.from.at));
        const double to = toInfinite ? area.right : std::min(area.right, map.column(span.to.at));
        layout.spans.emplace_back(from, to);
    }
    addMarks(layout, sketch, map, scale);
    return layout;
}

}  // namespace

double Box::distanceTo(PixelPoint p) const {
    const double dx = std::max({left - p.x, 0.0, p.x - right});
    const double dy = std::max({top - p.y, 0.0, p.y - bottom});
    return std::hypot(dx, dy);
}

double PixelCurve::rowAt(double column) const {
    const double t = column - column0;
    return row0 + (slope + k * t) * t;
}

bool PixelCurve::crosses(const Box& box, double halfWidth) const {
    const double from = std::max(box.left - halfWidth, left), to = std::min(box.right + halfWidth, right);
    if (from > to) return false;
    // A continuous curve meets every row between its lowest and highest on the columns.
    double low = std::min(rowAt(from), rowAt(to)), high = std::max(rowAt(from), rowAt(to));
    if (k != 0) {
        const double turn = column0 - slope / (2 * k);
        if (turn > from && turn < to) {
            low = std::min(low, rowAt(turn));
            high = std::max(high, rowAt(turn));
        }
    }
    return low - halfWidth < box.bottom && box.top < high + halfWidth;
}

std::array<PixelPoint, 3> PixelCurve::bezier() const {
    // The control point: where the tangents at both ends meet.
    const double middle = (left + right) / 2, riseAtLeft = slope + 2 * k * (left - column0);
    return {PixelPoint{left, rowAt(left)}, PixelPoint{middle, rowAt(left) + riseAtLeft * (middle - left)},
            PixelPoint{right, rowAt(right)}};
}

// Laid out once, then again with as many legend lines taken from the
// chart's height as labels found no room beside their marks, until that
// many have room, or the legend takes half the picture.
SketchLayout LayoutSketch(const Sketch& sketch, const FittedView& view, int width, int height, double scale,
                          const TickTexts& tickTexts, const MeasureText& measure) {
    const double line = LegendLineHeight(scale, measure);
    const int most = int(height / 2 / line);
    int lines = 0;
    for (;;) {
        SketchLayout layout = linesAndMarks(sketch, view, width, height, scale, lines * line);
        const int unplaced = PlaceTexts(layout, view, scale, tickTexts, measure);
        if (unplaced <= lines || lines == most) return layout;
        lines = std::min(unplaced, most);
    }
}

}  // namespace sketch
