// Decoders take bytes from outside: every damaged or lying input must give
// "no picture", never a crash, an over-read or an unbounded allocation.
// Run under AddressSanitizer to see the over-reads.
#include "assets/constant_pool.h"
#include "form/bmp_codec.h"
#include "form/byte_set.h"
#include "form/jpeg_decoder.h"
#include "form/picture.h"
#include "tests/support/pictures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using testing_support::filledPicture;

Bytes coverJpeg()
{
    const auto pool = assets::constantPool();
    const auto data = form::readByteSet(pool.subspan(std::size_t(assets::coverPicture() - pool.data())));
    return {data->begin(), data->end()};
}

Bytes smallBmp(int width, int height)
{
    QImage picture = filledPicture(width, height, QColor(10, 20, 30));
    picture.setPixelColor(0, 0, QColor(200, 100, 50));
    const form::ByteSet file = form::encodeBmp(picture);
    return {file.data().begin(), file.data().end()};
}

void put32(Bytes& file, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        file[at + i] = std::uint8_t(value >> (8 * i));
}

void put16(Bytes& file, std::size_t at, std::uint16_t value)
{
    file[at] = std::uint8_t(value);
    file[at + 1] = std::uint8_t(value >> 8);
}

TEST(JpegDecoder, DecodesTheCoverWithLibjpegDefaults)
{
    const auto picture = form::decodeJpeg(coverJpeg());
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), QSize(354, 692));
    EXPECT_EQ(picture->format(), form::pictureFormat);
}

struct DamagedJpeg {
    const char* name;
    std::function<void(Bytes&)> damage;
};

class JpegDamage : public ::testing::TestWithParam<DamagedJpeg> {};

