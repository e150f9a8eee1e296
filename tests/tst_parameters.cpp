#include <QtTest>

#include <gmpxx.h>

#include <algorithm>
#include <array>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "task/ExactSet.h"
#include "task/ParameterSolution.h"
#include "task/Task.h"
#include "task/TaskSolution.h"

namespace {

// u + v√d with d ≥ 0 in F: the roots (−b ± √Δ)/(2a) live here, and so does
// an irrational end of the answer, so both are checked without rounding.
template <class F>
struct Ext {
    F u, v, d;
};

// Declared before the templates, so that F = mpq_class finds them.
mpq_class lift(const mpq_class& q, const mpq_class&) { return q; }
int signOf(const mpq_class& x) { return sgn(x); }
std::optional<mpq_class> inverse(const mpq_class& x) {
    if (x == 0) return std::nullopt;
    return mpq_class(1 / x);
}

template <class F>
Ext<F> lift(const mpq_class& q, const Ext<F>& like) {
    return {lift(q, like.u), lift(mpq_class(0), like.u), like.d};
}
template <class F>
Ext<F> operator+(const Ext<F>& x, const Ext<F>& y) {
    return {F(x.u + y.u), F(x.v + y.v), x.d};
}
template <class F>
Ext<F> operator-(const Ext<F>& x) {
    return {F(-x.u), F(-x.v), x.d};
}
template <class F>
Ext<F> operator-(const Ext<F>& x, const Ext<F>& y) {
    return x + -y;
}
template <class F>
Ext<F> operator*(const Ext<F>& x, const Ext<F>& y) {
    return {F(x.u * y.u + x.v * y.v * x.d), F(x.u * y.v + x.v * y.u), x.d};
}

// The sign of u + v√d: plain where u and v agree, else by comparing u² with v²d.
template <class F>
int signOf(const Ext<F>& x) {
    const int su = signOf(x.u), sv = signOf(x.v);
    if (sv == 0 || signOf(x.d) == 0) return su;
    if (su == 0 || su == sv) return sv;
    const int c = signOf(F(x.u * x.u - x.v * x.v * x.d));
    return c > 0 ? su : c < 0 ? sv : 0;
}

// (u − v√d)/(u² − v²d); where that norm is 0 for a number that is not, d is
// a square in F and the number is worked out in F first.
template <class F>
std::optional<Ext<F>> inverse(const Ext<F>& x) {
    const F zero = lift(mpq_class(0), x.u);
    if (const auto n = inverse(F(x.u * x.u - x.v * x.v * x.d))) return Ext<F>{F(x.u * *n), F(-x.v * *n), x.d};
    if (signOf(x) == 0) return std::nullopt;
    F root = x.u * *inverse(x.v);
    if (signOf(root) < 0) root = -root;
    const auto i = inverse(F(x.u + x.v * root));
    return Ext<F>{*i, zero, x.d};
}

template <class F>
F valueAt(const std::vector<int>& p, const F& m) {
    F out = lift(mpq_class(0), m);
    for (auto i = p.rbegin(); i != p.rend(); ++i) out = F(out * m + lift(mpq_class(*i), m));
    return out;
}

bool holds(int sign, task::Relation r) {
    switch (r) {
    case task::Relation::Equal: return sign == 0;
    case task::Relation::Less: return sign < 0;
    case task::Relation::Greater: return sign > 0;
    case task::Relation::LessOrEqual: return sign <= 0;
    case task::Relation::GreaterOrEqual: return sign >= 0;
    }
    return false;
}

enum class Want { TwoDistinct, Two, One, None, Positive, Negative, OppositeSigns, SameSigns, Above, Below, Relation };
// x₁² + x₂², 1/x₁ + 1/x₂, |x₁ − x₂| against k; x₁ + x₂ against k·x₁x₂.
enum class Expression { Squares, Reciprocals, Distance, SumAndProduct };

struct Case {
    std::vector<int> a, b, c;  // in m, from the constant term
    Want want = Want::TwoDistinct;
    Expression expression = Expression::Squares;
    task::Relation relation = task::Relation::Equal;
    int k = 0;
    bool two = false;  // "dwa rozwiązania x₁, x₂": the roots distinct
};

// x₁ = (−b − √Δ)/(2a), x₂ = (−b + √Δ)/(2a), for a ≠ 0 and Δ ≥ 0.
template <class F>
std::array<Ext<F>, 2> rootsOf(const F& a, const F& b, const F& delta) {
    const F half = *inverse(F(lift(mpq_class(2), a) * a));
    return {Ext<F>{F(-b * half), F(-half), delta}, Ext<F>{F(-b * half), half, delta}};
}

// The sign of the relation's left side less its right; none where a root is 0
// and has no reciprocal.
template <class F>
std::optional<int> relationSign(const Case& t, const Ext<F>& x1, const Ext<F>& x2) {
    const Ext<F> k = lift(mpq_class(t.k), x1);
    switch (t.expression) {
    case Expression::Squares: return signOf(x1 * x1 + x2 * x2 - k);
    case Expression::Reciprocals: {
        const auto i1 = inverse(x1), i2 = inverse(x2);
        if (!i1 || !i2) return std::nullopt;
        return signOf(*i1 + *i2 - k);
    }
    case Expression::Distance: {
        const Ext<F> e = x1 - x2;
        return signOf((signOf(e) < 0 ? -e : e) - k);
    }
    case Expression::SumAndProduct: return signOf(x1 + x2 - k * x1 * x2);
    }
    return std::nullopt;
}

// Whether the equation a(m)x² + b(m)x + c(m) = 0, or the function, does what is
// wanted at this m: its solutions counted, the roots' signs and their relation
// read from the roots themselves.
template <class F>
bool satisfied(const Case& t, const F& m) {
    const F a = valueAt(t.a, m), b = valueAt(t.b, m), c = valueAt(t.c, m);
    if (signOf(a) == 0) {
        switch (t.want) {
        case Want::One: return signOf(b) != 0;
        case Want::None: return signOf(b) == 0 && signOf(c) != 0;
        case Want::Above: return signOf(b) == 0 && signOf(c) > 0;
        case Want::Below: return signOf(b) == 0 && signOf(c) < 0;
        default: return false;
        }
    }
    const F delta = b * b - lift(mpq_class(4), m) * a * c;
    const int sd = signOf(delta);
    switch (t.want) {
    case Want::TwoDistinct:
    case Want::Two: return sd > 0;
    case Want::One: return sd == 0;
    case Want::None: return sd < 0;
    case Want::Above: return signOf(a) > 0 && sd < 0;
    case Want::Below: return signOf(a) < 0 && sd < 0;
    default: break;
    }
    // A double root counts only for a relation that does not say "dwa".
    if (sd < 0 || (sd == 0 && (t.two || t.want != Want::Relation))) return false;
    const auto [x1, x2] = rootsOf(a, b, delta);
    const int s1 = signOf(x1), s2 = signOf(x2);
    switch (t.want) {
    case Want::Positive: return s1 > 0 && s2 > 0;
    case Want::Negative: return s1 < 0 && s2 < 0;
    case Want::OppositeSigns: return s1 * s2 < 0;
    case Want::SameSigns: return s1 * s2 > 0;
    default: break;
    }
    const auto sign = relationSign(t, x1, x2);
    return sign && holds(*sign, t.relation);
}

mpq_class ratio(long p, long q) {
    mpq_class r(p, q);
    r.canonicalize();
    return r;
}

using Poly = std::vector<mpq_class>;

Poly polyOf(const std::vector<int>& p) { return Poly(p.begin(), p.end()); }
Poly times(const Poly& p, const Poly& q) {
    Poly out(p.size() + q.size() - 1, 0);
    for (std::size_t i = 0; i < p.size(); ++i)
        for (std::size_t j = 0; j < q.size(); ++j) out[i + j] += p[i] * q[j];
    return out;
}

// P has no zero on [s; t]: its value at the middle outweighs every other term
// of its expansion there, each at the half-width.
bool keepsSign(const Poly& p, const mpq_class& s, const mpq_class& t) {
    const mpq_class mid = (s + t) / 2, r = (t - s) / 2;
    Poly q;
    for (auto i = p.rbegin(); i != p.rend(); ++i) {
        Poly next(q.size() + 1, 0);
        for (std::size_t j = 0; j < q.size(); ++j) {
            next[j + 1] += q[j];
            next[j] += q[j] * mid;
        }
        next[0] += *i;
        q = next;
    }
    mpq_class rest = 0, power = 1;
    for (std::size_t j = 1; j < q.size(); ++j) rest += abs(q[j]) * (power *= r);
    return abs(q[0]) > rest;
}

// A quantity that is 0 exactly where an isolated answer lies and is continuous
// between two samples where the premises hold there: Δ for one solution, the
// relation's two sides' difference for an equality. None where the premises fail at m.
std::optional<int> residual(const Case& t, const mpq_class& m) {
    const mpq_class a = valueAt(t.a, m), b = valueAt(t.b, m), c = valueAt(t.c, m);
    if (a == 0) return std::nullopt;
    const mpq_class delta = b * b - 4 * a * c;
    if (t.want == Want::One) return sgn(delta);
    if (delta <= 0) return std::nullopt;
    const auto [x1, x2] = rootsOf(a, b, delta);
    return relationSign(t, x1, x2);
}

bool premisesBetween(const Case& t, const mpq_class& s, const mpq_class& e) {
    if (!keepsSign(polyOf(t.a), s, e)) return false;
    if (t.want == Want::One) return true;
    Poly delta = times(polyOf(t.b), polyOf(t.b));
    const Poly ac = times(polyOf(t.a), polyOf(t.c));
    delta.resize(std::max(delta.size(), ac.size()), 0);
    for (std::size_t i = 0; i < ac.size(); ++i) delta[i] -= 4 * ac[i];
    return keepsSign(delta, s, e) && (t.expression != Expression::Reciprocals || keepsSign(polyOf(t.c), s, e));
}

Ext<mpq_class> surdValue(const solution::Surd& s) {
    return {mpq_class(s.u, s.w), mpq_class(s.v, s.w), mpq_class(s.m)};
}
int compare(const mpq_class& q, const solution::Surd& s) { return signOf(lift(q, surdValue(s)) - surdValue(s)); }

mpq_class nearby(const solution::Surd& s) {
    if (s.isRational()) return s.rational();
    mpf_class root(0, 320);
    root = sqrt(mpf_class(mpz_class(s.m), 320));
    const mpf_class value = (mpf_class(s.u, 320) + mpf_class(s.v, 320) * root) / mpf_class(s.w, 320);
    mpq_class q;
    mpq_set_f(q.get_mpq_t(), value.get_mpf_t());
    return q;
}

std::string polyText(const std::vector<int>& p) {
    std::string out;
    for (int i = int(p.size()) - 1; i >= 0; --i) {
        if (p[i] == 0) continue;
        const int k = std::abs(p[i]);
        out += out.empty() ? (p[i] < 0 ? "-" : "") : (p[i] < 0 ? " - " : " + ");
        if (k != 1 || i == 0) out += std::to_string(k);
        if (i > 0) out += i == 2 ? "m^2" : "m";
    }
    return out.empty() ? "0" : out;
}

std::string termText(const std::vector<int>& p, const std::string& x, bool first) {
    if (std::all_of(p.begin(), p.end(), [](int k) { return k == 0; })) return "";
    const bool constant = std::all_of(p.begin() + 1, p.end(), [](int k) { return k == 0; });
    if (!constant) {
        if (!x.empty()) return (first ? "(" : " + (") + polyText(p) + ")" + x;
        const std::string t = polyText(p);
        return t[0] == '-' ? " - " + t.substr(1) : " + " + t;
    }
    const int k = p[0];
    std::string out = first ? (k < 0 ? "-" : "") : (k < 0 ? " - " : " + ");
    if (std::abs(k) != 1 || x.empty()) out += std::to_string(std::abs(k));
    return out + x;
}

std::string sentenceOf(const Case& t) {
    const std::string value = termText(t.a, "x^2", true) + termText(t.b, "x", false) + termText(t.c, "", false);
    const std::string begin = "Wyznacz wartości parametru m, dla których ";
    if (t.want == Want::Above || t.want == Want::Below) {
        return begin + "funkcja f(x) = " + value + " przyjmuje tylko wartości " +
               (t.want == Want::Above ? "dodatnie." : "ujemne.");
    }
    const std::string equation = begin + "równanie " + value + " = 0 ";
    switch (t.want) {
    case Want::TwoDistinct: return equation + "ma dwa różne rozwiązania.";
    case Want::Two: return equation + "ma dwa rozwiązania.";
    case Want::One: return equation + "ma jedno rozwiązanie.";
    case Want::None: return equation + "nie ma rozwiązań.";
    case Want::Positive: return equation + "ma dwa różne rozwiązania dodatnie.";
    case Want::Negative: return equation + "ma dwa różne rozwiązania ujemne.";
    case Want::OppositeSigns: return equation + "ma dwa pierwiastki różnych znaków.";
    case Want::SameSigns: return equation + "ma dwa pierwiastki jednakowych znaków.";
    default: break;
    }
    static const char* const relations[] = {" = ", " < ", " > ", " <= ", " >= "};
    const std::string r = relations[int(t.relation)], k = std::to_string(t.k);
    std::string condition;
    switch (t.expression) {
    case Expression::Squares: condition = "x1^2 + x2^2" + r + k; break;
    case Expression::Reciprocals: condition = "1/x1 + 1/x2" + r + k; break;
    case Expression::Distance: condition = "|x1 - x2|" + r + k; break;
    case Expression::SumAndProduct:
        condition = "x1 + x2" + r + (t.k == 1 ? "" : t.k == -1 ? "-" : k) + "x1x2";
        break;
    }
    return equation + (t.two ? "ma dwa rozwiązania" : "ma rozwiązania") + " x1, x2 spełniające warunek " + condition + ".";
}

std::vector<int> randomPoly(std::mt19937& random, int degree) {
    std::uniform_int_distribution<int> coefficient(-3, 3);
    std::vector<int> p(std::size_t(degree) + 1);
    for (int& k : p) k = coefficient(random);
    if (degree > 0 && p[std::size_t(degree)] == 0) p[std::size_t(degree)] = 1;
    return p;
}

Case randomCase(std::mt19937& random, int index) {
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    Case t;
    do t.a = randomPoly(random, pick(2));
    while (std::all_of(t.a.begin(), t.a.end(), [](int k) { return k == 0; }));
    // A square in m in b or c now and then: Δ of degree 3 or 4.
    const int square = pick(16);
    t.b = randomPoly(random, square == 0 ? 2 : pick(2));
    t.c = randomPoly(random, square == 1 ? 2 : pick(2));
    const int kind = index % 14;
    t.want = Want(std::min(kind, int(Want::Relation)));
    if (t.want == Want::Relation) {
        t.expression = Expression(kind - int(Want::Relation));
        t.relation = task::Relation(pick(5));
        t.two = pick(2) == 1;
        switch (t.expression) {
        case Expression::Squares: t.k = pick(13); break;
        case Expression::Reciprocals: t.k = pick(7) - 3; break;
        case Expression::Distance: t.k = pick(6) - 1; break;
        case Expression::SumAndProduct: t.k = std::array{-2, -1, 1, 2, 3}[std::size_t(pick(5))]; break;
        }
    }
    return t;
}

}  // namespace

