#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QtTest>

#include <cmath>
#include <functional>

#include "app/GraphView.h"
#include "solution/WorkedSolution.h"
#include "solver/Calculation.h"
#include "task/Task.h"
#include "task/TaskSolution.h"

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

solution::Graph graphOf(const char* a, const char* b, const char* c) {
    const auto outcome = solver::Calculate(a, b, c, {});
    return *solution::WorkedSolution(std::get<solver::CalculationResult>(outcome).exact).graph;
}

// Strict enough that the orange diamond's edge, shaded into its dark
// outline, is not taken for red.
bool red(QRgb c) { return qRed(c) > 180 && qGreen(c) < 80 && qBlue(c) < 80; }
bool green(QRgb c) { return qGreen(c) > qRed(c) + 60 && qGreen(c) > qBlue(c) + 60; }
bool orange(QRgb c) { return qRed(c) > 180 && qGreen(c) > 80 && qGreen(c) < 170 && qBlue(c) < 60; }
bool blue(QRgb c) { return qBlue(c) > 150 && qRed(c) < 100; }

}  // namespace

// The worked solution's chart offscreen, at scales 1, 1.5 and 2.
// The chart of y = 2x² − 4x − 2 against its own axes: its zeros 1 ± √2 on
// the x axis, (0; −2) on the y axis, the vertex (1; −4) halfway between the
// zeros and twice as far below the axis as (0; −2), the curve through
// (2; −2) and (−0,5; 0,5), and the view centred on the vertex.
class GraphViewTest : public QObject {
    Q_OBJECT

private slots:
    // f(x) = x² on (1; 3⟩: along the x axis the set's left end hollow, white
    // inside, and its right end filled.
    void solutionEndsHollowOrFilled() {
        app::GraphView view(nullptr);
        const auto read = task::ReadTask("f(x) = x^2, x ∈ (1; 3>");
        view.setGraph(task::SolveTask(std::get<task::Problem>(read)).graph);
        view.resize(600, 400);
        const QImage image = view.grab().toImage();
        const auto purple = [](QRgb c) { return qRed(c) > 100 && qBlue(c) > 130 && qGreen(c) < 90; };
        const auto white = [](QRgb c) { return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235; };
        int axis = 0, most = 0;
        for (int row = 0; row < image.height(); ++row) {
            int count = 0;
            for (int column = 0; column < image.width(); ++column) count += purple(image.pixel(column, row));
            if (count > most) std::tie(axis, most) = std::pair(row, count);
        }
        int first = image.width(), last = -1;
        for (int column = 0; column < image.width(); ++column) {
            if (purple(image.pixel(column, axis))) first = std::min(first, column), last = column;
        }
        const int reach = int(std::lround(9 * view.devicePixelRatioF()));
        bool hollowLeft = false, hollowRight = false;
        for (int k = 0; k <= reach; ++k) {
            hollowLeft = hollowLeft || white(image.pixel(first + k, axis));
            hollowRight = hollowRight || white(image.pixel(last - k, axis));
        }
        QVERIFY2(hollowLeft && !hollowRight, qPrintable(QString("%1 %2 %3").arg(axis).arg(first).arg(last)));
    }

