#include "form/byte_set.h"

#include "form/fatal_error.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace form {

namespace {

std::size_t liveBlocks = 0;
std::span<const std::uint8_t> constantPoolRange;

std::int32_t readInt32(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
                                     | std::uint32_t(p[3]) << 24);
}

void writeInt32(std::uint8_t* p, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    p[0] = std::uint8_t(u);
    p[1] = std::uint8_t(u >> 8);
    p[2] = std::uint8_t(u >> 16);
    p[3] = std::uint8_t(u >> 24);
}

} // namespace

ByteSet& ByteSet::operator=(ByteSet&& other) noexcept
{
    if (this != &other) {
        reset();
        m_block = other.m_block;
        other.m_block = nullptr;
    }
    return *this;
}

ByteSet ByteSet::allocate(std::size_t length)
{
    // The header stores the length as int32.
    if (length > std::size_t(std::numeric_limits<std::int32_t>::max()) - byteSetHeaderSize)
        fatalAllocationFailure(length);
    const std::size_t total = byteSetHeaderSize + length;
    auto* block = static_cast<std::uint8_t*>(std::malloc(total));
    if (!block)
        fatalAllocationFailure(total);
    writeInt32(block, 1);
    writeInt32(block + 4, static_cast<std::int32_t>(length));
    ++liveBlocks;
    return ByteSet(block);
}

ByteSet ByteSet::copyOf(std::span<const std::uint8_t> bytes)
{
    ByteSet copy = allocate(bytes.size());
    if (!bytes.empty())
        std::memcpy(copy.mutableData().data(), bytes.data(), bytes.size());
    return copy;
}

ByteSet ByteSet::fromConstantPool(const std::uint8_t* block)
{
    return isInConstantPool(block) ? ByteSet(block) : ByteSet();
}

std::span<const std::uint8_t> ByteSet::data() const
{
    if (!m_block)
        return {};
    return {m_block + byteSetHeaderSize, static_cast<std::size_t>(readInt32(m_block + 4))};
}

std::span<std::uint8_t> ByteSet::mutableData()
{
    if (!m_block || isInConstantPool(m_block))
        return {};
    return {const_cast<std::uint8_t*>(m_block) + byteSetHeaderSize, static_cast<std::size_t>(readInt32(m_block + 4))};
}

void ByteSet::reset()
{
    if (m_block && !isInConstantPool(m_block)) {
        std::free(const_cast<std::uint8_t*>(m_block));
        --liveBlocks;
    }
    m_block = nullptr;
}

std::size_t liveByteSetCount()
{
    return liveBlocks;
}

void setConstantPool(std::span<const std::uint8_t> pool)
{
    constantPoolRange = pool;
}

bool isInConstantPool(const void* address)
{
    if (constantPoolRange.empty() || !address)
        return false;
    // Compare as integers: relational comparison of unrelated pointers is unspecified.
    const auto a = reinterpret_cast<std::uintptr_t>(address);
    const auto begin = reinterpret_cast<std::uintptr_t>(constantPoolRange.data());
    return a >= begin && a < begin + constantPoolRange.size();
}

std::optional<std::span<const std::uint8_t>> readByteSet(std::span<const std::uint8_t> block)
{
    if (block.size() < byteSetHeaderSize)
        return std::nullopt;
    const std::int32_t dimensions = readInt32(block.data());
    const std::int32_t length = readInt32(block.data() + 4);
    if (dimensions != 1 || length < 0 || std::size_t(length) > block.size() - byteSetHeaderSize)
        return std::nullopt;
    return block.subspan(byteSetHeaderSize, std::size_t(length));
}

} // namespace form
