#include "StyleTable.h"

#include "SystemColors.h"

namespace StyleTable {

namespace {

using SystemColors::System;

constexpr std::uint32_t kFace = System(SystemColors::kButtonFace);
constexpr std::uint32_t kText = System(SystemColors::kButtonText);

// Styles 7 and 10 show the usual button text: their first-chosen dark blue
// (0x8B4215) was always replaced by it, and the looks were made that way.
const StyleInfo kStyles[kCount] = {
    {"Standard", kFace, 0.0f, kText, true},        {"ThinEdge", kFace, 0.0f, kText, true},
    {"RoundedRing", 0xE7EBEC, 0.0f, kText, false}, {"RoundedFlat", kFace, 0.0f, kText, false},
    {"Glass", 0xD4D4D4, 0.06f, kText, false},      {"DropShadow", 0xAA6D00, 0.0f, 0xFFFFFF, true},
    {"SoftGradient", 0xE1D6D5, 0.0f, kText, true}, {"Band", 0xFFD1AD, 0.0f, kText, false},
    {"FlatHover", kFace, 0.0f, kText, false},      {"Toolbar", kFace, 0.0f, kText, false},
    {"GlossStrip", 0xFFD1AD, 0.0f, kText, false},  {"HotEdge", kFace, 0.0f, kText, false},
    {"HotThinEdge", kFace, 0.0f, kText, false},    {"OrangeHover", 0xFCE1CA, 0.0f, kText, false},
    {"Template", 0xD0D0D0, 0.0f, kText, false},    {"SideShade", 0xE6CAA7, 0.0f, kText, true},
};

} // namespace

const StyleInfo* Find(int style) {
    return style >= 0 && style < kCount ? &kStyles[style] : nullptr;
}

QString Name(int style) {
    const StyleInfo* info = Find(style);
    return info ? QString::fromLatin1(info->name) : QString();
}

} // namespace StyleTable
