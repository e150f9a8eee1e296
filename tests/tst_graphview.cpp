#include <QtTest>

#include <cmath>
#include <functional>

#include "app/GraphView.h"
#include "solution/WorkedSolution.h"
#include "solver/Calculation.h"

namespace {

using Kind = std::function<bool(QRgb)>;

// The centre of the pixels of one kind within RADIUS of AROUND.
QPointF centreOf(const QImage& image, QPointF around, int radius, const Kind& kind, int* count) {
    double x = 0, y = 0;
    *count = 0;
    for (int row = int(around.y()) - radius; row <= int(around.y()) + radius; ++row) {
        for (int column = int(around.x()) - radius; column <= int(around.x()) + radius; ++column) {
            if (!image.rect().contains(column, row) || !kind(image.pixel(column, row))) continue;
            x += column + 0.5;
            y += row + 0.5;
            ++*count;
        }
    }
    return *count ? QPointF(x / *count, y / *count) : QPointF(-1, -1);
}

bool red(QRgb c) { return qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100; }
bool green(QRgb c) { return qGreen(c) > qRed(c) + 60 && qGreen(c) > qBlue(c) + 60; }
bool orange(QRgb c) { return qRed(c) > 180 && qGreen(c) > 80 && qGreen(c) < 170 && qBlue(c) < 60; }
bool blue(QRgb c) { return qBlue(c) > 150 && qRed(c) < 100; }

}  // namespace

// The chart of y = 2x² − 4x − 2 painted offscreen (the test runs at scale 1
// and at 1.5): its marks and its curve where the view worked out by hand,
// x ∈ 1 ± 1,25√2 and y ∈ ⟨−4,625; 2,875⟩, maps them, inside a margin of 18
// logical pixels.
class GraphViewTest : public QObject {
    Q_OBJECT

private slots:
    void marksLandOnTheirPoints() {
        const auto outcome = solver::Calculate("2", "-4", "-2", {});
        app::GraphView view(nullptr);
        view.setGraph(solution::WorkedSolution(std::get<solver::CalculationResult>(outcome).exact).graph);
        view.resize(600, 400);
        const QImage image = view.grab().toImage();
        const double scale = image.devicePixelRatio();
        QCOMPARE(scale, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());

        const double pad = std::round(18 * scale), width = image.width() - 2 * pad, height = image.height() - 2 * pad;
        const double xLow = 1 - 1.25 * M_SQRT2, xHigh = 1 + 1.25 * M_SQRT2, yLow = -4.625, yHigh = 2.875;
        const auto pixel = [&](double x, double y) {
            return QPointF(pad + (x - xLow) / (xHigh - xLow) * width, pad + (yHigh - y) / (yHigh - yLow) * height);
        };
        const int reach = int(8 * scale);
        const struct {
            QPointF at;
            Kind kind;
        } marks[] = {{pixel(1 - M_SQRT2, 0), red}, {pixel(1 + M_SQRT2, 0), red}, {pixel(1, -4), green},
                     {pixel(0, -2), orange}};
        int filled[4];
        for (int i = 0; i < 4; ++i) {
            const QPointF found = centreOf(image, marks[i].at, reach, marks[i].kind, &filled[i]);
            QVERIFY2(QLineF(found, marks[i].at).length() < 1,
                     qPrintable(QString("mark %1 at (%2; %3), not (%4; %5)")
                                    .arg(i).arg(found.x()).arg(found.y()).arg(marks[i].at.x()).arg(marks[i].at.y())));
        }
        // Shapes, not only colours: a square holds 4/π times the circle inside it.
        QVERIFY(filled[2] > 1.15 * filled[0]);

        // The curve itself, away from the marks: at x = 2, y = −2; at x = −0,5, y = 0,5.
        for (const QPointF& on : {pixel(2, -2), pixel(-0.5, 0.5)}) {
            int count = 0;
            const QPointF found = centreOf(image, on, int(2 * scale), blue, &count);
            QVERIFY2(count > 0 && QLineF(found, on).length() < 1.5 * scale,
                     qPrintable(QString("curve near (%1; %2): %3 pixels").arg(on.x()).arg(on.y()).arg(count)));
        }
    }
};

QTEST_MAIN(GraphViewTest)
#include "tst_graphview.moc"
