#include "solution/WorkedSolution.h"

#include <utility>
#include <vector>

#include "solution/ExactForms.h"
#include "solution/SchoolNotation.h"
#include "solver/ExactReal.h"

namespace solution {

namespace {

// Past this many digits a number is no longer read by a pupil, and its
// exact forms would cost more than they are worth.
constexpr std::size_t longestExact = 40;

// Digits shown of an approximation: of an irrational zero beside its exact
// form, and of every number where exact forms are too long.
constexpr int zeroDigits = 6;
constexpr int roundedDigits = 15;

struct Zero {
    std::string text;
    std::string approximation;  // beside an irrational exact zero
    std::string factor;         // x − x0 in the factored form
};

// Every number the text needs, already written, exact or rounded.
struct Facts {
    bool exact = true;
    int deltaSign = 0;
    int aSign = 0;
    Number a, b, c, delta, minusB, twiceA, p, q, sum, product;
    Number root;    // √Δ, exact only
    Zero x1, x2;    // for Δ = 0 both are x0
};

bool tooLong(const mpz_class& n) { return mpz_sizeinbase(n.get_mpz_t(), 10) > longestExact; }
bool tooLong(const solver::ExactRational& q) { return tooLong(q.num) || tooLong(q.den); }

mpq_class reduced(const solver::ExactRational& q) {
    mpq_class value(q.num, q.den);
    value.canonicalize();
    return value;
}

solver::ExactRational asExact(const mpq_class& q) { return {q.get_num(), q.get_den()}; }

Number rounded(const solver::ExactReal& x, int digits) { return Decimal(solver::RoundToDigits(x, digits), digits); }

Zero roundedZero(const solver::ExactReal& x) {
    const Number value = rounded(x, roundedDigits);
    return {value.text(), {}, ZeroFactor(value)};
}

Facts exactFacts(const ExactForms& f) {
    Facts facts{true, sgn(f.delta), sgn(f.a), Rational(f.a), Rational(f.b), Rational(f.c),
                Rational(f.delta), Rational(-f.b), Rational(2 * f.a), Rational(f.p), Rational(f.q),
                Rational(-f.b / f.a), Rational(f.c / f.a), {}, {}, {}};
    if (facts.deltaSign < 0) return facts;
    facts.root = Root(f.rootFactor, f.rootRadicand);
    const auto zero = [&](const Surd& x, bool first) {
        Zero written{SurdText(x), {}, ZeroFactor(x)};
        if (!x.isRational()) {
            const auto exact = solver::ExactReal::ZeroOf(asExact(f.a), asExact(f.b), asExact(f.c),
                                                         asExact(f.delta), first);
            written.approximation = rounded(exact, zeroDigits).text();
        }
        return written;
    };
    facts.x1 = zero(f.x1, true);
    facts.x2 = zero(f.x2, false);
    return facts;
}

Facts roundedFacts(const solver::ExactCoefficients& k) {
    using solver::ExactValue;
    const auto& [a, b, c] = k;
    const solver::ExactRational delta = b * b - ExactValue(4) * a * c;
    const solver::ExactRational p = -b / (ExactValue(2) * a);
    // q = −Δ/(4a), as c − b²/(4a): where one coefficient has a million
    // digits, this multiplies it only by short numbers.
    const solver::ExactRational q = c - b * b / (ExactValue(4) * a);
    const auto number = [](const solver::ExactRational& x) { return rounded(x, roundedDigits); };
    Facts facts{false, delta.sign(), a.sign(), number(a), number(b), number(c), number(delta),
                number(-b), number(ExactValue(2) * a), number(p), number(q), number(-b / a), number(c / a),
                {}, {}, {}};
    if (facts.deltaSign > 0) {
        facts.x1 = roundedZero(solver::ExactReal::ZeroOf(a, b, c, delta, true));
        facts.x2 = roundedZero(solver::ExactReal::ZeroOf(a, b, c, delta, false));
    } else if (facts.deltaSign == 0) {
        facts.x1 = facts.x2 = roundedZero(p);
    }
    return facts;
}

Facts factsOf(const solver::ExactCoefficients& k) {
    if (!tooLong(k.a) && !tooLong(k.b) && !tooLong(k.c)) {
        ExactForms forms = ExactFormsOf(reduced(k.a), reduced(k.b), reduced(k.c));
        if (!tooLong(asExact(forms.delta))) return exactFacts(forms);
    }
    return roundedFacts(k);
}

std::string squared(const std::string& factor) { return factor + "²"; }

// Where f(x) has the sign of a, and where the opposite one.
std::pair<std::string, std::string> signSets(const Facts& f) {
    const std::string every = "dla każdego x ∈ ℝ", none = "dla żadnego x";
    if (f.deltaSign < 0) return {every, none};
    if (f.deltaSign == 0) return {"dla x ∈ ℝ \\ {" + f.x1.text + "}", none};
    const Zero& low = f.aSign > 0 ? f.x1 : f.x2;
    const Zero& high = f.aSign > 0 ? f.x2 : f.x1;
    return {"dla x ∈ (−∞; " + low.text + ") ∪ (" + high.text + "; +∞)",
            "dla x ∈ (" + low.text + "; " + high.text + ")"};
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

std::vector<std::string> linesOf(const Facts& f) {
    const std::string is = f.exact ? " = " : " ≈ ";
    std::vector<std::string> lines;
    if (!f.exact) {
        lines.push_back("Liczby mają tu ponad 40 cyfr, więc zapisano je w przybliżeniu, "
                        "z 15 cyframi znaczącymi.");
    }
    lines.push_back("f(x)" + is + Sum({{f.a, "x²"}, {f.b, "x"}, {f.c, ""}}));
    lines.push_back("a" + is + f.a.text() + ", b" + is + f.b.text() + ", c" + is + f.c.text());
    std::string delta = "Δ = b² − 4ac";
    if (f.exact) delta += " = " + f.b.factor() + "² − 4 · " + f.a.factor() + " · " + f.c.factor();
    lines.push_back(delta + is + f.delta.text());

    if (f.deltaSign > 0) {
        if (f.exact) {
            const std::string radicand = f.delta.compound ? "(" + f.delta.magnitude + ")" : f.delta.magnitude;
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

    const std::string p = f.p.text(), q = f.q.text();
    lines.push_back("Wierzchołek paraboli: W = (p; q), p = −b/(2a)" + is + p + ", q = −Δ/(4a)" + is + q +
                    ", W" + is + "(" + p + "; " + q + ")");
    lines.push_back("Oś symetrii: x" + is + p);
    lines.push_back("Punkt przecięcia z osią OY: (0; " + f.c.text() + ")");
    const bool up = f.aSign > 0;
    lines.push_back(std::string("Ramiona paraboli są skierowane ") + (up ? "w górę (a > 0)." : "w dół (a < 0)."));
    lines.push_back("Postać kanoniczna: f(x)" + is + Sum({{f.a, squared(ZeroFactor(f.p))}, {f.q, ""}}));
    if (f.deltaSign < 0) {
        lines.push_back("Postać iloczynowa: nie istnieje (Δ < 0)");
    } else {
        std::string factors = squared(f.x1.factor);
        if (f.deltaSign > 0) {
            // A bare x goes first: 2x(x − 2), not 2(x − 2)x.
            factors = f.x2.factor == "x" ? f.x2.factor + f.x1.factor : f.x1.factor + f.x2.factor;
        }
        lines.push_back("Postać iloczynowa: f(x)" + is + Sum({{f.a, factors}}));
    }
    lines.push_back("Zbiór wartości: " + (up ? "⟨" + q + "; +∞)" : "(−∞; " + q + "⟩"));
    lines.push_back(std::string("Funkcja jest ") + (up ? "malejąca" : "rosnąca") + " w przedziale (−∞; " + p +
                    "⟩ i " + (up ? "rosnąca" : "malejąca") + " w przedziale ⟨" + p + "; +∞).");
    const auto [signOfA, opposite] = signSets(f);
    lines.push_back("f(x) > 0 " + (up ? signOfA : opposite));
    lines.push_back("f(x) < 0 " + (up ? opposite : signOfA));
    if (f.deltaSign >= 0) {
        lines.push_back("Wzory Viète'a: x₁ + x₂ = −b/a" + is + f.sum.text() + ", x₁ · x₂ = c/a" + is +
                        f.product.text());
    }
    return lines;
}

}  // namespace

std::string WorkedSolution(const solver::ExactCoefficients& coefficients) {
    std::string text;
    for (const std::string& line : linesOf(factsOf(coefficients))) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

}  // namespace solution
