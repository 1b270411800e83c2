// The generated pool's symbols; the values come from pack_constant_pool.
#pragma once

#include <cstddef>

namespace assets::generated {

struct PoolLayout {
    std::size_t coverPicture;
    std::size_t hintTitle;
    std::size_t hintText;
    std::size_t hiddenPicture;
    std::size_t discRadius;
    std::size_t size;
};

extern const unsigned char pool[];
extern const PoolLayout layout;

} // namespace assets::generated
