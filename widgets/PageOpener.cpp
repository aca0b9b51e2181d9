#include "PageOpener.h"

#include <QDesktopServices>

namespace PageOpener {

namespace {
Opener& current() {
    static Opener opener = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return opener;
}
} // namespace

void Open(const QUrl& url) {
    if (current())
        current()(url);
}

void SetOpener(Opener opener) {
    current() = std::move(opener);
}

} // namespace PageOpener
