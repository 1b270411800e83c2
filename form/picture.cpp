#include "form/picture.h"

#include "form/bmp_codec.h"
#include "form/jpeg_decoder.h"

namespace form {

bool isAcceptablePictureSize(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && width <= maxPictureSide && height <= maxPictureSide
        && width * height <= maxPicturePixels;
}

std::optional<QImage> decodePicture(std::span<const std::uint8_t> file)
{
    if (file.size() >= 2 && file[0] == 'B' && file[1] == 'M')
        return decodeBmp(file);
    if (file.size() >= 2 && file[0] == 0xFF && file[1] == 0xD8)
        return decodeJpeg(file);
    return std::nullopt;
}

} // namespace form
