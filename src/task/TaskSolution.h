#pragma once

#include "solution/WorkedSolution.h"
#include "task/Task.h"

namespace task {

// The worked solution of a task in Polish school notation, with its chart
// where it has a parabola. A function already in the general form starts
// with "f(x) = …" as the window's worked solution does; any other task with
// "Zadanie: " and itself. A function in another form is first expanded; an
// equation or inequality has everything moved to one side, is solved as
// school solves it (a quadratic by Δ, a linear one by dividing, a constant
// one by reading it) and ends with "Odpowiedź: …"; an interval adds the
// least and greatest values and the set of values on it.
// Two functions get their common points, a system its pairs, a function
// from conditions its formula and then its own worked solution; a task in
// another letter than x says everything in that letter.
solution::Solution SolveTask(const Problem& problem);

}  // namespace task
