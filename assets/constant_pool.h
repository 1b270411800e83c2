// The program's compiled-in, read-only constants: two pictures, two texts and
// the disc radius, packed in that order without gaps. Pictures are ByteSet
// blocks (int32 dimension count 1, int32 length, the JPEG file), texts are GBK
// and NUL-terminated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace assets {

// The whole pool, for "does this ByteSet lie inside the pool" checks.
std::span<const std::uint8_t> constantPool();

const std::uint8_t* coverPicture();
const char* hintTitle();
const char* hintText();
const std::uint8_t* hiddenPicture();
double discRadius();

} // namespace assets
