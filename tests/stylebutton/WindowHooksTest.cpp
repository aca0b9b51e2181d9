// The table of hooked windows and what it reports.
#include "WindowHooks.h"

#include <QCoreApplication>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct Told {
    QList<std::pair<QObject*, int>> reports;
    WindowHooks hooks{[this](QObject* w, int m) { reports.append({w, m}); }};
};

// A window that notes when it handles a leave.
class Noting : public QWidget {
public:
    explicit Noting(QStringList* log) : log_(log) {}

protected:
    void leaveEvent(QEvent*) override { *log_ << "window"; }

private:
    QStringList* log_;
};

} // namespace

TEST(WindowHooks, ReportsListedEventsAfterTheWindowHandledThem) {
    Told t;
    QWidget a, b;
    EXPECT_EQ(t.hooks.HookWindow(&a), 0);
    EXPECT_EQ(t.hooks.HookWindow(&b), 1);
    t.hooks.AddHookMessage(&a, QEvent::Leave, WindowHooks::kAfter);
    t.hooks.AddHookMessage(&a, QEvent::Leave, WindowHooks::kAfter); // once only
    t.hooks.AddHookMessage(&b, WindowHooks::kEveryMessage, WindowHooks::kAfter);
    QEvent leave(QEvent::Leave), enter(QEvent::Enter);
    QCoreApplication::sendEvent(&a, &leave);
    QCoreApplication::sendEvent(&a, &enter); // not listed
    ASSERT_EQ(t.reports.size(), 1);
    EXPECT_EQ(t.reports[0], (std::pair<QObject*, int>{&a, int(QEvent::Leave)}));
    t.reports.clear();
    QCoreApplication::sendEvent(&b, &enter);
    ASSERT_FALSE(t.reports.isEmpty());
    EXPECT_EQ(t.reports[0].first, &b);
}

TEST(WindowHooks, TheWindowHandlesTheEventOnceAndBeforeTheReport) {
    QStringList log;
    Noting window(&log);
    WindowHooks hooks([&](QObject*, int) { log << "report"; });
    hooks.HookWindow(&window);
    hooks.AddHookMessage(&window, QEvent::Leave, WindowHooks::kAfter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&window, &leave);
    EXPECT_EQ(log, (QStringList{"window", "report"}));
}

TEST(WindowHooks, AFreedEntryIsReusedAndAnUnhookedWindowIsSilent) {
    Told t;
    QWidget a, b, c;
    t.hooks.HookWindow(&a);
    t.hooks.HookWindow(&b);
    t.hooks.AddHookMessage(&a, QEvent::Leave, WindowHooks::kAfter);
    t.hooks.UnhookWindow(&a);
    EXPECT_EQ(t.hooks.EntryWindow(0), nullptr);
    EXPECT_EQ(t.hooks.HookWindow(&c), 0); // the freed entry
    EXPECT_EQ(t.hooks.EntryCount(), 2);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&a, &leave);
    QCoreApplication::processEvents();
    EXPECT_TRUE(t.reports.isEmpty());
}

TEST(WindowHooks, GoingUnhooksEveryWindow) {
    QWidget a;
    QList<int> reports;
    {
        WindowHooks hooks([&](QObject*, int m) { reports << m; });
        hooks.HookWindow(&a);
        hooks.AddHookMessage(&a, WindowHooks::kEveryMessage, WindowHooks::kAfter);
    }
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&a, &leave); // no filter left behind
    QCoreApplication::processEvents();
    EXPECT_TRUE(reports.isEmpty());
}

TEST(WindowHooks, EveryOwnerOfAWindowIsToldAndTheWindowHandlesItOnce) {
    QStringList log;
    Noting window(&log);
    WindowHooks first([&](QObject*, int) { log << "first"; });
    WindowHooks second([&](QObject*, int) { log << "second"; });
    first.HookWindow(&window);
    second.HookWindow(&window);
    first.AddHookMessage(&window, QEvent::Leave, WindowHooks::kAfter);
    second.AddHookMessage(&window, QEvent::Leave, WindowHooks::kAfter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&window, &leave);
    EXPECT_EQ(log, (QStringList{"window", "first", "second"}));
    second.UnhookWindow(&window);
    log.clear();
    QCoreApplication::sendEvent(&window, &leave);
    EXPECT_EQ(log, (QStringList{"window", "first"}));
}
