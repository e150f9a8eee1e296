#pragma once

#include <QProxyStyle>

namespace app {

// The toolkit's style, with a dotted frame inside the button that has the
// keyboard's focus: the default button's outline otherwise looks the same
// with and without it.
class FocusVisibleStyle : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

}  // namespace app
