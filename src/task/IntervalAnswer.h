#pragma once

#include "task/Steps.h"

namespace task {

// The steps that answer a function's extreme values on an interval, ending
// in its answer; and the set of values there, for the function's other
// properties and for an answer that asks it.
struct IntervalSteps {
    std::vector<std::string> lines;
    std::string valueSet;  // "zbiór wartości funkcji w przedziale ⟨0; 5) to ⟨−1; 8)"
    std::vector<std::string> properties;
};

// Those steps of TASK on INTERVAL, and what they add to GRAPH.
IntervalSteps IntervalLines(const Task& task, const Interval& interval, solution::Graph& graph);

}  // namespace task
