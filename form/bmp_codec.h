// The 24-bit BMP files that snapshots produce and the picture button decodes:
// a 14-byte file header, a 40-byte info header, then rows bottom-up, each
// pixel blue, green, red, each row padded to a multiple of four bytes.
#pragma once

#include "form/bitmap_view.h"
#include "form/byte_set.h"

#include <QImage>

#include <cstdint>
#include <optional>
#include <span>

namespace form {

inline constexpr std::size_t bmpHeaderSize = 54;

constexpr std::int64_t bmpStride(std::int64_t width)
{
    return ((24 * width + 31) / 32) * 4;
}

// A ByteSet holding a whole BMP file of `picture` (which is in the runtime's
// picture format); null for a null picture.
ByteSet encodeBmp(const QImage& picture);

// The pixel rows of a 24-bit uncompressed BMP (bottom-up or top-down), read
// in place: nullopt unless the header describes exactly the bytes present.
std::optional<BitmapView> bmpPixels(std::span<const std::uint8_t> file);

// A picture of its own with the view's pixels.
QImage toImage(const BitmapView& view);

// Decodes a 24-bit uncompressed BMP into a picture of its own; on any
// header that bmpPixels refuses, returns false and leaves `picture` as it was.
bool decodeBmpInto(std::span<const std::uint8_t> file, QImage& picture);
std::optional<QImage> decodeBmp(std::span<const std::uint8_t> file);

} // namespace form
