#pragma once

#include <string>
#include <vector>

#include "solution/Facts.h"

namespace solution {

struct MarkedPoint {
    double x = 0, y = 0;
    std::string label;
};

// What the chart of f shows: its points at the nearest doubles, labelled as
// the worked solution writes them, and one sentence saying it in words.
struct Graph {
    double a = 0;
    MarkedPoint vertex;              // "W = (1; −4)"
    std::vector<MarkedPoint> zeros;  // "x₁ = 1 − √2", "x₂ = 1 + √2"; one "x₀ = −1" where Δ = 0
    MarkedPoint yIntercept;          // "(0; −2)"; no label where it is the vertex or a zero
    std::string description;

    // f(x) = a(x − p)² + q
    double valueAt(double x) const { return a * (x - vertex.x) * (x - vertex.x) + vertex.y; }
};

Graph GraphOf(const Facts& facts);

// "W = (1; −4)", or "W ≈ (…)" where the numbers are rounded.
std::string VertexText(const Facts& facts);
// "(0; −2)"
std::string YInterceptText(const Facts& facts);

}  // namespace solution
