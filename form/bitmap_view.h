// A read-only look at 24-bit blue-green-red pixel rows that someone else
// owns: a QImage in the runtime's format, or the rows of a BMP file, which
// are stored bottom-up (a negative stride from the top row).
#pragma once

#include <QImage>

#include <cstddef>
#include <cstdint>

namespace form {

struct BitmapView {
    const std::uint8_t* top = nullptr; // first byte of the top row
    std::ptrdiff_t stride = 0;         // bytes from one row to the next one down
    int width = 0;
    int height = 0;

    bool isNull() const { return top == nullptr || width <= 0 || height <= 0; }
    const std::uint8_t* row(int y) const { return top + stride * y; }

    // `picture` must be in the runtime's format and outlive the view.
    static BitmapView of(const QImage& picture)
    {
        if (picture.isNull() || picture.format() != QImage::Format_BGR888)
            return {};
        return {picture.constBits(), std::ptrdiff_t(picture.bytesPerLine()), picture.width(), picture.height()};
    }
};

} // namespace form
