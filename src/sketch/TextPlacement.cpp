#include "sketch/TextPlacement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace sketch {

namespace {

// In logical pixels: how far past its mark's disc a label's nearest point
// lies, near and, where that is taken, farther out; the light ground round
// a label's text; the gap between an axis and its numbers, and between
// two numbers; that between an axis and its name.
constexpr double ringNear = 2, ringFar = 5;
constexpr double groundWidth = 6, groundHeight = 2;
constexpr double numberGap = 8, nameGap = 6;
// In device pixels: what smoothing adds either side of a line.
constexpr double fringe = 1;

// A text of SIZE on the SIDE of the point AT.
Box aligned(PixelPoint size, PixelPoint at, Side side) {
    const double left = side.horizontal == Horizontal::Left    ? at.x - size.x
                        : side.horizontal == Horizontal::Right ? at.x
                                                               : at.x - size.x / 2;
    const double top = side.vertical == Vertical::Above   ? at.y - size.y
                       : side.vertical == Vertical::Below ? at.y
                                                          : at.y - size.y / 2;
    return {.left = left, .top = top, .right = left + size.x, .bottom = top + size.y};
}

// The point DX and DY pixels from AT in the directions of SIDE.
PixelPoint towards(PixelPoint at, Side side, double dx, double dy) {
    return {at.x + int(side.horizontal) * dx, at.y + int(side.vertical) * dy};
}

// A place round a mark: the box on SIDE of the point of the ring in the
// direction DIRECTION from the mark's centre, which is the box's nearest
// point to it.
struct RingPlace {
    Side side;
    PixelPoint direction;
};

constexpr double diagonal = 0.70710678118654752;
using H = Horizontal;
using V = Vertical;

// Sixteen places, a sixteenth of a turn apart anticlockwise from the east:
// on each side of the mark centred and slid to either end, and at each
// corner.
constexpr std::array<RingPlace, 16> ringPlaces{{
    {{H::Right, V::Centre}, {1, 0}},
    {{H::Right, V::Above}, {1, 0}},
    {{H::Right, V::Above}, {diagonal, -diagonal}},
    {{H::Right, V::Above}, {0, -1}},
    {{H::Centre, V::Above}, {0, -1}},
    {{H::Left, V::Above}, {0, -1}},
    {{H::Left, V::Above}, {-diagonal, -diagonal}},
    {{H::Left, V::Above}, {-1, 0}},
    {{H::Left, V::Centre}, {-1, 0}},
    {{H::Left, V::Below}, {-1, 0}},
    {{H::Left, V::Below}, {-diagonal, diagonal}},
    {{H::Left, V::Below}, {0, 1}},
    {{H::Centre, V::Below}, {0, 1}},
    {{H::Right, V::Below}, {0, 1}},
    {{H::Right, V::Below}, {diagonal, diagonal}},
    {{H::Right, V::Below}, {1, 0}},
}};

// Sixteenths of a turn between two of the places.
int turnsBetween(int a, int b) {
    const int d = std::abs(a - b) % 16;
    return std::min(d, 16 - d);
}

// The places in the order tried: the one in the direction of PREFERRED,
// then those next to it round both ways, of two equally far the one nearer
// upright first, so that a label stays above or below its mark where it
// can.
std::array<int, 16> placesFrom(Side preferred) {
    const double angle = std::atan2(-int(preferred.vertical), int(preferred.horizontal));
    const int first = (int(std::lround(angle / (M_PI / 8))) + 16) % 16;
    const auto key = [&](int place) {
        return std::pair(turnsBetween(place, first), std::min(turnsBetween(place, 4), turnsBetween(place, 12)));
    };
    std::array<int, 16> order;
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    return order;
}

class Placer {
public:
    Placer(SketchLayout& layout, double scale, const MeasureText& measure)
        : l_(layout), scale_(scale), measure_(measure) {
        const LineSizes& s = layout.sizes;
        const Box& plot = layout.plot;
        // The axes with their arrowheads and tick marks, the axis of
        // symmetry, the spans: each as wide as drawn, and its fringe.
        const double axis = std::max({s.arrowWing, s.tick, s.axis / 2.0}) + fringe;
        lines_.push_back({.left = plot.left + s.axisInset, .top = layout.xAxis - axis,
                          .right = plot.right - s.axisInset, .bottom = layout.xAxis + axis});
        lines_.push_back({.left = layout.yAxis - axis, .top = plot.top + s.axisInset,
                          .right = layout.yAxis + axis, .bottom = plot.bottom - s.axisInset});
        if (const auto symmetry = layout.symmetry) {
            const double half = s.axis / 2.0 + fringe;
            lines_.push_back({.left = *symmetry - half, .top = layout.area.top,
                              .right = *symmetry + half, .bottom = layout.area.bottom});
        }
        for (const auto& [from, to] : layout.spans) {
            const double half = s.span / 2 + fringe;
            lines_.push_back({.left = from, .top = layout.xAxis - half, .right = to, .bottom = layout.xAxis + half});
        }
    }

    double px(double logical) const { return logical * scale_; }
    PixelPoint sizeOf(const std::string& text) const { return measure_(text); }

