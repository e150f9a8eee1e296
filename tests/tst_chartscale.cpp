#include <QtTest>

#include "FormFixture.h"

// The chart at a fractional scale (the test runs with QT_SCALE_FACTOR 1.25
// and 1.5): every grid line as wide as every other in device pixels, the
// axes twice, a pen of N pixels N times the scale rounded to nearest.
class ChartScaleTest : public QObject {
    Q_OBJECT

    FormFixture f;

    // The widths of the runs of black along a line of device pixels.
    static QList<int> blackRuns(const QImage& image, QPoint from, QPoint step, int count) {
        QList<int> runs;
        int run = 0;
        for (QPoint at = from; count-- > 0; at += step) {
            if (image.pixel(at) == qRgb(0, 0, 0)) {
                ++run;
            } else if (run > 0) {
                runs << run;
                run = 0;
            }
        }
        return runs;
    }

private slots:
    void initTestCase() { FormFixture::configure(); }
    void init() { f.create(); }
    void cleanup() { f.destroy(); }

    void gridLinesHaveOneWidth() {
        const QImage image = f.form->centralWidget()->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        QVERIFY(ratio == 1.25 || ratio == 1.5);
        const auto device = [ratio](double mm) { return int(mm * 96 / 25.4 * ratio); };
        // The grid's 1 pixel and the axes' 2: at 1.25 as at 1, at 1.5 as at 2.
        const int grid = ratio == 1.25 ? 1 : 2, axis = 2 * grid;
        // Across the columns, between two rows; down the rows, between two columns.
        const QList<int> columns = blackRuns(image, {device(68), device(31)}, {1, 0}, device(84));
        const QList<int> rows = blackRuns(image, {device(131), device(24)}, {0, 1}, device(83));
        QList<int> expected(21, grid);
        expected[10] = axis;  // the column at 110 and the row at 65 lie on the axes
        QCOMPARE(columns, expected);
        QCOMPARE(rows, expected);
    }
};

QTEST_MAIN(ChartScaleTest)
#include "tst_chartscale.moc"
