// Each command through the real window on the offscreen platform, with the
// repaint it causes.
#include <QDialog>
#include <QtTest>

#include "FormFixture.h"
#include "app/GraphView.h"
#include "app/SolutionDialog.h"
#include "solution/WorkedSolution.h"
#include "task/Task.h"
#include "task/TaskSolution.h"

class CommandsBenchmark : public QObject {
    Q_OBJECT

    FormFixture f;

    void repaint() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    void enterCoefficients() {
        QFETCH(QString, a);
        f.named<QLineEdit>("TxtA")->setText(a);
        f.named<QLineEdit>("TxtB")->setText(a.size() > 20 ? "-3" : "-3.45678901234567");
        f.named<QLineEdit>("TxtC")->setText(a.size() > 20 ? "2" : "2.34567890123456");
    }

private slots:
    void initTestCase() { FormFixture::configure(); }
    void init() { f.create(); }
    void cleanup() { f.destroy(); }

    void calculate_data() {
        QTest::addColumn<QString>("a");
        QTest::newRow("short coefficients") << "1";
        QTest::newRow("15-digit coefficients") << "1.23456789012345";
        QTest::newRow("1 MB text") << "1." + QString(1'000'000, '0') + "1";
    }

    void calculate() {
        enterCoefficients();
        QBENCHMARK {
            f.form->Calculate();
        }
        QVERIFY(!f.text("LblDelta").isEmpty());
    }

    // The worked solution of the last calculation written and shown in its
    // dialog, with the dialog's paint: what a calculation costs while the
    // dialog is open. (The window's own repaint as it loses the focus is not
    // counted: with a megabyte in a box, that is the box's layout of its
    // text, whatever opened the dialog.)
    void showSolution_data() { calculate_data(); }

    void showSolution() {
        enterCoefficients();
        f.form->Calculate();
        repaint();
        app::SolutionDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QBENCHMARK {
            dialog.setSolution(solution::WorkedSolution(*f.module->coefficients));
            dialog.repaint();
        }
    }

    // The worked solution's chart alone, at 1000 × 700 pixels.
    void chartRepaint() {
        const auto outcome = solver::Calculate("2", "-4", "-2", {});
        app::GraphView chart(nullptr);
        chart.setGraph(solution::WorkedSolution(std::get<solver::CalculationResult>(outcome).exact).graph);
        chart.resize(1000, 700);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QBENCHMARK {
            chart.repaint();
        }
    }

    void showOnChart() {
        f.enterCoefficients("1", "0", "-4");
        f.form->Calculate();
        QBENCHMARK {
            f.form->ShowOnChart();
            repaint();
        }
    }

    void clearChart() {
        QBENCHMARK {
            f.form->ClearChart();
            repaint();
        }
    }

    // A task of each kind read and solved in full, of about 500 characters
    // and of 10 000 (the most a task may have): sums of products of two
    // factors, or as many conditions as fit.
    void solveTask_data() {
        QTest::addColumn<QString>("task");
        const auto filled = [](const QString& before, const QString& repeated, const QString& after, int length) {
            QString task = before;
            while (task.size() + repeated.size() + after.size() < length) task += repeated;
            return task + after;
        };
        for (const int length : {500, 10'000}) {
            // No comma in a row's name: the figures are read back as CSV.
            const QString size = length == 500 ? " 500 characters" : " 10000 characters";
            const QString product = "(x + 1/3)(2x - 5,25) - ";
            QTest::newRow(qPrintable("inequality" + size)) << filled("", product, "x^2 <= 14", length);
            QTest::newRow(qPrintable("common points" + size)) << filled("y = ", product, "x^2, y = x + 4", length);
            QTest::newRow(qPrintable("system" + size)) << filled("x^2 + y + ", product, "0 = 4, 2x - y = 5", length);
            QTest::newRow(qPrintable("other letter" + size))
                << filled("h(t) = ", "(t + 1/3)(2t - 5,25) - ", "t^2, t ∈ <0; 2>", length);
            // Points of 2x² − 3x + 1, each one more condition than needed.
            QString conditions = "f(0) = 1";
            for (int x = 1; conditions.size() < length - 30; ++x) {
                conditions += QString(", f(%1) = %2").arg(x).arg(2 * x * x - 3 * x + 1);
            }
            QTest::newRow(qPrintable("conditions" + size)) << conditions;
        }
        // A parameter task as printed, its sentence long with words the reader skips, of 600
        // characters and of 10 000: answered, or refused where its formulas end up too long.
        for (const int length : {600, 10'000}) {
            const QString size = length == 600 ? " 600 characters" : " 10000 characters";
            QTest::newRow(qPrintable("sentence" + size))
                << filled("Wyznacz", " wszystkie wartości parametru m,", " dla których równanie x² + (m − 2)x + m + 1 = 0 ma dwa "
                          "różne rozwiązania dodatnie.", length);
        }
    }

    void solveTask() {
        QFETCH(QString, task);
        const std::string text = task.toStdString();
        QBENCHMARK {
            const auto read = task::ReadTask(text);
            QVERIFY(std::holds_alternative<task::Problem>(read));
            QVERIFY(!task::SolveTask(std::get<task::Problem>(read)).text.empty());
        }
    }

    void bannerTick() {
        QBENCHMARK {
            f.form->OnTimerTick();
            repaint();
        }
    }
};

QTEST_MAIN(CommandsBenchmark)
#include "bench_commands.moc"
