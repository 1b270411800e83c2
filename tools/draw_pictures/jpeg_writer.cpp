#include "jpeg_writer.h"

#include "jpeg_errors.h"
#include "jpeg_segments.h"
#include "metadata.h"

#include <QByteArray>
#include <QColorSpace>
#include <QImage>

#include <cstdlib>
#include <iterator>
#include <stdexcept>

namespace {

// Owns everything libjpeg allocates for one compression, including the
// memory destination buffer, so every exit path releases it.
class CompressGuard {
public:
    CompressGuard() { cinfo.err = errors.install(); }
    ~CompressGuard()
    {
        // Safe even if jpeg_create_compress never ran: cinfo.mem is still null.
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
    }
    CompressGuard(const CompressGuard &) = delete;
    CompressGuard &operator=(const CompressGuard &) = delete;

    JpegErrorReporter errors;
    jpeg_compress_struct cinfo{};
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
};

struct Segments {
    const std::vector<std::uint8_t> &exif;
    const std::vector<std::uint8_t> &xmp;
    const QByteArray &icc;
};

// Drives libjpeg. Only references and plain values live here, because a
// libjpeg error longjmps back into this frame. Returns false on error.
bool compress(CompressGuard &guard, const QImage &rgb, const Segments &segments, int quality)
{
    jpeg_compress_struct &c = guard.cinfo;
    if (setjmp(guard.errors.jump))
        return false;

    jpeg_create_compress(&c);
    jpeg_mem_dest(&c, &guard.buffer, &guard.size);

    c.image_width = static_cast<JDIMENSION>(rgb.width());
    c.image_height = static_cast<JDIMENSION>(rgb.height());
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    // Baseline sequential Huffman coding into YCbCr; nothing below turns
    // on progressive or arithmetic coding.
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, quality, TRUE);
    c.optimize_coding = TRUE;  // smaller files, still baseline
    // 4:2:0: full-resolution luma, chroma halved both ways. This is the
    // library default already; spelled out so it cannot change silently.
    c.comp_info[0].h_samp_factor = 2;
    c.comp_info[0].v_samp_factor = 2;
    for (int i = 1; i < 3; ++i) {
        c.comp_info[i].h_samp_factor = 1;
        c.comp_info[i].v_samp_factor = 1;
    }
    c.write_JFIF_header = TRUE;
    c.density_unit = 1;  // dots per inch, matching the Exif resolution
    c.X_density = 72;
    c.Y_density = 72;
    c.write_Adobe_marker = TRUE;
    // A restart marker after every MCU row limits the damage a corrupted
    // byte can do and makes the file carry a DRI segment.
    c.restart_in_rows = 1;

    jpeg_start_compress(&c, TRUE);
    // Custom segments must go between start_compress and the first scanline.
    jpeg_write_marker(&c, JPEG_APP0 + 1, segments.exif.data(), static_cast<unsigned>(segments.exif.size()));
    jpeg_write_marker(&c, JPEG_APP0 + 1, segments.xmp.data(), static_cast<unsigned>(segments.xmp.size()));
    jpeg_write_icc_profile(&c, reinterpret_cast<const JOCTET *>(segments.icc.constData()),
                           static_cast<unsigned>(segments.icc.size()));

    while (c.next_scanline < c.image_height) {
        // libjpeg only reads input rows; the cast satisfies its C signature.
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(c.next_scanline)));
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    return true;
}

// The marker layout is part of what the app's loader is tested against, so
// a libjpeg upgrade that writes something else must fail loudly here.
void checkLayout(const std::vector<std::uint8_t> &jpeg)
{
    const std::vector<JpegSegment> segments = headerSegments(jpeg);
    const char *const expectedStart[] = {"SOI", "APP0 JFIF", "APP1 Exif", "APP1 XMP", "APP2 ICC_PROFILE", "APP14 Adobe"};
    const std::size_t count = std::size(expectedStart);
    bool ok = segments.size() > count;
    for (std::size_t i = 0; ok && i < count; ++i)
        ok = segments[i].describe(jpeg) == expectedStart[i];
    bool sof0 = false;
    bool dri = false;
    for (const JpegSegment &s : segments) {
        sof0 = sof0 || s.marker == 0xC0;
        dri = dri || s.marker == 0xDD;
    }
    if (!ok || !sof0 || !dri)
        throw std::runtime_error("encoded JPEG does not have the expected marker layout");
}

}  // namespace

std::vector<std::uint8_t> encodeJpeg(const QImage &image, const JpegSettings &settings)
{
    // Everything with a destructor is prepared before libjpeg starts.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const std::vector<std::uint8_t> exif = exifPayload(rgb.width(), rgb.height());
    const std::vector<std::uint8_t> xmp = xmpPayload(settings.title);
    const QByteArray icc = QColorSpace(QColorSpace::SRgb).iccProfile();
    if (icc.isEmpty())
        throw std::runtime_error("Qt produced no sRGB ICC profile");

    CompressGuard guard;
    if (!compress(guard, rgb, Segments{exif, xmp, icc}, settings.quality))
        throw std::runtime_error(std::string("libjpeg could not encode the picture: ") + guard.errors.message);

    std::vector<std::uint8_t> jpeg(guard.buffer, guard.buffer + guard.size);
    moveAdobeSegmentBehindMetadata(jpeg);
    checkLayout(jpeg);
    return jpeg;
}
