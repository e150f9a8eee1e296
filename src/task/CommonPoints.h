#pragma once

#include "task/Steps.h"

namespace task {

// After the solutions of an equation with x on both sides, whose moved
// side is MOVED: y at each from the simpler side, the common points of the
// two graphs in the answer, and both graphs with those points marked.
void AddCommonPoints(const Task& task, const Polynomial& moved, Steps& steps);

}  // namespace task
