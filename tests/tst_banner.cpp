#include <QtTest>

#include "app/WindowDescription.h"
#include "banner/Banner.h"

namespace {

const QString sentence = QStringLiteral("Program wyznacza miejsca zerowe funkcji kwadratowej");

QString afterTicks(int ticks) {
    QString text = QString::fromUtf8(app::design::Window().timerTag);
    for (int i = 0; i < ticks; ++i) text = banner::RotatedLeft(text);
    return text;
}

}  // namespace

class BannerTest : public QObject {
    Q_OBJECT

private slots:
    void captionAfterTicks_data() {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("caption");
        const QString blanks5(5, ' ');
        QTest::newRow("first tick shows four leading blanks")
            << 1 << QString(4, ' ') + sentence + blanks5;
        QTest::newRow("fifth tick starts with the P") << 5 << sentence + blanks5 + QString(4, ' ');
        QTest::newRow("sixth tick hides the P at the end")
            << 6 << sentence.mid(1) + blanks5 + blanks5;
        QTest::newRow("seventh tick shows the P last")
            << 7 << sentence.mid(2) + blanks5 + blanks5 + "P";
        QTest::newRow("61 ticks are a whole cycle") << 61 << blanks5 + sentence + QString(4, ' ');
    }

    void captionAfterTicks() {
        QFETCH(int, ticks);
        QFETCH(QString, caption);
        QCOMPARE(banner::VisiblePart(afterTicks(ticks)), caption);
    }
};

QTEST_APPLESS_MAIN(BannerTest)
#include "tst_banner.moc"
