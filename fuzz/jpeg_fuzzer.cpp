// Bytes handed to "load picture": the JPEG path through libjpeg.
#include "form/jpeg_decoder.h"
#include "form/picture.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (const auto picture = form::decodeJpeg(std::span<const std::uint8_t>(data, size))) {
        // A decoded picture is never larger than the limits allow.
        if (picture->width() <= 0 || picture->height() <= 0 || picture->width() > form::maxPictureSide)
            __builtin_trap();
    }
    return 0;
}
