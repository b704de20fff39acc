#pragma once
// How a row of a list opened from a file stands against the disk: a file that
// vanished, or whose facts differ from what the saved row says, is marked so, shown
// so, and never acted on.

#include <cstdint>

namespace quorvex {

enum class DiskCheck : std::uint8_t
{
    AsListed, // as the row says (every row of a search)
    Vanished, // no longer there
    Changed   // there, but not as the row says
};

} // namespace quorvex
