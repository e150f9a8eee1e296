#include "solution/SchoolNotation.h"
#include "task/ParameterSolution.h"
#include "task/Reading.h"
#include "task/Viete.h"

namespace task {

namespace reading {

namespace {

using lexer::ErrorAt;
using lexer::Place;

// |E| only on the left, against a number; anything else symmetric in x₁ and x₂.
void checkRoots(const RootsRelation& r, std::size_t at) {
    if (r.right.absolute || (r.left.absolute && !(r.right.numerator.isConstant() && r.right.denominator.isConstant()))) {
        throw ErrorAt(at, "Wartość bezwzględną porównuję tylko z liczbą, np. |x₁ − x₂| = 2" + Place(at));
    }
    if (!SumProductFormOf(MovedLeft(r))) {
        throw ErrorAt(at, "Tego warunku nie da się zapisać przez x₁ + x₂ i x₁ · x₂: zmienia się, gdy zamienić x₁ z x₂" + Place(at));
    }
}

}  // namespace

// An equation or a function with the parameter M in its coefficients, and
// what its roots or values must be.
Parametric ReadParametric(const std::vector<Statement>& statements, const std::vector<Defined>& defined,
                          const Functions& functions, char32_t m, const Wanted& wanted) {
    const auto valueOf = [&](const Node& node) { return Evaluator(functions).valueOf(node); };
    if (m == U'a' || m == U'b' || m == U'c') {
        throw ErrorAt(0, "Parametr nazwij inną literą niż a, b i c, które są tu współczynnikami równania, np. m.");
    }
    Parametric task;
    task.parameter = letterText(m);
    task.wanted = wanted;
    const Statement* main = nullptr;
    for (const Statement& s : statements) {
        const bool roots = hasRoots(s.formulas);
        if (roots && s.relations.size() == 1 && !task.roots) {
            task.roots = RootsRelation{RootExpressionOf(s.formulas[0]), RootExpressionOf(s.formulas[1]), s.relations[0]};
            checkRoots(*task.roots, s.at);
        } else if (!roots && !main && (s.kind == Statement::Kind::Definition ||
                                       (s.relations.size() == 1 && s.relations[0] == Relation::Equal))) {
            main = &s;
        } else {
            throw ErrorAt(s.at, "Przy parametrze podaj jedno równanie albo funkcję i warunek, np. x² + mx + 4 = 0 ma dwa "
                                "różne rozwiązania" + Place(s.at));
        }
    }
    if (!main) throw ErrorAt(0, "Brakuje równania albo funkcji z parametrem " + task.parameter + ".");
    if (main->kind == Statement::Kind::Definition) {
        const Defined& d = defined[0];
        task.task.name = NameOf(d);
        task.task.left = TextOf(main->formulas[0]);
        task.value = d.definition.value;
    } else {
        task.task = {};
        task.task.kind = Kind::Equation;
        task.task.left = TextOf(main->formulas[0]);
        task.task.right = TextOf(main->formulas[1]);
        task.value = valueOf(main->formulas[0]) - valueOf(main->formulas[1]);
    }
    std::u32string others = task.value.letters();
    std::erase(others, m);
    std::erase(others, U'x');
    if (!others.empty()) {
        throw ErrorAt(main->at, "W równaniu z parametrem " + task.parameter + " może stać tylko x i " + task.parameter +
                                    ", a jest też " + listed(others) + Place(main->at));
    }
    if (task.value.degreeIn(U'x') > 2) throw ErrorAt(main->at, "Równanie z parametrem może być najwyżej kwadratowe" + Place(main->at));
    const Wanted& w = task.wanted;
    // "wykres funkcji f(x) = x² + mx + 4 ma dwa punkty wspólne z osią OX": the roots of f(x) = 0.
    if (task.task.kind == Kind::Function && w.values == 0) {
        task.task.kind = Kind::Equation;
        task.task.name.clear();
        task.task.right = "0";
    }
    const bool function = task.task.kind == Kind::Function;
    if (function && (w.values == 0 || task.roots)) {
        throw ErrorAt(main->at, "O funkcję z parametrem pytam tylko, czy przyjmuje tylko wartości dodatnie albo ujemne" +
                                    Place(main->at));
    }
    if (!function && w.count == 1 && (w.sign != 0 || w.signs != 0)) {
        throw ErrorAt(main->at, "Warunku o znaku jednego rozwiązania jeszcze nie umiem; umiem np. „ma dwa różne "
                                "rozwiązania dodatnie” albo „ma jedno rozwiązanie”" + Place(main->at));
    }
    if (!function && w.count < 0 && w.sign == 0 && w.signs == 0 && !w.solvable && !task.roots) {
        throw ErrorAt(main->at, "Nie wiem, jaki warunek ma spełniać równanie: np. „ma dwa różne rozwiązania”, „nie ma "
                                "rozwiązań”, „ma dwa rozwiązania dodatnie” albo x₁² + x₂² = 10" + Place(main->at));
    }
    const auto answer = ParameterAnswerOf(task);
    if (const auto* error = std::get_if<TaskError>(&answer)) throw ErrorAt(main->at, error->message);
    return task;
}

}  // namespace reading

std::string Parametric::text() const {
    const Wanted& w = wanted;
    std::string said = "Wyznacz wartości parametru " + parameter + ", dla których ";
    if (task.kind == Kind::Function) {
        return said + "funkcja " + task.text() + " przyjmuje tylko wartości " + (w.values > 0 ? "dodatnie." : "ujemne.");
    }
    said += "równanie " + task.text();
    const std::string sign = w.sign > 0 ? " dodatnie" : w.sign < 0 ? " ujemne" : "";
    if (w.count == 0) return said + " nie ma rozwiązań.";
    if (w.count == 1) return said + " ma jedno rozwiązanie" + sign + ".";
    said += std::string(" ma ") + (w.count == 2 ? "dwa " : "") + (w.distinct ? "różne " : "") + "rozwiązania" + sign;
    if (w.signs != 0) said += w.signs < 0 ? " różnych znaków" : " jednakowych znaków";
    if (roots) said += " x₁, x₂ spełniające warunek " + roots->left.text + RelationText(roots->relation) + roots->right.text;
    return said + ".";
}

}  // namespace task
