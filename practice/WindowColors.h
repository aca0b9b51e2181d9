#pragma once

#include <cstdint>

// The colours of the windows and the answer sheet, as 0x00BBGGRR values;
// 0x80000000 + n names system colour n, resolved when drawn.
namespace WindowColors {

constexpr std::uint32_t kButtonFace = 0x8000000F;
constexpr std::uint32_t kWindowBack = 0x80000005;
constexpr std::uint32_t kNavy = 0x800000;
constexpr std::uint32_t kLightCyan = 0xFFFF80;   // the current question
constexpr std::uint32_t kLightYellow = 0x80FFFF; // an answered question
constexpr std::uint32_t kRed = 0xFF;             // a wrong answer's number

} // namespace WindowColors
