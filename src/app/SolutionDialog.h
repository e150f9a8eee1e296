#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace app {

// The worked solution beside the window: its text, selectable and read by
// screen readers, a button that copies all of it and one that closes it.
// It does not block the window.
class SolutionDialog : public QDialog {
    Q_OBJECT

public:
    explicit SolutionDialog(QWidget* parent);

    void setSolution(const QString& text);
    void showBeside(const QWidget* window);
    QString solution() const;

private:
    QPlainTextEdit* text_;
};

}  // namespace app
