#include <QtTest>

#include <cmath>

#include "chart/SketchLayout.h"
#include "solution/SchoolNotation.h"
#include "solution/WorkedSolution.h"
#include "solver/Calculation.h"

namespace {

// Every character 7 × 14 pixels at scale 1.
chart::MeasureText fixedWidth(double scale) {
    return [scale](const std::string& text) {
        const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xc0) != 0x80; });
        return chart::PixelPoint{7 * scale * double(characters), 14 * scale};
    };
}

QString boxText(const chart::Box& b) {
    return QString("(%1, %2)–(%3, %4)").arg(b.left).arg(b.top).arg(b.right).arg(b.bottom);
}

}  // namespace

// The texts of a fitted chart laid out with a fixed-width measurer, checked
// against the picture as mapped here, apart from the layout: the view's
// ranges onto the area inside a margin of 18 logical pixels, the curve
// sampled every quarter pixel; and against the marks as laid out.
class SketchLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void textsCoverNothing_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<int>("zeroSide");  // −1 above the x axis, 1 below

        // Zeros 0,9 and 1,1, 40 pixels apart: their labels outwards, in order.
        QTest::newRow("zeros close together") << "1" << "-2" << "0,99" << QSize(600, 400) << 1.0
            << QStringList{"W = (1; −0,01)", "x₁ = 0,9", "x₂ = 1,1", "(0; 0,99)"} << -1;
        QTest::newRow("a zero at the origin") << "1" << "-2" << "0" << QSize(600, 400) << 1.0
            << QStringList{"W = (1; −1)", "x₁ = 0", "x₂ = 2"} << -1;
        // (0; c) is W: one label says both.
        QTest::newRow("b = 0, (0; c) under W") << "-1" << "0" << "2" << QSize(600, 400) << 1.0
            << QStringList{"W = (0; 2)", "x₁ = √2", "x₂ = −√2"} << 1;
        QTest::newRow("a zero by the y axis") << "2" << "-4" << "-2" << QSize(900, 400) << 1.5
            << QStringList{"W = (1; −4)", "x₁ = 1 − √2", "x₂ = 1 + √2", "(0; −2)"} << -1;
        QTest::newRow("arms down") << "-0,5" << "0" << "3" << QSize(900, 600) << 1.5
            << QStringList{"W = (0; 3)", "x₁ = √6", "x₂ = −√6"} << 1;
        QTest::newRow("irrational zeros over 2") << "1/3" << "1" << "-1" << QSize(1200, 800) << 2.0
            << QStringList{"W = (−1,5; −1,75)", "x₁ = (−3 − √21)/2", "x₂ = (−3 + √21)/2", "(0; −1)"} << -1;
        QTest::newRow("zeros far apart") << "1" << "0" << "-10000" << QSize(600, 400) << 1.0
            << QStringList{"W = (0; −10\u202f000)", "x₁ = −100", "x₂ = 100"} << -1;
        QTest::newRow("zeros a pixel apart") << "1" << "-2,0000001" << "1,0000001" << QSize(600, 400) << 1.0
            << QStringList{"W = (1,00000005; −1/400\u202f000\u202f000\u202f000\u202f000)", "x₁ = 1",
                           "x₂ = 1,0000001", "(0; 1,0000001)"} << -1;
        QTest::newRow("a small view") << "2" << "-4" << "-2" << QSize(320, 120) << 1.0
            << QStringList{"W = (1; −4)", "x₁ = 1 − √2", "x₂ = 1 + √2", "(0; −2)"} << 0;
    }

    void textsCoverNothing() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QSize, size);
        QFETCH(double, scale);
        QFETCH(QStringList, labels);
        QFETCH(int, zeroSide);
        const auto outcome = solver::Calculate(a.toStdString(), b.toStdString(), c.toStdString(), {});
        const chart::Parabola parabola =
            solution::WorkedSolution(std::get<solver::CalculationResult>(outcome).exact).graph->parabola;
        const auto view = chart::FitView(parabola);
        QVERIFY(view);
        const chart::SketchLayout layout = chart::LayoutSketch(parabola, *view, size.width(), size.height(), scale,
                                                               solution::TickTexts, fixedWidth(scale));

        const double pad = std::round(18 * scale), width = size.width() - 2 * pad, height = size.height() - 2 * pad;
        const auto column = [&](double x) { return pad + (x - view->x.low) / (view->x.high - view->x.low) * width; };
        const auto row = [&](double y) { return pad + (view->y.high - y) / (view->y.high - view->y.low) * height; };
        const double xAxis = row(0), yAxis = column(0), reach = scale + 1;  // half the stroke and its fringe
        const auto overCurve = [&](const chart::Box& box) {
            for (double col = std::max(pad, box.left - reach); col <= std::min(pad + width, box.right + reach);
                 col += 0.25) {
                const double x = view->x.low + (col - pad) / width * (view->x.high - view->x.low);
                const double r = row(parabola.valueAt(x));
                if (r > box.top - reach && r < box.bottom + reach) return true;
            }
            return false;
        };
        // Where the marks land is the chart test's; here, that nothing covers them.
        std::vector<chart::Box> marks;
        for (const chart::Mark& m : layout.marks) {
            marks.push_back({m.at.x - m.radius, m.at.y - m.radius, m.at.x + m.radius, m.at.y + m.radius});
        }

        QStringList placed;
        std::map<QString, chart::Box> boxes;
        for (std::size_t i = 0; i < layout.texts.size(); ++i) {
            const chart::PlacedText& t = layout.texts[i];
            const QString text = QString::fromStdString(t.text);
            const QString where = text + " at " + boxText(t.box);
            boxes[text] = t.box;
            if (t.kind != chart::TextKind::Tick) placed << text;
            QVERIFY2(t.box.left >= 0 && t.box.top >= 0 && t.box.right <= size.width() && t.box.bottom <= size.height(),
                     qPrintable(where + " outside"));
            for (const chart::Box& m : marks) QVERIFY2(!t.box.intersects(m), qPrintable(where + " over a mark"));
            for (std::size_t j = 0; j < i; ++j) {
                QVERIFY2(!t.box.intersects(layout.texts[j].box),
                         qPrintable(where + " over " + QString::fromStdString(layout.texts[j].text)));
            }
            if (t.kind == chart::TextKind::Haloed) continue;
            QVERIFY2(!overCurve(t.box), qPrintable(where + " over the curve"));
            const bool acrossXAxis = t.box.top < xAxis + 1 && t.box.bottom > xAxis - 1;
            const bool acrossYAxis = t.box.left < yAxis + 1 && t.box.right > yAxis - 1;
            QVERIFY2(!acrossXAxis && !acrossYAxis, qPrintable(where + " over an axis"));
        }
        QCOMPARE(placed, labels);

        // The zeros' labels on the far side of the x axis from the vertex,
        // the smaller zero's on the left.
        if (parabola.zeros.size() == 2) {
            chart::Box low = boxes[labels[1]], high = boxes[labels[2]];
            if (parabola.zeros[0].x > parabola.zeros[1].x) std::swap(low, high);
            QVERIFY2(low.left + low.right < high.left + high.right, qPrintable(boxText(low) + " " + boxText(high)));
        }
        for (int i = 1; zeroSide != 0 && i <= int(parabola.zeros.size()); ++i) {
            const chart::Box& box = boxes[labels[i]];
            QVERIFY2(zeroSide < 0 ? box.bottom <= xAxis : box.top >= xAxis, qPrintable(labels[i] + boxText(box)));
        }
    }
};

QTEST_APPLESS_MAIN(SketchLayoutTest)
#include "tst_sketchlayout.moc"
