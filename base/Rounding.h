#pragma once

#include <cmath>

namespace Rounding {

// Nearest whole number, halves to the even neighbour (12.5 -> 12, 13.5 -> 14).
// Every fractional size, colour step and percentage of the program is
// rounded this way. Written out rather than left to the floating-point
// rounding mode, which other code in the process could have changed.
inline int HalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return int(floor) + 1;
    if (fraction < 0.5)
        return int(floor);
    return std::fmod(floor, 2.0) == 0.0 ? int(floor) : int(floor) + 1;
}

} // namespace Rounding
