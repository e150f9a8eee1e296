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

    // A task read and solved in full, of about 200 characters and of 10 000
    // (the most a task may have): a sum of products of two factors.
    void solveTask_data() {
        QTest::addColumn<QString>("task");
        for (const int length : {200, 10'000}) {
            QString task;
            while (task.size() + 30 < length) task += "(x + 1/3)(2x - 5,25) - ";
            task += "x^2 <= 14";
            QTest::newRow(length == 200 ? "200 characters" : "10000 characters") << task;
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
