// JPEG decoding through libjpeg's own API with the library's default
// decompression settings (islow DCT, fancy upsampling), RGB out.
#pragma once

#include <QImage>

#include <cstdint>
#include <optional>
#include <span>

namespace form {

// A picture in the runtime's format, or nullopt for anything that libjpeg
// rejects or warns about (a truncated or corrupted file is not a picture),
// for CMYK files, and for sizes the runtime refuses.
std::optional<QImage> decodeJpeg(std::span<const std::uint8_t> file);

} // namespace form
