#include <QtTest>

#include <cmath>

#include "solver/Calculation.h"

using solver::CalculationMessage;
using solver::CalculationResult;
using solver::Coefficient;
using solver::SolutionState;

Q_DECLARE_METATYPE(Coefficient)

namespace {

// Distinct values, so that any field a calculation touches shows.
const SolutionState earlier{11, 12, 13, 14, 15, 16, 17};

solver::CalculationOutcome calculate(const QString& a, const QString& b, const QString& c) {
    return solver::Calculate(a.toStdString(), b.toStdString(), c.toStdString(), earlier);
}

const char* const noZeros = "Delta mniejsza od zera";
const char* const oneZero = "Funkcja posiada jedno miejsce zerowe";

}  // namespace

class CalculationTest : public QObject {
    Q_OBJECT

private slots:
    void resultLines_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("delta");
        QTest::addColumn<QString>("x1");
        QTest::addColumn<QString>("x2");

        QTest::newRow("two zeros") << "1" << "-3" << "2" << "Delta wynosi  1" << "X1 =  1" << "X2 =  2";
        QTest::newRow("one zero") << "1" << "2" << "1" << "Delta wynosi  0" << oneZero << "Xo = -1";
        QTest::newRow("one zero, scaled") << "2" << "4" << "2" << "Delta wynosi  0" << oneZero << "Xo = -1";
        QTest::newRow("no zeros") << "1" << "0" << "1" << "Delta wynosi -4" << noZeros << "Brak miejsc zeowych";
        QTest::newRow("empty b and c read as 0, no minus on the zero")
            << "1" << "" << "" << "Delta wynosi  0" << oneZero << "Xo =  0";
        QTest::newRow("blank b and c") << "1" << "  " << "\t" << "Delta wynosi  0" << oneZero << "Xo =  0";
        QTest::newRow("15 digits for x1, 7 for x2")
            << "1" << "0" << "-2" << "Delta wynosi  8" << "X1 = -1.4142135623731" << "X2 =  1.414214";
        QTest::newRow("exact square of a decimal")
            << "1" << "0.2" << "0.01" << "Delta wynosi  0" << oneZero << "Xo = -0.1";
        QTest::newRow("exact square whose float delta is negative")
            << "1" << "1.4" << "0.49" << "Delta wynosi  0" << oneZero << "Xo = -0.7";
        QTest::newRow("decimal commas")
            << "1,5" << "3" << "1,5" << "Delta wynosi  0" << oneZero << "Xo = -1";
        QTest::newRow("exponent forms")
            << "1E0" << "-3e+0" << "200e-2" << "Delta wynosi  1" << "X1 =  1" << "X2 =  2";
        QTest::newRow("signs and blanks")
            << " +1 " << " -3" << "+2 " << "Delta wynosi  1" << "X1 =  1" << "X2 =  2";
        QTest::newRow("negative a")
            << "-1" << "0" << "4" << "Delta wynosi  16" << "X1 =  2" << "X2 = -2";
        QTest::newRow("zero constant")
            << "1" << "-5" << "0" << "Delta wynosi  25" << "X1 =  0" << "X2 =  5";
        QTest::newRow("no cancellation in the small zero")
            << "1" << "100000000" << "1" << "Delta wynosi  1E+16"
            << "X1 = -100000000" << "X2 = -1E-08";
        QTest::newRow("large coefficients")
            << "1E+15" << "-3E+15" << "2E+15" << "Delta wynosi  1E+30" << "X1 =  1" << "X2 =  2";
        // Every digit shown is the exact value's, correctly rounded.
        QTest::newRow("delta's 15th digit")
            << "5.300e-13" << "-70,8598" << "-95667809" << "Delta wynosi  5021.11145885576"
            << "X1 = -1350099.88786212" << "X2 =  1.336977E+14";
        QTest::newRow("x1's 15th digit")
            << "-8,599" << "82162675" << "-13" << "Delta wynosi  6.75070516315518E+15"
            << "X1 =  9554910.45470388" << "X2 =  1.582227E-07";
        QTest::newRow("x2's 7th digit") << "-10" << "11" << "12" << "Delta wynosi  601"
                                        << "X1 =  1.77576506721313" << "X2 = -0.6757651";
        // Just past a halfway point, where only the exact comparison can tell,
        // and x0 = -b/2a with a < 0 (a quotient whose sign is kept).
        QTest::newRow("x0 just above halfway, a < 0")
            << "-1" << "2.0000000000000100000000000000000000000000000000000000000000000000000002"
            << "-1.000000000000010000000000000025000000000000000000000000000000000000000200000000000001000"
               "00000000000000000000000000000000000000000000000000001"
            << "Delta wynosi  0" << oneZero << "Xo =  1.00000000000001";
        QTest::newRow("x2 halfway at the 7th digit, to even")
            << "1" << "-126.45675" << "370.37025" << "Delta wynosi  14509.8286205625"
            << "X1 =  3" << "X2 =  123.4568";
        QTest::newRow("halfway, carried into the next power of ten")
            << "1" << "-12.9999995" << "29.9999985" << "Delta wynosi  48.9999930000002"
            << "X1 =  3" << "X2 =  10";
        QTest::newRow("x1 halfway at the 15th digit, to even")
            << "1" << "-1.1000000000000005" << "0.1000000000000005"
            << "Delta wynosi  0.809999999999999" << "X1 =  0.1" << "X2 =  1";
        // The same above 10³⁰: x² − (S² + ε) with S halfway between two
        // values shown, S² exact and ε far below what 256 bits of S resolve.
        const auto nearTie = [](const char* row, const char* c, const char* delta, const char* x1, const char* x2) {
            QTest::newRow(row) << "1" << "0" << c << QString("Delta wynosi  ") + delta << QString("X1 = ") + x1
                               << QString("X2 =  ") + x2;
        };
        nearTie("x1 just above halfway, 1,35 · 10³⁷",
                "-182850658841523903447889546022500000000000000000000000000000000000000000000."
                "000000000000000000000000000000000000000000000000000000000001",
                "7.31402635366096E+74", "-1.35222283238202E+37", "1.352223E+37");
        nearTie("x1 just above halfway, 4,5 · 10³⁷",
                "-2058420475775902721098093714802500000000000000000000000000000000000000000000."
                "000000000000000000000000000000000000000000000000000000000001",
                "8.23368190310361E+75", "-4.53698189965081E+37", "4.536982E+37");
        nearTie("x1 just above halfway, 6,6 · 10³⁷",
                "-4345542574362953776545292395422500000000000000000000000000000000000000000000."
                "000000000000000000000000000000000000000000000000000000000001",
                "1.73821702974518E+76", "-6.59207294738382E+37", "6.592073E+37");
        QTest::newRow("huge delta, a second zero below the float range")
            << "1" << "1e154" << "1" << "Delta wynosi  1E+308" << "X1 = -1E+154" << "X2 = -1E-154";
        QTest::newRow("tiny delta") << "1" << "1e-160" << "0" << "Delta wynosi  1E-320"
                                    << "X1 = -1E-160" << "X2 =  0";
        QTest::newRow("fractions read exactly: (x/3 + 1)^2")
            << "1/9" << "2/3" << "1" << "Delta wynosi  0" << oneZero << "Xo = -3";
        QTest::newRow("as pasted") << "\u00a01\u200b" << "\u22123" << "2\n"
                                   << "Delta wynosi  1" << "X1 =  1" << "X2 =  2";
    }

    void resultLines() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        const auto outcome = calculate(a, b, c);
        QVERIFY(std::holds_alternative<CalculationResult>(outcome));
        const auto& lines = std::get<CalculationResult>(outcome).lines;
        QTEST(QString::fromStdString(lines.delta), "delta");
        QTEST(QString::fromStdString(lines.x1), "x1");
        QTEST(QString::fromStdString(lines.x2), "x2");
    }

    void messages_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("focuses");
        QTest::addColumn<Coefficient>("focus");

        const auto A = Coefficient::A, B = Coefficient::B, C = Coefficient::C;
        QTest::newRow("empty a") << "" << "1" << "1" << "Podaj parametr a funkcji" << true << A;
        QTest::newRow("blank a") << "   " << "x" << "1" << "Podaj parametr a funkcji" << true << A;
        QTest::newRow("a not a number") << "abc" << "1" << "1" << "Parametr a musi być liczbą" << true << A;
        QTest::newRow("b not a number") << "1" << "1.2.3" << "1" << "Parametr b musi być liczbą" << true << B;
        QTest::newRow("c not a number") << "1" << "2" << "1,2,3" << "Parametr c musi być liczbą" << true << C;
        QTest::newRow("first offending box wins") << "1" << "b" << "c" << "Parametr b musi być liczbą" << true << B;
        QTest::newRow("a zero") << "0" << "1" << "1" << "Parametr a musi być różny od zera" << true << A;
        QTest::newRow("a negative zero in exponent form")
            << "-0,0e5" << "1" << "1" << "Parametr a musi być różny od zera" << true << A;
        QTest::newRow("a zero before b's fault") << "0" << "x" << "1" << "Parametr a musi być różny od zera" << true << A;
        QTest::newRow("a too large") << "1e400" << "1" << "1" << "Parametr a jest poza zakresem liczb" << true << A;
        QTest::newRow("b too small") << "1" << "1e-400" << "1" << "Parametr b jest poza zakresem liczb" << true << B;
        QTest::newRow("c too large, negative") << "1" << "1" << "-2e308" << "Parametr c jest poza zakresem liczb" << true << C;
        QTest::newRow("huge exponent") << "1e999999999999999999" << "1" << "1" << "Parametr a jest poza zakresem liczb" << true << A;
        QTest::newRow("delta beyond doubles") << "1" << "1e200" << "0" << "Wynik jest poza zakresem liczb" << false << A;
        QTest::newRow("delta too small for doubles") << "1e-200" << "1e-200" << "0" << "Wynik jest poza zakresem liczb" << false << A;
        QTest::newRow("x0 beyond doubles") << "1e-319" << "2e-10" << "1e299" << "Wynik jest poza zakresem liczb" << false << A;
        QTest::newRow("x2 beyond floats") << "1" << "-1e39" << "0" << "Wynik jest poza zakresem liczb" << false << A;
        QTest::newRow("zero denominator") << "1" << "1/0" << "1" << "Parametr b musi być liczbą" << true << B;
        QTest::newRow("a fraction of zero") << "0/5" << "1" << "1" << "Parametr a musi być różny od zera" << true << A;
        QTest::newRow("a fraction beyond doubles")
            << "1" << "1" << "1" + QString(300, '0') + "/0,000000000000000000001"
            << "Parametr c jest poza zakresem liczb" << true << C;
    }

    void messages() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QString, message);
        QFETCH(bool, focuses);
        QFETCH(Coefficient, focus);
        const auto outcome = calculate(a, b, c);
        QVERIFY(std::holds_alternative<CalculationMessage>(outcome));
        const auto& shown = std::get<CalculationMessage>(outcome);
        QCOMPARE(QString::fromStdString(shown.text), message);
        QCOMPARE(shown.focus.has_value(), focuses);
        if (focuses) QCOMPARE(*shown.focus, focus);
    }

    void fieldsWrittenByCase_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<SolutionState>("expected");
        QTest::newRow("no zeros keeps the old ones")
            << "1" << "0" << "1" << SolutionState{1, 0, 1, -4, 15, 16, 17};
        QTest::newRow("one zero writes x0 only")
            << "1" << "2" << "1" << SolutionState{1, 2, 1, 0, -1, 16, 17};
        QTest::newRow("two zeros write x1 and x2")
            << "1" << "-3" << "2" << SolutionState{1, -3, 2, 1, 15, 1, 2};
        QTest::newRow("nearest doubles of the decimals")
            << "0.1" << "0" << "-0.4" << SolutionState{0.1, 0, -0.4, 0.16, 15, -2, 2};
        // x2 = 1 + 2^-24 + 2^-60, just above halfway between two floats: its
        // nearest double is that halfway point, which would round to 1.
        QTest::newRow("x2 rounded once, to the float above")
            << "1" << "-1.000000059604644776257986737988403547205962240695953369140625" << "0"
            << SolutionState{1, -(1 + 0x1p-24), 0, 1 + 0x1p-23 + 0x1p-48, 15, 0, std::nextafter(1.0f, 2.0f)};
    }

    void fieldsWrittenByCase() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(SolutionState, expected);
        const auto outcome = calculate(a, b, c);
        QVERIFY(std::holds_alternative<CalculationResult>(outcome));
        const SolutionState& state = std::get<CalculationResult>(outcome).state;
        // Exactly: QCOMPARE would take floats a few units apart as equal.
        const auto same = [](auto x, auto y) { return x == y; };
        QVERIFY(same(state.a, expected.a) && same(state.b, expected.b) && same(state.c, expected.c));
        QVERIFY(same(state.delta, expected.delta) && same(state.x0, expected.x0));
        QVERIFY(same(state.x1, expected.x1) && same(state.x2, expected.x2));
    }

    void smallZeroIsAccurate() {
        const auto outcome = calculate("1", "100000000", "1");
        const SolutionState& state = std::get<CalculationResult>(outcome).state;
        // The zeros are -1e8 + 1e-8 and -1e-8 (to a part in 1e16): x1 is the
        // double just above -1e8, which lies 0.49e-8 from it.
        QCOMPARE(state.x1, std::nextafter(-1e8, 0.0));
        QCOMPARE(state.x2, -1e-8f);  // the textbook formula gives -7.45e-09
    }

    void negativeZeroIsStoredButNotShown() {
        const auto outcome = calculate("1", "", "");
        const auto& result = std::get<CalculationResult>(outcome);
        QVERIFY(result.state.x0 == 0 && std::signbit(result.state.x0));  // -0 / (2 * 1)
        QCOMPARE(QString::fromStdString(result.lines.x2), QStringLiteral("Xo =  0"));
    }

    void megabyteTexts() {
        const QString longNumber = "1." + QString(1'000'000, '0') + "1";
        auto outcome = calculate(longNumber, "-2", "1");
        // The exact delta is 4e-1000001 - a tiny positive number that a double
        // can only hold as 0: the result does not fit.
        QVERIFY(std::holds_alternative<CalculationMessage>(outcome));
        QCOMPARE(QString::fromStdString(std::get<CalculationMessage>(outcome).text),
                 QStringLiteral("Wynik jest poza zakresem liczb"));

        outcome = calculate(longNumber, "-3", "2");
        QVERIFY(std::holds_alternative<CalculationResult>(outcome));
        QCOMPARE(QString::fromStdString(std::get<CalculationResult>(outcome).lines.delta),
                 QStringLiteral("Delta wynosi  1"));

        outcome = calculate("1", QString(1'000'000, 'x'), "1");
        QCOMPARE(QString::fromStdString(std::get<CalculationMessage>(outcome).text),
                 QStringLiteral("Parametr b musi być liczbą"));
    }
};

QTEST_APPLESS_MAIN(CalculationTest)
#include "tst_calculation.moc"
