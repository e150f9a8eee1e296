#include <algorithm>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "solution/SchoolNotation.h"
#include "solver/ExactReal.h"
#include "task/FitSolution.h"
#include "task/Reading.h"
#include "task/Sentence.h"
#include "task/Steps.h"
#include "task/Syntax.h"
#include "task/SystemSolution.h"
#include "task/Univariate.h"
#include "task/Viete.h"
#include "text/Utf8.h"

namespace task {

namespace {

using lexer::ErrorAt;
using lexer::Place;
using namespace reading;

// The statements of a task made into the problem they state: one function,
// equation or inequality; two graphs; a system; or a function from conditions.
class Reader {
public:
    Reader(std::u32string_view text, syntax::Parsed parsed)
        : text_(text), statements_(std::move(parsed.statements)), sentence_(std::move(parsed.sentence)) {
        // y = … with y on its right too is an equation in y, never y's formula.
        for (Statement& s : statements_) {
            if (s.kind != Statement::Kind::Definition || s.name != U'y' || !mentions(s.formulas[0], U'y')) continue;
            Node y;
            y.kind = Node::Kind::Letter;
            y.at = s.at;
            y.letter = U'y';
            s.kind = Statement::Kind::Relation;
            s.formulas.insert(s.formulas.begin(), y);
            s.relations = {Relation::Equal};
            s.signsAt = {s.formulas[1].at};
        }
    }

