#include "duplicates/PictureFingerprint.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <numbers>

namespace quorvex {

namespace {

constexpr int kCells = 32;      // the grey cells on each side
constexpr int kFrequencies = 8; // the frequencies kept on each side

using Cells = std::array<std::array<double, kCells>, kCells>; // [row][column]

// The bins of [0, length) that pixel `at` overlaps, each bin being length / kCells
// pixels wide; in units of 1 / kCells pixel so that every overlap is whole.
struct Overlaps
{
    int first;
    int last;
};

Overlaps BinsOf(int at, int length)
{
    return {at * kCells / length, (at * kCells + kCells - 1) / length};
}

double Overlap(int at, int bin, int length)
{
    const long long from = std::max<long long>(1LL * at * kCells, 1LL * bin * length);
    const long long to = std::min<long long>(1LL * at * kCells + kCells, 1LL * (bin + 1) * length);
    return static_cast<double>(to - from);
}

// Each cell the mean of the area it covers (scaled alike for every cell), so that a
// copy at another size gives nearly the same cells.
Cells ReduceToCells(const GreyPicture& picture)
{
    Cells cells{};
    std::array<double, kCells> rowSums;
    for (int y = 0; y < picture.height; ++y) {
        rowSums.fill(0);
        const std::uint8_t* row = picture.pixels.data() + y * picture.stride;
        for (int x = 0; x < picture.width; ++x) {
            const auto [first, last] = BinsOf(x, picture.width);
            for (int bin = first; bin <= last; ++bin)
                rowSums[bin] += row[x] * Overlap(x, bin, picture.width);
        }
        const auto [first, last] = BinsOf(y, picture.height);
        for (int bin = first; bin <= last; ++bin) {
            const double weight = Overlap(y, bin, picture.height);
            for (int column = 0; column < kCells; ++column)
                cells[bin][column] += rowSums[column] * weight;
        }
    }
    return cells;
}

// cos(pi * (2x + 1) * u / 64), the cosine transform's basis on 32 samples.
const std::array<std::array<double, kCells>, kFrequencies>& Basis()
{
    static const auto basis = [] {
        std::array<std::array<double, kCells>, kFrequencies> table{};
        for (int u = 0; u < kFrequencies; ++u)
            for (int x = 0; x < kCells; ++x)
                table[u][x] = std::cos(std::numbers::pi * (2 * x + 1) * u / (2 * kCells));
        return table;
    }();
    return basis;
}

// Swaps rows and columns of the 8 x 8 bit matrix (bit row * 8 + column).
PictureHash Transposed(PictureHash x)
{
    PictureHash t = (x ^ (x >> 7)) & 0x00AA00AA00AA00AAULL;
    x ^= t ^ (t << 7);
    t = (x ^ (x >> 14)) & 0x0000CCCC0000CCCCULL;
    x ^= t ^ (t << 14);
    t = (x ^ (x >> 28)) & 0x00000000F0F0F0F0ULL;
    x ^= t ^ (t << 28);
    return x;
}

// Mirroring negates the coefficients of odd frequency along its axis.
constexpr PictureHash kOddHorizontal = 0xAAAAAAAAAAAAAAAAULL;
constexpr PictureHash kOddVertical = 0xFF00FF00FF00FF00ULL;

} // namespace

PictureHash FingerprintOf(const GreyPicture& picture)
{
    const Cells cells = ReduceToCells(picture);
    const auto& basis = Basis();
    // Along the rows first, for the kept horizontal frequencies only.
    std::array<std::array<double, kFrequencies>, kCells> rows{};
    for (int y = 0; y < kCells; ++y)
        for (int u = 0; u < kFrequencies; ++u) {
            double sum = 0;
            for (int x = 0; x < kCells; ++x)
                sum += cells[y][x] * basis[u][x];
            rows[y][u] = sum;
        }
    PictureHash hash = 0;
    for (int v = 0; v < kFrequencies; ++v)
        for (int u = 0; u < kFrequencies; ++u) {
            if (u == 0 && v == 0)
                continue;
            double sum = 0;
            for (int y = 0; y < kCells; ++y)
                sum += rows[y][u] * basis[v][y];
            if (sum > 0)
                hash |= PictureHash{1} << (v * kFrequencies + u);
        }
    return hash;
}

PictureHash Oriented(PictureHash hash, int orientation)
{
    if (orientation & 1)
        hash ^= kOddHorizontal;
    if (orientation & 2)
        hash ^= kOddVertical;
    if (orientation & 4)
        hash = Transposed(hash);
    return hash;
}

int PictureDistance(PictureHash a, PictureHash b, bool turns)
{
    int best = std::popcount(a ^ b);
    for (int orientation = 1; turns && orientation < kOrientations; ++orientation)
        best = std::min(best, std::popcount(a ^ Oriented(b, orientation)));
    return best;
}

int PicturePercent(int distance)
{
    return std::max(0, (100 * kPictureHashBits - 200 * distance) / kPictureHashBits);
}

int MaxPictureDistance(int threshold)
{
    int distance = 0;
    while (distance < kPictureHashBits && PicturePercent(distance + 1) >= threshold)
        ++distance;
    return distance;
}

} // namespace quorvex
