#include <QtTest>

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include "chart/LevelStroke.h"

// The rectangle must set exactly the pixels the painter's own line sets.
class LevelStrokeTest : public QObject {
    Q_OBJECT

    static QImage canvas(qreal ratio) {
        QImage image(160, 160, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        return image;
    }

private slots:
    void sameLevelPixelsAsThePainter_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("width");
        for (qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
            for (int width : {1, 2, 3, 4}) {
                QTest::addRow("ratio %g, width %d", ratio, width) << ratio << width;
            }
        }
    }

    void sameLevelPixelsAsThePainter() {
        QFETCH(qreal, ratio);
        QFETCH(int, width);
        QPen pen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
        QRandomGenerator random(width * 1000 + int(ratio * 100));
        for (int n = 0; n < 300; ++n) {
            const qreal along = 4 + random.bounded(40.0);
            const qreal length = 1 / ratio + random.bounded(40.0);
            const qreal across = 4 + random.bounded(40.0);
            const bool upright = n % 2;
            const QPointF from = upright ? QPointF(across, along) : QPointF(along, across);
            const QPointF to = upright ? QPointF(across, along + length) : QPointF(along + length, across);
            QImage stroked = canvas(ratio);
            {
                QPainter painter(&stroked);
                painter.setPen(pen);
                painter.drawLine(from, to);
            }
            const auto rectangle = chart::LevelStrokeAsRectangle(from, to, width, ratio);
            QVERIFY(rectangle);
            QImage filled = canvas(ratio);
            QPainter(&filled).fillRect(*rectangle, Qt::black);
            if (filled != stroked) {
                QFAIL(qPrintable(QStringLiteral("(%1, %2) to (%3, %4)")
                                     .arg(from.x()).arg(from.y()).arg(to.x()).arg(to.y())));
            }
        }
    }

    void onlyLevelAndLongEnough_data() {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<bool>("taken");
        QTest::newRow("slanted") << QPointF(10, 10) << QPointF(40, 11) << false;
        QTest::newRow("a dot") << QPointF(10, 10) << QPointF(10, 10) << false;
        QTest::newRow("shorter than a pixel") << QPointF(10, 10) << QPointF(10.6, 10) << false;
        QTest::newRow("backwards") << QPointF(40, 10) << QPointF(10, 10) << true;
        QTest::newRow("upwards") << QPointF(10, 40) << QPointF(10, 10) << true;
    }

    void onlyLevelAndLongEnough() {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(bool, taken);
        QCOMPARE(chart::LevelStrokeAsRectangle(from, to, 2, 1).has_value(), taken);
    }
};

QTEST_MAIN(LevelStrokeTest)
#include "tst_levelstroke.moc"
