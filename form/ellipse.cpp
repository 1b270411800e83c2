#include "form/ellipse.h"

#include <algorithm>
#include <cstdint>

namespace form {

namespace {

// Pixel (px, py) of a w x h box is inside when its centre lies in the
// inscribed ellipse. Doubling the coordinates keeps everything integral:
// (2px + 1 - w)^2 h^2 + (2py + 1 - h)^2 w^2 <= w^2 h^2.
class EllipseTest {
public:
    EllipseTest(std::int64_t width, std::int64_t height) : m_w(width), m_h(height) {}

    bool inside(std::int64_t px, std::int64_t py) const
    {
        if (px < 0 || py < 0 || px >= m_w || py >= m_h)
            return false;
        const Wide dx = 2 * px + 1 - m_w;
        const Wide dy = 2 * py + 1 - m_h;
        const Wide w2 = Wide(m_w) * m_w;
        const Wide h2 = Wide(m_h) * m_h;
        return dx * dx * h2 + dy * dy * w2 <= w2 * h2;
    }

private:
    __extension__ using Wide = __int128;
    std::int64_t m_w;
    std::int64_t m_h;
};

void setPixel(QImage& picture, int x, int y, Colour colour)
{
    uchar* p = picture.scanLine(y) + 3 * x;
    p[0] = uchar(colour >> 16); // blue
    p[1] = uchar(colour >> 8);  // green
    p[2] = uchar(colour);       // red
}

} // namespace

QRect paintEllipse(QImage& picture, int left, int top, int right, int bottom, const EllipsePaint& paint)
{
    const std::int64_t x0 = std::min(left, right);
    const std::int64_t x1 = std::max(left, right);
    const std::int64_t y0 = std::min(top, bottom);
    const std::int64_t y1 = std::max(top, bottom);
    constexpr std::int64_t limit = std::int64_t(1) << 30;
    if (x1 - x0 > limit || y1 - y0 > limit || picture.isNull() || (!paint.pen && !paint.brush))
        return {};

    const std::int64_t clipLeft = std::max<std::int64_t>(x0, 0);
    const std::int64_t clipTop = std::max<std::int64_t>(y0, 0);
    const std::int64_t clipRight = std::min<std::int64_t>(x1, picture.width());
    const std::int64_t clipBottom = std::min<std::int64_t>(y1, picture.height());
    if (clipLeft >= clipRight || clipTop >= clipBottom)
        return {};

    const EllipseTest ellipse(x1 - x0, y1 - y0);
    for (std::int64_t y = clipTop; y < clipBottom; ++y) {
        const std::int64_t py = y - y0;
        for (std::int64_t x = clipLeft; x < clipRight; ++x) {
            const std::int64_t px = x - x0;
            if (!ellipse.inside(px, py))
                continue;
            const bool edge = !ellipse.inside(px - 1, py) || !ellipse.inside(px + 1, py)
                || !ellipse.inside(px, py - 1) || !ellipse.inside(px, py + 1);
            const std::optional<Colour>& colour = edge && paint.pen ? paint.pen : paint.brush;
            if (colour)
                setPixel(picture, int(x), int(y), *colour);
        }
    }
    return QRect(QPoint(int(clipLeft), int(clipTop)), QPoint(int(clipRight - 1), int(clipBottom - 1)));
}

} // namespace form
