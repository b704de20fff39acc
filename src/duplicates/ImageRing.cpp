#include "duplicates/ImageRing.h"

#include <algorithm>

namespace quorvex {

ImageRing::ImageRing(std::uint64_t capacity, MemoryAccount& account)
    : block_(new std::byte[capacity]), capacity_(capacity), account_(account)
{
}

ImageRing::~ImageRing()
{
    account_.remove(kept());
}

ImageRing::Place ImageRing::place(std::uint64_t bytes)
{
    std::uint64_t offset = 0;
    if (bytes > capacity_)
        return {};
    if (!slots_.empty()) {
        const std::uint64_t head = slots_.front().offset;
        const std::uint64_t tail = slots_.back().offset + slots_.back().bytes;
        if (tail > head && capacity_ - tail >= bytes)
            offset = tail;
        else if (tail > head && head >= bytes)
            offset = 0;
        else if (tail <= head && head - tail >= bytes)
            offset = tail;
        else
            return {};
    }
    const std::uint64_t before = kept();
    slots_.push_back({offset, bytes, false});
    count(before);
    return {block_.get() + offset, firstTicket_ + slots_.size() - 1};
}

void ImageRing::letGo(std::uint64_t ticket)
{
    const std::uint64_t before = kept();
    slots_[static_cast<std::size_t>(ticket - firstTicket_)].letGo = true;
    while (!slots_.empty() && slots_.front().letGo) {
        slots_.pop_front();
        ++firstTicket_;
    }
    count(before);
}

void ImageRing::count(std::uint64_t before)
{
    const std::uint64_t now = kept();
    account_.change(before, now);
    peak_ = std::max(peak_, now);
}

// From the oldest place to the end of the newest, across the ring's end when the
// newest lies before the oldest.
std::uint64_t ImageRing::kept() const
{
    if (slots_.empty())
        return 0;
    const std::uint64_t head = slots_.front().offset;
    const std::uint64_t tail = slots_.back().offset + slots_.back().bytes;
    return tail > head ? tail - head : capacity_ - head + tail;
}

} // namespace quorvex
