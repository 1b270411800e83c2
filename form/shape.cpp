#include "form/shape.h"

#include "form/picture.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace form {

namespace {

struct Run {
    int begin;
    int end;
    bool operator==(const Run&) const = default;
};

// Bit 3i of a block's match mask stands for pixel i of a 16-pixel block.
constexpr std::uint64_t pixelStarts = 0x249249249249ULL;

// Follows one row from left to right, turning the pixels where transparency
// changes into runs of opaque pixels.
class RunBuilder {
public:
    explicit RunBuilder(std::vector<Run>& runs) : m_runs(&runs) {}

    bool previousTransparent() const { return m_previousTransparent; }

    // `equal` has bit b set when byte b of a 16-pixel block starting at x
    // equals the key's byte in that place.
    void block16(std::uint64_t equal, int x)
    {
        const std::uint64_t transparent = equal & equal >> 1 & equal >> 2 & pixelStarts;
        const std::uint64_t before = (transparent << 3 | std::uint64_t(m_previousTransparent)) & pixelStarts;
        for (std::uint64_t changes = transparent ^ before; changes; changes &= changes - 1) {
            const int bit = __builtin_ctzll(changes);
            pixel(x + bit / 3, (transparent >> bit & 1) != 0);
        }
        m_previousTransparent = (transparent >> 45 & 1) != 0;
    }

    void pixel(int x, bool transparent)
    {
        if (transparent && !m_previousTransparent)
            m_runs->push_back({m_runStart, x});
        else if (!transparent && m_previousTransparent)
            m_runStart = x;
        m_previousTransparent = transparent;
    }

    void finish(int width)
    {
        if (!m_previousTransparent)
            m_runs->push_back({m_runStart, width});
    }

private:
    std::vector<Run>* m_runs;
    // Pixel -1 counts as transparent, so an opaque pixel 0 starts a run.
    bool m_previousTransparent = true;
    int m_runStart = 0;
};

// The key repeated over 96 bytes: 32 whole pixels, so it stays in phase.
struct KeyPattern {
    alignas(32) std::uint8_t bytes[96];
    explicit KeyPattern(const std::uint8_t key[3])
    {
        for (int i = 0; i < 96; ++i)
            bytes[i] = key[i % 3];
    }
};

// Scans whole blocks from pixel `from` on and, when `copy` is not null,
// stores each block there as it goes; returns the first pixel left over.
using RowScan = int (*)(const std::uint8_t* row, std::uint8_t* copy, int from, int width, const KeyPattern& key,
                        RunBuilder& runs);

#if defined(__SSE2__)
// Most blocks are wholly opaque (no byte agrees with the key) or wholly
// transparent (every byte does); those are settled without a per-pixel look.
int scanSse2(const std::uint8_t* row, std::uint8_t* copy, int from, int width, const KeyPattern& key,
             RunBuilder& builder)
{
    // A local copy whose address never escapes stays in registers.
    RunBuilder runs = builder;
    const auto* pattern = reinterpret_cast<const __m128i*>(key.bytes);
    const __m128i key0 = _mm_load_si128(pattern);
    const __m128i key1 = _mm_load_si128(pattern + 1);
    const __m128i key2 = _mm_load_si128(pattern + 2);
    int x = from;
    for (; x + 16 <= width; x += 16) {
        const auto* p = reinterpret_cast<const __m128i*>(row + 3 * x);
        const __m128i bytes0 = _mm_loadu_si128(p);
        const __m128i bytes1 = _mm_loadu_si128(p + 1);
        const __m128i bytes2 = _mm_loadu_si128(p + 2);
        if (copy) {
            auto* q = reinterpret_cast<__m128i*>(copy + 3 * x);
            _mm_storeu_si128(q, bytes0);
            _mm_storeu_si128(q + 1, bytes1);
            _mm_storeu_si128(q + 2, bytes2);
        }
        const __m128i match0 = _mm_cmpeq_epi8(bytes0, key0);
        const __m128i match1 = _mm_cmpeq_epi8(bytes1, key1);
        const __m128i match2 = _mm_cmpeq_epi8(bytes2, key2);
        if (!runs.previousTransparent() && _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(match0, match1), match2)) == 0)
            continue;
        if (runs.previousTransparent()
            && _mm_movemask_epi8(_mm_and_si128(_mm_and_si128(match0, match1), match2)) == 0xFFFF)
            continue;
        runs.block16(std::uint64_t(std::uint32_t(_mm_movemask_epi8(match0)))
                         | std::uint64_t(std::uint32_t(_mm_movemask_epi8(match1))) << 16
                         | std::uint64_t(std::uint32_t(_mm_movemask_epi8(match2))) << 32,
                     x);
    }
    builder = runs;
    return x;
}

