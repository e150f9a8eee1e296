#include <QtTest>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>

#include "solver/ExactReal.h"

using solver::ExactRational;
using solver::NearestDouble;

namespace {

ExactRational fromText(const std::string& text) {
    return solver::ExactValue(solver::ReadNumber(text).number);
}

ExactRational overPowerOfTwo(const mpz_class& num, unsigned long power) {
    mpz_class den;
    mpz_ui_pow_ui(den.get_mpz_t(), 2, power);
    return {num, den};
}

constexpr double infinity = std::numeric_limits<double>::infinity();

}  // namespace

class ExactRationalTest : public QObject {
    Q_OBJECT

private slots:
    // The standard library's reading is correctly rounded: an independent check.
    void agreesWithLibraryReading() {
        std::mt19937_64 random(20261208);
        std::uniform_int_distribution<int> digitCount(1, 40);
        std::uniform_int_distribution<int> digit(0, 9);
        std::uniform_int_distribution<int> exponent(-330, 310);
        for (int i = 0; i < 20000; ++i) {
            std::string text(digitCount(random), '0');
            for (char& ch : text) ch = char('0' + digit(random));
            text += "e" + std::to_string(exponent(random));
            double expected = 0;
            const auto parsed = std::from_chars(text.data(), text.data() + text.size(), expected);
            if (parsed.ec != std::errc()) continue;
            const double nearest = NearestDouble(fromText(text));
            QVERIFY2(nearest == expected, text.c_str());
        }
    }

    void roundsAtTheEdges_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("expected");
        QTest::newRow("largest double") << "max" << std::numeric_limits<double>::max();
        QTest::newRow("halfway past the largest goes to infinity") << "overMax" << infinity;
        QTest::newRow("just under halfway stays") << "underOverMax" << std::numeric_limits<double>::max();
        QTest::newRow("half the least denormal ties to zero") << "halfDenormal" << 0.0;
        QTest::newRow("three quarters of it rounds up") << "threeQuartersDenormal"
                                                         << std::numeric_limits<double>::denorm_min();
        QTest::newRow("tie to even below") << "tieDown" << 9007199254740992.0;
        QTest::newRow("tie to even above") << "tieUp" << 9007199254740996.0;
        QTest::newRow("negative tenth") << "minusTenth" << -0.1;
        QTest::newRow("unreduced fraction") << "unreduced" << 0.5;
    }

    void roundsAtTheEdges() {
        QFETCH(QString, name);
        QFETCH(double, expected);
        mpz_class maxNum;  // (2^53 - 1) * 2^971 is the largest double
        mpz_ui_pow_ui(maxNum.get_mpz_t(), 2, 53);
        maxNum = (maxNum - 1) << 971;
        mpz_class halfUlp;
        mpz_ui_pow_ui(halfUlp.get_mpz_t(), 2, 970);
        const std::map<QString, ExactRational> values{
            {"max", {maxNum, 1}},
            {"overMax", {maxNum + halfUlp, 1}},
            {"underOverMax", {maxNum + halfUlp - 1, 1}},
            {"halfDenormal", overPowerOfTwo(1, 1075)},
            {"threeQuartersDenormal", overPowerOfTwo(3, 1076)},
            {"tieDown", {mpz_class("9007199254740993"), 1}},
            {"tieUp", {mpz_class("9007199254740995"), 1}},
            {"minusTenth", {-1, 10}},
            {"unreduced", {mpz_class("123456789123456789"), mpz_class("246913578246913578")}},
        };
        QCOMPARE(NearestDouble(values.at(name)), expected);
    }

    void arithmeticStaysExact() {
        // 0.2 * 0.2 - 4 * 0.01 is exactly zero, unlike in doubles.
        const ExactRational b = fromText("0.2"), c = fromText("0.01");
        QCOMPARE((b * b - solver::ExactValue(4) * c).sign(), 0);
        const ExactRational quotient = fromText("-1") / fromText("-0.5");
        QCOMPARE(NearestDouble(quotient), 2.0);
    }
};

QTEST_APPLESS_MAIN(ExactRationalTest)
#include "tst_exactrational.moc"
