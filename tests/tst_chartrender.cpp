#include <QtTest>

#include "FormFixture.h"
#include "ModalAnswerer.h"

// What the chart looks like on the window, read back from its pixels at the
// chart's millimetre positions (96 DPI: 1 mm = 3.78 px).
class ChartRenderTest : public QObject {
    Q_OBJECT

    FormFixture f;

    QImage picture() const { return f.form->centralWidget()->grab().toImage(); }

    static QPoint at(double xMillimetres, double yMillimetres) {
        return QPoint(int(xMillimetres * 96 / 25.4), int(yMillimetres * 96 / 25.4));
    }

    // Whether a pixel of the colour lies within a pixel or so of the point.
    static bool near(const QImage& image, QPoint point, QRgb colour) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (image.pixel(point + QPoint(dx, dy)) == colour) return true;
            }
        }
        return false;
    }

    // Pixels of the colour within the area; by default the chart box below
    // its red caption.
    static int count(const QImage& image, QRgb colour,
                     QRect area = QRect(at(68, 25), at(152, 108)).adjusted(0, 0, -1, -1)) {
        int found = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) found += image.pixel(x, y) == colour;
        }
        return found;
    }

    void calculateAndShow(const char* a, const char* b, const char* c) {
        f.enterCoefficients(a, b, c);
        f.form->Calculate();
        f.form->ShowOnChart();
    }

    static constexpr QRgb black = 0xff000000, red = 0xffff0000, blue = 0xff0000ff;
    static constexpr QRgb chartBox = 0xff804040;

private slots:
    void initTestCase() { FormFixture::configure(); }
    void init() { f.create(); }
    void cleanup() { f.destroy(); }

    void frameAfterStartUp_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("x axis") << 90.0 << 65.0 << true;
        QTest::newRow("y axis") << 110.0 << 45.0 << true;
        QTest::newRow("x arrow") << 148.5 << 64.0 << true;
        QTest::newRow("y arrow") << 109.0 << 26.5 << true;
        QTest::newRow("column at 74") << 74.0 << 100.0 << true;
        QTest::newRow("row at 29") << 130.0 << 29.0 << true;
        QTest::newRow("row at 101") << 130.0 << 101.0 << true;
        QTest::newRow("between rows") << 132.0 << 31.0 << false;
        QTest::newRow("outside the frame") << 152.0 << 80.0 << false;
    }

    void frameAfterStartUp() {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(bool, drawn);
        QCOMPARE(near(picture(), at(x, y), black), drawn);
    }

    void curveAndMarkers() {
        calculateAndShow("1", "0", "-4");
        const QImage image = picture();
        QVERIFY(near(image, at(110, 65 + 16), red));  // the vertex (0, -4)
        QVERIFY(near(image, at(110 + 4 * 3, 65 - 4 * 5), red));  // (3, 5)
        QVERIFY(near(image, at(102, 65), blue));
        QVERIFY(near(image, at(118, 65), blue));
        QVERIFY(!near(image, at(110 + 4 * 3.9, 65 - 4 * 5.21), red));  // above the frame
    }

    void clearChartLeavesABlackFrameOnly() {
        calculateAndShow("1", "0", "-4");
        f.form->findChild<QAction*>("mnuWyczyść")->trigger();
        const QImage image = picture();
        QCOMPARE(count(image, red), 0);
        QCOMPARE(count(image, blue), 0);
        QVERIFY(near(image, at(130, 30), black));  // a 5 mm row
        QVERIFY(near(image, at(130, 29), black));  // the activation's 4 mm row comes after
        QVERIFY(near(image, at(90, 65), black));
    }

    void activationFrameTakesTheLastPen() {
        calculateAndShow("1", "0", "1");
        f.form->OnActivate();
        const QImage image = picture();
        QVERIFY(near(image, at(90, 65), blue));
        QVERIFY(near(image, at(130, 29), blue));
    }

    // Drawn where only a larger window shows it, it is seen again when the
    // window, made smaller in between, grows back.
    void drawingSurvivesTheWindowShrinking() {
        const QSize designed = f.form->size();
        f.form->resize(900, 600);
        QCoreApplication::processEvents();
        calculateAndShow("1", "0", "-225");  // zeros -15 and 15: a marker at 170 mm
        QCoreApplication::processEvents();
        QVERIFY(near(picture(), at(170, 65), blue));
        f.form->resize(designed);
        QCoreApplication::processEvents();
        f.form->resize(900, 600);
        QCoreApplication::processEvents();
        QVERIFY(near(picture(), at(170, 65), blue));
    }

    // Along the band of the x axis across the whole client area, where a
    // far zero's dot would land if it were pulled back onto the window.
    static int countAlongTheXAxis(const QImage& image, QRgb colour) {
        return count(image, colour, QRect(0, at(0, 60).y(), image.width(), at(0, 70).y() - at(0, 60).y()));
    }

    // A dot off the chart lands in LblX2; a new caption there erases it, the
    // same caption again does not, and the plot elsewhere stays.
    void newResultCaptionErasesTheDrawingUnderIt() {
        const QRect lblX2(16, 240, 233, 25);  // 240, 3600, 3495 x 375 twips
        calculateAndShow("1", "0", "-144");  // zeros -12 and 12
        QVERIFY(count(picture(), blue, lblX2) > 0);
        f.form->Calculate();
        QVERIFY(count(picture(), blue, lblX2) > 0);
        const int red = count(picture(), ChartRenderTest::red);
        f.enterCoefficients("1", "0", "-4");
        f.form->Calculate();
        QCoreApplication::processEvents();
        QCOMPARE(count(picture(), blue, lblX2), 0);
        QCOMPARE(count(picture(), ChartRenderTest::red), red);
    }

    void zeroFarOffTheChartDrawsNothingThere() {
        calculateAndShow("1", "0", "0");  // one zero, at the origin
        const int oneMarker = countAlongTheXAxis(picture(), blue);
        QVERIFY(oneMarker > 0);
        f.form->ClearChart();
        calculateAndShow("1", "-1e30", "0");  // zeros 0 and 1e30
        const QImage image = picture();
        QVERIFY(near(image, at(110, 65), blue));
        QCOMPARE(countAlongTheXAxis(image, blue), oneMarker);
    }

    // Nothing the window comes back from draws over the plot: a repaint, an
    // activation, a message box, the Exit question answered Nie.
    void drawingSurvivesRepaintsAndActivation() {
        calculateAndShow("1", "-3", "2");
        const QImage before = picture();
        f.form->centralWidget()->repaint();
        f.named("Label4")->repaint();
        for (QEvent::Type type : {QEvent::WindowDeactivate, QEvent::WindowActivate}) {
            QEvent event(type);
            QCoreApplication::sendEvent(f.form.get(), &event);
        }
        {
            ModalAnswerer no("Nie");
            f.form->ExitProgram();
            QVERIFY(no.answered);
        }
        f.named<QLineEdit>("TxtA")->setText("abc");
        {
            ModalAnswerer ok("OK");
            f.form->Calculate();
            QVERIFY(ok.answered);
        }
        QCoreApplication::processEvents();
        const QImage image = picture();
        const QRect chart(at(68, 25), at(152, 108));
        QCOMPARE(image.copy(chart), before.copy(chart));
        QVERIFY(near(image, at(114, 65), blue));
        QVERIFY(near(image, at(118, 65), blue));
        QVERIFY(count(image, red) > 100);
        // The chart lies over the chart box but under nothing else.
        QVERIFY(image.pixel(at(152, 50)) == chartBox);
    }
};

QTEST_MAIN(ChartRenderTest)
#include "tst_chartrender.moc"
