#include "jpeg_reader.h"

#include "jpeg_errors.h"

#include <stdexcept>
#include <string>

namespace {

class DecompressGuard {
public:
    DecompressGuard() { cinfo.err = errors.install(); }
    ~DecompressGuard() { jpeg_destroy_decompress(&cinfo); }
    DecompressGuard(const DecompressGuard &) = delete;
    DecompressGuard &operator=(const DecompressGuard &) = delete;

    JpegErrorReporter errors;
    jpeg_decompress_struct cinfo{};
};

// Decoding happens in two steps because the output QImage can only be
// allocated once the header is known, and a QImage must not be created in
// a frame that libjpeg may longjmp into.
bool startDecoding(DecompressGuard &guard, const std::vector<std::uint8_t> &jpeg)
{
    jpeg_decompress_struct &c = guard.cinfo;
    if (setjmp(guard.errors.jump))
        return false;
    jpeg_create_decompress(&c);
    jpeg_mem_src(&c, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&c, TRUE);
    c.out_color_space = JCS_RGB;
    jpeg_start_decompress(&c);
    return true;
}

bool readPixels(DecompressGuard &guard, QImage &out)
{
    jpeg_decompress_struct &c = guard.cinfo;
    if (setjmp(guard.errors.jump))
        return false;
    while (c.output_scanline < c.output_height) {
        JSAMPROW row = out.scanLine(static_cast<int>(c.output_scanline));
        jpeg_read_scanlines(&c, &row, 1);
    }
    jpeg_finish_decompress(&c);
    return true;
}

[[noreturn]] void fail(const DecompressGuard &guard)
{
    throw std::runtime_error(std::string("libjpeg could not decode the picture: ") + guard.errors.message);
}

}  // namespace

QImage decodeJpeg(const std::vector<std::uint8_t> &jpeg)
{
    DecompressGuard guard;
    if (!startDecoding(guard, jpeg))
        fail(guard);
    if (guard.cinfo.output_components != 3)
        throw std::runtime_error("decoded JPEG is not RGB");

    QImage out(static_cast<int>(guard.cinfo.output_width), static_cast<int>(guard.cinfo.output_height),
               QImage::Format_RGB888);
    if (out.isNull())
        throw std::runtime_error("out of memory for the decoded picture");
    if (!readPixels(guard, out))
        fail(guard);
    if (guard.errors.pub.num_warnings != 0)
        throw std::runtime_error("libjpeg reported corrupt data while decoding the picture");
    return out;
}
