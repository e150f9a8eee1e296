#pragma once

namespace solver {

// What one calculation leaves for the chart. x2 alone is single precision,
// so the two zeros of one function are shown with different precision.
struct SolutionState {
    double a = 0;
    double b = 0;
    double c = 0;
    double delta = 0;
    double x0 = 0;
    double x1 = 0;
    float x2 = 0;

    bool operator==(const SolutionState&) const = default;
};

}  // namespace solver
