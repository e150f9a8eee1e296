// Polynomials in one letter factored over the rationals and their sign
// charts as exact sets, checked against products of factors the test
// chose itself, values worked out exactly at rational points, and
// comparisons made at 1000 bits.
#include <QtTest>

#include <gmpxx.h>

#include <map>
#include <random>

#include "solution/SolutionSet.h"
#include "task/ExactSet.h"
#include "task/Univariate.h"

using solution::Surd;
using task::ExactSet;
using task::Relation;
using task::UPoly;

namespace {

constexpr mp_bitcnt_t bits = 1000;

// Coefficients as written, the highest power first.
UPoly written(const QList<int>& highestFirst) {
    std::vector<mpq_class> c;
    for (auto k = highestFirst.rbegin(); k != highestFirst.rend(); ++k) c.emplace_back(*k);
    return UPoly(std::move(c));
}

UPoly productOf(const task::Factored& f) {
    UPoly p({f.leading});
    for (const task::Factor& factor : f.factors) {
        for (int i = 0; i < factor.power; ++i) p = p * factor.p;
    }
    return p;
}

mpf_class approximation(const Surd& x) {
    return (mpf_class(x.u, bits) + x.v * sqrt(mpf_class(x.m, bits))) / mpf_class(x.w, bits);
}

mpq_class ratio(long n, long d) {
    mpq_class q(n, d);
    q.canonicalize();
    return q;
}

Surd surdOf(const mpq_class& q) { return {q.get_num(), 0, q.get_den(), 1}; }

// x against an end: exactly where the end is rational; else at 1000 bits,
// where a rational never equals it.
int compareTo(const mpq_class& x, const Surd& end) {
    if (end.isRational()) return cmp(x, end.rational());
    return sgn(mpf_class(x, bits) - approximation(end));
}

bool holds(int sign, Relation r) {
    switch (r) {
    case Relation::Equal: return sign == 0;
    case Relation::Less: return sign < 0;
    case Relation::Greater: return sign > 0;
    case Relation::LessOrEqual: return sign <= 0;
    case Relation::GreaterOrEqual: return sign >= 0;
    }
    return false;
}

// Whether any of RANGES, as given before any merging, holds x.
bool anyHolds(const std::vector<task::ExactRange>& ranges, const mpq_class& x) {
    return std::any_of(ranges.begin(), ranges.end(), [&](const task::ExactRange& r) {
        const bool afterStart = !r.from.value || compareTo(x, *r.from.value) > (r.from.closed ? -1 : 0);
        const bool beforeEnd = !r.to.value || compareTo(x, *r.to.value) < (r.to.closed ? 1 : 0);
        return afterStart && beforeEnd;
    });
}

struct Random {
    std::mt19937 engine;
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }
    mpq_class rational(int reach, int denominator) { return ratio(pick(-reach, reach), pick(1, denominator)); }

    // x − z, or x² + bx + c with Δ = k·t², k square-free and not 1, so never
    // a rational square.
    UPoly factor() {
        if (pick(0, 1) == 0) return UPoly({-rational(6, 4), 1});
        static const int ks[] = {-7, -3, -2, -1, 2, 3, 5, 6, 7, 10};
        const mpq_class b = rational(6, 3), t = ratio(pick(1, 5), pick(1, 3));
        return UPoly({(b * b - ks[pick(0, 9)] * t * t) / 4, b, 1});
    }

    // A product of degree at most 4, a factor sometimes repeated, with its factors counted.
    std::pair<UPoly, std::map<std::vector<mpq_class>, int>> product() {
        UPoly p({rational(9, 5)});
        while (p.isZero()) p = UPoly({rational(9, 5)});
        std::map<std::vector<mpq_class>, int> factors;
        for (int tries = pick(0, 4); tries > 0; --tries) {
            const UPoly f = !factors.empty() && pick(0, 3) == 0 ? UPoly(factors.begin()->first) : factor();
            if (p.degree() + f.degree() > 4) continue;
            p = p * f;
            ++factors[f.c];
        }
        return {p, factors};
    }

