#include <QtTest>

#include <cmath>

#include "sketch/FittedView.h"

Q_DECLARE_METATYPE(sketch::Sketch)

namespace {

using sketch::Curve;
using sketch::LabelledPoint;
using sketch::Sketch;

const double sqrt5 = std::sqrt(5.0);

Sketch sketchOf(const Curve& curve, const std::optional<Curve>& other = {}) {
    Sketch sketch;
    sketch.curve = curve;
    sketch.other = other;
    return sketch;
}

// y = a(x − p)² + q as a function's chart marks it: its vertex, its zeros
// and (0; c).
Sketch function(double a, double p, double q, std::vector<double> zeros) {
    Sketch sketch = sketchOf({.a = a, .slope = 0, .p = p, .q = q});
    sketch.vertex = LabelledPoint{p, q, "W"};
    for (const double x : zeros) sketch.zeros.push_back({x, 0, "x"});
    sketch.yIntercept = LabelledPoint{0, sketch.curve.valueAt(0), ""};
    return sketch;
}

// y = slope · (x − zero), its zero marked.
Sketch line(double slope, double zero) {
    Sketch sketch = sketchOf({.a = 0, .slope = slope, .p = zero, .q = 0});
    sketch.zeros = {{zero, 0, "x"}};
    return sketch;
}

// The ticks' values, k · step from the first to the last.
QList<double> ticksOf(const sketch::AxisScale& axis) {
    QList<double> ticks;
    for (long long k = axis.firstTick; k <= axis.lastTick; ++k) ticks << axis.tick(k);
    return ticks;
}

// Every point the sketch marks lies in the view.
bool holdsItsPoints(const sketch::FittedView& view, const Sketch& s) {
    std::vector<LabelledPoint> points(s.zeros);
    points.insert(points.end(), s.commonPoints.begin(), s.commonPoints.end());
    points.insert(points.end(), s.least.begin(), s.least.end());
    points.insert(points.end(), s.greatest.begin(), s.greatest.end());
    for (const auto& p : {s.vertex, s.yIntercept}) {
        if (p) points.push_back(*p);
    }
    for (const sketch::AxisSpan& span : s.solutionSet) {
        for (const sketch::SpanEnd& end : {span.from, span.to}) {
            if (end.kind != sketch::EndKind::Infinite) points.push_back({end.at, 0, ""});
        }
    }
    return std::all_of(points.begin(), points.end(), [&](const LabelledPoint& p) {
        return p.x > view.x.low && p.x < view.x.high && p.y > view.y.low && p.y < view.y.high;
    });
}

}  // namespace

