#include <QtTest>

#include <QApplication>
#include <QStyleOption>

#include <fstream>
#include <string>

#include "FormFixture.h"
#include "app/DeferredIcon.h"
#include "app/PictureIcon.h"

// The pictures the build made, and icons that are only made when drawn.
class IconsTest : public QObject {
    Q_OBJECT

    static bool loaded(const std::string& library) {
        std::ifstream maps("/proc/self/maps");
        for (std::string line; std::getline(maps, line);) {
            if (line.find(library) != std::string::npos) return true;
        }
        return false;
    }

private slots:
    void initTestCase() { FormFixture::configure(); }

    // Start-up reads its pictures itself: no image plugin, no SVG renderer.
    // First, before any other test asks for a picture of the style's.
    void windowShowsWithoutImagePlugins() {
        FormFixture f;
        f.create();
        QTest::qWait(50);
        QVERIFY(!loaded("/imageformats/"));
        QVERIFY(!loaded("libQt6Svg"));
        f.destroy();
    }

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
        const QIcon icon = app::PictureIcon(name);
        QList<QSize> expected;
        for (int size : sizes) expected << QSize(size, size);
        QCOMPARE(icon.availableSizes(), expected);
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
        const QPixmap pixmap = app::PictureIcon(QStringLiteral("oblicz")).pixmap(QSize(16, 16), ratio);
        QCOMPARE(pixmap.size(), pixels);
    }

    // The compiled-in pixels are those of the PNG the build rendered: same
    // colours, same transparency, same rows.
    void picturesAreTheRenderedOnes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixels");
        for (const char* name : {"oblicz", "nowa", "wykres", "koniec", "wyczysc"}) {
            for (int pixels : {16, 32}) {
                QTest::addRow("%s-%d", name, pixels) << QString::fromUtf8(name) << pixels;
            }
        }
        for (int pixels : {16, 32, 48, 64}) QTest::addRow("zerowik-%d", pixels) << QStringLiteral("zerowik") << pixels;
    }

    void picturesAreTheRenderedOnes() {
        QFETCH(QString, name);
        QFETCH(int, pixels);
        const QImage rendered(QStringLiteral(PICTURES_DIR "/%1-%2.png").arg(name).arg(pixels));
        QVERIFY(!rendered.isNull());
        const QImage shown = app::PictureIcon(name).pixmap(QSize(pixels, pixels), 1.0).toImage();
        constexpr auto format = QImage::Format_ARGB32_Premultiplied;
        QCOMPARE(shown.convertToFormat(format), rendered.convertToFormat(format));
    }

    void deferredIconIsMadeOnceWhenFirstNeeded() {
        int made = 0;
        const QIcon icon = app::DeferredIcon([&made] {
            ++made;
            return app::PictureIcon(QStringLiteral("nowa"));
        });
        const QIcon copy = icon;
        QVERIFY(!icon.isNull());
        QCOMPARE(made, 0);
        QCOMPARE(copy.pixmap(16).size(), QSize(16, 16));
        QCOMPARE(icon.actualSize(QSize(64, 64)), QSize(32, 32));
        QCOMPARE(made, 1);
    }

    // Standard icons look as the style itself draws them.
    void standardIconsAsTheStyleDrawsThem_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("toolbar extension") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
        QTest::newRow("vertical extension") << int(QStyle::SP_ToolBarVerticalExtensionButton);
        QTest::newRow("question") << int(QStyle::SP_MessageBoxQuestion);
    }

    void standardIconsAsTheStyleDrawsThem() {
        QFETCH(int, which);
        const auto pixmap = QStyle::StandardPixmap(which);
        app::DeferredIconStyle style;
        QStyleOption option;
        const QImage deferred = style.standardIcon(pixmap, &option, nullptr).pixmap(32).toImage();
        const QImage direct = style.baseStyle()->standardIcon(pixmap, &option, nullptr).pixmap(32).toImage();
        QVERIFY(!direct.isNull());
        QCOMPARE(deferred, direct);
    }
};

QTEST_MAIN(IconsTest)
#include "tst_icons.moc"
