#include "chart/TextPlacement.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

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

class Placer {
public:
    Placer(SketchLayout& layout, double scale, const MeasureText& measure)
        : l_(layout), scale_(scale), measure_(measure) {
        const double half = std::max(px(4), layout.axisWidth / 2.0);
        const Box& b = layout.bounds;
        axes_[0] = {.left = b.left + px(4), .top = layout.xAxis - half, .right = b.right - px(4), .bottom = layout.xAxis + half};
        axes_[1] = {.left = layout.yAxis - half, .top = b.top + px(4), .right = layout.yAxis + half, .bottom = b.bottom - px(4)};
    }

    double px(double logical) const { return logical * scale_; }
    PixelPoint sizeOf(const std::string& text) const { return measure_(text); }

    bool overMark(const Box& box) const {
        return std::any_of(l_.marks.begin(), l_.marks.end(), [&](const Mark& m) {
            const double r = m.radius + px(1);
            return box.intersects({.left = m.at.x - r, .top = m.at.y - r, .right = m.at.x + r, .bottom = m.at.y + r});
        });
    }
    bool overAxis(const Box& box) const { return box.intersects(axes_[0]) || box.intersects(axes_[1]); }
    bool overText(const Box& box) const {
        return std::any_of(l_.texts.begin(), l_.texts.end(), [&](const PlacedText& t) { return box.intersects(t.box); });
    }
    // The stroke and the fringe its smoothing adds.
    bool overCurve(const Box& box) const { return l_.curve.crosses(box, l_.curveWidth / 2 + 1); }
    bool inside(const Box& box) const { return l_.bounds.contains(box); }
    bool free(const Box& box) const {
        return inside(box) && !overMark(box) && !overAxis(box) && !overText(box) && !overCurve(box);
    }

    void add(const std::string& text, const Box& box, TextKind kind) { l_.texts.push_back({text, box, kind}); }

    // The first of the places that is free, else none.
    bool addFirstFree(const std::string& text, std::initializer_list<Box> places) {
        for (const Box& box : places) {
            if (!free(box)) continue;
            add(text, box, TextKind::Tick);
            return true;
        }
        return false;
    }

    // Beside its mark, on a light ground: on its own side first, else the
    // other way along the axis, else further out, else beside it, else on
    // the far side. Where none of these is free, over the curve with a halo,
    // else over an axis or text, never over a mark where that can be helped;
    // never outside the picture.
    void label(const std::string& text, PixelPoint at, Side preferred) {
        const PixelPoint measured = sizeOf(text);
        const PixelPoint size{measured.x + px(6), measured.y + px(2)};
        // Past the largest mark, which may lie under this one.
        const double gap = px(6.75) + px(2);
        const auto boxAt = [&](Side side, int further) {
            return aligned(size, towards(at, side, gap, gap + further * (size.y + px(2))), side);
        };
        std::vector<Box> places;
        const Horizontal h = preferred.horizontal, beside = h == Horizontal::Centre ? Horizontal::Right : h;
        const std::vector<Horizontal> horizontals = h == Horizontal::Centre
                                                        ? std::vector{Horizontal::Centre, Horizontal::Right, Horizontal::Left}
                                                        : std::vector{h, Opposite(h), Horizontal::Centre};
        for (const Vertical vertical : {preferred.vertical, Opposite(preferred.vertical)}) {
            for (int further = 0; further < 4; ++further) {
                for (const Horizontal horizontal : horizontals) places.push_back(boxAt({horizontal, vertical}, further));
            }
            if (vertical == preferred.vertical) {
                for (const Horizontal horizontal : {beside, Opposite(beside)}) {
                    places.push_back(boxAt({horizontal, Vertical::Centre}, 0));
                }
            }
        }
        const auto first = [&](auto acceptable) { return std::find_if(places.begin(), places.end(), acceptable); };
        if (const auto box = first([&](const Box& b) { return free(b); }); box != places.end()) {
            return add(text, *box, TextKind::Label);
        }
        if (const auto box = first([&](const Box& b) { return inside(b) && !overMark(b) && !overAxis(b) && !overText(b); });
            box != places.end()) {
            return add(text, *box, TextKind::Haloed);
        }
        if (const auto box = first([&](const Box& b) { return inside(b) && !overMark(b); }); box != places.end()) {
            return add(text, *box, TextKind::Haloed);
        }
        // Wider or taller than the picture: the text of the solution says it.
        Box box = places.front();
        if (box.width() > l_.bounds.width() || box.height() > l_.bounds.height()) return;
        const double dx = std::clamp(box.left, 0.0, std::max(0.0, l_.bounds.right - box.width())) - box.left;
        const double dy = std::clamp(box.top, 0.0, std::max(0.0, l_.bounds.bottom - box.height())) - box.top;
        add(text, {.left = box.left + dx, .top = box.top + dy, .right = box.right + dx, .bottom = box.bottom + dy},
            TextKind::Haloed);
    }

private:
    SketchLayout& l_;
    const double scale_;
    const MeasureText& measure_;
    Box axes_[2];
};

