#pragma once

#include "task/Steps.h"

namespace task {

// The steps that answer a function's extreme values on INTERVAL, ending in
// its answer; what they add to GRAPH; and the set of values there, for the
// function's other properties.
std::vector<std::string> IntervalLines(const Task& task, const Interval& interval, solution::Graph& graph,
                                       std::vector<std::string>& properties);

}  // namespace task