// The view fitted to a sketch, against views worked out by hand. A
// parabola's is symmetric about its axis: half its width h is the farthest
// marked point's distance from the axis, at least √|q/a|, and it shows
// p ± 1.25h; a line's holds its marked points and the origin, h half their
// reach about their middle (2 where all lie at the origin). Its height
// holds 0, every marked point and each curve at both ends and where it
// turns, and a tenth more either way; the ticks are the largest step of 1,
// 2 or 5 · 10ⁿ giving 5 to 10 (where none does, the one giving 4, the range
// grown by a step at each end).
class FittedViewTest : public QObject {
    Q_OBJECT

private slots:
    void fitted_data() {
        QTest::addColumn<Sketch>("sketch");
        QTest::addColumn<QList<double>>("range");  // x from, to; y from, to
        QTest::addColumn<QList<double>>("xTicks");
        QTest::addColumn<QList<double>>("yTicks");

        // y = 2x² − 4x − 2: h = √2, x = 1 ± 1,25√2; f there = −4 + 2 · 3,125 = 2,25; y ∈ ⟨−4; 2,25⟩ ± 0,625.
        QTest::newRow("irrational zeros") << function(2, 1, -4, {1 - M_SQRT2, 1 + M_SQRT2})
            << QList<double>{1 - 1.25 * M_SQRT2, 1 + 1.25 * M_SQRT2, -4.625, 2.875}
            << QList<double>{-0.5, 0, 0.5, 1, 1.5, 2, 2.5} << QList<double>{-4, -3, -2, -1, 0, 1, 2};
        // y = x² − 10000, h = 100: f(125) = 5625; y ∈ ⟨−10000; 5625⟩ ± 1562,5. Steps of 20 would give 13, of 5000 only 4.
        QTest::newRow("zeros far apart") << function(1, 0, -10000, {-100, 100})
            << QList<double>{-125, 125, -11562.5, 7187.5} << QList<double>{-100, -50, 0, 50, 100}
            << QList<double>{-10000, -8000, -6000, -4000, -2000, 0, 2000, 4000, 6000};
        // y = −0,5x² + 3, h = √6: f(1,25√6) = 3 − 0,5 · 9,375 = −1,6875; y ∈ ⟨−1,6875; 3⟩ ± 0,46875.
        QTest::newRow("a < 0") << function(-0.5, 0, 3, {-std::sqrt(6), std::sqrt(6)})
            << QList<double>{-1.25 * std::sqrt(6), 1.25 * std::sqrt(6), -2.15625, 3.46875}
            << QList<double>{-3, -2, -1, 0, 1, 2, 3} << QList<double>{-2, -1, 0, 1, 2, 3};
        // y = x² + x + 1, Δ < 0: h = √0,75 > |p|; f(p ± 1,25h) = 0,75 + 1,171875. Steps of 0,2 would give 10:
        // 0,5 gives 5, fewer lines.
        QTest::newRow("Δ < 0") << function(1, -0.5, 0.75, {})
            << QList<double>{-0.5 - 1.25 * std::sqrt(0.75), -0.5 + 1.25 * std::sqrt(0.75), -0.1921875, 2.1140625}
            << QList<double>{-1.5, -1, -0.5, 0, 0.5} << QList<double>{0, 0.5, 1, 1.5, 2};
        // y = x², every point at the origin: h = 2, f(2,5) = 6,25.
        QTest::newRow("Δ = 0 at the origin") << function(1, 0, 0, {0}) << QList<double>{-2.5, 2.5, -0.625, 6.875}
            << QList<double>{-2, -1, 0, 1, 2} << QList<double>{0, 1, 2, 3, 4, 5, 6};
        // y = x² + 0,0001, W = (0; 0,0001) = (0; c): h = √0,0001; f(0,0125) = 2,5625 · 10⁻⁴.
        QTest::newRow("points close together") << function(1, 0, 0.0001, {})
            << QList<double>{-0.0125, 0.0125, -2.5625e-5, 2.81875e-4} << QList<double>{-0.01, -0.005, 0, 0.005, 0.01}
            << QList<double>{0, 5e-5, 1e-4, 1.5e-4, 2e-4, 2.5e-4};
        // y = 0,001x² − 1, h = √1000: f(1,25 · √1000) = 1,5625 − 1; steps of 0,5 would give 4.
        QTest::newRow("tiny a") << function(0.001, 0, -1, {-std::sqrt(1000), std::sqrt(1000)})
            << QList<double>{-1.25 * std::sqrt(1000), 1.25 * std::sqrt(1000), -1.15625, 0.71875}
            << QList<double>{-30, -20, -10, 0, 10, 20, 30}
            << QList<double>{-1, -0.8, -0.6, -0.4, -0.2, 0, 0.2, 0.4, 0.6};
        // y = x² − 2 000 000x, W = (10⁶; −10¹²), h = 10⁶: f at the ends = 1,5625 · 10¹² − 10¹².
        QTest::newRow("a huge vertex") << function(1, 1e6, -1e12, {0, 2e6})
            << QList<double>{-250000, 2250000, -1.15625e12, 7.1875e11} << QList<double>{0, 5e5, 1e6, 1.5e6, 2e6}
            << QList<double>{-1e12, -8e11, -6e11, -4e11, -2e11, 0, 2e11, 4e11, 6e11};
        // y = x² − 30x + 200: zeros 10 and 20, W = (15; −25), h = |p| = 15: f(33,75) = 18,75² − 25 = 326,5625.
        QTest::newRow("zeros far from the y axis") << function(1, 15, -25, {10, 20})
            << QList<double>{-3.75, 33.75, -60.15625, 361.71875} << QList<double>{0, 5, 10, 15, 20, 25, 30}
            << QList<double>{-50, 0, 50, 100, 150, 200, 250, 300, 350};
        // y = x² + 10000, h = √10000: the x axis in view though the parabola stays far above it.
        QTest::newRow("Δ < 0, far above") << function(1, 0, 10000, {}) << QList<double>{-125, 125, -2562.5, 28187.5}
            << QList<double>{-100, -50, 0, 50, 100} << QList<double>{0, 5000, 10000, 15000, 20000, 25000};
        // Zeros −1,85 and 15,35, W = (6,75; −73,96), h = 8,6: x from −4 to 17,5, where steps of 2 give 11
        // and of 5 give 4, so it grows to ⟨−9; 22,5⟩; f there = 15,75² − 73,96 = 174,1025.
        QTest::newRow("no step gives 5 to 10") << function(1, 6.75, -73.96, {-1.85, 15.35})
            << QList<double>{-9, 22.5, -98.76625, 198.90875} << QList<double>{-5, 0, 5, 10, 15, 20}
            << QList<double>{-50, 0, 50, 100, 150};

        // y = x² − 4x + 3 on ⟨−1; 4⟩: h = 3, from the axis to −1; f(−1,75) = f(5,75) = 3,75² − 1 = 13,0625;
        // y ∈ ⟨−1; 13,0625⟩ ± 1,40625.
        Sketch interval = function(1, 2, -1, {1, 3});
        interval.solutionSet = {{{-1, sketch::EndKind::Closed}, {4, sketch::EndKind::Closed}}};
        interval.least = {LabelledPoint{2, -1, "min"}};
        interval.greatest = {LabelledPoint{-1, 8, "max"}};
        QTest::newRow("an interval past the zeros") << interval << QList<double>{-1.75, 5.75, -2.40625, 14.46875}
            << QList<double>{-1, 0, 1, 2, 3, 4, 5} << QList<double>{-2, 0, 2, 4, 6, 8, 10, 12, 14};

        // y = 2x + 4 ≤ 0: the zero −2, (0; 4) and the end −2: h = 1 about −1; y at the ends −0,5 and 4,5,
        // ± 0,5.
        Sketch halfLine = line(2, -2);
        halfLine.yIntercept = LabelledPoint{0, 4, "(0; 4)"};
        halfLine.solutionSet = {{{}, {-2, sketch::EndKind::Closed}}};
        QTest::newRow("a line") << halfLine << QList<double>{-2.25, 0.25, -1, 5} << QList<double>{-2, -1.5, -1, -0.5, 0}
            << QList<double>{-1, 0, 1, 2, 3, 4, 5};
        // y = 3x: every point at the origin, h = 2; y = ±7,5 ± 1,5.
        QTest::newRow("a line through the origin") << line(3, 0) << QList<double>{-2.5, 2.5, -9, 9}
            << QList<double>{-2, -1, 0, 1, 2} << QList<double>{-8, -6, -4, -2, 0, 2, 4, 6, 8};
        // x² − 3 = 2x + 1: common points 1 ± √5, on the line at 3 ± 2√5; h = 1 + √5 about 0. At the ends
        // the parabola is at 1,5625(6 + 2√5) − 3 = 6,375 + 3,125√5, the line at 1 ∓ 2,5(1 + √5), its least
        // −1,5 − 2,5√5; ± a tenth of (7,875 + 5,625√5).
        Sketch parabolaAndLine = sketchOf({.a = 1, .slope = 0, .p = 0, .q = -3}, Curve{.a = 0, .slope = 2, .p = 0, .q = 1});
        parabolaAndLine.commonPoints = {{1 - sqrt5, 3 - 2 * sqrt5, "A"}, {1 + sqrt5, 3 + 2 * sqrt5, "B"}};
        const double low = -1.5 - 2.5 * sqrt5, high = 6.375 + 3.125 * sqrt5, margin = (high - low) / 10;
        QTest::newRow("a parabola and a line") << parabolaAndLine
            << QList<double>{-1.25 * (1 + sqrt5), 1.25 * (1 + sqrt5), low - margin, high + margin}
            << QList<double>{-4, -2, 0, 2, 4} << QList<double>{-5, 0, 5, 10, 15};
        // x² = −x² + 8: common points (±2; 4), h = 2; the first at the ends 6,25, the other 1,75, at its
        // top 8; ± 0,8.
        Sketch twoParabolas = sketchOf({.a = 1, .slope = 0, .p = 0, .q = 0}, Curve{.a = -1, .slope = 0, .p = 0, .q = 8});
        twoParabolas.commonPoints = {{-2, 4, "A"}, {2, 4, "B"}};
        QTest::newRow("two parabolas") << twoParabolas << QList<double>{-2.5, 2.5, -0.8, 8.8}
            << QList<double>{-2, -1, 0, 1, 2} << QList<double>{0, 2, 4, 6, 8};
    }

