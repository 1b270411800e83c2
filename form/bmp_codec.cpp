#include "form/bmp_codec.h"

#include "form/picture.h"

#include <cstring>

namespace form {

namespace {

void put16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}

void put32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(v >> (8 * i));
}

std::uint16_t get16(const std::uint8_t* p)
{
    return std::uint16_t(p[0] | p[1] << 8);
}

std::uint32_t get32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

constexpr std::uint32_t pixelsPerMetreAt96Dpi = 3780;

} // namespace

ByteSet encodeBmp(const QImage& picture)
{
    if (picture.isNull() || picture.format() != pictureFormat)
        return {};
    const int width = picture.width();
    const int height = picture.height();
    const auto stride = std::size_t(bmpStride(width));
    const std::size_t pixelBytes = stride * std::size_t(height);
    ByteSet file = ByteSet::allocate(bmpHeaderSize + pixelBytes);
    std::uint8_t* out = file.mutableData().data();

    out[0] = 'B';
    out[1] = 'M';
    put32(out + 2, std::uint32_t(bmpHeaderSize + pixelBytes));
    put32(out + 6, 0);
    put32(out + 10, bmpHeaderSize);
    put32(out + 14, 40);
    put32(out + 18, std::uint32_t(width));
    put32(out + 22, std::uint32_t(height));
    put16(out + 26, 1);
    put16(out + 28, 24);
    put32(out + 30, 0);
    put32(out + 34, std::uint32_t(pixelBytes));
    put32(out + 38, pixelsPerMetreAt96Dpi);
    put32(out + 42, pixelsPerMetreAt96Dpi);
    put32(out + 46, 0);
    put32(out + 50, 0);

    // QImage pads BGR888 rows to four bytes, as BMP does, so each row is one
    // copy; the padding is cleared because QImage leaves it uninitialised.
    const std::size_t rowBytes = std::size_t(width) * 3;
    std::uint8_t* row = out + bmpHeaderSize;
    for (int y = height - 1; y >= 0; --y, row += stride) {
        std::memcpy(row, picture.constScanLine(y), rowBytes);
        std::memset(row + rowBytes, 0, stride - rowBytes);
    }
    return file;
}

std::optional<BitmapView> bmpPixels(std::span<const std::uint8_t> file)
{
    if (file.size() < bmpHeaderSize)
        return std::nullopt;
    const std::uint8_t* in = file.data();
    if (in[0] != 'B' || in[1] != 'M')
        return std::nullopt;
    const std::uint32_t pixelOffset = get32(in + 10);
    const std::uint32_t infoSize = get32(in + 14);
    const auto width = std::int64_t(std::int32_t(get32(in + 18)));
    const auto signedHeight = std::int64_t(std::int32_t(get32(in + 22)));
    const std::uint16_t planes = get16(in + 26);
    const std::uint16_t bitsPerPixel = get16(in + 28);
    const std::uint32_t compression = get32(in + 30);

    if (infoSize < 40 || infoSize > file.size() - 14)
        return std::nullopt;
    if (pixelOffset < 14 + infoSize || pixelOffset > file.size())
        return std::nullopt;
    if (planes != 1 || bitsPerPixel != 24 || compression != 0)
        return std::nullopt;
    const bool topDown = signedHeight < 0;
    const std::int64_t height = topDown ? -signedHeight : signedHeight;
    if (!isAcceptablePictureSize(width, height))
        return std::nullopt;
    const std::int64_t stride = bmpStride(width);
    if (stride * height > std::int64_t(file.size() - pixelOffset))
        return std::nullopt;

    const std::uint8_t* pixels = in + pixelOffset;
    if (topDown)
        return BitmapView {pixels, std::ptrdiff_t(stride), int(width), int(height)};
    return BitmapView {pixels + stride * (height - 1), -std::ptrdiff_t(stride), int(width), int(height)};
}

QImage toImage(const BitmapView& view)
{
    if (view.isNull())
        return {};
    QImage picture(view.width, view.height, pictureFormat);
    if (picture.isNull())
        return {};
    for (int y = 0; y < view.height; ++y)
        std::memcpy(picture.scanLine(y), view.row(y), std::size_t(view.width) * 3);
    return picture;
}

bool decodeBmpInto(std::span<const std::uint8_t> file, QImage& picture)
{
    const std::optional<BitmapView> view = bmpPixels(file);
    if (!view)
        return false;
    QImage decoded = toImage(*view);
    if (decoded.isNull())
        return false;
    picture = std::move(decoded);
    return true;
}

std::optional<QImage> decodeBmp(std::span<const std::uint8_t> file)
{
    QImage picture;
    if (!decodeBmpInto(file, picture))
        return std::nullopt;
    return picture;
}

} // namespace form
