#include "task/RelationSolution.h"

#include <utility>

#include "solution/SchoolNotation.h"
#include "solution/SolutionSet.h"
#include "solution/WorkedSolution.h"

namespace task {

namespace {

using solution::Bound;
using solution::Facts;
using solution::Rational;
using solution::SolutionSet;

// The sign the relation asks of the moved side, and whether it holds at its zeros too.
int wantedSign(Relation r) { return r == Relation::Less || r == Relation::LessOrEqual ? -1 : 1; }
bool closedAt(Relation r) { return r == Relation::LessOrEqual || r == Relation::GreaterOrEqual; }

Relation flipped(Relation r) {
    switch (r) {
    case Relation::Less: return Relation::Greater;
    case Relation::Greater: return Relation::Less;
    case Relation::LessOrEqual: return Relation::GreaterOrEqual;
    case Relation::GreaterOrEqual: return Relation::LessOrEqual;
    case Relation::Equal: return Relation::Equal;
    }
    return r;
}

// The moved side as school clears it before Δ: multiplied by the least
// common multiple of its denominators ("/ · 2"), or divided by the greatest
// common divisor of its whole coefficients ("/ : 3"); a factor of 1 where
// there is nothing to clear, or where the factor would be too long to read.
struct Cleared {
    mpq_class factor = 1;
    Polynomial p;
    std::string note;  // " / · 2"
};

constexpr std::size_t longestFactor = 12;  // digits

Cleared cleared(const Polynomial& p) {
    mpz_class denominators = 1, divisor = 0;
    for (const mpq_class* c : {&p.c2, &p.c1, &p.c0}) {
        mpz_lcm(denominators.get_mpz_t(), denominators.get_mpz_t(), c->get_den_mpz_t());
        mpz_gcd(divisor.get_mpz_t(), divisor.get_mpz_t(), c->get_num_mpz_t());
    }
    const bool multiply = denominators > 1, divide = !multiply && divisor > 1;
    const mpz_class& by = multiply ? denominators : divisor;
    if ((!multiply && !divide) || by.get_str().size() > longestFactor) return {1, p, {}};
    const mpq_class factor = multiply ? mpq_class(by) : mpq_class(1, by);
    const Polynomial scaled{p.c0 * factor, p.c1 * factor, p.c2 * factor};
    return {factor, scaled, std::string(multiply ? " / · " : " / : ") + NumberText(mpq_class(by))};
}

// The answer of an inequality of degree 2: how the parabola lies, and the set.
std::pair<std::string, SolutionSet> quadraticSet(const Facts& f, Relation r, const std::string& moved) {
    const bool closed = closedAt(r), sameAsA = wantedSign(r) == f.aSign;
    const std::string arms = f.aSign > 0 ? "Ramiona paraboli są skierowane w górę (a > 0)"
                                         : "Ramiona paraboli są skierowane w dół (a < 0)";
    const SolutionSet all{{Bound::infinite(), Bound::infinite()}};
    if (f.deltaSign < 0) {
        return {arms + ", a Δ < 0, więc cała parabola leży " + (f.aSign > 0 ? "nad" : "pod") + " osią OX.",
                sameAsA ? all : SolutionSet{}};
    }
    if (f.deltaSign == 0) {
        const Bound open = Bound::open(f.x1.text, f.x1.nearest), point = Bound::closed(f.x1.text, f.x1.nearest);
        const std::string reading = arms + ", a Δ = 0, więc parabola dotyka osi OX tylko w x₀ = " + f.x1.text + ".";
        if (sameAsA) return {reading, closed ? all : SolutionSet{{Bound::infinite(), open}, {open, Bound::infinite()}}};
        return {reading, closed ? SolutionSet{{point, point}} : SolutionSet{}};
    }
    const auto [low, high] = solution::ZerosInOrder(f);
    const Bound from = Bound::of(closed, low.text, low.nearest), to = Bound::of(closed, high.text, high.nearest);
    if (!sameAsA) {
        return {arms + ", więc " + moved + " między miejscami zerowymi" + (closed ? " i w nich." : "."), {{from, to}}};
    }
    return {arms + ", więc " + moved + " na lewo od mniejszego i na prawo od większego miejsca zerowego" +
                (closed ? " oraz w nich." : "."),
            {{Bound::infinite(), from}, {to, Bound::infinite()}}};
}

std::string quadraticEquationAnswer(const Facts& f) {
    if (f.deltaSign < 0) return "równanie nie ma rozwiązań.";
    if (f.deltaSign == 0) return "x = " + f.x1.text;
    const auto [low, high] = solution::ZerosInOrder(f);
    return "x = " + low.text + " lub x = " + high.text;
}

// bx + c R 0: bx R −c, then x R' −c/b, the relation turned where b < 0.
std::pair<std::vector<std::string>, SolutionSet> linearLines(const Polynomial& p, Relation r, Kind kind) {
    const bool equation = kind == Kind::Equation;
    const mpq_class root = -p.c0 / p.c1;
    const Relation last = p.c1 < 0 ? flipped(r) : r;
    std::vector<std::string> lines{std::string("To ") + (equation ? "równanie liniowe." : "nierówność liniowa.")};
    // bx R −c, unless c is 0 and the line before says it already.
    if (p.c0 != 0) lines.push_back(solution::Sum({{Rational(p.c1), "x"}}) + RelationText(r) + NumberText(-p.c0));
    if (p.c1 != 1) {
        std::string divide = "x" + RelationText(last) + NumberText(root);
        if (!equation && p.c1 < 0) divide += " (dzielimy przez liczbę ujemną, więc znak nierówności się zmienia)";
        lines.push_back(divide);
    }
    const Bound at = Bound::of(closedAt(last), NumberText(root), Nearest(root));
    switch (last) {
    case Relation::Equal: return {lines, {{Bound::closed(NumberText(root), Nearest(root)), Bound::closed(NumberText(root), Nearest(root))}}};
    case Relation::Less:
    case Relation::LessOrEqual: return {lines, {{Bound::infinite(), at}}};
    case Relation::Greater:
    case Relation::GreaterOrEqual: return {lines, {{at, Bound::infinite()}}};
    }
    return {lines, {}};
}

std::string answerOf(Kind kind, const SolutionSet& set) {
    if (kind == Kind::Inequality) return "x ∈ " + solution::SetText(set);
    if (set.empty()) return "równanie nie ma rozwiązań.";
    if (set.size() == 1 && set[0].from.kind == sketch::EndKind::Infinite) return "x ∈ ℝ";
    std::string xs;
    for (const solution::Range& r : set) xs += (xs.empty() ? "x = " : " lub x = ") + r.from.text;
    return xs;
}

// An inequality's set on the chart's x axis, and in its description.
void markSolutionSet(solution::Graph& graph, const SolutionSet& set) {
    graph.sketch.solutionSet = solution::SpansOf(set);
    graph.description += " Na osi OX zaznaczono zbiór rozwiązań: x ∈ " + solution::SetText(set) + ".";
}

// The chart of a linear leftover: its line and its zero.
solution::Graph lineGraph(const Polynomial& p) {
    const mpq_class root = -p.c0 / p.c1;
    sketch::Sketch sketch;
    sketch.curve = CurveOf(p);
    sketch.zeros = {{Nearest(root), 0, "x = " + NumberText(root)}};
    return {sketch, "Prosta y = " + PolynomialText(p) + " przecina oś OX w punkcie (" + NumberText(root) + "; 0)."};
}


// f(2) = −1 of a function given: no unknown, a statement true or not.
Steps checkSteps(const Task& task) {
    Steps steps{{"Zadanie: " + task.text()}, std::nullopt};
    for (const auto& [side, value] : {std::pair(task.left, task.leftValue.c0), std::pair(task.right, task.rightValue.c0)}) {
        if (side != NumberText(value)) steps.lines.push_back(side + " = " + NumberText(value));
    }
    const bool true_ = Holds(sgn(task.leftValue.c0 - task.rightValue.c0), task.relation);
    steps.lines.push_back("Odpowiedź: " + std::string(true_ ? "tak, " : "nie, ") + task.left + RelationText(task.relation) +
                          task.right + (true_ ? " jest prawdą." : " nie jest prawdą."));
    return steps;
}

}  // namespace

Steps RelationSteps(const Task& task, std::optional<PointsAnswer> points) {
    if (!task.given.empty() && task.leftValue.degree() == 0 && task.rightValue.degree() == 0) return checkSteps(task);
    const Polynomial moved = task.leftValue - task.rightValue;
    const std::optional<Facts> movedFacts = moved.degree() == 2 ? std::optional(PolynomialFacts(moved)) : std::nullopt;
    // Long numbers are written rounded: nothing to clear.
    const Cleared clear = movedFacts && movedFacts->exact ? cleared(moved) : Cleared{1, moved, {}};
    const Polynomial& p = clear.p;
    const std::optional<Facts> quadratic = clear.factor == 1 ? movedFacts : (p.degree() == 2 ? std::optional(PolynomialFacts(p)) : std::nullopt);
    const std::string relation = RelationText(task.relation);
    const std::string movedText = (movedFacts ? solution::GeneralForm(*movedFacts) : PolynomialText(moved)) + relation + "0";
    const std::string solvedText = (quadratic ? solution::GeneralForm(*quadratic) : PolynomialText(p)) + relation + "0";
    Steps steps{{"Zadanie: " + task.text()}, std::nullopt};
    auto& lines = steps.lines;
    if (quadratic && !quadratic->exact) lines.push_back(solution::RoundedNote());
    // A constant says itself in the line that reads it.
    if (moved.degree() > 0 && (task.left + relation + task.right != movedText || clear.factor != 1)) {
        lines.push_back(movedText + clear.note);
    }
    if (clear.factor != 1) lines.push_back(solvedText);

    SolutionSet set;
    if (p.degree() == 0) {
        const bool always = Holds(sgn(p.c0), task.relation);
        lines.push_back("Zostaje " + NumberText(p.c0) + relation + "0, a to " +
                        (always ? "jest prawdą dla każdego x." : "nie jest prawdą dla żadnego x."));
        if (always) set = {{Bound::infinite(), Bound::infinite()}};
    } else if (p.degree() == 1) {
        auto [linear, solved] = linearLines(p, task.relation, task.kind);
        lines.insert(lines.end(), linear.begin(), linear.end());
        set = std::move(solved);
        steps.graph = lineGraph(p);
    } else {
        const Facts& f = *quadratic;
        lines.push_back(solution::CoefficientsLine(f));
        for (std::string& line : solution::ZeroLines(f)) {
            // An equation has solutions, where a function has zeros.
            if (task.kind == Kind::Equation && line == "Δ < 0, więc funkcja nie ma miejsc zerowych.") {
                line = "Δ < 0, więc równanie nie ma rozwiązań.";
            }
            lines.push_back(std::move(line));
        }
        // The graph of the side as moved, not as cleared: y = 2x² − 8x + 6, not x² − 4x + 3.
        steps.graph = solution::GraphOf(*movedFacts);
        if (task.kind == Kind::Inequality) {
            auto [reading, solved] = quadraticSet(f, task.relation, solvedText);
            lines.push_back(reading);
            set = std::move(solved);
        }
    }
    if (steps.graph && task.kind == Kind::Inequality) markSolutionSet(*steps.graph, set);
    const bool equation = task.kind == Kind::Equation;
    lines.push_back("Odpowiedź: " + (equation && quadratic ? quadraticEquationAnswer(*quadratic) : answerOf(task.kind, set)));
    const bool exact = !quadratic || quadratic->exact;
    if (points && exact) AddCommonPoints(task, p, steps, *points);
    return steps;
}

}  // namespace task
