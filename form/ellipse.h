// Filled ellipses drawn straight into a picture, with the rounding of the
// classic desktop API: the ellipse inscribed in (left, top, right, bottom)
// covers columns left .. right - 1 and rows top .. bottom - 1, and is
// symmetric about the rectangle's centre.
#pragma once

#include "form/colour.h"

#include <QImage>
#include <QRect>

#include <optional>

namespace form {

struct EllipsePaint {
    std::optional<Colour> pen;   // one-pixel outline; nullopt draws none
    std::optional<Colour> brush; // inside; nullopt leaves it as it was
};

// Normalises the rectangle, clips to the picture, paints, and returns the
// pixels that may have changed (empty if none). Rectangles wider or taller
// than 2^30 pixels draw nothing.
QRect paintEllipse(QImage& picture, int left, int top, int right, int bottom, const EllipsePaint& paint);

} // namespace form
