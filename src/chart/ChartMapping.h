#pragma once

namespace chart {

// A function point (fx, fy) stands at canvas point (110 + 4 fx, 65 - 4 fy):
// one function unit is 4 mm, and fx, fy from -10 to 10 fill an 80 mm square.
constexpr int OriginX = 110;
constexpr int OriginY = 65;
constexpr int MillimetresPerUnit = 4;
constexpr int FrameReach = 10;

// The square the frame covers, in canvas millimetres.
constexpr int FrameLeft = OriginX - MillimetresPerUnit * FrameReach;
constexpr int FrameRight = OriginX + MillimetresPerUnit * FrameReach;
constexpr int FrameTop = OriginY - MillimetresPerUnit * FrameReach;
constexpr int FrameBottom = OriginY + MillimetresPerUnit * FrameReach;

}  // namespace chart
