#pragma once

#include <thread>

// Reads the machine's font configuration on a thread of its own. Made before
// the application, it does so while the application connects to the display,
// instead of holding up the first text the window draws: every window of the
// program shows Chinese text at once, and reading the configuration (a few
// dozen XML files and the font caches) is the largest single part of a cold
// start. The reading is fontconfig's own, which Qt then finds done.
class FontWarmUp {
public:
    FontWarmUp();
    // Waits for the reading, should wait() not have been called.
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Waits until the configuration has been read. Call it once the
    // application exists, before anything draws text; a second call does
    // nothing.
    void wait();

private:
    std::thread reader_;
};
