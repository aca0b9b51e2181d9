#pragma once

#include "DrawingQueue.h"

#include <atomic>
#include <chrono>
#include <exception>
#include <functional>
#include <future>
#include <memory>
#include <thread>

// Work a start hands to the drawing queue's thread while the window builds
// its controls, and takes back a moment later. The queue's thread is idle at
// that moment once the fonts are open, and the pictures the window queues
// next follow this work on it rather than compete with it and the window
// for the processors. Taking the result first spins for a short while
// before it sleeps: waking a sleeping thread can cost more than the rest of
// the wait.
template <class T> class StartTask {
public:
    explicit StartTask(std::function<T()> work) : state_(std::make_shared<State>()) {
        result_ = state_->promise.get_future();
        DrawingQueue::Run([state = state_, work = std::move(work)] {
            try {
                state->promise.set_value(work());
            } catch (...) {
                state->promise.set_exception(std::current_exception());
            }
            state->done.store(true, std::memory_order_release);
        });
    }

    // The work may use what its owner uses: an owner that goes first waits.
    ~StartTask() {
        if (result_.valid())
            result_.wait();
    }
    StartTask(const StartTask&) = delete;
    StartTask& operator=(const StartTask&) = delete;

    // Waits for the work and gives its result, or throws what it threw.
    // Once only.
    T Take() {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(2);
        while (!state_->done.load(std::memory_order_acquire) &&
               std::chrono::steady_clock::now() < giveUp)
            std::this_thread::yield();
        return result_.get();
    }

private:
    struct State {
        std::promise<T> promise;
        std::atomic<bool> done{false};
    };
    std::shared_ptr<State> state_;
    std::future<T> result_;
};
