#include "task/IntervalAnswer.h"

#include "solution/SolutionSet.h"

namespace task {

namespace {

using solution::Bound;

// The least or greatest value on an interval: the arguments it is reached
// at, none where the function only comes near it at an open end.
struct Extreme {
    mpq_class value;
    std::vector<mpq_class> at;
};

// Candidates are the ends and p where it lies inside; REACHED says which belong to the interval.
Extreme extremeOf(const Polynomial& f, const std::vector<std::pair<mpq_class, bool>>& candidates, bool least) {
    Extreme e{ValueAt(f, candidates.front().first), {}};
    for (const auto& [x, reached] : candidates) {
        const mpq_class v = ValueAt(f, x);
        if (least ? v < e.value : v > e.value) e.value = v;
    }
    for (const auto& [x, reached] : candidates) {
        if (reached && ValueAt(f, x) == e.value) e.at.push_back(x);
    }
    return e;
}

}  // namespace

IntervalSteps IntervalLines(const Task& task, const Interval& in, solution::Graph& graph) {
    const Polynomial& f = task.leftValue;
    const std::string name = LetterOf(task);
    const mpq_class p = -f.c1 / (2 * f.c2);
    const std::string interval = solution::RangeText(in.range);
    const bool fromClosed = in.range.from.kind == sketch::EndKind::Closed, toClosed = in.range.to.kind == sketch::EndKind::Closed;
    const bool inside = (p > in.from && p < in.to) || (p == in.from && fromClosed) || (p == in.to && toClosed);
    std::vector<std::string> lines{"Odcięta wierzchołka p = " + NumberText(p) + (inside ? " należy" : " nie należy") +
                                   " do przedziału " + interval + "."};
    std::vector<std::pair<mpq_class, bool>> candidates{{in.from, fromClosed}};
    if (p > in.from && p < in.to) candidates.emplace_back(p, true);
    candidates.emplace_back(in.to, toClosed);
    std::string values;
    for (const auto& [x, reached] : candidates) {
        values += (values.empty() ? "" : ", ") + name + "(" + NumberText(x) + ") = " + NumberText(ValueAt(f, x));
    }
    lines.push_back(values);
    const Extreme least = extremeOf(f, candidates, true), greatest = extremeOf(f, candidates, false);
    const auto reachedText = [&](const Extreme& e) {
        std::string at;
        for (const mpq_class& x : e.at) at += name + "(" + NumberText(x) + ") = ";
        return at + NumberText(e.value);
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

    const Bound low = Bound::of(!least.at.empty(), NumberText(least.value), Nearest(least.value));
    const Bound high = Bound::of(!greatest.at.empty(), NumberText(greatest.value), Nearest(greatest.value));
    const std::string set = solution::RangeText({low, high});
    IntervalSteps steps{lines, "zbiór wartości funkcji w przedziale " + interval + " to " + set,
                        {"Zbiór wartości funkcji w przedziale " + interval + ": " + set}};

    sketch::Sketch& sketch = graph.sketch;
    sketch.solutionSet = solution::SpansOf({in.range});
    // Each place the value is reached, the label on the first.
    const auto marks = [&](const Extreme& e, const char* which) {
        std::vector<sketch::LabelledPoint> points;
        for (const mpq_class& x : e.at) {
            points.push_back({Nearest(x), Nearest(e.value), points.empty() ? which + reachedText(e) : ""});
        }
        return points;
    };
    sketch.least = marks(least, "min: ");
    sketch.greatest = marks(greatest, "max: ");
    graph.description += " Na osi OX zaznaczono przedział " + interval + "; " + answer.substr(answer.find(": ") + 2);
    return steps;
}

}  // namespace task
