#include "chart/FittedView.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

// A view whose width lies outside 10^-200 to 10^200 cannot be ticked, nor
// mapped to pixels without losing the points in rounding.
constexpr double narrowest = 1e-200;
constexpr double widest = 1e200;

// How far the view reaches past the farthest point from the vertex, and
// past the parabola's highest and lowest point in it.
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

}  // namespace

double AxisScale::step() const { return mantissa * std::pow(10.0, exponent); }

std::optional<FittedView> FitView(const Parabola& parabola) {
    const double a = parabola.a, p = parabola.vertex.x, q = parabola.vertex.y;
    // Half the view's width: from the vertex to the farthest of the zeros and
    // the y axis, and at least to where the parabola has risen (or fallen) by
    // |q|, so that it shows as a curve when these points lie close together.
    double half = std::max(std::sqrt(std::abs(q / a)), std::abs(p));
    // The zeros, a solution's ends and the points of extreme values too.
    for (const LabelledPoint& zero : parabola.zeros) half = std::max(half, std::abs(zero.x - p));
    for (const AxisSpan& span : parabola.solutionSet) {
        if (!span.fromInfinite) half = std::max(half, std::abs(span.from - p));
        if (!span.toInfinite) half = std::max(half, std::abs(span.to - p));
    }
    for (const LabelledPoint& extreme : parabola.extremes) half = std::max(half, std::abs(extreme.x - p));
    // y = ax²: every point at the origin, and nothing to set a scale; two
    // units either side, as a textbook draws it.
    if (half == 0) half = 2;
    if (!drawable(half)) return std::nullopt;

    FittedView view;
    view.x = scaleOf(p - sideMargin * half, p + sideMargin * half);
    const double left = parabola.valueAt(view.x.low), right = parabola.valueAt(view.x.high);
    const double low = std::min({0.0, q, left, right});
    const double high = std::max({0.0, q, left, right});
    if (!drawable(high - low)) return std::nullopt;
    const double margin = heightMargin * (high - low);
    view.y = scaleOf(low - margin, high + margin);
    return view;
}

}  // namespace chart
