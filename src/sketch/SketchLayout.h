#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sketch/FittedView.h"
#include "sketch/Sketch.h"

namespace sketch {

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
    // How far its nearest point lies from P; 0 where P is inside.
    double distanceTo(PixelPoint p) const;
};

// How large the chart's lines are drawn, in logical pixels here and in
// device pixels in a layout: the layout keeps the texts off them, and the
// painter draws by the same numbers.
struct LineSizes {
    int axis = 1;  // the axes and the axis of symmetry, in whole pixels
    int grid = 1;  // the grid and the tick marks, a device pixel at any scale
    double curve = 2;
    double span = 4;  // a solution's thick line along the x axis
    double arrowLength = 9, arrowWing = 4;
    double axisInset = 4;  // between the chart's edge and an axis's end
    double tick = 3;       // a tick mark's reach either side of its axis
};

// A zero, the vertex, (0; c); the filled or hollow end of a solution's
// span; a least or greatest value; a common point of two curves.
enum class MarkShape { Circle, Square, Diamond, ClosedEnd, OpenEnd, Extreme, Common };

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
    double radius = 0;   // of the disc that holds the mark, outline included
    double outline = 1;  // the outline's width
    std::string label;   // none, or beside it, on its preferred side where that is free
    Side side;
    // Where the curve turns at the mark, the half its label keeps to, the
    // one away from the curve; Centre where it may go anywhere round.
    Vertical outside = Vertical::Centre;
};

// A curve in pixels, row = row0 + (slope + k · t) · t with t = column −
// column0: a parabola or a line stays one under the view's affine maps.
struct PixelCurve {
    double column0 = 0, row0 = 0, slope = 0, k = 0;
    double left = 0, right = 0;  // the columns it is drawn in

    double rowAt(double column) const;
    // Whether the curve, drawn HALFWIDTH either side, passes through BOX.
    bool crosses(const Box& box, double halfWidth) const;
    // The curve from its left column to its right as one quadratic Bézier
    // curve, which it is exactly: start, control point, end.
    std::array<PixelPoint, 3> bezier() const;
};

enum class TextKind {
    AxisName,    // "x" or "y"
    XNumber,     // a tick's number on the x axis, the origin's 0 among them
    YNumber,     // a tick's number on the y axis
    Label,       // a marked point's, beside it on a light ground
    MarkNumber,  // where the label found no room: a number beside the mark, on a light ground
    Legend       // that number's line under the chart: "1: x₁ = (7 + 3√3)/2"
};

struct PlacedText {
    std::string text;
    Box box;
    TextKind kind = TextKind::XNumber;
    int mark = -1;  // a label's, a mark's number's or a legend line's: the index of its mark
};

struct Tick {
    long long k = 0;  // the tick at k · step
    double at = 0;    // its pixel column (x axis) or row (y axis), on a line's centre
};

// The chart of a sketch laid out in device pixels, y growing downwards.
// Straight lines lie on pixel centres, so that they stay sharp at any scale.
struct SketchLayout {
    LineSizes sizes;  // in device pixels, the axis's a whole number
    Box bounds;       // the whole picture
    Box plot;         // the chart, above the legend's lines
    Box area;         // what the view maps to
    std::string xName = "x";         // the horizontal axis's
    double xAxis = 0;                // the row of y = 0
    double yAxis = 0;                // the column of x = 0
    std::optional<double> symmetry;  // the column of a marked vertex, its parabola's axis
    std::vector<Tick> xTicks, yTicks;  // without the origin's
    std::vector<PixelCurve> curves;    // the function's, then the other side's
    // The solution's spans on the x axis, from column to column.
    std::vector<std::pair<double, double>> spans;
    // (0; c), the vertex, the zeros, the spans' ends, the extreme values,
    // the common points: each drawn over the one before, and no larger, so
    // that where they meet each shows. Their labels are placed in that
    // order, (0; c)'s last.
    std::vector<Mark> marks;
    // Every text, none over another, a mark, a line or the picture's edge.
    std::vector<PlacedText> texts;
};

// The size in device pixels of a text in the chart's font.
using MeasureText = std::function<PixelPoint(const std::string& text)>;
// The numbers of an axis's ticks, multiple · 10^exponent each, in one form
// for the whole axis.
using TickTexts = std::function<std::vector<std::string>(const std::vector<long long>& multiples, int exponent)>;

// For WIDTH × HEIGHT device pixels at SCALE device pixels a logical one.
// Labels that find no room beside their marks go to a legend under the
// chart, which takes rows from its bottom.
SketchLayout LayoutSketch(const Sketch& sketch, const FittedView& view, int width, int height, double scale,
                          const TickTexts& tickTexts, const MeasureText& measure);

}  // namespace sketch
