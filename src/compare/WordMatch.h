#pragma once
// The hot loop of the content comparison, built for vector units.

#include <cstddef>
#include <cstdint>

namespace quorvex {

// The number of positions i < count where a[i] == b[i].
std::size_t CountEqualWords(const std::uint32_t* a, const std::uint32_t* b, std::size_t count);

} // namespace quorvex
