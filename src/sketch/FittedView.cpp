#include "sketch/FittedView.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace sketch {

namespace {

// A view whose width lies outside 10^-200 to 10^200 cannot be ticked, nor
// mapped to pixels without losing the points in rounding.
constexpr double narrowest = 1e-200;
constexpr double widest = 1e200;

// How far the view reaches past the farthest point from its middle, and
// past the highest and lowest point of the curves in it.
constexpr double sideMargin = 1.25;
constexpr double heightMargin = 0.1;

bool drawable(double width) { return std::isfinite(width) && width >= narrowest && width <= widest; }

// Ticks on the range, the largest step that gives 5 to 10 of them. Where no
// step does, the smallest one giving at most 10 gives 4, and the range grows
// by a step at either end to hold 6.
AxisScale scaleOf(double low, double high) {
    const int top = int(std::floor(std::log10(high - low)));
    AxisScale chosen, fewest;
    bool found = false, counted = false;
    for (int exponent = top - 2; exponent <= top + 1; ++exponent) {
        for (const int mantissa : {1, 2, 5}) {
            AxisScale scale{.low = low, .high = high, .mantissa = mantissa, .exponent = exponent};
            // A tick on the very end of the range counts, whatever the rounding of the division.
            scale.firstTick = (long long)std::ceil(low / scale.step() - 1e-9);
            scale.lastTick = (long long)std::floor(high / scale.step() + 1e-9);
            const long long count = scale.lastTick - scale.firstTick + 1;
            if (count >= 5 && count <= 10) {
                chosen = scale;
                found = true;
            } else if (count <= 10 && !counted) {
                fewest = scale;
                counted = true;
            }
        }
    }
    if (found) return chosen;
    fewest.low -= fewest.step();
    fewest.high += fewest.step();
    --fewest.firstTick;
    ++fewest.lastTick;
    return fewest;
}

// The x and y of every point the sketch marks, and of the origin.
std::vector<std::pair<double, double>> markedPoints(const Sketch& sketch) {
    std::vector<std::pair<double, double>> points{{0, 0}};
    const auto add = [&](const LabelledPoint& point) { points.emplace_back(point.x, point.y); };
    if (sketch.vertex) add(*sketch.vertex);
    if (sketch.yIntercept) add(*sketch.yIntercept);
    for (const LabelledPoint& zero : sketch.zeros) add(zero);
    for (const LabelledPoint& p : sketch.least) add(p);
    for (const LabelledPoint& p : sketch.greatest) add(p);
    for (const LabelledPoint& common : sketch.commonPoints) add(common);
    for (const AxisSpan& span : sketch.solutionSet) {
        for (const SpanEnd& end : {span.from, span.to}) {
            if (end.kind != EndKind::Infinite) points.emplace_back(end.at, 0);
        }
    }
    return points;
}

// Where a parabola turns; none for a line.
std::optional<double> turningPoint(const Curve& curve) {
    if (curve.a == 0) return std::nullopt;
    return curve.p - curve.slope / (2 * curve.a);
}

}  // namespace

double AxisScale::step() const { return mantissa * std::pow(10.0, exponent); }

std::optional<FittedView> FitView(const Sketch& sketch) {
    const std::vector<std::pair<double, double>> points = markedPoints(sketch);
    // Half the view's width: a parabola's from its axis to the farthest
    // point, and at least to where it has risen (or fallen) by as much as
    // its vertex lies from the x axis, so that it shows as a curve where
    // these points lie close together; a line's, half the points' reach.
    double centre = 0, half = 0;
    if (const std::optional<double> axis = turningPoint(sketch.curve)) {
        centre = *axis;
        half = std::sqrt(std::abs(sketch.curve.valueAt(centre) / sketch.curve.a));
        for (const auto& [x, y] : points) half = std::max(half, std::abs(x - centre));
    } else {
        const auto [left, right] = std::minmax_element(points.begin(), points.end());
        centre = (left->first + right->first) / 2;
        half = (right->first - left->first) / 2;
    }
    // y = ax², or a line whose points all lie at the origin: nothing to set
    // a scale; two units either side, as a textbook draws it.
    if (half == 0) half = 2;
    if (!drawable(half)) return std::nullopt;

    FittedView view;
    view.x = scaleOf(centre - sideMargin * half, centre + sideMargin * half);
    // Every curve at both ends and where it turns, and every marked point.
    double low = 0, high = 0;
    const auto hold = [&](double y) {
        low = std::min(low, y);
        high = std::max(high, y);
    };
    for (const std::optional<Curve>& curve : {std::optional(sketch.curve), sketch.other}) {
        if (!curve) continue;
        hold(curve->valueAt(view.x.low));
        hold(curve->valueAt(view.x.high));
        const std::optional<double> turn = turningPoint(*curve);
        if (turn && *turn > view.x.low && *turn < view.x.high) hold(curve->valueAt(*turn));
    }
    for (const auto& [x, y] : points) hold(y);
    if (!drawable(high - low)) return std::nullopt;
    const double margin = heightMargin * (high - low);
    view.y = scaleOf(low - margin, high + margin);
    return view;
}

}  // namespace sketch
