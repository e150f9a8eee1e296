#pragma once

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QWidget>

#include <optional>

#include "chart/ChartCanvas.h"

namespace chart {

// The canvas of the main window: a transparent sheet over the whole client
// area that keeps what is drawn on it and paints it again on every repaint,
// so a menu or another window passing over the chart takes nothing away.
// It lets the mouse through to the controls.
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
    QPointF toPixels(float x, float y) const;
    QPainter& painter();
    void endPainting();
    void coverWholeLayer();
    void markDrawn(const QRectF& area);
    void repaintDrawn();

    QImage drawing_;
    std::optional<QPainter> painter_;  // open from the first stroke to the next repaint
    QPen pen_;
    QPointF current_;
    QRect pendingRepaint_;
    QRect inked_;  // holds everything drawn since the layer was last emptied
};

}  // namespace chart
