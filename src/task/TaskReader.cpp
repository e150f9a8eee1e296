#include <algorithm>
#include <string_view>
#include <vector>

#include "solution/SchoolNotation.h"
#include "solver/ExactReal.h"
#include "task/FitSolution.h"
#include "task/Formula.h"
#include "task/Lexer.h"
#include "task/Steps.h"
#include "task/Syntax.h"
#include "task/SystemSolution.h"
#include "text/Utf8.h"

namespace task {

namespace {

using lexer::ErrorAt;
using lexer::Place;
using syntax::Node;
using syntax::Statement;

std::string letterText(char32_t c) { return text::Encode(std::u32string(1, c)); }

// "m i x", "a, b i c"
std::string listed(const std::u32string& letters) {
    std::string list;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        list += (i == 0 ? "" : i + 1 == letters.size() ? " i " : ", ") + letterText(letters[i]);
    }
    return list;
}

// Whether any of FORMULAS calls the function NAME.
bool calls(const std::vector<Node>& formulas, char32_t name) {
    for (const Node& n : formulas) {
        if ((n.kind == Node::Kind::Call && n.letter == name) || calls(n.parts, name)) return true;
    }
    return false;
}

bool isCall(const Node& n) { return n.kind == Node::Kind::Call && n.minuses == 0 && n.powers.empty(); }
bool isLetter(const Node& n) { return n.kind == Node::Kind::Letter && n.minuses == 0 && n.powers.empty(); }

// A function the task defines, with the statement that does.
struct Defined {
    const Statement* statement = nullptr;
    Definition definition;
    std::u32string unknowns;  // letters beside its variable
};

// The statements of a task made into the problem they state: one function,
// equation or inequality; two graphs; a system; or a function from conditions.
class Reader {
public:
    Reader(std::u32string_view text, const std::vector<Statement>& statements) : text_(text), statements_(statements) {}

    Problem problem() {
        // Definitions first: f(x) = … gives every call of f its value.
        for (const Statement& s : statements_) {
            if (s.kind == Statement::Kind::Definition) define(s);
        }
        if (isFit()) {
            Fit found = fit();
            const auto formula = FitOf(found);
            if (const auto* error = std::get_if<TaskError>(&formula)) throw *error;
            return {std::move(found)};
        }
        std::vector<const Statement*> functions, relations, intervals;
        for (const Statement& s : statements_) {
            if (s.kind == Statement::Kind::Interval) {
                intervals.push_back(&s);
            } else if (s.kind == Statement::Kind::Definition || s.relations.empty()) {
                functions.push_back(&s);
            } else {
                relations.push_back(&s);
            }
        }
        for (const Statement* r : relations) {
            if (r->relations.size() > 1) throw secondSign(*r);
        }
        if (intervals.size() > 1) throw ErrorAt(intervals[1]->at, "Przedział można podać tylko raz" + Place(intervals[1]->at));
        const Statement* interval = intervals.empty() ? nullptr : intervals[0];
        if (interval && (!relations.empty() || functions.size() != 1)) {
            throw ErrorAt(interval->at, "Przedział podaje się tylko przy funkcji, np. f(x) = x² − 4x + 3, x ∈ ⟨−1; 4⟩" +
                                            Place(interval->at));
        }
        if (functions.size() == 1 && relations.empty()) return {function(*functions[0], interval)};
        if (relations.size() == 1 && functions.empty()) return {relation(*relations[0])};
        if (functions.size() == 2 && relations.size() <= 1 && defined_.size() == 2) {
            return {twoGraphs(relations.empty() ? nullptr : relations[0])};
        }
        const bool ySystem = defined_.size() == 1 && defined_[0].statement->name == U'y' && relations.size() == 1 &&
                             functions.size() == 1;
        if ((relations.size() == 2 && functions.empty()) || ySystem) return {system()};
        // f(x) = x² − 4, f(x) < 5: the relation with f's formula in it.
        if (relations.size() == 1 && functions.size() == 1 && defined_.size() == 1 &&
            calls(relations[0]->formulas, defined_[0].statement->name)) {
            Task task = relation(*relations[0]);
            task.given = nameOf(defined_[0]) + " = " + TextOf(defined_[0].statement->formulas[0]);
            return {task};
        }
        const Statement& extra = statements_.back();
        throw ErrorAt(extra.at, "Tych zdań nie umiem połączyć w jedno zadanie: wpisz funkcję, równanie albo "
                                "nierówność, dwie funkcje, układ dwóch równań albo warunki funkcji kwadratowej" +
                                    Place(extra.at));
    }

private:
    Poly valueOf(const Node& node) { return Evaluator(functions_).valueOf(node); }

