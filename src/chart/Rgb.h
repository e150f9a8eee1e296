#pragma once

namespace chart {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;

    bool operator==(const Rgb&) const = default;
};

constexpr Rgb Black{0, 0, 0};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Blue{0, 0, 255};

}  // namespace chart
