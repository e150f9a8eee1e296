#include "task/ParameterSolution.h"

#include <algorithm>
#include <optional>

#include "solution/SchoolNotation.h"
#include "solution/SolutionSet.h"
#include "task/Lexer.h"
#include "task/Viete.h"
#include "text/Utf8.h"

namespace task {

namespace {

using lexer::ErrorAt;

UPoly power(const UPoly& p, int n) {
    UPoly out({1});
    for (int i = 0; i < n; ++i) out = out * p;
    return out;
}

int terms(const UPoly& p) { return int(std::count_if(p.c.begin(), p.c.end(), [](const mpq_class& c) { return c != 0; })); }

// A condition on the roots or the coefficients, as a fraction of two
// polynomials in the parameter standing in a relation to 0.
struct Condition {
    std::string name;  // "Δ > 0", "x₁ + x₂ > 0"
    UPoly numerator, denominator;
    Relation relation = Relation::Greater;
    std::vector<std::string> lines;  // what it is in the parameter, before it is solved
    std::optional<bool> decided;     // met for every value, or for none, whatever the fraction
};

class Solver {
public:
    explicit Solver(const Parametric& task) : task_(task), m_(task.parameter) {
        const char32_t m = text::Decode(m_)[0];
        const auto inParameter = [&](int power) { return UPoly::of(task.value.coefficientOf(U'x', power), m); };
        a_ = inParameter(2);
        b_ = inParameter(1);
        c_ = inParameter(0);
    }

    ParameterAnswer answer() {
        if (a_.isZero()) throw ErrorAt(0, "Przy x² nie stoi tu nic dla żadnego " + m_ + ": to nie jest równanie kwadratowe.");
        lines_.push_back("a = " + text(a_) + ", b = " + text(b_) + ", c = " + text(c_));
        ExactSet linear = ExactSet::empty();
        const bool varies = a_.degree() > 0;
        if (varies) linear = linearCase();
        std::vector<Condition> conditions = wantedConditions();
        if (varies) {
            lines_.push_back("Przypadek 2: a ≠ 0, czyli " + text(a_) + " ≠ 0" + (text(a_) == m_ ? "" : aNonZeroText_) + ".");
        }
        std::string listed;
        for (std::size_t i = 0; i < conditions.size(); ++i) {
            listed += (i == 0 ? "" : i + 1 == conditions.size() ? " i " : ", ") + conditions[i].name;
        }
        lines_.push_back(std::string(task_.task.kind == Kind::Function ? "Warunki: " : "Warunki dla równania kwadratowego: ") +
                         listed + ".");
        ExactSet common = varies ? aNonZero_ : ExactSet::all();
        for (std::size_t i = 0; i < conditions.size(); ++i) {
            Condition& c = conditions[i];
            lines_.push_back(std::to_string(i + 1) + ") " + c.name);
            lines_.insert(lines_.end(), c.lines.begin(), c.lines.end());
            const ExactSet set = c.decided ? (*c.decided ? ExactSet::all() : ExactSet::empty())
                                           : solve(c.numerator, c.denominator, c.relation);
            if (c.decided) lines_.push_back(setText(set));
            common = common.intersected(set);
        }
        if (conditions.size() > 1 || varies) lines_.push_back("Część wspólna warunków: " + setText(common));
        const ExactSet all = common.united(linear);
        if (varies) lines_.push_back("Łączymy oba przypadki: " + setText(all));
        lines_.push_back("Odpowiedź: " + setText(all) + (all.isEmpty() ? " (nie ma takich wartości " + m_ + ")" : ""));
        return {lines_, all};
    }

private:
    std::string text(const UPoly& p) const { return p.isZero() ? "0" : UPolyText(p, m_); }
    std::string factor(const UPoly& p) const {
        const std::string t = text(p);
        return terms(p) > 1 || t.starts_with("−") ? "(" + t + ")" : t;
    }
    // num/den, divided out where den is a number: "−2m/(m − 1)", "m + 1".
    std::string fraction(const UPoly& num, const UPoly& den) const {
        if (num.isZero()) return "0";
        if (den.degree() == 0) return text(num.scaled(1 / den.leading()));
        return (terms(num) > 1 ? "(" + text(num) + ")" : text(num)) + "/" + (terms(den) > 1 ? "(" + text(den) + ")" : text(den));
    }
    // "m ∈ (−1; 0)"; single values together, as school lists them: "m ∈ {1; 2}".
    // A value put in for s or p: bare where it is the parameter or a whole number, else in brackets.
    std::string bracketed(const std::string& t) const {
        return t == m_ || t.find_first_not_of("0123456789") == std::string::npos ? t : "(" + t + ")";
    }

