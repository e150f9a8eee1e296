#include <algorithm>

#include "task/Reading.h"
#include "task/Steps.h"

namespace task::reading {

namespace {

using lexer::ErrorAt;
using lexer::Place;

// "W = (1; 5)", "(2; 7)"
std::string pointText(const mpq_class& x, const mpq_class& y) { return "(" + NumberText(x) + "; " + NumberText(y) + ")"; }

void condition(const Statement& s, std::vector<Condition>& out, const Fit& fit, const Functions& functions) {
    using K = Condition::Kind;
    const char32_t variable = text::Decode(fit.letter)[0];
    const auto add = [&](K kind, std::string text, mpq_class x, mpq_class y) {
        Condition& c = out.emplace_back();
        c.kind = kind;
        c.text = std::move(text);
        c.x = std::move(x);
        c.y = std::move(y);
        c.at = s.at;
    };
    switch (s.kind) {
    case Statement::Kind::Vertex:
    case Statement::Kind::Point: {
        const syntax::Bracket& b = *s.bracket;
        if (!b.from.value || !b.to.value) throw ErrorAt(b.at, "Współrzędne punktu muszą być liczbami" + Place(b.at));
        const mpq_class x = ConstantOf(*b.from.value, functions), y = ConstantOf(*b.to.value, functions);
        const bool vertex = s.kind == Statement::Kind::Vertex;
        const std::string name = s.name != 0 ? letterText(s.name) + " = " : vertex ? "W = " : "";
        return add(vertex ? K::Vertex : y == 0 ? K::Zero : K::Point, name + pointText(x, y), x, y);
    }
    case Statement::Kind::Zeros:
        for (std::size_t i = 0; i < s.formulas.size(); ++i) {
            const mpq_class x = ConstantOf(s.formulas[i], functions);
            // One zero said as typed: x₀ would read back as no zero at all.
            add(K::Zero, s.formulas.size() == 1 ? "miejsce zerowe " + NumberText(x)
                                                : fit.letter + (i == 0 ? "₁" : "₂") + " = " + NumberText(x),
                x, 0);
        }
        return;
    case Statement::Kind::Axis: {
        const mpq_class x = ConstantOf(s.formulas[0], functions);
        return add(K::Axis, "oś symetrii " + fit.letter + " = " + NumberText(x), x, 0);
    }
    case Statement::Kind::ValueSet: {
        const syntax::Bracket& b = *s.bracket;
        const bool upward = b.from.value.has_value();
        const syntax::End& finite = upward ? b.from : b.to;
        const syntax::End& infinite = upward ? b.to : b.from;
        if (!finite.value || infinite.value || infinite.infinity != (upward ? 1 : -1) || !finite.closed) {
            throw ErrorAt(b.at, "Zbiór wartości funkcji kwadratowej to ⟨q; +∞) albo (−∞; q⟩" + Place(b.at));
        }
        const mpq_class q = ConstantOf(*finite.value, functions);
        add(K::ValueSet, "ZW = " + (upward ? "⟨" + NumberText(q) + "; +∞)" : "(−∞; " + NumberText(q) + "⟩"), 0, q);
        out.back().upward = upward;
        return;
    }
    default: break;
    }
    // Relations: f(2) = 7, f(−1) = f(3) = 0, x₁ = −1, x = 2, a = 2.
    const std::vector<Node>& f = s.formulas;
    const bool equalities = !s.relations.empty() &&
                            std::all_of(s.relations.begin(), s.relations.end(), [](Relation r) { return r == Relation::Equal; });
    const TaskError unknown = ErrorAt(s.at, "Tego warunku nie rozumiem; warunek to np. f(2) = 7, W = (1; 5), "
                                            "x₁ = −1, oś symetrii x = 2 albo ZW = ⟨−3; +∞)" + Place(s.at));
    if (!equalities) throw unknown;
    const auto unknownCall = [&](const Node& n) { return isCall(n) && !functions.contains(n.letter); };
    // f(−1) = f(3): equal values at two arguments put the axis half-way between them.
    if (f.size() == 2 && unknownCall(f[0]) && unknownCall(f[1])) {
        const mpq_class x1 = ConstantOf(f[0].parts[0], functions), x2 = ConstantOf(f[1].parts[0], functions);
        if (x1 == x2) throw unknown;
        const std::string name = letterText(f[0].letter);
        return add(K::Axis, name + "(" + NumberText(x1) + ") = " + name + "(" + NumberText(x2) + ")", (x1 + x2) / 2, 0);
    }
    const mpq_class value = ConstantOf(f.back(), functions);
    const bool calls = std::all_of(f.begin(), f.end() - 1, unknownCall);
    if (calls) {
        for (auto n = f.begin(); n != f.end() - 1; ++n) {
            const mpq_class x = ConstantOf(n->parts[0], functions);
            add(value == 0 ? K::Zero : K::Point, letterText(n->letter) + "(" + NumberText(x) + ") = " + NumberText(value), x, value);
        }
        return;
    }
    // x₁ = x₂ = 2: a double root, the vertex on the x axis.
    const auto isRoot = [](const Node& n) { return n.kind == Node::Kind::Root && n.minuses == 0 && n.powers.empty(); };
    if (f.size() == 3 && isRoot(f[0]) && isRoot(f[1]) && f[0].root != f[1].root) {
        return add(K::Vertex, fit.letter + "₁ = " + fit.letter + "₂ = " + NumberText(value), value, 0);
    }
    if (f.size() != 2) throw unknown;
    if (f[0].kind == Node::Kind::Root && f[0].minuses == 0 && f[0].powers.empty()) {
        return add(K::Zero, fit.letter + (f[0].root == 1 ? "₁" : "₂") + " = " + NumberText(value), value, 0);
    }
    if (isLetter(f[0]) && f[0].letter == variable) {
        return add(K::Axis, fit.letter + " = " + NumberText(value), value, 0);
    }
    // a = 2: the formula's own unknowns, or a, b and c of the general form, are said by the solution.
    if (isLetter(f[0])) {
        const std::string name = letterText(f[0].letter);
        add(K::Known, name + " = " + NumberText(value), 0, value);
        out.back().unknown = name;
        return;
    }
    throw unknown;
}

// x₁ = x₂ = 2 typed as two roots: one double root, the vertex (2; 0).
void doubleRoot(Fit& fit) {
    using K = Condition::Kind;
    const auto root = [&](int index) {
        return std::find_if(fit.conditions.begin(), fit.conditions.end(), [&](const Condition& c) {
            return c.kind == K::Zero && c.text.starts_with(fit.letter + (index == 1 ? "₁ = " : "₂ = "));
        });
    };
    const auto first = root(1), second = root(2);
    if (first == fit.conditions.end() || second == fit.conditions.end() || first->x != second->x) return;
    first->kind = K::Vertex;
    first->text = fit.letter + "₁ = " + fit.letter + "₂ = " + NumberText(first->x);
    fit.conditions.erase(second);
}

// p = 3 is the axis, and with q = −4 the vertex (3; −4); c = 3 is the point
// (0; 3) where no formula typed names c. Said as typed.
void vertexParts(Fit& fit) {
    using K = Condition::Kind;
    const auto known = [&](const char* name) {
        return std::find_if(fit.conditions.begin(), fit.conditions.end(),
                            [&](const Condition& c) { return c.kind == K::Known && c.unknown == name; });
    };
    if (fit.formula.empty()) {
        if (const auto c = known("c"); c != fit.conditions.end()) {
            c->kind = K::Point;
            c->x = 0;
        }
    }
    const auto p = known("p");
    if (p == fit.conditions.end()) return;
    p->kind = K::Axis;
    p->x = p->y;
    if (const auto q = known("q"); q != fit.conditions.end() && fit.formula.empty()) {
        p->kind = K::Vertex;
        p->y = q->y;
        p->text += ", " + q->text;
        fit.conditions.erase(q);
    }
}

}  // namespace

Fit ReadFit(const std::vector<Statement>& statements, const std::vector<Defined>& defined, Functions functions) {
    Fit fit;
    if (defined.size() > 1) {
        throw ErrorAt(defined[1].statement->at, "Wzór funkcji z warunków może być tylko jeden" + Place(defined[1].statement->at));
    }
    if (!defined.empty()) {
        const Defined& d = defined[0];
        const Statement& s = *d.statement;
        fit.name = s.name == U'y' ? "y" : letterText(s.name);
        fit.letter = letterText(d.definition.variable);
        fit.formula = TextOf(s.formulas[0]);
        fit.formulaAt = s.formulas[0].at;
        fit.value = d.definition.value;
        if (fit.value.degreeIn(d.definition.variable) > 2) {
            throw ErrorAt(s.at, "Funkcja z warunków jest kwadratowa: " + fit.letter + " stoi w niej najwyżej w kwadracie" + Place(s.at));
        }
        for (char32_t u : d.unknowns) {
            fit.unknowns.push_back(letterText(u));
            // Each unknown alone in its terms, so that the conditions are linear in them.
            for (const auto& [m, c] : fit.value.terms()) {
                if (m.find(u) == m.npos) continue;
                for (char32_t other : d.unknowns) {
                    if (std::count(m.begin(), m.end(), u) > 1 || (other != u && m.find(other) != m.npos)) {
                        throw ErrorAt(s.at, "Nieznane współczynniki mnożą się tu przez siebie; program wyznacza "
                                            "tylko takie, które stoją osobno, jak w f(x) = a(x − 1)(x − 3)" + Place(s.at));
                    }
                }
            }
        }
        functions.erase(s.name);
    }
    for (const Statement& s : statements) {
        if (s.kind == Statement::Kind::Interval) {
            throw ErrorAt(s.at, "Przedział podaje się przy funkcji o znanym wzorze" + Place(s.at));
        }
        if (s.kind != Statement::Kind::Definition) condition(s, fit.conditions, fit, functions);
    }
    // f(2) = 7 names the function where nothing else did; one function only.
    std::optional<std::string> named;
    if (!defined.empty()) named = fit.name;
    for (const Condition& c : fit.conditions) {
        const std::u32string text = text::Decode(c.text);
        if (text.size() < 2 || text[1] != U'(' || !text::IsLetter(text[0])) continue;
        const std::string name = letterText(text[0]);
        if (named && *named != name) {
            throw ErrorAt(c.at, "Warunki dotyczą jednej funkcji, a tu są " + *named + " i " + name + Place(c.at));
        }
        named = name;
    }
    if (named) fit.name = *named;
    doubleRoot(fit);
    vertexParts(fit);
    return fit;
}

}  // namespace task::reading
