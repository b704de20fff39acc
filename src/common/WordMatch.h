#pragma once
// The hot loops of the content comparison, built for vector units.

#include <cstddef>
#include <cstdint>

namespace quorvex {

// The number of positions i < count where a[i] == b[i]; count is at most 2^32 - 1.
std::size_t CountEqualWords(const std::uint32_t* a, const std::uint32_t* b, std::size_t count);
std::size_t CountEqualBytes(const std::uint8_t* a, const std::uint8_t* b, std::size_t count);

// One byte per word that equal words share and unequal words rarely do (a
// multiplicative hash: every bit of the word reaches the top byte).
void FingerprintWords(const std::uint32_t* words, std::uint8_t* prints, std::size_t count);

// Two bits per word, 32 words to an element of `sketch` (which starts zeroed),
// from the same hash: equal words, equal bits.
void SketchWords(const std::uint32_t* words, std::size_t count, std::uint64_t* sketch);
// The number of the first `count` words whose two sketch bits differ.
std::size_t CountDifferingFields(const std::uint64_t* a, const std::uint64_t* b, std::size_t count);

} // namespace quorvex
