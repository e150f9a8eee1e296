#include <QtTest>

#include "chart/FittedView.h"
#include "solution/SchoolNotation.h"
#include "solution/WorkedSolution.h"
#include "solver/Calculation.h"

namespace {

chart::Parabola parabolaOf(const QString& a, const QString& b, const QString& c) {
    const auto outcome = solver::Calculate(a.toStdString(), b.toStdString(), c.toStdString(), {});
    return solution::WorkedSolution(std::get<solver::CalculationResult>(outcome).exact).graph->parabola;
}

QStringList labelsOf(const chart::AxisScale& axis) {
    std::vector<long long> multiples;
    for (long long k = axis.firstTick; k <= axis.lastTick; ++k) multiples.push_back(k * axis.mantissa);
    QStringList labels;
    for (const std::string& text : solution::TickTexts(multiples, axis.exponent)) labels << QString::fromStdString(text);
    return labels;
}

}  // namespace

// The view fitted to a parabola, against views worked out by hand: half its
// width h is the farthest of the zeros, the y axis and √|q/a| from the
// vertex (2 for y = ax²), and it shows p ± 1.25h; its height holds 0, q and
// the curve at both ends, and a tenth more either way; the ticks are the
// largest step of 1, 2 or 5 · 10ⁿ giving 5 to 10 (where none does, the one
// giving 4, the range grown by a step at each end).
class FittedViewTest : public QObject {
    Q_OBJECT

private slots:
    void fitted_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QList<double>>("range");  // x from, to; y from, to
        QTest::addColumn<QStringList>("xTicks");
        QTest::addColumn<QStringList>("yTicks");

