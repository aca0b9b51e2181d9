#include "StylePicture.h"

#include "Twips.h"

#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QtDebug>

StylePicture::StylePicture(Kind kind, QImage image, QString source)
    : kind_(kind), image_(std::move(image)), source_(std::move(source)) {
    himetricWidth_ = Twips::PixelsToHimetric(image_.width());
    himetricHeight_ = Twips::PixelsToHimetric(image_.height());
}

PicturePtr StylePicture::Load(const QString& source) {
    // Pictures compiled into the program never change: every window and
    // button that names one shares a single decoded copy.
    static QHash<QString, PicturePtr> resources;
    const bool resource = source.startsWith(QStringLiteral(":/"));
    if (resource) {
        if (const PicturePtr cached = resources.value(source))
            return cached;
    }
    PicturePtr picture = Read(source);
    if (resource && picture->IsDrawable())
        resources.insert(source, picture);
    return picture;
}

PicturePtr StylePicture::Read(const QString& source) {
    const QString suffix = QFileInfo(source).suffix().toLower();
    if (suffix == "wmf" || suffix == "emf")
        return PicturePtr(new StylePicture(Kind::Other, QImage(), source));
    QImageReader reader(source);
    if (source.startsWith(QStringLiteral(":/")) && suffix == QStringLiteral("png")) {
        // Pictures compiled into the program are PNG, which Qt reads itself.
        // Guessing would first load every image plugin installed to ask it.
        reader.setFormat("png");
        reader.setAutoDetectImageFormat(false);
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        // The layout still names the file; saying why helps whoever wrote it.
        qWarning("StyleButton: cannot read picture %s: %s", qUtf8Printable(source),
                 qUtf8Printable(reader.errorString()));
        return Empty(source);
    }
    return FromImage(image, source);
}

PicturePtr StylePicture::FromImage(const QImage& image, const QString& source) {
    if (image.isNull())
        return Empty(source);
    if (image.hasAlphaChannel())
        return PicturePtr(
            new StylePicture(Kind::Icon, image.convertToFormat(QImage::Format_ARGB32), source));
    return PicturePtr(
        new StylePicture(Kind::Bitmap, image.convertToFormat(QImage::Format_RGB32), source));
}

PicturePtr StylePicture::Empty(const QString& source) {
    return PicturePtr(new StylePicture(Kind::Empty, QImage(), source));
}

bool StylePicture::IsOpaqueAt(int x, int y) const {
    if (kind_ != Kind::Icon)
        return true;
    return qAlpha(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]) >= 128;
}
