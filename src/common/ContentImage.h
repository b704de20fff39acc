#pragma once
// A file's contents held in memory, so that a search that compares one file with
// many others reads each file once. Comparisons between images give exactly what
// CompareContents gives for the same files on disk.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvex {

class ContentBuffers;

// Two bits per word of a file's contents, 32 words to an element (equal words,
// equal bits), with the lengths the comparison needs: a sixteenth of the file's
// size that tells most pairs of files that cannot match apart without their words.
struct ContentSketch
{
    std::uint64_t length = 0;              // the size when the file was opened
    std::uint64_t readable = 0;            // bytes the reads delivered
    const std::uint64_t* fields = nullptr; // ceil(readable / 4) fields, zero past the last
};

// An image lives in memory its holder provides (ContentImageCost bytes): the
// words, the sketch's fields, then a fingerprint per word.
struct ContentImage
{
    std::uint64_t length = 0;             // the size when the file was opened: the measure's length
    std::uint64_t readable = 0;           // bytes the reads delivered before the end or an error
    const std::uint32_t* words = nullptr; // ceil(readable / 4) words, the last one zero-padded
    const std::uint64_t* fields = nullptr; // two bits per word, as in ContentSketch
    const std::uint8_t* prints = nullptr;  // per word a fingerprint: equal words, equal prints
    std::uint64_t digest = 0;              // of the readable bytes, to find identical contents

    std::size_t wordCount() const { return static_cast<std::size_t>((readable + 3) / 4); }
    ContentSketch sketch() const { return {length, readable, fields}; }
};

// The memory, a multiple of 64 bytes, that the image of a file of at most `limit`
// bytes takes.
std::uint64_t ContentImageCost(std::uint64_t limit);

enum class ImageLoad
{
    Loaded,
    ReadFailed, // loaded up to a read that failed, as the comparison would read it
    CannotOpen, // the comparison would leave the caller's -1 in place
    TooLarge,   // more than `limit` bytes came; the file must be streamed
};

// Reads the file as the comparison reads it, into `room` (ContentImageCost(limit)
// bytes, aligned for words): blocks of 128 KiB until a short read, the end or a
// read error. After CannotOpen and ReadFailed, LastFailureText() says why.
ImageLoad LoadContentImage(std::string_view path, std::uint64_t limit, std::byte* room,
                           ContentImage& image);

// The bytes of the fields of the sketch of `readable` bytes of contents (whole
// elements: ContentSketch::fields).
std::size_t ContentSketchBytes(std::uint64_t readable);

// The memory, a multiple of 8 bytes, that the sketch of a file of at most `limit`
// bytes takes.
std::uint64_t ContentSketchCost(std::uint64_t limit);

// Reads the file as the comparison reads it, a block of `buffers` at a time, and
// keeps only its sketch, in `room` (ContentSketchCost(limit) bytes). Loaded only
// when every read succeeded; TooLarge when more than `limit` bytes came.
ImageLoad LoadContentSketch(std::string_view path, std::uint64_t limit, ContentBuffers& buffers,
                            std::uint64_t* room, ContentSketch& sketch);

// False when the sketches prove that file A's percentage against file B stays below
// `threshold`; true when it may reach it.
bool SketchesMayReach(const ContentSketch& a, const ContentSketch& b, int threshold);

// Whether two images hold the same length and the same bytes: such files score
// the same against any third file, in either role.
bool SameContent(const ContentImage& a, const ContentImage& b);

// The percentage CompareContents gives for file A against file B with this
// threshold, when it reaches the threshold; nullopt when it does not. Pairs that
// cannot reach it are mostly told apart by their fingerprints alone.
std::optional<int> MatchAtThreshold(const ContentImage& a, const ContentImage& b, int threshold);

} // namespace quorvex
