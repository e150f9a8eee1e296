#pragma once

#include "chart/SketchLayout.h"

namespace chart {

// Adds to LAYOUT, whose lines and marks are laid out, the axes' names and
// numbers and the marks' labels, each where it covers nothing: a label
// beside its mark, on its preferred side first; a number beside its tick,
// on the other side of the axis where the curve or a mark is in the way,
// else left out.
void PlaceTexts(SketchLayout& layout, const FittedView& view, double scale, const TickTexts& tickTexts,
                const MeasureText& measure);

}  // namespace chart
