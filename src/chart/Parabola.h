#pragma once

#include <string>
#include <vector>

namespace chart {

struct LabelledPoint {
    double x = 0, y = 0;
    std::string label;  // none where another point's label says it
};

// What a chart of f(x) = a(x − p)² + q marks: its vertex (p; q), its real
// zeros and (0; c), each with the text written beside it.
struct Parabola {
    double a = 0;
    LabelledPoint vertex;
    std::vector<LabelledPoint> zeros;  // in the order they are named, x₁ before x₂
    LabelledPoint yIntercept;

    double valueAt(double x) const { return a * (x - vertex.x) * (x - vertex.x) + vertex.y; }
};

}  // namespace chart
