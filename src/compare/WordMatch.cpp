#include "compare/WordMatch.h"

namespace quorvex {

// Branch-free so that the compiler vectorises it (this file is built with -O3);
// target_clones adds an AVX2 version that is picked at load time where available.
__attribute__((target_clones("avx2", "default"))) std::size_t
CountEqualWords(const std::uint32_t* a, const std::uint32_t* b, std::size_t count)
{
    std::uint32_t equal = 0; // a block has at most 32,769 words
    for (std::size_t i = 0; i < count; ++i)
        equal += a[i] == b[i];
    return equal;
}

} // namespace quorvex
