// Watches the real window on the offscreen platform while nothing but the
// banner happens. Prints the banner ticks seen, the times the event loop
// woke, the controls that painted and the largest area one paint covered.
// The text cursor's blinking is the toolkit's own and is switched off here.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QPaintEvent>
#include <QSet>
#include <QTimer>

#include <algorithm>
#include <cstdio>

#include "FormFixture.h"

namespace {

class PaintWatcher : public QObject {
public:
    QSet<QString> painted;
    int largestArea = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const QString name = watched->objectName();
            painted << (name.isEmpty() ? QString::fromUtf8(watched->metaObject()->className()) : name);
            const QRect area = static_cast<QPaintEvent*>(event)->rect();
            largestArea = std::max(largestArea, area.width() * area.height());
        }
        return false;
    }
};

// Plain waiting in the event loop, which QTest::qWait would wake itself.
void idle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setCursorFlashTime(0);
    FormFixture::configure();
    FormFixture f;
    f.create();
    idle(700);  // past the first frame and the first tick

    int wakeups = 0, ticks = 0;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                     [&wakeups] { ++wakeups; });
    QObject::connect(f.named<QTimer>("Timer1"), &QTimer::timeout, [&ticks] { ++ticks; });
    PaintWatcher watcher;
    application.installEventFilter(&watcher);
    idle(3000);
    application.removeEventFilter(&watcher);

    QStringList painted(watcher.painted.cbegin(), watcher.painted.cend());
    painted.sort();
    std::printf("%d %d %d %s\n", ticks, wakeups, watcher.largestArea, qPrintable(painted.join(',')));
    f.destroy();
    return 0;
}
