#pragma once

#include <optional>
#include <string>
#include <vector>

#include "task/Algebra.h"
#include "task/Syntax.h"

// Expressions in the roots x₁ and x₂ of a quadratic equation, worked out
// through their sum and product as school does with Viète's formulas.
namespace task {

// The letters x₁ and x₂ stand for in a root expression's polynomials, and s
// = x₁ + x₂ and p = x₁x₂ in the same expression written through them.
inline constexpr char32_t firstRoot = U'₁', secondRoot = U'₂', rootSum = U's', rootProduct = U'p';

// The highest degree a root expression's numerator or denominator may reach.
inline constexpr int highestRootDegree = 8;

// NODE, made of x₁, x₂ and numbers, as a fraction of two polynomials in
// them; |…| may stand around it all. A TaskError thrown where it holds
// anything else, divides by 0, or is past highestRootDegree.
RootExpression RootExpressionOf(const syntax::Node& node);

// A relation of the roots as one expression compared with 0: left − right;
// |E| compared with a number is left as it stands.
RootExpression MovedLeft(const RootsRelation& r);

// A polynomial symmetric in x₁ and x₂ through s and p: x₁² + x₂² is s² − 2p;
// nullopt for one that is not symmetric, as x₁ − x₂.
std::optional<Poly> ThroughSumAndProduct(const Poly& roots);

// An expression's value through s and p: its numerator and denominator,
// the square of both where it stands in |…| or is not symmetric but its
// square is (x₁ − x₂)²; nullopt where neither is symmetric.
struct SumProductForm {
    Poly numerator, denominator;
    bool squareRoot = false;  // the value is the square root of the fraction
};
std::optional<SumProductForm> SumProductFormOf(const RootExpression& e);

// "(x₁ + x₂)² − 2x₁x₂"; with SUM and PRODUCT written in their place (already
// as factors, "(−5)"): "(−5)² − 2 · 3".
std::string SumProductText(const Poly& sp);
std::string SumProductText(const Poly& sp, const std::string& sum, const std::string& product);

// The form with SUM and PRODUCT put in: "(5² − 2 · 3)/3", "√(4² − 4 · m)".
std::string FormText(const SumProductForm& form, const std::string& sum, const std::string& product);

// "A = B = C", a side left out where it is the one before it, with or without brackets.
std::string Equalities(const std::vector<std::string>& sides);

// The form in school notation: "(x₁ + x₂)/(x₁x₂)", "√((x₁ + x₂)² − 4x₁x₂)".
std::string FormText(const SumProductForm& form);

}  // namespace task
