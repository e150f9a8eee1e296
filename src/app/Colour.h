#pragma once

#include <QColor>

#include "chart/Rgb.h"

namespace app {

inline QColor qColour(chart::Rgb rgb) { return {rgb.r, rgb.g, rgb.b}; }

}  // namespace app
