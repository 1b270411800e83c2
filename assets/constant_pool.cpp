#include "assets/constant_pool.h"

#include "assets/constant_pool_data.h"

#include <cstring>

namespace assets {

using generated::layout;
using generated::pool;

std::span<const std::uint8_t> constantPool()
{
    return {reinterpret_cast<const std::uint8_t*>(pool), layout.size};
}

const std::uint8_t* coverPicture()
{
    return constantPool().data() + layout.coverPicture;
}

const char* hintTitle()
{
    return reinterpret_cast<const char*>(pool + layout.hintTitle);
}

const char* hintText()
{
    return reinterpret_cast<const char*>(pool + layout.hintText);
}

const std::uint8_t* hiddenPicture()
{
    return constantPool().data() + layout.hiddenPicture;
}

double discRadius()
{
    // Packed without gaps, so the double need not be aligned.
    double radius;
    std::memcpy(&radius, pool + layout.discRadius, sizeof radius);
    return radius;
}

} // namespace assets