    // A second sign in one statement: "x^2+y=4,2x-y=5" has a decimal 4,2
    // where two equations were meant, which is said; else only the sign.
    TaskError secondSign(const Statement& r) const {
        const std::size_t from = r.signsAt[0], to = r.signsAt[1];
        for (std::size_t i = from + 1; i + 1 < to; ++i) {
            if (text_[i] == U',' && lexer::IsDigit(text_[i - 1]) && lexer::IsDigit(text_[i + 1])) {
                return ErrorAt(i, "Przecinek między cyframi to przecinek dziesiętny; zdania oddziel przecinkiem ze "
                                  "spacją albo średnikiem, np. x² + y = 4, 2x − y = 5" + Place(i));
            }
        }
        return ErrorAt(to, "Zadanie może mieć tylko jeden znak =, <, >, ≤ albo ≥" + Place(to));
    }

    mpq_class constant(const Node& node) {
        const Poly value = valueOf(node);
        if (!value.isConstant()) throw ErrorAt(node.at, "Tu powinna stać liczba" + Place(node.at));
        return value.constantTerm();
    }

    // f(x) = …, h(t) = …; y = … in x, or in the one letter it has.
    void define(const Statement& s) {
        const Poly value = valueOf(s.formulas[0]);
        std::u32string letters = value.letters();
        char32_t variable = s.variable;
        if (variable == 0) {
            variable = letters.empty() || letters.find(U'x') != letters.npos || letters.size() > 1 ? U'x' : letters[0];
        }
        if (s.name == variable) throw ErrorAt(s.at, "Funkcja i jej zmienna mają tę samą literę" + Place(s.at));
        std::erase(letters, variable);
        if (s.name != U'y' && functions_.contains(s.name)) {
            throw ErrorAt(s.at, "Funkcja " + letterText(s.name) + " ma już wzór" + Place(s.at));
        }
        const Definition definition{variable, value};
        if (s.name != U'y') functions_[s.name] = definition;
        defined_.push_back({&s, definition, letters});
    }

    static std::string nameOf(const Defined& d) {
        const char32_t name = d.statement->name;
        return name == U'y' ? "y" : letterText(name) + "(" + letterText(d.definition.variable) + ")";
    }

    // Conditions on a function not given, or a formula with unknown coefficients.
    bool isFit() const {
        for (const Statement& s : statements_) {
            switch (s.kind) {
            case Statement::Kind::Vertex:
            case Statement::Kind::Point:
            case Statement::Kind::Zeros:
            case Statement::Kind::Axis:
            case Statement::Kind::ValueSet: return true;
            case Statement::Kind::Definition: break;
            case Statement::Kind::Interval: break;
            case Statement::Kind::Relation:
                for (const Node& f : s.formulas) {
                    if (f.kind == Node::Kind::Root || (isCall(f) && !functions_.contains(f.letter))) return true;
                }
            }
        }
        return std::any_of(defined_.begin(), defined_.end(), [](const Defined& d) { return !d.unknowns.empty(); });
    }

    // The function of a task alone: its expression, and its interval if any.
    Task function(const Statement& s, const Statement* interval) {
        Task task;
        const Poly value = valueOf(s.formulas[0]);
        char32_t letter = U'x';
        if (s.kind == Statement::Kind::Definition) {
            const Defined& d = defined_[0];
            task.name = nameOf(d);
            letter = d.definition.variable;
        } else {
            letter = onlyLetter(value, s.at);
        }
        task.letter = letterText(letter);
        task.left = TextOf(s.formulas[0]);
        task.leftValue = value.inOne(letter);
        if (task.leftValue.degree() < 2) {
            throw ErrorAt(s.formulas[0].at, "To nie jest funkcja kwadratowa: po uporządkowaniu nie ma w niej " +
                                                task.letter + "².");
        }
        if (interval) task.interval = intervalOf(*interval, letter);
        return task;
    }

