#pragma once

#include <QRectF>

#include <optional>

namespace chart {

// A level or upright stroke of a solid, square-capped pen from FROM to TO
// (logical pixels; RATIO device pixels to one) as the rectangle that sets the
// same device pixels as the painter's aliased line: those whose centres lie
// inside what the pen covers. Filling it costs a fraction of stroking the
// line. None for a slanted stroke, or one too short to be sure of.
std::optional<QRectF> LevelStrokeAsRectangle(QPointF from, QPointF to, qreal penWidth, qreal ratio);

}  // namespace chart
