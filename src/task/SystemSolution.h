#pragma once

#include <optional>
#include <string>
#include <variant>

#include "task/Steps.h"

namespace task {

// A system solved by substitution: the second unknown from the equation
// where it stands alone (to the first power, a number before it), the
// simpler of two such; put into the other, which is left in the variable.
struct Elimination {
    std::size_t from = 0;  // the equation that gives the second unknown
    Poly other;            // its value, in the variable
    Poly equation;         // the other equation with it put in, moved to one side
};

// Where a system cannot be solved so, a message saying why.
std::variant<Elimination, std::string> EliminationOf(const System& system);

// Solved as school solves it, ending in "Odpowiedź: x = 3, y = −1 lub …".
Steps SystemSteps(const System& system, const std::string& text);

}  // namespace task
