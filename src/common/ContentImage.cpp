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

// Evidence (sketch fields or fingerprints) compared between two checks of the
// early exit.
constexpr std::size_t kEvidenceChunk = 1024;

// The span of A's words that the comparison can match with B's: every block
// until the first one in which either file ends is compared whole.
struct ComparedSpan
{
    std::size_t words = 0;     // the words that can match (the tail word included)
    std::size_t tailBytes = 0; // 1..3 when the last of them is A's partial word
};

// What a pair of files must show to reach the threshold.
struct Reach
{
    ComparedSpan span;
    std::uint64_t need = 0;      // matching bytes
    std::uint64_t allowance = 0; // mismatching bytes before the comparison stops
    std::size_t whole = 0;       // words of the span that both files cover whole
    std::uint64_t tail = 0;      // 4 when A's partial word ends the span, else 0
};

// The words an image of a file of at most `limit` bytes has room for: the limit
// and one word more.
std::uint64_t WordsRoom(std::uint64_t limit)
{
    return (limit + 7) / 4;
}

std::uint64_t FieldsRoom(std::uint64_t words)
{
    return (words + 31) / 32;
}

// Where the parts of an image lie in its memory: words, fields (aligned for
// them), prints.
std::uint64_t FieldsOffset(std::uint64_t limit)
{
    return (4 * WordsRoom(limit) + 7) / 8 * 8;
}

std::uint64_t PrintsOffset(std::uint64_t limit)
{
    return FieldsOffset(limit) + 8 * FieldsRoom(WordsRoom(limit));
}

[[gnu::always_inline]] inline ComparedSpan SpanOf(const ContentSketch& a, const ContentSketch& b)
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

// For files of non-zero lengths.
[[gnu::always_inline]] inline Reach ReachOf(const ContentSketch& a, const ContentSketch& b,
                                            int threshold)
{
    Reach reach;
    reach.span = SpanOf(a, b);
    reach.need = MinimumMatching(a.length, b.length, threshold);
    reach.allowance = MismatchAllowance(std::min(a.length, b.length), threshold);
    reach.whole = reach.span.words - (reach.span.tailBytes != 0 ? 1 : 0);
    reach.tail = reach.span.tailBytes != 0 ? 4 : 0;
    return reach;
}

// False when evidence of equal words proves that the matching bytes stay below
// the need: `equalIn(done, n)` bounds the equal words among words [done, done + n)
// from above (equal words have equal evidence, so unequal evidence is a mismatch
// for certain). The first check comes after `firstCheck` words, when the certain
// mismatches could first exceed the allowance; then every kEvidenceChunk words.
// `granule` divides every step.
template <class EqualIn>
[[gnu::always_inline]] inline bool EvidenceMayReach(const Reach& reach, std::size_t firstCheck,
                                                    std::size_t granule, EqualIn equalIn)
{
    std::size_t done = 0;
    std::uint64_t equal = 0;
    std::size_t chunk = std::clamp<std::size_t>(firstCheck / granule * granule, 64, kEvidenceChunk);
    for (;; chunk = kEvidenceChunk) {
        // The word walk stops by here; what matched before the stop is at most
        // the equal words found so far.
        if (4 * (done - equal) > reach.allowance)
            return 4 * equal >= reach.need;
        if (4 * (equal + (reach.whole - done)) + reach.tail < reach.need)
            return false;
        if (done == reach.whole)
            return true;
        const std::size_t n = std::min(chunk, reach.whole - done);
        equal += equalIn(done, n);
        done += n;
    }
}

// Two sketch bits agree by chance for a quarter of unequal words, so the first
// check waits for a third more words than the allowance holds.
bool FieldsMayReach(const std::uint64_t* a, const std::uint64_t* b, const Reach& reach)
{
    if (4 * static_cast<std::uint64_t>(reach.span.words) < reach.need)
        return false;
    const auto firstCheck =
        static_cast<std::size_t>(reach.allowance / 3 + reach.allowance / 48 + 32);
    return EvidenceMayReach(reach, firstCheck, 32, [a, b](std::size_t done, std::size_t n) {
        return n - CountDifferingFields(a + done / 32, b + done / 32, n);
    });
}

