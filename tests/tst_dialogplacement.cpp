#include <QtTest>

#include <random>

#include "app/DialogPlacement.h"

// Where the worked solution opens, worked out by hand for the window where
// the window system starts it (centred; at the top-left where it does not
// fit), on three screens at scales 1, 1.5 and 2 (in logical pixels: the
// screen divided by the scale). The window's frame is 596 × 463, its boxes,
// result lines and buttons lie 17 to 249 pixels from its left edge; the
// dialog wants 900 pixels, at least 360, and more height than any screen has.
class DialogPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void placed_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("window");  // its frame's top-left corner
        QTest::addColumn<int>("height");     // the dialog's wanted height
        QTest::addColumn<QRect>("expected");

        // Neither side of the window has 900: against the right edge, as
        // wide as the room right of the controls (1023 − 463 = 560).
        QTest::newRow("1024 × 768") << QSize(1024, 768) << QPoint(214, 152) << 2000 << QRect(464, 0, 560, 768);
        QTest::newRow("1366 × 768") << QSize(1366, 768) << QPoint(385, 152) << 2000 << QRect(635, 0, 731, 768);
        QTest::newRow("1600 × 1000") << QSize(1600, 1000) << QPoint(502, 268) << 2000 << QRect(752, 0, 848, 1000);
        QTest::newRow("1024 × 768 at 1.5") << QSize(683, 512) << QPoint(43, 24) << 2000 << QRect(293, 0, 390, 512);
        QTest::newRow("1366 × 768 at 1.5") << QSize(911, 512) << QPoint(157, 24) << 2000 << QRect(407, 0, 504, 512);
        QTest::newRow("1600 × 1000 at 1.5") << QSize(1067, 667) << QPoint(235, 102) << 2000 << QRect(485, 0, 582, 667);
        // The window itself does not fit: the dialog keeps its minimum and covers part of it.
        QTest::newRow("1024 × 768 at 2") << QSize(512, 384) << QPoint(0, 0) << 2000 << QRect(152, 0, 360, 384);
        QTest::newRow("1366 × 768 at 2") << QSize(683, 384) << QPoint(43, 0) << 2000 << QRect(293, 0, 390, 384);
        QTest::newRow("1600 × 1000 at 2") << QSize(800, 500) << QPoint(102, 18) << 2000 << QRect(352, 0, 448, 500);
        // A window at the right edge: more room left of the controls (445 against 1023 − 677).
        QTest::newRow("window at the right edge") << QSize(1024, 768) << QPoint(428, 152) << 2000
                                                  << QRect(0, 0, 445, 768);
        // Room beside the window: right of it, level with it.
        QTest::newRow("2560 × 1600") << QSize(2560, 1600) << QPoint(982, 568) << 700 << QRect(1578, 568, 900, 700);
        // A window moved to the right: the dialog left of it, moved up to end on the screen.
        QTest::newRow("left of the window") << QSize(1600, 1000) << QPoint(1000, 500) << 700
                                            << QRect(100, 300, 900, 700);
    }

    void placed() {
        QFETCH(QSize, screen);
        QFETCH(QPoint, window);
        QFETCH(int, height);
        QFETCH(QRect, expected);
        const QRect frame(window, QSize(596, 463));
        const QRect controls(window + QPoint(17, 119), QSize(233, 281));
        const QRect dialog = app::PlaceBeside(QRect(QPoint(), screen), frame, controls, 900, 360,
                                              [&](int) { return height; });
        QCOMPARE(dialog, expected);
    }

    // Generated screens, some beside or under others or under a panel (their
    // available area away from (0, 0)), windows anywhere on them: the dialog
    // on the screen, at least as wide as promised, beside the window where
    // either side has room, else clear of its controls where that is possible.
    void placedOverGeneratedScreens() {
        std::mt19937 random(1366);
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        for (int i = 0; i < 20'000; ++i) {
            const QRect screen(pick(-1, 1) * 1920, pick(0, 2) * 32, pick(480, 2560), pick(360, 1600));
            const QSize size(pick(300, 700), pick(250, 500));
            const QRect window(screen.left() + pick(-100, screen.width()), screen.top() + pick(-40, screen.height() - 100), size.width(),
                               size.height());
            const QRect controls(window.left() + pick(0, 40), window.top() + pick(20, 120), pick(100, 260), pick(100, 280));
            const int wanted = pick(300, 1000), minimum = 360, height = pick(200, 2000);
            const QRect dialog = app::PlaceBeside(screen, window, controls, wanted, minimum, [&](int) { return height; });
            const QString where = QString("screen %1,%2 %3×%4, window %5,%6, wanted %7: %8,%9 %10×%11")
                                      .arg(screen.left()).arg(screen.top()).arg(screen.width()).arg(screen.height())
                                      .arg(window.left()).arg(window.top()).arg(wanted)
                                      .arg(dialog.left()).arg(dialog.top()).arg(dialog.width()).arg(dialog.height());
            QVERIFY2(screen.contains(dialog), qPrintable(where + " off the screen"));
            QVERIFY2(dialog.width() >= std::min(minimum, screen.width()), qPrintable(where + " too narrow"));
            QVERIFY2(dialog.height() == std::min(height, screen.height()), qPrintable(where + " not as high as asked"));
            const int rightOfWindow = screen.right() - window.right(), leftOfWindow = window.left() - screen.left();
            const int full = std::min(std::max(wanted, minimum), screen.width());
            if (rightOfWindow >= full || leftOfWindow >= full) {
                QVERIFY2(!dialog.intersects(window) && dialog.width() == full, qPrintable(where + " over the window"));
            } else if (std::max(screen.right() - controls.right(), controls.left() - screen.left()) >= minimum) {
                QVERIFY2(!dialog.intersects(controls), qPrintable(where + " over the controls"));
            }
        }
    }
};

QTEST_APPLESS_MAIN(DialogPlacementTest)
#include "tst_dialogplacement.moc"
