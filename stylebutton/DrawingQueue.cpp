#include "DrawingQueue.h"

#include <QThreadPool>
#include <deque>
#include <mutex>

namespace {

std::mutex queueLock;
std::deque<std::function<void()>> queue;
bool draining = false; // a pool thread is working through the queue

} // namespace

void DrawingQueue::Run(std::function<void()> task) {
    {
        std::lock_guard lock(queueLock);
        queue.push_back(std::move(task));
        // The thread already at work takes this one too: no second thread,
        // and no waking one.
        if (draining)
            return;
        draining = true;
    }
    QThreadPool::globalInstance()->start([] {
        for (;;) {
            std::function<void()> next;
            {
                std::lock_guard lock(queueLock);
                if (queue.empty()) {
                    draining = false;
                    return;
                }
                next = std::move(queue.front());
                queue.pop_front();
            }
            // A drawing that fails leaves its future broken, and whoever waits
            // for it draws at the paint instead; the queue goes on.
            try {
                next();
            } catch (...) {
            }
        }
    });
}
