#include <QtTest>

#include "FormFixture.h"
#include "ModalAnswerer.h"

// Ending the program runs the application's own event loop, so each test
// starts it and sees whether it comes back, and how.
class ExitTest : public QObject {
    Q_OBJECT

    FormFixture f;

    // Runs the event loop until the program ends; 99 if it never does.
    static int runUntilEnd() {
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(10'000);
        return QApplication::exec();
    }

private slots:
    void initTestCase() { FormFixture::configure(); }
    void init() { f.create(); }
    void cleanup() { f.destroy(); }

    void enterAnswersYesAndEnds() {
        ModalAnswerer yes(QStringLiteral("Return"));
        QTimer::singleShot(0, [this] { QTest::mouseClick(f.toolbarButton("koniec"), Qt::LeftButton); });
        QCOMPARE(runUntilEnd(), 0);
        QVERIFY(yes.answered);
    }

    // This test runs under C.UTF-8, as on a system that speaks English: Qt's
    // own words (the text boxes' menu) stay Polish.
    void qtTextsArePolish() {
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Cofnij"));
    }

    void closingTheWindowEndsWithoutAQuestion() {
        ModalAnswerer anyBox(QStringLiteral("Nie"));
        QTimer::singleShot(0, [this] { f.form->close(); });
        QCOMPARE(runUntilEnd(), 0);
        QVERIFY(!anyBox.answered);
    }
};

QTEST_MAIN(ExitTest)
#include "tst_exit.moc"
