#pragma once

#include <QString>

namespace banner {

// The text moved one character to the left, the first character wrapping
// round to the end.
QString RotatedLeft(const QString& text);

// How many characters of the text the banner line shows.
constexpr qsizetype VisibleLength = 60;

// What the banner line shows of the text: its first VisibleLength characters.
QString VisiblePart(const QString& text);

}  // namespace banner
