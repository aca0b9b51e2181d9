#pragma once

#include <QImage>
#include <QString>
#include <memory>

class StylePicture;
using PicturePtr = std::shared_ptr<const StylePicture>;

// A picture a button shows: a bitmap (drawn opaque, cropped to its box) or an
// icon (scaled, with transparency). Any image with an alpha channel counts as
// an icon. Pictures are kept by reference to the file they came from, so a
// stored layout names them rather than embedding them.
class StylePicture {
public:
    enum class Kind { Empty, Bitmap, Icon, Other };

    // Reads an image file or Qt resource. Metafiles (.wmf, .emf) give a
    // picture of kind Other, which is never drawn; a file that cannot be read
    // gives an empty picture that still remembers its source.
    static PicturePtr Load(const QString& source);
    static PicturePtr FromImage(const QImage& image, const QString& source = {});
    static PicturePtr Empty(const QString& source = {});

    Kind kind() const { return kind_; }
    bool IsDrawable() const { return kind_ == Kind::Bitmap || kind_ == Kind::Icon; }
    const QString& Source() const { return source_; }

    // Bitmaps are Format_RGB32, icons Format_ARGB32 (not premultiplied).
    const QImage& Image() const { return image_; }
    int PixelWidth() const { return image_.width(); }
    int PixelHeight() const { return image_.height(); }

    // The stored size in hundredths of a millimetre (pixels at 96 dpi).
    int HimetricWidth() const { return himetricWidth_; }
    int HimetricHeight() const { return himetricHeight_; }

    // An icon's transparency as a one-bit mask: opaque where alpha >= 128.
    bool IsOpaqueAt(int x, int y) const;

private:
    StylePicture(Kind kind, QImage image, QString source);
    static PicturePtr Read(const QString& source);

    Kind kind_ = Kind::Empty;
    QImage image_;
    QString source_;
    int himetricWidth_ = 0;
    int himetricHeight_ = 0;
};
