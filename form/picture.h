// Decoded pictures. Every picture the runtime holds (the canvas's persistent
// image, loaded pictures, the picture button's bitmap) is a QImage in
// Format_BGR888: its rows are padded to four bytes exactly like a 24-bit BMP,
// so a snapshot and its decoding are row copies.
#pragma once

#include <QImage>

#include <cstdint>
#include <optional>
#include <span>

namespace form {

inline constexpr QImage::Format pictureFormat = QImage::Format_BGR888;

// Pictures larger than this are refused by every decoder, so a lying header
// can never ask for an unbounded allocation.
inline constexpr int maxPictureSide = 16384;
inline constexpr std::int64_t maxPicturePixels = 64LL * 1024 * 1024;

bool isAcceptablePictureSize(std::int64_t width, std::int64_t height);

// JPEG (libjpeg, default decompression settings) or 24-bit BMP, told apart by
// their signatures. Anything else, or any damage, gives nullopt.
std::optional<QImage> decodePicture(std::span<const std::uint8_t> file);

} // namespace form
