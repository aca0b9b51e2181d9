#pragma once

#include "AppFonts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>
#include <memory>

// What both start-up benchmarks, in one process and in a fresh one, judge
// the main window against, and when they call a window shown.
namespace StartUpWindows {

// The floor: a bare main window of the same size, with the same font.
inline std::unique_ptr<QMainWindow> MakeBare() {
    auto w = std::make_unique<QMainWindow>();
    w->setFont(AppFonts::song(10.5));
    w->resize(888, 614);
    return w;
}

// Shown means on screen and painted: the window has been exposed, which
// paints it whole, and the updates that showing posted have run. Waiting
// sleeps on the event queue; a timer wakes it should no event come.
inline void ShowAndPaint(QWidget* w) {
    w->show();
    QWindow* window = w->windowHandle();
    QTimer wake;
    wake.start(50);
    QElapsedTimer waited;
    waited.start();
    while (!window->isExposed() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
}

} // namespace StartUpWindows
