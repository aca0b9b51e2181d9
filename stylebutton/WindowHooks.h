#pragma once

#include <QEvent>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

// The windows a button watches, and which of their events it is told of.
// Each hooked window gets an entry of a table; an entry freed by unhooking
// is reused, the highest first. The owner is told of a listed event right
// after the window's own handling of it: one watcher per window, shared by
// every owner that hooks it, hands the window the event and then tells each
// owner that lists it. The delivery ends there, so list only events that go
// to the window alone (activation, leaving), not ones passed on to parents.
// Unhooked from every window when it goes.
class WindowHooks : public QObject {
    Q_OBJECT
public:
    // Told of an event after the window handled it: the window and the
    // event's type.
    using Report = std::function<void(QObject* window, int message)>;

    explicit WindowHooks(Report report, QObject* parent = nullptr);
    ~WindowHooks() override;

    static constexpr int kAfter = 1;
    static constexpr int kBefore = 2;
    static constexpr int kEveryMessage = -1;

    // Hooks a window; returns the index of its entry.
    int HookWindow(QObject* window);
    // Adds an event type (or kEveryMessage) to a hooked window's list for
    // `when` (kAfter; kBefore fills a list that is kept but never reported).
    void AddHookMessage(QObject* window, int message, int when);
    void UnhookWindow(QObject* window);
    void UnhookAll();

    // The table, for inspection.
    int EntryCount() const { return int(entries_.size()); }
    QObject* EntryWindow(int index) const { return entries_[size_t(index)].window; }

    // Whether a hooked window's event of this type is to be told after it
    // was handled; and the telling.
    bool ListsAfter(QObject* window, int message) const;
    void Tell(QObject* window, int message);

private:
    struct Entry {
        QPointer<QObject> window;
        int afterCount = 0; // kEveryMessage for every message
        QList<int> after;
        int beforeCount = 0;
        QList<int> before;
    };
    int Find(QObject* window) const;
    static void AddTo(QList<int>& list, int& count, int message);

    Report report_;
    std::vector<Entry> entries_;
};
