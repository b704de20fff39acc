#include "duplicates/DupSearch.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/MaskCount.h"
#include "common/ReadPlan.h"
#include "duplicates/CachedHashes.h"
#include "duplicates/DupPairing.h"
#include "duplicates/DupSort.h"
#include "duplicates/HashedTarget.h"
#include "duplicates/PicturePairing.h"
#include "duplicates/SearchWalk.h"
#include "platform/FailureReason.h"
#include "platform/FileIdentity.h"
#include "platform/PathText.h"

namespace quorvex {

namespace {

int ClampedThreshold(const DupSearchParams& params)
{
    return std::clamp(params.threshold, 10, 100);
}

SearchOutcome Refuse(RefusalReason reason, std::string_view path)
{
    return {false, {reason, std::string(path)}};
}

// The identities of the folder and of every folder above it, up to the root. A folder
// mounted a second time, or reached under another spelling, has the identity of the
// first: its path text alone cannot show that it is the same.
std::vector<platform::FileIdentity> FolderAndAbove(const std::string& canonical)
{
    std::vector<platform::FileIdentity> chain;
    std::string_view folder = platform::WithoutTrailingSeparators(canonical);
    for (;;) {
        const std::optional<platform::FileIdentity> identity = platform::IdentifyTarget(folder);
        if (!identity)
            return chain; // what lies above a folder that cannot be looked at is not known
        chain.push_back(*identity);
        const std::string_view parent = platform::ParentFolder(folder);
        if (parent == folder)
            return chain;
        folder = parent;
    }
}

} // namespace

int SizeRatio(std::uint64_t a, std::uint64_t b)
{
    if (a == b)
        return 100;
    const auto [low, high] = std::minmax(a, b);
    return static_cast<int>((static_cast<unsigned __int128>(low) * 100) / high);
}

// The files the identical-file search plans the reading of at once: enough that a
// sweep in the order of their data saves seeks, few enough that their entries take
// little memory and the first matches come soon.
constexpr std::size_t kIdenticalBatch = 1024;

SearchOutcome SearchIdentical(std::string_view filePath, std::string_view folderPath,
                              const DupSearchParams& params, DupList& list)
{
    if (filePath.empty() || !platform::IsExistingFile(filePath))
        return Refuse(RefusalReason::UnknownFile, filePath);
    if (folderPath.empty() || !platform::IsExistingFolder(folderPath))
        return Refuse(RefusalReason::UnknownFolder, folderPath);

    RunObserver& observer = params.observer;
    const std::optional<platform::DirEntry> target = platform::LookupEntry(filePath);
    const std::uint64_t targetSize = target ? target->size : 0;
    // The target is read once for the whole walk when it fits the budget; otherwise
    // (or when it grew past its listed size) every comparison reads it again. A
    // target that cannot be read matches nothing: there is nothing to search for.
    ContentImage image;
    const bool fits = ContentImageCost(targetSize) <= params.memoryBudget;
    const std::unique_ptr<std::byte[]> room(fits ? new std::byte[ContentImageCost(targetSize)]
                                                 : nullptr);
    const ImageLoad load =
        fits ? LoadContentImage(filePath, targetSize, room.get(), image) : ImageLoad::TooLarge;
    platform::InputFile targetFile;
    if (load == ImageLoad::CannotOpen || load == ImageLoad::ReadFailed ||
        (load == ImageLoad::TooLarge && !targetFile.open(filePath))) {
        observer.cannotRead(std::string(filePath), platform::LastFailureText());
        return {true, {}, true};
    }
    targetFile.close();

    ContentBuffers buffers;
    const std::uint64_t count = CountMaskedFiles(folderPath, params.filters);
    observer.setOverallMax(count > 0 ? count - 1 : 0);
    observer.setOverallPosition(0);
    const bool held = load == ImageLoad::Loaded;
    cache::CacheRun run(ClampedThreshold(params) == 100 ? params.cache : nullptr);
    std::optional<HashedTarget> hashed;
    if (run.active() && target)
        hashed.emplace(run, filePath, *target, observer);
    WalkIdentical(filePath, folderPath, targetSize, params, buffers, held ? &image : nullptr,
                  hashed && hashed->known() ? &*hashed : nullptr, list);
    observer.setOverallPosition(0);
    return {true, {}};
}

void WalkIdentical(std::string_view target, std::string_view folder, std::uint64_t targetSize,
                   const DupSearchParams& params, ContentBuffers& buffers,
                   const ContentImage* targetImage, HashedTarget* hashed, DupList& list)
{
    const int threshold = ClampedThreshold(params);
    RunObserver& observer = params.observer;
    // The files to compare are taken in batches, each compared in the order their data
    // lies on the disk; the matches then join the list in the walk's order.
    struct Queued
    {
        std::string folder; // as the walk gives it, ending in '/'
        platform::DirEntry entry;
        int percent = -1;
    };
    std::vector<Queued> queued;
    std::string lastFolder; // the list's folder of its last match
    WorkerPool pool(params.threads);
    ObservedWork work(observer, &RunObserver::stepOverall);
    const auto compareQueued = [&] {
        const auto pathOf = [&](std::size_t k) { return queued[k].folder + queued[k].entry.name; };
        // The files whose hash the cache holds are neither opened nor read.
        std::vector<int> cached(queued.size(), -1);
        if (hashed != nullptr) {
            std::vector<cache::FileStamp> stamps;
            for (const Queued& file : queued)
                stamps.push_back(cache::StampOf(file.entry));
            cached = hashed->cachedMatches(stamps);
        }
        const ReadPlan plan = PlanReads(
            queued.size(),
            [&](std::size_t k, unsigned, platform::InputFile& file) {
                return cached[k] < 0 && file.open(pathOf(k));
            },
            pool, work);
        HintedFiles hinted;
        RunPlannedHere(
            plan, [&] { return observer.cancelRequested(); },
            [&](std::size_t k) {
                platform::InputFile file;
                if (cached[k] < 0)
                    HintStartOf(pathOf(k), file);
                hinted.keep(k, std::move(file));
            },
            [&](std::size_t k) {
                const std::string path = pathOf(k);
                int& percent = queued[k].percent;
                platform::InputFile file = hinted.take(k);
                if (cached[k] >= 0)
                    percent = cached[k];
                else if (hashed != nullptr)
                    percent = hashed->readMatch(path, queued[k].entry, std::move(file));
                else if (targetImage != nullptr)
                    CompareImageWithFile(*targetImage, path, threshold, percent, buffers, observer,
                                         std::move(file));
                else
                    CompareContents(target, {}, path, std::move(file), threshold, percent,
                                    buffers, observer);
                observer.stepOverall(1);
                observer.pumpMessages();
            });
        for (const Queued& file : queued) {
            if (file.percent < threshold)
                continue;
            if (file.folder != lastFolder) {
                list.enterFolder(file.folder);
                lastFolder = file.folder;
            }
            list.add(file.entry).content = static_cast<std::int16_t>(file.percent);
        }
        queued.clear();
    };
    WalkSearchTree(
        folder, params.filters, observer, params.threads, [](const std::string&) {},
        [&](const std::string& folderPath, const platform::DirEntry& entry) {
            if (SizeRatio(targetSize, entry.size) >= threshold) {
                queued.push_back({folderPath, entry});
                if (queued.size() == kIdenticalBatch)
                    compareQueued();
            } else {
                observer.stepOverall(1);
            }
            observer.pumpMessages();
        });
    compareQueued();
}

SearchOutcome CollectAndPairFiles(const std::vector<std::string>& folders,
                                  const DupSearchParams& params, DupList& list, bool withoutLinks)
{
    std::vector<std::vector<platform::FileIdentity>> chains;
    for (const std::string& folder : folders) {
        if (folder.empty() || !platform::IsExistingFolder(folder))
            return Refuse(RefusalReason::UnknownFolder, folder);
        chains.push_back(FolderAndAbove(platform::CanonicalPath(folder)));
    }
    // A folder that is another one, or lies within it, would make each of its files a
    // duplicate of itself.
    for (std::size_t i = 0; i < folders.size(); ++i)
        for (std::size_t j = 0; j < folders.size(); ++j)
            if (i != j && !chains[j].empty() &&
                std::ranges::any_of(chains[i], [&](const platform::FileIdentity& above) {
                    return above.sameFile(chains[j].front());
                }))
                return Refuse(RefusalReason::NestedFolders, folders[i]);

    RunObserver& observer = params.observer;
    observer.setOverallPosition(0);
    const int threshold = ClampedThreshold(params);
    const bool caching = params.cache != nullptr;
    std::vector<cache::FileStamp> stamps;
    for (const std::string& folder : folders)
        CollectFiles(folder, params, list, caching ? &stamps : nullptr, withoutLinks);
    observer.setOverallMax(list.size() > 0 ? list.size() - 1 : 0);
    cache::CacheRun run(caching ? params.cache : nullptr);
    const ContentCache cache{run, stamps};
    if (params.pictures != nullptr) {
        PairPictureFiles(list, *params.pictures, {threshold, params.pictureTurns, params.threads},
                         observer, caching ? &cache : nullptr);
    } else if (threshold == 100) {
        PairIdenticalFiles(list, observer, params.threads, caching ? &cache : nullptr);
    } else {
        const std::uint64_t pairBudget = params.memoryBudget / 8;
        PairSimilarFiles(list,
                         {threshold, params.threads, params.memoryBudget - pairBudget, pairBudget,
                          caching ? &cache : nullptr},
                         observer);
    }
    observer.setOverallPosition(0);
    return {true, {}};
}

SearchOutcome SearchDuplicates(const std::vector<std::string>& folders,
                               const DupSearchParams& params, DupList& list)
{
    const SearchOutcome outcome = CollectAndPairFiles(folders, params, list);
    if (!outcome.ran)
        return outcome;
    list.removeUngrouped();
    SortDupListByCell(list, 65536 + kCellGroup);
    AssignBands(list);
    return outcome;
}

void CollectFiles(std::string_view folder, const DupSearchParams& params, DupList& list,
                  std::vector<cache::FileStamp>* stamps, bool withoutLinks)
{
    RunObserver& observer = params.observer;
    WalkSearchTree(
        folder, params.filters, observer, params.threads,
        [&](const std::string& name) { list.enterFolder(name); },
        [&](const std::string&, const platform::DirEntry& entry) {
            if (withoutLinks && (entry.attributes & platform::kAttrReparsePoint) != 0)
                return;
            list.add(entry);
            if (stamps != nullptr)
                stamps->push_back(cache::StampOf(entry));
            observer.pumpMessages();
        });
}

DupSearchRun StartDupSearch(std::string_view fileText, std::string_view folderText,
                            const DupSearchParams& params, DupList& list)
{
    return StartDupSearch(fileText, std::vector<std::string>{std::string(folderText)}, params,
                          list);
}

DupSearchRun StartDupSearch(std::string_view fileText, const std::vector<std::string>& folders,
                            const DupSearchParams& params, DupList& list)
{
    list.clear();
    DupSearchRun run;
    const bool identical = !fileText.empty();
    run.DupMode = !identical;
    run.scope = {folders, std::string(fileText), ClampedThreshold(params),
                 !identical && params.pictures != nullptr};
    const SearchOutcome outcome =
        identical ? SearchIdentical(fileText, folders.empty() ? std::string() : folders.front(),
                                    params, list)
                  : SearchDuplicates(folders, params, list);
    run.ran = outcome.ran;
    run.refusal = outcome.refusal;
    run.targetUnreadable = outcome.targetUnreadable;
    run.nothingFound = run.ran && list.empty();
    return run;
}

} // namespace quorvex
