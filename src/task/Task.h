#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "solution/SolutionSet.h"
#include "task/Algebra.h"

namespace task {

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
    std::string name;        // of a function: "f(x)", "h(t)", "y", or "" where only its expression was typed
    std::string letter = "x";  // its variable
    std::string given;  // the function a relation's f(x) stands for: "f(x) = x² − 4"
    std::string left, right;
    Polynomial leftValue, rightValue;
    Relation relation = Relation::Equal;
    std::optional<Interval> interval;

    std::string text() const;
};

// Two functions' graphs, for their common points: y = x² − 3, y = 2x + 1;
// with an equation or inequality between them where one is asked.
struct TwoGraphs {
    Task first, second;
    std::optional<Task> asked;  // f(x) ≥ g(x), its sides the functions' expressions
};

// Two equations in two letters, one of them of degree 1 in the second.
struct System {
    std::string variable = "x", other = "y";
    Task first, second;  // each an equation in both letters; the values are left unset
    Poly firstValue, secondValue;  // left − right
};

// What a condition on an unknown quadratic function says.
struct Condition {
    // Point: f(2) = 7, A = (2; 7); Zero: x₁ = −1, f(3) = 0; Vertex: W = (1; 5);
    // Axis: x = 2; ValueSet: ZW = ⟨−3; +∞); Known: a = 2 (an unknown's value).
    enum class Kind { Point, Zero, Vertex, Axis, ValueSet, Known };
    Kind kind = Kind::Point;
    std::string text;  // as read: "f(2) = 7"
    mpq_class x, y;    // the point's; a zero's and the axis's x; a Known value's y
    std::string unknown;        // of a Known value: "a"
    bool upward = true;         // of a ValueSet: ⟨q; +∞)
    std::size_t at = 0;
};

// An unknown quadratic function from its conditions, optionally through a
// formula with unknown coefficients: f(x) = a(x − 1)(x − 3).
struct Fit {
    std::string name = "f", letter = "x";
    std::string formula;          // the formula typed, "" where none
    std::size_t formulaAt = 0;    // where it begins
    Poly value;                   // its value in the variable and the unknowns
    std::vector<std::string> unknowns;
    std::vector<Condition> conditions;
};

// An expression in the roots x₁ and x₂ of an equation: a fraction of two
// polynomials in them (letters ₁ and ₂), |…| around it all where ABSOLUTE.
struct RootExpression {
    std::string text;  // "x₁² + x₂²"
    Poly numerator, denominator = Poly::constant(1);
    bool absolute = false;
};

// "x² − 5x + 3 = 0, oblicz x₁² + x₂²"
struct RootsValue {
    Task equation;
    RootExpression expression;
};

// An equation or inequality of degree 3 or 4 in one letter: "x⁴ − 5x² + 4 = 0".
struct PolynomialTask {
    Task task;   // its text; its values are left unset
    Poly value;  // left − right
};

// What a sentence asks of a function, each answered in the one "Odpowiedź:".
enum class Ask { Vertex, Canonical, Factored, General, Zeros, Axis, ValueSet, Monotonic, Increasing, Decreasing, Least,
                 Greatest, XIntercepts, YIntercept };

// What a sentence says the roots of an equation with a parameter must be:
// "ma dwa różne rozwiązania dodatnie", "nie ma rozwiązań".
struct Wanted {
    int count = -1;        // 0, 1, 2; −1 where not said
    bool distinct = false;  // "różne"
    int sign = 0;           // +1 "dodatnie", −1 "ujemne"
    int signs = 0;          // −1 "różnych znaków", +1 "jednakowych znaków"
    int values = 0;         // of a function: +1 "przyjmuje tylko wartości dodatnie", −1 ujemne
    bool solvable = false;  // "ma rozwiązania": one at least

    bool operator==(const Wanted&) const = default;
};

// What a task's sentence says beside its formulas.
struct Sentence {
    std::vector<Ask> asks;  // in the order asked, each once
    char32_t parameter = 0;  // "parametru m", "m ∈ ℝ"; 0 where none is declared
    bool valuesAsked = false;  // "dla jakich wartości", "wyznacz m": a parameter's values are the answer
    std::size_t parameterAt = 0;
    Wanted wanted;
    std::size_t wantedAt = 0;  // the first word of what is wanted
};

// A relation between the roots an equation with a parameter must meet:
// "x₁² + x₂² = 10", "1/x₁ + 1/x₂ > 1", "|x₁ − x₂| = 2".
struct RootsRelation {
    RootExpression left, right;
    Relation relation = Relation::Equal;
};

// An equation, or a function, whose coefficients hold a parameter, and what
// its roots or values must be: "x² + mx + 4 = 0 ma dwa różne rozwiązania".
struct Parametric {
    std::string parameter = "m";
    Task task;   // its text: an equation, or a function f(x) = x² − mx + 1
    Poly value;  // left − right, in x and the parameter
    Wanted wanted;
    std::optional<RootsRelation> roots;

    // The sentence that asks it: "Wyznacz wartości parametru m, dla których równanie … ma …".
    std::string text() const;
};

// What a task asks, as read.
struct Problem {
    std::variant<Task, TwoGraphs, System, Fit, RootsValue, Parametric, PolynomialTask> what;
    std::vector<Ask> asks;

    // As it can be typed again: its statements, then ". Wyznacz …" of what is asked.
    std::string text() const;
    std::string statementsText() const;
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
std::variant<Problem, TaskError> ReadTask(std::string_view text);

std::string RelationText(Relation relation);  // " ≤ "
// Whether a number of sign SIGN (−1, 0, 1) stands in relation R to 0.
bool Holds(int sign, Relation r);

}  // namespace task