    std::string setText(const ExactSet& s) const { return m_ + " ∈ " + SetTextOf(s); }

    // a = 0: the equation is linear, and is checked as it stands.
    ExactSet linearCase() {
        lines_.push_back("Przypadek 1: a = 0, czyli " + text(a_) + " = 0.");
        const auto factored = FactorOf(a_);
        std::vector<solution::Surd> zeros;
        if (factored) zeros = RealZerosOf(*factored);
        if (!factored || std::any_of(zeros.begin(), zeros.end(), [](const solution::Surd& z) { return !z.isRational(); })) {
            throw ErrorAt(0, "Współczynnik przy x² zeruje się tu dla niewymiernego " + m_ + "; takiego zadania nie umiem.");
        }
        aNonZero_ = ExactSet::all();
        ExactSet found = ExactSet::empty();
        if (zeros.empty()) lines_.push_back(text(a_) + " ≠ 0 dla każdego " + m_ + ".");
        for (const solution::Surd& z : zeros) {
            aNonZero_ = aNonZero_.without(z);
            aNonZeroText_ += (aNonZeroText_.empty() ? ", więc " : " i ") + m_ + " ≠ " + solution::SurdText(z);
            const mpq_class m0 = z.rational();
            const mpq_class b = b_.valueAt(m0), c = c_.valueAt(m0);
            const std::string is = "Dla " + m_ + " = " + solution::Rational(m0).text() + ": ";
            const std::string form = task_.task.kind == Kind::Function ? "f(x) = " + PolynomialText({c, b, 0})
                                                                      : PolynomialText({c, b, 0}) + " = 0";
            bool good = false;
            std::string says;
            if (task_.task.kind == Kind::Function) {
                good = b == 0 && sgn(c) == task_.wanted.values;
                says = b == 0 ? "funkcja stała" : "funkcja liniowa, przyjmuje wartości dodatnie i ujemne";
            } else if (b != 0) {
                good = (task_.wanted.count == 1 || task_.wanted.solvable) && !task_.roots;
                says = "jedno rozwiązanie x = " + solution::Rational(-c / b).text();
            } else {
                good = c != 0 ? task_.wanted.count == 0 : task_.wanted.solvable && !task_.roots;
                says = c != 0 ? "równanie sprzeczne, brak rozwiązań" : "równanie tożsamościowe, nieskończenie wiele rozwiązań";
            }
            lines_.push_back(is + form + ": " + says + (good ? " — warunek spełniony." : " — warunek nie jest spełniony."));
            if (good) found = found.united(ExactSet::point(z));
        }
        return found;
    }

    Condition deltaCondition(Relation r) const {
        Condition c{"Δ" + RelationText(r) + "0", b_ * b_ - a_ * c_.scaled(4), UPoly({1}), r, {}, std::nullopt};
        c.lines.push_back("Δ = b² − 4ac = " + bracketed(text(b_)) + "² − 4 · " + factor(a_) + " · " + factor(c_) + " = " +
                          text(c.numerator));
        return c;
    }

