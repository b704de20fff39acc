#pragma once
// The one block of memory that holds the file images of the similarity sweep. The
// sweep reads files from small to large and lets them go in about that order, so
// the block is used as a ring: each image is placed after the last one, and the
// space of the oldest is reused once it and everything placed before it are let
// go. The block never grows, nothing is allocated per image, and its pages are
// reused rather than handed back and faulted in again.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

#include "duplicates/MemoryAccount.h"

namespace quorvex {

class ImageRing
{
public:
    // A place in the ring; `ticket` names it when it is let go.
    struct Place
    {
        std::byte* memory = nullptr;
        std::uint64_t ticket = 0;
    };

    // The block takes `capacity` bytes of address space; its pages are used as
    // images come. The bytes the ring keeps from reuse (the places not let go,
    // and those between them) are counted in `account`.
    ImageRing(std::uint64_t capacity, MemoryAccount& account);
    ~ImageRing();
    ImageRing(const ImageRing&) = delete;
    ImageRing& operator=(const ImageRing&) = delete;

    // A place of `bytes` (a multiple of 64) after the last one, or after the
    // ring's start when the end has no room; memory is null when neither has:
    // let the oldest place go and ask again.
    Place place(std::uint64_t bytes);
    void letGo(std::uint64_t ticket);
    // The most bytes the ring kept from reuse at any time.
    std::uint64_t peak() const { return peak_; }

private:
    struct Slot
    {
        std::uint64_t offset;
        std::uint64_t bytes;
        bool letGo;
    };
    std::uint64_t kept() const;
    void count(std::uint64_t before);

    std::unique_ptr<std::byte[]> block_;
    std::uint64_t capacity_;
    MemoryAccount& account_;
    std::deque<Slot> slots_;        // in the order they were placed
    std::uint64_t firstTicket_ = 0; // of slots_.front()
    std::uint64_t peak_ = 0;
};

} // namespace quorvex
