// Small helpers for tests that look at pictures.
#pragma once

#include "form/colour.h"
#include "form/picture.h"

#include <QColor>
#include <QImage>

#include <cstdint>
#include <span>
#include <vector>

namespace testing_support {

// A picture in the runtime's format, filled with one colour.
inline QImage filledPicture(int width, int height, QColor colour)
{
    QImage picture(width, height, form::pictureFormat);
    picture.fill(colour);
    return picture;
}

inline QColor pixelAt(const QImage& picture, int x, int y)
{
    return picture.pixelColor(x, y);
}

inline bool isBlack(QColor colour)
{
    return colour.red() == 0 && colour.green() == 0 && colour.blue() == 0;
}

inline std::vector<std::uint8_t> bytesOf(std::span<const std::uint8_t> span)
{
    return {span.begin(), span.end()};
}

} // namespace testing_support