    Surd surd() {
        static const int ms[] = {1, 2, 3, 5, 6, 7, 10, 11};
        const int m = ms[pick(0, 7)];
        Surd x{pick(-60, 60), m == 1 ? 0 : pick(-20, 20), pick(1, 12), m};
        if (x.v == 0) x.m = 1;
        mpz_class g = gcd(gcd(x.u, x.v), x.w);
        return {x.u / g, x.v / g, x.w / g, x.m};
    }
};

}  // namespace

class TestUnivariate : public QObject {
    Q_OBJECT

private slots:
    void factoring_data() {
        QTest::addColumn<QList<int>>("coefficients");
        QTest::addColumn<QString>("factored");  // "" where not factored
        QTest::newRow("three zeros") << QList<int>{1, -2, -5, 6} << "(x + 2)(x − 1)(x − 3)";
        QTest::newRow("x first") << QList<int>{1, -2, -3, 0} << "x(x + 1)(x − 3)";
        QTest::newRow("x squared") << QList<int>{1, 1, 0, 0} << "x²(x + 1)";
        QTest::newRow("four zeros") << QList<int>{1, 0, -5, 0, 4} << "(x + 2)(x + 1)(x − 1)(x − 2)";
        QTest::newRow("half") << QList<int>{2, -1, -2, 1} << "2(x + 1)(x − 0,5)(x − 1)";
        QTest::newRow("third") << QList<int>{3, -2, -1} << "3(x + 1/3)(x − 1)";
        QTest::newRow("double zero") << QList<int>{1, -1, -1, 1} << "(x + 1)(x − 1)²";
        QTest::newRow("minus") << QList<int>{-1, 0, 0, 1} << "−(x − 1)(x² + x + 1)";
        QTest::newRow("sophie germain") << QList<int>{1, 0, 0, 0, 4} << "(x² + 2x + 2)(x² − 2x + 2)";
        QTest::newRow("biquadratic") << QList<int>{1, 0, -5, 0, 6} << "(x² − 3)(x² − 2)";
        QTest::newRow("square of quadratic") << QList<int>{1, 0, 2, 0, 1} << "(x² + 1)²";
        QTest::newRow("two quadratics") << QList<int>{1, -2, -1, -2, 1} << "(x² − 3x + 1)(x² + x + 1)";
        QTest::newRow("4x⁴ − 1") << QList<int>{4, 0, 0, 0, -1} << "4(x² − 0,5)(x² + 0,5)";
        QTest::newRow("large zero") << QList<int>{1, -999983, 1, -999983} << "(x − 999\u202f983)(x² + 1)";
        QTest::newRow("linear") << QList<int>{2, -3} << "2(x − 1,5)";
        QTest::newRow("constant") << QList<int>{-5} << "−5";
        QTest::newRow("cubic irreducible") << QList<int>{1, 0, 0, -2} << "";
        QTest::newRow("quartic irreducible") << QList<int>{1, 0, 0, 1, 1} << "";
        QTest::newRow("zero and irreducible cubic") << QList<int>{1, 0, 0, -2, 0} << "";
        QTest::newRow("degree 5") << QList<int>{1, 0, 0, 0, -1, 0} << "";
    }

    void factoring() {
        QFETCH(QList<int>, coefficients);
        QFETCH(QString, factored);
        const UPoly p = written(coefficients);
        const auto f = task::FactorOf(p);
        QCOMPARE(f.has_value(), !factored.isEmpty());
        if (!f) return;
        QCOMPARE(QString::fromStdString(task::FactoredText(*f, "x")), factored);
        QCOMPARE(QString::fromStdString(task::FactoredText(*f, "t")), factored.replace('x', 't'));
        QVERIFY(productOf(*f) == p);
    }

    void polynomialText_data() {
        QTest::addColumn<QList<int>>("coefficients");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("text");
        QTest::newRow("cubic") << QList<int>{1, -2, -3, 0} << "x" << "x³ − 2x² − 3x";
        QTest::newRow("quartic") << QList<int>{1, 0, -5, 0, 4} << "x" << "x⁴ − 5x² + 4";
        QTest::newRow("t") << QList<int>{-2, 0, 1} << "t" << "−2t² + 1";
        QTest::newRow("zero") << QList<int>{0, 0} << "x" << "0";
    }

