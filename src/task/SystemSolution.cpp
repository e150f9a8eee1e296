#include "task/SystemSolution.h"

#include "task/CommonPoints.h"
#include "task/RelationSolution.h"
#include "text/Utf8.h"

namespace task {

namespace {

char32_t letterOf(const std::string& text) { return text::Decode(text)[0]; }

// O from E = 0 where it stands alone, to the first power with a number before it: the rest over −that number.
std::optional<Poly> solvedFor(const Poly& e, char32_t o) {
    if (e.degreeIn(o) != 1 || !e.coefficientOf(o, 1).isConstant()) return std::nullopt;
    return e.coefficientOf(o, 0).scaled(-1 / e.coefficientOf(o, 1).constantTerm());
}

// Y = the value at each common point, as the graphs of both equations meet.
std::string pairsText(const std::vector<CommonPoint>& points, const System& system) {
    std::string pairs;
    for (const CommonPoint& p : points) {
        pairs += (pairs.empty() ? "" : " lub ") + system.variable + " = " + p.x + ", " + system.other + " = " + p.y;
    }
    return pairs;
}

}  // namespace

std::variant<Elimination, std::string> EliminationOf(const System& system) {
    const char32_t v = letterOf(system.variable), o = letterOf(system.other);
    const Poly* equations[] = {&system.firstValue, &system.secondValue};
    std::optional<std::size_t> from;
    for (std::size_t i = 0; i < 2; ++i) {
        if (solvedFor(*equations[i], o) && (!from || equations[i]->degree() < equations[*from]->degree())) from = i;
    }
    if (!from) {
        return "Żadne z równań nie daje " + system.other + " wprost: " + system.other +
               " powinno w nim stać w pierwszej potędze, z liczbą przed nim, np. 2x − y = 5";
    }
    const Poly other = *solvedFor(*equations[*from], o);
    if (other.degreeIn(v) > 2) return "Z równania " + system.other + " wychodzi wielomian stopnia większego niż 2";
    const Poly equation = equations[1 - *from]->substituted(o, other);
    if (equation.degreeIn(v) > 2) return "Po podstawieniu " + system.other + " powstaje równanie stopnia większego niż 2";
    return Elimination{*from, other, equation};
}

Steps SystemSteps(const System& system, const std::string& text) {
    const char32_t v = letterOf(system.variable);
    const Elimination s = std::get<Elimination>(EliminationOf(system));
    const std::string other = PolynomialText(s.other.inOne(v));
    const std::string ordinal[] = {"pierwszego", "drugiego"};
    const Polynomial equation = s.equation.inOne(v);
    Steps steps{{"Zadanie: układ równań " + text,
                 "Z " + ordinal[s.from] + " równania: " + system.other + " = " + other,
                 "Podstawiamy " + system.other + " = " + other + " do " + ordinal[1 - s.from] +
                     " równania i porządkujemy: " + PolynomialText(equation) + " = 0"},
                std::nullopt};
    Task moved;
    moved.kind = Kind::Equation;
    moved.left = PolynomialText(equation);
    moved.right = "0";
    moved.leftValue = equation;
    moved.letter = system.variable;
    const Steps solved = RelationSteps(moved, std::nullopt);
    // Without its task line, which the line above says, and its answer in x alone.
    steps.lines.insert(steps.lines.end(), solved.lines.begin() + 1, solved.lines.end() - 1);
    // Numbers too long to write exactly: x as rounded, y by its formula, no chart.
    if (equation.degree() == 2 && !PolynomialFacts(equation).exact) {
        steps.lines.push_back(solved.lines.back() + "; " + system.other + " = " + other + ".");
        return steps;
    }
    const std::vector<CommonPoint> points = CommonPointsOf(equation, s.other.inOne(v));
    std::string ys;
    for (const CommonPoint& p : points) {
        ys += (ys.empty() ? "" : ", ") + std::string("dla ") + system.variable + " = " + p.x + " jest " + system.other +
              " = " + p.y;
    }
    if (!points.empty()) steps.lines.push_back("Stąd " + ys + ".");
    const bool every = equation.degree() == 0 && equation.c0 == 0;
    steps.lines.push_back("Odpowiedź: " + (every ? "układ ma nieskończenie wiele rozwiązań: " + system.variable +
                                                       " ∈ ℝ, " + system.other + " = " + other + "."
                                       : points.empty() ? std::string("układ nie ma rozwiązań.")
                                                        : pairsText(points, system)));
    // Both equations drawn where each gives the second unknown as a function of the variable.
    const char32_t o = letterOf(system.other);
    const Poly* equations[] = {&system.firstValue, &system.secondValue};
    std::vector<Polynomial> graphs;
    for (const Poly* e : equations) {
        const std::optional<Poly> curve = solvedFor(*e, o);
        if (!curve) break;
        graphs.push_back(curve->inOne(v));
    }
    if (graphs.size() == 2 && system.variable == "x" && system.other == "y") {
        Task both;
        both.kind = Kind::Equation;
        both.left = PolynomialText(graphs[0]);
        both.right = PolynomialText(graphs[1]);
        both.leftValue = graphs[0];
        both.rightValue = graphs[1];
        Steps drawn{{"Odpowiedź"}, std::nullopt};
        AddCommonPoints(both, graphs[0] - graphs[1], drawn, PointsAnswer::AfterSet);
        steps.graph = drawn.graph;
    }
    return steps;
}

}  // namespace task
