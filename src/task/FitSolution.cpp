#include "task/FitSolution.h"

#include <algorithm>

#include "solution/SchoolNotation.h"
#include "solution/WorkedSolution.h"
#include "task/Formula.h"
#include "task/Lexer.h"
#include "text/Utf8.h"

namespace task {

namespace {

using K = Condition::Kind;
using lexer::ErrorAt;
using lexer::Place;

// Σ coefficient · unknown = right, in the unknowns of a formula.
struct Linear {
    std::map<std::string, mpq_class> terms;
    mpq_class right;
    const Condition* source = nullptr;

    bool empty() const { return terms.empty(); }
};

// "4a + 2b", "−b − 1": the unknowns' terms, then CONSTANT.
std::string sumText(const std::map<std::string, mpq_class>& terms, const mpq_class& constant = 0) {
    std::vector<solution::Term> parts;
    for (const auto& [u, c] : terms) parts.push_back({solution::Rational(c), u});
    parts.push_back({solution::Rational(constant), ""});
    return solution::Sum(parts);
}

std::string equationText(const Linear& e) { return sumText(e.terms) + " = " + NumberText(e.right); }

// VALUE = RIGHT read as a linear equation in the unknowns; VALUE holds no other letter.
Linear linearOf(const Poly& value, const mpq_class& right, const Condition* source) {
    Linear e{.terms = {}, .right = right - value.constantTerm(), .source = source};
    for (const auto& [m, c] : value.terms()) {
        if (!m.empty()) e.terms[text::Encode(m)] += c;
    }
    std::erase_if(e.terms, [](const auto& t) { return t.second == 0; });
    return e;
}

// A linear expression in the unknowns with its constant: "3a", "a + 5".
std::string expressionText(const Poly& p) {
    const Linear e = linearOf(p, 0, nullptr);
    return sumText(e.terms, -e.right);
}

// E with UNKNOWN replaced by the linear expression BY (its terms and constant, as u = Σ + k).
Linear substituted(const Linear& e, const std::string& unknown, const Linear& by) {
    const auto found = e.terms.find(unknown);
    if (found == e.terms.end()) return e;
    const mpq_class c = found->second;
    Linear out = e;
    out.terms.erase(unknown);
    for (const auto& [u, d] : by.terms) out.terms[u] += c * d;
    out.right -= c * by.right;
    std::erase_if(out.terms, [](const auto& t) { return t.second == 0; });
    return out;
}

syntax::Node nodeOf(const std::string& text) { return syntax::Parse(text::Decode(text)).statements[0].formulas[0]; }

// The form the formula is sought in, its unknowns, and the conditions it already holds.
struct Form {
    std::string text;  // "a(x − 1)² + 5"
    std::vector<std::string> unknowns;
    std::vector<const Condition*> held;
    std::string why;  // the line that says why this form
};

// The form with its text read once: the tree, to be written again with
// numbers put in, and its value in the variable and the unknowns.
struct Template : Form {
    syntax::Node node;
    Poly value;
};

// The one unknown where it stands first in its formula, as a does in
// a(x − 1)² + 5, so that its value can stand in its place: "2(x − 1)² + 5".
std::optional<char32_t> leadingUnknown(const syntax::Node& node, const std::vector<std::string>& unknowns) {
    if (unknowns.size() != 1) return std::nullopt;
    const syntax::Node& first = node.kind == syntax::Node::Kind::Sum ? node.parts[0] : node;
    if (first.kind != syntax::Node::Kind::Product || first.minuses != 0 || !first.powers.empty()) return std::nullopt;
    const syntax::Node& lead = first.parts[0];
    const bool alone = lead.kind == syntax::Node::Kind::Letter && lead.minuses == 0 && lead.powers.empty();
    return alone && text::Encode(std::u32string(1, lead.letter)) == unknowns[0] ? std::optional(lead.letter) : std::nullopt;
}

std::string numberPut(const mpq_class& x) { return solution::Rational(x).factor(); }

std::string canonical(const mpq_class& p, const mpq_class& q) {
    const std::string shift = q == 0 ? "" : q > 0 ? " + " + NumberText(q) : " − " + NumberText(-q);
    return "a" + solution::ZeroFactor(solution::Rational(p)) + "²" + shift;
}

const Condition* find(const Fit& fit, K kind) {
    const auto found = std::find_if(fit.conditions.begin(), fit.conditions.end(), [&](const Condition& c) { return c.kind == kind; });
    return found == fit.conditions.end() ? nullptr : &*found;
}

// Where the axis of symmetry stands, if the conditions say: the vertex's or
// the axis's x, half-way between two zeros, or between two points at one height.
std::optional<mpq_class> axisOf(const Fit& fit) {
    // A formula whose b is a fixed multiple of a: −b/(2a) whatever they are, as in a(x − 1)(x − 3).
    if (!fit.formula.empty()) {
        const char32_t v = text::Decode(fit.letter)[0];
        const Poly a = fit.value.coefficientOf(v, 2), b = fit.value.coefficientOf(v, 1);
        if (!a.isZero()) {
            const auto& [monomial, coefficient] = *a.terms().begin();
            const auto found = b.terms().find(monomial);
            const mpq_class ratio = found == b.terms().end() ? mpq_class(0) : mpq_class(found->second / coefficient);
            if (b == a.scaled(ratio)) return mpq_class(-ratio / 2);
        }
    }
    std::vector<const Condition*> pairs[2];  // zeros, points
    for (const Condition& c : fit.conditions) {
        if (c.kind == K::Vertex || c.kind == K::Axis) return c.x;
        if (c.kind != K::Zero && c.kind != K::Point) continue;
        for (const Condition* d : pairs[c.kind == K::Zero ? 0 : 1]) {
            if (d->y == c.y && d->x != c.x) return (d->x + c.x) / 2;
        }
        pairs[c.kind == K::Zero ? 0 : 1].push_back(&c);
    }
    return std::nullopt;
}

Form formOf(const Fit& fit, const std::string& name) {
    if (!fit.formula.empty()) return {fit.formula, fit.unknowns, {}, {}};
    const Condition* vertex = find(fit, K::Vertex);
    const Condition* axis = find(fit, K::Axis);
    const Condition* values = find(fit, K::ValueSet);
    std::vector<const Condition*> zeros;
    for (const Condition& c : fit.conditions) {
        if (c.kind == K::Zero && std::none_of(zeros.begin(), zeros.end(), [&](const Condition* z) { return z->x == c.x; })) {
            zeros.push_back(&c);
        }
    }
    if (vertex) {
        return {canonical(vertex->x, vertex->y), {"a"}, {vertex},
                "Znamy wierzchołek W = (p; q), więc wzór ma postać kanoniczną " + name + " = a(x − p)² + q:"};
    }
    if (const auto p = axisOf(fit); values && p) {
        std::vector<const Condition*> held{values};
        if (axis) held.push_back(axis);
        return {canonical(*p, values->y), {"a"}, held,
                "Wierzchołek ma współrzędne p = " + NumberText(*p) + " (na osi symetrii) i q = " + NumberText(values->y) +
                    " (zbiór wartości), więc " + name + " = a(x − p)² + q:"};
    }
    if (zeros.size() >= 2) {
        return {"a" + solution::ZeroFactor(solution::Rational(zeros[0]->x)) + solution::ZeroFactor(solution::Rational(zeros[1]->x)),
                {"a"}, {zeros[0], zeros[1]},
                "Znamy miejsca zerowe x₁ i x₂, więc wzór ma postać iloczynową " + name + " = a(x − x₁)(x − x₂):"};
    }
    if (axis) {
        return {"a" + solution::ZeroFactor(solution::Rational(axis->x)) + "² + q", {"a", "q"}, {axis},
                "Oś symetrii x = p daje wzór " + name + " = a(x − p)² + q:"};
    }
    return {"ax² + bx + c", {"a", "b", "c"}, {}, "Szukamy wzoru w postaci ogólnej " + name + " = ax² + bx + c:"};
}

Template templateOf(const Fit& fit, const std::string& name) {
    const Form form = formOf(fit, name);
    syntax::Node node = nodeOf(form.text);
    Poly value = Evaluator({}).valueOf(node);
    return {form, std::move(node), std::move(value)};
}

// The equations each condition not held by the form gives, and their lines.
struct Equations {
    std::vector<Linear> equations;
    std::vector<std::string> lines;
};

Equations equationsOf(const Fit& fit, const Template& t, const std::string& name) {
    const char32_t v = text::Decode(fit.letter)[0];
    const syntax::Node& node = t.node;
    const Poly& value = t.value;
    const Poly a = value.coefficientOf(v, 2), b = value.coefficientOf(v, 1);
    Equations out;
    const auto add = [&](const std::string& said, const std::string& reading, const Poly& side, const mpq_class& right,
                         const Condition& c) {
        Linear e = linearOf(side, right, &c);
        const std::string simplified = equationText(e);
        out.lines.push_back(said + ": " + reading + (reading == simplified ? "" : ", czyli " + simplified));
        out.equations.push_back(std::move(e));
    };
    for (const Condition& c : fit.conditions) {
        if (std::find(t.held.begin(), t.held.end(), &c) != t.held.end()) continue;
        switch (c.kind) {
        case K::Point:
        case K::Zero: {
            const std::string put = TextOf(node, {{v, numberPut(c.x)}});
            // y = … has no name to put a number in: its point is said.
            const std::string said = fit.name == "y" ? "(" + NumberText(c.x) + "; " + NumberText(c.y) + ")"
                                                     : fit.name + "(" + NumberText(c.x) + ") = " + NumberText(c.y);
            add(said, put + " = " + NumberText(c.y),
                value.substituted(v, Poly::constant(c.x)), c.y, c);
            break;
        }
        case K::Vertex:
            // p = −b/(2a) gives b + 2pa = 0, and f(p) = q.
            add(c.text, "−b/(2a) = " + NumberText(c.x), b + a.scaled(2 * c.x), 0, c);
            add(c.text, TextOf(node, {{v, numberPut(c.x)}}) + " = " + NumberText(c.y), value.substituted(v, Poly::constant(c.x)),
                c.y, c);
            break;
        case K::Axis: add(c.text, "−b/(2a) = " + NumberText(c.x), b + a.scaled(2 * c.x), 0, c); break;
        case K::Known: {
            const bool unknown = std::find(t.unknowns.begin(), t.unknowns.end(), c.unknown) != t.unknowns.end();
            // a, b or c of the general form where the form chosen names them otherwise: its coefficient.
            const int power = c.unknown == "a" ? 2 : c.unknown == "b" ? 1 : c.unknown == "c" ? 0 : -1;
            if (!unknown && (power < 0 || !fit.formula.empty())) {
                throw ErrorAt(c.at, "We wzorze " + name + " = " + t.text + " nie ma współczynnika " + c.unknown + Place(c.at));
            }
            if (unknown) {
                out.equations.push_back(linearOf(Poly::letter(text::Decode(c.unknown)[0]), c.y, &c));
                out.lines.push_back(c.text);
            } else {
                const Poly coefficient = value.coefficientOf(v, power);
                add(c.text, c.unknown + " = " + expressionText(coefficient) + " = " + NumberText(c.y), coefficient, c.y, c);
            }
            break;
        }
        case K::ValueSet:
            // Its end is the value at the vertex: f(p) = q where p is known.
            if (const auto p = axisOf(fit)) {
                add(c.text, TextOf(node, {{v, numberPut(*p)}}) + " = " + NumberText(c.y), value.substituted(v, Poly::constant(*p)),
                    c.y, c);
                break;
            }
            throw ErrorAt(c.at, "Zbiór wartości daje wierzchołek dopiero z osią symetrii: podaj ją, dwa miejsca "
                                "zerowe albo dwa punkty na jednej wysokości" + Place(c.at));
        }
    }
    return out;
}

// "f(x)", or "y" for y = …
std::string missing(std::size_t n, const std::string& unknowns) {
    const std::string count = n == 1 ? "jednego warunku" : n == 2 ? "dwóch warunków" : "trzech warunków";
    const std::string points = n == 1 ? "jeszcze jeden punkt wykresu" : n == 2 ? "jeszcze dwa punkty wykresu"
                                                                            : "jeszcze trzy punkty wykresu";
    return "Brakuje " + count + ": z podanych nie da się wyznaczyć " + unknowns + "; dodaj np. " + points + ".";
}

// The unknowns solved by substitution, as school does: from the equation
// with the fewest unknowns one is expressed and put into the rest. Lines
// go to LINES; a TaskError thrown where the conditions are too few or
// contradict one another.
std::map<std::string, mpq_class> solved(std::vector<Linear> equations, std::vector<std::string> unknowns,
                                        std::vector<std::string>& lines, std::size_t where) {
    std::vector<std::pair<std::string, Linear>> expressed;  // u = Σ + k, in order
    while (true) {
        for (const Linear& e : equations) {
            if (e.empty() && e.right != 0) {
                throw ErrorAt(e.source->at, "Warunki są sprzeczne: " + e.source->text + " nie zgadza się z pozostałymi" +
                                                Place(e.source->at));
            }
        }
        std::erase_if(equations, [](const Linear& e) { return e.empty(); });
        if (equations.empty()) break;
        const auto next = std::min_element(equations.begin(), equations.end(),
                                           [](const Linear& p, const Linear& q) { return p.terms.size() < q.terms.size(); });
        const Linear e = *next;
        equations.erase(next);
        // The unknown with coefficient ±1 where there is one: no fractions.
        auto pick = std::find_if(e.terms.begin(), e.terms.end(), [](const auto& t) { return abs(t.second) == 1; });
        if (pick == e.terms.end()) pick = e.terms.begin();
        const std::string u = pick->first;
        const mpq_class c = pick->second;
        Linear by{.terms = {}, .right = e.right / c, .source = e.source};
        for (const auto& [w, d] : e.terms) {
            if (w != u) by.terms[w] = -d / c;
        }
        const std::string expression = u + " = " + sumText(by.terms, by.right);
        // What the equation already says is not said again: "c = 1".
        std::string line = expression == equationText(e) ? "" : expression;
        for (Linear& other : equations) other = substituted(other, u, by);
        std::string rest;
        for (const Linear& other : equations) {
            if (!other.empty()) rest += (rest.empty() ? "" : ", ") + equationText(other);
        }
        if (!rest.empty()) line += line.empty() ? "Podstawiamy " + expression + ": " + rest : "; podstawiamy: " + rest;
        if (!line.empty()) lines.push_back(line);
        std::erase(unknowns, u);
        expressed.emplace_back(u, by);
    }
    if (!unknowns.empty()) {
        std::string names;
        for (std::size_t i = 0; i < unknowns.size(); ++i) {
            names += (i == 0 ? "" : i + 1 == unknowns.size() ? " i " : ", ") + unknowns[i];
        }
        throw ErrorAt(where, missing(unknowns.size(), names));
    }
    // Back from the last expressed: each known once those after it are.
    std::map<std::string, mpq_class> values;
    for (auto it = expressed.rbegin(); it != expressed.rend(); ++it) {
        Linear by = it->second;
        for (const auto& [w, value] : values) by = substituted(by, w, Linear{{}, -value, nullptr});
        values[it->first] = by.right;
    }
    return values;
}

// Whether F meets C.
bool holds(const Condition& c, const Polynomial& f) {
    const mpq_class p = -f.c1 / (2 * f.c2);
    switch (c.kind) {
    case K::Point:
    case K::Zero: return ValueAt(f, c.x) == c.y;
    case K::Vertex: return p == c.x && ValueAt(f, p) == c.y;
    case K::Axis: return p == c.x;
    case K::ValueSet: return ValueAt(f, p) == c.y && (f.c2 > 0) == c.upward;
    case K::Known: return true;
    }
    return true;
}

// What F has where C says something: "f(2) = −1", "W = (2; −1)".
std::string actual(const Condition& c, const Polynomial& f, const std::string& name) {
    const mpq_class p = -f.c1 / (2 * f.c2), q = ValueAt(f, p);
    switch (c.kind) {
    case K::Point:
    case K::Zero: return name + "(" + NumberText(c.x) + ") = " + NumberText(ValueAt(f, c.x));
    case K::Vertex: return "W = (" + NumberText(p) + "; " + NumberText(q) + ")";
    case K::Axis: return "oś symetrii x = " + NumberText(p);
    case K::ValueSet:
        return "ZW = " + (f.c2 > 0 ? "⟨" + NumberText(q) + "; +∞)" : "(−∞; " + NumberText(q) + "⟩");
    case K::Known: return c.text;
    }
    return c.text;
}

// A formula with nothing unknown: each condition checked on it.
std::vector<std::string> checkLines(const Fit& fit, const Polynomial& f) {
    std::vector<std::string> lines;
    std::string failed;
    for (const Condition& c : fit.conditions) {
        const bool ok = holds(c, f);
        lines.push_back("Sprawdzamy: " + actual(c, f, fit.name) + ", więc warunek " + c.text +
                        (ok ? " jest spełniony." : " nie jest spełniony."));
        if (!ok) failed += (failed.empty() ? "" : ", ") + c.text;
    }
    lines.push_back("Odpowiedź: " + (failed.empty() ? std::string("funkcja spełnia wszystkie warunki.")
                                                     : "funkcja nie spełnia warunku: " + failed + "."));
    return lines;
}

}  // namespace

std::variant<FitFormula, TaskError> FitOf(const Fit& fit) {
    // A formula given whole is checked, never refused.
    if (fit.unknowns.empty() && !fit.formula.empty()) {
        const Polynomial f = fit.value.inOne(text::Decode(fit.letter)[0]);
        if (f.c2 == 0) {
            return ErrorAt(fit.formulaAt, "To nie jest funkcja kwadratowa: po uporządkowaniu nie ma w niej " + fit.letter +
                                              "²" + Place(fit.formulaAt));
        }
        return FitFormula{{}, f};
    }
    try {
        const std::string name = FitName(fit);
        FitFormula result;
        const Template t = templateOf(fit, name);
        Equations eqs = equationsOf(fit, t, name);
        if (!t.why.empty()) result.lines.push_back(t.why);
        result.lines.push_back(name + " = " + t.text);
        result.lines.insert(result.lines.end(), eqs.lines.begin(), eqs.lines.end());
        const std::map<std::string, mpq_class> values = solved(eqs.equations, t.unknowns, result.lines,
                                                                  fit.conditions.empty() ? 0 : fit.conditions.back().at);
        const char32_t v = text::Decode(fit.letter)[0];
        const syntax::Node& node = t.node;
        Poly value = t.value;
        for (const auto& [u, x] : values) value = value.substituted(text::Decode(u)[0], Poly::constant(x));
        result.value = value.inOne(v);
        if (result.value.c2 == 0) {
            // A vertex, an axis or a set of values belongs to a parabola: a = 0 means they disagree.
            const auto parabolic = std::find_if(fit.conditions.rbegin(), fit.conditions.rend(), [](const Condition& c) {
                return c.kind == K::Vertex || c.kind == K::Axis || c.kind == K::ValueSet;
            });
            if (parabolic != fit.conditions.rend()) {
                throw ErrorAt(parabolic->at, "Warunki są sprzeczne: " + parabolic->text + " nie zgadza się z pozostałymi" +
                                                 Place(parabolic->at));
            }
            throw ErrorAt(fit.conditions.empty() ? 0 : fit.conditions.back().at,
                          "Z tych warunków a = 0: to nie jest funkcja kwadratowa.");
        }
        std::string known;
        for (const auto& [u, x] : values) known += (known.empty() ? "" : ", ") + u + " = " + NumberText(x);
        if (values.size() > 1) result.lines.push_back("Stąd " + known + ".");
        const std::string general = PolynomialText(result.value);
        std::string formula = name + " = " + general;
        if (const auto lead = leadingUnknown(node, t.unknowns)) {
            // Its value put in front as school writes it: "2(x − 1)² + 5", "−(x + 1)(x − 3)".
            const mpq_class& a = values.at(t.unknowns[0]);
            // A fraction in brackets, so that −(7/3)(x + 1) cannot be read as −7/(3(x + 1)).
            const solution::Number n = solution::Rational(a);
            const std::string magnitude = n.compound ? "(" + n.magnitude + ")" : n.magnitude;
            const std::string typed =
                TextOf(node, {{*lead, (n.sign < 0 ? "−" : "") + (abs(a) == 1 ? std::string() : magnitude)}});
            if (typed != general) formula = name + " = " + typed + " = " + general;
        }
        if (formula != name + " = " + general) result.lines.push_back(formula);
        // Every condition checked on the formula found, the sign of a for a set of values too.
        for (const Condition& c : fit.conditions) {
            if (!holds(c, result.value)) {
                throw ErrorAt(c.at, "Warunki są sprzeczne: " + c.text + " nie zgadza się z pozostałymi" + Place(c.at));
            }
        }
        return result;
    } catch (const TaskError& error) {
        return error;
    }
}

std::string FitName(const Fit& fit) { return fit.name == "y" ? "y" : fit.name + "(x)"; }

Steps FitSteps(const Fit& fit, const FitFormula& found, const std::string& text) {
    const std::string name = FitName(fit);
    Steps steps{{"Zadanie: " + text}, std::nullopt};
    steps.lines.insert(steps.lines.end(), found.lines.begin(), found.lines.end());
    if (fit.unknowns.empty() && !fit.formula.empty()) {
        const std::string general = PolynomialText(found.value);
        if (fit.formula != general) steps.lines.push_back(name + " = " + fit.formula + " = " + general);
        for (std::string& line : checkLines(fit, found.value)) steps.lines.push_back(std::move(line));
    } else {
        steps.lines.push_back("Odpowiedź: " + name + " = " + PolynomialText(found.value));
    }
    const solution::Facts facts = PolynomialFacts(found.value);
    steps.lines.push_back(fit.name == "y" ? "Własności tej funkcji:" : "Własności funkcji " + fit.name + ":");
    for (std::string& line : solution::FunctionLines(facts, {.name = name, .generalForm = false})) {
        steps.lines.push_back(std::move(line));
    }
    steps.graph = solution::GraphOf(facts);
    // The points the conditions gave, where the chart does not mark them already (zeros, the vertex).
    std::string given;
    for (const Condition& c : fit.conditions) {
        if (c.kind != K::Point) continue;
        const std::string point = "(" + NumberText(c.x) + "; " + NumberText(c.y) + ")";
        if (c.x == 0 || given.find(point) != std::string::npos) continue;  // (0; c) is marked
        steps.graph->sketch.commonPoints.push_back({Nearest(c.x), Nearest(c.y), point});
        given += (given.empty() ? "" : ", ") + point;
    }
    if (!given.empty()) steps.graph->description += " Zaznaczono punkty z warunków: " + given + ".";
    return steps;
}

}  // namespace task
