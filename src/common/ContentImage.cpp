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

// False when the fingerprints prove that the matching bytes stay below `need`:
// equal words have equal prints, so unequal prints are mismatches for certain.
bool PrintsMayReach(const ContentImage& a, const ContentImage& b, const ComparedSpan& span,
                    std::uint64_t allowance, std::uint64_t need)
{
    const std::size_t whole = span.words - (span.tailBytes != 0 ? 1 : 0);
    const std::uint64_t tail = span.tailBytes != 0 ? 4 : 0;
    std::uint64_t equal = 0;
    for (std::size_t done = 0; done < whole;) {
        const std::size_t n = std::min(kPrintChunk, whole - done);
        const std::uint64_t same =
            CountEqualBytes(a.prints.data() + done, b.prints.data() + done, n);
        equal += same;
        done += n;
        // The word walk stops by here; what matched before the stop is at most
        // the equal prints so far.
        if (4 * (done - equal) > allowance)
            return 4 * equal >= need;
        if (4 * (equal + (whole - done)) + tail < need)
            return false;
    }
    return true;
}

} // namespace

std::uint64_t ContentImageCost(std::uint64_t size)
{
    return size + size / 4 + 64 + sizeof(ContentImage);
}

ImageLoad LoadContentImage(std::string_view path, std::uint64_t limit, ContentImage& image)
{
    image = ContentImage{};
    platform::InputFile file;
    if (!file.open(path))
        return ImageLoad::CannotOpen;
    image.length = file.size();
    // Room for the bytes expected and one word more, so that a file that grew
    // since it was opened shows without reading far past its length.
    std::uint64_t room = std::min(image.length, limit) + 4;
    image.words.resize(static_cast<std::size_t>((room + 3) / 4));
    std::int64_t got = 0;
    for (;;) {
        if (image.readable >= room) {
            room = std::min(room + kContentBlockSize, limit + 4);
            image.words.resize(static_cast<std::size_t>((room + 3) / 4));
        }
        const auto want = static_cast<std::size_t>(
            std::min<std::uint64_t>(kContentBlockSize, room - image.readable));
        auto* at = reinterpret_cast<unsigned char*>(image.words.data()) + image.readable;
        got = file.read(at, want);
        if (got <= 0)
            break;
        image.readable += static_cast<std::uint64_t>(got);
        if (image.readable > limit)
            return ImageLoad::TooLarge;
        // A short read of a regular file is its end, as in the block loop.
        if (static_cast<std::size_t>(got) < want)
            break;
    }
    const auto words = static_cast<std::size_t>((image.readable + 3) / 4);
    image.words.resize(words);
    const std::size_t partial = image.readable % 4;
    if (partial != 0)
        std::memset(reinterpret_cast<unsigned char*>(&image.words.back()) + partial, 0,
                    4 - partial);
    image.prints.resize(words);
    FingerprintWords(image.words.data(), image.prints.data(), words);
    image.digest = HashChunk(reinterpret_cast<const unsigned char*>(image.words.data()), words * 4);
    return got < 0 ? ImageLoad::ReadFailed : ImageLoad::Loaded;
}

bool SameContent(const ContentImage& a, const ContentImage& b)
{
    return a.length == b.length && a.readable == b.readable && a.digest == b.digest &&
           (a.words.empty() ||
            std::memcmp(a.words.data(), b.words.data(), a.words.size() * 4) == 0);
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
    tally.compareBlock(a.words.data(), b.words.data(), {span.words, span.words, span.tailBytes});
    return reached(ContentPercentage(tally.matching(), a.length, b.length));
}

} // namespace quorvex
