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

// The letter a task's function goes by in f(−1) = 8: "f", "g", "h", "P", …
std::string LetterOf(const Task& task) {
    const auto bracket = task.name.find('(');
    return bracket != std::string::npos && bracket > 0 ? task.name.substr(0, bracket) : "f";
}

namespace {

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

std::string InLetter(const std::string& text, const std::string& letter) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool alone = text[i] == 'x' && (i == 0 || !isAsciiLetter(text[i - 1])) &&
                           (i + 1 == text.size() || !isAsciiLetter(text[i + 1]));
        out += alone ? letter : std::string(1, text[i]);
    }
    return out;
}

void InLetter(Steps& steps, const std::string& letter) {
    // The task line stays as read: an x that cancelled out is still the pupil's x.
    for (std::string& line : steps.lines) {
        if (!line.starts_with("Zadanie: ")) line = InLetter(line, letter);
    }
    if (!steps.graph) return;
    steps.graph->description = InLetter(steps.graph->description, letter);
    sketch::Sketch& s = steps.graph->sketch;
    s.variable = letter;
    for (std::vector<sketch::LabelledPoint>* points : {&s.zeros, &s.least, &s.greatest, &s.commonPoints}) {
        for (sketch::LabelledPoint& point : *points) point.label = InLetter(point.label, letter);
    }
    for (std::optional<sketch::LabelledPoint>* point : {&s.vertex, &s.yIntercept}) {
        if (*point) (*point)->label = InLetter((*point)->label, letter);
    }
}

}  // namespace task
