#pragma once

#include <cstdint>

// Colours are 0x00BBGGRR values; 0x80000000 + n names system colour n.
// The system colours come from one fixed table (the desktop's default
// scheme), so everything is drawn the same on every machine.
namespace SystemColors {

constexpr std::uint32_t kSystemFlag = 0x80000000u;
constexpr int kCount = 31;

// Resolves a colour: a system colour through the table, any other value
// unchanged; an index outside the table gives -1 (0xFFFFFFFF).
std::int32_t TranslateColor(std::uint32_t colour, int palette = 0);

// The table entry of system colour n (0 <= n < kCount), as 0x00BBGGRR.
std::uint32_t SystemColor(int index);

} // namespace SystemColors
