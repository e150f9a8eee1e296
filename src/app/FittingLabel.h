#pragma once

#include <QLabel>

namespace app {

// A label whose caption, where it is wider than the label, is drawn in a
// smaller size of its font so that it is read whole; the font itself and
// the label's size stay as designed.
class FittingLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace app
