#pragma once

#include <QCursor>
#include <optional>

// The host's mouse-pointer codes: 0 is the default pointer, 99 the custom
// MouseIcon; the codes between name the usual system pointers.
namespace MousePointers {

constexpr int kDefault = 0;
constexpr int kCustom = 99;

// The cursor shape of a code 1..15; nullopt for 0, 99 and unknown codes.
std::optional<Qt::CursorShape> ShapeFor(int code);

} // namespace MousePointers
