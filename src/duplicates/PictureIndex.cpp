#include "duplicates/PictureIndex.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace quorvex {

namespace {

int ByteOf(PictureHash hash, int byte)
{
    return static_cast<int>((hash >> (8 * byte)) & 0xFF);
}

} // namespace

PictureIndex::PictureIndex(const std::vector<std::pair<PictureHash, std::uint32_t>>& pictures,
                           std::size_t items)
    : hashOf_(items, 0), removed_(items, 1), seenIn_(items, 0), first_(kBytes), items_(kBytes),
      flips_(kValues)
{
    for (const auto& [hash, item] : pictures) {
        hashOf_[item] = hash;
        removed_[item] = 0;
    }
    for (int byte = 0; byte < kBytes; ++byte) {
        std::vector<std::uint32_t>& first = first_[byte];
        first.assign(kValues + 1, 0);
        for (const auto& picture : pictures)
            ++first[ByteOf(picture.first, byte) + 1];
        std::partial_sum(first.begin(), first.end(), first.begin());
        std::vector<std::uint32_t> next(first.begin(), first.end() - 1);
        items_[byte].resize(pictures.size());
        for (const auto& [hash, item] : pictures)
            items_[byte][next[ByteOf(hash, byte)]++] = item;
    }
    std::iota(flips_.begin(), flips_.end(), 0);
    std::stable_sort(flips_.begin(), flips_.end(), [](int a, int b) {
        return std::popcount(static_cast<unsigned>(a)) < std::popcount(static_cast<unsigned>(b));
    });
}

void PictureIndex::within(PictureHash query, int radius, std::vector<Near>& found)
{
    ++search_;
    const int byteRadius = radius / kBytes;
    for (int byte = 0; byte < kBytes; ++byte) {
        const int value = ByteOf(query, byte);
        for (const std::uint8_t flip : flips_) {
            if (std::popcount(static_cast<unsigned>(flip)) > byteRadius)
                break;
            const int bucket = value ^ flip;
            const std::uint32_t* item = items_[byte].data() + first_[byte][bucket];
            const std::uint32_t* end = items_[byte].data() + first_[byte][bucket + 1];
            for (; item != end; ++item) {
                if (removed_[*item] || seenIn_[*item] == search_)
                    continue;
                seenIn_[*item] = search_;
                const int distance = std::popcount(hashOf_[*item] ^ query);
                if (distance <= radius)
                    found.push_back({*item, distance});
            }
        }
    }
}

} // namespace quorvex
