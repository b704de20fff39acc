#include "common/ContentCompare.h"

#include <algorithm>

#include "common/WordTally.h"
#include "platform/FailureReason.h"
#include "platform/FileSystem.h"
#include "platform/ReadFully.h"

namespace quorvex {

namespace {

// File A's blocks, read from disk into the second buffer.
class FileBlocks
{
public:
    FileBlocks(platform::InputFile& file, ContentBuffers& buffers)
        : file_(file), buffers_(buffers), dropBehind_(platform::DropsBehind(file))
    {
    }
    std::int64_t next()
    {
        const std::int64_t got =
            platform::ReadFullyAt(file_, buffers_.a(), kContentBlockSize, offset_, dropBehind_);
        offset_ += got > 0 ? static_cast<std::uint64_t>(got) : 0;
        return got;
    }
    const std::uint32_t* words() const { return buffers_.a(); }

private:
    platform::InputFile& file_;
    ContentBuffers& buffers_;
    const bool dropBehind_;
    std::uint64_t offset_ = 0;
};

// File A's blocks, taken from its image in memory.
class ImageBlocks
{
public:
    explicit ImageBlocks(const ContentImage& image) : image_(image) {}
    std::int64_t next()
    {
        offset_ = read_;
        const std::uint64_t n = std::min<std::uint64_t>(kContentBlockSize, image_.readable - read_);
        read_ += n;
        return static_cast<std::int64_t>(n);
    }
    const std::uint32_t* words() const { return image_.words + offset_ / 4; }

private:
    const ContentImage& image_;
    std::uint64_t offset_ = 0;
    std::uint64_t read_ = 0;
};

// Opens a file of the comparison through its side's held folder, unless the caller
// opened it already, telling the observer when it cannot.
bool OpenToCompare(platform::InputFile& file, std::string_view path, HeldFolder& folder,
                   RunObserver& observer)
{
    if (file.isOpen() || folder.open(path, file))
        return true;
    observer.cannotRead(std::string(path), platform::LastFailureText());
    return false;
}

// The block loop of the comparison: B's block, then A's, until either ends, a
// read fails (told to the observer), the threshold is out of reach or a cancel is
// requested.
template <class BlocksA>
int CompareBlocks(BlocksA& blocksA, std::string_view pathA, platform::InputFile& fileB,
                  std::string_view pathB, std::uint64_t lenA, int threshold,
                  ContentBuffers& buffers, RunObserver& observer, ContentBlockSink* sink)
{
    const std::uint64_t lenB = fileB.size();
    WordTally tally(MismatchAllowance(std::min(lenA, lenB), threshold));
    observer.setFilePosition(0);
    observer.setFileMax(lenA / kContentBlockSize);
    const bool dropBehindB = platform::DropsBehind(fileB);
    std::uint64_t block = 0;
    while (!observer.cancelRequested() && !tally.stopped()) {
        const std::int64_t nB = platform::ReadFullyAt(fileB, buffers.b(), kContentBlockSize,
                                                      block * kContentBlockSize, dropBehindB);
        if (nB < 0)
            observer.cannotRead(std::string(pathB), platform::LastFailureText());
        const std::int64_t nA = nB < 0 ? 0 : blocksA.next();
        if (nA < 0)
            observer.cannotRead(std::string(pathA), platform::LastFailureText());
        if (nA <= 0 || nB <= 0)
            break;
        const auto bytesA = static_cast<std::size_t>(nA);
        const auto bytesB = static_cast<std::size_t>(nB);
        if (sink != nullptr)
            sink->blocks(blocksA.words(), bytesA, buffers.b(), bytesB);
        tally.compareBlock(blocksA.words(), buffers.b(), SpanOfBlock(bytesA, bytesB));
        observer.setFilePosition(++block);
        observer.pumpMessages();
        // A short read of a regular file is its end: the next read would return 0.
        if (bytesA < kContentBlockSize || bytesB < kContentBlockSize)
            break;
    }
    fileB.close();
    observer.setFilePosition(0);
    return ContentPercentage(tally.matching(), lenA, lenB);
}

} // namespace

int ContentPercentage(std::uint64_t matching, std::uint64_t lenA, std::uint64_t lenB)
{
    // An empty file agrees fully with another empty file and not at all with data.
    if (lenA == 0 || lenB == 0)
        return lenA == lenB ? 100 : 0;
    const PercentTerms terms = TermsOf(lenA, lenB);
    return static_cast<int>(static_cast<unsigned __int128>(100) * (matching + terms.bonus) /
                            terms.denominator);
}

void CompareContents(std::string_view pathA, std::string_view pathB, int threshold, int& percent,
                     ContentBuffers& buffers, RunObserver& observer, ContentBlockSink* sink)
{
    CompareContents(pathA, {}, pathB, {}, threshold, percent, buffers, observer, sink);
}

void CompareContents(std::string_view pathA, platform::InputFile fileA, std::string_view pathB,
                     platform::InputFile fileB, int threshold, int& percent,
                     ContentBuffers& buffers, RunObserver& observer, ContentBlockSink* sink)
{
    const bool openA = OpenToCompare(fileA, pathA, buffers.folderA(), observer);
    if (!OpenToCompare(fileB, pathB, buffers.folderB(), observer) || !openA)
        return;
    FileBlocks blocksA(fileA, buffers);
    percent = CompareBlocks(blocksA, pathA, fileB, pathB, fileA.size(), threshold, buffers,
                            observer, sink);
}

void CompareImageWithFile(const ContentImage& imageA, std::string_view pathB, int threshold,
                          int& percent, ContentBuffers& buffers, RunObserver& observer,
                          platform::InputFile fileB)
{
    if (!OpenToCompare(fileB, pathB, buffers.folderB(), observer))
        return;
    ImageBlocks blocksA(imageA);
    percent = CompareBlocks(blocksA, {}, fileB, pathB, imageA.length, threshold, buffers, observer,
                            nullptr);
}

} // namespace quorvex
