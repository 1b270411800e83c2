#include "jpeg_segments.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace {

constexpr std::uint8_t kSoi = 0xD8;
constexpr std::uint8_t kSos = 0xDA;
constexpr std::uint8_t kApp0 = 0xE0;
constexpr std::uint8_t kApp14 = 0xEE;
constexpr std::uint8_t kApp15 = 0xEF;

bool payloadStartsWith(const std::vector<std::uint8_t> &jpeg, const JpegSegment &s, const char *prefix,
                       std::size_t prefixSize)
{
    const std::size_t payload = s.offset + 4;
    return s.size >= 4 + prefixSize && std::memcmp(jpeg.data() + payload, prefix, prefixSize) == 0;
}

bool isApp(std::uint8_t marker) { return marker >= kApp0 && marker <= kApp15; }

}  // namespace

std::string JpegSegment::describe(const std::vector<std::uint8_t> &jpeg) const
{
    switch (marker) {
    case kSoi: return "SOI";
    case kSos: return "SOS";
    case 0xC0: return "SOF0";
    case 0xC4: return "DHT";
    case 0xDB: return "DQT";
    case 0xDD: return "DRI";
    case 0xFE: return "COM";
    default: break;
    }
    char name[16];
    if (isApp(marker))
        std::snprintf(name, sizeof name, "APP%d", marker - kApp0);
    else
        std::snprintf(name, sizeof name, "FF%02X", marker);
    std::string text = name;
    if (payloadStartsWith(jpeg, *this, "JFIF\0", 5))
        text += " JFIF";
    else if (payloadStartsWith(jpeg, *this, "Exif\0\0", 6))
        text += " Exif";
    else if (payloadStartsWith(jpeg, *this, "http://ns.adobe.com/xap/1.0/\0", 29))
        text += " XMP";
    else if (payloadStartsWith(jpeg, *this, "ICC_PROFILE\0", 12))
        text += " ICC_PROFILE";
    else if (payloadStartsWith(jpeg, *this, "Adobe", 5))
        text += " Adobe";
    return text;
}

std::vector<JpegSegment> headerSegments(const std::vector<std::uint8_t> &jpeg)
{
    if (jpeg.size() < 4 || jpeg[0] != 0xFF || jpeg[1] != kSoi)
        throw std::runtime_error("JPEG stream does not start with SOI");

    std::vector<JpegSegment> segments{{kSoi, 0, 2}};
    std::size_t pos = 2;
    for (;;) {
        if (pos + 4 > jpeg.size() || jpeg[pos] != 0xFF)
            throw std::runtime_error("JPEG header is truncated or malformed");
        const std::uint8_t marker = jpeg[pos + 1];
        const std::size_t length = (std::size_t{jpeg[pos + 2]} << 8) | jpeg[pos + 3];
        if (length < 2 || pos + 2 + length > jpeg.size())
            throw std::runtime_error("JPEG segment length runs past the end of the data");
        segments.push_back({marker, pos, 2 + length});
        if (marker == kSos)
            return segments;
        pos += 2 + length;
    }
}

void moveAdobeSegmentBehindMetadata(std::vector<std::uint8_t> &jpeg)
{
    const std::vector<JpegSegment> segments = headerSegments(jpeg);
    const auto adobe = std::find_if(segments.begin(), segments.end(), [&](const JpegSegment &s) {
        return s.marker == kApp14 && s.describe(jpeg) == "APP14 Adobe";
    });
    if (adobe == segments.end())
        throw std::runtime_error("libjpeg did not write the Adobe APP14 segment");

    // The last APPn before the first table segment (DQT) is where APP14 goes.
    auto lastApp = adobe;
    for (auto it = adobe + 1; it != segments.end() && isApp(it->marker); ++it)
        lastApp = it;
    if (lastApp == adobe)
        return;

    const std::vector<std::uint8_t> moved(jpeg.begin() + static_cast<std::ptrdiff_t>(adobe->offset),
                                          jpeg.begin() + static_cast<std::ptrdiff_t>(adobe->offset + adobe->size));
    const std::size_t followingEnd = lastApp->offset + lastApp->size;
    // Shift the segments in between forward, then drop APP14 in behind them.
    std::copy(jpeg.begin() + static_cast<std::ptrdiff_t>(adobe->offset + adobe->size),
              jpeg.begin() + static_cast<std::ptrdiff_t>(followingEnd),
              jpeg.begin() + static_cast<std::ptrdiff_t>(adobe->offset));
    std::copy(moved.begin(), moved.end(), jpeg.begin() + static_cast<std::ptrdiff_t>(followingEnd - moved.size()));
}
