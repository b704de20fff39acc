#include "compare/ContentCompare.h"

#include <algorithm>
#include <cstring>

#include "compare/WordMatch.h"
#include "platform/FileSystem.h"

namespace quorvex {

namespace {

using Wide = unsigned __int128;

// Bytes that may mismatch before `threshold` percent can no longer be reached.
std::uint64_t mismatchAllowance(std::uint64_t minLen, int threshold)
{
    const auto t = static_cast<std::uint64_t>(std::clamp(threshold, 0, 100));
    return minLen - static_cast<std::uint64_t>(Wide(minLen) * t / 100);
}

// Zeroes the bytes from `length` up to the next multiple of 4.
void padLastWord(std::uint32_t* words, std::size_t length)
{
    const std::size_t end = (length + 3) / 4 * 4;
    std::memset(reinterpret_cast<unsigned char*>(words) + length, 0, end - length);
}

struct Counters
{
    std::uint64_t matching = 0;
    std::uint64_t mismatching = 0;
    bool stopped = false;
};

// Compares `words` words of one block, of which the first `comparable` can match
// (the rest lie past B's data). Stops at the word whose mismatch first exceeds
// the allowance, exactly where a word-by-word walk would.
void compareBlock(const std::uint32_t* a, const std::uint32_t* b, std::size_t words,
                  std::size_t comparable, std::uint64_t allowance, Counters& c)
{
    const std::uint64_t equal = CountEqualWords(a, b, comparable);
    const std::uint64_t different = words - equal;
    if (c.mismatching + 4 * different <= allowance) {
        c.matching += 4 * equal;
        c.mismatching += 4 * different;
        return;
    }
    for (std::size_t i = 0; i < words; ++i) {
        if (i < comparable && a[i] == b[i]) {
            c.matching += 4;
            continue;
        }
        c.mismatching += 4;
        if (c.mismatching > allowance) {
            c.stopped = true;
            return;
        }
    }
}

} // namespace

int ContentPercentage(std::uint64_t matching, std::uint64_t lenA, std::uint64_t lenB)
{
    if (lenA == 0 || lenB == 0)
        return 100;
    const std::uint64_t larger = std::max(lenA, lenB);
    if (lenA > lenB)
        matching += 4; // A's longer tail is credited one word
    const std::uint64_t d = larger - std::min(lenA, lenB);
    const std::uint64_t extra = d < 4 ? d : 0;
    const std::uint64_t pad = (4 - larger % 4) % 4;
    return static_cast<int>(Wide(100) * matching / (Wide(larger) + pad + extra));
}

void CompareContents(std::string_view pathA, std::string_view pathB, int threshold, int& percent,
                     ContentBuffers& buffers, RunObserver& observer)
{
    platform::InputFile fileB, fileA;
    if (!fileB.open(pathB) || !fileA.open(pathA))
        return;
    const std::uint64_t lenA = fileA.size();
    const std::uint64_t lenB = fileB.size();
    const std::uint64_t allowance = mismatchAllowance(std::min(lenA, lenB), threshold);

    observer.setFilePosition(0);
    observer.setFileMax(lenA / kContentBlockSize);
    Counters counters;
    std::uint64_t block = 0;
    while (!observer.cancelRequested() && !counters.stopped) {
        const std::int64_t nB = fileB.read(buffers.b(), kContentBlockSize);
        const std::int64_t nA = fileA.read(buffers.a(), kContentBlockSize);
        if (nA <= 0 || nB <= 0)
            break;
        const auto bytesA = static_cast<std::size_t>(nA);
        const auto bytesB = static_cast<std::size_t>(nB);
        const std::size_t words = (bytesA + 3) / 4;
        padLastWord(buffers.a(), bytesA);
        padLastWord(buffers.b(), bytesA);
        // Where B ended inside this block, the words that reach past its data have
        // nothing to match.
        const std::size_t comparable = bytesB >= bytesA ? words : bytesB / 4;
        compareBlock(buffers.a(), buffers.b(), words, comparable, allowance, counters);
        observer.setFilePosition(++block);
        observer.pumpMessages();
        // A short read of a regular file is its end: the next read would return 0.
        if (bytesA < kContentBlockSize || bytesB < kContentBlockSize)
            break;
    }
    fileB.close();
    fileA.close();
    observer.setFilePosition(0);
    percent = ContentPercentage(counters.matching, lenA, lenB);
}

} // namespace quorvex
