#pragma once

#include <QDialog>

#include "solution/WorkedSolution.h"

class QPlainTextEdit;
class QSplitter;

namespace app {

class GraphView;

// The worked solution beside the window: its text, selectable and read by
// screen readers, its chart under it, a button that copies all the text and
// one that closes it. It does not block the window.
class SolutionDialog : public QDialog {
    Q_OBJECT

public:
    explicit SolutionDialog(QWidget* parent);

    void setSolution(const solution::Solution& solution);
    void showBeside(const QWidget* window);
    QString solution() const;

private:
    QPlainTextEdit* text_;
    GraphView* graph_;
    QSplitter* splitter_;
};

}  // namespace app
