#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <optional>
#include <string>
#include <variant>

#include "solution/SolutionSet.h"

namespace task {

// c2·x² + c1·x + c0, exactly.
struct Polynomial {
    mpq_class c0 = 0, c1 = 0, c2 = 0;

    int degree() const { return c2 != 0 ? 2 : c1 != 0 ? 1 : 0; }
    Polynomial operator+(const Polynomial& other) const { return {c0 + other.c0, c1 + other.c1, c2 + other.c2}; }
    Polynomial operator-(const Polynomial& other) const { return {c0 - other.c0, c1 - other.c1, c2 - other.c2}; }
};

enum class Kind { Function, Equation, Inequality };
enum class Relation { Equal, Less, Greater, LessOrEqual, GreaterOrEqual };

// An interval of x with from < to, for extreme values: its ends closed
// ⟨ ⟩ or open ( ), written as typed in school notation.
struct Interval {
    mpq_class from, to;
    solution::Range range;
};

// A task as the pupil typed it, each side read exactly and written again in
// school notation: "f(x) = −2(x + 1)² + 8", "x² − 5x ≤ 14".
struct Task {
    Kind kind = Kind::Function;
    std::string name;  // of a function: "f(x)", "y", or "" where only its expression was typed
    std::string left, right;
    Polynomial leftValue, rightValue;
    Relation relation = Relation::Equal;
    std::optional<Interval> interval;

    std::string text() const;
};

// What cannot be read, and where: a 0-based index of characters (code points).
struct TaskError {
    std::string message;
    std::size_t position = 0;

    bool operator==(const TaskError&) const = default;
};

// The most a task may hold: characters, brackets one inside another, and
// the digits of any number in it, each refused before any work is done.
inline constexpr std::size_t longestTask = 10'000;
inline constexpr int deepestBrackets = 100;
inline constexpr std::size_t longestNumber = 10'000;

// One line of text as a pupil copies it from the book: a function
// (`f(x) = …`, `y = …`, or an expression in x), an equation or an
// inequality, a function optionally followed by an interval for its extreme
// values (`, x ∈ ⟨−1; 4⟩`, `dla x ∈ (0; 4)`, `x in [-1, 4]`,
// `dla x należy do <-1; 4>`, `w przedziale ⟨−1; 4⟩`, the comma before it
// optional). Typed as in plain text, `x2` is x² and `=<` is ≤.
std::variant<Task, TaskError> ReadTask(std::string_view text);

std::string RelationText(Relation relation);  // " ≤ "

}  // namespace task
