#include "actions/CopyItems.h"

#include <algorithm>
#include <atomic>

#include "actions/ReplaceOutcomes.h"
#include "common/ObservedWork.h"
#include "platform/FailureReason.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"

namespace quorvex {

namespace {

using platform::FileIdentity;

// A batch is placed at this many copies or bytes: enough small files that the waits
// for the disk are shared, few enough large bytes that the page cache need not hold
// much of them unwritten.
constexpr std::size_t kBatchFiles = 10000;
constexpr std::uint64_t kBatchBytes = std::uint64_t{256} << 20;

bool AsListed(const FileIdentity& entry, const ListedFile& listed)
{
    return entry.size == listed.size && entry.lastWrite.seconds == listed.lastWrite;
}

// A file or a link: what a copy writes anew. A folder, FIFO or device is not copied.
bool CopiesAsFile(const FileIdentity& entry)
{
    return entry.regular || entry.link;
}

// The workers that write a batch's copies: a few per machine. More would mostly wait
// on the same folders' locks and the same disk.
constexpr unsigned kMostCopyWorkers = 4;

// What a worker's copy check sees of the run: only the cancel request; progress is
// the calling thread's to show.
class CancelOnly : public RunObserver
{
public:
    explicit CancelOnly(const std::atomic<bool>& cancel) : cancel_(cancel) {}
    bool cancelRequested() const override { return cancel_.load(std::memory_order_relaxed); }

private:
    const std::atomic<bool>& cancel_;
};

} // namespace

bool CopySession::copy(const PlannedAction& item, std::size_t index)
{
    ActionOutcome& outcome = outcomes_[index];
    const std::optional<FileIdentity> source = platform::IdentifyEntry(item.path);
    if (!source) {
        outcome = Failed(ActionFailure::Missing);
        return true;
    }
    if (item.folder) {
        outcome = makeFolder(item, *source);
        return true;
    }
    if (!CopiesAsFile(*source)) {
        outcome = Failed(ActionFailure::NotAFile);
        return true;
    }
    if (item.listed && !AsListed(*source, *item.listed)) {
        outcome = Failed(ActionFailure::Changed);
        return true;
    }
    std::optional<FileIdentity> replaced;
    if (item.replacedListed) {
        replaced = platform::IdentifyEntry(item.destination);
        if (!replaced || !CopiesAsFile(*replaced) || !AsListed(*replaced, *item.replacedListed)) {
            outcome = Failed(ActionFailure::TargetChanged);
            return true;
        }
    }
    waiting_.push_back({&item, index, *source, replaced});
    waitingBytes_ += source->size;
    if (waiting_.size() >= kBatchFiles || waitingBytes_ >= kBatchBytes)
        return place();
    return true;
}

bool CopySession::write(const Waiting& copy, WholeFileComparison& comparison, RunObserver& observer)
{
    const PlannedAction& item = *copy.item;
    Comparison verdict = Comparison::Unreadable; // until the two could be compared
    std::string detail;
    const auto sound = [&](platform::InputFile& source, platform::InputFile& made) {
        verdict = comparison.compare(source, made, observer, detail);
        return verdict == Comparison::Equal;
    };
    const platform::ReplaceResult result =
        batch_.stage(copy.index, item.path, copy.source, item.destination, copy.replaced,
                     item.versionedAs, sound);
    if (result == platform::ReplaceResult::Done)
        return true; // its outcome comes when it is placed
    if (result == platform::ReplaceResult::CopyUnsound && verdict == Comparison::Cancelled)
        return false;
    ActionOutcome& outcome = outcomes_[copy.index];
    if (result == platform::ReplaceResult::CopyUnsound && verdict == Comparison::Unreadable)
        outcome = Failed(ActionFailure::Unreadable,
                         detail.empty() ? platform::LastFailureText() : std::move(detail));
    else
        outcome = FromReplaceResult(result);
    return true;
}

bool CopySession::writeWaiting()
{
    if (waiting_.size() > 1 && platform::CopyBatch::kConcurrentStages > 1)
        return writeOnWorkers();
    for (const Waiting& copy : waiting_) {
        observer_.pumpMessages();
        if (observer_.cancelRequested() || !write(copy, comparison_, observer_))
            return false;
        observer_.addWorkDone(copy.source.size);
    }
    return true;
}

bool CopySession::writeOnWorkers()
{
    if (!workers_) {
        workers_ = std::make_unique<WorkerPool>(
            std::min({ProcessorCores(), kMostCopyWorkers, platform::CopyBatch::kConcurrentStages}));
        workerComparisons_.resize(workers_->size());
    }
    ObservedWork work(observer_, &RunObserver::addWorkDone);
    CancelOnly workerObserver(work.cancelFlag());
    // A worker takes the copies into one folder together: two threads creating files
    // in one folder contend for its lock and for the same free inodes.
    std::vector<std::size_t> folderStarts;
    for (std::size_t i = 0; i < waiting_.size(); ++i)
        if (i == 0 || platform::ParentFolder(waiting_[i].item->destination) !=
                          platform::ParentFolder(waiting_[i - 1].item->destination))
            folderStarts.push_back(i);
    folderStarts.push_back(waiting_.size());
    work.run(*workers_, folderStarts.size() - 1, [&](std::size_t folder, unsigned worker) {
        for (std::size_t i = folderStarts[folder];
             i < folderStarts[folder + 1] && !work.cancelled(); ++i)
            if (write(waiting_[i], workerComparisons_[worker], workerObserver))
                work.finished(waiting_[i].source.size);
    });
    return !work.cancelled();
}

bool CopySession::place()
{
    const bool whole = writeWaiting();
    waiting_.clear();
    waitingBytes_ = 0;
    for (platform::CopyBatch::Placed& placed : batch_.place()) {
        ActionOutcome outcome = FromReplaceResult(placed.result);
        if (!outcome.detail.empty()) // the reason of this copy, not of the batch's last
            outcome.detail = std::move(placed.failure);
        outcome.placedAt = std::move(placed.keptAt);
        outcomes_[placed.tag] = std::move(outcome);
    }
    return whole;
}

ActionOutcome CopySession::makeFolder(const PlannedAction& item, const FileIdentity& source)
{
    if (!source.folder)
        return Failed(ActionFailure::NotAFile);
    if (platform::LookupEntry(item.destination))
        return Failed(ActionFailure::TargetExists);
    if (!platform::CreateFolderWithParents(item.destination))
        return Failed(ActionFailure::System, platform::LastFailureText());
    madeFolders_.emplace_back(item.path, item.destination);
    return Done();
}

void CopySession::finish()
{
    (void)place(); // after a cancel, what was written still takes its place
    batch_.settle();
    // A folder's failure here leaves it with the run's time: its contents are whole.
    for (auto folder = madeFolders_.rbegin(); folder != madeFolders_.rend(); ++folder)
        (void)platform::CopyFolderAttributes(folder->first, folder->second);
    madeFolders_.clear();
}

} // namespace quorvex
