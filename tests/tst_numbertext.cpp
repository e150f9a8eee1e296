#include <QtTest>

#include <clocale>
#include <limits>

#include "solution/SchoolNotation.h"
#include "solver/ExactReal.h"
#include "solver/NumberText.h"

using solver::ReadNumber;
using solver::ReadStatus;
using solver::DecimalNumber;
using solver::ReadResult;

class NumberTextTest : public QObject {
    Q_OBJECT

private slots:
    // Under Polish settings printf and strtod would use the comma.
    void initTestCase() { std::setlocale(LC_ALL, "pl_PL.UTF-8"); }

    void megabyteOfDigitsIsOneNumber() {
        const std::string text = "1." + std::string(1'000'000, '0') + "1";
        const auto read = ReadNumber(text);
        QCOMPARE(read.status, ReadStatus::Number);
        QCOMPARE(read.number.digits.size(), std::size_t(1'000'002));
        QCOMPARE(read.number.magnitude(), std::int64_t(0));
    }

    // As typed, as pasted from a textbook or a web page, and the near misses.
    void reads_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");  // digits e exponent [/ digits e exponent], "-" or "blank"
        QTest::newRow("integer") << "12" << "12e0";
        QTest::newRow("decimal point") << "1.5" << "15e-1";
        QTest::newRow("decimal comma") << "1,5" << "15e-1";
        QTest::newRow("plus sign") << "+3" << "3e0";
        QTest::newRow("minus") << "-0.25" << "-25e-2";
        QTest::newRow("blanks around") << "  \t7 \t" << "7e0";
        QTest::newRow("leading point") << ".5" << "5e-1";
        QTest::newRow("trailing comma") << "5," << "5e0";
        QTest::newRow("exponent") << "1E+15" << "1e15";
        QTest::newRow("small exponent") << "2,5e-3" << "25e-4";
        QTest::newRow("zeros dropped") << "00120.0300" << "12003e-2";
        QTest::newRow("zero") << "0.000" << "e0";
        QTest::newRow("negative zero") << "-0" << "-e0";
        QTest::newRow("huge exponent saturates") << "1e99999999999999999999999" << "1e1000000000000000";
        QTest::newRow("empty") << "" << "blank";
        QTest::newRow("blanks only") << " \t " << "blank";
        for (const char* text : {"abc", "1,5,5", "1.5,5", "1..5", ".", "-", "+-1", "-+1", "--1", "1e",
                                 "1e+", "1e+-5", "1e-+5", "e5", "1 2", "1a", "0x10", "nan", "inf", "1_000",
                                 "١", "12%"}) {
            QTest::newRow(text) << QString::fromUtf8(text) << "-";
        }
        QTest::newRow("embedded NUL") << QString::fromUtf8("1\0" "2", 3) << "-";
        QTest::newRow("minus sign") << "\u22123" << "-3e0";
        QTest::newRow("en dash") << "\u20133" << "-3e0";
        QTest::newRow("minus sign in the exponent") << "2e\u22123" << "2e-3";
        QTest::newRow("no-break space after") << "2\u00a0" << "2e0";
        QTest::newRow("zero-width space") << "\u200b1\u200b" << "1e0";
        QTest::newRow("byte order mark") << "\ufeff7" << "7e0";
        QTest::newRow("closing line break") << "1\n" << "1e0";
        QTest::newRow("closing CR LF") << "1\r\n" << "1e0";
        QTest::newRow("thousands, no-break") << "1\u00a0000" << "1e3";
        QTest::newRow("thousands, narrow") << "1\u202f000" << "1e3";
        QTest::newRow("thousands, thin") << "1\u2009000" << "1e3";
        QTest::newRow("groups and a decimal comma") << "12 345 678,5" << "123456785e-1";
        QTest::newRow("a first group of three") << "123 456" << "123456e0";
        QTest::newRow("half") << "1/2" << "1e0/2e0";
        QTest::newRow("negative fraction") << "-3/4" << "-3e0/4e0";
        QTest::newRow("decimal over an integer") << "1,5/2" << "15e-1/2e0";
        QTest::newRow("group of two") << "1 00" << "-";
        QTest::newRow("two blanks") << "1  000" << "-";
        QTest::newRow("first group of four") << "1234 567" << "-";
        QTest::newRow("group of four") << "1 0000" << "-";
        QTest::newRow("group in the fraction") << "0,123 456" << "-";
        QTest::newRow("tab between groups") << "1\t000" << "-";
        QTest::newRow("zero denominator") << "1/0" << "-";
        QTest::newRow("signed denominator") << "1/-2" << "-";
        QTest::newRow("exponent over") << "1e2/2" << "-";
        QTest::newRow("exponent under") << "1/2e2" << "-";
        QTest::newRow("two minus signs") << "\u2212\u22121" << "-";
        QTest::newRow("two line breaks") << "1\n\n" << "-";
    }

    void reads() {
        QFETCH(QString, text);
        const ReadResult read = ReadNumber(text.toStdString());
        const auto spelled = [](const DecimalNumber& n) {
            return QString::fromStdString((n.negative ? "-" : "") + n.digits + "e" + std::to_string(n.exponent));
        };
        QString seen = read.status == ReadStatus::Blank ? "blank" : "-";
        if (read.status == ReadStatus::Number) {
            seen = spelled(read.number);
            if (read.denominator.digits != "1" || read.denominator.exponent != 0) seen += "/" + spelled(read.denominator);
        }
        QTEST(seen, "read");
    }

    // One rounded number in both of its dialects: the window's, as %G
    // writes it, and the school's, with a decimal comma, U+2212, digits
    // grouped by U+202F from five on and "· 10ⁿ".
    void writesBothDialects_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("school");
        const QString g = QStringLiteral("\u202f");
        QTest::newRow("negative zero") << -0.0 << 15 << " 0" << "0";
        QTest::newRow("15 digits") << 123456789012345.0 << 15 << " 123456789012345"
                                   << "123" + g + "456" + g + "789" + g + "012" + g + "345";
        QTest::newRow("four digits ungrouped") << 2000.0 << 15 << " 2000" << "2000";
        QTest::newRow("1E+15") << 1e15 << 15 << " 1E+15" << "1 · 10¹⁵";
        QTest::newRow("carry into exponent") << 999999999999999.9 << 15 << " 1E+15" << "1 · 10¹⁵";
        QTest::newRow("sqrt 2 loses its trailing zero") << 1.4142135623730951 << 15 << " 1.4142135623731"
                                                        << "1,4142135623731";
        QTest::newRow("1 - sqrt 2 at 6") << 1 - 1.4142135623730951 << 6 << "-0.414214" << "−0,414214";
        QTest::newRow("0.0001 stays fixed") << 0.0001 << 15 << " 0.0001" << "0,0001";
        QTest::newRow("2.5E-05") << 2.5e-5 << 15 << " 2.5E-05" << "2,5 · 10⁻⁵";
        QTest::newRow("negative power") << -2.5e-7 << 15 << "-2.5E-07" << "−2,5 · 10⁻⁷";
        QTest::newRow("three digit power") << 1.7976931348623157e308 << 15 << " 1.79769313486232E+308"
                                           << "1,79769313486232 · 10³⁰⁸";
        QTest::newRow("float sqrt 2 at 7") << double(1.41421356f) << 7 << " 1.414214" << "1,414214";
        QTest::newRow("float tenth at 7") << double(0.1f) << 7 << " 0.1" << "0,1";
        QTest::newRow("1E+07 at 7") << 1e7 << 7 << " 1E+07" << "1 · 10⁷";
        QTest::newRow("7 digits at 7") << 1234567.0 << 7 << " 1234567" << "1" + g + "234" + g + "567";
    }

    void writesBothDialects() {
        QFETCH(double, value);
        QFETCH(int, digits);
        const solver::DecimalNumber rounded = solver::RoundToDigits(solver::BinaryValue(value), digits);
        QTEST(QString::fromStdString(solver::DecimalToText(rounded, digits)), "window");
        QTEST(QString::fromStdString(solution::Decimal(rounded, digits).text()), "school");
    }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "tst_numbertext.moc"
