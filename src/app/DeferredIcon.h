#pragma once

#include <QIcon>
#include <QProxyStyle>

#include <functional>

namespace app {

// An icon that is only made, by MAKE, when it is first drawn or measured:
// pictures nobody sees yet cost nothing at start-up.
QIcon DeferredIcon(std::function<QIcon()> make);

// The application's style with its standard icons deferred. The menu bar and
// the toolbar each ask for the picture of a button that only appears in a
// window too narrow for them; reading it would load every image plugin.
class DeferredIconStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override;
};

}  // namespace app
