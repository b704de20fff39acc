#pragma once
// How much of the contents of two files agree: equal 4-byte words at equal offsets,
// read in blocks of 128 KiB, stated as a whole percentage.

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "common/ContentImage.h"
#include "common/HeldFolder.h"
#include "common/RunObserver.h"

namespace quorvex {

constexpr std::size_t kContentBlockSize = 131072;

// The two read buffers of one run (a block plus 4 bytes of room for padding), and the
// folders of the two files compared last, held open for the next pair in the same
// folders. The caller makes them once before a run and keeps them for all its
// comparisons.
class ContentBuffers
{
public:
    static constexpr std::size_t kWords = (kContentBlockSize + 4) / 4;

    ContentBuffers() : b_(kWords), a_(kWords) {}
    std::uint32_t* b() { return b_.data(); } // receives the data of file B
    std::uint32_t* a() { return a_.data(); } // receives the data of file A
    HeldFolder& folderB() { return folderB_; }
    HeldFolder& folderA() { return folderA_; }

private:
    std::vector<std::uint32_t> b_;
    std::vector<std::uint32_t> a_;
    HeldFolder folderB_;
    HeldFolder folderA_;
};

// Sees the blocks of a comparison as they are read, A's and B's side by side (the
// whole-file hashes of equally long files can be made from them on the way).
class ContentBlockSink
{
public:
    virtual void blocks(const void* a, std::size_t bytesA, const void* b, std::size_t bytesB) = 0;

protected:
    ~ContentBlockSink() = default;
};

// Compares file A with file B and writes the match percentage (0..100) to `percent`.
// When either file cannot be opened (missing, a folder, a FIFO, socket or device)
// `percent` keeps the caller's value (callers set -1 first). A file that cannot be
// opened, or whose read fails (the comparison then ends there, as at its end), is
// told to the observer (cannotRead) with the reason.
// `threshold` (0..100) lets the comparison stop early once it cannot be reached.
// Reports the block progress through setFileMax / setFilePosition, pumps messages
// after every block and checks cancelRequested() before every block. `sink`, where
// given, sees every block read.
void CompareContents(std::string_view pathA, std::string_view pathB, int threshold, int& percent,
                     ContentBuffers& buffers, RunObserver& observer,
                     ContentBlockSink* sink = nullptr);
// The same with files the caller may have opened already (to hint their reading): a
// file handed over open is read as it is, one handed over closed is opened by its path.
void CompareContents(std::string_view pathA, platform::InputFile fileA, std::string_view pathB,
                     platform::InputFile fileB, int threshold, int& percent,
                     ContentBuffers& buffers, RunObserver& observer,
                     ContentBlockSink* sink = nullptr);

// CompareContents with file A held in memory (read once for many comparisons):
// the same percentage, progress, pumping and cancel checks. `fileB`, where given
// open, is read as it is.
void CompareImageWithFile(const ContentImage& imageA, std::string_view pathB, int threshold,
                          int& percent, ContentBuffers& buffers, RunObserver& observer,
                          platform::InputFile fileB = {});

// The percentage of `matching` bytes for files of these lengths (two empty files
// give 100, one empty file 0); exact integer arithmetic, truncated.
int ContentPercentage(std::uint64_t matching, std::uint64_t lenA, std::uint64_t lenB);

// The terms of the percentage besides the matching bytes: it is
// floor(100 * (matching + bonus) / denominator).
struct PercentTerms
{
    std::uint64_t bonus = 0;           // A's longer tail is credited one word
    unsigned __int128 denominator = 0; // the larger length, rounded up to whole words,
                                       // plus a difference of less than a word
};

inline PercentTerms TermsOf(std::uint64_t lenA, std::uint64_t lenB)
{
    const std::uint64_t larger = std::max(lenA, lenB);
    const std::uint64_t d = larger - std::min(lenA, lenB);
    const std::uint64_t extra = d < 4 ? d : 0;
    const std::uint64_t pad = (4 - larger % 4) % 4;
    return {lenA > lenB ? 4u : 0u, static_cast<unsigned __int128>(larger) + pad + extra};
}

// The least matching bytes whose percentage reaches `threshold`, for files of
// these lengths (both non-empty). Inline: the similarity search asks for every pair.
inline std::uint64_t MinimumMatching(std::uint64_t lenA, std::uint64_t lenB, int threshold)
{
    using Wide = unsigned __int128;
    const PercentTerms terms = TermsOf(lenA, lenB);
    const auto t = static_cast<std::uint64_t>(std::clamp(threshold, 0, 100));
    // 64-bit arithmetic where it cannot overflow.
    const Wide needed = terms.denominator < (Wide(1) << 56)
                            ? (t * static_cast<std::uint64_t>(terms.denominator) + 99) / 100
                            : (Wide(t) * terms.denominator + 99) / 100;
    return needed > terms.bonus ? static_cast<std::uint64_t>(needed - terms.bonus) : 0;
}

} // namespace quorvex
