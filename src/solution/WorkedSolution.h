#pragma once

#include <optional>
#include <string>
#include <vector>

#include "solution/Facts.h"
#include "solution/Graph.h"
#include "solver/Calculation.h"

namespace solution {

struct Solution {
    std::string task;            // what was solved, as it can be typed again: "f(x) = 2x² − 4x − 2"
    std::string text;            // one step a line, without a closing line break
    std::optional<Graph> graph;  // what its chart shows, where there is a parabola to draw
};

// The worked solution of f(x) = ax² + bx + c (a ≠ 0) in Polish school
// notation. Exact where the numbers have at most 40 digits; else rounded to
// 15 significant digits, and a first line says so. Its last line describes
// its chart.
Solution WorkedSolution(const solver::ExactCoefficients& coefficients);

// Its parts, for the solutions of tasks that contain them:
// "Liczby mają tu ponad 40 cyfr, …"
std::string RoundedNote();
// "2x² − 4x − 2"
std::string GeneralForm(const Facts& facts);
// "a = 2, b = −4, c = −2"
std::string CoefficientsLine(const Facts& facts);
// Δ, √Δ and the zeros, or that there are none.
std::vector<std::string> ZeroLines(const Facts& facts);
// Which of the function's lines to write, and the name they give it.
struct FunctionParts {
    std::string name = "f(x)";  // "y" where the task names it so
    bool generalForm = true;    // left out where the task's expansion has said it
};
// Every line of the function's worked solution but the last.
std::vector<std::string> FunctionLines(const Facts& facts, const FunctionParts& parts = {});
// Each property alone, as an answer states it.
struct FunctionAnswers {
    std::string vertex;                  // "W = (1; −1)"
    std::string canonical, factored, general;  // "f(x) = 2(x − 1)² − 1"
    std::string zeros;                   // "x₁ = −1, x₂ = 3", "x₀ = 1", "funkcja nie ma miejsc zerowych"
    std::string axis;                    // "x = 1"
    std::string valueSet;                // "ZW = ⟨−1; +∞)"
    std::string decreasing, increasing;  // "funkcja jest rosnąca w przedziale ⟨1; +∞)"
    std::string monotonic;               // both, the one from −∞ first
    std::string least, greatest;         // "najmniejsza wartość funkcji to −1"
    std::string xIntercepts, yIntercept;  // "punkty przecięcia z osią OX: (1; 0), (3; 0)"
};
FunctionAnswers AnswersOf(const Facts& facts, const std::string& name);
// "Opis wykresu: …"
std::string DescriptionLine(const Graph& graph);

std::string Joined(const std::vector<std::string>& lines);

}  // namespace solution
