// Starts a program with the moment of its start in STARTUP_T0_NS (monotonic
// clock, nanoseconds), so the start-up probe can time it to the microsecond;
// the kernel's own process start time is only kept in 10 ms ticks.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARG...]\n", argv[0]);
        return 2;
    }
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const std::string t0 = std::to_string(now.tv_sec * 1'000'000'000LL + now.tv_nsec);
    setenv("STARTUP_T0_NS", t0.c_str(), 1);
    execv(argv[1], argv + 1);
    std::perror(argv[1]);
    return 127;
}