    bool free(const Box& box) const {
        return l_.plot.contains(box) && !overLine(box) && !overMark(box) && !overText(box) && !overCurve(box);
    }
    // Whether BOX comes within MARGIN of the x or y axis's name.
    bool nearName(const Box& box, double margin) const {
        const Box wide{.left = box.left - margin, .top = box.top - margin, .right = box.right + margin,
                       .bottom = box.bottom + margin};
        return std::any_of(l_.texts.begin(), l_.texts.end(),
                           [&](const PlacedText& t) { return t.kind == TextKind::AxisName && wide.intersects(t.box); });
    }
    // Under the plot nothing is drawn but the legend.
    bool freeForLegend(const Box& box) const { return l_.bounds.contains(box) && !overText(box); }

    void add(const std::string& text, const Box& box, TextKind kind, int mark = -1) {
        l_.texts.push_back({.text = text, .box = box, .kind = kind, .mark = mark});
    }

    // The first of the places that is free, else none.
    bool addFirstFree(const std::string& text, std::initializer_list<Box> places, TextKind kind) {
        for (const Box& box : places) {
            if (!free(box)) continue;
            add(text, box, kind);
            return true;
        }
        return false;
    }

    // TEXT on a light ground touching the ring round mark I, at the first
    // free place from its preferred one, near the mark, else a little out;
    // else nowhere.
    bool addBeside(int i, const std::string& text, TextKind kind) {
        const Mark& mark = l_.marks[i];
        const PixelPoint measured = sizeOf(text);
        const PixelPoint size{measured.x + px(groundWidth), measured.y + px(groundHeight)};
        for (const int place : placesFrom(mark.side)) {
            for (const double out : {ringNear, ringFar}) {
                const RingPlace& p = ringPlaces[place];
                const double distance = mark.radius + px(out);
                const Box box = aligned(
                    size, {mark.at.x + distance * p.direction.x, mark.at.y + distance * p.direction.y}, p.side);
                if (!keepsOutside(box, mark) || !free(box)) continue;
                add(text, box, kind, i);
                return true;
            }
        }
        return false;
    }

private:
    bool overLine(const Box& box) const {
        return std::any_of(lines_.begin(), lines_.end(), [&](const Box& line) { return box.intersects(line); });
    }
    bool overMark(const Box& box) const {
        return std::any_of(l_.marks.begin(), l_.marks.end(),
                           [&](const Mark& m) { return box.distanceTo(m.at) < m.radius + px(1); });
    }
    bool overText(const Box& box) const {
        return std::any_of(l_.texts.begin(), l_.texts.end(),
                           [&](const PlacedText& t) { return box.intersects(t.box); });
    }
    bool overCurve(const Box& box) const {
        return std::any_of(l_.curves.begin(), l_.curves.end(),
                           [&](const PixelCurve& c) { return c.crosses(box, l_.sizes.curve / 2 + fringe); });
    }
    static bool keepsOutside(const Box& box, const Mark& mark) {
        switch (mark.outside) {
        case Vertical::Above: return box.bottom <= mark.at.y;
        case Vertical::Below: return box.top >= mark.at.y;
        case Vertical::Centre: return true;
        }
        return true;
    }

