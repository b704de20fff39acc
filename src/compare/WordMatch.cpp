#include "compare/WordMatch.h"

namespace quorvex {

// Branch-free so that the compiler vectorises them (this file is built with -O3);
// target_clones adds AVX2 versions that are picked at load time where available.

__attribute__((target_clones("avx2", "default"))) std::size_t
CountEqualWords(const std::uint32_t* a, const std::uint32_t* b, std::size_t count)
{
    std::uint32_t equal = 0;
    for (std::size_t i = 0; i < count; ++i)
        equal += a[i] == b[i];
    return equal;
}

__attribute__((target_clones("avx2", "default"))) std::size_t
CountEqualBytes(const std::uint8_t* a, const std::uint8_t* b, std::size_t count)
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

__attribute__((target_clones("avx2", "default"))) void
FingerprintWords(const std::uint32_t* words, std::uint8_t* prints, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        prints[i] = static_cast<std::uint8_t>((words[i] * 0x9E3779B1u) >> 24);
}

} // namespace quorvex
