#pragma once

#include <cstdint>
#include <string>
#include <vector>

class QImage;

struct JpegSettings {
    int quality = 85;   // libjpeg quality scale, 1..100
    std::string title;  // goes into the XMP dc:title
};

// Encodes `image` as a baseline 4:2:0 YCbCr JPEG with, in this order after
// SOI: JFIF APP0, Exif APP1, XMP APP1, sRGB ICC APP2, Adobe APP14, followed
// by the tables, a restart interval (DRI) and one scan. The result depends
// only on the pixels and settings, so repeated runs are byte-identical.
// Throws std::runtime_error if libjpeg reports an error.
std::vector<std::uint8_t> encodeJpeg(const QImage &image, const JpegSettings &settings);