bool PrintsMayReach(const std::uint8_t* a, const std::uint8_t* b, const Reach& reach)
{
    const auto firstCheck =
        static_cast<std::size_t>(reach.allowance / 4 + reach.allowance / 128 + 32);
    return EvidenceMayReach(reach, firstCheck, 1, [a, b](std::size_t done, std::size_t n) {
        return CountEqualBytes(a + done, b + done, n);
    });
}

// Zero-pads the partial last word of `bytes` (readable bytes from the start).
void PadLastWord(unsigned char* bytes, std::uint64_t readable)
{
    const std::size_t partial = readable % 4;
    if (partial != 0)
        std::memset(bytes + readable, 0, 4 - partial);
}

} // namespace

std::uint64_t ContentImageCost(std::uint64_t limit)
{
    return (PrintsOffset(limit) + WordsRoom(limit) + 63) / 64 * 64;
}

std::size_t ContentSketchBytes(std::uint64_t readable)
{
    return static_cast<std::size_t>(8 * FieldsRoom((readable + 3) / 4));
}

std::uint64_t ContentSketchCost(std::uint64_t limit)
{
    return 8 * FieldsRoom(WordsRoom(limit));
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
    PadLastWord(bytes, image.readable);
    auto* wordData = reinterpret_cast<std::uint32_t*>(room);
    auto* fields = reinterpret_cast<std::uint64_t*>(room + FieldsOffset(limit));
    auto* prints = reinterpret_cast<std::uint8_t*>(room + PrintsOffset(limit));
    std::memset(fields, 0, 8 * FieldsRoom(words));
    SketchWords(wordData, words, fields);
    FingerprintWords(wordData, prints, words);
    image.words = wordData;
    image.fields = fields;
    image.prints = prints;
    image.digest = HashChunk(bytes, words * 4);
    return got < 0 ? ImageLoad::ReadFailed : ImageLoad::Loaded;
}

ImageLoad LoadContentSketch(std::string_view path, std::uint64_t limit, ContentBuffers& buffers,
                            std::uint64_t* room, ContentSketch& sketch)
{
    sketch = ContentSketch{};
    platform::InputFile file;
    if (!file.open(path))
        return ImageLoad::CannotOpen;
    sketch.length = file.size();
    std::memset(room, 0, ContentSketchCost(limit));
    auto* bytes = reinterpret_cast<unsigned char*>(buffers.a());
    for (;;) {
        const std::int64_t got = file.read(bytes, kContentBlockSize);
        if (got < 0)
            return ImageLoad::ReadFailed;
        const auto n = static_cast<std::uint64_t>(got);
        if (sketch.readable + n > limit)
            return ImageLoad::TooLarge;
        PadLastWord(bytes, n);
        // Every block before this one was whole: its words start a field element.
        SketchWords(buffers.a(), static_cast<std::size_t>((n + 3) / 4),
                    room + sketch.readable / 128);
        sketch.readable += n;
        // A short read of a regular file is its end, as in the block loop.
        if (n < kContentBlockSize)
            break;
    }
    sketch.fields = room;
    return ImageLoad::Loaded;
}

bool SameContent(const ContentImage& a, const ContentImage& b)
{
    return a.length == b.length && a.readable == b.readable && a.digest == b.digest &&
           (a.readable == 0 || std::memcmp(a.words, b.words, a.wordCount() * 4) == 0);
}

bool SketchesMayReach(const ContentSketch& a, const ContentSketch& b, int threshold)
{
    if (a.length == 0 || b.length == 0)
        return ContentPercentage(0, a.length, b.length) >= threshold;
    return FieldsMayReach(a.fields, b.fields, ReachOf(a, b, threshold));
}

std::optional<int> MatchAtThreshold(const ContentImage& a, const ContentImage& b, int threshold)
{
    const auto reached = [threshold](int percent) {
        return percent >= threshold ? std::optional<int>(percent) : std::nullopt;
    };
    if (a.length == 0 || b.length == 0)
        return reached(ContentPercentage(0, a.length, b.length));
    const Reach reach = ReachOf(a.sketch(), b.sketch(), threshold);
    if (!FieldsMayReach(a.fields, b.fields, reach) || !PrintsMayReach(a.prints, b.prints, reach))
        return std::nullopt;
    WordTally tally(reach.allowance);
    tally.compareBlock(a.words, b.words,
                       {reach.span.words, reach.span.words, reach.span.tailBytes});
    return reached(ContentPercentage(tally.matching(), a.length, b.length));
}

} // namespace quorvex
