#include "banner/Banner.h"

namespace banner {

QString RotatedLeft(const QString& text) {
    if (text.isEmpty()) return text;
    return text.mid(1) + text.front();
}

QString VisiblePart(const QString& text) { return text.left(VisibleLength); }

}  // namespace banner
