#include "WebPages.h"

#include "Mod.h"

#include <QDir>

namespace WebPages {

namespace {
QUrl page(const char* name) {
    return QUrl::fromLocalFile(
        QDir(Mod::ProgramFolder()).filePath(QStringLiteral("pages/") + QLatin1String(name)));
}
} // namespace

QUrl HomePage() {
    return page("index.html");
}

QUrl ForumPage() {
    return page("forum.html");
}

QUrl SiblingPage() {
    return page("more.html");
}

} // namespace WebPages
