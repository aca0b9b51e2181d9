#pragma once

#include <QString>
#include <cstdint>

// What each ButtonStyle sets when it is chosen: the colours and the focus cue
// of the sixteen styles, kept here in one place.
struct StyleInfo {
    const char* name;
    std::uint32_t backColor; // before TranslateColor
    float backShift;         // then passed through ShiftColor when not 0
    std::uint32_t foreColor; // before TranslateColor
    bool showFocusRect;
};

namespace StyleTable {

constexpr int kCount = 16;

// The entry of a style 0..15, or nullptr for any other value.
const StyleInfo* Find(int style);

// "Standard", "ThinEdge", ... ; empty for values without a style.
QString Name(int style);

} // namespace StyleTable
