#include <QtTest>

#include <limits>

#include "RecordingCanvas.h"
#include "chart/FunctionPlot.h"

// The calculation's state as the plot takes it.
using SolutionState = chart::PlottedFunction;

Q_DECLARE_METATYPE(SolutionState)

namespace {

// The sample behind a dot: px = 110 + 4 x.
double sampleOf(const RecordingCanvas::Dot& dot) { return (double(dot.x) - 110) / 4; }

QList<QPointF> positions(const std::vector<RecordingCanvas::Dot>& dots) {
    QList<QPointF> points;
    for (const auto& dot : dots) points << QPointF(dot.x, dot.y);
    return points;
}

}  // namespace

class FunctionPlotTest : public QObject {
    Q_OBJECT

private slots:
    void curveAndMarkers_data() {
        QTest::addColumn<SolutionState>("state");
        QTest::addColumn<int>("dots");
        QTest::addColumn<double>("firstX");
        QTest::addColumn<double>("lastX");
        QTest::addColumn<QList<QPointF>>("markers");

        QTest::newRow("before any calculation: y = 0")
            << SolutionState{} << 2000 << -10.0 << 9.9902668 << QList<QPointF>{{110, 65}};
        QTest::newRow("x^2 - 4") << SolutionState{1, 0, -4, 16, 0, -2, 2} << 749 << -3.73986
                                 << 3.74013 << QList<QPointF>{{102, 65}, {118, 65}};
        QTest::newRow("x^2") << SolutionState{1, 0, 0, 0, 0, 0, 0} << 633 << -3.15986 << 3.16013
                             << QList<QPointF>{{110, 65}};
        QTest::newRow("x^2 + 1 has no marker")
            << SolutionState{1, 0, 1, -4, 5, 6, 7} << 600 << -2.99986 << 2.99013 << QList<QPointF>{};
        QTest::newRow("0.1 x^2 skips y = 10 at x = -10")
            << SolutionState{0.1, 0, 0, 0, 0, 0, 0} << 1999 << -9.99 << 9.9902668
            << QList<QPointF>{{110, 65}};
        QTest::newRow("zeros at -12 and 12 lie outside the frame")
            << SolutionState{1, 0, -144, 576, 0, -12, 12} << 0 << 0.0 << 0.0
            << QList<QPointF>{{62, 65}, {158, 65}};
        // y overflows or is undefined, and the zeros' positions are beyond a float.
        constexpr float infinity = std::numeric_limits<float>::infinity();
        QTest::newRow("huge a and zeros") << SolutionState{1e308, -1e308, -1, 1, 0, 1e39, infinity} << 0 << 0.0
                                          << 0.0 << QList<QPointF>{};
        QTest::newRow("infinite second zero") << SolutionState{1, 0, -4, 16, 0, -2, infinity} << 749 << -3.73986
                                              << 3.74013 << QList<QPointF>{{102, 65}};
    }

    void curveAndMarkers() {
        QFETCH(SolutionState, state);
        QFETCH(int, dots);
        QFETCH(double, firstX);
        QFETCH(double, lastX);
        QFETCH(QList<QPointF>, markers);

        RecordingCanvas canvas;
        chart::ShowOnChart(canvas, state);
        const auto red = canvas.dotsOf(chart::Red);
        const auto blue = canvas.dotsOf(chart::Blue);
        QCOMPARE(int(red.size()), dots);
        QCOMPARE(int(red.size() + blue.size()), int(canvas.dots.size()));
        if (dots > 0) {
            QVERIFY2(std::abs(sampleOf(red.front()) - firstX) < 2e-5,
                     qPrintable(QString::number(sampleOf(red.front()), 'g', 9)));
            QVERIFY2(std::abs(sampleOf(red.back()) - lastX) < 2e-5,
                     qPrintable(QString::number(sampleOf(red.back()), 'g', 9)));
        }
        for (const auto& dot : red) {
            QCOMPARE(dot.width, 2);
            QVERIFY(dot.y > 25 && dot.y < 105);
        }
        for (const auto& dot : blue) QVERIFY(dot.width == 4 && std::isfinite(dot.x) && std::isfinite(dot.y));
        QCOMPARE(positions(blue), markers);
        QCOMPARE(canvas.calls.mid(0, 2), (QStringList{"width 2", "colour 255 0 0"}));
        QCOMPARE(canvas.penWidth, 4);
        QCOMPARE(canvas.penColour, chart::Blue);
    }

    void samplesAreSinglePrecisionSums() {
        RecordingCanvas canvas;
        chart::ShowOnChart(canvas, SolutionState{});
        const auto red = canvas.dotsOf(chart::Red);
        QCOMPARE(red.front().x, 70.0f);
        QCOMPARE(red.back().x, float(110 + 4 * double(9.9902668f)));
        // No sample is exactly 0; the 1001st is the nearest to it.
        QCOMPARE(red[1000].x, float(110 + 4 * double(0.00013357401f)));
        for (const auto& dot : red) QCOMPARE(dot.y, 65.0f);
    }

    void secondShowDrawsAgainOverTheFirst() {
        RecordingCanvas canvas;
        const SolutionState state{1, 0, -4, 16, 0, -2, 2};
        chart::ShowOnChart(canvas, state);
        const QStringList once = canvas.calls;
        chart::ShowOnChart(canvas, state);
        QCOMPARE(canvas.calls, once + once);
    }
};

QTEST_APPLESS_MAIN(FunctionPlotTest)
#include "tst_functionplot.moc"