    SketchLayout& l_;
    const double scale_;
    const MeasureText& measure_;
    std::vector<Box> lines_;
};

// Every tick's number, or every second or fifth counted from 0 where
// their labels need more room than a step.
int every(double room, double needed) {
    for (const int n : {1, 2, 5, 10}) {
        if (room * n >= needed) return n;
    }
    return 1000;
}

// "x" (or a task's other variable) above the x axis by its arrow, else below; "y" right of the y axis
// by its arrow, else left; else none.
void placeAxisNames(Placer& place, const SketchLayout& l) {
    const LineSizes& s = l.sizes;
    const double gap = place.px(nameGap);
    const double end = l.plot.right - s.axisInset - s.arrowLength, top = l.plot.top + s.axisInset;
    const PixelPoint x = place.sizeOf(l.xName), y = place.sizeOf("y");
    const Box aboveX = aligned(x, {end, l.xAxis - gap}, {H::Left, V::Above});
    const Box belowX = aligned(x, {end, l.xAxis + gap}, {H::Left, V::Below});
    place.addFirstFree(l.xName, {aboveX, belowX}, TextKind::AxisName);
    const Box rightOfY = aligned(y, {l.yAxis + gap, top}, {H::Right, V::Below});
    const Box leftOfY = aligned(y, {l.yAxis - gap, top}, {H::Left, V::Below});
    place.addFirstFree("y", {rightOfY, leftOfY}, TextKind::AxisName);
}

// Every mark's label beside it, that of (0; c) last: it is the least
// needed. Returns the marks whose labels found no room.
std::vector<int> placeLabels(Placer& place, const SketchLayout& l) {
    std::vector<int> order(l.marks.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_partition(order.begin(), order.end(), [&](int i) { return l.marks[i].shape != MarkShape::Diamond; });
    std::vector<int> unplaced;
    for (const int i : order) {
        if (!l.marks[i].label.empty() && !place.addBeside(i, l.marks[i].label, TextKind::Label)) unplaced.push_back(i);
    }
    return unplaced;
}

// The labels of the marks UNPLACED in lines under the plot, as many as have
// room there, each centred in its LINE pixels high: numbered as the number
// placed beside its mark, or, where even a number finds no room there,
// without one, the label saying by itself which point it is.
void placeLegend(Placer& place, const SketchLayout& l, const std::vector<int>& unplaced, double line) {
    int lines = 0, numbered = 0;
    for (const int i : unplaced) {
        const std::string number = std::to_string(numbered + 1), numberedText = number + ": " + l.marks[i].label;
        const auto boxOf = [&](const std::string& text) {
            const PixelPoint size = place.sizeOf(text);
            const PixelPoint at{std::min(l.area.left, l.bounds.right - size.x), l.plot.bottom + lines * line + (line - size.y) / 2};
            return aligned(size, at, {H::Right, V::Below});
        };
        if (!place.freeForLegend(boxOf(numberedText))) continue;
        const bool marked = place.addBeside(i, number, TextKind::MarkNumber);
        const std::string text = marked ? numberedText : l.marks[i].label;
        place.add(text, boxOf(text), TextKind::Legend, i);
        ++lines;
        numbered += marked;
    }
}

enum class Axis { X, Y };

// Whether a labelled mark stands within a pixel of COLUMN: its label names
// that x already.
bool named(const SketchLayout& l, double column) {
    return std::any_of(l.marks.begin(), l.marks.end(),
                       [&](const Mark& m) { return !m.label.empty() && std::abs(m.at.x - column) <= 1; });
}

// The numbers of one axis: beside each tick on one side of the axis, or
// left out, as they are on the x axis where a label names the column.
void placeNumbers(Placer& place, const SketchLayout& l, const AxisScale& scale, const std::vector<Tick>& ticks,
                  Axis axis, const TickTexts& tickTexts) {
    if (ticks.size() < 2) return;
    std::vector<long long> multiples;
    for (const Tick& t : ticks) multiples.push_back(t.k * scale.mantissa);
    const std::vector<std::string> texts = tickTexts(multiples, scale.exponent);
    double widest = 0, tallest = 0;
    for (const std::string& text : texts) {
        const PixelPoint size = place.sizeOf(text);
        widest = std::max(widest, size.x);
        tallest = std::max(tallest, size.y);
    }
    const double gap = place.px(numberGap), room = std::abs(ticks[1].at - ticks[0].at);
    const bool onX = axis == Axis::X;
    const int n = onX ? every(room, widest + gap) : every(room, tallest);
    // Below the x axis and left of the y axis, where the chart has room.
    const Side side = onX ? Side{H::Centre, l.xAxis + gap + tallest <= l.plot.bottom ? V::Below : V::Above}
                          : Side{l.yAxis - gap - widest >= l.plot.left ? H::Left : H::Right, V::Centre};
    const TextKind kind = onX ? TextKind::XNumber : TextKind::YNumber;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        if (ticks[i].k % n) continue;
        const PixelPoint tick = onX ? PixelPoint{ticks[i].at, l.xAxis} : PixelPoint{l.yAxis, ticks[i].at};
        if (onX && named(l, tick.x)) continue;
        const PixelPoint size = place.sizeOf(texts[i]);
        const Box usual = aligned(size, towards(tick, side, gap, gap), side);
        if (place.addFirstFree(texts[i], {usual}, kind)) continue;
        // Where the curve or a label takes the usual side, the other, unless
        // it would stand by the axis's name and read with it ("8x").
        const Side other{Opposite(side.horizontal), Opposite(side.vertical)};
        const Box across = aligned(size, towards(tick, other, gap, gap), other);
        if (!place.nearName(across, gap)) place.addFirstFree(texts[i], {across}, kind);
    }
}

// The origin's 0, below left of it, an x axis's number like the others.
void placeOrigin(Placer& place, const SketchLayout& l) {
    if (named(l, l.yAxis)) return;
    const double gap = place.px(numberGap);
    const Side belowLeft{H::Left, V::Below};
    const PixelPoint origin{l.yAxis, l.xAxis};
    place.addFirstFree("0", {aligned(place.sizeOf("0"), towards(origin, belowLeft, gap, gap), belowLeft)},
                       TextKind::XNumber);
}

}  // namespace

double LegendLineHeight(double scale, const MeasureText& measure) { return measure("0").y + 2 * scale; }

int PlaceTexts(SketchLayout& layout, const FittedView& view, double scale, const TickTexts& tickTexts,
               const MeasureText& measure) {
    Placer place(layout, scale, measure);
    placeAxisNames(place, layout);
    const std::vector<int> unplaced = placeLabels(place, layout);
    placeLegend(place, layout, unplaced, LegendLineHeight(scale, measure));
    placeNumbers(place, layout, view.x, layout.xTicks, Axis::X, tickTexts);
    placeNumbers(place, layout, view.y, layout.yTicks, Axis::Y, tickTexts);
    placeOrigin(place, layout);
    return int(unplaced.size());
}

}  // namespace sketch
