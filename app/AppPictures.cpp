#include "AppPictures.h"

#include <QImageReader>
#include <QPixmapCache>

namespace AppPictures {

QString path(const QString& name) {
    return QStringLiteral(":/pictures/") + name + QStringLiteral(".png");
}

QPixmap get(const QString& name) {
    QPixmap pixmap;
    const QString p = path(name);
    if (QPixmapCache::find(p, &pixmap))
        return pixmap;
    // Read as PNG, which Qt reads itself: left to guess, the reader would
    // first load every image plugin installed to ask it, at each start.
    QImageReader reader(p, "png");
    reader.setAutoDetectImageFormat(false);
    pixmap = QPixmap::fromImage(reader.read());
    if (!pixmap.isNull())
        QPixmapCache::insert(p, pixmap);
    return pixmap;
}

} // namespace AppPictures
