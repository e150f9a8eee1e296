#pragma once

namespace chart {

// A function point (fx, fy) stands at canvas point (110 + 4 fx, 65 - 4 fy):
// one function unit is 4 mm, and fx, fy from -10 to 10 fill an 80 mm square.
constexpr double OriginX = 110;
constexpr double OriginY = 65;
constexpr double MillimetresPerUnit = 4;
constexpr double FrameReach = 10;

}  // namespace chart
