#include "common/WordTally.h"

#include <algorithm>
#include <cstring>

#include "common/WordMatch.h"

namespace quorvex {

namespace {

// Words counted per call of the vector loop: bounds its 32-bit counter and lets a
// stop be found without walking far past it.
constexpr std::size_t kChunkWords = 4096;

} // namespace

void WordTally::compareBlock(const std::uint32_t* a, const std::uint32_t* b, const BlockSpan& span)
{
    const std::size_t whole = span.comparable - (span.tailBytes != 0 ? 1 : 0);
    compareWords(a, b, whole);
    if (span.tailBytes != 0)
        compareTail(a + whole, b + whole, span.tailBytes);
    addMismatches(span.words - span.comparable);
}

void WordTally::compareWords(const std::uint32_t* a, const std::uint32_t* b, std::size_t count)
{
    for (std::size_t done = 0; done < count && !stopped_;) {
        const std::size_t n = std::min(kChunkWords, count - done);
        const std::uint64_t equal = CountEqualWords(a + done, b + done, n);
        if (mismatching_ + 4 * (n - equal) <= allowance_) {
            matching_ += 4 * equal;
            mismatching_ += 4 * (n - equal);
            done += n;
            continue;
        }
        for (std::size_t i = done; i < done + n; ++i) {
            if (a[i] == b[i]) {
                matching_ += 4;
            } else if ((mismatching_ += 4) > allowance_) {
                stopped_ = true;
                return;
            }
        }
    }
}

void WordTally::compareTail(const std::uint32_t* a, const std::uint32_t* b, std::size_t bytes)
{
    if (stopped_)
        return;
    if (std::memcmp(a, b, bytes) == 0)
        matching_ += 4;
    else if ((mismatching_ += 4) > allowance_)
        stopped_ = true;
}

void WordTally::addMismatches(std::size_t words)
{
    if (stopped_ || words == 0)
        return;
    mismatching_ += 4 * static_cast<std::uint64_t>(words);
    stopped_ = mismatching_ > allowance_;
}

} // namespace quorvex
