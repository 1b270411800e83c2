// The window shape of a picture button: every pixel of its picture whose
// colour is not the transparent colour.
#pragma once

#include "form/colour.h"

#include <QImage>
#include <QRect>
#include <QRegion>

#include <vector>

namespace form {

// Rows are scanned top-down, left to right; every maximal run of opaque pixels
// [x0, x) in row y is the rectangle (x0, y, x, y + 1). Rows whose runs equal
// the row above extend that band instead of adding rectangles, so the result
// is already in QRegion's banded form. A pixel is transparent only when its
// red, green and blue equal the colour's exactly.
std::vector<QRect> opaqueRects(const QImage& picture, Colour transparent);

QRegion regionFromBands(const std::vector<QRect>& rects);

} // namespace form