    // The one letter of VALUE, x where it has none; two are refused by name.
    static char32_t onlyLetter(const Poly& value, std::size_t at) {
        const std::u32string letters = value.letters();
        if (letters.size() > 1) {
            throw ErrorAt(at, "We wzorze są litery " + listed(letters) +
                                  ", a niewiadoma może być tylko jedna; np. t² − 5t = 0" + Place(at));
        }
        return letters.empty() ? U'x' : letters[0];
    }

    Interval intervalOf(const Statement& s, char32_t letter) {
        if (s.variable != 0 && s.variable != letter) {
            throw ErrorAt(s.at, "Przedział jest dla " + letterText(s.variable) + ", a funkcja ma zmienną " +
                                    letterText(letter) + Place(s.at));
        }
        const syntax::Bracket& b = *s.bracket;
        for (const syntax::End* e : {&b.from, &b.to}) {
            if (!e->value) throw ErrorAt(e->at, "Koniec przedziału musi być liczbą" + Place(e->at));
        }
        const mpq_class from = endValue(b.from), to = endValue(b.to);
        if (from >= to) throw ErrorAt(b.at, "Początek przedziału musi być mniejszy od jego końca" + Place(b.at));
        return {.from = from,
                .to = to,
                .range = {solution::Bound::of(b.from.closed, TextOf(*b.from.value), solver::NearestDouble(from)),
                          solution::Bound::of(b.to.closed, TextOf(*b.to.value), solver::NearestDouble(to))}};
    }

    mpq_class endValue(const syntax::End& e) {
        const Poly value = valueOf(*e.value);
        if (!value.isConstant()) throw ErrorAt(e.at, "Koniec przedziału musi być liczbą" + Place(e.at));
        return value.constantTerm();
    }

    // An equation or inequality in one letter; f(x) and g(x) by their formulas.
    Task relation(const Statement& s) {
        Task task;
        const Poly left = valueOf(s.formulas[0]), right = valueOf(s.formulas[1]);
        const char32_t letter = onlyLetter(left - right + left + right, s.at);
        task.relation = s.relations[0];
        task.kind = task.relation == Relation::Equal ? Kind::Equation : Kind::Inequality;
        task.letter = letterText(letter);
        task.left = TextOf(s.formulas[0]);
        task.right = TextOf(s.formulas[1]);
        task.leftValue = left.inOne(letter);
        task.rightValue = right.inOne(letter);
        return task;
    }

    TwoGraphs twoGraphs(const Statement* asked) {
        TwoGraphs graphs;
        Task* tasks[] = {&graphs.first, &graphs.second};
        for (std::size_t i = 0; i < 2; ++i) {
            const Defined& d = defined_[i];
            tasks[i]->name = nameOf(d);
            tasks[i]->letter = letterText(d.definition.variable);
            tasks[i]->left = TextOf(d.statement->formulas[0]);
            tasks[i]->leftValue = d.definition.value.inOne(d.definition.variable);
        }
        if (graphs.first.letter != graphs.second.letter) {
            throw ErrorAt(defined_[1].statement->at, "Obie funkcje muszą mieć tę samą zmienną" + Place(defined_[1].statement->at));
        }
        if (asked) {
            graphs.asked = relation(*asked);
            // It compares the two functions, in either order, and nothing else.
            const Polynomial &f = graphs.first.leftValue, &g = graphs.second.leftValue;
            const Polynomial &left = graphs.asked->leftValue, &right = graphs.asked->rightValue;
            if (!((left == f && right == g) || (left == g && right == f))) {
                throw ErrorAt(asked->at, "Równanie albo nierówność przy dwóch funkcjach porównuje je, np. f(x) ≥ g(x)" +
                                             Place(asked->at));
            }
        }
        return graphs;
    }

