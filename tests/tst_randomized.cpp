#include <QtTest>

#include <gmpxx.h>

#include <charconv>
#include <set>

#include "TextGenerator.h"
#include "KnownMessages.h"
#include "solver/Calculation.h"

using solver::CalculationMessage;
using solver::CalculationResult;
using solver::SolutionState;

namespace {

double shown(const std::string& line, std::size_t prefixLength) {
    double value = 0;
    const char* start = line.data() + prefixLength;
    if (*start == ' ') ++start;
    const auto parsed = std::from_chars(start, line.data() + line.size(), value);
    if (parsed.ec != std::errc() || parsed.ptr != line.data() + line.size()) {
        qFatal("unreadable result line '%s'", line.c_str());
    }
    return value;
}

// Within a relative tolerance of the reference; a zero must be shown as zero.
bool agrees(double value, const mpf_class& reference, double tolerance) {
    if (reference == 0) return value == 0;
    const mpf_class error = abs(mpf_class(value, 256) - reference);
    return error <= abs(reference) * tolerance;
}


}  // namespace

class RandomizedTest : public QObject {
    Q_OBJECT

private slots:
    // Short decimals against an exact rational reference, with the zeros
    // taken to 256 bits.
    void knownNumbersAgreeWithTheReference() {
        Generator generate(20261208);
        const SolutionState previous{1, 2, 3, 4, 5, 6, 7};
        int negative = 0, single = 0, two = 0;
        for (int cases = 0; cases < 60'000; ++cases) {
            const Known a = generate.number(), b = generate.number(), c = generate.number();
            const auto outcome = solver::Calculate(a.text, b.text, c.text, previous);
            const std::string what = a.text + " | " + b.text + " | " + c.text;
            QVERIFY2(std::holds_alternative<CalculationResult>(outcome), what.c_str());
            const auto& [state, lines] = std::get<CalculationResult>(outcome);

            const mpq_class delta = b.exact() * b.exact() - 4 * a.exact() * c.exact();
            QVERIFY2(agrees(shown(lines.delta, 13), mpf_class(delta, 256), 1e-14), what.c_str());
            if (sgn(delta) < 0) {
                ++negative;
                QCOMPARE(lines.x1, std::string("Delta mniejsza od zera"));
                QVERIFY(state.x0 == previous.x0 && state.x1 == previous.x1 && state.x2 == previous.x2);
            } else if (sgn(delta) == 0) {
                ++single;
                QCOMPARE(lines.x1, std::string("Funkcja posiada jedno miejsce zerowe"));
                const mpq_class x0 = -b.exact() / (2 * a.exact());
                QVERIFY2(agrees(shown(lines.x2, 5), mpf_class(x0, 256), 1e-14), what.c_str());
                QVERIFY(state.x1 == previous.x1);
            } else {
                ++two;
                mpf_class root(delta, 256);
                root = sqrt(root);
                const mpf_class twiceA(2 * a.exact(), 256), minusB(-b.exact(), 256);
                const mpf_class x1 = (minusB - root) / twiceA, x2 = (minusB + root) / twiceA;
                QVERIFY2(agrees(shown(lines.x1, 5), x1, 1e-14), what.c_str());
                QVERIFY2(agrees(shown(lines.x2, 5), x2, 6e-7), what.c_str());
                QVERIFY(state.x0 == previous.x0);
            }
        }
        // The generator reaches each of the three cases; one zero is rare by chance.
        QVERIFY(negative > 1000 && single > 0 && two > 1000);
    }

    // Whatever is typed: a message that leaves everything, or a complete result.
    void anyTextGivesAMessageOrAResult() {
        Generator generate(8122026);
        const SolutionState previous{1, 2, 3, 4, 5, 6, 7};
        int results = 0, messages = 0;
        for (int cases = 0; cases < 40'000; ++cases) {
            const std::string a = generate.anything(), b = generate.anything(), c = generate.anything();
            const auto outcome = solver::Calculate(a, b, c, previous);
            if (const auto* message = std::get_if<CalculationMessage>(&outcome)) {
                QVERIFY2(knownMessages.count(message->text), message->text.c_str());
                ++messages;
                continue;
            }
            ++results;
            const auto& [state, lines] = std::get<CalculationResult>(outcome);
            QVERIFY(std::isfinite(state.delta) && state.a != 0);
            QVERIFY(lines.delta.rfind("Delta wynosi ", 0) == 0);
            QVERIFY(!lines.x1.empty() && !lines.x2.empty());
            for (const std::string& line : {lines.delta, lines.x1, lines.x2}) {
                QVERIFY2(!line.ends_with(" -0"), line.c_str());
            }
        }
        QVERIFY(results > 1000 && messages > 1000);  // the generator reaches both branches
    }
};

QTEST_APPLESS_MAIN(RandomizedTest)
#include "tst_randomized.moc"
