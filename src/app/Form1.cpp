#include "app/Form1.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>

#include "app/EntryBox.h"
#include "app/MessageBoxes.h"
#include "app/ResultLine.h"
#include "app/SolutionDialog.h"
#include "app/TaggedTimer.h"
#include "app/WindowBuilder.h"
#include "app/WindowCanvas.h"
#include "banner/Banner.h"
#include "chart/ChartFrame.h"
#include "chart/FunctionPlot.h"
#include "solution/WorkedSolution.h"
#include "solver/Calculation.h"

namespace app {

Form1::Form1(Module1& module, QWidget* parent)
    : QMainWindow(parent), module_(module), c_(BuildWindow(*this)) {
    routeCommands();
    offerSolution();
    OnLoad();
    c_.TxtA->setFocus();
}

Form1::~Form1() = default;

void Form1::routeCommands() {
    for (const CommandSources& sources : CommandTable()) {
        const Command command = sources.command;
        connect(c_.*sources.button, &QPushButton::clicked, this, [this, command] { run(command); });
        connect(c_.*sources.menuItem, &QAction::triggered, this, [this, command] { run(command); });
    }
    connect(c_.Toolbar1, &QToolBar::actionTriggered, this, &Form1::OnToolbarButtonClick);
    connect(c_.Timer1, &QTimer::timeout, this, &Form1::OnTimerTick);
}

// One action opens the worked solution: from the result lines' menus and
// by its key anywhere in the window; before any calculation, for a task.
void Form1::offerSolution() {
    auto* solution = new QAction(QStringLiteral("Rozwiązanie krok po kroku…"), this);
    solution->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    addAction(solution);
    connect(solution, &QAction::triggered, this, &Form1::ShowSolution);
    for (ResultLine* line : {c_.LblDelta, c_.LblX1, c_.LblX2}) line->setSolutionAction(solution);
}

void Form1::run(Command command) {
    switch (command) {
    case Command::Calculate: return Calculate();
    case Command::NewFunction: return NewFunction();
    case Command::ShowOnChart: return ShowOnChart();
    case Command::Exit: return ExitProgram();
    case Command::ClearChart: return ClearChart();
    }
}

// Only the first showing activates the window in the chart's sense (Clear
// chart draws its own): the drawing is kept, so a frame drawn again when the
// window comes back from a message box, another window or the task bar
// would only cover the plot in whatever pen was last used.
void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownBefore_) {
        shownBefore_ = true;
        OnActivate();
    }
}

void Form1::OnLoad() {
    c_.LblNapis->clear();
    clearEntriesAndResults();
}

// setText, not clear: clearing records every character removed for undo,
// a record that keeps its memory for the life of the box.
void Form1::clearEntriesAndResults() {
    c_.TxtA->setText(QString());
    c_.TxtB->setText(QString());
    c_.TxtC->setText(QString());
    for (ResultLine* line : {c_.LblDelta, c_.LblX1, c_.LblX2}) showResult(line, QString());
}

// A label whose caption changes is repainted, and that erases the drawing
// under it.
void Form1::showResult(ResultLine* line, const QString& text) {
    if (line->text() == text) return;
    line->setFittedText(text);
    c_.canvas->erase(line->geometry());
}

void Form1::OnActivate() { chart::DrawActivationFrame(*c_.canvas); }

QLineEdit* Form1::entryBox(solver::Coefficient coefficient) const {
    QLineEdit* const boxes[] = {c_.TxtA, c_.TxtB, c_.TxtC};
    return boxes[int(coefficient)];
}

void Form1::Calculate() {
    const auto outcome =
        solver::Calculate(c_.TxtA->text().toStdString(), c_.TxtB->text().toStdString(),
                          c_.TxtC->text().toStdString(), module_.solution);
    if (const auto* message = std::get_if<solver::CalculationMessage>(&outcome)) {
        ShowMessage(this, QString::fromStdString(message->text));
        if (message->focus) entryBox(*message->focus)->setFocus();
        return;
    }
    const auto& result = std::get<solver::CalculationResult>(outcome);
    module_.solution = result.state;
    module_.coefficients = result.exact;
    if (solutionDialog_) solutionDialog_->setSolution(workedSolution());
    showResult(c_.LblDelta, QString::fromStdString(result.lines.delta));
    showResult(c_.LblX1, QString::fromStdString(result.lines.x1));
    showResult(c_.LblX2, QString::fromStdString(result.lines.x2));
}

void Form1::NewFunction() { clearEntriesAndResults(); }

void Form1::ShowOnChart() {
    const solver::SolutionState& s = module_.solution;
    chart::ShowOnChart(*c_.canvas,
                       {.a = s.a, .b = s.b, .c = s.c, .delta = s.delta, .x0 = s.x0, .x1 = s.x1, .x2 = s.x2});
}

// The last calculation's solution, or whatever task the pupil solved since;
// the focus in the task line, for typing one.
void Form1::ShowSolution() {
    if (!solutionDialog_) {
        solutionDialog_ = std::make_unique<SolutionDialog>();
        if (module_.coefficients) solutionDialog_->setSolution(workedSolution());
    }
    solutionDialog_->showBeside(this, controlsOnScreen());
    solutionDialog_->taskLine()->setFocus();
}

// What the pupil works with: the boxes, the result lines and the buttons.
QRect Form1::controlsOnScreen() const {
    QRect area;
    for (const QWidget* control : std::initializer_list<const QWidget*>{
             c_.TxtA, c_.TxtB, c_.TxtC, c_.LblDelta, c_.LblX1, c_.LblX2, c_.CmdOblicz, c_.CmdWykres,
             c_.CmdNowaFunkcja, c_.CmdKoniec, c_.Command1}) {
        area |= QRect(control->mapToGlobal(QPoint()), control->size());
    }
    return area;
}

// Of the last successful calculation; there must have been one.
solution::Solution Form1::workedSolution() const {
    return solution::WorkedSolution(*module_.coefficients);
}

void Form1::ClearChart() { chart::ClearChart(*c_.canvas); }

void Form1::ExitProgram() {
    if (AskYesNo(this, QStringLiteral("Czy napewno chcesz zakończyć program ?"),
                 QStringLiteral("Koniec programu"))) {
        QCoreApplication::exit(0);
    }
}

void Form1::OnToolbarButtonClick(QAction* button) {
    if (const auto command = CommandForToolbarKey(button->data().toString())) run(*command);
}

void Form1::OnTimerTick() {
    const QString text = banner::RotatedLeft(c_.Timer1->Tag);
    c_.Timer1->Tag = text;
    c_.LblNapis->setText(banner::VisiblePart(text));
}

}  // namespace app
