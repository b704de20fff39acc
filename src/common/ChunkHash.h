#pragma once
// A fast 64-bit hash of a byte range, for sorting equal-sized file chunks into
// buckets before they are compared byte by byte. Not for anything that must resist
// deliberate collisions: equality is always confirmed on the bytes.

#include <cstddef>
#include <cstdint>

namespace quorvex {

std::uint64_t HashChunk(const unsigned char* data, std::size_t length);

} // namespace quorvex
