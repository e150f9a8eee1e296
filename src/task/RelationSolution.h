#pragma once

#include <optional>

#include "task/CommonPoints.h"

namespace task {

// The steps of an equation or inequality from its task line to its answer:
// everything moved to one side and cleared of fractions, then solved as
// school solves it (a quadratic by Δ, a linear one by dividing, a constant
// one by reading it). Where POINTS is given, the common points of its two
// sides' graphs join the answer as it says, and the chart shows both.
Steps RelationSteps(const Task& task, std::optional<PointsAnswer> points);

}  // namespace task