class TestParameters : public QObject {
    Q_OBJECT

private slots:
    // Every answer set checked against the equation itself at its ends, beside
    // them, between them, beyond them and elsewhere; and every isolated
    // solution it should hold found by a sign change of Δ or of the relation.
    void answersAgreeWithTheRoots() {
        std::mt19937 random(20240611);
        const int cases = 2800;
        int refused = 0, samples = 0, inside = 0, irrationalEnds = 0, signChanges = 0;
        QStringList failures;
        const auto fail = [&](const std::string& sentence, const QString& what) {
            if (failures.size() < 12) failures << QString::fromStdString(sentence) + " — " + what;
        };
        // Whole numbers, halves and thirds up to 6, each once: with the ends' own samples
        // enough for every answer, and few enough for the suite under the sanitizers.
        std::vector<mpq_class> grid;
        for (int q : {1, 2, 3})
            for (int p = -6 * q; p <= 6 * q; ++p)
                if (q == 1 || p % q != 0) grid.push_back(ratio(p, q));
        for (int index = 0; index < cases; ++index) {
            const Case t = randomCase(random, index);
            const std::string sentence = sentenceOf(t);
            // The reader already solves the task and passes on a refusal.
            const auto read = task::ReadTask(sentence);
            const auto refusal = [&](const task::TaskError& error) {
                // Linear b and c keep every condition a quadratic times a power of a: always solved.
                const bool square = t.b.size() == 3 || t.c.size() == 3;
                const bool allowed = error.message.find("najwyżej czwartego stopnia") != std::string::npos ||
                                     error.message.find("nie umiem rozłożyć") != std::string::npos;
                if (!allowed || !square) fail(sentence, "odmowa: " + QString::fromStdString(error.message));
                ++refused;
            };
            if (const auto* error = std::get_if<task::TaskError>(&read)) {
                refusal(*error);
                continue;
            }
            const auto* parametric = std::get_if<task::Parametric>(&std::get<task::Problem>(read).what);
            if (!parametric) {
                fail(sentence, "nie odczytane jako zadanie z parametrem");
                continue;
            }
            const auto answered = task::ParameterAnswerOf(*parametric);
            if (const auto* error = std::get_if<task::TaskError>(&answered)) {
                refusal(*error);
                continue;
            }
            const task::ExactSet& answer = std::get<task::ParameterAnswer>(answered).values;

            std::vector<mpq_class> points = grid;
            const mpq_class tiny(1, mpz_class(1) << 40), tinier(1, mpz_class(1) << 100);
            for (const auto* p : {&t.a, &t.b, &t.c}) {
                if (p->size() == 2 && (*p)[1] != 0) {  // where a linear coefficient is 0
                    const mpq_class zero = ratio(-(*p)[0], (*p)[1]);
                    points.insert(points.end(), {zero, zero - tiny, zero + tiny});
                }
            }
            for (int i = 0; i < 6; ++i) {
                points.push_back(ratio(std::uniform_int_distribution<int>(-300, 300)(random),
                                       std::uniform_int_distribution<int>(1, 37)(random)));
            }
            std::vector<mpq_class> ends;
            for (const task::ExactRange& range : answer.ranges()) {
                for (const task::ExactEnd* end : {&range.from, &range.to}) {
                    if (!end->value) continue;
                    const solution::Surd& s = *end->value;
                    const mpq_class near = nearby(s);
                    ends.push_back(near);
                    if (s.isRational()) {
                        points.insert(points.end(), {near, near - tiny, near + tiny});
                        continue;
                    }
                    // Beside an irrational end, on both sides; at it, its closed bracket against the roots.
                    const mpq_class below = near - tinier, above = near + tinier;
                    if (compare(below, s) >= 0 || compare(above, s) <= 0) fail(sentence, "przybliżenie końca zawiodło");
                    points.insert(points.end(), {below, above});
                    ++irrationalEnds;
                    if (end->closed != satisfied(t, surdValue(s))) {
                        const std::string at = "(" + s.u.get_str() + (s.v < 0 ? " - " : " + ") + mpz_class(abs(s.v)).get_str() +
                                               "√" + s.m.get_str() + ")/" + s.w.get_str();
                        fail(sentence, QString::fromStdString("koniec " + at) +
                                           (end->closed ? " należy, a nie powinien" : " nie należy, a powinien"));
                    }
                }
            }
            std::sort(ends.begin(), ends.end());
            for (std::size_t i = 0; i + 1 < ends.size(); ++i) points.push_back((ends[i] + ends[i + 1]) / 2);
            if (!ends.empty()) points.insert(points.end(), {ends.front() - 1, ends.back() + 1});
            points.insert(points.end(), {mpq_class(-1000000), mpq_class(1000000)});
            std::sort(points.begin(), points.end());
            points.erase(std::unique(points.begin(), points.end()), points.end());

            for (const mpq_class& m : points) {
                ++samples;
                const bool expected = satisfied(t, m);
                inside += expected;
                if (answer.contains(m) != expected) {
                    fail(sentence, QString::fromStdString("m = " + m.get_str()) +
                                       (expected ? ": poza odpowiedzią, a powinno" : ": w odpowiedzi, a nie powinno"));
                }
            }
            // Between two samples where Δ or the relation changes sign, its zero is an answer.
            if (t.want != Want::One && !(t.want == Want::Relation && t.relation == task::Relation::Equal)) continue;
            std::optional<int> last;
            for (std::size_t i = 0; i < points.size(); ++i) {
                const std::optional<int> now = residual(t, points[i]);
                if (last && now && *last * *now < 0 && premisesBetween(t, points[i - 1], points[i])) {
                    ++signChanges;
                    const bool met = std::any_of(answer.ranges().begin(), answer.ranges().end(), [&](const task::ExactRange& r) {
                        return (!r.from.value || compare(points[i], *r.from.value) > 0) &&
                               (!r.to.value || compare(points[i - 1], *r.to.value) < 0);
                    });
                    if (!met) {
                        fail(sentence, QString::fromStdString("brak rozwiązania między m = " + points[i - 1].get_str() +
                                                              " a m = " + points[i].get_str()));
                    }
                }
                last = now;
            }
        }
        qInfo("zadań: %d, odmów: %d, próbek m: %d (w odpowiedzi: %d), końców niewymiernych: %d, zmian znaku: %d", cases,
              refused, samples, inside, irrationalEnds, signChanges);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
        // Degree past 4 or no rational factors: allowed, but only now and then.
        QVERIFY2(refused * 10 < cases, qPrintable(QString("odmów: %1").arg(refused)));
        QVERIFY(inside * 10 > samples);
        QVERIFY(samples > cases * 40);
    }

