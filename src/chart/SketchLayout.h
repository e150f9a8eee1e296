#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "chart/FittedView.h"
#include "chart/Parabola.h"

namespace chart {

struct PixelPoint {
    double x = 0, y = 0;
};

// A rectangle in device pixels, y growing downwards.
struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;

    double width() const { return right - left; }
    double height() const { return bottom - top; }
    bool intersects(const Box& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    bool contains(const Box& other) const {
        return left <= other.left && other.right <= right && top <= other.top && other.bottom <= bottom;
    }
};

// A zero, the vertex, (0; c); the filled or hollow end of a solution's
// span; a least or greatest value.
enum class MarkShape { Circle, Square, Diamond, ClosedEnd, OpenEnd, Extreme };

// Which side of a point a text goes: it ends left of the point, is centred
// on it, or starts right of it; it ends above, is centred, or starts below.
// The values are the directions in pixels.
enum class Horizontal { Left = -1, Centre = 0, Right = 1 };
enum class Vertical { Above = -1, Centre = 0, Below = 1 };

struct Side {
    Horizontal horizontal = Horizontal::Centre;
    Vertical vertical = Vertical::Centre;
};

constexpr Horizontal Opposite(Horizontal h) { return Horizontal(-int(h)); }
constexpr Vertical Opposite(Vertical v) { return Vertical(-int(v)); }

struct Mark {
    MarkShape shape = MarkShape::Circle;
    PixelPoint at;
    double radius = 0;  // half the mark's width, outline included
    std::string label;  // none, or placed beside it, on its preferred side where that is free
    Side side;
};

// The parabola in pixels: row = vertex.y + k · (column − vertex.x)², which
// it is, since the view maps x and y each by an affine map.
struct PixelParabola {
    PixelPoint vertex;
    double k = 0;
    double left = 0, right = 0;  // the columns it is drawn in

    double rowAt(double column) const { return vertex.y + k * (column - vertex.x) * (column - vertex.x); }
    // Whether the curve, drawn HALFWIDTH either side, passes through BOX.
    bool crosses(const Box& box, double halfWidth) const;
};

enum class TextKind {
    Tick,   // an axis's number, or its name
    Label,  // a marked point's, on a light ground
    Haloed  // a marked point's that found no free place: it may cross the curve, outlined
};

struct PlacedText {
    std::string text;
    Box box;
    TextKind kind = TextKind::Tick;
};

struct Tick {
    long long k = 0;  // the tick at k · step
    double at = 0;  // its pixel column (x axis) or row (y axis), on a line's centre
};

// The chart of a parabola laid out in device pixels, y growing downwards.
// Straight lines lie on pixel centres, so that they stay sharp at any scale.
struct SketchLayout {
    int axisWidth = 1;  // of the axes and the axis of symmetry; the grid's is 1
    Box area;           // what the view maps to
    Box bounds;         // the whole picture
    double xAxis = 0;     // the row of y = 0
    double yAxis = 0;     // the column of x = 0
    double symmetry = 0;  // the column of x = p
    std::vector<Tick> xTicks, yTicks;  // without the origin's
    // The parabola over the whole view as one quadratic Bézier curve, which
    // it is exactly: affine maps keep both.
    PixelPoint curveStart, curveControl, curveEnd;
    PixelParabola curve;
    double curveWidth = 2;
    // The solution's spans on the x axis, from column to column.
    std::vector<std::pair<double, double>> spans;
    // (0; c), the vertex, the zeros, the spans' ends, the extreme values:
    // each drawn over the one before, and smaller, so that where they meet
    // each shows. Their labels are placed in that order, (0; c)'s last.
    std::vector<Mark> marks;
    // Every text, none over another, a mark, an axis or the curve, except a
    // haloed label over the curve.
    std::vector<PlacedText> texts;
};

// The size in device pixels of a text in the chart's font.
using MeasureText = std::function<PixelPoint(const std::string& text)>;
// The numbers of an axis's ticks, multiple · 10^exponent each, in one form
// for the whole axis.
using TickTexts = std::function<std::vector<std::string>(const std::vector<long long>& multiples, int exponent)>;

// For WIDTH × HEIGHT device pixels at SCALE device pixels a logical one.
SketchLayout LayoutSketch(const Parabola& parabola, const FittedView& view, int width, int height, double scale,
                          const TickTexts& tickTexts, const MeasureText& measure);

}  // namespace chart
