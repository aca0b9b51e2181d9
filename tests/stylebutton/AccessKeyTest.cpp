// The access key taken from a caption.
#include "AccessKey.h"
#include "StyleButton.h"

#include <gtest/gtest.h>

TEST(AccessKey, CaptionsOfTheRule) {
    EXPECT_EQ(AccessKey::Of("&Save"), "s");
    EXPECT_EQ(AccessKey::Of("a&&b"), "");
    EXPECT_EQ(AccessKey::Of("a&&b&c"), "c");
    EXPECT_EQ(AccessKey::Of("&&&x"), "x");
    EXPECT_EQ(AccessKey::Of("x&"), "");
    EXPECT_EQ(AccessKey::Of("&"), "");
    EXPECT_EQ(AccessKey::Of("&Ab"), "a");
}

TEST(AccessKey, OnlyTheFirstMarksAreLookedAt) {
    EXPECT_EQ(AccessKey::Of("Save"), "");
    EXPECT_EQ(AccessKey::Of(""), "");
    EXPECT_EQ(AccessKey::Of("a&&b&&c&d"), ""); // the mark after q is doubled
    EXPECT_EQ(AccessKey::Of("a&&b&"), "");
    EXPECT_EQ(AccessKey::Of("上一题(&P)"), "p");
}

TEST(AccessKey, ButtonUpdatesItWithTheCaption) {
    StyleButton b;
    b.setCaption("&Next");
    EXPECT_EQ(b.AccessKeys(), "n");
    b.setCaption("a&&b");
    EXPECT_EQ(b.AccessKeys(), "");
}
