#include "common/WordMatch.h"

#include "common/VectorClones.h"

namespace quorvex {

// Branch-free so that the compiler vectorises them (this file is built with -O3);
// AVX2 versions are picked at load time where the system can pick them.

QUORVEX_VECTOR_CLONES std::size_t CountEqualWords(const std::uint32_t* a, const std::uint32_t* b,
                                                  std::size_t count)
{
    std::uint32_t equal = 0;
    for (std::size_t i = 0; i < count; ++i)
        equal += a[i] == b[i];
    return equal;
}

QUORVEX_VECTOR_CLONES std::size_t CountEqualBytes(const std::uint8_t* a, const std::uint8_t* b,
                                                  std::size_t count)
{
    // Byte-wide counters for runs of 255 keep the vector lanes narrow.
    std::size_t equal = 0;
    for (std::size_t done = 0; done < count;) {
        const std::size_t n = count - done < 255 * 32 ? count - done : 255 * 32;
        std::uint8_t lanes[32] = {};
        std::size_t i = 0;
        for (; i + 32 <= n; i += 32)
            for (int k = 0; k < 32; ++k)
                lanes[k] += a[done + i + k] == b[done + i + k];
        for (int k = 0; k < 32; ++k)
            equal += lanes[k];
        for (; i < n; ++i)
            equal += a[done + i] == b[done + i];
        done += n;
    }
    return equal;
}

QUORVEX_VECTOR_CLONES void FingerprintWords(const std::uint32_t* words, std::uint8_t* prints,
                                            std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        prints[i] = static_cast<std::uint8_t>((words[i] * 0x9E3779B1u) >> 24);
}

} // namespace quorvex
