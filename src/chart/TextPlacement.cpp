#include "chart/TextPlacement.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

Box aligned(PixelPoint size, PixelPoint at, Side side) {
    const double left = side.horizontal < 0 ? at.x - size.x : side.horizontal > 0 ? at.x : at.x - size.x / 2;
    const double top = side.vertical < 0 ? at.y - size.y : side.vertical > 0 ? at.y : at.y - size.y / 2;
    return {left, top, left + size.x, top + size.y};
}

class Placer {
public:
    Placer(SketchLayout& layout, double scale, const MeasureText& measure)
        : l_(layout), scale_(scale), measure_(measure) {
        const double half = std::max(px(4), layout.axisWidth / 2.0);
        const Box& b = layout.bounds;
        axes_[0] = {b.left + px(4), layout.xAxis - half, b.right - px(4), layout.xAxis + half};
        axes_[1] = {layout.yAxis - half, b.top + px(4), layout.yAxis + half, b.bottom - px(4)};
    }

    double px(double logical) const { return logical * scale_; }
    PixelPoint sizeOf(const std::string& text) const { return measure_(text); }

    bool overMark(const Box& box) const {
        return std::any_of(l_.marks.begin(), l_.marks.end(), [&](const Mark& m) {
            const double r = m.radius + px(1);
            return box.intersects({m.at.x - r, m.at.y - r, m.at.x + r, m.at.y + r});
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
        const auto boxAt = [&](int horizontal, int vertical, int further) {
            const PixelPoint corner{at.x + horizontal * gap, at.y + vertical * (gap + further * (size.y + px(2)))};
            return aligned(size, corner, {horizontal, vertical});
        };
        std::vector<Box> places;
        const int h = preferred.horizontal;
        const std::vector<int> horizontals = h == 0 ? std::vector<int>{0, 1, -1} : std::vector<int>{h, -h, 0};
        for (const int vertical : {preferred.vertical, -preferred.vertical}) {
            for (int further = 0; further < 4; ++further) {
                for (const int horizontal : horizontals) places.push_back(boxAt(horizontal, vertical, further));
            }
            if (vertical == preferred.vertical) {
                for (const int horizontal : {h == 0 ? 1 : h, h == 0 ? -1 : -h}) places.push_back(boxAt(horizontal, 0, 0));
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
        add(text, {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy}, TextKind::Haloed);
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
    if (!place.addFirstFree("x", {aligned(x, {end, l.xAxis - place.px(4)}, {-1, -1}),
                                  aligned(x, {end, l.xAxis + place.px(4)}, {-1, 1})})) {
        place.add("x", aligned(x, {end, l.xAxis - place.px(4)}, {-1, -1}), TextKind::Tick);
    }
    if (!place.addFirstFree("y", {aligned(y, {l.yAxis + place.px(8), place.px(4)}, {1, 1}),
                                  aligned(y, {l.yAxis - place.px(8), place.px(4)}, {-1, 1})})) {
        place.add("y", aligned(y, {l.yAxis + place.px(8), place.px(4)}, {1, 1}), TextKind::Tick);
    }
}

// Every mark's label, that of (0; c) last: it is the least needed.
void placeLabels(Placer& place, const SketchLayout& l) {
    for (std::size_t i = 1; i <= l.marks.size(); ++i) {
        const Mark& mark = l.marks[i % l.marks.size()];
        if (!mark.label.empty()) place.label(mark.label, mark.at, mark.side);
    }
}

// The numbers of one axis: beside each tick on the preferred side of the
// axis, else on the other, else left out.
void placeNumbers(Placer& place, const SketchLayout& l, const AxisScale& scale, const std::vector<Tick>& ticks,
                  bool horizontal, const TickTexts& tickTexts) {
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
    const int n = horizontal ? every(room, widest + place.px(8)) : every(room, tallest);
    // Below the x axis and left of the y axis, where the picture has room.
    const int side = horizontal ? (l.xAxis + gap + tallest <= l.bounds.bottom ? 1 : -1)
                                : (l.yAxis - gap - widest >= l.bounds.left ? -1 : 1);
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        if (ticks[i].k % n) continue;
        const PixelPoint size = place.sizeOf(texts[i]);
        const auto at = [&](int s) {
            return horizontal ? aligned(size, {ticks[i].at, l.xAxis + s * gap}, {0, s})
                              : aligned(size, {l.yAxis + s * gap, ticks[i].at}, {s, 0});
        };
        place.addFirstFree(texts[i], {at(side), at(-side)});
    }
}

}  // namespace

void PlaceTexts(SketchLayout& layout, const FittedView& view, double scale, const TickTexts& tickTexts,
                const MeasureText& measure) {
    Placer place(layout, scale, measure);
    placeAxisNames(place, layout);
    placeLabels(place, layout);
    placeNumbers(place, layout, view.x, layout.xTicks, true, tickTexts);
    placeNumbers(place, layout, view.y, layout.yTicks, false, tickTexts);
    const double gap = place.px(8);
    place.addFirstFree("0", {aligned(place.sizeOf("0"), {layout.yAxis - gap, layout.xAxis + gap}, {-1, 1})});
}

}  // namespace chart
