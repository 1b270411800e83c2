// ByteSet: the runtime's byte-array value. In memory a block holds an int32
// dimension count (always 1), an int32 length n, then the n bytes; a null
// ByteSet is the empty value. Pictures travel as ByteSets holding whole files.
//
// A ByteSet owns its heap block and frees it when destroyed or reset. It may
// also refer to a block inside the program's constant pool; freeing such a
// block is a no-op, because the pool is read-only and lives forever.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace form {

inline constexpr std::size_t byteSetHeaderSize = 8;

class ByteSet {
public:
    ByteSet() = default;
    ~ByteSet() { reset(); }
    ByteSet(ByteSet&& other) noexcept : m_block(other.m_block) { other.m_block = nullptr; }
    ByteSet& operator=(ByteSet&& other) noexcept;
    ByteSet(const ByteSet&) = delete;
    ByteSet& operator=(const ByteSet&) = delete;

    // A new heap block of `length` bytes (contents unspecified). Running out of
    // memory is the runtime's fatal error, so this never returns null for a
    // length the runtime accepts.
    static ByteSet allocate(std::size_t length);
    static ByteSet copyOf(std::span<const std::uint8_t> bytes);
    // Refers to a block in the constant pool; `block` must point at a
    // well-formed header inside the pool.
    static ByteSet fromConstantPool(const std::uint8_t* block);

    bool isNull() const { return m_block == nullptr; }
    std::span<const std::uint8_t> data() const;
    // Writable bytes of a heap block; empty for null and pool blocks.
    std::span<std::uint8_t> mutableData();
    // The header address, as other code would be handed it.
    const std::uint8_t* block() const { return m_block; }

    // Frees the block (no-op for null and pool blocks) and becomes null.
    void reset();

private:
    explicit ByteSet(const std::uint8_t* block) : m_block(block) {}
    const std::uint8_t* m_block = nullptr;
};

// Frees a ByteSet as the runtime's "free" does: null and pool blocks are ignored.
inline void freeByteSet(ByteSet& bytes) { bytes.reset(); }

// Heap blocks alive right now; a leak shows as a count that does not go back.
std::size_t liveByteSetCount();

// The read-only range that free must leave alone.
void setConstantPool(std::span<const std::uint8_t> pool);
bool isInConstantPool(const void* address);

// Reads a ByteSet header from untrusted memory: the data span if the block is
// well-formed (dimension count 1, length >= 0, all bytes inside `block`).
std::optional<std::span<const std::uint8_t>> readByteSet(std::span<const std::uint8_t> block);

} // namespace form
