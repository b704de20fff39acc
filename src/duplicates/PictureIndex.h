#pragma once
// The fingerprints of a search indexed for near neighbours (multi-index hashing), so
// that the pictures near one picture are found without measuring the distance to
// every other. The 64 bits are cut into 8 bytes, each with a table of the pictures
// by that byte's value. Two fingerprints at most r bits apart agree to within r / 8
// bits in at least one byte (there are 8), so a search looks only at the pictures
// whose byte lies that close to the query's in one of the tables.

#include <cstdint>
#include <utility>
#include <vector>

#include "duplicates/PictureFingerprint.h"

namespace quorvex {

class PictureIndex
{
public:
    // `pictures`: fingerprint and number of each picture, the numbers distinct and
    // below `items`.
    PictureIndex(const std::vector<std::pair<PictureHash, std::uint32_t>>& pictures,
                 std::size_t items);
    // The picture leaves the answers of later searches.
    void remove(std::uint32_t item) { removed_[item] = 1; }

    struct Near
    {
        std::uint32_t item;
        int distance;
    };
    // Appends to `found` the pictures still in the index within `radius` bits of
    // `query`, each once.
    void within(PictureHash query, int radius, std::vector<Near>& found);

private:
    static constexpr int kBytes = 8;
    static constexpr int kValues = 256;

    std::vector<PictureHash> hashOf_;   // by item
    std::vector<std::uint8_t> removed_; // by item
    std::vector<std::uint32_t> seenIn_; // by item: the last search that met it
    std::uint32_t search_ = 0;
    // Per byte, the items by the byte's value: items_[byte] from first_[byte][value].
    std::vector<std::vector<std::uint32_t>> first_;
    std::vector<std::vector<std::uint32_t>> items_;
    std::vector<std::uint8_t> flips_; // the byte masks in order of their bit count
};

} // namespace quorvex
