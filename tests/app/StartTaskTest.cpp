#include "StartTask.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>

using namespace std::chrono_literals;

TEST(StartTask, GivesWhatTheWorkReturnsOrThrows) {
    StartTask<int> quick([] { return 42; });
    EXPECT_EQ(quick.Take(), 42);

    // Longer than the spin before the wait sleeps.
    StartTask<int> slow([] {
        std::this_thread::sleep_for(20ms);
        return 7;
    });
    EXPECT_EQ(slow.Take(), 7);

    StartTask<int> failing([]() -> int { throw std::runtime_error("无法打开"); });
    EXPECT_THROW(failing.Take(), std::runtime_error);
}

TEST(StartTask, RunsTheWorkOnAnotherThreadWhileTheCallerGoesOn) {
    const auto caller = std::this_thread::get_id();
    std::atomic<bool> release{false};
    StartTask<std::thread::id> task([&] {
        while (!release.load())
            std::this_thread::yield();
        return std::this_thread::get_id();
    });
    release.store(true); // the caller was not held up by the work
    EXPECT_NE(task.Take(), caller);
}

TEST(StartTask, AnOwnerThatGoesWithoutTakingWaitsForTheWork) {
    std::atomic<bool> finished{false};
    {
        StartTask<bool> task([&] {
            std::this_thread::sleep_for(20ms);
            finished.store(true);
            return true;
        });
    }
    EXPECT_TRUE(finished.load()); // nothing it uses went before it finished
}
