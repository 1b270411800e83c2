// Bytes handed to "assign picture" as a BMP: the header reader, the in-place
// row view, the decoder and the shape scanner that runs over the rows.
#include "form/bmp_codec.h"
#include "form/shape.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> file(data, size);
    if (const auto rows = form::bmpPixels(file)) {
        const auto rects = form::opaqueRects(*rows, 0);
        const QImage copy = form::toImage(*rows);
        // Scanning the copy must find the same shape as scanning in place.
        if (form::opaqueRects(copy, 0) != rects)
            __builtin_trap();
    }
    QImage held;
    form::decodeBmpInto(file, held);
    return 0;
}
