#include "form/shape.h"

#include "form/picture.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace form {

namespace {

struct Run {
    int begin;
    int end;
    bool operator==(const Run&) const = default;
};

// Appends the opaque runs of one BGR888 row.
class RowScanner {
public:
    explicit RowScanner(Colour transparent)
        : m_key {std::uint8_t(transparent >> 16), std::uint8_t(transparent >> 8), std::uint8_t(transparent)}
    {
#if defined(__SSE2__)
        // 48 bytes are 16 whole pixels, so three 16-byte patterns repeat the key in phase.
        alignas(16) std::uint8_t pattern[48];
        for (int i = 0; i < 48; ++i)
            pattern[i] = m_key[i % 3];
        for (int i = 0; i < 3; ++i)
            m_pattern[i] = _mm_load_si128(reinterpret_cast<const __m128i*>(pattern + 16 * i));
#endif
    }

    void scan(const std::uint8_t* row, int width, std::vector<Run>& runs) const
    {
        int runStart = -1;
        int x = 0;
#if defined(__SSE2__)
        // Bit 3i of `transparent` is set when pixel i of the block matches the key.
        constexpr std::uint64_t pixelStarts = 0x249249249249ULL;
        for (; x + 16 <= width; x += 16) {
            const std::uint8_t* p = row + 3 * x;
            const std::uint64_t equal = block16(p, 0) | block16(p, 1) << 16 | block16(p, 2) << 32;
            const std::uint64_t transparent = equal & equal >> 1 & equal >> 2 & pixelStarts;
            if (transparent == 0) {
                if (runStart < 0)
                    runStart = x;
                continue;
            }
            if (transparent == pixelStarts) {
                close(runs, runStart, x);
                continue;
            }
            for (int i = 0; i < 16; ++i)
                step(runs, runStart, x + i, (transparent >> (3 * i) & 1) != 0);
        }
#endif
        for (; x < width; ++x) {
            const std::uint8_t* p = row + 3 * x;
            step(runs, runStart, x, p[0] == m_key[0] && p[1] == m_key[1] && p[2] == m_key[2]);
        }
        close(runs, runStart, width);
    }

private:
#if defined(__SSE2__)
    std::uint64_t block16(const std::uint8_t* p, int i) const
    {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        return std::uint64_t(std::uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, m_pattern[i]))));
    }
    __m128i m_pattern[3];
#endif

    static void step(std::vector<Run>& runs, int& runStart, int x, bool transparent)
    {
        if (transparent)
            close(runs, runStart, x);
        else if (runStart < 0)
            runStart = x;
    }

    static void close(std::vector<Run>& runs, int& runStart, int x)
    {
        if (runStart >= 0)
            runs.push_back({runStart, x});
        runStart = -1;
    }

    std::uint8_t m_key[3]; // blue, green, red: the order BGR888 stores them
};

} // namespace

std::vector<QRect> opaqueRects(const QImage& picture, Colour transparent)
{
    std::vector<QRect> rects;
    if (picture.isNull())
        return rects;
    const QImage converted = picture.format() == pictureFormat ? QImage() : picture.convertToFormat(pictureFormat);
    const QImage& pixels = converted.isNull() ? picture : converted;

    const RowScanner scanner(transparent);
    std::vector<Run> previous;
    std::vector<Run> current;
    int bandTop = 0;
    const auto flushBand = [&](int bandBottom) {
        for (const Run& run : previous)
            rects.emplace_back(run.begin, bandTop, run.end - run.begin, bandBottom - bandTop);
    };
    for (int y = 0; y < pixels.height(); ++y) {
        current.clear();
        scanner.scan(pixels.constScanLine(y), pixels.width(), current);
        if (y > 0 && current == previous)
            continue;
        flushBand(y);
        previous.swap(current);
        bandTop = y;
    }
    flushBand(pixels.height());
    return rects;
}

QRegion regionFromBands(const std::vector<QRect>& rects)
{
    QRegion region;
    if (!rects.empty())
        region.setRects(rects.data(), int(rects.size()));
    return region;
}

} // namespace form
