#pragma once

#include <functional>

// Pictures drawn ahead of their first paint (a panel's text, the faces of a
// window's buttons) are drawn here, one after another in the order they were
// asked for, on a thread of Qt's pool; at a start, the fonts they need are
// read and opened here first, and the store is opened here while the window
// builds its controls. One thread at a time leaves the other processor to
// the window being built; the order puts what is needed first first.
class DrawingQueue {
public:
    static void Run(std::function<void()> task);
};
