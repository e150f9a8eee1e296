#include "task/TaskSolution.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "solution/SchoolNotation.h"
#include "solution/SolutionSet.h"
#include "solver/ExactReal.h"

namespace task {

namespace {

using solution::Bound;
using solution::Facts;
using solution::Rational;
using solution::SolutionSet;

std::string text(const mpq_class& q) { return Rational(q).text(); }
double nearest(const mpq_class& q) { return solver::NearestDouble(q); }

// "x² − 5x − 14", "2x − 4", "−3"
std::string polynomialText(const Polynomial& p) {
    return solution::Sum({{Rational(p.c2), "x²"}, {Rational(p.c1), "x"}, {Rational(p.c0), ""}});
}

mpq_class valueAt(const Polynomial& p, const mpq_class& x) { return (p.c2 * x + p.c1) * x + p.c0; }

Facts factsOf(const Polynomial& p) {
    using solver::ExactValue;
    return solution::FactsOf(
        {.a = ExactValue(p.c2), .b = ExactValue(p.c1), .c = ExactValue(p.c0), .typedA = {}, .typedB = {}, .typedC = {}});
}

// The graph of P: a parabola by its vertex, else a line.
sketch::Curve curveOf(const Polynomial& p) {
    if (p.c2 == 0) return {.a = 0, .slope = nearest(p.c1), .p = 0, .q = nearest(p.c0)};
    const mpq_class vertex = -p.c1 / (2 * p.c2);
    return {.a = nearest(p.c2), .slope = 0, .p = nearest(vertex), .q = nearest(valueAt(p, vertex))};
}

// The letter a task's function goes by in f(−1) = 8: "f", "g", …
std::string letterOf(const Task& task) {
    return task.name.size() > 1 && task.name.ends_with("(x)") ? task.name.substr(0, task.name.size() - 3) : "f";
}

// The sign the relation asks of the moved side, and whether it holds at its zeros too.
int wantedSign(Relation r) { return r == Relation::Less || r == Relation::LessOrEqual ? -1 : 1; }
bool closedAt(Relation r) { return r == Relation::LessOrEqual || r == Relation::GreaterOrEqual; }

bool holds(const mpq_class& value, Relation r) {
    switch (r) {
    case Relation::Equal: return value == 0;
    case Relation::Less: return value < 0;
    case Relation::Greater: return value > 0;
    case Relation::LessOrEqual: return value <= 0;
    case Relation::GreaterOrEqual: return value >= 0;
    }
    return false;
}

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

// The steps of a task and what its chart shows.
struct Steps {
    std::vector<std::string> lines;
    std::optional<solution::Graph> graph;
};

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
    return {factor, scaled, std::string(multiply ? " / · " : " / : ") + text(mpq_class(by))};
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
    std::vector<std::string> lines{std::string("To ") + (equation ? "równanie liniowe." : "nierówność liniowa."),
                                   solution::Sum({{Rational(p.c1), "x"}}) + RelationText(r) + text(-p.c0)};
    if (p.c1 != 1) {
        std::string divide = "x" + RelationText(last) + text(root);
        if (!equation && p.c1 < 0) divide += " (dzielimy przez liczbę ujemną, więc znak nierówności się zmienia)";
        lines.push_back(divide);
    }
    const Bound at = Bound::of(closedAt(last), text(root), nearest(root));
    switch (last) {
    case Relation::Equal: return {lines, {{Bound::closed(text(root), nearest(root)), Bound::closed(text(root), nearest(root))}}};
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

// x on both sides of an equation: the points where the two graphs meet, at
// each solution, with y from the simpler side.
struct CommonPoint {
    std::string x, y;
    double nearestX = 0, nearestY = 0;
};

// P at (u + v√m)/w, exactly, in the same form.
solution::Surd valueAtSurd(const Polynomial& p, const solution::Surd& x) {
    const mpq_class a(x.u, x.w), b(x.v, x.w), m(x.m);
    const mpq_class rational = p.c2 * (a * a + b * b * m) + p.c1 * a + p.c0, root = 2 * p.c2 * a * b + p.c1 * b;
    mpz_class w;
    mpz_lcm(w.get_mpz_t(), rational.get_den_mpz_t(), root.get_den_mpz_t());
    const mpz_class u(rational * w), v(root * w);
    mpz_class common;
    mpz_gcd(common.get_mpz_t(), u.get_mpz_t(), v.get_mpz_t());
    mpz_gcd(common.get_mpz_t(), common.get_mpz_t(), w.get_mpz_t());
    return {.u = u / common, .v = v / common, .w = w / common, .m = v == 0 ? mpz_class(1) : x.m};
}

double nearestSurd(const solution::Surd& s) {
    return nearest(mpq_class(s.u, s.w)) + nearest(mpq_class(s.v, s.w)) * std::sqrt(nearest(mpq_class(s.m)));
}

std::vector<CommonPoint> commonPoints(const Polynomial& moved, const Polynomial& side) {
    std::vector<solution::Surd> xs;
    if (moved.degree() == 1) {
        const mpq_class root = -moved.c0 / moved.c1;
        xs.push_back({.u = root.get_num(), .v = 0, .w = root.get_den(), .m = 1});
    } else if (moved.degree() == 2) {
        const solution::ExactForms forms = solution::ExactFormsOf(moved.c2, moved.c1, moved.c0);
        if (forms.delta >= 0) xs.push_back(forms.x1);
        if (forms.delta > 0) xs.push_back(forms.x2);
        if (xs.size() == 2 && moved.c2 < 0) std::swap(xs[0], xs[1]);
    }
    std::vector<CommonPoint> points;
    for (const solution::Surd& x : xs) {
        const solution::Surd y = valueAtSurd(side, x);
        points.push_back({solution::SurdText(x), solution::SurdText(y), nearestSurd(x), nearestSurd(y)});
    }
    return points;
}

std::string pointText(const CommonPoint& point) { return "(" + point.x + "; " + point.y + ")"; }

// After the solutions of f(x) = g(x): y at each from the simpler side, the
// common points in the answer, and both graphs with those points marked.
void addCommonPoints(const Task& task, const Polynomial& moved, Steps& steps) {
    const bool rightSimpler = task.rightValue.degree() <= task.leftValue.degree();
    const Polynomial& side = rightSimpler ? task.rightValue : task.leftValue;
    const std::vector<CommonPoint> points = commonPoints(moved, side);
    const bool same = moved.degree() == 0 && moved.c0 == 0;
    sketch::Sketch sketch{.curve = curveOf(task.leftValue), .other = curveOf(task.rightValue)};
    std::string ys, list;
    for (const CommonPoint& point : points) {
        sketch.commonPoints.push_back({point.nearestX, point.nearestY, pointText(point)});
        ys += (ys.empty() ? "" : ", ") + std::string("dla x = ") + point.x + " jest y = " + point.y;
        list += (list.empty() ? "" : " i ") + pointText(point);
    }
    std::string& answer = steps.lines.back();
    if (points.empty()) {
        answer += std::string(answer.ends_with(".") ? " " : ". ") + "Wykresy obu stron " +
                  (same ? "pokrywają się." : "nie mają punktów wspólnych.");
    } else {
        const std::string xs = answer;
        answer = "Drugie współrzędne punktów wspólnych z y = " + (rightSimpler ? task.right : task.left) + ": " + ys + ".";
        steps.lines.push_back(xs + (points.size() == 1 ? "; punkt wspólny wykresów: " : "; punkty wspólne wykresów: ") + list);
    }
    const std::string description = "Wykresy y = " + task.left + " i y = " + task.right +
                                    (same                 ? " pokrywają się."
                                     : points.empty()     ? " nie mają punktów wspólnych."
                                     : points.size() == 1 ? " mają jeden punkt wspólny " + list + "."
                                                          : " mają punkty wspólne " + list + ".");
    steps.graph = solution::Graph{sketch, description};
}

// The chart of a linear leftover: its line, its zero and its solution set.
solution::Graph lineGraph(const Polynomial& p, const SolutionSet& set, Kind kind) {
    const mpq_class root = -p.c0 / p.c1;
    sketch::Sketch sketch{.curve = curveOf(p)};
    sketch.zeros = {{nearest(root), 0, "x = " + text(root)}};
    std::string description = "Prosta y = " + polynomialText(p) + " przecina oś OX w punkcie (" + text(root) + "; 0).";
    if (kind == Kind::Inequality) {
        sketch.solutionSet = solution::SpansOf(set);
        description += " Na osi OX zaznaczono zbiór rozwiązań: x ∈ " + solution::SetText(set) + ".";
    }
    return {sketch, description};
}

Steps relationSteps(const Task& task) {
    const Polynomial moved = task.leftValue - task.rightValue;
    const std::optional<Facts> movedFacts = moved.degree() == 2 ? std::optional(factsOf(moved)) : std::nullopt;
    // Long numbers are written rounded: nothing to clear.
    const Cleared clear = movedFacts && movedFacts->exact ? cleared(moved) : Cleared{1, moved, {}};
    const Polynomial& p = clear.p;
    const std::optional<Facts> quadratic = clear.factor == 1 ? movedFacts : (p.degree() == 2 ? std::optional(factsOf(p)) : std::nullopt);
    const std::string relation = RelationText(task.relation);
    const std::string movedText = (movedFacts ? solution::GeneralForm(*movedFacts) : polynomialText(moved)) + relation + "0";
    const std::string solvedText = (quadratic ? solution::GeneralForm(*quadratic) : polynomialText(p)) + relation + "0";
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
        const bool always = holds(p.c0, task.relation);
        lines.push_back("Zostaje " + text(p.c0) + relation + "0, a to " +
                        (always ? "jest prawdą dla każdego x." : "nie jest prawdą dla żadnego x."));
        if (always) set = {{Bound::infinite(), Bound::infinite()}};
    } else if (p.degree() == 1) {
        auto [linear, solved] = linearLines(p, task.relation, task.kind);
        lines.insert(lines.end(), linear.begin(), linear.end());
        set = std::move(solved);
        steps.graph = lineGraph(p, set, task.kind);
    } else {
        const Facts& f = *quadratic;
        lines.push_back(solution::CoefficientsLine(f));
        for (std::string& line : solution::ZeroLines(f)) lines.push_back(std::move(line));
        // The graph of the side as moved, not as cleared: y = 2x² − 8x + 6, not x² − 4x + 3.
        steps.graph = solution::GraphOf(*movedFacts);
        if (task.kind == Kind::Inequality) {
            auto [reading, solved] = quadraticSet(f, task.relation, solvedText);
            lines.push_back(reading);
            set = std::move(solved);
            steps.graph->sketch.solutionSet = solution::SpansOf(set);
            steps.graph->description += " Na osi OX zaznaczono zbiór rozwiązań: x ∈ " + solution::SetText(set) + ".";
        }
    }
    const bool equation = task.kind == Kind::Equation;
    lines.push_back("Odpowiedź: " + (equation && quadratic ? quadraticEquationAnswer(*quadratic) : answerOf(task.kind, set)));
    const bool exact = !quadratic || quadratic->exact;
    if (equation && task.leftValue.degree() > 0 && task.rightValue.degree() > 0 && exact) addCommonPoints(task, p, steps);
    return steps;
}

// The least or greatest value on an interval: the arguments it is reached
// at, none where the function only comes near it at an open end.
struct Extreme {
    mpq_class value;
    std::vector<mpq_class> at;
};

// Candidates are the ends and p where it lies inside; REACHED says which belong to the interval.
Extreme extremeOf(const Polynomial& f, const std::vector<std::pair<mpq_class, bool>>& candidates, bool least) {
    Extreme e{valueAt(f, candidates.front().first), {}};
    for (const auto& [x, reached] : candidates) {
        const mpq_class v = valueAt(f, x);
        if (least ? v < e.value : v > e.value) e.value = v;
    }
    for (const auto& [x, reached] : candidates) {
        if (reached && valueAt(f, x) == e.value) e.at.push_back(x);
    }
    return e;
}

// The steps that answer an interval task, its answer, and what they add to the chart.
std::vector<std::string> intervalLines(const Task& task, const Interval& in, solution::Graph& graph,
                                       std::vector<std::string>& properties) {
    const Polynomial& f = task.leftValue;
    const std::string name = letterOf(task);
    const mpq_class p = -f.c1 / (2 * f.c2);
    const std::string interval = solution::RangeText(in.range);
    const bool fromClosed = in.range.from.kind == sketch::EndKind::Closed, toClosed = in.range.to.kind == sketch::EndKind::Closed;
    const bool inside = (p > in.from && p < in.to) || (p == in.from && fromClosed) || (p == in.to && toClosed);
    std::vector<std::string> lines{"Odcięta wierzchołka p = " + text(p) + (inside ? " należy" : " nie należy") +
                                   " do przedziału " + interval + "."};
    std::vector<std::pair<mpq_class, bool>> candidates{{in.from, fromClosed}};
    if (p > in.from && p < in.to) candidates.emplace_back(p, true);
    candidates.emplace_back(in.to, toClosed);
    std::string values;
    for (const auto& [x, reached] : candidates) {
        values += (values.empty() ? "" : ", ") + name + "(" + text(x) + ") = " + text(valueAt(f, x));
    }
    lines.push_back(values);
    const Extreme least = extremeOf(f, candidates, true), greatest = extremeOf(f, candidates, false);
    const auto reachedText = [&](const Extreme& e) {
        std::string at;
        for (const mpq_class& x : e.at) at += name + "(" + text(x) + ") = ";
        return at + text(e.value);
    };
    std::string answer = "Odpowiedź: ";
    if (!least.at.empty() && !greatest.at.empty()) {
        answer += "najmniejsza wartość funkcji w przedziale " + interval + " to " + reachedText(least) +
                  ", największa to " + reachedText(greatest) + ".";
    } else if (!least.at.empty() || !greatest.at.empty()) {
        const bool hasLeast = !least.at.empty();
        answer += std::string(hasLeast ? "najmniejsza" : "największa") + " wartość funkcji w przedziale " + interval +
                  " to " + reachedText(hasLeast ? least : greatest) + ". Funkcja nie przyjmuje w tym przedziale wartości " +
                  (hasLeast ? "największej." : "najmniejszej.");
    } else {
        answer += "funkcja nie przyjmuje w przedziale " + interval + " ani wartości najmniejszej, ani największej.";
    }
    lines.push_back(answer);

    const Bound low = Bound::of(!least.at.empty(), text(least.value), nearest(least.value));
    const Bound high = Bound::of(!greatest.at.empty(), text(greatest.value), nearest(greatest.value));
    properties.push_back("Zbiór wartości funkcji w przedziale " + interval + ": " + solution::RangeText({low, high}));

    sketch::Sketch& sketch = graph.sketch;
    sketch.solutionSet = solution::SpansOf({in.range});
    // Each place the value is reached, the label on the first.
    const auto marks = [&](const Extreme& e, const char* which) {
        std::vector<sketch::LabelledPoint> points;
        for (const mpq_class& x : e.at) {
            points.push_back({nearest(x), nearest(e.value), points.empty() ? which + reachedText(e) : ""});
        }
        return points;
    };
    sketch.least = marks(least, "min: ");
    sketch.greatest = marks(greatest, "max: ");
    graph.description += " Na osi OX zaznaczono przedział " + interval + "; " + answer.substr(answer.find(": ") + 2);
    return lines;
}

std::string propertiesHeading(const Task& task) {
    return task.name == "y" ? "Inne własności tej funkcji:" : "Inne własności funkcji " + letterOf(task) + ":";
}

Steps functionSteps(const Task& task) {
    const Facts f = factsOf(task.leftValue);
    solution::Graph graph = solution::GraphOf(f);
    const std::string name = task.name.empty() ? "f(x)" : task.name;
    const std::string general = solution::GeneralForm(f);
    const bool expanded = task.left != general;
    std::vector<std::string> lines;
    if (expanded || task.interval) lines.push_back("Zadanie: " + task.text());
    if (expanded) lines.push_back(name + " = " + task.left + " = " + general);
    const solution::FunctionParts parts{.name = name, .roundedNote = true, .generalForm = !expanded};
    std::vector<std::string> function = solution::FunctionLines(f, parts);
    if (task.interval) {
        std::vector<std::string> properties;
        for (std::string& line : intervalLines(task, *task.interval, graph, properties)) lines.push_back(std::move(line));
        lines.push_back(propertiesHeading(task));
        lines.insert(lines.end(), properties.begin(), properties.end());
    }
    lines.insert(lines.end(), function.begin(), function.end());
    return {lines, graph};
}

}  // namespace

solution::Solution SolveTask(const Task& task) {
    Steps steps = task.kind == Kind::Function ? functionSteps(task) : relationSteps(task);
    if (steps.graph) steps.lines.push_back(solution::DescriptionLine(*steps.graph));
    return {task.text(), solution::Joined(steps.lines), steps.graph};
}

}  // namespace task