    // Two equations in two letters: y = … read as an equation too.
    System system() {
        System system;
        Task* tasks[] = {&system.first, &system.second};
        Poly* values[] = {&system.firstValue, &system.secondValue};
        std::size_t n = 0;
        std::u32string letters;
        for (const Statement& s : statements_) {
            const bool definition = s.kind == Statement::Kind::Definition;
            if (!definition && s.relations[0] != Relation::Equal) {
                throw ErrorAt(s.signsAt[0], "W układzie mogą stać tylko równania" + Place(s.signsAt[0]));
            }
            const Poly left = definition ? Poly::letter(U'y') : valueOf(s.formulas[0]);
            const Poly right = valueOf(s.formulas[definition ? 0 : 1]);
            tasks[n]->kind = Kind::Equation;
            tasks[n]->left = definition ? "y" : TextOf(s.formulas[0]);
            tasks[n]->right = TextOf(s.formulas[definition ? 0 : 1]);
            *values[n] = left - right;
            letters += values[n]->letters();
            ++n;
        }
        std::sort(letters.begin(), letters.end());
        letters.erase(std::unique(letters.begin(), letters.end()), letters.end());
        if (letters.size() != 2) {
            throw ErrorAt(statements_[0].at, letters.size() < 2
                                                 ? "Układ równań ma dwie niewiadome, np. x² + y = 4, 2x − y = 5" +
                                                       Place(statements_[0].at)
                                                 : "W układzie są litery " + listed(letters) +
                                                       ", a niewiadome mogą być tylko dwie" + Place(statements_[0].at));
        }
        // x and y, or two other letters in the order of the alphabet.
        system.variable = letterText(letters[0]);
        system.other = letterText(letters[1]);
        const auto elimination = EliminationOf(system);
        if (const auto* why = std::get_if<std::string>(&elimination)) {
            throw ErrorAt(statements_[0].at, *why + Place(statements_[0].at));
        }
        return system;
    }

    Fit fit();
    void condition(const Statement& s, std::vector<Condition>& out, const Fit& fit);

