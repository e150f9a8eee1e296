#pragma once

#include <string>

#include "sketch/Sketch.h"
#include "solution/Facts.h"

namespace solution {

// What the chart of f shows: its points at the nearest doubles, labelled as
// the worked solution writes them, and one sentence saying it in words.
struct Graph {
    sketch::Sketch sketch;  // "W = (1; −4)", "x₁ = 1 − √2", "(0; −2)"
    std::string description;
};

Graph GraphOf(const Facts& facts);

// "W = (1; −4)", or "W ≈ (…)" where the numbers are rounded.
std::string VertexText(const Facts& facts);
// "(0; −2)"
std::string YInterceptText(const Facts& facts);

}  // namespace solution
