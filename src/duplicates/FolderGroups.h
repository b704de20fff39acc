#pragma once
// Duplicate folders: folders whose files are all equal to the files of another
// folder, contained in it, or, below 100 %, similar to it, one row per folder.
//
// The files are those the duplicate search takes (the same filters and masks), found
// equal byte for byte by its exact pairing and through the scan cache; files of size
// 0 and symbolic links are no file of any folder (a link holds no bytes of its own, so
// a folder of links to another is never its copy), and a folder without files takes
// no part. A folder's files are those of its whole tree; a folder whose files all lie
// in its one subfolder stands for that subfolder too. Two folders are compared only
// when neither lies within the other. Of folders A and B:
// - equal: every file of A has an equal file in B and every file of B one in A;
//   "with names and layout" when each file also has its equal file at the same
//   relative path;
// - A contained in B: every file of A has an equal file in B, not the other way round;
// - similar, NN %: the bytes of A's files that have an equal file in B, with the bytes
//   of B's files that have one in A, as a share of the bytes of both (floored).
// Nested results collapse: A contained in (or equal to) B is not listed when a folder
// above A is equal to B or to a folder above B; an equal pair goes only when both of
// its directions are so covered (the subfolders of two equal folders); a similar pair
// goes when the folders above them (or one of them and the other) are related at all.
// A folder contained in another is listed with its subfolders that are contained too:
// each of them could go on its own.

#include <cstdint>
#include <string>
#include <vector>

#include "duplicates/DupRecord.h"
#include "duplicates/DupSearch.h"

namespace quorvex {

enum class FolderRelation : std::uint8_t
{
    Reference,   // the folder the group's other rows are told against
    Equal,       // "同一"
    EqualLayout, // "同一(構成も同じ)"
    Contained,   // "含まれる": contained in the reference
    Similar      // "類似 NN%"
};

struct FolderRow
{
    std::string path; // ends in the separator
    std::uint64_t bytes = 0;
    std::uint32_t files = 0;
    FolderRelation relation = FolderRelation::Reference;
    int percent = 100;       // of a similar row
    std::uint32_t group = 0; // 1, 2, ... in row order
    std::uint32_t node = 0;  // the folder in the search's tree
};

struct FolderOptions
{
    int threshold = 100; // 10..100: below 100 similar folders are listed too
    bool layout = false; // equal only with names and layout equal
};

// A finished folder search: the rows, grouped (each group's reference first, groups
// in the walk order of their references, equal before contained before similar), and
// what acting on them needs of the files.
class FolderGroups
{
public:
    // From files collected and labelled by the exact pairing (every row kept) below
    // the searched `roots`, as CollectAndPairFiles leaves them.
    // Folders below which something in `unread` lies (a folder that could not be
    // listed, a file that could not be read) are nobody's copy: they take no part in
    // a relation.
    FolderGroups(DupList files, const std::vector<std::string>& roots, const FolderOptions& options,
                 RunObserver& observer, const std::vector<std::string>& unread = {});
    FolderGroups() = default;

    const std::vector<FolderRow>& rows() const { return rows_; }
    const DupList& files() const { return files_; }
    // Whether one of the two rows' folders lies within the other (or is it).
    bool nested(const FolderRow& a, const FolderRow& b) const;
    // The last-write time of the newest file of the row's folder.
    std::int64_t newestWrite(const FolderRow& row) const;
    // For each file of `acted`'s folder, in walk order, an equal file of `kept`'s
    // folder (the one at the same relative path when there is one), as positions in
    // files(); files without one are left out.
    std::vector<std::pair<std::size_t, std::size_t>> counterparts(const FolderRow& acted,
                                                                  const FolderRow& kept) const;

private:
    struct Node
    {
        std::string path;
        std::uint32_t parent = ~0u;
        std::uint32_t above = ~0u; // the nearest folder above that takes part
        std::uint64_t bytes = 0;
        std::uint32_t files = 0;
        std::uint32_t distinct = 0; // contents, each counted once
        bool takesPart = false;
        bool incomplete = false; // something below could not be read
        std::vector<std::uint32_t> children;
        // Its own files: positions [firstFile, endFile) in files_, those of size 0
        // among them (the walk lists a folder's files together).
        std::uint32_t firstFile = 0, endFile = 0;
    };
    struct PairRelation
    {
        bool firstInSecond = false, secondInFirst = false, layout = false;
        int percent = 0;
    };

    void buildTree(const std::vector<std::string>& roots);
    void markUnread(const std::vector<std::string>& unread);
    void relate(const FolderOptions& options, RunObserver& observer);
    void makeRows(const FolderOptions& options);
    const PairRelation* pairRelation(std::uint32_t a, std::uint32_t b) const;
    bool into(std::uint32_t a, std::uint32_t b) const; // every content of a is in b
    // Whether a folder above `a` is equal to `b` or to a folder above it.
    bool intoCovered(std::uint32_t a, std::uint32_t b) const;
    bool similarCovered(std::uint32_t a, std::uint32_t b) const;
    bool nodesNested(std::uint32_t a, std::uint32_t b) const;
    bool sameLayout(std::uint32_t a, std::uint32_t b) const;
    // (relative path, content) of every file below the node, sorted.
    std::vector<std::pair<std::string, std::uint32_t>> layoutOf(std::uint32_t node) const;
    template <typename Visit> void forEachFileBelow(std::uint32_t node, Visit visit) const;
    template <typename Visit> void forEachOwnFile(std::uint32_t node, Visit visit) const;

    DupList files_;
    std::vector<std::uint32_t> content_; // by file: equal contents share a number
    std::uint32_t sharedContents_ = 0;   // contents below it are those of two files or more
    std::vector<Node> nodes_;            // folders above before those below
    std::vector<std::pair<std::uint64_t, PairRelation>> related_; // sorted by key
    std::vector<FolderRow> rows_;
};

struct FolderSearchParams
{
    const FilterSettings& filters;
    FolderOptions options;
    RunObserver& observer;
    unsigned threads = 0;
    cache::ScanCache* cache = nullptr;
};

// The whole search: refuses the folders as the duplicate search does, else collects
// and pairs their files and groups the folders into `result`.
SearchOutcome SearchFolderGroups(const std::vector<std::string>& folders,
                                 const FolderSearchParams& params, FolderGroups& result);

// The relation cell: "基準", "同一", "同一(構成も同じ)", "含まれる" or "類似 NN%".
std::string RelationText(const FolderRow& row);

} // namespace quorvex
