#pragma once
// A picture's fingerprint: what it shows at low detail, robust to resizing,
// re-encoding, light cropping and small changes of brightness or colour.
//
// The picture is reduced to 32 x 32 grey cells (each the mean of the pixels it
// covers), and its 8 x 8 lowest spatial frequencies are taken by a discrete cosine
// transform. Each of the 63 frequencies besides the mean brightness gives one bit:
// whether its coefficient is positive. A brighter or contrastier copy keeps the
// signs; a resized or re-encoded copy changes only coefficients near zero.
//
// Turning the picture by 90 degrees or mirroring it moves and negates coefficients
// in a fixed way, so the fingerprints of its eight orientations follow from one
// another without decoding it again (Oriented).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvex {

// Bit v * 8 + u holds the sign of the coefficient of horizontal frequency u and
// vertical frequency v; bit 0 (the mean) is always clear.
using PictureHash = std::uint64_t;
inline constexpr int kPictureHashBits = 63;
inline constexpr int kOrientations = 8;

// A grey picture of 8-bit pixels, rows `stride` bytes apart.
struct GreyPicture
{
    int width = 0;
    int height = 0;
    std::size_t stride = 0;
    std::vector<std::uint8_t> pixels;
};

// The fingerprint of a picture of at least one pixel.
PictureHash FingerprintOf(const GreyPicture& picture);

// The fingerprint the picture would have in orientation `orientation` (0..7): bit 0
// mirrors left to right, bit 1 top to bottom, bit 2 swaps rows and columns. 0 is the
// picture as it is; 3 turns it by 180 degrees, 5 and 6 by 90 degrees either way.
PictureHash Oriented(PictureHash hash, int orientation);

// The number of fingerprint bits in which two pictures differ, in the orientation
// of `b` that agrees best with `a` when `turns` is set. Symmetric.
int PictureDistance(PictureHash a, PictureHash b, bool turns);

// The distance on the percentage scale of the duplicate page: 100 % when every bit
// agrees, 0 % when only half of them do, as between unrelated pictures. Each bit that
// differs costs 200 / 63 points (rounded down overall, never below 0).
int PicturePercent(int distance);

// The largest distance whose percentage reaches `threshold` (10..100).
int MaxPictureDistance(int threshold);

} // namespace quorvex