    void marksLandOnTheirPoints() {
        app::GraphView view(nullptr);
        view.setGraph(graphOf("2", "-4", "-2"));
        view.resize(600, 400);
        const QImage image = view.grab().toImage();
        const double scale = image.devicePixelRatio();
        QCOMPARE(scale, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());

        // The axes: the rows and the columns with the most dark pixels.
        QList<int> rows(image.height()), columns(image.width());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                const bool dark = qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80;
                rows[y] += dark;
                columns[x] += dark;
            }
        }
        const auto middleOfMost = [](const QList<int>& counts) {
            const int most = *std::max_element(counts.begin(), counts.end());
            double sum = 0, n = 0;
            for (int i = 0; i < counts.size(); ++i) {
                if (counts[i] > most * 8 / 10) sum += i + 0.5, ++n;
            }
            return sum / n;
        };
        const double xAxis = middleOfMost(rows), yAxis = middleOfMost(columns);

        const QPointF whole(image.width() / 2.0, image.height() / 2.0);
        const int everywhere = std::max(image.width(), image.height());
        int zerosFilled = 0, vertexFilled = 0, interceptFilled = 0;
        const QPointF vertex = centreOf(image, whole, everywhere, green, &vertexFilled);
        const QPointF intercept = centreOf(image, whole, everywhere, orange, &interceptFilled);
        const QPointF zeros = centreOf(image, whole, everywhere, red, &zerosFilled);
        int count = 0;
        const QPointF x1 = centreOf(image, {zeros.x() - everywhere / 2.0, zeros.y()}, everywhere / 2, red, &count);
        const QPointF x2 = centreOf(image, {zeros.x() + everywhere / 2.0, zeros.y()}, everywhere / 2, red, &count);
        const double unitX = (x2.x() - x1.x()) / (2 * M_SQRT2), unitY = (intercept.y() - xAxis) / 2;
        QVERIFY(unitX > 20 * scale && unitY > 10 * scale);
        // x₁ and x₂ on the x axis, the y axis at x = 0, (0; −2) on it, W
        // halfway between the zeros, at y = −4 and in the middle of the view.
        const QList<std::pair<double, double>> seenAndWanted{
            {x1.y(), xAxis}, {x2.y(), xAxis}, {yAxis, x1.x() + (M_SQRT2 - 1) * unitX}, {intercept.x(), yAxis},
            {vertex.x(), (x1.x() + x2.x()) / 2}, {vertex.y(), xAxis + 4 * unitY}, {vertex.x(), whole.x()}};
        for (int i = 0; i < seenAndWanted.size(); ++i) {
            const auto [seen, wanted] = seenAndWanted[i];
            QVERIFY2(std::abs(seen - wanted) < 1, qPrintable(QString("%1: %2, not %3").arg(i).arg(seen).arg(wanted)));
        }
        // Shapes, not only colours: a square holds 4/π times the circle inside it.
        QVERIFY(vertexFilled > 1.15 * zerosFilled / 2);

        // The curve itself, away from the marks: at x = 2, y = −2; at x = −0,5, y = 0,5.
        for (const QPointF& on : {QPointF(yAxis + 2 * unitX, xAxis + 2 * unitY),
                                  QPointF(yAxis - 0.5 * unitX, xAxis - 0.5 * unitY)}) {
            const QPointF found = centreOf(image, on, int(2 * scale), blue, &count);
            QVERIFY2(count > 0 && QLineF(found, on).length() < 1.5 * scale,
                     qPrintable(QString("curve near (%1; %2): %3 pixels").arg(on.x()).arg(on.y()).arg(count)));
        }
    }

    // The focus frame dotted along the widget's very edge, one logical
    // pixel wide, at any scale: every device pixel of that width carries
    // its dots on the right and bottom edges, which a frame drawn in
    // device pixels instead would miss.
    void focusFrameOnTheEdge() {
        app::GraphView view(nullptr);
        view.setGraph(graphOf("1", "-3", "2"));
        view.resize(600, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.activateWindow();
        view.setFocus();
        QTRY_VERIFY(view.hasFocus());
        const QImage image = view.grab().toImage();
        const int scale = int(image.devicePixelRatio()), width = image.width(), height = image.height();
        const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
        for (int i = 0; i < scale; ++i) {
            int right = 0, bottom = 0;
            for (int y = 0; y < height; ++y) right += dark(width - 1 - i, y);
            for (int x = 0; x < width; ++x) bottom += dark(x, height - 1 - i);
            // Dots and gaps: a fifth to four fifths of the edge.
            QVERIFY2(right > height / 5 && right < height * 4 / 5, qPrintable(QString("%1 of %2").arg(right).arg(height)));
            QVERIFY2(bottom > width / 5 && bottom < width * 4 / 5, qPrintable(QString("%1 of %2").arg(bottom).arg(width)));
        }
    }

    // To a screen reader a picture with its sentence; by keyboard its menu
    // opens with its one item chosen, so that Enter copies; Ctrl+C copies
    // too. The copy has the screen's pixels: at scale 1.5, 900 × 600 for
    // 600 × 400.
    void copiesAsThePupilAsks() {
        app::GraphView view(nullptr);
        view.setGraph(graphOf("1", "-3", "2"));
        view.resize(600, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&view);
        QCOMPARE(accessible->role(), QAccessible::Graphic);
        QVERIFY(accessible->text(QAccessible::Description).contains("miejsca zerowe 1 i 2"));

        const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        const QSize pixels(qRound(600 * scale), qRound(400 * scale));
        QString chosen;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            answer.stop();
            // Enter with nothing chosen would leave the menu open.
            if (!menu->activeAction()) {
                menu->close();
                return;
            }
            chosen = menu->activeAction()->text();
            QTest::keyClick(menu, Qt::Key_Return);
        });
        const std::function<void()> byKeyboard[] = {
            [&] { QTest::keyClick(&view, Qt::Key_F10, Qt::ShiftModifier); },
            [&] {  // what the window system sends for the menu key
                QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), view.mapToGlobal(QPoint()));
                QApplication::sendEvent(&view, &menuKey);
            }};
        for (const auto& open : byKeyboard) {
            QApplication::clipboard()->clear();
            chosen.clear();
            answer.start(10);
            open();
            QCOMPARE(chosen, QStringLiteral("Kopiuj wykres"));
            QCOMPARE(QApplication::clipboard()->image().size(), pixels);
        }
        QApplication::clipboard()->clear();
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->image().size(), pixels);
    }
};

QTEST_MAIN(GraphViewTest)
#include "tst_graphview.moc"
