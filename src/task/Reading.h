#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "task/Formula.h"
#include "task/Lexer.h"
#include "task/Syntax.h"
#include "text/Utf8.h"

// What the reader's parts share while they make statements into a problem.
namespace task::reading {

using syntax::Node;
using syntax::Statement;

inline std::string letterText(char32_t c) { return text::Encode(std::u32string(1, c)); }

// "m i x", "a, b i c"
inline std::string listed(const std::u32string& letters) {
    std::string list;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        list += (i == 0 ? "" : i + 1 == letters.size() ? " i " : ", ") + letterText(letters[i]);
    }
    return list;
}

// Whether any of FORMULAS calls the function NAME.
inline bool calls(const std::vector<Node>& formulas, char32_t name) {
    for (const Node& n : formulas) {
        if ((n.kind == Node::Kind::Call && n.letter == name) || calls(n.parts, name)) return true;
    }
    return false;
}

// Whether the letter L stands anywhere in N.
inline bool mentions(const Node& n, char32_t l) {
    if (n.kind == Node::Kind::Letter && n.letter == l) return true;
    return std::any_of(n.parts.begin(), n.parts.end(), [&](const Node& part) { return mentions(part, l); });
}

inline bool isCall(const Node& n) { return n.kind == Node::Kind::Call && n.minuses == 0 && n.powers.empty(); }
inline bool isLetter(const Node& n) { return n.kind == Node::Kind::Letter && n.minuses == 0 && n.powers.empty(); }

// A function the task defines, with the statement that does.
struct Defined {
    const Statement* statement = nullptr;
    Definition definition;
    std::u32string unknowns;  // letters beside its variable
};

// "f(x)", "h(t)", "y"
inline std::string NameOf(const Defined& d) {
    const char32_t name = d.statement->name;
    return name == U'y' ? "y" : letterText(name) + "(" + letterText(d.definition.variable) + ")";
}

// The number NODE stands for, FUNCTIONS giving calls their values.
inline mpq_class ConstantOf(const Node& node, const Functions& functions) {
    const Poly value = Evaluator(functions).valueOf(node);
    if (!value.isConstant()) throw lexer::ErrorAt(node.at, "Tu powinna stać liczba" + lexer::Place(node.at));
    return value.constantTerm();
}

// Whether x₁ or x₂ stands anywhere in FORMULAS.
inline bool hasRoots(const std::vector<Node>& formulas) {
    return std::any_of(formulas.begin(), formulas.end(), [](const Node& n) {
        return n.kind == Node::Kind::Root || hasRoots(n.parts);
    });
}

// An equation or a function among STATEMENTS with the parameter M in its
// coefficients, what its roots or values must be, and a relation of its
// roots if one is given; a TaskError where that is not all they say, or
// where its conditions cannot be solved.
Parametric ReadParametric(const std::vector<Statement>& statements, const std::vector<Defined>& defined,
                          const Functions& functions, char32_t m, const Wanted& wanted);

// Conditions on an unknown function, and the formula with unknown
// coefficients among DEFINED if any: the function they describe.
Fit ReadFit(const std::vector<Statement>& statements, const std::vector<Defined>& defined, Functions functions);

}  // namespace task::reading
