#include "task/Steps.h"

#include "solution/SchoolNotation.h"
#include "solver/ExactReal.h"

namespace task {

std::string NumberText(const mpq_class& q) { return solution::Rational(q).text(); }
double Nearest(const mpq_class& q) { return solver::NearestDouble(q); }

// "x² − 5x − 14", "2x − 4", "−3"
std::string PolynomialText(const Polynomial& p) {
    return solution::Sum({{solution::Rational(p.c2), "x²"}, {solution::Rational(p.c1), "x"}, {solution::Rational(p.c0), ""}});
}

mpq_class ValueAt(const Polynomial& p, const mpq_class& x) { return (p.c2 * x + p.c1) * x + p.c0; }

solution::Facts PolynomialFacts(const Polynomial& p) {
    using solver::ExactValue;
    return solution::FactsOf(
        {.a = ExactValue(p.c2), .b = ExactValue(p.c1), .c = ExactValue(p.c0), .typedA = {}, .typedB = {}, .typedC = {}});
}

// The graph of P: a parabola by its vertex, else a line.
sketch::Curve CurveOf(const Polynomial& p) {
    if (p.c2 == 0) return {.a = 0, .slope = Nearest(p.c1), .p = 0, .q = Nearest(p.c0)};
    const mpq_class vertex = -p.c1 / (2 * p.c2);
    return {.a = Nearest(p.c2), .slope = 0, .p = Nearest(vertex), .q = Nearest(ValueAt(p, vertex))};
}

// The letter a task's function goes by in f(−1) = 8: "f", "g", …
std::string LetterOf(const Task& task) {
    return task.name.size() > 1 && task.name.ends_with("(x)") ? task.name.substr(0, task.name.size() - 3) : "f";
}

}  // namespace task
