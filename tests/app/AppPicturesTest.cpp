// The program's own pictures: read whole and right, and without loading the
// image plugins installed on the machine, which guessing the format would.
#include "AppPictures.h"
#include "StylePicture.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// Whether an image-format plugin is mapped into this process.
bool imagePluginLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains("/imageformats/");
}

QImage asArgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(AppPictures, AreReadWithoutLoadingImagePlugins) {
    if (!QFile::exists(QStringLiteral("/proc/self/maps")))
        GTEST_SKIP() << "no /proc here to see what is loaded";
    if (imagePluginLoaded())
        GTEST_SKIP() << "an earlier test in this process loaded an image plugin";

    const QPixmap logo = AppPictures::get(QStringLiteral("logo"));
    const PicturePtr car = StylePicture::Load(QStringLiteral(":/pictures/menu-car.png"));
    EXPECT_FALSE(imagePluginLoaded());

    // The same pictures as Qt reads them when it guesses the format.
    const QImage logoGuessed(AppPictures::path(QStringLiteral("logo")));
    const QImage carGuessed(QStringLiteral(":/pictures/menu-car.png"));
    ASSERT_FALSE(logoGuessed.isNull());
    ASSERT_FALSE(carGuessed.isNull());
    EXPECT_EQ(asArgb(logo.toImage()), asArgb(logoGuessed));
    ASSERT_TRUE(car->IsDrawable());
    EXPECT_EQ(car->kind(), StylePicture::Kind::Icon);
    EXPECT_EQ(asArgb(car->Image()), asArgb(carGuessed));
}

TEST(AppPictures, AMissingPictureIsEmpty) {
    EXPECT_TRUE(AppPictures::get(QStringLiteral("no-such-picture")).isNull());
    EXPECT_FALSE(
        StylePicture::Load(QStringLiteral(":/pictures/no-such-picture.png"))->IsDrawable());
}