    Condition sumCondition(Relation r) const {
        Condition c{"x₁ + x₂" + RelationText(r) + "0", b_.scaled(-1), a_, r, {}, std::nullopt};
        c.lines.push_back("x₁ + x₂ = −b/a = " + fraction(c.numerator, c.denominator));
        return c;
    }

    Condition productCondition(Relation r) const {
        Condition c{"x₁ · x₂" + RelationText(r) + "0", c_, a_, r, {}, std::nullopt};
        c.lines.push_back("x₁ · x₂ = c/a = " + fraction(c.numerator, c.denominator));
        return c;
    }

    std::vector<Condition> wantedConditions() const {
        const Wanted& w = task_.wanted;
        std::vector<Condition> all;
        if (task_.task.kind == Kind::Function) {
            all.push_back({std::string("a") + (w.values > 0 ? " > 0" : " < 0"), a_, UPoly({1}),
                           w.values > 0 ? Relation::Greater : Relation::Less, {}, std::nullopt});
            all.push_back(deltaCondition(Relation::Less));
            return all;
        }
        if (w.count == 0) return {deltaCondition(Relation::Less)};
        if (w.count == 1) return {deltaCondition(Relation::Equal)};
        all.push_back(deltaCondition(w.distinct || w.count == 2 ? Relation::Greater : Relation::GreaterOrEqual));
        if (w.sign != 0) {
            all.push_back(sumCondition(w.sign > 0 ? Relation::Greater : Relation::Less));
            all.push_back(productCondition(Relation::Greater));
        }
        if (w.signs != 0) all.push_back(productCondition(w.signs > 0 ? Relation::Greater : Relation::Less));
        if (task_.roots) all.push_back(rootsCondition(*task_.roots));
        return all;
    }

    // SP, through s and p, with s = −b/a and p = c/a put in: N/a^D.
    std::pair<UPoly, int> inParameter(const Poly& sp) const {
        int d = 0;
        for (const auto& [monomial, c] : sp.terms()) d = std::max(d, int(monomial.size()));
        UPoly n;
        for (const auto& [monomial, c] : sp.terms()) {
            const int i = int(std::count(monomial.begin(), monomial.end(), rootSum));
            const int j = int(std::count(monomial.begin(), monomial.end(), rootProduct));
            n = n + (power(b_.scaled(-1), i) * power(c_, j) * power(a_, d - i - j)).scaled(c);
        }
        return {n, d};
    }

