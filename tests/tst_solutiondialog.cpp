#include <QtTest>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextLayout>

#include <random>

#include "app/Application.h"
#include "app/SolutionDialog.h"
#include "task/Task.h"
#include "task/TaskSolution.h"

namespace {

solution::Solution solved(const QString& text) {
    return task::SolveTask(std::get<task::Problem>(task::ReadTask(text.toStdString())));
}

// A character of a number as the solution writes it: its digits, decimal
// comma, root, power, and the spaces that group its digits.
bool inNumber(QChar c) {
    static const QString signs = QStringLiteral(",√⁰¹²³⁴⁵⁶⁷⁸⁹⁻\u202f");
    return c.isDigit() || signs.contains(c);
}

QPushButton* buttonOf(QWidget* dialog, const QString& text) {
    for (auto* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == text) return button;
    }
    return nullptr;
}

}  // namespace

// The worked solution's window as a pupil reads it: the answer in sight,
// the chart with room, numbers whole on their lines, plain text copied,
// and where the keyboard is.
class SolutionDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        static QTranslator translation;
        app::ConfigureApplication(*qApp, translation);
        window_.resize(600, 460);
        window_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window_));
    }

    // At the size it opens with, the line that answers is in sight and the
    // chart keeps at least 40 % of the dialog's height.
    void answerInSight_data() {
        QTest::addColumn<QString>("task");
        QTest::newRow("an interval, a long text") << "f(x) = 2x^2 - 8x + 3, x ∈ <-1; 3>";
        QTest::newRow("decimals on an interval") << "f(x) = -0,5x^2 + 3,5x - 2,75, x ∈ <-1; 5>";
        QTest::newRow("an inequality with no solution") << "x^2 < 0";
        QTest::newRow("a product") << "(2x - 3)(3 - x) >= 0";
        QTest::newRow("long numbers") << "123456789x^2 - 987654321x + 1 = 0";
        // Fifteen lines and more before the answer, at the width it opens with.
        QTest::newRow("rounded numbers") << "1234567890123456789012345678901234567890123x^2 - 7,25x - 1/3 >= 2x + 1/7";
        QTest::newRow("common points with roots") << "1/31x^2 - 7/113x - 2/137 = 5/173x + 1/191";
    }

    void answerInSight() {
        QFETCH(QString, task);
        app::SolutionDialog dialog;
        dialog.setSolution(solved(task));
        dialog.showBeside(&window_, QRect());
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* text = dialog.findChild<QPlainTextEdit*>();
        auto* splitter = dialog.findChild<QSplitter*>();
        // As opened, and made small by the pupil before the same task comes again.
        for (const bool small : {false, true}) {
            if (small) {
                dialog.resize(420, 360);
                dialog.setSolution(solved(task));
            }
            const QList<int> sizes = splitter->sizes();
            QVERIFY2(sizes[1] >= 0.4 * dialog.height() - 1, qPrintable(QString("%1 of %2").arg(sizes[1]).arg(dialog.height())));
            // Short of its share, the text shows whole, with no scroll bar.
            const int sum = sizes[0] + sizes[1];
            if (sizes[0] < sum - std::max(0.5 * sum, 0.4 * dialog.height()) - 2) {
                QVERIFY2(text->verticalScrollBar()->maximum() == 0,
                         qPrintable(task + (small ? " small" : "")));
            }
            const QTextBlock answer = text->document()->find(QStringLiteral("Odpowiedź:")).block();
            QVERIFY(answer.isValid());
            QTextCursor end(answer);
            end.movePosition(QTextCursor::EndOfBlock);
            const QRect viewport = text->viewport()->rect();
            // Its first and last lines in sight; a number too wide for the line runs past the right edge.
            const QRect first = text->cursorRect(QTextCursor(answer)), last = text->cursorRect(end);
            // An answer taller than the box starts at its top.
            const bool fits = last.bottom() - first.top() < viewport.height();
            QVERIFY2(viewport.contains(first) && (fits ? last.bottom() <= viewport.bottom() : first.top() <= 4),
                     qPrintable(task + (small ? " small" : "")));
        }
    }

    // Solutions of generated tasks with long, small and grouped numbers,
    // laid out as the dialog lays them at widths from 200 to 1400: no line
    // breaks between two characters of one number.
    void numbersNeverBreak() {
        app::SolutionDialog dialog;
        dialog.showBeside(&window_, QRect());
        auto* text = dialog.findChild<QPlainTextEdit*>();
        std::mt19937 random(2026);
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        const QString numbers[] = {"0,0002", "123456789", "8,1e-5", "1/3", "2,5", "987654321", "0,0000001", "7"};
        int breaks = 0;
        for (int i = 0; i < 40; ++i) {
            const QString task = QString("f(x) = %1x^2 - %2x + %3, x ∈ <-%4; %5>")
                                     .arg(numbers[pick(0, 7)], numbers[pick(0, 7)], numbers[pick(0, 7)])
                                     .arg(pick(1, 9))
                                     .arg(pick(1, 9));
            dialog.setSolution(solved(task));
            for (int width = 200; width <= 1400; width += 50) {
                text->resize(width, 300);
                for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
                    const QString line = block.text();
                    QTextLayout* layout = block.layout();
                    for (int l = 1; l < layout->lineCount(); ++l) {
                        const int at = layout->lineAt(l).textStart();
                        int before = at - 1;
                        while (before > 0 && line[before] == u' ') --before;
                        ++breaks;
                        QVERIFY2(!(inNumber(line[before]) && inNumber(line[at])) && line[before] != QChar(0x00a0),
                                 qPrintable(QString("%1 at %2: %3 | %4").arg(task).arg(width).arg(line.left(at), line.mid(at))));
                    }
                }
            }
        }
        QVERIFY(breaks > 1000);
    }

    // A selection copied as "Kopiuj wszystko" copies: no joiners, plain spaces.
    void selectionCopiesPlainText() {
        app::SolutionDialog dialog;
        dialog.setSolution(solved("f(x) = x^2 - 1/3x - 1000000, x ∈ <-2; 2>"));
        dialog.showBeside(&window_, QRect());
        auto* text = dialog.findChild<QPlainTextEdit*>();
        QVERIFY(text->toPlainText().contains(QChar(0x2060)));
        text->setFocus();
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
        const QString selected = QApplication::clipboard()->text();
        QTest::mouseClick(buttonOf(&dialog, "Kopiuj wszystko"), Qt::LeftButton);
        const QString all = QApplication::clipboard()->text();
        QVERIFY(!selected.contains(QChar(0x2060)) && !selected.contains(QChar(0x00a0)));
        QCOMPARE(selected, all);
    }

    // A task copied from the book in two lines, pasted and solved with Enter:
    // its lines are its statements.
    void pastedLinesAreStatements() {
        app::SolutionDialog dialog;
        dialog.showBeside(&window_, QRect());
        QApplication::clipboard()->setText(QStringLiteral("x^2 + y = 4\n2x - y = -1"));
        dialog.taskLine()->setFocus();
        QTest::keyClick(dialog.taskLine(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(dialog.taskLine(), Qt::Key_Return);
        QCOMPARE(dialog.taskLine()->text(), QStringLiteral("x² + y = 4, 2x − y = −1"));
        QVERIFY(dialog.solution().contains(QStringLiteral("Odpowiedź: x = −3, y = −5 lub x = 1, y = 3")));
    }

    // Each button says what it is to a screen reader, and shows the focus:
    // drawn with it, it differs from drawn without it.
    void buttonsNamedAndFocusShown() {
        app::SolutionDialog dialog;
        dialog.showBeside(&window_, QRect());
        for (const QString& name : {QStringLiteral("Rozwiąż"), QStringLiteral("Kopiuj wszystko"), QStringLiteral("Zamknij")}) {
            QPushButton* button = buttonOf(&dialog, name);
            QVERIFY(button);
            QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), name);
            dialog.taskLine()->setFocus();
            QTRY_VERIFY(!button->hasFocus());
            const QImage without = button->grab().toImage();
            button->setFocus();
            QTRY_VERIFY(button->hasFocus());
            QVERIFY2(button->grab().toImage() != without, qPrintable(name));
        }
    }

private:
    QWidget window_;
};

QTEST_MAIN(SolutionDialogTest)
#include "tst_solutiondialog.moc"
