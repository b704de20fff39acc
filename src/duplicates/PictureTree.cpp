#include "duplicates/PictureTree.h"

#include <bit>
#include <cstdlib>

namespace quorvex {

PictureTree::PictureTree(std::size_t items) : nodeOf_(items, kNone)
{
    nodes_.reserve(items);
}

void PictureTree::insert(PictureHash hash, std::uint32_t item)
{
    const auto added = static_cast<std::uint32_t>(nodes_.size());
    nodes_.push_back({hash, item});
    nodeOf_[item] = added;
    if (added == 0)
        return;
    std::uint32_t node = 0;
    for (;;) {
        const int distance = std::popcount(nodes_[node].hash ^ hash);
        std::uint32_t child = nodes_[node].firstChild;
        while (child != kNone && nodes_[child].distance != distance)
            child = nodes_[child].nextSibling;
        if (child == kNone) {
            nodes_[added].distance = static_cast<std::uint8_t>(distance);
            nodes_[added].nextSibling = nodes_[node].firstChild;
            nodes_[node].firstChild = added;
            return;
        }
        node = child;
    }
}

void PictureTree::remove(std::uint32_t item)
{
    if (nodeOf_[item] != kNone)
        nodes_[nodeOf_[item]].removed = true;
}

void PictureTree::within(PictureHash query, int radius, std::vector<Near>& found)
{
    if (nodes_.empty())
        return;
    stack_.assign(1, 0);
    while (!stack_.empty()) {
        const Node& node = nodes_[stack_.back()];
        stack_.pop_back();
        const int distance = std::popcount(node.hash ^ query);
        if (distance <= radius && !node.removed)
            found.push_back({node.item, distance});
        for (std::uint32_t child = node.firstChild; child != kNone;
             child = nodes_[child].nextSibling)
            if (std::abs(nodes_[child].distance - distance) <= radius)
                stack_.push_back(child);
    }
}

} // namespace quorvex