    // Worked out by hand as school does: a = 0 on its own, then Δ, the roots' sum
    // and product or their relation; the answer as the worked solution ends.
    void answers_data() {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("answer");
        const auto row = [](const char* name, const char* condition, const char* answer) {
            QTest::newRow(name) << QString(condition) << QString(answer);
        };
        // c = 0 for every m: a root is always 0, and 1/x₁ + 1/x₂ never exists.
        row("odwrotności, pierwiastek 0", "równanie x² + mx = 0 ma rozwiązania x₁, x₂ spełniające warunek 1/x₁ + 1/x₂ > 1",
            "m ∈ ∅ (nie ma takich wartości m)");
        // Δ = m² − 16 > 0.
        row("dwa różne, a stałe", "równanie x² + mx + 4 = 0 ma dwa różne rozwiązania", "m ∈ (−∞; −4) ∪ (4; +∞)");
        // m ≠ 1, Δ = 16 − 8(m − 1) = 24 − 8m > 0; at m = 1 only 4x + 2 = 0.
        row("dwa różne, a od m", "równanie (m − 1)x² + 4x + 2 = 0 ma dwa różne rozwiązania", "m ∈ (−∞; 1) ∪ (1; 3)");
        // Δ = m² − 36 = 0.
        row("jedno, a stałe", "równanie x² + mx + 9 = 0 ma jedno rozwiązanie", "m ∈ {−6; 6}");
        // Δ = 4m² − 4(m − 1)(m + 2) = 8 − 4m = 0, and at m = 1 the single root of 2x + 3 = 0.
        row("jedno, przypadek liniowy", "równanie (m − 1)x² + 2mx + m + 2 = 0 ma jedno rozwiązanie", "m ∈ {1; 2}");
        // Δ = 4m² − 16 < 0.
        row("brak, a stałe", "równanie x² − 2mx + 4 = 0 nie ma rozwiązań", "m ∈ (−2; 2)");
        // Δ = m² − 4m < 0 for m ≠ 0; at m = 0 it reads 1 = 0.
        row("brak, a od m", "równanie mx² + mx + 1 = 0 nie ma rozwiązań", "m ∈ ⟨0; 4)");
        // Δ = m² − 8m > 0, x₁ + x₂ = 2 − m > 0, x₁x₂ = m + 1 > 0.
        row("dodatnie", "równanie x² + (m − 2)x + m + 1 = 0 ma dwa różne rozwiązania dodatnie", "m ∈ (−1; 0)");
        // m ≠ −1, Δ = 12 − 4m > 0; both roots of the same sign as 1/(m + 1) > 0 and of sum −4/(m + 1) < 0.
        row("ujemne, a od m", "równanie (m + 1)x² + 4x + 1 = 0 ma dwa różne rozwiązania ujemne", "m ∈ (−1; 3)");
        // x₁x₂ = m − 2 < 0.
        row("różnych znaków, a stałe", "równanie x² + 3x + m − 2 = 0 ma dwa pierwiastki różnych znaków", "m ∈ (−∞; 2)");
        // m/(m − 3) < 0; at m = 3 only x + 3 = 0.
        row("różnych znaków, a od m", "równanie (m − 3)x² + x + m = 0 ma dwa pierwiastki różnych znaków", "m ∈ (0; 3)");
        // Δ = 16 − 4m > 0 and x₁x₂ = m > 0.
        row("jednakowych znaków", "równanie x² + 4x + m = 0 ma dwa pierwiastki jednakowych znaków", "m ∈ (0; 4)");
        // Δ = m² − 4 < 0.
        row("dodatnie wartości, a stałe", "funkcja f(x) = x² − mx + 1 przyjmuje tylko wartości dodatnie", "m ∈ (−2; 2)");
        // m > 0 and Δ = 4m² − 12m < 0; at m = 0 the constant 3.
        row("dodatnie wartości, stała", "funkcja f(x) = mx² + 2mx + 3 przyjmuje tylko wartości dodatnie", "m ∈ ⟨0; 3)");
        // m < −1 and Δ = (m + 1)(m + 9) < 0; at m = −1 the constant −2.
        row("ujemne wartości, stała", "funkcja f(x) = (m + 1)x² + (m + 1)x − 2 przyjmuje tylko wartości ujemne",
            "m ∈ (−9; −1⟩");
        // m < 1 and Δ = 4 − 4m(m − 1) < 0, m² − m − 1 > 0; at m = 1 the line 2x + 1.
        row("ujemne wartości, a od m", "funkcja f(x) = (m − 1)x² + 2x + m przyjmuje tylko wartości ujemne",
            "m ∈ (−∞; (1 − √5)/2)");
        // At m = 2 it reads 0 = 0, true for every x; else Δ = −3(m − 2)² < 0.
        row("brak, tożsamość", "równanie (m − 2)x² + (m − 2)x + m − 2 = 0 nie ma rozwiązań", "m ∈ ℝ \\ {2}");
        // Δ = −4m² > 0 never.
        row("pusta", "równanie x² + 2x + m² + 1 = 0 ma dwa różne rozwiązania", "m ∈ ∅ (nie ma takich wartości m)");
        // m² − 4 = 10 and Δ = m² − 8 > 0.
        row("suma kwadratów", "równanie x² + mx + 2 = 0 ma dwa rozwiązania x₁, x₂ spełniające warunek x₁² + x₂² = 10",
            "m ∈ {−√14; √14}");
        // Roots −1 and −1/(m − 1): 1 + 1/(m − 1)² = 10.
        row("suma kwadratów, a od m",
            "równanie (m − 1)x² + mx + 1 = 0 ma rozwiązania x₁, x₂ spełniające warunek x₁² + x₂² = 10", "m ∈ {2/3; 4/3}");
        // 3/m > 1 and Δ = 9 − 4m ≥ 0.
        row("odwrotności", "równanie x² − 3x + m = 0 ma rozwiązania x₁, x₂ spełniające warunek 1/x₁ + 1/x₂ > 1",
            "m ∈ (0; 2,25⟩");
        // |x₁ − x₂| = √(4 − 4m) = 2.
        row("odległość", "równanie x² − 2x + m = 0 ma dwa rozwiązania x₁, x₂ spełniające warunek |x₁ − x₂| = 2", "m ∈ {0}");
        // 4 − m = 2m, and there Δ = 16/9 > 0.
        row("suma i iloczyn",
            "równanie x² + (m − 4)x + m = 0 ma dwa rozwiązania x₁, x₂ spełniające warunek x₁ + x₂ = 2x₁x₂", "m ∈ {4/3}");
    }

    void answers() {
        QFETCH(QString, condition);
        QFETCH(QString, answer);
        const QString sentence = "Wyznacz wartości parametru m, dla których " + condition + ".";
        const auto read = task::ReadTask(sentence.toStdString());
        const auto* error = std::get_if<task::TaskError>(&read);
        QVERIFY2(!error, error ? error->message.c_str() : "");
        const QStringList lines = QString::fromStdString(task::SolveTask(std::get<task::Problem>(read)).text).split('\n');
        const auto said = std::find_if(lines.begin(), lines.end(), [](const QString& l) { return l.startsWith("Odpowiedź: "); });
        QVERIFY(said != lines.end());
        QCOMPARE(*said, "Odpowiedź: " + answer);
    }
};

QTEST_APPLESS_MAIN(TestParameters)
#include "tst_parameters.moc"
