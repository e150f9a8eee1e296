// Linked into a program beside its own main(): from the moment the
// application object exists, watches for the first painting of any widget,
// then prints how long the process had run by then and its resident memory
// once it has idled, and quits.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace {

double processAgeMs() {
    std::ifstream stat("/proc/self/stat");
    std::string field;
    for (int i = 0; i < 22 && stat >> field; ++i) {}
    const double startTicks = std::stod(field);
    timespec boot{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    const double nowMs = boot.tv_sec * 1000.0 + boot.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

long residentKib() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            const double firstFrame = processAgeMs();
            QTimer::singleShot(300, [firstFrame] {
                std::printf("%.1f %ld\n", firstFrame, residentKib());
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool painted_ = false;
};

void watchForFirstPaint() { qApp->installEventFilter(new FirstPaint); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstPaint)
