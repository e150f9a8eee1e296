#include <QtTest>

#include "app/ImageList.h"

// The pictures the build made, in the sizes each screen density needs.
class IconsTest : public QObject {
    Q_OBJECT

private slots:
    void everyPictureHasItsSizes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("sizes");
        for (const char* name : {"oblicz", "nowa", "wykres", "koniec", "wyczysc"}) {
            QTest::newRow(name) << QString::fromUtf8(name) << QList<int>{16, 32};
        }
        QTest::newRow("zerowik") << QStringLiteral("zerowik") << QList<int>{16, 32, 48, 64};
    }

    void everyPictureHasItsSizes() {
        QFETCH(QString, name);
        QFETCH(QList<int>, sizes);
        const QIcon icon = app::Picture(name);
        QList<QSize> expected;
        for (int size : sizes) expected << QSize(size, size);
        QCOMPARE(icon.availableSizes(), expected);
        // Drawn, not empty: a picture the renderer failed on is transparent.
        const QImage image = icon.pixmap(QSize(16, 16), 1.0).toImage();
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) == 255;
        }
        QVERIFY2(opaque >= 16, qPrintable(QString::number(opaque)));
    }

    // A denser screen gets the larger picture, not the small one enlarged.
    void pictureForTheScreenDensity_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("1x") << 1.0 << QSize(16, 16);
        QTest::newRow("2x") << 2.0 << QSize(32, 32);
        QTest::newRow("1.5x") << 1.5 << QSize(24, 24);
    }

    void pictureForTheScreenDensity() {
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        const QPixmap pixmap = app::Picture(QStringLiteral("oblicz")).pixmap(QSize(16, 16), ratio);
        QCOMPARE(pixmap.size(), pixels);
    }
};

QTEST_MAIN(IconsTest)
#include "tst_icons.moc"
