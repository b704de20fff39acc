#pragma once
// The fingerprints of a search in a metric tree (a Burkhard-Keller tree over the
// number of differing bits), so that the pictures near one picture are found without
// measuring the distance to every other. Each child of a node lies at one distance
// from it; a search within radius r descends only into children whose distance lies
// within r of the query's distance to the node (the triangle inequality).

#include <cstdint>
#include <vector>

#include "duplicates/PictureFingerprint.h"

namespace quorvex {

class PictureTree
{
public:
    // Adds picture `item` (a distinct number below `items`, given to the constructor).
    explicit PictureTree(std::size_t items);
    void insert(PictureHash hash, std::uint32_t item);
    // The picture leaves the answers of later searches.
    void remove(std::uint32_t item);

    struct Near
    {
        std::uint32_t item;
        int distance;
    };
    // Appends to `found` the pictures still in the tree within `radius` bits of `query`.
    void within(PictureHash query, int radius, std::vector<Near>& found);

private:
    static constexpr std::uint32_t kNone = ~std::uint32_t{0};
    struct Node
    {
        PictureHash hash;
        std::uint32_t item;
        std::uint32_t firstChild = kNone;
        std::uint32_t nextSibling = kNone;
        std::uint8_t distance = 0; // to the parent
        bool removed = false;
    };

    std::vector<Node> nodes_;
    std::vector<std::uint32_t> nodeOf_; // by item
    std::vector<std::uint32_t> stack_;  // of within(), kept between calls
};

} // namespace quorvex
