#pragma once

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QWidget>

#include <optional>

#include "chart/ChartCanvas.h"

namespace app {

// The chart's drawing surface on the main window: a transparent sheet over
// the whole client area, under the boxes, buttons and toolbar, that keeps
// what is drawn on it in one image and paints it again on every repaint, so
// a menu or another window passing over the chart takes nothing away. It
// lets the mouse through to the controls.
class WindowCanvas : public QWidget, public chart::ChartCanvas {
    Q_OBJECT

public:
    explicit WindowCanvas(QWidget* parent);

    void SetPenWidth(int pixels) override;
    void SetPenColour(chart::Rgb colour) override;
    void MoveTo(float x, float y) override;
    void LineTo(float x, float y) override;
    void PlotPoint(float x, float y) override;
    void Hide() override;
    void Show() override;
    // Takes the drawing away from the area (in pixels of the client area).
    void erase(const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointF toPixels(float x, float y) const;
    qreal penWidth() const;
    QPainter& painter();
    void endPainting();
    void growToCover();
    void markDrawn(const QRectF& area);
    void repaintDrawn();

    QImage drawing_;
    std::optional<QPainter> painter_;  // open from a command's first stroke to the next repaint
    QPen pen_;  // its colour and caps; its width comes from penPixels_
    int penPixels_ = 1;
    QPointF current_;
    QRect pendingRepaint_;
};

}  // namespace app
