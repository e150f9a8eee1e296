#include "task/Algebra.h"

#include <algorithm>

namespace task {

Poly Poly::constant(const mpq_class& value) {
    Poly p;
    p.add(U"", value);
    return p;
}

Poly Poly::letter(char32_t name) {
    Poly p;
    p.add(Monomial(1, name), 1);
    return p;
}

void Poly::add(const Monomial& m, const mpq_class& c) {
    if (c == 0) return;
    const auto [it, inserted] = terms_.emplace(m, c);
    if (inserted) return;
    it->second += c;
    if (it->second == 0) terms_.erase(it);
}

Poly Poly::operator+(const Poly& other) const {
    Poly sum = *this;
    for (const auto& [m, c] : other.terms_) sum.add(m, c);
    return sum;
}

Poly Poly::operator-(const Poly& other) const { return *this + other.scaled(-1); }

Poly Poly::operator*(const Poly& other) const {
    Poly product;
    for (const auto& [m, c] : terms_) {
        for (const auto& [n, d] : other.terms_) {
            Monomial merged(m.size() + n.size(), U'\0');
            std::merge(m.begin(), m.end(), n.begin(), n.end(), merged.begin());
            product.add(merged, c * d);
        }
    }
    return product;
}

Poly Poly::scaled(const mpq_class& factor) const {
    Poly p;
    for (const auto& [m, c] : terms_) p.add(m, c * factor);
    return p;
}

bool Poly::isConstant() const { return terms_.empty() || (terms_.size() == 1 && terms_.begin()->first.empty()); }

mpq_class Poly::constantTerm() const {
    const auto found = terms_.find(U"");
    return found == terms_.end() ? mpq_class(0) : found->second;
}

int Poly::degree() const {
    int d = 0;
    for (const auto& [m, c] : terms_) d = std::max(d, int(m.size()));
    return d;
}

int Poly::degreeIn(char32_t name) const {
    int d = 0;
    for (const auto& [m, c] : terms_) d = std::max(d, int(std::count(m.begin(), m.end(), name)));
    return d;
}

std::u32string Poly::letters() const {
    std::u32string all;
    for (const auto& [m, c] : terms_) all += m;
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}

Poly Poly::coefficientOf(char32_t name, int power) const {
    Poly p;
    for (const auto& [m, c] : terms_) {
        if (std::count(m.begin(), m.end(), name) != power) continue;
        Monomial rest = m;
        std::erase(rest, name);
        p.add(rest, c);
    }
    return p;
}

Poly Poly::substituted(char32_t name, const Poly& value) const {
    Poly result;
    for (int power = 0, top = degreeIn(name); power <= top; ++power) {
        Poly term = coefficientOf(name, power);
        for (int k = 0; k < power; ++k) term = term * value;
        result = result + term;
    }
    return result;
}

Polynomial Poly::inOne(char32_t name) const {
    return {coefficientOf(name, 0).constantTerm(), coefficientOf(name, 1).constantTerm(),
            coefficientOf(name, 2).constantTerm()};
}

}  // namespace task
