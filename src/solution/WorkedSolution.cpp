#include "solution/WorkedSolution.h"

#include <utility>
#include <vector>

#include "solution/SchoolNotation.h"
#include "solution/SolutionSet.h"

namespace solution {

namespace {

std::string squared(const std::string& factor) { return factor + "²"; }

// Where f(x) has the sign of a, and where the opposite one.
std::pair<std::string, std::string> signSets(const Facts& f) {
    const std::string every = "dla każdego x ∈ ℝ", none = "dla żadnego x";
    if (f.deltaSign < 0) return {every, none};
    const auto [low, high] = ZerosInOrder(f);
    const Bound lowOpen = Bound::open(low.text, low.nearest), highOpen = Bound::open(high.text, high.nearest);
    const SolutionSet outside{{Bound::infinite(), lowOpen}, {highOpen, Bound::infinite()}};
    if (f.deltaSign == 0) return {"dla x ∈ " + SetText(outside), none};
    return {"dla x ∈ " + SetText(outside), "dla x ∈ " + SetText({{lowOpen, highOpen}})};
}

std::string zeroLine(const char* name, const char* formula, const Facts& f, const Zero& zero,
                     const char* rootSign) {
    std::string line = std::string(name) + " = " + formula;
    if (f.exact) {
        // The numbers put in, unless that is already the answer: (3 − √5)/2.
        const std::string put = "(" + f.minusB.text() + rootSign + f.root.text() + ")/" + f.twiceA.factor();
        if (put != zero.text) line += " = " + put;
    }
    line += (f.exact ? " = " : " ≈ ") + zero.text;
    if (!zero.approximation.empty()) line += " ≈ " + zero.approximation;
    return line;
}

std::string relation(bool exact) { return exact ? " = " : " ≈ "; }

std::string canonicalSum(const Facts& f) { return Sum({{f.a, squared(ZeroFactor(f.p))}, {f.q, ""}}); }

// a(x − x₁)(x − x₂), a(x − x₀)²; none where Δ < 0.
std::string factoredSum(const Facts& f) {
    if (f.deltaSign < 0) return {};
    std::string factors = squared(f.x1.factor);
    if (f.deltaSign > 0) {
        // A bare x goes first: 2x(x − 2), not 2(x − 2)x.
        factors = f.x2.factor == "x" ? f.x2.factor + f.x1.factor : f.x1.factor + f.x2.factor;
    }
    return Sum({{f.a, factors}});
}

// Where the function falls and where it rises, in that order.
std::pair<Range, Range> monotonic(const Facts& f) {
    const Bound atP = Bound::closed(f.p.text(), f.nearest.p);
    const Range left{Bound::infinite(), atP}, right{atP, Bound::infinite()};
    return f.aSign > 0 ? std::pair(left, right) : std::pair(right, left);
}

Range valueRange(const Facts& f) {
    const Bound atQ = Bound::closed(f.q.text(), f.nearest.q);
    return f.aSign > 0 ? Range{atQ, Bound::infinite()} : Range{Bound::infinite(), atQ};
}

}  // namespace

std::string RoundedNote() {
    return "Liczby mają tu ponad " + std::to_string(longestExact) + " cyfr, więc zapisano je w przybliżeniu, z " +
           std::to_string(roundedDigits) + " cyframi znaczącymi.";
}

std::string GeneralForm(const Facts& f) { return Sum({{f.a, "x²"}, {f.b, "x"}, {f.c, ""}}); }

std::string CoefficientsLine(const Facts& f) {
    const auto& exact = f.exactCoefficient;
    return "a" + relation(exact.a) + f.a.text() + ", b" + relation(exact.b) + f.b.text() + ", c" + relation(exact.c) +
           f.c.text();
}

std::vector<std::string> ZeroLines(const Facts& f) {
    const std::string is = relation(f.exact);
    std::vector<std::string> lines;
    std::string delta = "Δ = b² − 4ac";
    if (f.exact) delta += " = " + f.b.factor() + "² − 4 · " + f.a.factor() + " · " + f.c.factor();
    lines.push_back(delta + is + f.delta.text());

    if (f.deltaSign > 0) {
        if (f.exact) {
            const std::string magnitude = Ungrouped(f.delta.magnitude);
            const std::string radicand = f.delta.compound ? "(" + magnitude + ")" : magnitude;
            const std::string root = "√" + radicand;
            lines.push_back("√Δ = " + root + (f.root.text() == root ? "" : " = " + f.root.text()));
        }
        lines.push_back(zeroLine("x₁", "(−b − √Δ)/(2a)", f, f.x1, " − "));
        lines.push_back(zeroLine("x₂", "(−b + √Δ)/(2a)", f, f.x2, " + "));
    } else if (f.deltaSign == 0) {
        std::string line = "x₀ = −b/(2a)";
        if (f.exact) line += " = " + (f.minusB.compound ? "(" + f.minusB.text() + ")" : f.minusB.text()) +
                             "/" + f.twiceA.factor();
        lines.push_back(line + is + f.x1.text);
    } else {
        lines.push_back("Δ < 0, więc funkcja nie ma miejsc zerowych.");
    }

    return lines;
}

std::vector<std::string> FunctionLines(const Facts& f, const FunctionParts& parts) {
    const std::string is = relation(f.exact);
    const std::string& name = parts.name;
    const auto& exact = f.exactCoefficient;
    std::vector<std::string> lines;
    if (!f.exact) lines.push_back(RoundedNote());
    if (parts.generalForm) lines.push_back(name + relation(exact.a && exact.b && exact.c) + GeneralForm(f));
    lines.push_back(CoefficientsLine(f));
    for (std::string& line : ZeroLines(f)) lines.push_back(std::move(line));
    if (f.deltaSign > 0) {
        const auto [low, high] = ZerosInOrder(f);
        lines.push_back(std::string("Punkty przecięcia z osią OX") + (f.exact ? ": " : " ≈ ") + "(" + low.text +
                        "; 0), (" + high.text + "; 0)");
    } else if (f.deltaSign == 0) {
        lines.push_back(std::string("Punkt przecięcia z osią OX") + (f.exact ? ": " : " ≈ ") + "(" + f.x1.text + "; 0)");
    }
    const std::string p = f.p.text(), q = f.q.text();
    // The numbers put in, as in the line of Δ; none where the one above the bar is 0.
    const std::string putP = f.exact && f.b.sign != 0 ? " = −" + f.b.factor() + "/(2 · " + f.a.factor() + ")" : "";
    const std::string putQ = f.exact && f.delta.sign != 0 ? " = −" + f.delta.factor() + "/(4 · " + f.a.factor() + ")" : "";
    lines.push_back("Wierzchołek paraboli: W = (p; q), p = −b/(2a)" + putP + is + p + ", q = −Δ/(4a)" + putQ + is +
                    q + ", " + VertexText(f));
    lines.push_back("Oś symetrii: x" + is + p);
    lines.push_back("Punkt przecięcia z osią OY: " + YInterceptText(f));
    const bool up = f.aSign > 0;
    lines.push_back(std::string("Ramiona paraboli są skierowane ") + (up ? "w górę (a > 0)." : "w dół (a < 0)."));
    lines.push_back("Postać kanoniczna: " + name + is + canonicalSum(f));
    lines.push_back("Postać iloczynowa: " + (f.deltaSign < 0 ? "nie istnieje (Δ < 0)" : name + is + factoredSum(f)));
    lines.push_back("Zbiór wartości: " + RangeText(valueRange(f)));
    const auto [falls, rises] = monotonic(f);
    const std::string fallsIn = "malejąca w przedziale " + RangeText(falls), risesIn = "rosnąca w przedziale " + RangeText(rises);
    lines.push_back("Funkcja jest " + (up ? fallsIn + " i " + risesIn : risesIn + " i " + fallsIn) + ".");
    const auto [signOfA, opposite] = signSets(f);
    lines.push_back(name + " > 0 " + (up ? signOfA : opposite));
    lines.push_back(name + " < 0 " + (up ? opposite : signOfA));
    if (f.deltaSign >= 0) {
        // Where Δ = 0, both zeros are the one x₀ named above.
        const std::string both = f.deltaSign == 0 ? "x₁ = x₂ = x₀" + is + f.x1.text + ", " : "";
        lines.push_back("Wzory Viète'a: " + both + "x₁ + x₂ = −b/a" + is + f.sum.text() + ", x₁ · x₂ = c/a" + is +
                        f.product.text());
    }
    return lines;
}

FunctionAnswers AnswersOf(const Facts& f, const std::string& name) {
    const std::string is = relation(f.exact);
    const auto [falls, rises] = monotonic(f);
    const bool up = f.aSign > 0;
    const std::string extreme = "wartość funkcji to " + f.q.text();
    FunctionAnswers a;
    a.vertex = VertexText(f);
    a.canonical = name + is + canonicalSum(f);
    a.factored = f.deltaSign < 0 ? "postać iloczynowa nie istnieje (Δ < 0)" : name + is + factoredSum(f);
    a.general = name + relation(f.exactCoefficient.a && f.exactCoefficient.b && f.exactCoefficient.c) + GeneralForm(f);
    if (f.deltaSign < 0) {
        a.zeros = "funkcja nie ma miejsc zerowych";
    } else if (f.deltaSign == 0) {
        a.zeros = "x₀" + is + f.x1.text;
    } else {
        const auto [low, high] = ZerosInOrder(f);
        a.zeros = "x₁" + is + low.text + ", x₂" + is + high.text;
    }
    a.axis = "x" + is + f.p.text();
    a.valueSet = "ZW = " + RangeText(valueRange(f));
    a.decreasing = "funkcja jest malejąca w przedziale " + RangeText(falls);
    a.increasing = "funkcja jest rosnąca w przedziale " + RangeText(rises);
    a.monotonic = up ? a.decreasing + " i rosnąca w przedziale " + RangeText(rises)
                     : a.increasing + " i malejąca w przedziale " + RangeText(falls);
    if (f.deltaSign < 0) {
        a.xIntercepts = "wykres nie przecina osi OX";
    } else if (f.deltaSign == 0) {
        a.xIntercepts = "punkt wspólny z osią OX: (" + f.x1.text + "; 0)";
    } else {
        const auto [low, high] = ZerosInOrder(f);
        a.xIntercepts = "punkty przecięcia z osią OX: (" + low.text + "; 0), (" + high.text + "; 0)";
    }
    a.yIntercept = "punkt przecięcia z osią OY: " + YInterceptText(f);
    a.least = up ? "najmniejsza " + extreme : "funkcja nie ma wartości najmniejszej";
    a.greatest = up ? "funkcja nie ma wartości największej" : "największa " + extreme;
    return a;
}

std::string DescriptionLine(const Graph& graph) { return "Opis wykresu: " + graph.description; }

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

Solution WorkedSolution(const solver::ExactCoefficients& coefficients) {
    const Facts facts = FactsOf(coefficients);
    const Graph graph = GraphOf(facts);
    std::vector<std::string> lines = FunctionLines(facts);
    lines.push_back(DescriptionLine(graph));
    return {.task = "f(x)" + std::string(facts.exact ? " = " : " ≈ ") + GeneralForm(facts),
            .text = Joined(lines),
            .graph = graph};
}

}  // namespace solution
