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

bool red(QRgb c) { return qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100; }
bool green(QRgb c) { return qGreen(c) > qRed(c) + 60 && qGreen(c) > qBlue(c) + 60; }
bool orange(QRgb c) { return qRed(c) > 180 && qGreen(c) > 80 && qGreen(c) < 170 && qBlue(c) < 60; }
bool blue(QRgb c) { return qBlue(c) > 150 && qRed(c) < 100; }

}  // namespace

// The worked solution's chart offscreen, at scales 1, 1.5 and 2.
// The chart of y = 2x² − 4x − 2: its marks and its curve where the view
// worked out by hand, x ∈ 1 ± 1,25√2 and y ∈ ⟨−4,625; 2,875⟩, maps them,
// inside a margin of 18 logical pixels.
class GraphViewTest : public QObject {
    Q_OBJECT

private slots:
    void marksLandOnTheirPoints() {
        app::GraphView view(nullptr);
        view.setGraph(graphOf("2", "-4", "-2"));
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
