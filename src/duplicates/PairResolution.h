#pragma once
// The pairwise rule of the duplicate search (DupPairing.h), decided while the
// similarity sweep judges pairs, so that a matching pair is held only as long as it
// can still change a decision.
//
// In list order, a file is claimed by the earliest file before it that is itself
// unclaimed and matches it (as file A); a file nobody claims is free, and heads a
// group when it claimed another. A file's fate therefore depends only on the files
// before it in its size window, and only through the pairs that match. Once a file
// has been judged against the smaller files of its window, it is decided
//   - claimed, when its earliest unclaimed earlier match is decided free and no
//     earlier file of its window before that match is still to be judged with it;
//   - free, when no earlier file of its window is still to be judged with it and
//     none of them that is unclaimed matches it;
// and otherwise waits for the one file that keeps it open. Matches are held for
// undecided files only, and claimed files drop out of the sweep altogether. Files
// of identical contents (a class) match each other without any pair being held.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "duplicates/DupRecord.h"
#include "duplicates/MemoryAccount.h"

namespace quorvex {

// A file of the sweep: its listed size and its position in the list.
struct SweepFile
{
    std::uint64_t size;
    std::size_t position;
};

// A matching pair, by indices into the size order; `earlier` comes first in list
// order and is file A of the comparison.
struct FoundMatch
{
    std::uint32_t earlier;
    std::uint32_t later;
    std::int16_t percent;
};

class PairResolution
{
public:
    // `files` in size order; file k's size window is [low[k], high[k]] of that order.
    // All three must outlive the resolution.
    PairResolution(const std::vector<SweepFile>& files, const std::vector<std::size_t>& low,
                   const std::vector<std::size_t>& high, MemoryAccount& account);
    ~PairResolution();
    PairResolution(const PairResolution&) = delete;
    PairResolution& operator=(const PairResolution&) = delete;

    // Whether file k is claimed; a claim is final. Any thread, without waiting.
    bool isClaimed(std::size_t k) const { return claimed_[k].load(std::memory_order_relaxed); }
    // Whether file k is decided free (no file before it claims it).
    bool isFree(std::size_t k) const;

    // File k holds the contents of class `contentClass`, which matches itself with
    // `selfPercent` (-1: below the threshold). Files join their class in size order,
    // before they are judged.
    void joinClass(std::size_t k, std::size_t contentClass, int selfPercent);

    // File k has been judged against every smaller file of its window that was not
    // claimed and not of its class; `matches` are those that reach the threshold.
    // Any thread.
    void judged(std::size_t k, const std::vector<FoundMatch>& matches);

    // For a pairing that takes over once the sweep has stopped: frees the held pairs
    // (the files still open are decided by that pairing, which records its claims).
    void forgetHeldPairs();
    void claim(std::size_t member, std::size_t reference, int percent);

    // The bytes the held pairs and the lists of waiting files take now.
    std::uint64_t heldBytes() const;

    // The first position in list order whose fate or group is not complete: a file not
    // decided, or a free file with an undecided file in its window. SIZE_MAX when every
    // file is decided.
    std::size_t firstIncompletePosition() const;

    // Labels every claimed file whose reference lies at or before `lastReference`
    // (a list position) and those references: the group is the reference's position
    // plus one, members carry their percentage, the reference "基準".
    void label(DupList& list, std::size_t lastReference) const;

private:
    enum class Fate : std::uint8_t
    {
        Open,
        Free,
        Claimed
    };
    struct Incoming // a match with an earlier file, held until the later one is decided
    {
        std::uint32_t earlier;
        std::int16_t percent;
    };
    struct ContentClass
    {
        std::vector<std::uint32_t> members; // in list order
        std::size_t firstUnclaimed = 0;
        int selfPercent = -1;
    };
    class EarliestUnjudged;

    std::size_t position(std::size_t k) const { return files_[k].position; }
    void hold(std::size_t k, const FoundMatch& match);
    void decide(std::size_t k);
    void settle(std::size_t k, Fate fate);
    void wake(std::size_t k);
    void dropHeld(std::size_t k);
    void countHeld(std::uint64_t before, std::uint64_t now);

    const std::vector<SweepFile>& files_;
    const std::vector<std::size_t>& low_;
    const std::vector<std::size_t>& high_;
    MemoryAccount& account_;

    mutable std::mutex mutex_;
    std::unique_ptr<std::atomic<bool>[]> claimed_;
    std::vector<Fate> fate_;
    std::vector<std::uint8_t> judged_;
    std::vector<std::uint32_t> claimer_;
    std::vector<std::int16_t> percent_;
    std::vector<std::int32_t> classOf_;
    std::vector<ContentClass> classes_;
    std::unique_ptr<EarliestUnjudged> unjudged_;
    std::unordered_map<std::uint32_t, std::vector<Incoming>> held_; // a min-heap by position
    std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> waiting_; // on a file
    std::vector<std::uint32_t> toDecide_;
    std::uint64_t heldBytes_ = 0;
};

} // namespace quorvex
