// Tasks of two formulas and of conditions, generated and checked with exact
// arithmetic of the test's own: every common point on both graphs, as many
// as the moved side's Δ says; every function found meeting its conditions.
#include <QtTest>

#include <gmpxx.h>

#include <random>

#include "AnswerNumber.h"
#include "SolvedAnswer.h"
#include "task/Task.h"
#include "task/TaskSolution.h"

namespace {

// u + v√m, exactly.
struct Surd {
    mpq_class u, v;
    mpz_class m = 1;
};

// "−1 − √10", "(1 + √17)/2", "3√5/2", "−√2", "2,5": what the answer writes.
Surd surdOf(QString text) {
    text.remove(QChar(0x202f));
    mpq_class w = 1;
    const int slash = text.lastIndexOf('/');
    if (text.contains(QChar(0x221a)) && slash > 0) {
        w = numberOf(text.mid(slash + 1));
        text = text.left(slash);
        if (text.startsWith('(')) text = text.mid(1).chopped(1);
    }
    const int root = text.indexOf(QChar(0x221a));
    if (root < 0) return {numberOf(text), 0, 1};
    // The rational part ends where " + " or " − " begins the root's term.
    int split = std::max(text.lastIndexOf(QStringLiteral(" + ")), text.lastIndexOf(QStringLiteral(" − ")));
    mpq_class u;
    QString term = text;
    if (split > 0 && split < root) {
        u = numberOf(text.left(split));
        term = (text.mid(split + 1, 1) == "+" ? "" : QStringLiteral("−")) + text.mid(split + 3);
    }
    const int at = term.indexOf(QChar(0x221a));
    QString k = term.left(at);
    const mpq_class v = k.isEmpty() ? mpq_class(1) : k == QStringLiteral("−") ? mpq_class(-1) : numberOf(k);
    return {u / w, v / w, mpz_class(term.mid(at + 1).toStdString(), 10)};
}

Surd times(const Surd& p, const Surd& q, const mpz_class& m) { return {p.u * q.u + p.v * q.v * m, p.u * q.v + p.v * q.u, m}; }

// c2·x² + c1·x + c0 at a surd, in the same root.
Surd valueAt(const mpq_class& c2, const mpq_class& c1, const mpq_class& c0, const Surd& x) {
    const Surd square = times(x, x, x.m);
    return {c2 * square.u + c1 * x.u + c0, c2 * square.v + c1 * x.v, x.m};
}

// A coefficient as a pupil types it: "3", "-1/2".
QString typed(const mpq_class& q) { return QString::fromStdString(q.get_str()); }

QString polynomial(const mpq_class& c2, const mpq_class& c1, const mpq_class& c0) {
    return "(" + typed(c2) + ")x^2 + (" + typed(c1) + ")x + (" + typed(c0) + ")";
}

// "2x² − 3x + 1", "(1/3)x² − (4/3)x + 1", "−x²": each term's coefficient by its power.
std::array<mpq_class, 3> generalForm(QString text) {
    std::array<mpq_class, 3> c{0, 0, 0};
    text.replace(QStringLiteral(" + "), QStringLiteral("|+")).replace(QStringLiteral(" − "), QStringLiteral("|−"));
    for (QString term : text.split('|')) {
        const bool negative = term.startsWith(QChar(0x2212));
        if (term.startsWith('+') || negative) term = term.mid(1);
        const int power = term.endsWith(QStringLiteral("x²")) ? 2 : term.endsWith('x') ? 1 : 0;
        QString k = term.left(term.size() - power);
        if (k.startsWith('(')) k = k.mid(1).chopped(1);
        const mpq_class value = k.isEmpty() ? mpq_class(1) : numberOf(k);
        c[power] = negative ? mpq_class(-value) : value;
    }
    return c;
}

}  // namespace

