// Reading the font configuration ahead: never in the way of the fonts Qt
// resolves afterwards, and safe however the reader is finished.
#include "FontWarmUp.h"
#include "AppFonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

TEST(FontWarmUp, WaitedForOnceTwiceOrNotAtAllItLeavesTheWindowsFaceResolvable) {
    FontWarmUp waitedTwice;
    waitedTwice.wait();
    waitedTwice.wait();
    // Left to its destructor, which must wait rather than end the program.
    auto unwaited = std::make_unique<FontWarmUp>();
    unwaited.reset();
    // The face opened ahead, on the drawing thread, and waited for as it goes.
    { const FontWarmUp::FaceLoad face = FontWarmUp::loadFace(AppFonts::song(10.5)); }

    // The Song-style face still resolves to the CJK font installed with the
    // program, as it does without the reading ahead.
    const QFontInfo info(AppFonts::song(10.5));
    EXPECT_TRUE(QFontDatabase::families().contains(info.family()));
    EXPECT_TRUE(info.family().contains(QStringLiteral("CJK")) ||
                info.family().contains(QStringLiteral("WenQuanYi")))
        << qPrintable(info.family());
}