    std::u32string_view text_;
    const std::vector<Statement>& statements_;
    Functions functions_;
    std::vector<Defined> defined_;
};

// "W = (1; 5)", "(2; 7)"
std::string pointText(const mpq_class& x, const mpq_class& y) { return "(" + NumberText(x) + "; " + NumberText(y) + ")"; }

Fit Reader::fit() {
    Fit fit;
    if (defined_.size() > 1) {
        throw ErrorAt(defined_[1].statement->at, "Wzór funkcji z warunków może być tylko jeden" + Place(defined_[1].statement->at));
    }
    if (!defined_.empty()) {
        const Defined& d = defined_[0];
        const Statement& s = *d.statement;
        fit.name = s.name == U'y' ? "y" : letterText(s.name);
        fit.letter = letterText(d.definition.variable);
        fit.formula = TextOf(s.formulas[0]);
        fit.value = d.definition.value;
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
        functions_.erase(s.name);
    }
    for (const Statement& s : statements_) {
        if (s.kind == Statement::Kind::Interval) {
            throw ErrorAt(s.at, "Przedział podaje się przy funkcji o znanym wzorze" + Place(s.at));
        }
        if (s.kind != Statement::Kind::Definition) condition(s, fit.conditions, fit);
    }
    for (const Condition& c : fit.conditions) {
        if (c.kind == Condition::Kind::Point || c.kind == Condition::Kind::Zero) {
            // f(2) = 7 names the function where nothing else did.
            if (defined_.empty() && c.text.size() > 1 && c.text[1] == '(') fit.name = c.text.substr(0, 1);
            break;
        }
    }
    return fit;
}

void Reader::condition(const Statement& s, std::vector<Condition>& out, const Fit& fit) {
    using K = Condition::Kind;
    const char32_t variable = text::Decode(fit.letter)[0];
    const auto add = [&](K kind, std::string text, mpq_class x, mpq_class y) {
        out.push_back({.kind = kind, .text = std::move(text), .x = std::move(x), .y = std::move(y), .at = s.at});
    };
    switch (s.kind) {
    case Statement::Kind::Vertex:
    case Statement::Kind::Point: {
        const syntax::Bracket& b = *s.bracket;
        if (!b.from.value || !b.to.value) throw ErrorAt(b.at, "Współrzędne punktu muszą być liczbami" + Place(b.at));
        const mpq_class x = constant(*b.from.value), y = constant(*b.to.value);
        const bool vertex = s.kind == Statement::Kind::Vertex;
        const std::string name = s.name != 0 ? letterText(s.name) + " = " : vertex ? "W = " : "";
        return add(vertex ? K::Vertex : y == 0 ? K::Zero : K::Point, name + pointText(x, y), x, y);
    }
    case Statement::Kind::Zeros:
        for (std::size_t i = 0; i < s.formulas.size(); ++i) {
            const mpq_class x = constant(s.formulas[i]);
            add(K::Zero, fit.letter + (s.formulas.size() == 1 ? "₀" : i == 0 ? "₁" : "₂") + " = " + NumberText(x), x, 0);
        }
        return;
    case Statement::Kind::Axis: {
        const mpq_class x = constant(s.formulas[0]);
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
        const mpq_class q = constant(*finite.value);
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
    const mpq_class value = constant(f.back());
    const bool calls = std::all_of(f.begin(), f.end() - 1, [&](const Node& n) { return isCall(n) && !functions_.contains(n.letter); });
    if (calls) {
        for (auto n = f.begin(); n != f.end() - 1; ++n) {
            const mpq_class x = constant(n->parts[0]);
            add(value == 0 ? K::Zero : K::Point, letterText(n->letter) + "(" + NumberText(x) + ") = " + NumberText(value), x, value);
        }
        return;
    }
    if (f.size() != 2) throw unknown;
    if (f[0].kind == Node::Kind::Root && f[0].minuses == 0 && f[0].powers.empty()) {
        return add(K::Zero, fit.letter + (f[0].root == 1 ? "₁" : "₂") + " = " + NumberText(value), value, 0);
    }
    if (isLetter(f[0]) && f[0].letter == variable) {
        return add(K::Axis, fit.letter + " = " + NumberText(value), value, 0);
    }
    const std::string name = isLetter(f[0]) ? letterText(f[0].letter) : "";
    const bool generic = fit.formula.empty() && (name == "a" || name == "b" || name == "c");
    if (generic || std::find(fit.unknowns.begin(), fit.unknowns.end(), name) != fit.unknowns.end()) {
        add(K::Known, name + " = " + NumberText(value), 0, value);
        out.back().unknown = name;
        return;
    }
    throw unknown;
}

}  // namespace

std::string RelationText(Relation relation) {
    switch (relation) {
    case Relation::Equal: return " = ";
    case Relation::Less: return " < ";
    case Relation::Greater: return " > ";
    case Relation::LessOrEqual: return " ≤ ";
    case Relation::GreaterOrEqual: return " ≥ ";
    }
    return " = ";
}

std::string Task::text() const {
    std::string text = kind == Kind::Function ? (name.empty() ? "" : name + " = ") + left
                                              : (given.empty() ? "" : given + ", ") + left + RelationText(relation) + right;
    if (interval) text += ", " + letter + " ∈ " + solution::RangeText(interval->range);
    return text;
}

std::string Problem::text() const {
    if (const auto* task = std::get_if<Task>(&what)) return task->text();
    if (const auto* graphs = std::get_if<TwoGraphs>(&what)) {
        return graphs->first.text() + ", " + graphs->second.text() + (graphs->asked ? ", " + graphs->asked->text() : "");
    }
    if (const auto* system = std::get_if<System>(&what)) return system->first.text() + ", " + system->second.text();
    const Fit& fit = std::get<Fit>(what);
    std::string text = fit.formula.empty() ? "" : (fit.name == "y" ? "y" : fit.name + "(" + fit.letter + ")") + " = " + fit.formula;
    for (const Condition& c : fit.conditions) text += (text.empty() ? "" : ", ") + c.text;
    return text;
}

std::variant<Problem, TaskError> ReadTask(std::string_view text) {
    // A byte that is no UTF-8 becomes U+FFFD, which nothing reads.
    const std::u32string characters = text::Decode(text);
    if (characters.size() > longestTask) {
        return ErrorAt(longestTask, "Zadanie jest za długie: najwyżej " +
                                        solution::Grouped(std::to_string(longestTask)) + " znaków.");
    }
    if (std::all_of(characters.begin(), characters.end(), lexer::IsBlank)) {
        return ErrorAt(0, "Wpisz zadanie, np. x² − 5x ≤ 14 albo f(x) = −2(x + 1)² + 8.");
    }
    try {
        return Reader(characters, syntax::Parse(characters)).problem();
    } catch (const TaskError& error) {
        return error;
    }
}

}  // namespace task
