#pragma once

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QWidget>

#include <optional>
#include <vector>

#include "chart/ChartCanvas.h"

namespace chart {

// The canvas of the main window: a transparent sheet over the whole client
// area that keeps what is drawn on it and paints it again on every repaint,
// so a menu or another window passing over the chart takes nothing away.
// It lets the mouse through to the controls. A drawing of few strokes, such
// as the frame the window starts with, is kept as its strokes and drawn
// afresh; a larger one is kept as pixels.
class ChartLayer : public QWidget, public ChartCanvas {
    Q_OBJECT

public:
    explicit ChartLayer(QWidget* parent);

    void SetPenWidth(int pixels) override;
    void SetPenColour(Rgb colour) override;
    void MoveTo(float x, float y) override;
    void LineTo(float x, float y) override;
    void PlotPoint(float x, float y) override;
    void Hide() override;
    void Show() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // One stroke as drawn: a filled rectangle, a line, or a round dot.
    struct Stroke {
        enum class Shape { Rectangle, Line, Dot } shape;
        QRectF area;  // the rectangle, or the dot's bounding square
        QLineF line;
        QPen pen;
    };

    QPointF toPixels(float x, float y) const;
    qreal pixelRatio() const;
    void draw(const Stroke& stroke, const QRectF& reach);
    static void paintStroke(QPainter& painter, const Stroke& stroke);
    void keepAsPixels();
    QPainter& painter();
    void endPainting();
    void coverWholeLayer();
    void markDrawn(const QRectF& area);
    void repaintDrawn();

    std::vector<Stroke> strokes_;  // the drawing while it is small
    QImage drawing_;               // the drawing once it is not
    std::optional<QPainter> painter_;  // open from the first stroke to the next repaint
    QPen pen_;
    QPointF current_;
    QRect pendingRepaint_;
    QRect inked_;  // holds everything drawn since the layer was last emptied
};

}  // namespace chart