    Problem problem() {
        return {unasked(), sentence_.asks};
    }

private:
    decltype(Problem::what) unasked() {
        // Definitions first: f(x) = … gives every call of f its value.
        for (const Statement& s : statements_) {
            if (s.kind == Statement::Kind::Definition) define(s);
        }
        if (const char32_t m = parameter()) return ReadParametric(statements_, defined_, functions_, m, sentence_.wanted);
        if (sentence_.wanted != Wanted{}) {
            throw ErrorAt(sentence_.wantedAt, "Warunek o rozwiązaniach albo wartościach rozumiem przy parametrze, np. Dla "
                                              "jakich wartości parametru m równanie x² + mx + 4 = 0 ma dwa różne "
                                              "rozwiązania?" + Place(sentence_.wantedAt));
        }
        if (const auto roots = rootsValue()) return *roots;
        if (isFit()) {
            Fit found = ReadFit(statements_, defined_, functions_);
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
        if (interval && !relations.empty() && !defined_.empty()) {
            throw ErrorAt(interval->at, "Przedział podaje się przy samej funkcji, bez równania ani nierówności" +
                                            Place(interval->at));
        }
        if (interval && (!relations.empty() || functions.size() != 1)) {
            throw ErrorAt(interval->at, "Przedział podaje się tylko przy funkcji, np. f(x) = x² − 4x + 3, x ∈ ⟨−1; 4⟩" +
                                            Place(interval->at));
        }
        if (functions.size() == 1 && relations.empty()) return {function(*functions[0], interval)};
        if (relations.size() == 1 && functions.empty()) return alone(*relations[0]);
        if (functions.size() == 2 && relations.size() <= 1 && defined_.size() == 2) {
            return {twoGraphs(relations.empty() ? nullptr : relations[0])};
        }
        if (relations.size() == 1 && functions.size() == 1 && defined_.size() == 1) {
            const Defined& d = defined_[0];
            const Statement& r = *relations[0];
            // f(x) = x² − 4, f(x) < 5, or y = x² − 4, y < 5: the relation with the formula in it.
            if (calls(r.formulas, d.statement->name) || (d.statement->name == U'y' && onlyY(r))) {
                Task task = relation(r, d.statement->name == U'y' ? &d : nullptr);
                task.given = NameOf(d) + " = " + TextOf(d.statement->formulas[0]);
                return {task};
            }
            // y = x² − 2x, x + y = 4: two equations.
            if (d.statement->name == U'y') return {system()};
        }
        if (relations.size() == 2 && functions.empty()) return {system()};
        const Statement& extra = statements_.back();
        throw ErrorAt(extra.at, "Tych zdań nie umiem połączyć w jedno zadanie: wpisz funkcję, równanie albo "
                                "nierówność, dwie funkcje, układ dwóch równań albo warunki funkcji kwadratowej" +
                                    Place(extra.at));
    }

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

    // f(x) = …, h(t) = …; y = … in x, or in the one letter it has.
    void define(const Statement& s) {
        const Poly value = valueOf(s.formulas[0]);
        std::u32string letters = value.letters();
        char32_t variable = s.variable;
        if (variable == 0) {
            variable = letters.empty() || letters.find(U'x') != letters.npos || letters.size() > 1 ? U'x' : letters[0];
        }
        if (s.name == variable) throw ErrorAt(s.at, "Funkcja i jej zmienna mają tę samą literę" + Place(s.at));
        if (variable == U'y') throw yVariable(s.at);
        // f(x) = t² + 1: the formula in another letter than the one named.
        if (s.variable != 0 && !letters.empty() && letters.find(variable) == letters.npos) {
            throw ErrorAt(s.formulas[0].at, "We wzorze funkcji " + letterText(s.name) + "(" + letterText(variable) +
                                                ") nie ma " + letterText(variable) + ", a jest " + listed(letters) +
                                                Place(s.formulas[0].at));
        }
        std::erase(letters, variable);
        if (s.name != U'y' && functions_.contains(s.name)) {
            throw ErrorAt(s.at, "Funkcja " + letterText(s.name) + " ma już wzór" + Place(s.at));
        }
        const Definition definition{variable, value};
        // y may be called, as y(2), while only one formula names it.
        const bool anotherY = s.name == U'y' && std::any_of(defined_.begin(), defined_.end(), [](const Defined& d) {
                                  return d.statement->name == U'y';
                              });
        if (anotherY) {
            functions_.erase(U'y');
        } else {
            functions_[s.name] = definition;
        }
        defined_.push_back({&s, definition, letters});
    }

    // The parameter declared, or the one letter beside x where a sentence
    // asks for values and says what the roots must be; 0 for none.
    char32_t parameter() {
        if (sentence_.parameter != 0) return sentence_.parameter;
        const bool conditions = sentence_.wanted != Wanted{} || std::any_of(statements_.begin(), statements_.end(), [](const Statement& s) {
            return hasRoots(s.formulas) && !s.relations.empty();
        });
        if (!sentence_.valuesAsked || !conditions) return 0;
        std::u32string letters;
        for (const Statement& s : statements_) {
            for (const Node& f : s.formulas) {
                if (!hasRoots({f})) letters += valueOf(f).letters();
            }
        }
        std::sort(letters.begin(), letters.end());
        letters.erase(std::unique(letters.begin(), letters.end()), letters.end());
        std::erase(letters, U'x');
        return letters.size() == 1 ? letters[0] : 0;
    }

    // An equation and an expression in its roots: "x² − 5x + 3 = 0, x₁² + x₂²".
    std::optional<RootsValue> rootsValue() {
        const auto expression = std::find_if(statements_.begin(), statements_.end(), [](const Statement& s) {
            return s.kind == Statement::Kind::Relation && s.relations.empty() && hasRoots(s.formulas);
        });
        if (expression == statements_.end()) return std::nullopt;
        const auto equation = std::find_if(statements_.begin(), statements_.end(), [](const Statement& s) {
            return s.kind == Statement::Kind::Relation && s.relations.size() == 1 && !hasRoots(s.formulas);
        });
        if (statements_.size() != 2 || equation == statements_.end() || equation->relations[0] != Relation::Equal) {
            throw ErrorAt(expression->at, "Wyrażenie z x₁ i x₂ liczy się dla pierwiastków jednego równania kwadratowego, np. "
                                          "x² − 5x + 3 = 0, oblicz x₁² + x₂²" + Place(expression->at));
        }
        RootsValue value{relation(*equation), RootExpressionOf(expression->formulas[0])};
        if ((value.equation.leftValue - value.equation.rightValue).degree() != 2) {
            throw ErrorAt(equation->at, "Wzory Viète'a są dla równania kwadratowego: po uporządkowaniu musi w nim być " +
                                            value.equation.letter + "²" + Place(equation->at));
        }
        if (value.equation.letter != "x") {
            throw ErrorAt(equation->at, "Pierwiastki x₁ i x₂ są pierwiastkami równania z niewiadomą x" + Place(equation->at));
        }
        if (!SumProductFormOf(value.expression)) {
            throw ErrorAt(expression->at, "Tego wyrażenia nie da się zapisać przez x₁ + x₂ i x₁ · x₂: zmienia się, gdy "
                                          "zamienić x₁ z x₂; np. |x₁ − x₂| albo (x₁ − x₂)² już się da" + Place(expression->at));
        }
        return value;
    }


    // Conditions on a function not given, or a formula with unknown coefficients.
    bool isFit() {
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
                    // f(2) = 7 of a function given nowhere; with others given, f is just missing.
                    if (f.kind == Node::Kind::Root || (isCall(f) && !functions_.contains(f.letter) && defined_.empty())) {
                        return true;
                    }
                }
            }
        }
        // f(x) = x² − 4x + 3, f(2) = −1, f(3) = 0: values of a given function, checked as conditions.
        if (defined_.size() == 1 && defined_[0].unknowns.empty() && statements_.size() > 2) {
            const bool values = std::all_of(statements_.begin(), statements_.end(), [&](const Statement& s) {
                if (s.kind == Statement::Kind::Definition) return true;
                if (s.kind != Statement::Kind::Relation || s.relations.empty()) return false;
                return std::all_of(s.relations.begin(), s.relations.end(), [](Relation r) { return r == Relation::Equal; }) &&
                       std::all_of(s.formulas.begin(), s.formulas.end(), [&](const Node& f) { return valueOf(f).isConstant(); });
            });
            if (values) return true;
        }
        // a = 2, b = 4, c = 1 (or p and q): the coefficients themselves, two or more.
        const bool coefficients = statements_.size() > 1 && std::all_of(statements_.begin(), statements_.end(), [&](const Statement& s) {
            return s.kind == Statement::Kind::Relation && s.formulas.size() == 2 && isLetter(s.formulas[0]) &&
                   std::u32string_view(U"abcpq").find(s.formulas[0].letter) != std::u32string_view::npos &&
                   s.relations[0] == Relation::Equal && valueOf(s.formulas[1]).isConstant();
        });
        if (coefficients) return true;
        return std::any_of(defined_.begin(), defined_.end(), [](const Defined& d) { return !d.unknowns.empty(); });
    }

