#pragma once

#include <cstdint>
#include <vector>

#include <QImage>

// Decodes a JPEG with libjpeg's default decompression settings and RGB
// output, the way the app will see the file. Returns a Format_RGB888 image.
// Throws std::runtime_error on errors and on corrupt-data warnings.
QImage decodeJpeg(const std::vector<std::uint8_t> &jpeg);