// Every tick's number, or every second or fifth counted from 0 where
// their labels need more room than a step.
int every(double room, double needed) {
    for (const int n : {1, 2, 5, 10}) {
        if (room * n >= needed) return n;
    }
    return 1000;
}

void placeAxisNames(Placer& place, const SketchLayout& l) {
    const double end = l.bounds.right - place.px(4) - place.px(9);
    const PixelPoint x = place.sizeOf("x"), y = place.sizeOf("y");
    // On the curve's far side where it reaches the arrow.
    const Box aboveX = aligned(x, {end, l.xAxis - place.px(4)}, {Horizontal::Left, Vertical::Above});
    if (!place.addFirstFree("x", {aboveX, aligned(x, {end, l.xAxis + place.px(4)}, {Horizontal::Left, Vertical::Below})})) {
        place.add("x", aboveX, TextKind::Tick);
    }
    const Box rightOfY = aligned(y, {l.yAxis + place.px(8), place.px(4)}, {Horizontal::Right, Vertical::Below});
    if (!place.addFirstFree("y", {rightOfY, aligned(y, {l.yAxis - place.px(8), place.px(4)}, {Horizontal::Left, Vertical::Below})})) {
        place.add("y", rightOfY, TextKind::Tick);
    }
}

// Every mark's label, that of (0; c) last: it is the least needed.
void placeLabels(Placer& place, const SketchLayout& l) {
    for (std::size_t i = 1; i <= l.marks.size(); ++i) {
        const Mark& mark = l.marks[i % l.marks.size()];
        if (!mark.label.empty()) place.label(mark.label, mark.at, mark.side);
    }
}

enum class Axis { X, Y };

// The numbers of one axis: beside each tick on the preferred side of the
// axis, else on the other, else left out.
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
    const double gap = place.px(8), room = std::abs(ticks[1].at - ticks[0].at);
    const bool onX = axis == Axis::X;
    const int n = onX ? every(room, widest + place.px(8)) : every(room, tallest);
    // Below the x axis and left of the y axis, where the picture has room.
    const Side side = onX ? Side{Horizontal::Centre,
                                 l.xAxis + gap + tallest <= l.bounds.bottom ? Vertical::Below : Vertical::Above}
                          : Side{l.yAxis - gap - widest >= l.bounds.left ? Horizontal::Left : Horizontal::Right,
                                 Vertical::Centre};
    const Side otherSide{Opposite(side.horizontal), Opposite(side.vertical)};
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        if (ticks[i].k % n) continue;
        const PixelPoint size = place.sizeOf(texts[i]);
        const PixelPoint tick = onX ? PixelPoint{ticks[i].at, l.xAxis} : PixelPoint{l.yAxis, ticks[i].at};
        const auto at = [&](Side s) { return aligned(size, towards(tick, s, gap, gap), s); };
        place.addFirstFree(texts[i], {at(side), at(otherSide)});
    }
}

}  // namespace

void PlaceTexts(SketchLayout& layout, const FittedView& view, double scale, const TickTexts& tickTexts,
                const MeasureText& measure) {
    Placer place(layout, scale, measure);
    placeAxisNames(place, layout);
    placeLabels(place, layout);
    placeNumbers(place, layout, view.x, layout.xTicks, Axis::X, tickTexts);
    placeNumbers(place, layout, view.y, layout.yTicks, Axis::Y, tickTexts);
    const double gap = place.px(8);
    const Side belowLeft{Horizontal::Left, Vertical::Below};
    place.addFirstFree("0", {aligned(place.sizeOf("0"), towards({layout.yAxis, layout.xAxis}, belowLeft, gap, gap), belowLeft)});
}

}  // namespace chart
