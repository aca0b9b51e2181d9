#include "AppPictures.h"

#include <QPixmapCache>

namespace AppPictures {

QString path(const QString& name) {
    return QStringLiteral(":/pictures/") + name + QStringLiteral(".png");
}

QPixmap get(const QString& name) {
    QPixmap pixmap;
    const QString p = path(name);
    if (!QPixmapCache::find(p, &pixmap) && pixmap.load(p))
        QPixmapCache::insert(p, pixmap);
    return pixmap;
}

} // namespace AppPictures
