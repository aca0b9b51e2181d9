#pragma once

#include "FontDesc.h"

#include <QString>
#include <cstdint>
#include <variant>

// A colour kept as a colour, so a stored layout writes it as &H00BBGGRR&.
struct ColorValue {
    std::uint32_t value = 0;
    friend bool operator==(const ColorValue&, const ColorValue&) = default;
};

// A picture kept by reference to its file; an empty source is an empty
// picture object (not the same as no picture).
struct PictureRef {
    QString source;
    friend bool operator==(const PictureRef&, const PictureRef&) = default;
};

// One stored value; std::monostate is "none" (no object).
using PropertyValue = std::variant<std::monostate, bool, std::int32_t, double, QString, ColorValue,
                                   FontDesc, PictureRef>;