    void polynomialText() {
        QFETCH(QList<int>, coefficients);
        QFETCH(QString, letter);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(task::UPolyText(written(coefficients), letter.toStdString())), text);
    }

    void arithmetic() {
        const UPoly quadratic = UPoly::of({6, -5, 1});
        QVERIFY(quadratic == written({1, -5, 6}));
        QVERIFY(UPoly({-2, 1}) * UPoly({-3, 1}) == quadratic);
        QVERIFY(quadratic - UPoly({0, -5, 1}) == UPoly({6}));
        QVERIFY(quadratic + quadratic == quadratic.scaled(2));
        QCOMPARE(quadratic.valueAt(ratio(1, 2)), mpq_class(15, 4));
        QCOMPARE(UPoly::of({1, 0, 0}).degree(), 0);
        QCOMPARE((quadratic - quadratic).degree(), -1);
        QVERIFY((quadratic - quadratic).isZero());
    }

    // Products of factors chosen here come apart into just those factors.
    void factorsOfProducts() {
        Random random{std::mt19937(2024)};
        for (int i = 0; i < 2000; ++i) {
            const auto [p, chosen] = random.product();
            const auto f = task::FactorOf(p);
            QVERIFY(f);
            QVERIFY(productOf(*f) == p);
            std::map<std::vector<mpq_class>, int> found;
            for (const task::Factor& factor : f->factors) found[factor.p.c] = factor.power;
            QVERIFY(found == chosen);
            // Each by its smallest zero, or the real part of its zeros where it has none.
            std::vector<std::pair<int, mpf_class>> order;
            for (const task::Factor& factor : f->factors) {
                const std::vector<mpq_class>& c = factor.p.c;
                const mpf_class half = mpf_class(-c[1], bits) / 2;
                const mpf_class delta(c.size() == 2 ? mpq_class(0) : mpq_class(c[1] * c[1] - 4 * c[0]), bits);
                order.emplace_back(delta < 0, c.size() == 2 ? mpf_class(-c[0], bits) : delta < 0 ? half : mpf_class(half - sqrt(delta) / 2));
            }
            QVERIFY(std::is_sorted(order.begin(), order.end()));
        }
    }

    // Against 1000 bits, where the two differ by more than 2^−500; numbers
    // of this size that differ at all differ by far more.
    void surdComparison() {
        Random random{std::mt19937(7)};
        const mpf_class tiny = mpf_class(1, bits) >> 500;
        for (int i = 0; i < 8000; ++i) {
            const Surd a = random.surd();
            Surd b = random.surd();
            if (i % 3 == 1) {
                // A near rational: ⌊a·W⌋/W.
                const long scale = random.pick(1, 1'000'000);
                b = surdOf(ratio(mpz_class(mpf_class(floor(approximation(a) * scale))).get_si(), scale));
            } else if (i % 3 == 2 && b.v != 0) {
                // Another root's multiple, its rational part chosen to come close to a.
                b.u = mpz_class(mpf_class(floor((approximation(a) - approximation({0, b.v, b.w, b.m})) * b.w)));
            }
            const mpf_class difference = approximation(a) - approximation(b);
            const int expected = abs(difference) <= tiny ? 0 : sgn(difference);
            QCOMPARE(task::CompareSurds(a, b), expected);
            QCOMPARE(task::CompareSurds(b, a), -expected);
            // The same number written otherwise: v√m = (kv/k)√m = v√(k²m)/k.
            const long k = random.pick(2, 9);
            QCOMPARE(task::CompareSurds(a, {a.u * k, a.v * k, a.w * k, a.m}), 0);
            QCOMPARE(task::CompareSurds(a, {a.u * k, a.v, a.w * k, a.m * k * k}), 0);
        }
    }

    // The sign chart against the polynomial's own value at rational points:
    // its rational zeros, points close on both sides of every zero, and any.
    void signChart() {
        Random random{std::mt19937(99)};
        for (int i = 0; i < 1000; ++i) {
            const auto [p, chosen] = random.product();
            const auto f = task::FactorOf(p);
            QVERIFY(f);
            // Each zero exactly where it is rational, else within 2^−1000.
            std::vector<mpq_class> zeros, points;
            for (const auto& [c, power] : chosen) {
                const mpq_class delta = c.size() == 2 ? mpq_class(0) : mpq_class(c[1] * c[1] - 4 * c[0]);
                if (c.size() == 2) zeros.push_back(-c[0]);
                if (c.size() == 2 || delta < 0) continue;
                for (int side : {-1, 1}) zeros.emplace_back((mpf_class(-c[1], bits) + side * sqrt(mpf_class(delta, bits))) / 2);
            }
            for (const mpq_class& zero : zeros) {
                points.push_back(zero);
                for (const mpq_class& step : {ratio(1, 1000), mpq_class(mpq_class(1) >> 100)}) {
                    points.push_back(zero - step);
                    points.push_back(zero + step);
                }
            }
            const auto found = task::RealZerosOf(*f);
            QCOMPARE(found.size(), zeros.size());
            for (std::size_t j = 1; j < found.size(); ++j) QVERIFY(approximation(found[j - 1]) < approximation(found[j]));
            for (int j = 0; j < 20; ++j) points.push_back(random.rational(80, 50) / 10);
            for (int r = 0; r < 5; ++r) {
                const ExactSet set = task::WhereSign(*f, Relation(r));
                for (const mpq_class& x : points) QCOMPARE(set.contains(x), holds(sgn(p.valueAt(x)), Relation(r)));
            }
        }
    }

    // Sets of random ranges, merged and combined, against the ranges as given.
    void setOperations() {
        Random random{std::mt19937(5)};
        const std::vector<Surd> ends{surdOf(-3), surdOf(ratio(-1, 2)), surdOf(0), surdOf(ratio(2, 3)), surdOf(2),
                                     {1, -1, 1, 2}, {0, 1, 1, 3}, {1, 1, 2, 5}, {0, -1, 1, 7}};
        std::vector<mpq_class> points{100, -100};
        for (const Surd& end : ends) {
            const mpq_class at = end.isRational() ? end.rational() : mpq_class(approximation(end));
            if (end.isRational()) points.push_back(at);
            points.push_back(at - ratio(1, 1'000'000));
            points.push_back(at + ratio(1, 1'000'000));
        }
        const auto end = [&] { return random.pick(0, 7) == 0 ? std::optional<Surd>() : ends[random.pick(0, 8)]; };
        const auto ranges = [&] {
            std::vector<task::ExactRange> given;
            for (int n = random.pick(0, 3); n > 0; --n) given.push_back({{end(), random.pick(0, 1) == 1}, {end(), random.pick(0, 1) == 1}});
            const Surd& at = ends[std::size_t(random.pick(0, 8))];
            if (random.pick(0, 2) == 0) given.push_back({{at, true}, {}});
            if (random.pick(0, 2) == 0) given.push_back({{at, true}, {at, true}});
            return given;
        };
        for (int i = 0; i < 1500; ++i) {
            const auto first = ranges(), second = ranges();
            const ExactSet a = ExactSet::of(first), b = ExactSet::of(second);
            const mpq_class removed = points[std::size_t(random.pick(0, int(points.size()) - 1))];
            for (const ExactSet& set : {a, a.intersected(b), a.united(b), a.complement(), a.without(surdOf(removed))}) {
                const auto& rs = set.ranges();
                for (std::size_t j = 1; j < rs.size(); ++j) {
                    // Apart: a gap between the two, or one point missing.
                    const int gap = sgn(approximation(*rs[j].from.value) - approximation(*rs[j - 1].to.value));
                    QVERIFY(gap > 0 || (gap == 0 && !rs[j].from.closed && !rs[j - 1].to.closed));
                }
            }
            QVERIFY(a.united(a.complement()).isAll());
            QVERIFY(a.intersected(a.complement()).isEmpty());
            for (const mpq_class& x : points) {
                const bool inA = anyHolds(first, x), inB = anyHolds(second, x);
                QCOMPARE(a.contains(x), inA);
                QCOMPARE(a.intersected(b).contains(x), inA && inB);
                QCOMPARE(a.united(b).contains(x), inA || inB);
                QCOMPARE(a.complement().contains(x), !inA);
                QCOMPARE(a.without(surdOf(removed)).contains(x), inA && x != removed);
            }
        }
    }

    void setText_data() {
        QTest::addColumn<QList<int>>("coefficients");
        QTest::addColumn<int>("relation");
        QTest::addColumn<QString>("text");
        const int equal = int(Relation::Equal), less = int(Relation::Less), greater = int(Relation::Greater),
                  atMost = int(Relation::LessOrEqual), atLeast = int(Relation::GreaterOrEqual);
        QTest::newRow("outside") << QList<int>{1, 0, -16} << greater << "(−∞; −4) ∪ (4; +∞)";
        QTest::newRow("between roots") << QList<int>{1, -2, -1} << atMost << "⟨1 − √2; 1 + √2⟩";
        QTest::newRow("everywhere") << QList<int>{1, 0, 1} << greater << "ℝ";
        QTest::newRow("nowhere") << QList<int>{1, 0, 1} << less << "∅";
        QTest::newRow("all but one") << QList<int>{1, -6, 9} << greater << "ℝ \\ {3}";
        QTest::newRow("one") << QList<int>{1, -6, 9} << atMost << "{3}";
        QTest::newRow("x factor") << QList<int>{1, -2, -3, 0} << atLeast << "⟨−1; 0⟩ ∪ ⟨3; +∞)";
        QTest::newRow("even power below") << QList<int>{1, -1, -1, 1} << less << "(−∞; −1)";
        QTest::newRow("even power touching") << QList<int>{1, -1, -1, 1} << atMost << "(−∞; −1⟩ ∪ {1}";
        QTest::newRow("biquadratic") << QList<int>{1, 0, -5, 0, 6} << less << "(−√3; −√2) ∪ (√2; √3)";
        QTest::newRow("minus leading") << QList<int>{-1, 0, 0, 1} << atLeast << "(−∞; 1⟩";
        QTest::newRow("half") << QList<int>{2, 1, -1} << greater << "(−∞; −1) ∪ (0,5; +∞)";
        QTest::newRow("zeros") << QList<int>{1, 0, -5, 0, 4} << equal << "{−2} ∪ {−1} ∪ {1} ∪ {2}";
    }

    void setText() {
        QFETCH(QList<int>, coefficients);
        QFETCH(int, relation);
        QFETCH(QString, text);
        const auto f = task::FactorOf(written(coefficients));
        QVERIFY(f);
        const ExactSet set = task::WhereSign(*f, Relation(relation));
        QCOMPARE(QString::fromStdString(solution::SetText(task::SolutionSetOf(set))), text);
    }

    void touchingRanges() {
        const auto text = [](const ExactSet& set) { return QString::fromStdString(solution::SetText(task::SolutionSetOf(set))); };
        const Surd one = surdOf(1), three = surdOf(3);
        QCOMPARE(text(ExactSet::of({{{}, {one, true}}, {{one, false}, {three, false}}})), QStringLiteral("(−∞; 3)"));
        QCOMPARE(text(ExactSet::of({{{surdOf(0), false}, {one, false}}, {{one, false}, {three, false}}})),
                 QStringLiteral("(0; 1) ∪ (1; 3)"));
        QCOMPARE(text(ExactSet::of({{{one, false}, {three, false}}}).united(ExactSet::point(three))), QStringLiteral("(1; 3⟩"));
        QCOMPARE(text(ExactSet::all().without(three)), QStringLiteral("ℝ \\ {3}"));
        QVERIFY(ExactSet::all().isAll() && ExactSet::empty().isEmpty());
        for (const ExactSet& most : {ExactSet::all().without(three), ExactSet::of({{{}, {one, true}}}), ExactSet::of({{{one, true}, {}}})}) {
            QVERIFY(!most.isAll() && !most.isEmpty());
        }
    }

    // Each end's double is the nearest: no neighbour of it lies closer.
    void nearestDoubles() {
        Random random{std::mt19937(11)};
        for (int i = 0; i < 1000; ++i) {
            const Surd x = random.surd();
            const double nearest = task::SolutionSetOf(ExactSet::point(x))[0].from.nearest;
            const mpf_class distance = abs(mpf_class(nearest, bits) - approximation(x));
            for (double neighbour : {std::nextafter(nearest, -1e300), std::nextafter(nearest, 1e300)}) {
                QVERIFY(distance <= abs(mpf_class(neighbour, bits) - approximation(x)));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestUnivariate)
#include "tst_univariate.moc"
