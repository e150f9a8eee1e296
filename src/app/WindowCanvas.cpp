#include "app/WindowCanvas.h"

#include <QPaintEvent>

#include <algorithm>
#include <cmath>

#include "app/Colour.h"

namespace app {

namespace {

constexpr double millimetresPerInch = 25.4;

}  // namespace

WindowCanvas::WindowCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // The window's initial pen: width 1 in the button-text colour.
    pen_ = QPen(palette().color(QPalette::ButtonText), 1, Qt::SolidLine, Qt::SquareCap,
                Qt::MiterJoin);
}

void WindowCanvas::SetPenWidth(int pixels) { penPixels_ = pixels; }

void WindowCanvas::SetPenColour(chart::Rgb colour) {
    pen_.setColor(qColour(colour));
}

void WindowCanvas::MoveTo(float x, float y) { current_ = toPixels(x, y); }

void WindowCanvas::LineTo(float x, float y) {
    const QPointF to = toPixels(x, y);
    QPainter& onDrawing = painter();
    pen_.setWidthF(penWidth());
    onDrawing.setPen(pen_);
    onDrawing.drawLine(current_, to);
    const qreal reach = pen_.widthF();
    markDrawn(QRectF(current_, to).normalized().adjusted(-reach, -reach, reach, reach));
    current_ = to;
}

void WindowCanvas::PlotPoint(float x, float y) {
    const QPointF centre = toPixels(x, y);
    current_ = centre;
    QPainter& onDrawing = painter();
    const qreal radius = penWidth() / 2;
    // A zero far off the chart puts its dot millions of pixels away, where
    // pixel coordinates no longer fit an int: nothing of it could be seen.
    const QRectF dot(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    if (!dot.intersects(QRectF(QPointF(0, 0), drawing_.deviceIndependentSize()))) return;
    onDrawing.setPen(Qt::NoPen);
    onDrawing.setBrush(pen_.color());
    onDrawing.drawEllipse(dot);
    markDrawn(dot.adjusted(-1, -1, 1, 1));
}

// The window never really leaves the screen: emptying the drawing is its
// hiding, and repainting it is its showing again, without a flicker.
void WindowCanvas::Hide() {
    endPainting();
    drawing_.fill(Qt::transparent);
}

void WindowCanvas::Show() { update(); }

void WindowCanvas::erase(const QRect& area) {
    if (drawing_.isNull()) return;  // nothing drawn yet
    endPainting();
    QPainter erasing(&drawing_);
    erasing.setCompositionMode(QPainter::CompositionMode_Clear);
    erasing.fillRect(area, Qt::transparent);
    update(area);
}

void WindowCanvas::paintEvent(QPaintEvent* event) {
    endPainting();
    const QRect area = event->rect();
    const qreal ratio = drawing_.devicePixelRatio();
    QPainter(this).drawImage(area, drawing_,
                             QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
}

void WindowCanvas::resizeEvent(QResizeEvent*) {
    endPainting();
    growToCover();
}

// One painter serves all the strokes of a command: opening one for each of
// two thousand dots would cost more than the dots.
QPainter& WindowCanvas::painter() {
    if (!painter_) {
        growToCover();
        painter_.emplace(&drawing_);
    }
    return *painter_;
}

void WindowCanvas::endPainting() { painter_.reset(); }

// In logical pixels, for a whole number of device pixels: the pen's pixels
// times the screen's scale rounded, so that at a scale of 1.25 or 1.5 every
// line of one width covers as many device pixels as every other.
qreal WindowCanvas::penWidth() const {
    const qreal ratio = drawing_.devicePixelRatio();
    return penPixels_ * std::max(1.0, std::round(ratio)) / ratio;
}

QPointF WindowCanvas::toPixels(float x, float y) const {
    return {x * logicalDpiX() / millimetresPerInch, y * logicalDpiY() / millimetresPerInch};
}

// The drawing grows with the window and keeps what it holds; it never
// shrinks, so a window made smaller and larger again gets its chart back.
void WindowCanvas::growToCover() {
    const qreal ratio = devicePixelRatioF();
    const QSize needed = (QSizeF(size()) * ratio).toSize().expandedTo(drawing_.size());
    if (needed == drawing_.size() && ratio == drawing_.devicePixelRatio()) return;
    QImage larger(needed, QImage::Format_ARGB32_Premultiplied);
    larger.setDevicePixelRatio(ratio);
    larger.fill(Qt::transparent);
    if (!drawing_.isNull()) QPainter(&larger).drawImage(QPointF(0, 0), drawing_);
    drawing_ = larger;
}

// Repaints are gathered into one per pass of the event loop: two thousand
// dots would otherwise make a region of two thousand rectangles.
void WindowCanvas::markDrawn(const QRectF& area) {
    const bool firstSincePaint = pendingRepaint_.isNull();
    pendingRepaint_ |= area.intersected(QRectF(rect())).toAlignedRect();
    if (firstSincePaint) {
        QMetaObject::invokeMethod(this, &WindowCanvas::repaintDrawn, Qt::QueuedConnection);
    }
}

void WindowCanvas::repaintDrawn() {
    endPainting();
    update(pendingRepaint_);
    pendingRepaint_ = QRect();
}

}  // namespace app
