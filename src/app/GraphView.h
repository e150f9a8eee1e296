#pragma once

#include <QWidget>

#include <optional>

#include "sketch/FittedView.h"
#include "sketch/SketchLayout.h"
#include "solution/Graph.h"

class QAction;

namespace app {

// The worked solution's chart: its curves in a view fitted to them, with
// numbered axes and its points marked and labelled.
// It grows with its dialog, is an image with a describing sentence to a
// screen reader, and copies itself as a picture from its menu (by mouse,
// by Shift+F10 or the menu key) and by Ctrl+C.
class GraphView : public QWidget {
    Q_OBJECT

public:
    explicit GraphView(QWidget* parent);

    // None where the task has nothing to draw.
    void setGraph(const std::optional<solution::Graph>& graph);
    // The chart as the screen shows it, in its pixels.
    QImage picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // A layout and the device pixels and scale it was made for.
    struct Laid {
        QSize pixels;
        double scale = 1;
        sketch::SketchLayout layout;
    };

    void paintChart(QPainter& painter, double scale) const;
    const sketch::SketchLayout& layoutFor(QSizeF pixels, double scale, const sketch::MeasureText& measure) const;

    bool solved_ = false;  // blank until there is something to draw
    std::optional<solution::Graph> graph_;
    std::optional<sketch::FittedView> view_;
    mutable std::optional<Laid> layout_;
    QAction* copy_;
};

}  // namespace app