    Condition rootsCondition(const RootsRelation& roots) const {
        Condition c;
        c.relation = roots.relation;
        c.name = roots.left.text + RelationText(roots.relation) + roots.right.text;
        RootExpression e = roots.left;
        // E compared with a number k is worked out alone, then compared; else both sides moved to the left.
        const bool constant = roots.right.numerator.isConstant() && roots.right.denominator.isConstant();
        mpq_class k = 0;
        if (e.absolute) {
            // |E| compared with k ≥ 0 is E² compared with k²; with k < 0 it holds or fails for every root.
            k = roots.right.numerator.constantTerm() / roots.right.denominator.constantTerm();
            if (k < 0) {
                const bool always = roots.relation == Relation::Greater || roots.relation == Relation::GreaterOrEqual;
                c.lines.push_back(e.text + " ≥ 0 > " + solution::Rational(k).text() + ", więc warunek " +
                                  (always ? "jest spełniony zawsze." : "nie jest spełniony nigdy."));
                c.decided = always;
                return c;
            }
        } else if (constant) {
            k = roots.right.numerator.constantTerm() / roots.right.denominator.constantTerm();
        } else {
            e = MovedLeft(roots);
        }
        const SumProductForm form = *SumProductFormOf(e);
        const auto [topN, topD] = inParameter(form.numerator);
        const auto [bottomN, bottomD] = inParameter(form.denominator);
        const int common = std::min(topD, bottomD);
        const UPoly value = topN * power(a_, bottomD - common), under = bottomN * power(a_, topD - common);
        const std::string sum = bracketed(fraction(b_.scaled(-1), a_)), product = bracketed(fraction(c_, a_));
        SumProductForm squared = form;
        squared.squareRoot = false;  // |E|² is worked out, not |E|
        const std::string put = FormText(squared, sum, product), through = FormText(squared);
        const std::string& right = roots.right.text;
        const bool single = right.find_first_of(" ") == std::string::npos && !right.starts_with("−");
        const std::string said = e.absolute ? e.text + "²" : constant ? e.text : e.text + " − " + (single ? right : "(" + right + ")");
        if (under.isZero()) {
            // c = 0 for every m: a root is always 0, and the expression divides by it.
            c.lines.push_back(Equalities({said, through}) + ", a x₁ · x₂ = 0 dla każdego " + m_ +
                              ", więc wyrażenia nie można obliczyć i warunek nie jest spełniony.");
            c.decided = false;
            return c;
        }
        const std::string worked = reducedFraction(value, under);
        c.lines.push_back(Equalities({said, through, put, worked}));
        if (e.absolute) {
            c.lines.push_back("Obie strony są nieujemne, więc podnosimy je do kwadratu: " + fraction(value, under) +
                              RelationText(roots.relation) + solution::Rational(k * k).text());
            k *= k;
        } else if (constant && k != 0) {
            // Compared with k, then moved: "(m + 1)/m > 1", "(m + 1)/m − 1 > 0".
            const std::string relation = RelationText(roots.relation), number = solution::Rational(k).text();
            c.lines.push_back(worked + relation + number);
            if (under.degree() > 0) {
                c.lines.push_back(worked + (k > 0 ? " − " + number : " + " + number.substr(std::string("−").size())) + relation + "0");
            }
        }
        c.numerator = value - under.scaled(k);
        c.denominator = under;
        return c;
    }

    // NUM/DEN in relation R to 0 solved for the parameter, its lines written:
    // the factors of both, those they share cancelled, the denominator's zeros
    // left out; a fraction equal to 0 where its numerator is, and of the sign
    // of the product of its numerator and denominator.
    ExactSet solve(const UPoly& num, const UPoly& den, Relation r) {
        const std::string relation = RelationText(r);
        // The denominator's zeros before any factor is cancelled: there the fraction has no value.
        const std::vector<solution::Surd> excluded = RealZerosOf(factored(den));
        auto [top, bottom] = cancelled(num, den);
        const std::string stated = fraction(Expanded(top), Expanded(bottom)) + relation + "0";
        // A line the condition's own lines end with is not said again.
        if (lines_.empty() || !lines_.back().ends_with(stated)) lines_.push_back(stated);
        if (!excluded.empty()) {
            std::string listed;
            for (const solution::Surd& z : excluded) listed += (listed.empty() ? "" : " i ") + m_ + " ≠ " + solution::SurdText(z);
            lines_.push_back("Mianownik nie może być równy 0: " + listed + ".");
        }
        Factored f = top;
        if (r == Relation::Equal) {
            if (!bottom.factors.empty() && !top.factors.empty()) lines_.push_back("Ułamek jest równy 0, gdy jego licznik jest równy 0:");
        } else {
            // Times the denominator's square, as school does: the quotient becomes the product
            // of the numerator and the denominator, the factors they share cancelled first.
            f.leading *= bottom.leading;
            f.factors.insert(f.factors.end(), bottom.factors.begin(), bottom.factors.end());
            if (!bottom.factors.empty() && !f.factors.empty()) lines_.push_back("Mnożymy obie strony przez kwadrat mianownika, dodatni tam, gdzie mianownik nie jest równy 0:");
        }
        ExactSet set = ExactSet::empty();
        if (num.isZero() || f.factors.empty()) {
            const bool always = Holds(num.isZero() ? 0 : sgn(f.leading), r);
            lines_.push_back(std::string(always ? "Warunek jest spełniony dla każdego " : "Warunek nie jest spełniony dla żadnego ") +
                             m_ + ".");
            if (always) set = ExactSet::all();
        } else {
            const std::string product = FactoredText(f, m_), polynomial = text(Expanded(f));
            // Factors said where they tell more than the polynomial: not one linear factor, nor a number times one quadratic.
            const bool tells = Expanded(f).degree() > 1 &&
                               (f.factors.size() > 1 || f.factors[0].power > 1 || f.factors[0].p.degree() == 1);
            if (lines_.back().ends_with(":") || (tells && product != polynomial)) {
                lines_.push_back((tells ? product : polynomial) + relation + "0");
            }
            const std::vector<solution::Surd> zeros = RealZerosOf(f);
            if (Expanded(f).degree() > 1) {
                std::string said;
                for (const solution::Surd& z : zeros) said += (said.empty() ? "" : " lub ") + m_ + " = " + solution::SurdText(z);
                lines_.push_back(zeros.empty() ? "Wielomian nie ma miejsc zerowych." : "Miejsca zerowe: " + said);
            }
            set = WhereSign(f, r);
        }
        for (const solution::Surd& z : excluded) set = set.without(z);
        lines_.push_back(setText(set));
        return set;
    }

