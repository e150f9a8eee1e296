#include "chart/LevelStroke.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

// The first device pixel whose centre lies at or after the edge.
qreal firstPixelFrom(qreal edge) { return std::ceil(edge - 0.5); }

}  // namespace

std::optional<QRectF> LevelStrokeAsRectangle(QPointF from, QPointF to, qreal penWidth,
                                             qreal ratio) {
    if (from.x() != to.x() && from.y() != to.y()) return std::nullopt;
    const QPointF a = from * ratio;
    const QPointF b = to * ratio;
    // Below a pixel the painter may draw nothing at all.
    if (QLineF(a, b).length() < 1) return std::nullopt;
    const qreal half = penWidth * ratio / 2;  // the square caps reach as far as the sides
    const qreal left = firstPixelFrom(std::min(a.x(), b.x()) - half);
    const qreal right = firstPixelFrom(std::max(a.x(), b.x()) + half);
    const qreal top = firstPixelFrom(std::min(a.y(), b.y()) - half);
    const qreal bottom = firstPixelFrom(std::max(a.y(), b.y()) + half);
    return QRectF(left / ratio, top / ratio, (right - left) / ratio, (bottom - top) / ratio);
}

}  // namespace chart
