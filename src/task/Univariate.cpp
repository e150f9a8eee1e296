#include "task/Univariate.h"

#include <algorithm>
#include <numeric>

#include "solution/SchoolNotation.h"

namespace task {

namespace {

using solution::Surd;

// n/d in lowest terms: a surd's u/w need not be.
mpq_class ratio(const mpz_class& n, const mpz_class& d) {
    mpq_class q(n, d);
    q.canonicalize();
    return q;
}

// The sign of x + y√r, r ≥ 0: where the terms differ in sign, the larger
// square wins.
int signOf(const mpq_class& x, const mpq_class& y, const mpz_class& r) {
    const int sx = sgn(x), sy = r == 0 ? 0 : sgn(y);
    if (sy == 0) return sx;
    if (sx == 0 || sx == sy) return sy;
    return sx * sgn(x * x - y * y * r);
}

// The sign of A + z√s with A = x + y√r: A's sign against z's, or where they
// differ, that of A² − z²s = (x² + y²r − z²s) + 2xy√r.
int signOf(const mpq_class& x, const mpq_class& y, const mpz_class& r, const mpq_class& z, const mpz_class& s) {
    if (r == s) return signOf(x, y + z, r);
    const int sa = signOf(x, y, r), sz = s == 0 ? 0 : sgn(z);
    if (sz == 0) return sa;
    if (sa == 0 || sa == sz) return sz;
    return sa * signOf(x * x + y * y * r - z * z * s, 2 * x * y, r);
}

// P / (x − z) for a zero z of P, by Horner's scheme.
UPoly deflated(const UPoly& p, const mpq_class& z) {
    std::vector<mpq_class> q(p.c.size() - 1);
    mpq_class carry = 0;
    for (std::size_t i = p.c.size() - 1; i-- > 0;) q[i] = carry = p.c[i + 1] + carry * z;
    return UPoly(std::move(q));
}

// P(x + h).
UPoly shifted(const UPoly& p, const mpq_class& h) {
    UPoly result;
    for (std::size_t i = p.c.size(); i-- > 0;) result = result * UPoly({h, 1}) + UPoly({p.c[i]});
    return result;
}

// √q where it is rational.
std::optional<mpq_class> rationalRoot(const mpq_class& q) {
    if (q < 0 || !mpz_perfect_square_p(q.get_num_mpz_t()) || !mpz_perfect_square_p(q.get_den_mpz_t())) return std::nullopt;
    return mpq_class(sqrt(q.get_num()), sqrt(q.get_den()));
}

// The positive divisors of 0 < n ≤ largestSearched.
std::vector<unsigned long> divisorsOf(unsigned long n) {
    std::vector<unsigned long> divisors;
    for (unsigned long d = 1; d * d <= n; ++d) {
        if (n % d != 0) continue;
        divisors.push_back(d);
        if (d * d != n) divisors.push_back(n / d);
    }
    return divisors;
}

bool divides(unsigned long d, const mpz_class& n) { return n == 0 || (d != 0 && mpz_divisible_ui_p(n.get_mpz_t(), d)); }

// The candidates for P's rational zeros, P a cubic or quartic with P(0) ≠ 0:
// a/q in lowest terms with a dividing its constant term and q its leading
// one, once scaled to coprime integers. Such a zero also has q − a dividing
// P(1) and q + a dividing P(−1), which passes over most pairs cheaply.
std::optional<std::vector<mpq_class>> zeroCandidates(const UPoly& p) {
    mpz_class denominators = 1, content = 0;
    for (const mpq_class& k : p.c) {
        mpz_lcm(denominators.get_mpz_t(), denominators.get_mpz_t(), k.get_den_mpz_t());
        mpz_gcd(content.get_mpz_t(), content.get_mpz_t(), k.get_num_mpz_t());
    }
    const mpq_class scale = mpq_class(denominators) / content;
    const mpz_class last = abs(mpq_class(p.c.back() * scale).get_num()), first = abs(mpq_class(p.c[0] * scale).get_num());
    if (last > largestSearched || first > largestSearched) return std::nullopt;
    const mpz_class atOne = mpq_class(p.valueAt(1) * scale).get_num(), atMinusOne = mpq_class(p.valueAt(-1) * scale).get_num();
    std::vector<mpq_class> candidates;
    for (unsigned long q : divisorsOf(last.get_ui())) {
        for (unsigned long a : divisorsOf(first.get_ui())) {
            if (std::gcd(a, q) != 1) continue;
            const unsigned long gap = q > a ? q - a : a - q, reach = q + a;
            const mpq_class z{mpz_class(a), mpz_class(q)};
            if (divides(gap, atOne) && divides(reach, atMinusOne)) candidates.push_back(z);
            if (divides(reach, atOne) && divides(gap, atMinusOne)) candidates.push_back(-z);
        }
    }
    return candidates;
}

// Takes every rational zero out of the monic P, each as often as it divides,
// and says them; nullopt where the search for them is past its limit.
std::optional<std::vector<mpq_class>> takeRationalZeros(UPoly& p) {
    std::vector<mpq_class> zeros;
    while (p.degree() > 0 && p.c[0] == 0) {
        zeros.push_back(0);
        p = deflated(p, 0);
    }
    if (p.degree() > 2) {
        const auto candidates = zeroCandidates(p);
        if (!candidates) return std::nullopt;
        for (const mpq_class& z : *candidates) {
            while (p.degree() > 2 && p.valueAt(z) == 0) {
                zeros.push_back(z);
                p = deflated(p, z);
            }
        }
    }
    if (p.degree() == 2) {
        if (const auto root = rationalRoot(p.c[1] * p.c[1] - 4 * p.c[0])) {
            zeros.push_back((-p.c[1] - *root) / 2);
            zeros.push_back((-p.c[1] + *root) / 2);
            p = UPoly({1});
        }
    }
    if (p.degree() == 1) {
        zeros.push_back(-p.c[0]);
        p = UPoly({1});
    }
    return zeros;
}

// A monic quartic without rational zeros as two rational monic quadratics,
// where it is one. In y = x + p/4 it is y⁴ + Qy² + Ry + S, and any such pair
// is (y² + ky + l)(y² − ky + n): l + n = Q + k², k(n − l) = R, ln = S. Then
// K = k² is a root of K³ + 2QK² + (Q² − 4S)K − R²; for k ≠ 0, l and n follow
// from k; for k = 0 (only where R = 0), they are the roots of t² − Qt + S.
std::optional<std::pair<UPoly, UPoly>> quadraticPair(const UPoly& quartic) {
    const mpq_class shift = quartic.c[3] / 4;
    const UPoly depressed = shifted(quartic, -shift);
    const mpq_class &s = depressed.c[0], &r = depressed.c[1], &q = depressed.c[2];
    UPoly resolvent({-r * r, q * q - 4 * s, 2 * q, 1});
    const auto ks = takeRationalZeros(resolvent);
    if (!ks) return std::nullopt;
    for (const mpq_class& kk : *ks) {
        const auto k = rationalRoot(kk);
        if (!k) continue;
        const auto spread = kk == 0 ? rationalRoot(q * q - 4 * s) : std::optional<mpq_class>(r / *k);
        if (!spread) continue;
        const mpq_class l = (q + kk - *spread) / 2, n = (q + kk + *spread) / 2;
        return std::pair(shifted(UPoly({l, *k, 1}), shift), shifted(UPoly({n, -*k, 1}), shift));
    }
    return std::nullopt;
}

// By the smallest real zero; without one, later, by the real part −b/2.
bool comesBefore(const Factor& a, const Factor& b) {
    const auto za = RealZerosOf(a), zb = RealZerosOf(b);
    if (!za.empty() && !zb.empty()) return CompareSurds(za[0], zb[0]) < 0;
    if (za.empty() != zb.empty()) return zb.empty();
    return a.p.c[1] > b.p.c[1] || (a.p.c[1] == b.p.c[1] && a.p.c[0] < b.p.c[0]);
}

void addFactor(std::vector<Factor>& factors, const UPoly& p) {
    const auto same = std::find_if(factors.begin(), factors.end(), [&](const Factor& f) { return f.p == p; });
    if (same != factors.end()) {
        ++same->power;
    } else {
        factors.push_back({p, 1});
    }
}

std::string powerText(int power) { return power > 1 ? solution::Superscript(power) : ""; }

}  // namespace

UPoly::UPoly(std::vector<mpq_class> coefficients) : c(std::move(coefficients)) {
    while (!c.empty() && c.back() == 0) c.pop_back();
}

UPoly UPoly::of(const Polynomial& p) { return UPoly({p.c0, p.c1, p.c2}); }

UPoly UPoly::of(const Poly& p, char32_t letter) {
    std::vector<mpq_class> c;
    for (int power = 0, top = p.degreeIn(letter); power <= top; ++power) c.push_back(p.coefficientOf(letter, power).constantTerm());
    return UPoly(std::move(c));
}

UPoly UPoly::operator+(const UPoly& other) const {
    std::vector<mpq_class> sum(std::max(c.size(), other.c.size()));
    for (std::size_t i = 0; i < c.size(); ++i) sum[i] += c[i];
    for (std::size_t i = 0; i < other.c.size(); ++i) sum[i] += other.c[i];
    return UPoly(std::move(sum));
}

UPoly UPoly::operator-(const UPoly& other) const { return *this + other.scaled(-1); }

UPoly UPoly::operator*(const UPoly& other) const {
    if (isZero() || other.isZero()) return {};
    std::vector<mpq_class> product(c.size() + other.c.size() - 1);
    for (std::size_t i = 0; i < c.size(); ++i) {
        for (std::size_t j = 0; j < other.c.size(); ++j) product[i + j] += c[i] * other.c[j];
    }
    return UPoly(std::move(product));
}

UPoly UPoly::scaled(const mpq_class& factor) const {
    std::vector<mpq_class> result = c;
    for (mpq_class& k : result) k *= factor;
    return UPoly(std::move(result));
}

mpq_class UPoly::valueAt(const mpq_class& x) const {
    mpq_class value = 0;
    for (std::size_t i = c.size(); i-- > 0;) value = value * x + c[i];
    return value;
}

int CompareSurds(const Surd& a, const Surd& b) {
    return signOf(ratio(a.u, a.w) - ratio(b.u, b.w), ratio(a.v, a.w), a.m, ratio(-b.v, b.w), b.m);
}

std::vector<Surd> RealZerosOf(const Factor& factor) {
    const UPoly& p = factor.p;
    if (p.degree() == 1) return {{.u = -p.c[0].get_num(), .v = 0, .w = p.c[0].get_den(), .m = 1}};
    const solution::ExactForms forms = solution::ExactFormsOf(1, p.c[1], p.c[0]);
    if (forms.delta < 0) return {};
    return {forms.x1, forms.x2};
}

std::optional<Factored> FactorOf(const UPoly& p) {
    if (p.isZero() || p.degree() > 4) return std::nullopt;
    Factored f{p.leading(), {}};
    UPoly rest = p.scaled(1 / p.leading());
    const auto zeros = takeRationalZeros(rest);
    if (!zeros) return std::nullopt;
    for (const mpq_class& z : *zeros) addFactor(f.factors, UPoly({-z, 1}));
    if (rest.degree() == 4) {
        const auto pair = quadraticPair(rest);
        if (!pair) return std::nullopt;
        addFactor(f.factors, pair->first);
        addFactor(f.factors, pair->second);
    } else if (rest.degree() == 3) {
        return std::nullopt;
    } else if (rest.degree() == 2) {
        addFactor(f.factors, rest);
    }
    std::sort(f.factors.begin(), f.factors.end(), comesBefore);
    return f;
}

UPoly Expanded(const Factored& f) {
    UPoly product({f.leading});
    for (const Factor& factor : f.factors) {
        for (int k = 0; k < factor.power; ++k) product = product * factor.p;
    }
    return product;
}

std::string FactoredText(const Factored& f, const std::string& letter) {
    // The factor x stands first, unbracketed: x(x + 1)(x − 3).
    std::string alone, rest;
    for (const Factor& factor : f.factors) {
        if (factor.p == UPoly({0, 1})) {
            alone = letter + powerText(factor.power);
        } else {
            rest += "(" + UPolyText(factor.p, letter) + ")" + powerText(factor.power);
        }
    }
    return solution::Sum({{solution::Rational(f.leading), alone + rest}});
}

std::string UPolyText(const UPoly& p, const std::string& letter) {
    std::vector<solution::Term> terms;
    for (std::size_t i = p.c.size(); i-- > 0;) {
        terms.push_back({solution::Rational(p.c[i]), i == 0 ? "" : letter + powerText(int(i))});
    }
    return solution::Sum(terms);
}

}  // namespace task
