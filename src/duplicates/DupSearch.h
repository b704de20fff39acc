#pragma once
// The two searches of the duplicate page: files whose contents match one given
// file (identical-file search), and groups of files that duplicate each other
// (duplicate search). Both fill a DupList and report through a RunObserver.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cache/ScanCache.h"
#include "common/ContentCompare.h"
#include "common/Filters.h"
#include "common/InputRefusal.h"
#include "common/RunObserver.h"
#include "duplicates/DupActions.h"
#include "duplicates/DupRecord.h"

namespace quorvex {

class PictureReader;

// What a search works with. The filters are read at every test; the threshold
// (10..100, clamped) is both the size filter and the content bar.
struct DupSearchParams
{
    const FilterSettings& filters;
    int threshold;
    RunObserver& observer;
    unsigned threads = 0; // the searches' worker threads; 0: one per core
    // Bytes held in memory beside the list: below 100 %, seven eighths for contents
    // and one for the pairs still open (SimilarityOptions).
    std::uint64_t memoryBudget = 512ull << 20;
    // What the files' contents were found to be in earlier runs; null: read them all.
    cache::ScanCache* cache = nullptr;
    // The duplicate search compares pictures by what they show, through this reader
    // (PicturePairing.h), instead of files by their bytes; null: by their bytes.
    const PictureReader* pictures = nullptr;
    bool pictureTurns = true; // pictures turned or mirrored match too
};

// 100 when a = b (also when both are 0), else floor(min * 100 / max).
int SizeRatio(std::uint64_t a, std::uint64_t b);

struct SearchOutcome
{
    bool ran = false;     // false: an input was refused and nothing was searched
    InputRefusal refusal; // why, when refused
    // The file searched for could not be read (told to the observer): the search ran
    // and found nothing.
    bool targetUnreadable = false;
};

// Lists, in walk order, every file below folderPath whose size ratio and content
// match with filePath reach the threshold (the file itself included, at 100%).
// When filePath cannot be read, the observer hears why and nothing is searched.
SearchOutcome SearchIdentical(std::string_view filePath, std::string_view folderPath,
                              const DupSearchParams& params, DupList& list);

// The walk of the identical-file search: appends the matching files below `folder`.
// `targetImage`, when given, holds the target's contents, read once for the walk;
// `hashed`, when given (at 100 % with the scan cache), decides by whole-file hashes.
class HashedTarget;
void WalkIdentical(std::string_view target, std::string_view folder, std::uint64_t targetSize,
                   const DupSearchParams& params, ContentBuffers& buffers,
                   const ContentImage* targetImage, HashedTarget* hashed, DupList& list);

// Gathers the files below the folders into groups of look-alikes (groups span the
// folders) and keeps only the grouped rows, ordered by group with each reference row
// first, shaded by group. A folder that does not exist is refused, and so is one that
// lies within another (its files would be listed twice). Files that
// cannot be read take part in no group and are told to the observer.
SearchOutcome SearchDuplicates(const std::vector<std::string>& folders,
                               const DupSearchParams& params, DupList& list);

// What SearchDuplicates does before it drops the files without a partner: refuses
// the folders as it does, collects their files (symbolic links left out when
// `withoutLinks`) and labels the groups; every collected row stays, in walk order.
SearchOutcome CollectAndPairFiles(const std::vector<std::string>& folders,
                                  const DupSearchParams& params, DupList& list,
                                  bool withoutLinks = false);

// Appends a record for every file below `folder` that takes part, in walk order,
// and where `stamps` is given, the file's stamp for the scan cache.
void CollectFiles(std::string_view folder, const DupSearchParams& params, DupList& list,
                  std::vector<cache::FileStamp>* stamps = nullptr, bool withoutLinks = false);

// One press of the start button, as far as the engine goes: empties the list, runs
// the identical-file search when fileText is non-empty, else the duplicate search,
// and says what the page shows afterwards.
struct DupSearchRun
{
    bool ran = false;
    bool DupMode = false;
    DupSearchScope scope;          // what acting on the rows needs to know of the search
    InputRefusal refusal;          // why, when an input was refused
    bool nothingFound = false;     // the search ran and listed no file
    bool targetUnreadable = false; // as in SearchOutcome
};
DupSearchRun StartDupSearch(std::string_view fileText, std::string_view folderText,
                            const DupSearchParams& params, DupList& list);
// The same over several folders; the identical-file search takes the first.
DupSearchRun StartDupSearch(std::string_view fileText, const std::vector<std::string>& folders,
                            const DupSearchParams& params, DupList& list);

} // namespace quorvex
