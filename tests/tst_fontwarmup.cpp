#include <QFontDatabase>
#include <QtTest>

#include "app/FontWarmUp.h"

// The start-up helper must never hold the program: not when the application
// never came, and not when it did.
class FontWarmUpTest : public QObject {
    Q_OBJECT

private slots:
    void endsWhenTheApplicationIsNeverReady() {
        app::FontWarmUp fonts;
        fonts.waitForConfiguration();
    }

    void endsAtOnceWithoutWaiting() { app::FontWarmUp fonts; }

    void buildsTheFontListOnceTheApplicationIsReady() {
        {
            app::FontWarmUp fonts;
            fonts.applicationReady();
            fonts.waitForConfiguration();
        }
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("Liberation Sans")));
    }
};

QTEST_MAIN(FontWarmUpTest)
#include "tst_fontwarmup.moc"
