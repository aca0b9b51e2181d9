#pragma once

#include <cstdint>

// Colours are 0x00BBGGRR values; 0x80000000 + n names system colour n.
// The system colours come from one fixed table (the desktop's default
// scheme), so everything is drawn the same on every machine.
namespace SystemColors {

constexpr std::uint32_t kSystemFlag = 0x80000000u;
constexpr int kCount = 31;

// The indexes the button names itself.
constexpr int kApplicationWorkspace = 12;
constexpr int kButtonFace = 15;
constexpr int kButtonShadow = 16;
constexpr int kGrayText = 17;
constexpr int kButtonText = 18;
constexpr int k3DHighlight = 20;
constexpr int k3DDarkShadow = 21;
constexpr int k3DLight = 22;

// The colour value that names system colour n (0x80000000 + n).
constexpr std::uint32_t System(int index) {
    return kSystemFlag | std::uint32_t(index);
}

// Resolves a colour: a system colour through the table, any other value
// unchanged; an index outside the table gives -1 (0xFFFFFFFF).
std::int32_t TranslateColor(std::uint32_t colour, int palette = 0);

// The table entry of system colour n (0 <= n < kCount), as 0x00BBGGRR.
std::uint32_t SystemColor(int index);

} // namespace SystemColors