class TwoFormulasTest : public QObject {
    Q_OBJECT

private slots:
    // Two graphs of generated parabolas and lines: each answered point on
    // both, their number 2, 1 or 0 as the moved side's Δ is > 0, = 0 or < 0
    // (1 for a line left, none or "pokrywają się" for a constant).
    void commonPointsLieOnBoth() {
        std::mt19937 random(20261210);
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        const auto coefficient = [&](int reach) {
            mpq_class q(pick(-reach, reach), pick(1, 3));
            q.canonicalize();
            return q;
        };
        int counts[4] = {};
        for (int i = 0; i < 1500; ++i) {
            std::array<mpq_class, 3> f{coefficient(4), coefficient(6), coefficient(8)};
            std::array<mpq_class, 3> g{pick(0, 2) == 0 ? mpq_class(0) : coefficient(4), coefficient(6), coefficient(8)};
            if (pick(0, 5) == 0) g[0] = f[0];  // the same a: a line is left
            if (pick(0, 30) == 0) g = f;       // the same graph
            const QString text = "y = " + polynomial(f[0], f[1], f[2]) + ", y = " + polynomial(g[0], g[1], g[2]);
            const QString answer = solvedAnswer(text);
            const mpq_class a = f[0] - g[0], b = f[1] - g[1], c = f[2] - g[2];
            const mpq_class delta = b * b - 4 * a * c;
            const int expected = a != 0 ? (delta > 0 ? 2 : delta == 0 ? 1 : 0) : b != 0 ? 1 : c == 0 ? 3 : 0;
            ++counts[expected];
            if (expected == 3) {
                QVERIFY2(answer == QStringLiteral("Odpowiedź: wykresy pokrywają się."), qPrintable(text + "\n" + answer));
                continue;
            }
            if (expected == 0) {
                QVERIFY2(answer == QStringLiteral("Odpowiedź: wykresy nie mają punktów wspólnych."), qPrintable(text + "\n" + answer));
                continue;
            }
            const QString list = answer.section(QStringLiteral(": "), 2);
            const QStringList points = list.split(QStringLiteral(" i "));
            QVERIFY2(points.size() == expected && points.value(0) != points.value(1), qPrintable(text + "\n" + answer));
            for (const QString& point : points) {
                const Surd x = surdOf(point.mid(1).section(QStringLiteral("; "), 0, 0));
                const Surd y = surdOf(point.section(QStringLiteral("; "), 1).chopped(1));
                for (const auto& h : {f, g}) {
                    const Surd value = valueAt(h[0], h[1], h[2], x);
                    const bool same = value.u == y.u && (value.v == 0 ? y.v == 0 : value.v == y.v && x.m == y.m);
                    QVERIFY2(same, qPrintable(text + "\n" + answer + "\n" + point));
                }
            }
        }
        // Every shape came up often enough to count.
        for (const int count : counts) QVERIFY2(count > 30, qPrintable(QString::number(count)));
    }

    // A generated function and conditions it meets, of each kind school
    // gives; the answered function must be it: the conditions fix it.
    void conditionsGiveTheirFunction() {
        std::mt19937 random(20261211);
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        const auto small = [&](int reach) {
            mpq_class q(pick(-reach, reach), pick(1, 2));
            q.canonicalize();
            return q;
        };
        for (int i = 0; i < 1500; ++i) {
            mpq_class a = small(3);
            if (a == 0) a = -2;
            const mpq_class r1 = small(5), r2 = r1 + pick(1, 6), p = small(5), q = small(8);
            const int kind = pick(0, 6);
            // Kinds 1 and 4 by their zeros, the others by their vertex.
            const bool byZeros = kind == 1 || kind == 4;
            const mpq_class c2 = a, c1 = byZeros ? mpq_class(-a * (r1 + r2)) : mpq_class(-2 * a * p),
                            c0 = byZeros ? mpq_class(a * r1 * r2) : mpq_class(a * p * p + q);
            const auto f = [&](const mpq_class& x) -> mpq_class { return (c2 * x + c1) * x + c0; };
            const mpq_class vertex = -c1 / (2 * c2);
            // Arguments away from the vertex and from each other's mirror image.
            std::vector<mpq_class> xs;
            while (xs.size() < 3) {
                const mpq_class x = small(6);
                if (x == vertex || std::any_of(xs.begin(), xs.end(), [&](const mpq_class& y) { return y == x || x + y == 2 * vertex; })) continue;
                if (byZeros && (x == r1 || x == r2)) continue;
                xs.push_back(x);
            }
            const auto point = [&](const mpq_class& x) { return "f(" + typed(x) + ") = " + typed(f(x)); };
            QString text;
            switch (kind) {
            case 0: text = "W = (" + typed(p) + "; " + typed(q) + "), " + point(xs[0]); break;
            case 1: text = "miejsca zerowe " + typed(r1) + " i " + typed(r2) + ", " + point(xs[0]); break;
            case 2: text = point(xs[0]) + ", " + point(xs[1]) + ", " + point(xs[2]); break;
            case 3: text = "oś symetrii x = " + typed(p) + ", " + point(xs[0]) + ", " + point(xs[1]); break;
            case 4: text = "f(x) = a(x - (" + typed(r1) + "))(x - (" + typed(r2) + ")), " + point(xs[0]); break;
            case 5: text = "f(x) = (" + typed(a) + ")x^2 + bx + c, oś symetrii x = " + typed(p) + ", " + point(xs[0]); break;
            default:
                text = "ZW = " + (a > 0 ? "<" + typed(q) + "; +∞)" : "(-∞; " + typed(q) + ">") + ", oś symetrii x = " +
                       typed(p) + ", " + point(xs[0]);
            }
            const QString answer = solvedAnswer(text);
            QVERIFY2(answer.startsWith(QStringLiteral("Odpowiedź: f(x) = ")), qPrintable(text + "\n" + answer));
            const std::array<mpq_class, 3> found = generalForm(answer.mid(18));
            QVERIFY2(found[2] == c2 && found[1] == c1 && found[0] == c0, qPrintable(text + "\n" + answer));
        }
    }
};

QTEST_APPLESS_MAIN(TwoFormulasTest)
#include "tst_twoformulas.moc"
