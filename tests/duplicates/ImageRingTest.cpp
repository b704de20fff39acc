// The ring of file images: places never overlap one still held, never leave the
// block, are refused rather than squeezed in, and what the ring keeps from reuse
// is what the account holds.

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "duplicates/ImageRing.h"

using namespace quorvex;

TEST(ImageRing, PlacesFollowEachOtherAroundTheRingWithoutOverlap)
{
    constexpr std::uint64_t kCapacity = 64 * 40;
    MemoryAccount account;
    ImageRing ring(kCapacity, account);
    std::mt19937 random(1);
    std::map<std::uint64_t, std::pair<std::byte*, std::uint64_t>> held; // by ticket
    const std::byte* start = nullptr;
    int refused = 0, wrapped = 0;
    for (int step = 0; step < 4000; ++step) {
        if (held.empty() || random() % 3 != 0) {
            const std::uint64_t bytes = 64 * (1 + random() % 12);
            const ImageRing::Place place = ring.place(bytes);
            if (place.memory == nullptr) {
                ++refused;
                ASSERT_FALSE(held.empty()) << "an empty ring takes any place that fits it";
                continue;
            }
            if (start == nullptr)
                start = place.memory;
            ASSERT_GE(place.memory, start);
            ASSERT_LE(place.memory + bytes, start + kCapacity);
            for (const auto& [ticket, other] : held)
                ASSERT_TRUE(place.memory + bytes <= other.first ||
                            other.first + other.second <= place.memory)
                    << "step " << step << " overlaps the place of ticket " << ticket;
            wrapped += place.memory == start && !held.empty();
            held[place.ticket] = {place.memory, bytes};
        } else {
            // Mostly the oldest goes first, as in the sweep; now and then a later one.
            auto going = held.begin();
            if (random() % 4 == 0)
                std::advance(going, random() % held.size());
            ring.letGo(going->first);
            held.erase(going);
        }
        ASSERT_LE(account.held(), kCapacity);
        std::uint64_t inPlaces = 0;
        for (const auto& [ticket, place] : held)
            inPlaces += place.second;
        ASSERT_GE(account.held(), inPlaces);
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(wrapped, 0);
    EXPECT_EQ(ring.peak(), account.peak());
    for (const auto& [ticket, place] : held)
        ring.letGo(ticket);
    EXPECT_EQ(account.held(), 0u);
}
