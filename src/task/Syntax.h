#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "solver/NumberText.h"
#include "task/Task.h"

// A task as read: its statements, each a small tree of what was typed with
// the place of every part, before any value is worked out or text written.
namespace task::syntax {

enum class Op { Plus, Minus, Juxtaposed, Times, Divide, Colon };

struct Node {
    // Root is x₁ or x₂; a Call is f(2), g(x), P(a); a Group a bracket; Abs |…|.
    enum class Kind { Number, Letter, Root, Sum, Product, Group, Call, Abs };

    Kind kind = Kind::Number;
    std::size_t at = 0;  // its first character (code point)
    solver::DecimalNumber number;
    char32_t letter = 0;  // a Letter's, a Root's variable, a Call's function
    int root = 0;         // 1 or 2 of a Root
    int minuses = 0;      // signs typed before it: "−x", "−−2"
    struct Power {
        long exponent = 0;
        std::size_t at = 0;
    };
    std::vector<Power> powers;  // "²", "^3" after it, in order
    std::vector<Node> parts;    // of a Sum or a Product; the one inside a Group or a Call
    struct Joint {
        Op op = Op::Plus;
        std::size_t at = 0;
    };
    std::vector<Joint> joints;  // before each part of a Sum or a Product but the first
};

// One end of a bracket: a number, or ∞ with its sign where VALUE is empty.
struct End {
    std::optional<Node> value;
    bool closed = false;
    int infinity = 0;  // −1, +1
    std::size_t at = 0;
};

// "⟨−1; 4⟩", "(0; +∞)", "(1; 5)" as a point.
struct Bracket {
    End from, to;
    std::size_t at = 0;
};

struct Statement {
    // Definition: f(x) = …, y = …; Relation: sides with a sign between each
    // two (f(−1) = f(3) = 0); Interval: x ∈ ⟨…⟩; Vertex, Point: a pair;
    // Zeros: one or two numbers; Axis: x = 2; ValueSet: ZW = ⟨…⟩.
    enum class Kind { Definition, Relation, Interval, Vertex, Point, Zeros, Axis, ValueSet };

    Kind kind = Kind::Relation;
    std::size_t at = 0;
    char32_t name = 0;      // of a Definition's function, a Point's ("A"); 0 for none
    char32_t variable = 0;  // of a Definition, an Interval, an Axis; 0 where not typed
    std::vector<Node> formulas;
    std::vector<Relation> relations;
    std::vector<std::size_t> signsAt;  // where each relation's sign stands
    std::optional<Bracket> bracket;
};

// A task's statements, and what its sentence says beside them.
struct Parsed {
    std::vector<Statement> statements;
    Sentence sentence;
};

// The statements of TEXT, a TaskError thrown where it cannot be read.
Parsed Parse(std::u32string_view text);

}  // namespace task::syntax
