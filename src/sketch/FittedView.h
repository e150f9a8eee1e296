#pragma once

#include <optional>

#include "sketch/Sketch.h"

namespace sketch {

// One axis of a chart fitted to a function: the range it shows and its
// ticks, the multiples k · step from the first to the last inside it, with
// step = mantissa · 10^exponent and mantissa 1, 2 or 5.
struct AxisScale {
    double low = 0, high = 0;
    int mantissa = 1;
    int exponent = 0;
    long long firstTick = 0, lastTick = 0;

    double step() const;
    double tick(long long k) const { return double(k) * step(); }
};

struct FittedView {
    AxisScale x, y;
};

// The view that holds every point the sketch marks and the origin with a
// margin, and the curves over its whole width; a parabola's symmetric about
// its axis, a line's centred on its points; with 5 to 10 ticks on each
// axis. None where its numbers are too large or too small for a double to
// draw.
std::optional<FittedView> FitView(const Sketch& sketch);

}  // namespace sketch
