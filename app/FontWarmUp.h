#pragma once

#include <QFont>
#include <future>

// Gets the fonts ready on the drawing thread, where the first text of the
// window is drawn, while the main thread is busy starting the application.
// Every window of the program shows Chinese text at once, and at a cold
// start finding and opening the fonts costs more than anything else.
//
// Made before the application, it reads the machine's font configuration
// (a few dozen XML files and the font caches), which does not need Qt; once
// the application exists, loadFace() opens a face there.
class FontWarmUp {
public:
    FontWarmUp();
    // Waits for the reading, should wait() not have been called.
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Waits until the configuration has been read; a second call does
    // nothing. Qt would otherwise read it a second time on its own.
    void wait();
    // What loadFace() started. Going, it waits for it, since the face is
    // opened with the application's fonts: keep it no longer than the
    // application.
    class FaceLoad {
    public:
        explicit FaceLoad(std::future<void> done) : done_(std::move(done)) {}
        FaceLoad(FaceLoad&&) = default;
        FaceLoad& operator=(FaceLoad&&) = delete;
        ~FaceLoad() {
            if (done_.valid())
                done_.wait();
        }

    private:
        std::future<void> done_;
    };

    // Once the application exists: opens the font on the drawing thread,
    // for the scripts the windows write in. Does not wait.
    [[nodiscard]] static FaceLoad loadFace(const QFont& font);

private:
    std::future<void> read_;
};
