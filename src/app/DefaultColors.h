#pragma once
// Start-up colours (COLORREF words 0x00BBGGRR), chosen by the screen depth: pure
// colours on screens of 10 bits per pixel or fewer, softer ones above.

#include <cstdint>
#include <optional>

namespace quorvex::app {

struct DefaultColors
{
    std::uint32_t duplicate; // Panel1: marked rows of the duplicate list
    std::uint32_t match;     // Panel6: comparison rows that are alike
    std::uint32_t missing;   // Panel7: comparison rows with one side missing
    // ColorProgressBar1's bar and the hint background; only above 10 bits.
    std::optional<std::uint32_t> progressBar;
    std::optional<std::uint32_t> hint;
};

DefaultColors DefaultColorsForDepth(int colorDepth);

} // namespace quorvex::app
