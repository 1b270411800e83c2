#include "assets/constant_pool.h"
#include "form/byte_set.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ByteSet, OwnedBlocksAreCountedUntilFreed)
{
    const std::size_t before = form::liveByteSetCount();
    {
        form::ByteSet a = form::ByteSet::allocate(16);
        form::ByteSet b = form::ByteSet::copyOf(a.data());
        EXPECT_EQ(form::liveByteSetCount(), before + 2);
        form::freeByteSet(a);
        EXPECT_TRUE(a.isNull());
        form::freeByteSet(a); // freeing null is allowed
        EXPECT_EQ(form::liveByteSetCount(), before + 1);
        form::ByteSet moved = std::move(b);
        EXPECT_EQ(form::liveByteSetCount(), before + 1);
    }
    EXPECT_EQ(form::liveByteSetCount(), before);
}

TEST(ByteSet, HeaderHoldsDimensionCountAndLength)
{
    const std::uint8_t bytes[] = {1, 2, 3};
    const form::ByteSet set = form::ByteSet::copyOf(bytes);
    const std::uint8_t* block = set.block();
    EXPECT_EQ(block[0], 1);
    EXPECT_EQ(block[4], 3);
    EXPECT_EQ(set.data().size(), 3u);
    EXPECT_EQ(set.data()[2], 3);
}

TEST(ByteSet, PoolBlocksAreNeverFreed)
{
    form::setConstantPool(assets::constantPool());
    const std::size_t before = form::liveByteSetCount();
    form::ByteSet cover = form::ByteSet::fromConstantPool(assets::coverPicture());
    ASSERT_FALSE(cover.isNull());
    EXPECT_TRUE(cover.mutableData().empty());
    EXPECT_EQ(cover.data()[0], 0xFF);
    form::freeByteSet(cover);
    EXPECT_EQ(form::liveByteSetCount(), before);
    // The pool's bytes are still there to read.
    EXPECT_EQ(assets::coverPicture()[8], 0xFF);
    // Outside the pool, fromConstantPool refuses rather than pretending.
    const std::uint8_t elsewhere[8] = {1};
    EXPECT_TRUE(form::ByteSet::fromConstantPool(elsewhere).isNull());
}

struct HeaderCase {
    const char* name;
    std::vector<std::uint8_t> block;
    bool valid;
    std::size_t length;
};

class ByteSetHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(ByteSetHeader, IsReadOnlyWhenItDescribesTheBytesPresent)
{
    const auto data = form::readByteSet(GetParam().block);
    ASSERT_EQ(data.has_value(), GetParam().valid);
    if (data) {
        EXPECT_EQ(data->size(), GetParam().length);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, ByteSetHeader,
    ::testing::Values(HeaderCase {"empty_value", {1, 0, 0, 0, 0, 0, 0, 0}, true, 0},
                      HeaderCase {"two_bytes", {1, 0, 0, 0, 2, 0, 0, 0, 7, 8}, true, 2},
                      HeaderCase {"extra_bytes_after", {1, 0, 0, 0, 1, 0, 0, 0, 7, 8}, true, 1},
                      HeaderCase {"cut_header", {1, 0, 0, 0, 2, 0}, false, 0},
                      HeaderCase {"length_past_end", {1, 0, 0, 0, 3, 0, 0, 0, 7, 8}, false, 0},
                      HeaderCase {"negative_length", {1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}, false, 0},
                      HeaderCase {"two_dimensions", {2, 0, 0, 0, 0, 0, 0, 0}, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
