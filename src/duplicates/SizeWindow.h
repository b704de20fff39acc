#pragma once
// The sizes that can pass the size filter with a given size.

#include <cstdint>
#include <utility>

namespace quorvex {

// Every s with SizeRatio(size, s) >= threshold lies within [low, high]; the bounds
// are widened by one so that the exact ratio test alone decides.
std::pair<std::uint64_t, std::uint64_t> SizeWindow(std::uint64_t size, int threshold);

} // namespace quorvex
