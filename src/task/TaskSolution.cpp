#include "task/TaskSolution.h"

#include <utility>

#include "solution/SchoolNotation.h"
#include "solver/ExactReal.h"

namespace task {

namespace {

using solution::Facts;
using solution::Rational;

std::string text(const mpq_class& q) { return Rational(q).text(); }

// "x² − 5x − 14", "2x − 4", "−3"
std::string polynomialText(const Polynomial& p) {
    return solution::Sum({{Rational(p.c2), "x²"}, {Rational(p.c1), "x"}, {Rational(p.c0), ""}});
}

mpq_class valueAt(const Polynomial& p, const mpq_class& x) { return (p.c2 * x + p.c1) * x + p.c0; }

Facts factsOf(const Polynomial& p) {
    using solver::ExactValue;
    return solution::FactsOf({ExactValue(p.c2), ExactValue(p.c1), ExactValue(p.c0), {}, {}, {}});
}

// The sign the relation asks of the moved side, and whether it holds at its zeros too.
int wantedSign(Relation r) { return r == Relation::Less || r == Relation::LessOrEqual ? -1 : 1; }
bool closedAt(Relation r) { return r == Relation::LessOrEqual || r == Relation::GreaterOrEqual; }

std::string opening(bool closed) { return closed ? "⟨" : "("; }
std::string closing(bool closed) { return closed ? "⟩" : ")"; }

// The answer of an inequality of degree 2, in words, in the answer's
// notation and on the chart's x axis.
struct SolutionSet {
    std::string reading;
    std::string set;
    std::vector<chart::AxisSpan> spans;
};

SolutionSet quadraticSet(const Facts& f, Relation r, const std::string& moved) {
    const bool closed = closedAt(r), sameAsA = wantedSign(r) == f.aSign;
    const std::string arms = f.aSign > 0 ? "Ramiona paraboli są skierowane w górę (a > 0)"
                                         : "Ramiona paraboli są skierowane w dół (a < 0)";
    if (f.deltaSign < 0) {
        return {arms + ", a Δ < 0, więc cała parabola leży " + (f.aSign > 0 ? "nad" : "pod") + " osią OX.",
                sameAsA ? "ℝ" : "∅",
                sameAsA ? std::vector<chart::AxisSpan>{{.fromInfinite = true, .toInfinite = true}}
                        : std::vector<chart::AxisSpan>{}};
    }
    if (f.deltaSign == 0) {
        const std::string& x0 = f.x1.text;
        const double at = f.x1.nearest;
        SolutionSet s{arms + ", a Δ = 0, więc parabola dotyka osi OX tylko w x₀ = " + x0 + ".", {}, {}};
        if (sameAsA && closed) {
            s.set = "ℝ";
            s.spans = {{.fromInfinite = true, .toInfinite = true}};
        } else if (sameAsA) {
            s.set = "ℝ \\ {" + x0 + "}";
            s.spans = {{.to = at, .fromInfinite = true}, {.from = at, .toInfinite = true}};
        } else if (closed) {
            s.set = "{" + x0 + "}";
            s.spans = {{.from = at, .to = at, .fromClosed = true, .toClosed = true}};
        } else {
            s.set = "∅";
        }
        return s;
    }
    const auto [low, high] = solution::ZerosInOrder(f);
    if (!sameAsA) {
        return {arms + ", więc " + moved + " między miejscami zerowymi" + (closed ? " i w nich." : "."),
                opening(closed) + low.text + "; " + high.text + closing(closed),
                {{.from = low.nearest, .to = high.nearest, .fromClosed = closed, .toClosed = closed}}};
    }
    return {arms + ", więc " + moved + " na lewo od mniejszego i na prawo od większego miejsca zerowego" +
                (closed ? " oraz w nich." : "."),
            "(−∞; " + low.text + closing(closed) + " ∪ " + opening(closed) + high.text + "; +∞)",
            {{.to = low.nearest, .fromInfinite = true, .toClosed = closed},
             {.from = high.nearest, .toInfinite = true, .fromClosed = closed}}};
}

std::string quadraticEquationAnswer(const Facts& f) {
    if (f.deltaSign < 0) return "równanie nie ma rozwiązań.";
    if (f.deltaSign == 0) return "x = " + f.x1.text;
    const auto [low, high] = solution::ZerosInOrder(f);
    return "x = " + low.text + " lub x = " + high.text;
}

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

// bx + c R 0: bx R −c, then x R' −c/b, the relation turned where b < 0.
std::vector<std::string> linearLines(const Polynomial& p, Relation r, Kind kind) {
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
    const std::string x = text(root);
    switch (last) {
    case Relation::Equal: lines.push_back("Odpowiedź: x = " + x); break;
    case Relation::Less: lines.push_back("Odpowiedź: x ∈ (−∞; " + x + ")"); break;
    case Relation::LessOrEqual: lines.push_back("Odpowiedź: x ∈ (−∞; " + x + "⟩"); break;
    case Relation::Greater: lines.push_back("Odpowiedź: x ∈ (" + x + "; +∞)"); break;
    case Relation::GreaterOrEqual: lines.push_back("Odpowiedź: x ∈ ⟨" + x + "; +∞)"); break;
    }
    return lines;
}

std::vector<std::string> constantLines(const mpq_class& c, Relation r, Kind kind) {
    const bool always = holds(c, r);
    std::vector<std::string> lines{std::string("Zostaje ") + text(c) + RelationText(r) + "0, a to " +
                                   (always ? "jest prawdą dla każdego x." : "nie jest prawdą dla żadnego x.")};
    if (always) {
        lines.push_back("Odpowiedź: x ∈ ℝ");
    } else {
        lines.push_back(kind == Kind::Equation ? "Odpowiedź: równanie nie ma rozwiązań." : "Odpowiedź: x ∈ ∅");
    }
    return lines;
}

// f at the interval's ends and at p where it lies inside; the least and greatest of them.
std::vector<std::string> intervalLines(const Polynomial& f, const Interval& in, solution::Graph& graph) {
    const mpq_class p = -f.c1 / (2 * f.c2);
    const std::string interval = "⟨" + text(in.from) + "; " + text(in.to) + "⟩";
    const bool inside = p >= in.from && p <= in.to;
    std::vector<std::string> lines{"Odcięta wierzchołka p = " + text(p) + (inside ? " należy" : " nie należy") +
                                   " do przedziału " + interval + "."};
    std::vector<mpq_class> points{in.from};
    if (p > in.from && p < in.to) points.push_back(p);
    points.push_back(in.to);
    const auto valueText = [&](const mpq_class& x) { return "f(" + text(x) + ") = " + text(valueAt(f, x)); };
    std::string values;
    for (const mpq_class& x : points) values += (values.empty() ? "" : ", ") + valueText(x);
    lines.push_back(values);
    const auto byValue = [&](const mpq_class& x, const mpq_class& y) { return valueAt(f, x) < valueAt(f, y); };
    const mpq_class least = *std::min_element(points.begin(), points.end(), byValue);
    const mpq_class greatest = *std::max_element(points.begin(), points.end(), byValue);
    lines.push_back("Najmniejsza wartość funkcji w przedziale " + interval + ": " + valueText(least));
    lines.push_back("Największa wartość funkcji w przedziale " + interval + ": " + valueText(greatest));
    const std::string set = "⟨" + text(valueAt(f, least)) + "; " + text(valueAt(f, greatest)) + "⟩";
    lines.push_back("Zbiór wartości funkcji w przedziale " + interval + ": " + set);

    graph.parabola.solutionSet = {{.from = solver::NearestDouble(in.from), .to = solver::NearestDouble(in.to), .fromClosed = true, .toClosed = true}};
    graph.parabola.extremes = {
        {.x = solver::NearestDouble(least), .y = solver::NearestDouble(valueAt(f, least)), .label = "min: " + valueText(least)},
        {.x = solver::NearestDouble(greatest), .y = solver::NearestDouble(valueAt(f, greatest)),
         .label = "max: " + valueText(greatest)}};
    graph.description += " Na osi OX zaznaczono przedział " + interval + "; najmniejsza wartość " +
                         valueText(least) + ", największa " + valueText(greatest) + ".";
    return lines;
}

solution::Solution functionSolution(const Task& task) {
    const Facts f = factsOf(task.leftValue);
    solution::Graph graph = solution::GraphOf(f);
    const std::string general = solution::GeneralForm(f);
    const bool expanded = task.left != general;
    std::vector<std::string> lines;
    if (expanded || task.interval) lines.push_back("Zadanie: " + task.text());
    std::vector<std::string> function = solution::FunctionLines(f);
    if (expanded) {
        lines.push_back((task.name.empty() ? "f(x)" : task.name) + " = " + task.left + " = " + general);
        // The expansion has just said what the general form is.
        function.erase(function.begin() + (f.exact ? 0 : 1));
    }
    lines.insert(lines.end(), function.begin(), function.end());
    if (task.interval) {
        for (std::string& line : intervalLines(task.leftValue, *task.interval, graph)) lines.push_back(std::move(line));
    }
    lines.push_back(solution::DescriptionLine(graph));
    return {task.text(), solution::Joined(lines), graph};
}

solution::Solution relationSolution(const Task& task) {
    const Polynomial moved = task.leftValue - task.rightValue;
    // A quadratic as its worked solution writes it: rounded where its numbers are long.
    const std::optional<Facts> quadratic = moved.degree() == 2 ? std::optional(factsOf(moved)) : std::nullopt;
    const std::string movedText =
        (quadratic ? solution::GeneralForm(*quadratic) : polynomialText(moved)) + RelationText(task.relation) + "0";
    std::vector<std::string> lines{"Zadanie: " + task.text()};
    // A constant says itself in the line that reads it.
    if (task.left + RelationText(task.relation) + task.right != movedText && moved.degree() > 0) {
        lines.push_back(movedText);
    }
    if (moved.degree() == 1) {
        for (std::string& line : linearLines(moved, task.relation, task.kind)) lines.push_back(std::move(line));
        return {task.text(), solution::Joined(lines), std::nullopt};
    }
    if (moved.degree() == 0) {
        for (std::string& line : constantLines(moved.c0, task.relation, task.kind)) lines.push_back(std::move(line));
        return {task.text(), solution::Joined(lines), std::nullopt};
    }
    const Facts& f = *quadratic;
    solution::Graph graph = solution::GraphOf(f);
    if (!f.exact) lines.insert(lines.begin() + 1, solution::RoundedNote());
    lines.push_back(solution::CoefficientsLine(f));
    for (std::string& line : solution::ZeroLines(f)) lines.push_back(std::move(line));
    if (task.kind == Kind::Equation) {
        lines.push_back("Odpowiedź: " + quadraticEquationAnswer(f));
    } else {
        SolutionSet set = quadraticSet(f, task.relation, movedText);
        lines.push_back(set.reading);
        lines.push_back("Odpowiedź: x ∈ " + set.set);
        graph.parabola.solutionSet = std::move(set.spans);
        graph.description += " Na osi OX zaznaczono zbiór rozwiązań: x ∈ " + set.set + ".";
    }
    lines.push_back(solution::DescriptionLine(graph));
    return {task.text(), solution::Joined(lines), graph};
}

}  // namespace

solution::Solution SolveTask(const Task& task) {
    return task.kind == Kind::Function ? functionSolution(task) : relationSolution(task);
}

}  // namespace task