TEST_P(JpegDamage, GivesNoPicture)
{
    Bytes file = coverJpeg();
    GetParam().damage(file);
    EXPECT_FALSE(form::decodeJpeg(file).has_value());
    EXPECT_FALSE(form::decodePicture(file).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, JpegDamage,
    ::testing::Values(
        DamagedJpeg {"empty", [](Bytes& f) { f.clear(); }},
        DamagedJpeg {"only_start_of_image", [](Bytes& f) { f.resize(2); }},
        DamagedJpeg {"truncated_in_header", [](Bytes& f) { f.resize(300); }},
        DamagedJpeg {"truncated_in_scan", [](Bytes& f) { f.resize(f.size() / 2); }},
        DamagedJpeg {"missing_end_marker", [](Bytes& f) { f.resize(f.size() - 2); }},
        DamagedJpeg {"corrupted_scan",
                     [](Bytes& f) {
                         // Overwrite a stretch of entropy-coded data with marker-like bytes.
                         for (std::size_t i = f.size() / 2; i < f.size() / 2 + 64; ++i)
                             f[i] = i % 2 ? 0xD3 : 0xFF;
                     }},
        DamagedJpeg {"huge_dimensions",
                     [](Bytes& f) {
                         for (std::size_t i = 0; i + 9 < f.size(); ++i) {
                             if (f[i] == 0xFF && f[i + 1] == 0xC0) {
                                 f[i + 5] = f[i + 6] = f[i + 7] = f[i + 8] = 0xFF; // 65535 x 65535
                                 return;
                             }
                         }
                     }},
        DamagedJpeg {"zero_width",
                     [](Bytes& f) {
                         for (std::size_t i = 0; i + 9 < f.size(); ++i) {
                             if (f[i] == 0xFF && f[i + 1] == 0xC0) {
                                 f[i + 7] = f[i + 8] = 0;
                                 return;
                             }
                         }
                     }},
        DamagedJpeg {"random_bytes_after_signature",
                     [](Bytes& f) {
                         std::mt19937 random(7);
                         for (std::size_t i = 2; i < f.size(); ++i)
                             f[i] = std::uint8_t(random());
                     }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BmpCodec, SnapshotLayoutMatchesTheCanvasSize)
{
    const form::ByteSet file = form::encodeBmp(filledPicture(354, 692, Qt::white));
    ASSERT_EQ(file.data().size(), 736342u);
    const std::uint8_t* b = file.data().data();
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    std::uint32_t fileSize, offset, infoSize, width, height;
    std::memcpy(&fileSize, b + 2, 4);
    std::memcpy(&offset, b + 10, 4);
    std::memcpy(&infoSize, b + 14, 4);
    std::memcpy(&width, b + 18, 4);
    std::memcpy(&height, b + 22, 4);
    EXPECT_EQ(fileSize, 736342u);
    EXPECT_EQ(offset, 54u);
    EXPECT_EQ(infoSize, 40u);
    EXPECT_EQ(width, 354u);
    EXPECT_EQ(height, 692u);
    EXPECT_EQ(b[26] | b[27] << 8, 1);  // planes
    EXPECT_EQ(b[28] | b[29] << 8, 24); // bits per pixel
    EXPECT_EQ(b[30] | b[31] << 8 | b[32] << 16 | b[33] << 24, 0);
    EXPECT_EQ(form::bmpStride(354), 1064);
}

TEST(BmpCodec, RowsAreBottomUpBlueGreenRedWithClearedPadding)
{
    QImage picture = filledPicture(3, 2, QColor(1, 2, 3));
    picture.setPixelColor(0, 0, QColor(200, 100, 50)); // top-left
    const form::ByteSet file = form::encodeBmp(picture);
    const std::uint8_t* pixels = file.data().data() + 54;
    const int stride = 12;
    // The top row is stored last.
    EXPECT_EQ(pixels[stride + 0], 50);
    EXPECT_EQ(pixels[stride + 1], 100);
    EXPECT_EQ(pixels[stride + 2], 200);
    EXPECT_EQ(pixels[0], 3);
    EXPECT_EQ(pixels[9], 0);
    EXPECT_EQ(pixels[10], 0);
    EXPECT_EQ(pixels[11], 0);
}

TEST(BmpCodec, DecodesWhatItEncodes)
{
    QImage picture = filledPicture(37, 11, QColor(9, 8, 7));
    picture.setPixelColor(36, 10, QColor(250, 0, 1));
    const form::ByteSet file = form::encodeBmp(picture);
    const auto decoded = form::decodePicture(file.data());
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, picture);
}

TEST(BmpCodec, AcceptsTopDownRows)
{
    Bytes file = smallBmp(5, 4);
    // Flip the stored rows and mark the file top-down.
    const std::size_t stride = 16;
    for (std::size_t row = 0; row < 2; ++row)
        std::swap_ranges(file.begin() + 54 + row * stride, file.begin() + 54 + (row + 1) * stride,
                         file.begin() + 54 + (3 - row) * stride);
    put32(file, 22, std::uint32_t(-4));
    const auto decoded = form::decodeBmp(file);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->pixelColor(0, 0), QColor(200, 100, 50));
}

struct DamagedBmp {
    const char* name;
    std::function<void(Bytes&)> damage;
};

class BmpDamage : public ::testing::TestWithParam<DamagedBmp> {};

TEST_P(BmpDamage, GivesNoPictureAndLeavesTheOldOne)
{
    Bytes file = smallBmp(7, 5);
    GetParam().damage(file);
    QImage held = filledPicture(2, 2, Qt::red);
    const QImage before = held.copy();
    EXPECT_FALSE(form::decodeBmpInto(file, held));
    EXPECT_EQ(held, before);
    EXPECT_FALSE(form::decodePicture(file).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BmpDamage,
    ::testing::Values(
        DamagedBmp {"empty", [](Bytes& f) { f.clear(); }},
        DamagedBmp {"header_cut", [](Bytes& f) { f.resize(53); }},
        DamagedBmp {"pixels_cut", [](Bytes& f) { f.resize(f.size() - 1); }},
        DamagedBmp {"wrong_signature", [](Bytes& f) { f[1] = 'A'; }},
        DamagedBmp {"offset_past_the_end", [](Bytes& f) { put32(f, 10, std::uint32_t(f.size() + 1)); }},
        DamagedBmp {"offset_inside_header", [](Bytes& f) { put32(f, 10, 20); }},
        DamagedBmp {"offset_wraps", [](Bytes& f) { put32(f, 10, 0xFFFFFFF0u); }},
        DamagedBmp {"info_header_too_small", [](Bytes& f) { put32(f, 14, 12); }},
        DamagedBmp {"info_header_too_big", [](Bytes& f) { put32(f, 14, 0x7FFFFFFF); }},
        DamagedBmp {"zero_width", [](Bytes& f) { put32(f, 18, 0); }},
        DamagedBmp {"negative_width", [](Bytes& f) { put32(f, 18, std::uint32_t(-7)); }},
        DamagedBmp {"zero_height", [](Bytes& f) { put32(f, 22, 0); }},
        DamagedBmp {"most_negative_height", [](Bytes& f) { put32(f, 22, 0x80000000u); }},
        DamagedBmp {"huge_dimensions", [](Bytes& f) { put32(f, 18, 100000); put32(f, 22, 100000); }},
        DamagedBmp {"width_larger_than_data", [](Bytes& f) { put32(f, 18, 9); }}, // 28-byte rows
        DamagedBmp {"height_larger_than_data", [](Bytes& f) { put32(f, 22, 6); }},
        DamagedBmp {"eight_bits_per_pixel", [](Bytes& f) { put16(f, 28, 8); }},
        DamagedBmp {"thirty_two_bits_per_pixel", [](Bytes& f) { put16(f, 28, 32); }},
        DamagedBmp {"run_length_compressed", [](Bytes& f) { put32(f, 30, 1); }},
        DamagedBmp {"bitfields", [](Bytes& f) { put32(f, 30, 3); }},
        DamagedBmp {"two_planes", [](Bytes& f) { put16(f, 26, 2); }},
        DamagedBmp {"random_bytes_after_signature",
                    [](Bytes& f) {
                        std::mt19937 random(11);
                        for (std::size_t i = 2; i < 54; ++i)
                            f[i] = std::uint8_t(random());
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureDecoding, UnknownSignaturesAreNoPicture)
{
    const Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0};
    EXPECT_FALSE(form::decodePicture(gif).has_value());
    EXPECT_FALSE(form::decodePicture({}).has_value());
}

} // namespace
