#include "app/Form1.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>

#include "app/MessageBoxes.h"
#include "app/TaggedTimer.h"
#include "app/WindowBuilder.h"
#include "banner/Banner.h"
#include "chart/ChartFrame.h"
#include "chart/ChartLayer.h"
#include "chart/FunctionPlot.h"
#include "solver/Calculation.h"

namespace app {

namespace {

template <typename T>
T* control(const QObject& form, const char* name) {
    return form.findChild<T*>(QString::fromUtf8(name));
}

}  // namespace

Form1::Form1(Module1& module, QWidget* parent)
    : QMainWindow(parent), module_(module), canvas_(BuildWindow(*this)) {
    bindControls();
    routeCommands();
    OnLoad();
    TxtA->setFocus();
}

void Form1::bindControls() {
    TxtA = control<QLineEdit>(*this, "TxtA");
    TxtB = control<QLineEdit>(*this, "TxtB");
    TxtC = control<QLineEdit>(*this, "TxtC");
    LblNapis = control<QLabel>(*this, "LblNapis");
    LblDelta = control<QLabel>(*this, "LblDelta");
    LblX1 = control<QLabel>(*this, "LblX1");
    LblX2 = control<QLabel>(*this, "LblX2");
    Timer1 = control<TaggedTimer>(*this, "Timer1");
}

void Form1::routeCommands() {
    for (const CommandSources& sources : CommandTable()) {
        const Command command = sources.command;
        connect(control<QPushButton>(*this, sources.button), &QPushButton::clicked, this,
                [this, command] { run(command); });
        connect(control<QAction>(*this, sources.menuItem), &QAction::triggered, this,
                [this, command] { run(command); });
    }
    connect(control<QToolBar>(*this, "Toolbar1"), &QToolBar::actionTriggered, this,
            &Form1::OnToolbarButtonClick);
    connect(Timer1, &QTimer::timeout, this, &Form1::OnTimerTick);
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

bool Form1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) OnActivate();
    return QMainWindow::event(event);
}

// A window that appears is active; where the window system does not say so
// (no window manager, or one that holds back the focus), the first frame
// must be seen all the same.
void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownBefore_) {
        shownBefore_ = true;
        if (!isActiveWindow()) OnActivate();
    }
}

void Form1::OnLoad() {
    LblNapis->clear();
    clearEntriesAndResults();
}

void Form1::clearEntriesAndResults() {
    TxtA->clear();
    TxtB->clear();
    TxtC->clear();
    LblDelta->clear();
    LblX1->clear();
    LblX2->clear();
}

// Drawing the frame again over itself would change no pixel: the first
// showing and the activation that follows it draw it once.
void Form1::OnActivate() {
    if (frameOnTop_) return;
    chart::DrawActivationFrame(canvas_);
    frameOnTop_ = true;
}

QLineEdit* Form1::entryBox(solver::Coefficient coefficient) const {
    QLineEdit* const boxes[] = {TxtA, TxtB, TxtC};
    return boxes[int(coefficient)];
}

void Form1::Calculate() {
    const auto outcome =
        solver::Calculate(TxtA->text().toStdString(), TxtB->text().toStdString(),
                          TxtC->text().toStdString(), module_.solution);
    if (const auto* message = std::get_if<solver::CalculationMessage>(&outcome)) {
        ShowMessage(this, QString::fromStdString(message->text));
        if (message->focus) entryBox(*message->focus)->setFocus();
        return;
    }
    const auto& result = std::get<solver::CalculationResult>(outcome);
    module_.solution = result.state;
    LblDelta->setText(QString::fromStdString(result.lines.delta));
    LblX1->setText(QString::fromStdString(result.lines.x1));
    LblX2->setText(QString::fromStdString(result.lines.x2));
}

void Form1::NewFunction() { clearEntriesAndResults(); }

void Form1::ShowOnChart() {
    chart::ShowOnChart(canvas_, module_.solution);
    frameOnTop_ = false;
}

// Ends with the activation's frame, in the pen that will draw the next one.
void Form1::ClearChart() {
    chart::ClearChart(canvas_);
    frameOnTop_ = true;
}

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
    const QString text = banner::RotatedLeft(Timer1->Tag);
    Timer1->Tag = text;
    LblNapis->setText(banner::VisiblePart(text));
}

}  // namespace app
