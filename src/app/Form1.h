#pragma once

#include <QMainWindow>

#include "app/CommandTable.h"
#include "app/Module1.h"
#include "solver/Calculation.h"

class QAction;
class QLabel;
class QLineEdit;

namespace chart {
class ChartLayer;
}

namespace app {

class TaggedTimer;

// The one window of the program. Each action reads controls, calls the
// logic and writes controls; the command buttons, menu items and toolbar
// buttons of one command all run the same action.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(Module1& module, QWidget* parent = nullptr);

    void OnLoad();
    void OnActivate();
    void Calculate();
    void NewFunction();
    void ShowOnChart();
    void ClearChart();
    void ExitProgram();
    void OnToolbarButtonClick(QAction* button);
    void OnTimerTick();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void bindControls();
    void routeCommands();
    void run(Command command);
    void clearEntriesAndResults();
    QLineEdit* entryBox(solver::Coefficient coefficient) const;

    Module1& module_;
    bool shownBefore_ = false;
    bool frameOnTop_ = false;  // nothing drawn since the last activation frame
    chart::ChartLayer& canvas_;

    QLineEdit* TxtA = nullptr;
    QLineEdit* TxtB = nullptr;
    QLineEdit* TxtC = nullptr;
    QLabel* LblNapis = nullptr;
    QLabel* LblDelta = nullptr;
    QLabel* LblX1 = nullptr;
    QLabel* LblX2 = nullptr;
    TaggedTimer* Timer1 = nullptr;
};

}  // namespace app