    // NUM/DEN with the factors they share cancelled, where both factor; as it stands where not.
    std::string reducedFraction(const UPoly& num, const UPoly& den) const {
        try {
            const auto [top, bottom] = cancelled(num, den);
            return fraction(Expanded(top), Expanded(bottom));
        } catch (const TaskError&) {
            return fraction(num, den);
        }
    }

    // NUM and DEN factored, the factors they share cancelled.
    std::pair<Factored, Factored> cancelled(const UPoly& num, const UPoly& den) const {
        Factored top = num.isZero() ? Factored{0, {}} : factored(num), bottom = factored(den);
        for (Factor& t : top.factors) {
            for (Factor& b : bottom.factors) {
                if (t.p != b.p) continue;
                const int common = std::min(t.power, b.power);
                t.power -= common;
                b.power -= common;
            }
        }
        for (Factored* f : {&top, &bottom}) std::erase_if(f->factors, [](const Factor& x) { return x.power == 0; });
        return {top, bottom};
    }

    Factored factored(const UPoly& p) const {
        if (p.degree() == 0) return {p.leading(), {}};
        if (p.degree() > 4) {
            throw ErrorAt(0, "Ten warunek prowadzi do wielomianu stopnia " + std::to_string(p.degree()) + " względem " + m_ +
                                 ", a rozwiązuję najwyżej czwartego stopnia.");
        }
        const auto f = FactorOf(p);
        if (!f) {
            throw ErrorAt(0, "Wielomianu " + text(p) + " nie umiem rozłożyć na czynniki stopnia najwyżej 2 o "
                             "współczynnikach wymiernych, więc tego warunku nie rozwiążę.");
        }
        return *f;
    }

    const Parametric& task_;
    std::string m_;
    UPoly a_, b_, c_;
    ExactSet aNonZero_ = ExactSet::all();
    std::string aNonZeroText_;  // ", czyli m ≠ 1"
    std::vector<std::string> lines_;
};

}  // namespace

std::variant<ParameterAnswer, TaskError> ParameterAnswerOf(const Parametric& task) {
    try {
        return Solver(task).answer();
    } catch (const TaskError& e) {
        return e;
    }
}

Steps ParametricSteps(const Parametric& task, const std::string& text) {
    const auto answer = ParameterAnswerOf(task);
    std::vector<std::string> lines{"Zadanie: " + text};
    const auto& found = std::get<ParameterAnswer>(answer);
    lines.insert(lines.end(), found.lines.begin(), found.lines.end());
    return {lines, std::nullopt};
}

}  // namespace task