// The same with 32 pixels a step, for processors that have AVX2.
__attribute__((target("avx2"))) int scanAvx2(const std::uint8_t* row, std::uint8_t* copy, int from, int width,
                                             const KeyPattern& key, RunBuilder& builder)
{
    RunBuilder runs = builder;
    const auto* pattern = reinterpret_cast<const __m256i*>(key.bytes);
    const __m256i key0 = _mm256_load_si256(pattern);
    const __m256i key1 = _mm256_load_si256(pattern + 1);
    const __m256i key2 = _mm256_load_si256(pattern + 2);
    int x = from;
    for (; x + 32 <= width; x += 32) {
        const auto* p = reinterpret_cast<const __m256i*>(row + 3 * x);
        const __m256i bytes0 = _mm256_loadu_si256(p);
        const __m256i bytes1 = _mm256_loadu_si256(p + 1);
        const __m256i bytes2 = _mm256_loadu_si256(p + 2);
        if (copy) {
            auto* q = reinterpret_cast<__m256i*>(copy + 3 * x);
            _mm256_storeu_si256(q, bytes0);
            _mm256_storeu_si256(q + 1, bytes1);
            _mm256_storeu_si256(q + 2, bytes2);
        }
        const __m256i match0 = _mm256_cmpeq_epi8(bytes0, key0);
        const __m256i match1 = _mm256_cmpeq_epi8(bytes1, key1);
        const __m256i match2 = _mm256_cmpeq_epi8(bytes2, key2);
        if (!runs.previousTransparent()
            && _mm256_movemask_epi8(_mm256_or_si256(_mm256_or_si256(match0, match1), match2)) == 0)
            continue;
        if (runs.previousTransparent()
            && _mm256_movemask_epi8(_mm256_and_si256(_mm256_and_si256(match0, match1), match2)) == -1)
            continue;
        const auto m0 = std::uint64_t(std::uint32_t(_mm256_movemask_epi8(match0)));
        const auto m1 = std::uint64_t(std::uint32_t(_mm256_movemask_epi8(match1)));
        const auto m2 = std::uint64_t(std::uint32_t(_mm256_movemask_epi8(match2)));
        runs.block16(m0 | (m1 & 0xFFFF) << 32, x);
        runs.block16(m1 >> 16 | m2 << 16, x + 16);
    }
    builder = runs;
    return scanSse2(row, copy, x, width, key, builder);
}
#endif

RowScan fastestRowScan()
{
#if defined(__SSE2__)
    return __builtin_cpu_supports("avx2") ? scanAvx2 : scanSse2;
#else
    return [](const std::uint8_t*, std::uint8_t*, int from, int, const KeyPattern&, RunBuilder&) { return from; };
#endif
}

// Appends the opaque runs of one BGR888 row.
class RowScanner {
public:
    explicit RowScanner(Colour transparent)
        : m_key {std::uint8_t(transparent >> 16), std::uint8_t(transparent >> 8), std::uint8_t(transparent)}
        , m_pattern(m_key)
        , m_wide(fastestRowScan())
    {
    }

    // With `copy`, the row's first `rowBytes` bytes are also copied there.
    void scan(const std::uint8_t* row, int width, std::vector<Run>& runs, std::uint8_t* copy = nullptr,
              std::size_t rowBytes = 0) const
    {
        RunBuilder builder(runs);
        const int blocksEnd = m_wide(row, copy, 0, width, m_pattern, builder);
        for (int x = blocksEnd; x < width; ++x) {
            const std::uint8_t* p = row + 3 * x;
            builder.pixel(x, p[0] == m_key[0] && p[1] == m_key[1] && p[2] == m_key[2]);
        }
        builder.finish(width);
        if (copy && rowBytes > std::size_t(3 * blocksEnd))
            std::memcpy(copy + 3 * blocksEnd, row + 3 * blocksEnd, rowBytes - std::size_t(3 * blocksEnd));
    }

private:
    std::uint8_t m_key[3]; // blue, green, red: the order BGR888 stores them
    KeyPattern m_pattern;
    RowScan m_wide;
};

} // namespace

// Scans rows 0 .. height - 1 top-down; scanRow(scanner, y, runs) scans row y.
template <typename ScanRow>
std::vector<QRect> scanRows(int height, Colour transparent, ScanRow scanRow)
{
    std::vector<QRect> rects;
    const RowScanner scanner(transparent);
    std::vector<Run> previous;
    std::vector<Run> current;
    int bandTop = 0;
    const auto flushBand = [&](int bandBottom) {
        for (const Run& run : previous)
            rects.emplace_back(run.begin, bandTop, run.end - run.begin, bandBottom - bandTop);
    };
    for (int y = 0; y < height; ++y) {
        current.clear();
        scanRow(scanner, y, current);
        if (y > 0 && current == previous)
            continue;
        flushBand(y);
        previous.swap(current);
        bandTop = y;
    }
    flushBand(height);
    return rects;
}

std::vector<QRect> opaqueRects(const BitmapView& picture, Colour transparent)
{
    if (picture.isNull())
        return {};
    return scanRows(picture.height, transparent, [&](const RowScanner& scanner, int y, std::vector<Run>& runs) {
        scanner.scan(picture.row(y), picture.width, runs);
    });
}

std::vector<QRect> opaqueRectsWhileCopying(const BitmapView& source, const WritableRows& target, Colour transparent)
{
    if (source.isNull())
        return {};
    return scanRows(source.height, transparent, [&](const RowScanner& scanner, int y, std::vector<Run>& runs) {
        scanner.scan(source.row(y), source.width, runs, target.top + target.stride * y, target.rowBytes);
    });
}

std::vector<QRect> opaqueRects(const QImage& picture, Colour transparent)
{
    if (picture.isNull())
        return {};
    if (picture.format() == pictureFormat)
        return opaqueRects(BitmapView::of(picture), transparent);
    const QImage converted = picture.convertToFormat(pictureFormat);
    return opaqueRects(BitmapView::of(converted), transparent);
}

QRegion regionFromBands(const std::vector<QRect>& rects)
{
    QRegion region;
    if (!rects.empty())
        region.setRects(rects.data(), int(rects.size()));
    return region;
}

} // namespace form
