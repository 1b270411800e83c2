#include "assets/constant_pool.h"
#include "form/byte_set.h"
#include "form/gbk_text.h"
#include "form/jpeg_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::span<const std::uint8_t>;

std::int32_t int32At(const std::uint8_t* p)
{
    std::int32_t value;
    std::memcpy(&value, p, 4);
    return value;
}

// The data of a pool ByteSet, checked against its own header.
Bytes pictureData(const std::uint8_t* block)
{
    const Bytes pool = assets::constantPool();
    const auto offset = std::size_t(block - pool.data());
    const auto data = form::readByteSet(pool.subspan(offset));
    EXPECT_TRUE(data.has_value());
    return data.value_or(Bytes {});
}

bool hasSegment(Bytes jpeg, std::uint8_t marker, std::string_view signature)
{
    // Walk the marker segments up to the start of scan.
    std::size_t at = 2;
    while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
        const std::uint8_t code = jpeg[at + 1];
        const std::size_t length = std::size_t(jpeg[at + 2]) << 8 | jpeg[at + 3];
        if (code == marker) {
            const Bytes body = jpeg.subspan(at + 4, std::min(length - 2, jpeg.size() - at - 4));
            if (signature.empty()
                || (body.size() >= signature.size()
                    && std::equal(signature.begin(), signature.end(), body.begin(),
                                  [](char a, std::uint8_t b) { return std::uint8_t(a) == b; })))
                return true;
        }
        if (code == 0xDA)
            break;
        at += 2 + length;
    }
    return false;
}

TEST(ConstantPool, EntriesArePackedInOrderWithoutGaps)
{
    const Bytes pool = assets::constantPool();
    const std::uint8_t* cover = assets::coverPicture();
    ASSERT_EQ(cover, pool.data());
    EXPECT_EQ(int32At(cover), 1);
    const std::int32_t coverLength = int32At(cover + 4);
    const auto* title = reinterpret_cast<const std::uint8_t*>(assets::hintTitle());
    EXPECT_EQ(title, cover + 8 + coverLength);
    const auto* text = reinterpret_cast<const std::uint8_t*>(assets::hintText());
    EXPECT_EQ(text, title + std::strlen(assets::hintTitle()) + 1);
    const std::uint8_t* hidden = assets::hiddenPicture();
    EXPECT_EQ(hidden, text + 27);
    EXPECT_EQ(int32At(hidden), 1);
    const std::uint8_t* radius = hidden + 8 + int32At(hidden + 4);
    EXPECT_EQ(std::size_t(radius + 8 - pool.data()), pool.size());
}

TEST(ConstantPool, PicturesStartWithTheJpegStartOfImageMarker)
{
    for (const std::uint8_t* block : {assets::coverPicture(), assets::hiddenPicture()}) {
        const Bytes data = pictureData(block);
        ASSERT_GE(data.size(), 4u);
        EXPECT_EQ(data[0], 0xFF);
        EXPECT_EQ(data[1], 0xD8);
        EXPECT_EQ(data[data.size() - 2], 0xFF);
        EXPECT_EQ(data[data.size() - 1], 0xD9);
    }
}

TEST(ConstantPool, DiscRadiusIsTenAsADouble)
{
    const Bytes pool = assets::constantPool();
    const std::uint8_t expected[] = {0, 0, 0, 0, 0, 0, 0x24, 0x40};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), pool.end() - 8));
    EXPECT_EQ(assets::discRadius(), 10.0);
}

TEST(ConstantPool, TextsAreGbk)
{
    EXPECT_EQ(std::strlen(assets::hintText()), 26u);
    EXPECT_EQ(form::fromGbk(assets::hintText()), QStringLiteral("按住鼠标左键涂一涂，有惊喜"));
    EXPECT_EQ(form::fromGbk(assets::hintTitle()), QStringLiteral("Marnothwww.marnoth.example"));
    // The first character's GBK bytes, as a check that the pool is not UTF-8.
    EXPECT_EQ(std::uint8_t(assets::hintText()[0]), 0xB0);
    EXPECT_EQ(std::uint8_t(assets::hintText()[1]), 0xB4);
}

TEST(ConstantPool, BothPicturesDecodeToTheWindowsSize)
{
    for (const std::uint8_t* block : {assets::coverPicture(), assets::hiddenPicture()}) {
        const auto picture = form::decodeJpeg(pictureData(block));
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->width(), 354);
        EXPECT_EQ(picture->height(), 692);
    }
}

TEST(ConstantPool, PicturesCarryTheExpectedSegments)
{
    struct Segment {
        std::uint8_t marker;
        std::string_view signature;
    };
    const Segment segments[] = {
        {0xE0, "JFIF"},
        {0xE1, std::string_view("Exif\0\0", 6)},
        {0xE1, "http://ns.adobe.com/xap/1.0/"},
        {0xE2, "ICC_PROFILE"},
        {0xEE, "Adobe"},
        {0xDD, ""}, // restart interval
        {0xC0, ""}, // baseline frame
    };
    for (const std::uint8_t* block : {assets::coverPicture(), assets::hiddenPicture()}) {
        const Bytes data = pictureData(block);
        for (const Segment& segment : segments)
            EXPECT_TRUE(hasSegment(data, segment.marker, segment.signature)) << std::hex << int(segment.marker);
    }
}

TEST(ConstantPool, FrameIsFourTwoZeroWithThreeComponents)
{
    const Bytes data = pictureData(assets::coverPicture());
    const std::uint8_t startOfFrame[] = {0xFF, 0xC0};
    const auto sof = std::search(data.begin(), data.end(), std::begin(startOfFrame), std::end(startOfFrame));
    ASSERT_NE(sof, data.end());
    const Bytes frame(&*sof, std::size_t(data.end() - sof));
    EXPECT_EQ(frame[4], 8);                          // bits per sample
    EXPECT_EQ(frame[5] << 8 | frame[6], 692);        // height
    EXPECT_EQ(frame[7] << 8 | frame[8], 354);        // width
    ASSERT_EQ(frame[9], 3);                          // components
    EXPECT_EQ(frame[11], 0x22);                      // Y sampled 2x2
    EXPECT_EQ(frame[14], 0x11);                      // Cb 1x1
    EXPECT_EQ(frame[17], 0x11);                      // Cr 1x1
}

TEST(ConstantPool, CoverHasNoPureBlackPixel)
{
    // A pure black pixel of the cover would be a hole from the first release.
    const auto cover = form::decodeJpeg(pictureData(assets::coverPicture()));
    ASSERT_TRUE(cover.has_value());
    int black = 0;
    for (int y = 0; y < cover->height(); ++y) {
        const uchar* row = cover->constScanLine(y);
        for (int x = 0; x < cover->width(); ++x)
            black += row[3 * x] == 0 && row[3 * x + 1] == 0 && row[3 * x + 2] == 0;
    }
    EXPECT_EQ(black, 0);
}

TEST(ConstantPool, PicturesDifferSoThereIsSomethingToReveal)
{
    const auto cover = form::decodeJpeg(pictureData(assets::coverPicture()));
    const auto hidden = form::decodeJpeg(pictureData(assets::hiddenPicture()));
    ASSERT_TRUE(cover && hidden);
    EXPECT_NE(*cover, *hidden);
}

} // namespace
