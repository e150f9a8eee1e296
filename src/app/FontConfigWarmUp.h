#pragma once

#include <thread>

namespace app {

// Reading the system's font configuration is the largest single part of a Qt
// program's start-up. A second thread reads it while the first sets up the
// application; wait() before anything asks for a font, so that the
// configuration is read only once.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    void wait();

private:
    std::thread reader_;
};

}  // namespace app
