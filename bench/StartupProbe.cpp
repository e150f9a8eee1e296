// Linked into a program beside its own main(): from the moment the
// application object exists, watches for the first painting of any widget,
// then prints how long the process had run when that frame was done and its
// resident memory once it has idled, and quits.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

namespace {

// Milliseconds since the launcher stamped STARTUP_T0_NS, just before exec.
double processAgeMs() {
    const char* t0 = std::getenv("STARTUP_T0_NS");
    if (t0 == nullptr) {
        std::fprintf(stderr, "start me through the launcher: launch PROGRAM\n");
        std::exit(2);
    }
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const long long nowNs = now.tv_sec * 1'000'000'000LL + now.tv_nsec;
    return double(nowNs - std::stoll(t0)) / 1e6;
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
            // The whole frame is painted and flushed once control is back
            // in the event loop.
            QTimer::singleShot(0, [] {
                // For a profiler, which should see start-up and nothing else.
                if (std::getenv("STARTUP_EXIT_AT_FIRST_FRAME") != nullptr) std::_Exit(0);
                const double firstFrame = processAgeMs();
                QTimer::singleShot(300, [firstFrame] {
                    std::printf("%.2f %ld\n", firstFrame, residentKib());
                    QCoreApplication::quit();
                });
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
