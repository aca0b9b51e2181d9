#include "AppPictures.h"

#include "StylePicture.h"

namespace AppPictures {

QString path(const QString& name) {
    return QStringLiteral(":/pictures/") + name + QStringLiteral(".png");
}

QPixmap get(const QString& name) {
    // The buttons read the same pictures; one reader serves both.
    return QPixmap::fromImage(StylePicture::Load(path(name))->Image());
}

} // namespace AppPictures
