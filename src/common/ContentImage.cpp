#include "common/ContentImage.h"

#include <algorithm>
#include <cstring>

#include "common/ChunkHash.h"
#include "common/ContentCompare.h"
#include "common/WordMatch.h"
#include "common/WordTally.h"
#include "platform/FileSystem.h"

namespace quorvex {

namespace {

// Fingerprints compared between two checks of the early exit.
constexpr std::size_t kPrintChunk = 1024;

// The span of A's words that the comparison can match with B's: every block
// until the first one in which either file ends is compared whole.
struct ComparedSpan
{
    std::size_t words = 0;     // the words that can match (the tail word included)
    std::size_t tailBytes = 0; // 1..3 when the last of them is A's partial word
};

// The words an image of a file of at most `limit` bytes has room for: the limit
// and one word more.
std::uint64_t WordsRoom(std::uint64_t limit)
{
    return (limit + 7) / 4;
}

ComparedSpan SpanOfImages(const ContentImage& a, const ContentImage& b)
{
    const std::uint64_t common = std::min(a.readable, b.readable);
    if (common == 0)
        return {};
    const std::uint64_t lastOffset = (common - 1) / kContentBlockSize * kContentBlockSize;
    const auto nA = static_cast<std::size_t>(
        std::min<std::uint64_t>(kContentBlockSize, a.readable - lastOffset));
    const auto nB = static_cast<std::size_t>(
        std::min<std::uint64_t>(kContentBlockSize, b.readable - lastOffset));
    const BlockSpan last = SpanOfBlock(nA, nB);
    return {static_cast<std::size_t>(lastOffset / 4) + last.comparable, last.tailBytes};
}

// False when the sketches and fingerprints prove that the matching bytes stay
// below `need`: equal words have equal sketch bits and prints, so unequal ones are
// mismatches for certain. The sketches come first; the prints follow, the first
// check as soon as the mismatching prints could exceed the allowance (with a
// margin for prints equal by chance), then every kPrintChunk prints.
bool PrintsMayReach(const ContentImage& a, const ContentImage& b, const ComparedSpan& span,
                    std::uint64_t allowance, std::uint64_t need)
{
    const std::size_t whole = span.words - (span.tailBytes != 0 ? 1 : 0);
    const std::uint64_t tail = span.tailBytes != 0 ? 4 : 0;
    std::size_t done = std::min(whole, kSketchWords);
    std::uint64_t equal = done - CountDifferingFields(a.sketch.data(), b.sketch.data(), done);
    const auto untilFirstCheck = static_cast<std::size_t>(allowance / 4 + allowance / 128 + 32);
    std::size_t chunk =
        std::clamp<std::size_t>(untilFirstCheck - std::min(untilFirstCheck, done), 64, kPrintChunk);
    for (;; chunk = kPrintChunk) {
        // The word walk stops by here; what matched before the stop is at most
        // the equal words found so far.
        if (4 * (done - equal) > allowance)
            return 4 * equal >= need;
        if (4 * (equal + (whole - done)) + tail < need)
            return false;
        if (done == whole)
            return true;
        const std::size_t n = std::min(chunk, whole - done);
        equal += CountEqualBytes(a.prints + done, b.prints + done, n);
        done += n;
    }
}

} // namespace

std::uint64_t ContentImageCost(std::uint64_t limit)
{
    return (5 * WordsRoom(limit) + 63) / 64 * 64;
}

ImageLoad LoadContentImage(std::string_view path, std::uint64_t limit, std::byte* room,
                           ContentImage& image)
{
    image = ContentImage{};
    platform::InputFile file;
    if (!file.open(path))
        return ImageLoad::CannotOpen;
    image.length = file.size();
    // One word more than the limit, so that a file that grew since it was listed
    // shows without reading far past its length.
    const std::uint64_t capacity = limit + 4;
    auto* bytes = reinterpret_cast<unsigned char*>(room);
    std::int64_t got = 0;
    while (image.readable < capacity) {
        const auto want = static_cast<std::size_t>(
            std::min<std::uint64_t>(kContentBlockSize, capacity - image.readable));
        got = file.read(bytes + image.readable, want);
        if (got <= 0)
            break;
        image.readable += static_cast<std::uint64_t>(got);
        if (image.readable > limit)
            return ImageLoad::TooLarge;
        // A short read of a regular file is its end, as in the block loop.
        if (static_cast<std::size_t>(got) < want)
            break;
    }
    const std::size_t words = image.wordCount();
    const std::size_t partial = image.readable % 4;
    if (partial != 0)
        std::memset(bytes + image.readable, 0, 4 - partial);
    auto* wordData = reinterpret_cast<std::uint32_t*>(room);
    auto* prints = reinterpret_cast<std::uint8_t*>(room) + 4 * WordsRoom(limit);
    FingerprintWords(wordData, prints, words);
    SketchWords(wordData, std::min(words, kSketchWords), image.sketch.data());
    image.words = wordData;
    image.prints = prints;
    image.digest = HashChunk(bytes, words * 4);
    return got < 0 ? ImageLoad::ReadFailed : ImageLoad::Loaded;
}

bool SameContent(const ContentImage& a, const ContentImage& b)
{
    return a.length == b.length && a.readable == b.readable && a.digest == b.digest &&
           (a.readable == 0 || std::memcmp(a.words, b.words, a.wordCount() * 4) == 0);
}

std::optional<int> MatchAtThreshold(const ContentImage& a, const ContentImage& b, int threshold)
{
    const auto reached = [threshold](int percent) {
        return percent >= threshold ? std::optional<int>(percent) : std::nullopt;
    };
    if (a.length == 0 || b.length == 0)
        return reached(ContentPercentage(0, a.length, b.length));
    const ComparedSpan span = SpanOfImages(a, b);
    const std::uint64_t need = MinimumMatching(a.length, b.length, threshold);
    const std::uint64_t allowance = MismatchAllowance(std::min(a.length, b.length), threshold);
    if (4 * static_cast<std::uint64_t>(span.words) < need ||
        !PrintsMayReach(a, b, span, allowance, need))
        return std::nullopt;
    WordTally tally(allowance);
    tally.compareBlock(a.words, b.words, {span.words, span.words, span.tailBytes});
    return reached(ContentPercentage(tally.matching(), a.length, b.length));
}

} // namespace quorvex
