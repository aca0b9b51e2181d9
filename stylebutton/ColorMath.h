#pragma once

#include <QRgb>
#include <cstdint>

// Colour arithmetic of the button painters. Colours are 0x00BBGGRR values
// (red in the low byte) that have already been through TranslateColor.
namespace ColorMath {

inline int RedOf(std::uint32_t colour) {
    return int(colour & 0xFF);
}
inline int GreenOf(std::uint32_t colour) {
    return int((colour >> 8) & 0xFF);
}
inline int BlueOf(std::uint32_t colour) {
    return int((colour >> 16) & 0xFF);
}
inline std::uint32_t FromChannels(int red, int green, int blue) {
    return std::uint32_t(red) + std::uint32_t(green) * 256u + std::uint32_t(blue) * 65536u;
}

// The QImage pixel (0xAARRGGBB) of a colour, and back.
inline QRgb ToQRgb(std::uint32_t colour) {
    return qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour));
}
inline std::uint32_t FromQRgb(QRgb pixel) {
    return FromChannels(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

// Lightens (amount > 0) or darkens (amount < 0) each channel by amount * 255,
// clamping only in the direction of the shift.
std::uint32_t ShiftColor(std::uint32_t colour, float amount);

// The channel-wise mean of two colours, halves rounded to even.
std::uint32_t AverageColors(std::uint32_t a, std::uint32_t b);

} // namespace ColorMath
