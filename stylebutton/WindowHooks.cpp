#include "WindowHooks.h"

#include <QHash>

namespace {

// The one watcher of a hooked window, shared by all its owners. A child of
// the window, it goes with it.
class HookedWindow : public QObject {
public:
    static HookedWindow* Of(QObject* window, bool make) {
        HookedWindow* w = all().value(window);
        if (!w && make) {
            w = new HookedWindow(window);
            all().insert(window, w);
            window->installEventFilter(w);
        }
        return w;
    }
    ~HookedWindow() override {
        if (all().value(window_) == this)
            all().remove(window_);
    }

    QList<QPointer<WindowHooks>> owners;

    void Release(WindowHooks* owner) {
        owners.removeAll(owner);
        owners.removeAll(nullptr);
        if (owners.isEmpty()) {
            window_->removeEventFilter(this);
            deleteLater();
            all().remove(window_);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const int message = int(event->type());
        QList<QPointer<WindowHooks>> told;
        for (const QPointer<WindowHooks>& o : owners)
            if (o && o->ListsAfter(watched, message))
                told << o;
        if (told.isEmpty())
            return false;
        QPointer<QObject> window(watched);
        watched->event(event);
        for (const QPointer<WindowHooks>& o : told)
            if (o && window)
                o->Tell(window, message);
        return true;
    }

private:
    explicit HookedWindow(QObject* window) : QObject(window), window_(window) {}
    static QHash<QObject*, HookedWindow*>& all() {
        static QHash<QObject*, HookedWindow*> windows;
        return windows;
    }
    QObject* window_;
};

} // namespace

WindowHooks::WindowHooks(Report report, QObject* parent)
    : QObject(parent), report_(std::move(report)) {}

WindowHooks::~WindowHooks() {
    UnhookAll();
}

int WindowHooks::Find(QObject* window) const {
    for (int i = int(entries_.size()) - 1; i >= 0; --i)
        if (entries_[size_t(i)].window == window && window)
            return i;
    return -1;
}

int WindowHooks::HookWindow(QObject* window) {
    int index = -1;
    for (int i = int(entries_.size()) - 1; i >= 0; --i) {
        if (!entries_[size_t(i)].window) {
            index = i;
            break;
        }
    }
    if (index < 0) {
        entries_.emplace_back();
        index = int(entries_.size()) - 1;
    }
    entries_[size_t(index)] = Entry{};
    entries_[size_t(index)].window = window;
    HookedWindow::Of(window, true)->owners << this;
    return index;
}

void WindowHooks::AddTo(QList<int>& list, int& count, int message) {
    if (message == kEveryMessage) {
        count = kEveryMessage;
        return;
    }
    if (list.contains(message))
        return;
    const qsizetype free = list.indexOf(0);
    if (free >= 0)
        list[free] = message;
    else
        list.append(message);
    if (count != kEveryMessage)
        count = int(list.size());
}

void WindowHooks::AddHookMessage(QObject* window, int message, int when) {
    const int index = Find(window);
    if (index < 0)
        return;
    Entry& e = entries_[size_t(index)];
    if (when & kAfter)
        AddTo(e.after, e.afterCount, message);
    if (when & kBefore)
        AddTo(e.before, e.beforeCount, message);
}

void WindowHooks::UnhookWindow(QObject* window) {
    const int index = Find(window);
    if (index < 0)
        return;
    if (HookedWindow* w = HookedWindow::Of(window, false))
        w->Release(this);
    entries_[size_t(index)] = Entry{};
}

void WindowHooks::UnhookAll() {
    for (Entry& e : entries_) {
        if (e.window)
            if (HookedWindow* w = HookedWindow::Of(e.window, false))
                w->Release(this);
        e = Entry{};
    }
}

bool WindowHooks::ListsAfter(QObject* window, int message) const {
    const int index = Find(window);
    if (index < 0)
        return false;
    const Entry& e = entries_[size_t(index)];
    return e.afterCount == kEveryMessage || e.after.contains(message);
}

void WindowHooks::Tell(QObject* window, int message) {
    if (report_)
        report_(window, message);
}
