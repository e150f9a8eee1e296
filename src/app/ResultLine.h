#pragma once

#include <QFont>
#include <QLabel>

#include <optional>

class QAction;

namespace app {

// A result line: a label whose text the mouse can select and copy, from
// the selection or its context menu (not a stop of the tab order), and whose
// text, where it is wider than the line,
// is shown in a smaller size of its font so that it is read whole. The
// line's size and its designed font stay as they are.
class ResultLine : public QLabel {
    Q_OBJECT

public:
    explicit ResultLine(QWidget* parent);

    void setFittedText(const QString& text);
    // Offered in the context menu below the copy items.
    void setSolutionAction(QAction* action) { solutionAction_ = action; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::optional<QFont> designed_;  // the font before any fitting
    QAction* solutionAction_ = nullptr;
};

}  // namespace app
