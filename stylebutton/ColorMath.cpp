#include "ColorMath.h"
#include "Rounding.h"

#include <cmath>

namespace ColorMath {

std::uint32_t ShiftColor(std::uint32_t colour, float amount) {
    // The step is computed in single precision first, as amount * 255 of a
    // float, then added to the channel in double precision.
    const double step = double(amount * 255.0f);
    int channels[3] = {RedOf(colour), GreenOf(colour), BlueOf(colour)};
    for (int& c : channels) {
        int v = Rounding::HalfEven(double(c) + step);
        if (amount <= 0) {
            if (v < 0)
                v = 0;
        } else if (v > 255) {
            v = 255;
        }
        c = v;
    }
    return std::uint32_t(channels[0] + channels[1] * 256 + channels[2] * 65536);
}

std::uint32_t AverageColors(std::uint32_t a, std::uint32_t b) {
    const int red = Rounding::HalfEven((RedOf(a) + RedOf(b)) / 2.0);
    const int green = Rounding::HalfEven((GreenOf(a) + GreenOf(b)) / 2.0);
    const int blue = Rounding::HalfEven((BlueOf(a) + BlueOf(b)) / 2.0);
    return FromChannels(red, green, blue);
}

} // namespace ColorMath
