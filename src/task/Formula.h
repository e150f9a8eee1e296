#pragma once

#include <map>
#include <string>

#include "task/Algebra.h"
#include "task/Syntax.h"

// A formula's tree made into its value and into its text in school notation.
namespace task {

// A function a task defines, as f(x) = x² − 3 or y = 2x + 1.
struct Definition {
    char32_t variable = U'x';
    Poly value;
};
using Functions = std::map<char32_t, Definition>;

// What stands in a letter's place where a formula is written with a number
// put in: "(−1)", "2".
using Substitution = std::map<char32_t, std::string>;

// "−2(x + 1)² + 8"; with X put in for x: "a(0 − 1)(0 − 3)".
std::string TextOf(const syntax::Node& node, const Substitution& put = {});

// The most letters one formula may hold: the variable and its unknowns.
inline constexpr std::size_t mostLetters = 4;

// The exact value of formulas, f(2) or g(x) through FUNCTIONS; a TaskError
// thrown where a formula is past what a task may hold (a power of a
// variable over 4, division by a letter, numbers too long to work with).
class Evaluator {
public:
    explicit Evaluator(const Functions& functions) : functions_(functions) {}
    Poly valueOf(const syntax::Node& node);

private:
    Poly number(const syntax::Node& node);
    Poly call(const syntax::Node& node);
    Poly powered(Poly base, const syntax::Node::Power& power);
    Poly multiplied(const Poly& p, const Poly& q, std::size_t at) const;
    Poly divided(const Poly& p, const Poly& q, std::size_t at) const;
    void spend(std::size_t bits, std::size_t at);

    const Functions& functions_;
    std::size_t spent_ = 0;
};

}  // namespace task
