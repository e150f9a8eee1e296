#pragma once

#include "task/Steps.h"

namespace task {

// An expression in the roots of an equation worked out without the roots:
// Δ first, for there must be real roots; then Viète's formulas, and the
// expression through x₁ + x₂ and x₁ · x₂ with their values put in.
Steps RootsValueSteps(const RootsValue& task, const std::string& text);

}  // namespace task
