// A ByteSet block from elsewhere: the header reader, then whatever picture
// decoder its bytes claim to need.
#include "form/byte_set.h"
#include "form/picture.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> block(data, size);
    if (const auto payload = form::readByteSet(block)) {
        if (payload->size() + form::byteSetHeaderSize > size)
            __builtin_trap();
        form::decodePicture(*payload);
    }
    return 0;
}
