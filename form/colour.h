// Colours as the runtime stores them: 0x00BBGGRR, red in the low byte.
// 0xFF000000 stands for "the system's default": the button-face colour for
// backgrounds, and "no transparent colour" for a picture button.
#pragma once

#include <QColor>

#include <cstdint>

namespace form {

using Colour = std::uint32_t;

inline constexpr Colour defaultColour = 0xFF000000;

constexpr Colour rgb(int red, int green, int blue)
{
    return Colour(red & 0xFF) | Colour(green & 0xFF) << 8 | Colour(blue & 0xFF) << 16;
}

inline QColor toQColor(Colour colour)
{
    return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}

// The button-face colour for the default value, the colour itself otherwise.
QColor backgroundQColor(Colour colour);

} // namespace form
