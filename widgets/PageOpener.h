#pragma once

#include <QUrl>
#include <functional>

// Opens a page in the desktop's default way (a browser, usually); a page
// that cannot be opened is ignored. Tests put an opener of their own in its
// place, so that no browser is ever started by them.
namespace PageOpener {

void Open(const QUrl& url);
using Opener = std::function<void(const QUrl&)>;
void SetOpener(Opener opener);

} // namespace PageOpener
