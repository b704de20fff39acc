#pragma once
// The duplicate search by what pictures show: each picture is decoded once at
// reduced size and fingerprinted (PictureFingerprint.h), and the pictures are
// grouped by the pairwise rule of the byte comparison (DupPairing.h), the match of
// two pictures being the percentage of their fingerprints' distance. The groups,
// labels and reference rows are those of the byte comparison; only the measure
// differs.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/RunObserver.h"
#include "duplicates/DupRecord.h"
#include "duplicates/PictureFingerprint.h"

namespace quorvex {

struct ContentCache; // CachedHashes.h

// Decodes pictures; the program's image readers stand behind it. The search reads
// the files itself, so that a decoder never touches the disk.
class PictureReader
{
public:
    virtual ~PictureReader() = default;
    // Whether a file of this name is a picture the reader knows (by its extension).
    virtual bool readsName(std::string_view name) const = 0;
    // Decodes the picture held in `bytes` in grey, in the orientation its EXIF data
    // names, at a reduced size that keeps at least 32 pixels a side where the picture
    // has them. False, with `reason`, when it is not a picture or cannot be decoded.
    // Called on several threads at once.
    virtual bool decodeGrey(const unsigned char* bytes, std::size_t size, GreyPicture& picture,
                            std::string& reason) const = 0;
};

// The most bytes of a file the search reads to decode it as a picture.
inline constexpr std::uint64_t kLargestPictureFile = 512ull << 20;

// The threshold a picture search starts with: pictures up to 8 of the 63 bits apart,
// which keeps each copy with its source and unrelated pictures apart.
inline constexpr int kDefaultPictureThreshold = 74;

struct PictureOptions
{
    int threshold = kDefaultPictureThreshold; // 10..100, on PicturePercent's scale
    bool turns = true;                        // pictures turned by 90 degrees or mirrored match too
    unsigned threads = 0;                     // the decoding workers; 0: one per core
};

// Labels the list's records by the pairwise rule over `prints` (by list position;
// empty where a file is no picture): in list order, an unclaimed picture becomes a
// reference and claims every later unclaimed picture within the threshold. The
// neighbours of a reference come from an index (PictureIndex.h), not from comparing
// every pair.
// A cancel keeps the groups of the references done so far.
void PairPictures(DupList& list, const std::vector<std::optional<PictureHash>>& prints,
                  const PictureOptions& options, RunObserver& observer);

// Fingerprints the list's files that `reader` knows by name (not those of size 0, nor
// those larger than kLargestPictureFile, which are named as unreadable), on worker
// threads, taking what `cache` knows and keeping what is read there, then
// pairs them. Files that cannot be decoded are told to the observer (cannotRead) in
// list order and take no part. The overall progress counts the pictures decoded.
void PairPictureFiles(DupList& list, const PictureReader& reader, const PictureOptions& options,
                      RunObserver& observer, const ContentCache* cache);

} // namespace quorvex
