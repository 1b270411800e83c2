#include "form/jpeg_decoder.h"

#include "form/picture.h"

#include <csetjmp>
#include <cstdio>
#include <limits>
#include <memory>
#include <utility>

#include <jpeglib.h>

namespace form {

namespace {

// Everything the decoder touches after setjmp lives here, on the heap and
// reached through one pointer that never changes: locals modified between
// setjmp and longjmp would have indeterminate values after the jump.
struct Decoder {
    jpeg_decompress_struct info {};
    jpeg_error_mgr errors {};
    std::jmp_buf failed;
    bool created = false;
    int warnings = 0;
    QImage picture;

    ~Decoder()
    {
        if (created)
            jpeg_destroy_decompress(&info);
    }
};

Decoder& decoderOf(j_common_ptr info)
{
    return *static_cast<Decoder*>(info->client_data);
}

[[noreturn]] void onError(j_common_ptr info)
{
    std::longjmp(decoderOf(info).failed, 1);
}

void onMessage(j_common_ptr info, int level)
{
    // Level -1 is a warning: libjpeg carries on with made-up data, which is
    // not the picture that was handed in.
    if (level < 0)
        ++decoderOf(info).warnings;
}

void swapRedAndBlue(uchar* row, int width)
{
    for (int x = 0; x < width; ++x)
        std::swap(row[3 * x], row[3 * x + 2]);
}

void expandGreyRow(uchar* row, int width)
{
    // Grey samples sit in the first `width` bytes; spread them from the end.
    for (int x = width - 1; x >= 0; --x)
        row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = row[x];
}

} // namespace

std::optional<QImage> decodeJpeg(std::span<const std::uint8_t> file)
{
    if (file.empty() || file.size() > std::numeric_limits<unsigned long>::max())
        return std::nullopt;

    const auto decoder = std::make_unique<Decoder>();
    decoder->info.err = jpeg_std_error(&decoder->errors);
    decoder->errors.error_exit = onError;
    decoder->errors.emit_message = onMessage;
    decoder->info.client_data = decoder.get();
    if (setjmp(decoder->failed))
        return std::nullopt;

    jpeg_decompress_struct& info = decoder->info;
    jpeg_create_decompress(&info);
    decoder->created = true;
    jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        return std::nullopt;
    if (!isAcceptablePictureSize(info.image_width, info.image_height))
        return std::nullopt;
    if (info.out_color_space != JCS_RGB && info.out_color_space != JCS_GRAYSCALE)
        return std::nullopt;

    jpeg_start_decompress(&info);
    const bool grey = info.out_color_components == 1;
    const int width = int(info.output_width);
    decoder->picture = QImage(width, int(info.output_height), pictureFormat);
    if (decoder->picture.isNull())
        return std::nullopt;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = decoder->picture.scanLine(int(info.output_scanline));
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
            return std::nullopt;
        if (grey)
            expandGreyRow(row, width);
        else
            swapRedAndBlue(row, width);
    }
    jpeg_finish_decompress(&info);
    if (decoder->warnings > 0)
        return std::nullopt;
    return std::move(decoder->picture);
}

} // namespace form