    // The function of a task alone: its expression, and its interval if any.
    Task function(const Statement& s, const Statement* interval) {
        Task task;
        const Poly value = valueOf(s.formulas[0]);
        char32_t letter = U'x';
        if (s.kind == Statement::Kind::Definition) {
            const Defined& d = defined_[0];
            task.name = NameOf(d);
            letter = d.definition.variable;
        } else {
            letter = onlyLetter({value}, s.formulas, s.at);
        }
        task.letter = letterText(letter);
        task.left = TextOf(s.formulas[0]);
        if (value.degreeIn(letter) > 2) {
            throw ErrorAt(s.formulas[0].at, "To nie jest funkcja kwadratowa: po uporządkowaniu jest w niej " + task.letter +
                                                solution::Superscript(value.degreeIn(letter)) + Place(s.formulas[0].at));
        }
        task.leftValue = value.inOne(letter);
        if (task.leftValue.degree() < 2) {
            throw ErrorAt(s.formulas[0].at, "To nie jest funkcja kwadratowa: po uporządkowaniu nie ma w niej " +
                                                task.letter + "².");
        }
        if (interval) task.interval = intervalOf(*interval, letter);
        return task;
    }

    // The one letter of VALUES, x where they have none; a second one is
    // refused by name, pointing at where it first stands in FORMULAS.
    static char32_t onlyLetter(std::initializer_list<Poly> values, const std::vector<Node>& formulas, std::size_t at) {
        std::u32string letters;
        for (const Poly& v : values) letters += v.letters();
        std::sort(letters.begin(), letters.end());
        letters.erase(std::unique(letters.begin(), letters.end()), letters.end());
        if (letters.size() > 1) {
            const std::size_t second = secondLetterAt(formulas).value_or(at);
            throw ErrorAt(second, "We wzorze są litery " + listed(letters) +
                                      ", a niewiadoma może być tylko jedna; np. t² − 5t = 0" + Place(second));
        }
        if (letters == U"y") throw yVariable(at);
        return letters.empty() ? U'x' : letters[0];
    }

    // Where a letter other than the first one typed stands first.
    static std::optional<std::size_t> secondLetterAt(const std::vector<Node>& formulas) {
        std::optional<char32_t> first;
        std::optional<std::size_t> found;
        const std::function<void(const Node&)> walk = [&](const Node& n) {
            if (found) return;
            if (n.kind == Node::Kind::Letter) {
                if (!first) first = n.letter;
                if (n.letter != *first) found = n.at;
            }
            for (const Node& part : n.parts) walk(part);
        };
        for (const Node& f : formulas) walk(f);
        return found;
    }

