#include "common/ChunkHash.h"

#include <cstring>

namespace quorvex {

namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ull;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Full;
constexpr std::uint64_t kPrime3 = 0x165667B19E3779F9ull;

std::uint64_t Load(const unsigned char* p)
{
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

std::uint64_t RotateLeft(std::uint64_t x, int bits)
{
    return (x << bits) | (x >> (64 - bits));
}

// One lane step: mixes a word in by multiply and rotate.
std::uint64_t Mix(std::uint64_t lane, std::uint64_t word)
{
    return RotateLeft(lane + word * kPrime2, 31) * kPrime1;
}

std::uint64_t Finish(std::uint64_t h)
{
    h ^= h >> 33;
    h *= kPrime2;
    h ^= h >> 29;
    h *= kPrime3;
    return h ^ (h >> 32);
}

} // namespace

std::uint64_t HashChunk(const unsigned char* data, std::size_t length)
{
    // Four independent lanes over 32-byte strides keep the multipliers busy.
    std::uint64_t a = kPrime1 + kPrime2, b = kPrime2, c = 0, d = 0 - kPrime1;
    std::size_t i = 0;
    for (; i + 32 <= length; i += 32) {
        a = Mix(a, Load(data + i));
        b = Mix(b, Load(data + i + 8));
        c = Mix(c, Load(data + i + 16));
        d = Mix(d, Load(data + i + 24));
    }
    std::uint64_t h = RotateLeft(a, 1) + RotateLeft(b, 7) + RotateLeft(c, 12) + RotateLeft(d, 18);
    h += length * kPrime3;
    for (; i + 8 <= length; i += 8)
        h = RotateLeft(h ^ Mix(0, Load(data + i)), 27) * kPrime1 + kPrime3;
    for (; i < length; ++i)
        h = RotateLeft(h ^ (data[i] * kPrime3), 11) * kPrime1;
    return Finish(h);
}

} // namespace quorvex
