#include "chart/ChartLayer.h"

#include <QPaintEvent>

#include <cstdlib>

#include "chart/LevelStroke.h"

namespace chart {

namespace {

constexpr double millimetresPerInch = 25.4;

// A chart's frames are a few dozen strokes each, cheaper drawn afresh on a
// repaint than kept in a layer-sized image; a plot of two thousand dots is not.
constexpr std::size_t mostStrokesKept = 256;

}  // namespace

ChartLayer::ChartLayer(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    // The window's initial pen: width 1 in the button-text colour.
    pen_ = QPen(palette().color(QPalette::ButtonText), 1, Qt::SolidLine, Qt::SquareCap,
                Qt::MiterJoin);
    pen_.setCosmetic(false);
}

void ChartLayer::SetPenWidth(int pixels) { pen_.setWidth(pixels); }

void ChartLayer::SetPenColour(Rgb colour) { pen_.setColor(QColor(colour.r, colour.g, colour.b)); }

void ChartLayer::MoveTo(float x, float y) { current_ = toPixels(x, y); }

void ChartLayer::LineTo(float x, float y) {
    const QPointF to = toPixels(x, y);
    const auto rectangle =
        pen_.style() == Qt::SolidLine && pen_.capStyle() == Qt::SquareCap
            ? LevelStrokeAsRectangle(current_, to, pen_.widthF(), pixelRatio())
            : std::nullopt;
    const qreal reach = pen_.widthF();
    const QRectF covered = QRectF(current_, to).normalized().adjusted(-reach, -reach, reach, reach);
    if (rectangle) {
        draw({Stroke::Shape::Rectangle, *rectangle, {}, pen_}, covered);
    } else {
        draw({Stroke::Shape::Line, {}, QLineF(current_, to), pen_}, covered);
    }
    current_ = to;
}

void ChartLayer::PlotPoint(float x, float y) {
    const QPointF centre = toPixels(x, y);
    const qreal radius = pen_.widthF() / 2;
    current_ = centre;
    // A zero far off the chart puts its dot millions of pixels away, where
    // pixel coordinates no longer fit an int: nothing of it could be seen.
    if (!QRectF(rect()).adjusted(-radius, -radius, radius, radius).contains(centre)) return;
    const QRectF square(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    draw({Stroke::Shape::Dot, square, {}, pen_}, square.adjusted(-1, -1, 1, 1));
}

void ChartLayer::draw(const Stroke& stroke, const QRectF& reach) {
    if (drawing_.isNull()) {
        strokes_.push_back(stroke);
        if (strokes_.size() > mostStrokesKept) keepAsPixels();
    } else {
        paintStroke(painter(), stroke);
    }
    markDrawn(reach);
}

void ChartLayer::paintStroke(QPainter& painter, const Stroke& stroke) {
    switch (stroke.shape) {
    case Stroke::Shape::Rectangle:
        painter.fillRect(stroke.area, stroke.pen.color());
        break;
    case Stroke::Shape::Line:
        painter.setPen(stroke.pen);
        painter.drawLine(stroke.line);
        break;
    case Stroke::Shape::Dot:
        painter.setPen(Qt::NoPen);
        painter.setBrush(stroke.pen.color());
        painter.drawEllipse(stroke.area);
        break;
    }
}

// The strokes kept so far become the first pixels of the image.
void ChartLayer::keepAsPixels() {
    QPainter& onDrawing = painter();
    for (const Stroke& stroke : strokes_) paintStroke(onDrawing, stroke);
    strokes_.clear();
}

// The window never really leaves the screen: emptying the kept drawing is its
// hiding, and repainting it is its showing again, without a flicker.
void ChartLayer::Hide() {
    endPainting();
    strokes_.clear();
    if (!drawing_.isNull()) drawing_.fill(Qt::transparent);
    inked_ = QRect();
}

void ChartLayer::Show() { update(); }

// Only where something was drawn: the rest of the layer is clear, and
// blending it over the window would change nothing.
void ChartLayer::paintEvent(QPaintEvent* event) {
    endPainting();
    const QRect area = event->rect() & inked_;
    if (area.isEmpty()) return;
    QPainter painter(this);
    if (drawing_.isNull()) {
        for (const Stroke& stroke : strokes_) paintStroke(painter, stroke);
        return;
    }
    painter.drawImage(area, drawing_, QRectF(area.topLeft() * drawing_.devicePixelRatio(),
                                             area.size() * drawing_.devicePixelRatio()));
}

void ChartLayer::resizeEvent(QResizeEvent*) {
    if (!drawing_.isNull()) {
        endPainting();
        coverWholeLayer();
    }
}

// One painter serves all the strokes of a command: opening one for each of
// two thousand dots would cost more than the dots.
QPainter& ChartLayer::painter() {
    if (!painter_) {
        coverWholeLayer();
        painter_.emplace(&drawing_);
    }
    return *painter_;
}

void ChartLayer::endPainting() { painter_.reset(); }

QPointF ChartLayer::toPixels(float x, float y) const {
    return {x * logicalDpiX() / millimetresPerInch, y * logicalDpiY() / millimetresPerInch};
}

// Of the image where there is one, else of the screen the strokes go to.
qreal ChartLayer::pixelRatio() const {
    return drawing_.isNull() ? devicePixelRatioF() : drawing_.devicePixelRatio();
}

// The drawing grows with the layer and keeps what it holds; it never shrinks,
// so a window made smaller and larger again gets its chart back.
void ChartLayer::coverWholeLayer() {
    const qreal ratio = devicePixelRatioF();
    const QSize needed = size() * ratio;
    if (!drawing_.isNull() && drawing_.width() >= needed.width() &&
        drawing_.height() >= needed.height()) {
        return;
    }
    const QSize covered = needed.expandedTo(drawing_.size());
    // Zeroed memory is transparent already, and memory the system hands out
    // zeroed is only touched where something is drawn.
    const qsizetype bytesPerLine = qsizetype(covered.width()) * 4;
    void* pixels = std::calloc(size_t(bytesPerLine) * size_t(covered.height()), 1);
    QImage larger(static_cast<uchar*>(pixels), covered.width(), covered.height(), bytesPerLine,
                  QImage::Format_ARGB32_Premultiplied,
                  [](void* memory) { std::free(memory); }, pixels);
    larger.setDevicePixelRatio(ratio);
    if (!drawing_.isNull()) {
        QPainter painter(&larger);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPointF(0, 0), drawing_);
    }
    drawing_ = larger;
}

// Repaints are gathered into one per pass of the event loop: two thousand
// dots would otherwise make a region of two thousand rectangles.
void ChartLayer::markDrawn(const QRectF& area) {
    const bool firstSincePaint = pendingRepaint_.isNull();
    pendingRepaint_ |= area.intersected(QRectF(rect())).toAlignedRect();
    // Also beyond the layer's edge: a larger window shows that part again.
    inked_ |= area.toAlignedRect();
    if (firstSincePaint) {
        QMetaObject::invokeMethod(this, &ChartLayer::repaintDrawn, Qt::QueuedConnection);
    }
}

void ChartLayer::repaintDrawn() {
    endPainting();
    update(pendingRepaint_);
    pendingRepaint_ = QRect();
}

}  // namespace chart
