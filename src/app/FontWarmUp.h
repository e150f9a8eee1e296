#pragma once

#include <latch>
#include <thread>

namespace app {

// Reading the system's font configuration and building Qt's list of fonts are
// the largest part of a Qt program's start-up, and the window needs neither
// before it asks for its first font. A second thread reads the configuration
// while the first constructs the application, then builds the list while the
// first starts on the window; Qt makes the window wait for the list.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // The application object exists: Qt's font list can be built.
    void applicationReady();
    // Before anything asks for a font: the configuration is read only once.
    void waitForConfiguration();

private:
    std::latch configurationRead_{1};
    std::latch applicationReady_{1};
    bool applicationSignalled_ = false;
    bool buildList_ = false;
    std::thread reader_;
};

}  // namespace app
