#include "banner/Banner.h"

namespace banner {

QString InitialText() {
    return QStringLiteral("     Program wyznacza miejsca zerowe funkcji kwadratowej     ");
}

QString RotatedLeft(const QString& text) {
    if (text.isEmpty()) return text;
    return text.mid(1) + text.front();
}

QString VisiblePart(const QString& text) { return text.left(VisibleLength); }

}  // namespace banner
