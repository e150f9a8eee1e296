#pragma once

#include <QMainWindow>

#include <memory>

#include "app/CommandTable.h"
#include "app/Form1Controls.h"
#include "app/Module1.h"
#include "solution/WorkedSolution.h"
#include "solver/Calculation.h"

class QAction;
class QLineEdit;

namespace app {

class ResultLine;
class SolutionDialog;

// The one window of the program. Each action reads controls, calls the
// logic and writes controls; the command buttons, menu items and toolbar
// buttons of one command all run the same action.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(Module1& module, QWidget* parent = nullptr);
    ~Form1() override;

    void OnLoad();
    void OnActivate();
    void Calculate();
    void NewFunction();
    void ShowOnChart();
    void ClearChart();
    void ExitProgram();
    void ShowSolution();
    void OnToolbarButtonClick(QAction* button);
    void OnTimerTick();

    const Form1Controls& controls() const { return c_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void routeCommands();
    void offerSolution();
    void run(Command command);
    void clearEntriesAndResults();
    void showResult(ResultLine* line, const QString& text);
    solution::Solution workedSolution() const;
    QLineEdit* entryBox(solver::Coefficient coefficient) const;
    QRect controlsOnScreen() const;

    Module1& module_;
    const Form1Controls c_;
    bool shownBefore_ = false;
    // A window of its own, made when first asked for, gone with this one.
    std::unique_ptr<SolutionDialog> solutionDialog_;
};

}  // namespace app
