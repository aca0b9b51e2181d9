#pragma once

#include <QColor>
#include <cstdint>

#include "SystemColors.h"

// A 0x00BBGGRR colour value (system colours allowed) as a QColor; an
// invalid QColor when the value cannot be resolved.
inline QColor VbColor(std::uint32_t value) {
    const std::int32_t c = SystemColors::TranslateColor(value);
    if (c < 0)
        return {};
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
