#pragma once
// The folder comparison: side A against side B, two folder trees paired by relative
// path or two single files, one ComparisonRow per pair or one-sided entry.
//
// Use:
//   FilterSettings filters;            // read at every test, may change during a run
//   ComparisonEngine engine(filters, observer);
//   ComparisonOutcome outcome = engine.StartComparison(pathA, pathB, compareContents);
//   if (!outcome.carriedOut) show outcome.warning;   // nothing was walked
//   engine.rows(), engine.captionA(), engine.captionB(), engine.contentHeader(words)
// The observer gets the overall progress (max = entries counted, one step per
// entry), pumps after every file, and its cancelRequested() is the cancel switch.
// The contents of paired folders' files are compared by a worker per core while
// the calling thread pumps and tells the work done; two single files are compared
// on the calling thread with the per-file block progress.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Filters.h"
#include "common/InputRefusal.h"
#include "common/RunObserver.h"
#include "compare/ComparisonList.h"
#include "platform/FileSystem.h"

namespace quorvex {

namespace cache {
class ScanCache;
}

class ContentComparisons;

struct ComparisonOutcome
{
    bool carriedOut = false; // false: the input was refused
    InputRefusal refusal;    // why, when refused
};

// The local packed date-time (2-second resolution, 0 outside 1980..2099).
std::uint32_t ToDosDateTime(platform::FileTime time);
// The root of a file-against-file comparison: the folder holding the file, without
// a trailing separator except for the file system's root.
std::string FileComparisonRoot(std::string_view path);
// Size (-1 for a folder), local packed date-time and attributes of an entry, as a
// folder comparison's walk finds them; nullopt when it cannot be found.
std::optional<EntryFacts> GetFolderEntryFacts(std::string_view path);
// Size, local day number and attributes of a file (file-against-file mode);
// nullopt when it cannot be found.
std::optional<EntryFacts> GetFileFacts(std::string_view path);

class ComparisonEngine
{
public:
    ComparisonEngine(const FilterSettings& filters, RunObserver& observer);
    ~ComparisonEngine();

    // The scan cache the content comparisons look equal files up in; null: none.
    void setCache(cache::ScanCache* cache) { cache_ = cache; }

    // Clears the last run's rows and captions, runs the comparison and leaves rows,
    // roots, sums and captions for the list. A cancelled run counts as carried out.
    ComparisonOutcome StartComparison(std::string_view pathA, std::string_view pathB,
                                      bool compareContents);

    // Takes a comparison opened from a saved list in place of the last run's:
    // `rows` with the roots their paths are built from, the captions of the name
    // columns and the average match (-1 without one).
    void adoptOpenedList(ComparisonList rows, std::string rootA, std::string rootB,
                         std::string captionA, std::string captionB, int averagePercent);

    ComparisonList& rows() { return rows_; }
    const ComparisonList& rows() const { return rows_; }
    const std::string& RootA() const { return rootA_; }
    const std::string& RootB() const { return rootB_; }
    // When the rows were taken from the disk: the start of the last run, or the opening
    // of a saved list. What changed on the disk since is not as the rows show it.
    platform::FileTime ComparedAt() const { return comparedAt_; }
    // The last run compared two single files (its times are days).
    bool ComparedFiles() const { return comparedFiles_; }
    std::int64_t PercentSum() const { return percentSum_; }
    std::int64_t RowCount() const { return rowCount_; }
    // Captions of columns 0, 1 and 5 after the run.
    const std::string& captionA() const { return captionA_; }
    const std::string& captionB() const { return captionB_; }
    // The average match of the content comparison ("66%"), or the header word
    // without a content comparison or without rows.
    std::string contentHeader(const ComparisonWords& words) const;

private:
    class Walker;

    ComparisonOutcome RunComparison(std::string_view pathA, std::string_view pathB);
    void compareFiles(std::string_view pathA, std::string_view pathB);
    // One row for the entry `name` in the folder `relative` with the path cell
    // `pathCell` (a folder's own relative path, or the folder holding a file); a
    // side without facts lacks the entry. True when the row's content comparison
    // was queued: it gets its percentage at the next finishContentComparisons().
    bool AddComparisonRow(std::string_view name, const std::string& relative,
                          std::uint32_t pathCell, bool folder,
                          const std::optional<EntryFacts>& factsA,
                          const std::optional<EntryFacts>& factsB);
    // Runs the queued content comparisons and gives their rows the percentages.
    void finishContentComparisons();

    const FilterSettings& filters_;
    RunObserver& observer_;
    bool compareContents_ = false;
    ComparisonList rows_;
    std::string rootA_, rootB_;
    platform::FileTime comparedAt_;
    bool comparedFiles_ = false;
    std::int64_t percentSum_ = 0;
    std::int64_t rowCount_ = 0;
    std::string captionA_, captionB_;
    int averagePercent_ = -1;                   // -1: no content comparison, or no rows
    ContentComparisons* comparisons_ = nullptr; // during side A's walk with contents
    cache::ScanCache* cache_ = nullptr;
};

} // namespace quorvex
