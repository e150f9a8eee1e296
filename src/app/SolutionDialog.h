#pragma once

#include <QDialog>

#include "solution/WorkedSolution.h"

class QLabel;
class QLayout;
class QLineEdit;
class QSplitter;

namespace app {

class GraphView;
class SolutionText;

// The worked solution beside the window: the task it solves, which the
// pupil may edit or type anew ("Rozwiąż" or Enter solves it), its text,
// selectable and read by screen readers, its chart under it, a button that
// copies all the text and one that closes it. A task that cannot be read
// leaves the last solution in place, says why beside the line and puts the
// cursor where the trouble is. It is a window of its own, which the main
// window can be brought in front of, and it never reaches past the screen.
class SolutionDialog : public QDialog {
    Q_OBJECT

public:
    SolutionDialog();

    // The task line says what SOLUTION solves.
    void setSolution(const solution::Solution& solution);
    // Reads and solves the task line.
    void solveTask();
    // The task line, for the pupil's typing.
    QLineEdit* taskLine() const { return task_; }
    // Shows it beside WINDOW, leaving KEEPVISIBLE (in screen coordinates)
    // uncovered where the screen has room; brings it forward if shown.
    void showBeside(const QWidget* window, const QRect& keepVisible);
    // The text as it is copied, with plain spaces.
    QString solution() const { return text_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLayout* taskRow();
    int chrome() const;
    int besideText() const;
    int textHeight(int width) const;
    void shareHeight();
    void showAnswer();
    void growForText();

    QString text_;
    QLineEdit* task_;
    QLayout* taskRow_ = nullptr;
    bool shareWhenResized_ = false;
    QLabel* message_;
    SolutionText* view_;
    GraphView* graph_;
    QSplitter* splitter_;
    QWidget* buttons_;
};

}  // namespace app
