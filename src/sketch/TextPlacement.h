#pragma once

#include "sketch/SketchLayout.h"

namespace sketch {

// The height of one line of the legend under the chart.
double LegendLineHeight(double scale, const MeasureText& measure);

// Adds to LAYOUT, whose lines and marks are laid out, the axes' names, the
// marks' labels and the axes' numbers, each where it covers nothing: a
// label touching a ring round its mark, on its preferred side first; where
// no place round it is free, the mark's number there instead and the
// label in the legend's lines under the plot, as many as there is room
// for; a number beside its tick, or left out where something is in the
// way or a label names its column.
// Returns how many labels found no place beside their marks.
int PlaceTexts(SketchLayout& layout, const FittedView& view, double scale, const TickTexts& tickTexts,
               const MeasureText& measure);

}  // namespace sketch
