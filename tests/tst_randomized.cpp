#include <QtTest>

#include <gmpxx.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <optional>
#include <set>

#include "TextGenerator.h"
#include "KnownMessages.h"
#include "solver/Calculation.h"
#include "solver/NumberText.h"

using solver::CalculationMessage;
using solver::CalculationResult;
using solver::SolutionState;

namespace {

mpq_class powerOfTen(long k) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(k < 0 ? -k : k));
    return k < 0 ? mpq_class(1) / mpq_class(power) : mpq_class(power);
}

// The text the window shows, by the C library's own %G: a decimal of at
// most 15 significant digits comes back whole from its nearest double
// (within the normal range, where the generated numbers lie).
std::string textOf(bool negative, const mpz_class& mantissa, long lastExponent, int digits) {
    const std::string decimal = (negative ? "-" : "") + mantissa.get_str() + "e" + std::to_string(lastExponent);
    const double value = std::strtod(decimal.c_str(), nullptr);
    if (!std::isnormal(value)) qFatal("%s lies outside the normal doubles", decimal.c_str());
    char text[64];
    std::snprintf(text, sizeof text, "% .*G", digits, value);
    return text;
}

// A rational at DIGITS significant digits, rounded half to even by long
// division.
std::string referenceText(mpq_class q, int digits) {
    if (q == 0) return " 0";
    const bool negative = q < 0;
    q = abs(q);
    long e = long(mpz_sizeinbase(q.get_num_mpz_t(), 10)) - long(mpz_sizeinbase(q.get_den_mpz_t(), 10));
    while (q >= powerOfTen(e + 1)) ++e;
    while (q < powerOfTen(e)) --e;
    const mpq_class scaled = q * powerOfTen(digits - 1 - e);
    mpz_class mantissa = scaled.get_num() / scaled.get_den();
    const int half = cmp(scaled - mpq_class(mantissa), mpq_class(1, 2));
    if (half > 0 || (half == 0 && mpz_odd_p(mantissa.get_mpz_t()))) ++mantissa;
    if (mantissa == powerOfTen(digits).get_num()) {
        mantissa /= 10;
        ++e;
    }
    return textOf(negative, mantissa, e - (digits - 1), digits);
}

// An irrational (which is never a tie) from 40 digits more; none where those
// lie too close to a tie to tell which way it goes.
std::optional<std::string> referenceText(const mpf_class& value, int digits) {
    mp_exp_t exponent = 0;
    std::string all = mpf_class(abs(value)).get_str(exponent, 10, digits + 40);
    all.resize(std::size_t(digits) + 40, '0');
    const std::string next30 = all.substr(std::size_t(digits) + 1, 30);
    const char first = all[std::size_t(digits)];
    if ((first == '5' && next30 == std::string(30, '0')) || (first == '4' && next30 == std::string(30, '9'))) {
        return std::nullopt;
    }
    mpz_class mantissa(all.substr(0, std::size_t(digits)));
    if (first >= '5') ++mantissa;
    if (int(mantissa.get_str().size()) > digits) {
        mantissa /= 10;
        ++exponent;
    }
    return textOf(value < 0, mantissa, long(exponent) - digits, digits);
}

// The square root of a rational that is a square, else none.
std::optional<mpq_class> exactRoot(const mpq_class& q) {
    if (!mpz_perfect_square_p(q.get_num_mpz_t()) || !mpz_perfect_square_p(q.get_den_mpz_t())) {
        return std::nullopt;
    }
    return mpq_class(sqrt(q.get_num()), sqrt(q.get_den()));
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
        int negative = 0, single = 0, two = 0, undecided = 0;
        for (int cases = 0; cases < 60'000; ++cases) {
            const Known a = generate.number(), b = generate.number(), c = generate.number();
            const auto outcome = solver::Calculate(a.text, b.text, c.text, previous);
            const std::string what = a.text + " | " + b.text + " | " + c.text;
            QVERIFY2(std::holds_alternative<CalculationResult>(outcome), what.c_str());
            const auto& [state, lines, exact] = std::get<CalculationResult>(outcome);

            const mpq_class delta = b.exact() * b.exact() - 4 * a.exact() * c.exact();
            QVERIFY2(lines.delta.substr(13) == referenceText(delta, 15), what.c_str());
            if (sgn(delta) < 0) {
                ++negative;
                QCOMPARE(lines.x1, std::string("Delta mniejsza od zera"));
                QVERIFY(state.x0 == previous.x0 && state.x1 == previous.x1 && state.x2 == previous.x2);
            } else if (sgn(delta) == 0) {
                ++single;
                QCOMPARE(lines.x1, std::string("Funkcja posiada jedno miejsce zerowe"));
                const mpq_class x0 = -b.exact() / (2 * a.exact());
                QVERIFY2(lines.x2.substr(5) == referenceText(x0, 15), what.c_str());
                QVERIFY(state.x1 == previous.x1);
            } else {
                ++two;
                const mpq_class twiceA = 2 * a.exact(), minusB = -b.exact();
                std::optional<std::string> x1, x2;
                if (const auto exact = exactRoot(delta)) {
                    x1 = referenceText(mpq_class((minusB - *exact) / twiceA), 15);
                    x2 = referenceText(mpq_class((minusB + *exact) / twiceA), 7);
                } else {
                    const mpf_class root = sqrt(mpf_class(delta, 1024));
                    const mpf_class wideA(twiceA, 1024), wideB(minusB, 1024);
                    x1 = referenceText(mpf_class((wideB - root) / wideA), 15);
                    x2 = referenceText(mpf_class((wideB + root) / wideA), 7);
                }
                undecided += !x1 + !x2;
                QVERIFY2(!x1 || lines.x1.substr(5) == *x1, what.c_str());
                QVERIFY2(!x2 || lines.x2.substr(5) == *x2, what.c_str());
                QVERIFY(state.x0 == previous.x0);
            }
        }
        // The generator reaches each of the three cases; one zero is rare by chance.
        QVERIFY(negative > 1000 && single > 0 && two > 1000);
        QVERIFY2(undecided < 10, qPrintable(QString::number(undecided)));  // near-ties are rare
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
            const auto& [state, lines, exact] = std::get<CalculationResult>(outcome);
            QVERIFY(std::isfinite(state.delta) && state.a != 0);
            QVERIFY(lines.delta.rfind("Delta wynosi ", 0) == 0);
            // The zero lines of the case the stored delta's sign names.
            const std::string zeros = lines.x1.substr(0, 5) + "|" + lines.x2.substr(0, 5);
            QVERIFY2(zeros == (state.delta < 0 ? "Delta|Brak " : state.delta == 0 ? "Funkc|Xo = " : "X1 = |X2 = "),
                     zeros.c_str());
            for (const std::string& line : {lines.delta, lines.x1, lines.x2}) {
                QVERIFY2(!line.ends_with(" -0"), line.c_str());
            }
        }
        QVERIFY(results > 1000 && messages > 1000);  // the generator reaches both branches
    }
};

QTEST_APPLESS_MAIN(RandomizedTest)
#include "tst_randomized.moc"
