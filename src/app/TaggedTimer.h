#pragma once

#include <QString>
#include <QTimer>

namespace app {

// A timer that carries a free text from tick to tick.
class TaggedTimer : public QTimer {
    Q_OBJECT

public:
    using QTimer::QTimer;

    QString Tag;
};

}  // namespace app
