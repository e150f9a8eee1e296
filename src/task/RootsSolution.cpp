#include "task/RootsSolution.h"

#include "solution/ExactForms.h"
#include "solution/SchoolNotation.h"
#include "solution/WorkedSolution.h"
#include "task/Viete.h"

namespace task {

namespace {

mpq_class valueAt(const Poly& sp, const mpq_class& s, const mpq_class& p) {
    return sp.substituted(rootSum, Poly::constant(s)).substituted(rootProduct, Poly::constant(p)).constantTerm();
}

// √q exactly: "√13", "2√3/3", "5".
std::string squareRootText(const mpq_class& q) {
    if (q == 0) return "0";
    const mpz_class radicand = q.get_num() * q.get_den();
    const solution::SquareSplit split = solution::SplitSquare(radicand);
    return solution::Root(mpq_class(split.k, q.get_den()), split.m).text();
}

}  // namespace

Steps RootsValueSteps(const RootsValue& task, const std::string& text) {
    const Polynomial moved = task.equation.leftValue - task.equation.rightValue;
    const solution::Facts f = PolynomialFacts(moved);
    const std::string& asked = task.expression.text;
    std::vector<std::string> lines{"Zadanie: " + text};
    if (task.equation.right != "0") lines.push_back(PolynomialText(moved) + " = 0");
    lines.push_back(solution::CoefficientsLine(f));
    lines.push_back(solution::ZeroLines(f).front());
    if (f.deltaSign < 0) {
        lines.push_back("Δ < 0, więc równanie nie ma pierwiastków i wyrażenia " + asked + " nie można obliczyć.");
        lines.push_back("Odpowiedź: równanie nie ma pierwiastków, więc " + asked + " nie istnieje.");
        return {lines, std::nullopt};
    }
    lines.push_back(f.deltaSign > 0 ? "Δ > 0, więc równanie ma dwa pierwiastki x₁ i x₂."
                                    : "Δ = 0, więc równanie ma jeden pierwiastek: x₁ = x₂.");
    lines.push_back("Wzory Viète'a: x₁ + x₂ = −b/a = " + f.sum.text() + ", x₁ · x₂ = c/a = " + f.product.text());
    const auto form = SumProductFormOf(task.expression);
    const mpq_class s = -moved.c1 / moved.c2, p = moved.c0 / moved.c2;
    const mpq_class numerator = valueAt(form->numerator, s, p), denominator = valueAt(form->denominator, s, p);
    const std::string sum = solution::Rational(s).factor(), product = solution::Rational(p).factor();
    const std::string put = FormText(*form, sum, product);
    const std::string through = FormText(*form);
    if (denominator == 0) {
        lines.push_back(Equalities({asked, through, put}));
        lines.push_back("Mianownik jest równy 0, więc wyrażenia " + asked + " nie można obliczyć.");
        lines.push_back("Odpowiedź: wyrażenie " + asked + " nie istnieje (dzielenie przez 0).");
        return {lines, std::nullopt};
    }
    const mpq_class value = numerator / denominator;
    const std::string result = form->squareRoot ? squareRootText(value) : solution::Rational(value).text();
    lines.push_back(Equalities({asked, through, put, result}));
    lines.push_back("Odpowiedź: " + asked + " = " + result);
    return {lines, std::nullopt};
}

}  // namespace task
