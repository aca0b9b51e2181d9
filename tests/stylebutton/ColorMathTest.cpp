// Colour arithmetic: shifting, averaging, rounding and system colours.
#include "ColorMath.h"
#include "Rounding.h"
#include "SystemColors.h"

#include <gtest/gtest.h>

using ColorMath::AverageColors;
using ColorMath::FromChannels;
constexpr auto RoundHalfEven = &Rounding::HalfEven;
using ColorMath::ShiftColor;

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(12.5), 12);
    EXPECT_EQ(RoundHalfEven(13.5), 14);
    EXPECT_EQ(RoundHalfEven(11.5), 12);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(227.3), 227);
    EXPECT_EQ(RoundHalfEven(0.51), 1);
    EXPECT_EQ(RoundHalfEven(-0.49), 0);
}

TEST(ShiftColor, GlassFaceExample) {
    // 212 + 0.06 * 255 = 227.3 -> 227 in every channel.
    EXPECT_EQ(ShiftColor(0xD4D4D4, 0.06f), 0xE3E3E3u);
}

TEST(ShiftColor, ClampsAtTheEndsOfTheRange) {
    EXPECT_EQ(ShiftColor(0xFFFFFF, 0.1f), 0xFFFFFFu);
    EXPECT_EQ(ShiftColor(0x000000, -0.1f), 0x000000u);
    EXPECT_EQ(ShiftColor(0xF0F0F0, 0.5f), 0xFFFFFFu);
    EXPECT_EQ(ShiftColor(0x101010, -0.5f), 0x000000u);
}

TEST(ShiftColor, DarkensByTheSameStepInEveryChannel) {
    // 128 - 25.5 = 102.5, a tie that goes to 102.
    EXPECT_EQ(ShiftColor(0x808080, -0.1f), 0x666666u);
    // Red 0x30, green 0x20, blue 0x10, each + 5.1 rounded.
    EXPECT_EQ(ShiftColor(0x102030, 0.02f), FromChannels(53, 37, 21));
    // Only the clamped channel stops; the others move.
    EXPECT_EQ(ShiftColor(0x00FF10, 0.1f), FromChannels(42, 255, 26));
}

TEST(ShiftColor, ZeroAmountLeavesTheColour) {
    EXPECT_EQ(ShiftColor(0x123456, 0.0f), 0x123456u);
}

TEST(AverageColors, RoundsHalvesToEven) {
    EXPECT_EQ(ColorMath::RedOf(AverageColors(0x000001, 0x000002)), 2);
    EXPECT_EQ(ColorMath::RedOf(AverageColors(0x000002, 0x000003)), 2);
    EXPECT_EQ(ColorMath::RedOf(AverageColors(0x000000, 0x000001)), 0);
}

TEST(AverageColors, WorksOnEachChannelSeparately) {
    // Red (255 + 0) / 2 = 127.5 -> 128; blue the same; green 0.
    EXPECT_EQ(AverageColors(0x0000FF, 0xFF0000), FromChannels(128, 0, 128));
    // White with the button face F0F0F0: (255 + 240) / 2 = 247.5 -> 248.
    EXPECT_EQ(AverageColors(0xFFFFFF, 0xF0F0F0), 0xF8F8F8u);
    EXPECT_EQ(AverageColors(0x204060, 0x204060), 0x204060u);
}

TEST(TranslateColor, ResolvesSystemColoursFromTheTable) {
    using SystemColors::TranslateColor;
    EXPECT_EQ(TranslateColor(0x8000000F), 0xF0F0F0);
    EXPECT_EQ(TranslateColor(0x80000012), 0x000000);
    EXPECT_EQ(TranslateColor(0x80000011), 0x6D6D6D);
    EXPECT_EQ(TranslateColor(0x80000000 + 30), 0xF0F0F0);
}

TEST(TranslateColor, PlainColoursComeBackUnchanged) {
    EXPECT_EQ(SystemColors::TranslateColor(0x123456), 0x123456);
    EXPECT_EQ(SystemColors::TranslateColor(0), 0);
}

TEST(TranslateColor, InvalidIndexGivesMinusOne) {
    EXPECT_EQ(SystemColors::TranslateColor(0x8000001F), -1);
    EXPECT_EQ(SystemColors::TranslateColor(0x80000100), -1);
    EXPECT_EQ(SystemColors::TranslateColor(0x01000000), -1);
}