    void fitted() {
        QFETCH(Sketch, sketch);
        QFETCH(QList<double>, range);
        QFETCH(QList<double>, xTicks);
        QFETCH(QList<double>, yTicks);
        const auto view = sketch::FitView(sketch);
        QVERIFY(view);
        const QList<double> fitted{view->x.low, view->x.high, view->y.low, view->y.high};
        for (int i = 0; i < 4; ++i) {
            const double span = i < 2 ? range[1] - range[0] : range[3] - range[2];
            QVERIFY2(std::abs(fitted[i] - range[i]) < 1e-9 * span,
                     qPrintable(QString("%1 instead of %2").arg(fitted[i], 0, 'g', 17).arg(range[i], 0, 'g', 17)));
        }
        for (const auto& [axis, wanted] : {std::pair(view->x, xTicks), std::pair(view->y, yTicks)}) {
            const QList<double> ticks = ticksOf(axis);
            QCOMPARE(ticks.size(), wanted.size());
            for (int i = 0; i < ticks.size(); ++i) QVERIFY(std::abs(ticks[i] - wanted[i]) < 1e-9 * (axis.high - axis.low));
        }
        QVERIFY(holdsItsPoints(*view, sketch));
    }

    // Beyond what a double draws: the chart says so instead.
    void notDrawable_data() {
        QTest::addColumn<Sketch>("sketch");
        // y = 10⁻³⁰⁰x² + x + 1: W = (−5 · 10²⁹⁹; −2,5 · 10²⁹⁹), zeros near −1 and −10³⁰⁰.
        QTest::newRow("a zero near −10³⁰⁰") << function(1e-300, -5e299, -2.5e299, {-1e300, -1});
        // y = x² + 10¹⁵⁰x: W = (−5 · 10¹⁴⁹; −2,5 · 10²⁹⁹).
        QTest::newRow("a vertex near −2,5 · 10²⁹⁹") << function(1, -5e149, -2.5e299, {-1e150, 0});
        // y = 10⁻²⁰⁰x² + 10²⁰⁰: √(q/a) = 10²⁰⁰.
        QTest::newRow("√(q/a) of 10²⁰⁰") << function(1e-200, 0, 1e200, {});
        // y = 10³⁰⁰(x − 1): a unit wide, 10³⁰⁰ high.
        QTest::newRow("a line too steep") << line(1e300, 1);
        // y = x − 10⁻²⁵⁰: its zero and the origin 10⁻²⁵⁰ apart.
        QTest::newRow("a line's points too close") << line(1, 1e-250);
    }

    void notDrawable() {
        QFETCH(Sketch, sketch);
        QVERIFY(!sketch::FitView(sketch));
    }
};

QTEST_APPLESS_MAIN(FittedViewTest)
#include "tst_fittedview.moc"
