#include "task/Viete.h"

#include <algorithm>
#include <vector>

#include "solution/SchoolNotation.h"
#include "task/Formula.h"
#include "task/Lexer.h"

namespace task {

namespace {

using lexer::ErrorAt;
using lexer::Place;
using syntax::Node;
using syntax::Op;

struct Fraction {
    Poly numerator, denominator = Poly::constant(1);
};

// Poly in x₁ and x₂ with the two swapped.
Poly swapped(const Poly& p) {
    Poly out;
    for (const auto& [m, c] : p.terms()) {
        Poly term = Poly::constant(c);
        for (const char32_t l : m) term = term * Poly::letter(l == firstRoot ? secondRoot : l == secondRoot ? firstRoot : l);
        out = out + term;
    }
    return out;
}

Poly power(const Poly& base, long n) {
    Poly out = Poly::constant(1);
    for (long i = 0; i < n; ++i) out = out * base;
    return out;
}

class RootEvaluator {
public:
    Fraction valueOf(const Node& node) {
        Fraction v;
        switch (node.kind) {
        case Node::Kind::Number: v.numerator = Evaluator(none_).valueOf(withoutSigns(node)); break;
        case Node::Kind::Root: v.numerator = Poly::letter(node.root == 1 ? firstRoot : secondRoot); break;
        case Node::Kind::Group: v = valueOf(node.parts[0]); break;
        case Node::Kind::Sum:
            v = valueOf(node.parts[0]);
            for (std::size_t i = 1; i < node.parts.size(); ++i) {
                const Fraction next = valueOf(node.parts[i]);
                const Poly right = next.numerator * v.denominator;
                v = checked({v.numerator * next.denominator + (node.joints[i - 1].op == Op::Plus ? right : right.scaled(-1)),
                             v.denominator * next.denominator}, node.at);
            }
            break;
        case Node::Kind::Product:
            v = valueOf(node.parts[0]);
            for (std::size_t i = 1; i < node.parts.size(); ++i) {
                const Fraction next = valueOf(node.parts[i]);
                const bool divide = node.joints[i - 1].op == Op::Divide || node.joints[i - 1].op == Op::Colon;
                if (divide && next.numerator.isZero()) throw ErrorAt(node.parts[i].at, "Dzielenie przez 0" + Place(node.parts[i].at));
                v = checked(divide ? Fraction{v.numerator * next.denominator, v.denominator * next.numerator}
                                   : Fraction{v.numerator * next.numerator, v.denominator * next.denominator},
                            node.at);
            }
            break;
        default:
            throw ErrorAt(node.at, "W wyrażeniu z x₁ i x₂ mogą stać tylko x₁, x₂, liczby i znaki działań" + Place(node.at));
        }
        for (const Node::Power& p : node.powers) {
            if (p.exponent > highestRootDegree) throw tooHigh(p.at);
            v = checked({power(v.numerator, p.exponent), power(v.denominator, p.exponent)}, p.at);
        }
        if (node.minuses % 2 == 1) v.numerator = v.numerator.scaled(-1);
        return v;
    }

private:
    // A number's value alone: its signs and powers are applied here, to the fraction.
    static Node withoutSigns(Node n) {
        n.minuses = 0;
        n.powers.clear();
        return n;
    }

    static Fraction checked(Fraction f, std::size_t at) {
        if (f.numerator.degree() > highestRootDegree || f.denominator.degree() > highestRootDegree) throw tooHigh(at);
        return f;
    }

    static TaskError tooHigh(std::size_t at) {
        return ErrorAt(at, "Wyrażenie z x₁ i x₂ ma za wysoki stopień: najwyżej " + std::to_string(highestRootDegree) + Place(at));
    }

    Functions none_;
};

// The letters of a monomial, each with its power: "₁₁₂" as x₁²x₂.
int countOf(const Monomial& m, char32_t l) { return int(std::count(m.begin(), m.end(), l)); }

// Whether TEXT is one bracket, a power after it at most: "(x₁x₂)²", "(m/(m + 1))".
bool enclosed(const std::string& text) {
    if (!text.starts_with("(")) return false;
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        depth += text[i] == '(' ? 1 : text[i] == ')' ? -1 : 0;
        if (depth == 0) return text.find_first_of("( /", i + 1) == std::string::npos;
    }
    return false;
}

std::string powerText(const std::string& base, int n) { return n == 1 ? base : base + solution::Superscript(n); }

}  // namespace

RootExpression RootExpressionOf(const Node& node) {
    RootExpression e;
    e.text = TextOf(node);
    const bool absolute = node.kind == Node::Kind::Abs && node.minuses == 0;
    Fraction f = RootEvaluator().valueOf(absolute ? node.parts[0] : node);
    if (absolute) {
        for (const Node::Power& p : node.powers) {
            if (p.exponent > highestRootDegree) throw ErrorAt(p.at, "Za wysoka potęga" + Place(p.at));
            f = {power(f.numerator, p.exponent), power(f.denominator, p.exponent)};
        }
    }
    if (f.denominator.isZero()) throw ErrorAt(node.at, "Dzielenie przez 0" + Place(node.at));
    e.numerator = f.numerator;
    e.denominator = f.denominator;
    e.absolute = absolute;
    return e;
}