        // h = √2, x = 1 ± 1,25√2; f there = −4 + 2 · 3,125 = 2,25; y ∈ ⟨−4; 2,25⟩ ± 0,625.
        QTest::newRow("irrational zeros") << "2" << "-4" << "-2" << QList<double>{1 - 1.25 * M_SQRT2, 1 + 1.25 * M_SQRT2, -4.625, 2.875}
            << QStringList{"−0,5", "0", "0,5", "1", "1,5", "2", "2,5"}
            << QStringList{"−4", "−3", "−2", "−1", "0", "1", "2"};
        // h = 100: f(125) = 5625; y ∈ ⟨−10000; 5625⟩ ± 1562,5. Steps of 20 would give 13, of 5000 only 4.
        QTest::newRow("zeros far apart") << "1" << "0" << "-10000" << QList<double>{-125, 125, -11562.5, 7187.5}
            << QStringList{"−100", "−50", "0", "50", "100"}
            << QStringList{"−10\u202f000", "−8000", "−6000", "−4000", "−2000", "0", "2000", "4000", "6000"};
        // h = √6: f(1,25√6) = 3 − 0,5 · 9,375 = −1,6875; y ∈ ⟨−1,6875; 3⟩ ± 0,46875.
        QTest::newRow("a < 0") << "-0,5" << "0" << "3" << QList<double>{-1.25 * std::sqrt(6), 1.25 * std::sqrt(6), -2.15625, 3.46875}
            << QStringList{"−3", "−2", "−1", "0", "1", "2", "3"}
            << QStringList{"−2", "−1", "0", "1", "2", "3"};
        // Δ < 0: h = √0,75 > |p|; f(p ± 1,25h) = 0,75 + 1,171875. Steps of 0,2 would give 10: 0,5 gives 5, fewer lines.
        QTest::newRow("Δ < 0") << "1" << "1" << "1" << QList<double>{-0.5 - 1.25 * std::sqrt(0.75), -0.5 + 1.25 * std::sqrt(0.75), -0.1921875, 2.1140625}
            << QStringList{"−1,5", "−1", "−0,5", "0", "0,5"}
            << QStringList{"0", "0,5", "1", "1,5", "2"};
        // Every point at the origin: h = 2, f(2,5) = 6,25.
        QTest::newRow("Δ = 0 at the origin") << "1" << "0" << "0" << QList<double>{-2.5, 2.5, -0.625, 6.875}
            << QStringList{"−2", "−1", "0", "1", "2"}
            << QStringList{"0", "1", "2", "3", "4", "5", "6"};
        // Points close together, W = (0; 0,0001) = (0; c): h = √0,0001; f(0,0125) = 2,5625 · 10⁻⁴. A step
        // of 5 · 10⁻⁵ puts every label of that axis in that form.
        QTest::newRow("points close together") << "1" << "0" << "0,0001" << QList<double>{-0.0125, 0.0125, -2.5625e-5, 2.81875e-4}
            << QStringList{"−0,01", "−0,005", "0", "0,005", "0,01"}
            << QStringList{"0", "5 · 10⁻⁵", "1 · 10⁻⁴", "1,5 · 10⁻⁴", "2 · 10⁻⁴", "2,5 · 10⁻⁴"};
        // h = √1000: f(1,25 · √1000) = 1,5625 − 1; steps of 0,5 would give 4.
        QTest::newRow("tiny a") << "0,001" << "0" << "-1" << QList<double>{-1.25 * std::sqrt(1000), 1.25 * std::sqrt(1000), -1.15625, 0.71875}
            << QStringList{"−30", "−20", "−10", "0", "10", "20", "30"}
            << QStringList{"−1", "−0,8", "−0,6", "−0,4", "−0,2", "0", "0,2", "0,4", "0,6"};
        // W = (10⁶; −10¹²), h = 10⁶: f at the ends = 1,5625 · 10¹² − 10¹².
        QTest::newRow("a huge vertex") << "1" << "-2000000" << "0" << QList<double>{-250000, 2250000, -1.15625e12, 7.1875e11}
            << QStringList{"0", "5 · 10⁵", "1 · 10⁶", "1,5 · 10⁶", "2 · 10⁶"}
            << QStringList{"−1 · 10¹²", "−8 · 10¹¹", "−6 · 10¹¹", "−4 · 10¹¹", "−2 · 10¹¹", "0", "2 · 10¹¹", "4 · 10¹¹", "6 · 10¹¹"};
        // Zeros 10 and 20, W = (15; −25), h = |p| = 15: f(33,75) = 18,75² − 25 = 326,5625.
        QTest::newRow("zeros far from the y axis") << "1" << "-30" << "200" << QList<double>{-3.75, 33.75, -60.15625, 361.71875}
            << QStringList{"0", "5", "10", "15", "20", "25", "30"}
            << QStringList{"−50", "0", "50", "100", "150", "200", "250", "300", "350"};
        // W = (0; 10000), h = √10000: the x axis in view though the parabola stays far above it.
        QTest::newRow("Δ < 0, far above") << "1" << "0" << "10000" << QList<double>{-125, 125, -2562.5, 28187.5}
            << QStringList{"−100", "−50", "0", "50", "100"}
            << QStringList{"0", "5000", "10\u202f000", "15\u202f000", "20\u202f000", "25\u202f000"};
        // Zeros −1,85 and 15,35, W = (6,75; −73,96), h = 8,6: x from −4 to 17,5, where steps of 2 give 11
        // and of 5 give 4, so it grows to ⟨−9; 22,5⟩; f there = 15,75² − 73,96 = 174,1025.
        QTest::newRow("no step gives 5 to 10") << "1" << "-13,5" << "-28,3975" << QList<double>{-9, 22.5, -98.76625, 198.90875}
            << QStringList{"−5", "0", "5", "10", "15", "20"}
            << QStringList{"−50", "0", "50", "100", "150"};
    }

    void fitted() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QList<double>, range);
        QFETCH(QStringList, xTicks);
        QFETCH(QStringList, yTicks);
        const auto view = chart::FitView(parabolaOf(a, b, c));
        QVERIFY(view);
        const QList<double> fitted{view->x.low, view->x.high, view->y.low, view->y.high};
        for (int i = 0; i < 4; ++i) {
            const double span = i < 2 ? range[1] - range[0] : range[3] - range[2];
            QVERIFY2(std::abs(fitted[i] - range[i]) < 1e-9 * span,
                     qPrintable(QString("%1 instead of %2").arg(fitted[i], 0, 'g', 17).arg(range[i], 0, 'g', 17)));
        }
        QCOMPARE(labelsOf(view->x), xTicks);
        QCOMPARE(labelsOf(view->y), yTicks);
    }

    // Beyond what a double draws: the chart says so instead.
    void notDrawable_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::newRow("a zero near −10³⁰⁰") << "1e-300" << "1" << "1";
        QTest::newRow("a vertex near −2,5 · 10²⁹⁹") << "1" << "1e150" << "0";
        QTest::newRow("√(q/a) of 10²⁰⁰") << "1e-200" << "0" << "1e200";
    }

    void notDrawable() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QVERIFY(!chart::FitView(parabolaOf(a, b, c)));
    }
};

QTEST_APPLESS_MAIN(FittedViewTest)
#include "tst_fittedview.moc"
