// The window shape of a picture button: every pixel of its picture whose
// colour is not the transparent colour.
#pragma once

#include "form/bitmap_view.h"
#include "form/colour.h"

#include <QImage>
#include <QRect>
#include <QRegion>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace form {

// Rows are scanned top-down, left to right; every maximal run of opaque pixels
// [x0, x) in row y is the rectangle (x0, y, x, y + 1). Rows whose runs equal
// the row above extend that band instead of adding rectangles, so the result
// is already in QRegion's banded form. A pixel is transparent only when its
// red, green and blue equal the colour's exactly.
std::vector<QRect> opaqueRects(const BitmapView& picture, Colour transparent);
std::vector<QRect> opaqueRects(const QImage& picture, Colour transparent);

// Where opaqueRectsWhileCopying puts each row: the same row order as the
// source, `rowBytes` bytes a row (padding included).
struct WritableRows {
    std::uint8_t* top;
    std::ptrdiff_t stride;
    std::size_t rowBytes;
};

// The same shape, for a picture that is being copied: each block of pixels
// is stored to its new place as it is scanned, so copying and scanning read
// the source once.
std::vector<QRect> opaqueRectsWhileCopying(const BitmapView& source, const WritableRows& target, Colour transparent);

QRegion regionFromBands(const std::vector<QRect>& rects);

} // namespace form
