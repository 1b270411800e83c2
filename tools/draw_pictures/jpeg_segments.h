#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A marker segment in the header part of a JPEG stream (everything before
// the entropy-coded data), located by byte offset.
struct JpegSegment {
    std::uint8_t marker = 0;  // second byte of the marker, e.g. 0xE0 for APP0
    std::size_t offset = 0;   // position of the 0xFF that starts the marker
    std::size_t size = 0;     // whole segment: marker, length field and payload

    // Human-readable name like "APP1 Exif" or "DRI"; used in reports.
    std::string describe(const std::vector<std::uint8_t> &jpeg) const;
};

// Lists SOI and every segment up to and including SOS. Throws
// std::runtime_error if the stream is not structured like a JPEG file.
std::vector<JpegSegment> headerSegments(const std::vector<std::uint8_t> &jpeg);

// libjpeg writes the Adobe APP14 segment straight after JFIF APP0, which
// would push our Exif APP1 away from the front where Exif readers expect
// it. This moves APP14 behind the last other APPn segment instead.
void moveAdobeSegmentBehindMetadata(std::vector<std::uint8_t> &jpeg);