RootExpression MovedLeft(const RootsRelation& r) {
    RootExpression moved = r.left;
    if (!r.left.absolute) {
        moved.numerator = r.left.numerator * r.right.denominator - r.right.numerator * r.left.denominator;
        moved.denominator = r.left.denominator * r.right.denominator;
    }
    return moved;
}

std::optional<Poly> ThroughSumAndProduct(const Poly& roots) {
    if (swapped(roots) != roots) return std::nullopt;
    const Poly s = Poly::letter(firstRoot) + Poly::letter(secondRoot), p = Poly::letter(firstRoot) * Poly::letter(secondRoot);
    Poly rest = roots, through;
    while (!rest.isZero()) {
        // The term with the highest power of x₁ is x₁ⁱx₂ʲ with i ≥ j, and s^(i−j)p^j begins with it.
        const auto top = std::max_element(rest.terms().begin(), rest.terms().end(), [](const auto& a, const auto& b) {
            return std::pair(countOf(a.first, firstRoot), countOf(a.first, secondRoot)) <
                   std::pair(countOf(b.first, firstRoot), countOf(b.first, secondRoot));
        });
        const int i = countOf(top->first, firstRoot), j = countOf(top->first, secondRoot);
        const mpq_class c = top->second;
        through = through + (power(Poly::letter(rootSum), i - j) * power(Poly::letter(rootProduct), j)).scaled(c);
        rest = rest - (power(s, i - j) * power(p, j)).scaled(c);
    }
    return through;
}

std::optional<SumProductForm> SumProductFormOf(const RootExpression& e) {
    auto numerator = ThroughSumAndProduct(e.numerator), denominator = ThroughSumAndProduct(e.denominator);
    bool squared = e.absolute;
    if (!numerator || !denominator || e.absolute) {
        // |x₁ − x₂| = √((x₁ − x₂)²); x₁ − x₂ alone has two values, one for each order of the roots.
        if (!e.absolute) return std::nullopt;
        numerator = ThroughSumAndProduct(e.numerator * e.numerator);
        denominator = ThroughSumAndProduct(e.denominator * e.denominator);
        if (!numerator || !denominator) return std::nullopt;
        squared = true;
    }
    return SumProductForm{*numerator, *denominator, squared};
}

std::string SumProductText(const Poly& sp) { return SumProductText(sp, "(x₁ + x₂)", "x₁x₂"); }

std::string SumProductText(const Poly& sp, const std::string& sum, const std::string& product) {
    // From the highest degree down, as school writes (x₁ + x₂)² − 2x₁x₂.
    std::vector<std::pair<Monomial, mpq_class>> terms(sp.terms().begin(), sp.terms().end());
    std::stable_sort(terms.begin(), terms.end(), [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    const bool plain = sum == "(x₁ + x₂)";
    std::vector<solution::Term> sums;
    for (const auto& [m, c] : terms) {
        const int i = countOf(m, rootSum), j = countOf(m, rootProduct);
        std::vector<std::string> factors;
        if (j > 0) factors.push_back(j == 1 || !plain ? powerText(product, j) : powerText("(" + product + ")", j));
        if (i > 0) factors.push_back(powerText(sum, i));
        std::string times;
        for (const std::string& f : factors) times += (times.empty() || plain ? "" : " · ") + f;
        // Numbers put in are joined by ·, and a coefficient before them too.
        const solution::Number coefficient = solution::Rational(c);
        if (!plain && !times.empty() && !coefficient.one) times = " · " + times;
        sums.push_back({coefficient, times});
    }
    return solution::Sum(sums);
}

std::string Equalities(const std::vector<std::string>& sides) {
    // The same written with · or without, in brackets or without: "x₁ · x₂" and "x₁x₂", "(−2/m)" and "−2/m".
    const auto plain = [](std::string t) {
        for (std::size_t at; (at = t.find(" · ")) != std::string::npos;) t.erase(at, std::string(" · ").size());
        return enclosed(t) && t.ends_with(")") ? t.substr(1, t.size() - 2) : t;
    };
    std::vector<std::string> kept;
    for (const std::string& side : sides) {
        if (kept.empty() || plain(side) != plain(kept.back())) {
            kept.push_back(side);
        } else if (kept.size() > 1 && side.size() < kept.back().size()) {
            kept.back() = side;  // the plainer of two, but never in place of the side asked about
        }
    }
    std::string text;
    for (const std::string& side : kept) text += (text.empty() ? "" : " = ") + side;
    return text;
}

std::string FormText(const SumProductForm& form) { return FormText(form, "(x₁ + x₂)", "x₁x₂"); }

std::string FormText(const SumProductForm& form, const std::string& sum, const std::string& product) {
    const std::string numerator = SumProductText(form.numerator, sum, product);
    const std::string denominator = SumProductText(form.denominator, sum, product);
    // A bracket around a sum, and around a denominator but one already in brackets: "/(x₁x₂)", "/(x₁x₂)²".
    const bool bare = form.numerator.terms().size() == 1 && !numerator.starts_with("−");
    const bool bareBelow = enclosed(denominator) || (sum != "(x₁ + x₂)" && denominator.find(' ') == std::string::npos);
    std::string text = form.denominator == Poly::constant(1)
                           ? numerator
                           : (bare ? numerator : "(" + numerator + ")") + "/" + (bareBelow ? denominator : "(" + denominator + ")");
    return form.squareRoot ? "√(" + text + ")" : text;
}

}  // namespace task
