#include <QtTest>

#include "RecordingCanvas.h"
#include "chart/ChartFrame.h"

namespace {

QStringList stroke(int fromX, int fromY, int toX, int toY) {
    return {QStringLiteral("move %1 %2").arg(fromX).arg(fromY),
            QStringLiteral("line %1 %2").arg(toX).arg(toY)};
}

// The frame as designed: axes, arrowheads, 21 columns 4 mm apart, rows
// from 25 to 105 mm.
QStringList designedFrame(const QList<int>& rows) {
    QStringList calls{"width 2"};
    calls << stroke(70, 65, 150, 65) << stroke(110, 25, 110, 105) << stroke(110, 25, 108, 28)
          << stroke(110, 25, 112, 28) << stroke(150, 65, 147, 63) << stroke(150, 65, 147, 67);
    for (int gx = 70; gx <= 150; gx += 4) calls << "width 1" << stroke(gx, 25, gx, 105);
    for (int gy : rows) calls << "width 1" << stroke(70, gy, 150, gy);
    return calls;
}

const QList<int> fourMillimetreRows{25, 29, 33, 37, 41, 45, 49, 53, 57, 61, 65,
                                    69, 73, 77, 81, 85, 89, 93, 97, 101, 105};
const QList<int> fiveMillimetreRows{25, 30, 35, 40, 45, 50, 55, 60, 65,
                                    70, 75, 80, 85, 90, 95, 100, 105};

}  // namespace

class ChartFrameTest : public QObject {
    Q_OBJECT

private slots:
    void frameByRowStep_data() {
        QTest::addColumn<int>("rowStep");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("activation") << 4 << fourMillimetreRows;
        QTest::newRow("clear chart") << 5 << fiveMillimetreRows;
    }

    void frameByRowStep() {
        QFETCH(int, rowStep);
        QFETCH(QList<int>, rows);
        RecordingCanvas canvas;
        canvas.penColour = chart::Blue;
        chart::DrawChartFrame(canvas, rowStep);
        QCOMPARE(canvas.calls, designedFrame(rows));
        // The frame takes whatever colour it finds.
        QCOMPARE(canvas.penColour, chart::Blue);
        QCOMPARE(canvas.penWidth, 1);
    }

    void clearChartWipesThenDrawsBlackFrames() {
        RecordingCanvas canvas;
        canvas.penColour = chart::Blue;
        canvas.penWidth = 4;
        chart::ClearChart(canvas);
        QStringList expected{"hide", "show", "width 2", "colour 0 0 0"};
        expected << designedFrame(fiveMillimetreRows) << designedFrame(fourMillimetreRows);
        QCOMPARE(canvas.calls, expected);
        QCOMPARE(canvas.penColour, chart::Black);
        QCOMPARE(canvas.penWidth, 1);
    }
};

QTEST_APPLESS_MAIN(ChartFrameTest)
#include "tst_chartframe.moc"