    // y names the values of a function and its chart's vertical axis: never its variable.
    static TaskError yVariable(std::size_t at) {
        return ErrorAt(at, "Litera y oznacza wartości funkcji; zmienną nazwij inaczej, np. x" + Place(at));
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

    // Whether y is the only letter of a relation: y < 5 beside y = x² − 4.
    bool onlyY(const Statement& r) {
        return (valueOf(r.formulas[0]).letters() + valueOf(r.formulas[1]).letters()).find_first_not_of(U'y') ==
               std::u32string::npos;
    }

    // An equation or inequality standing alone: of degree 3 or 4 one solved by its factors.
    decltype(Problem::what) alone(const Statement& s) {
        const Poly left = valueOf(s.formulas[0]), right = valueOf(s.formulas[1]);
        const std::u32string letters = (left - right).letters() + left.letters() + right.letters();
        const char32_t letter = letters.empty() ? U'x' : letters[0];
        if (std::max(left.degreeIn(letter), right.degreeIn(letter)) <= 2) return relation(s);
        PolynomialTask task{relation(s, nullptr, 4), left - right};
        if (!FactorOf(UPoly::of(task.value, letter))) {
            throw ErrorAt(s.at, "Tego wielomianu nie umiem rozłożyć na czynniki stopnia najwyżej 2 o współczynnikach "
                                "wymiernych, więc go nie rozwiążę" + Place(s.at));
        }
        return task;
    }

    // An equation or inequality in one letter; f(x) and g(x) by their
    // formulas, and y by Y's where given; of degree at most HIGHEST.
    Task relation(const Statement& s, const Defined* y = nullptr, int highest = 2) {
        Task task;
        Poly left = valueOf(s.formulas[0]), right = valueOf(s.formulas[1]);
        if (y) {
            left = left.substituted(U'y', y->definition.value);
            right = right.substituted(U'y', y->definition.value);
        }
        const char32_t letter = onlyLetter({left, right}, s.formulas, s.at);
        if ((left - right).degreeIn(letter) > highest) {
            throw ErrorAt(s.at, "Równanie albo nierówność stopnia 3 lub 4 wpisz samo, np. x³ − 2x² − 3x ≥ 0; tu może być "
                                "najwyżej kwadratowe" + Place(s.at));
        }
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
        // y = 3 beside y = t² takes its variable: a constant has none of its own.
        const bool constant[] = {defined_[0].definition.value.isConstant() && defined_[0].statement->variable == 0,
                                 defined_[1].definition.value.isConstant() && defined_[1].statement->variable == 0};
        for (std::size_t i = 0; i < 2; ++i) {
            const Defined& d = defined_[i];
            const char32_t variable = constant[i] ? defined_[1 - i].definition.variable : d.definition.variable;
            tasks[i]->name = NameOf(d);
            tasks[i]->letter = letterText(variable);
            tasks[i]->left = TextOf(d.statement->formulas[0]);
            if (d.definition.value.degreeIn(d.definition.variable) > 2) {
                throw ErrorAt(d.statement->at, "Wykresy porównuję tylko dla funkcji co najwyżej kwadratowych" + Place(d.statement->at));
            }
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
        // x and the other letter, or two others in the order of the alphabet.
        const bool x = letters[1] == U'x';
        system.variable = letterText(x ? letters[1] : letters[0]);
        system.other = letterText(x ? letters[0] : letters[1]);
        const auto elimination = EliminationOf(system);
        if (const auto* why = std::get_if<std::string>(&elimination)) {
            throw ErrorAt(statements_[0].at, *why + Place(statements_[0].at));
        }
        return system;
    }

    std::u32string_view text_;
    std::vector<Statement> statements_;
    Sentence sentence_;
    Functions functions_;
    std::vector<Defined> defined_;
};

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

bool Holds(int sign, Relation r) {
    switch (r) {
    case Relation::Equal: return sign == 0;
    case Relation::Less: return sign < 0;
    case Relation::Greater: return sign > 0;
    case Relation::LessOrEqual: return sign <= 0;
    case Relation::GreaterOrEqual: return sign >= 0;
    }
    return false;
}

std::string Task::text() const {
    std::string text = kind == Kind::Function ? (name.empty() ? "" : name + " = ") + left
                                              : (given.empty() ? "" : given + ", ") + left + RelationText(relation) + right;
    if (interval) text += ", " + letter + " ∈ " + solution::RangeText(interval->range);
    return text;
}

std::string Problem::text() const {
    std::string asked;
    for (std::size_t i = 0; i < asks.size(); ++i) {
        asked += (i == 0 ? ". Wyznacz " : i + 1 == asks.size() ? " i " : ", ") + sentence::AskText(asks[i]);
    }
    return statementsText() + asked + (asked.empty() ? "" : ".");
}

std::string Problem::statementsText() const {
    if (const auto* task = std::get_if<Task>(&what)) return task->text();
    if (const auto* graphs = std::get_if<TwoGraphs>(&what)) {
        return graphs->first.text() + ", " + graphs->second.text() + (graphs->asked ? ", " + graphs->asked->text() : "");
    }
    if (const auto* system = std::get_if<System>(&what)) return system->first.text() + ", " + system->second.text();
    if (const auto* roots = std::get_if<RootsValue>(&what)) return roots->equation.text() + ". Oblicz " + roots->expression.text + ".";
    if (const auto* p = std::get_if<Parametric>(&what)) return p->text();
    if (const auto* p = std::get_if<PolynomialTask>(&what)) return p->task.text();
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
