#pragma once
// The counting rule of the content comparison, shared by the comparison of two
// files on disk, of a file held in memory with one on disk, and of two files held
// in memory: equal 4-byte words at equal offsets, and the early stop once the
// mismatching bytes exceed what the threshold allows.

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace quorvex {

// Bytes that may mismatch before `threshold` percent can no longer be reached:
// minLen - floor(minLen * threshold / 100).
inline std::uint64_t MismatchAllowance(std::uint64_t minLen, int threshold)
{
    const auto t = static_cast<std::uint64_t>(std::clamp(threshold, 0, 100));
    // 64-bit arithmetic where it cannot overflow. Inline: the similarity search asks
    // for every pair.
    if (minLen < (std::uint64_t{1} << 56))
        return minLen - minLen * t / 100;
    return minLen - static_cast<std::uint64_t>(static_cast<unsigned __int128>(minLen) * t / 100);
}

// What one block of the comparison covers, given the bytes read from A (nA) and B
// (nB) in it: A's bytes decide how many words are compared; where B ended inside
// the block the words past its data have nothing to match; where A ends inside a
// word that B still covers, only A's bytes of that word are compared.
struct BlockSpan
{
    std::size_t words = 0;      // words compared: ceil(nA / 4)
    std::size_t comparable = 0; // of those, the leading words that B's data covers
    std::size_t tailBytes = 0;  // 1..3 when the last comparable word is A's partial one
};
inline BlockSpan SpanOfBlock(std::size_t nA, std::size_t nB)
{
    BlockSpan span;
    span.words = (nA + 3) / 4;
    if (nB >= nA) {
        span.comparable = span.words;
        span.tailBytes = nA % 4;
    } else {
        span.comparable = nB / 4;
    }
    return span;
}

// The running counts of one comparison.
class WordTally
{
public:
    explicit WordTally(std::uint64_t allowance) : allowance_(allowance) {}

    // Compares the words of one block as SpanOfBlock describes them; stops at the
    // word whose mismatch first exceeds the allowance, as a word-by-word walk would.
    void compareBlock(const std::uint32_t* a, const std::uint32_t* b, const BlockSpan& span);

    std::uint64_t matching() const { return matching_; }
    bool stopped() const { return stopped_; }

private:
    void compareWords(const std::uint32_t* a, const std::uint32_t* b, std::size_t count);
    void compareTail(const std::uint32_t* a, const std::uint32_t* b, std::size_t bytes);
    void addMismatches(std::size_t words);

    std::uint64_t allowance_;
    std::uint64_t matching_ = 0;
    std::uint64_t mismatching_ = 0;
    bool stopped_ = false;
};

} // namespace quorvex
