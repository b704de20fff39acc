#include "common/WordMatch.h"

#include <bit>

#include "common/VectorClones.h"

namespace quorvex {

namespace {

// A multiplicative hash that carries every bit of a word to its top bits, where the
// fingerprints and the sketch fields take theirs from: equal words, equal bits.
constexpr std::uint32_t WordHash(std::uint32_t word)
{
    return word * 0x9E3779B1u;
}

} // namespace

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
        prints[i] = static_cast<std::uint8_t>(WordHash(words[i]) >> 24);
}

QUORVEX_VECTOR_CLONES void SketchWords(const std::uint32_t* words, std::size_t count,
                                       std::uint64_t* sketch)
{
    const auto field = [](std::uint32_t word) { return std::uint64_t{WordHash(word) >> 30}; };
    // Whole elements are built in a register, 32 words at a time, for the vector unit.
    const std::size_t whole = count / 32;
    for (std::size_t e = 0; e < whole; ++e) {
        std::uint64_t element = 0;
        for (unsigned j = 0; j < 32; ++j)
            element |= field(words[32 * e + j]) << (2 * j);
        sketch[e] |= element;
    }
    for (std::size_t i = 32 * whole; i < count; ++i)
        sketch[i / 32] |= field(words[i]) << (2 * (i % 32));
}

namespace {

// One bit, the low one of its field, for each field that differs between two elements.
[[gnu::always_inline]] inline std::uint64_t DifferingFields(std::uint64_t a, std::uint64_t b)
{
    const std::uint64_t differ = a ^ b;
    return (differ | differ >> 1) & 0x5555555555555555u;
}

// Unequal fields among whole elements of 32 words.
[[gnu::always_inline]] inline std::size_t
DifferingInElements(const std::uint64_t* a, const std::uint64_t* b, std::size_t elements)
{
    std::size_t differing = 0;
    for (std::size_t i = 0; i < elements; ++i)
        differing += static_cast<std::size_t>(std::popcount(DifferingFields(a[i], b[i])));
    return differing;
}

QUORVEX_VECTOR_CLONES std::size_t
DifferingInElementsPlain(const std::uint64_t* a, const std::uint64_t* b, std::size_t elements)
{
    return DifferingInElements(a, b, elements);
}

// Processors that count the bits of eight elements in one instruction (AVX-512
// VPOPCNTDQ) get a copy of their own: the sketches of a similarity search are
// compared through this loop billions of times. The copy is chosen once, when the
// program starts, from the processor's features.
#if defined(QUORVEX_LOAD_TIME_PICK)
__attribute__((target("avx2,avx512f,avx512vl,avx512vpopcntdq"))) std::size_t
DifferingInElementsWide(const std::uint64_t* a, const std::uint64_t* b, std::size_t elements)
{
    return DifferingInElements(a, b, elements);
}

using ElementsLoop = std::size_t (*)(const std::uint64_t*, const std::uint64_t*, std::size_t);

const ElementsLoop kDifferingInElements = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512vpopcntdq") && __builtin_cpu_supports("avx512vl")
               ? &DifferingInElementsWide
               : &DifferingInElementsPlain;
}();
#else
constexpr auto kDifferingInElements = &DifferingInElementsPlain;
#endif

} // namespace

std::size_t CountDifferingFields(const std::uint64_t* a, const std::uint64_t* b, std::size_t count)
{
    const std::size_t whole = count / 32;
    std::size_t differing = kDifferingInElements(a, b, whole);
    if (count % 32 != 0) {
        const std::uint64_t firstFields = (std::uint64_t{1} << (2 * (count % 32))) - 1;
        differing += static_cast<std::size_t>(
            std::popcount(DifferingFields(a[whole], b[whole]) & firstFields));
    }
    return differing;
}

} // namespace quorvex
