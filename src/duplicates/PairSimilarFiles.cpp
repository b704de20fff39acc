// Similar files, each read once. A file can only match files whose sizes lie in
// its size window, so the files are swept from small to large: the contents of the
// files in the current window are held in memory, and every pair in it is judged
// once, on every core, giving the set of matching pairs. The pairwise rule (the
// earliest unclaimed file is the reference; each later unclaimed file that
// matches it joins) is then resolved in list order from that set, which gives the
// groups that judging pair after pair in list order gives.

#include <algorithm>
#include <atomic>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "common/ContentCompare.h"
#include "common/ContentImage.h"
#include "duplicates/DupPairing.h"
#include "duplicates/SizeWindow.h"
#include "duplicates/WorkerPool.h"

namespace quorvex {

namespace {

// Where a file's contents are while the sweep passes its size.
enum class Residence : std::uint8_t
{
    NotLoaded,
    InMemory,
    OnDisk,     // compared by reading it again: it did not fit the budget
    Unreadable, // could not be opened: it matches nothing
};

struct Member
{
    std::uint64_t size; // as listed
    std::size_t position;
};

struct Match
{
    std::size_t reference; // the earlier of the two in list order: file A
    std::size_t member;
    int percent;
    bool operator<(const Match& other) const
    {
        return reference != other.reference ? reference < other.reference : member < other.member;
    }
};

// What a cancel asks of the workers, also inside a comparison read from disk.
class StopObserver : public RunObserver
{
public:
    explicit StopObserver(const std::atomic<bool>& stop) : stop_(stop) {}
    bool cancelRequested() const override { return stop_.load(std::memory_order_relaxed); }

private:
    const std::atomic<bool>& stop_;
};

// One worker's reusable state: read buffers for comparisons from disk, and the
// results of the current file against each content class it met (per role).
struct Scratch
{
    std::unique_ptr<ContentBuffers> buffers;
    std::vector<int> percentOfClass;
    std::vector<std::size_t> stampOfClass;
};

class SimilaritySweep
{
public:
    SimilaritySweep(DupList& list, const SimilarityOptions& options, RunObserver& observer)
        : list_(list), threshold_(options.threshold), budget_(options.contentBudget),
          observer_(observer), pool_(options.threads), scratch_(pool_.size()), stopObserver_(stop_)
    {
    }

    void run();

private:
    void buildOrder();
    std::size_t batchEnd(std::size_t first) const;
    void holdWindow(std::size_t first, std::size_t end);
    void release(std::size_t k);
    void classify(std::size_t k);
    void judgeAgainstWindow(std::size_t k, unsigned worker);
    int judge(std::size_t a, std::size_t b, Scratch& scratch);
    void whileWaiting();
    void resolve();
    bool judgedFully(std::size_t position) const;

    DupList& list_;
    const int threshold_;
    const std::uint64_t budget_;
    RunObserver& observer_;
    WorkerPool pool_;
    std::vector<Scratch> scratch_;
    std::atomic<bool> stop_{false};
    StopObserver stopObserver_;

    std::vector<Member> order_;         // by size, then list position
    std::vector<std::size_t> lowIndex_; // first file in order_ whose size ratio with file k passes
    std::vector<std::uint64_t> costUpTo_; // memory of the images of order_[0, k)
    std::vector<Residence> residence_;
    std::vector<ContentImage> images_;
    std::vector<int> classOf_; // content class of an image in memory, else -1
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> classLeaders_;
    int classCount_ = 0;
    std::size_t released_ = 0;        // every image below this index in order_ is released
    std::uint64_t releasedBytes_ = 0; // since the allocator last gave memory back

    std::vector<std::vector<Match>> matches_; // found while judging file k
    std::vector<std::uint8_t> judged_;        // file k judged against its whole window
    std::atomic<std::uint64_t> pairsJudged_{0};
    std::uint64_t pairsInAll_ = 0;
    std::size_t firstUnjudged_ = 0; // after a cancel: files in order_ before it are judged
};

void SimilaritySweep::run()
{
    buildOrder();
    whileWaiting();
    for (std::size_t first = 0; first < order_.size() && !stop_;) {
        const std::size_t end = batchEnd(first);
        holdWindow(first, end);
        for (Scratch& scratch : scratch_) {
            scratch.percentOfClass.resize(2 * static_cast<std::size_t>(classCount_));
            scratch.stampOfClass.resize(2 * static_cast<std::size_t>(classCount_));
        }
        pool_.run(
            end - first,
            [this, first](std::size_t item, unsigned worker) {
                judgeAgainstWindow(first + item, worker);
            },
            [this] { whileWaiting(); });
        first = end;
        whileWaiting();
    }
    images_.clear();
    resolve();
}

void SimilaritySweep::buildOrder()
{
    for (std::size_t i = 0; i < list_.size(); ++i)
        if (list_[i].size > 0 && list_[i].group == 0)
            order_.push_back({list_[i].size, i});
    std::sort(order_.begin(), order_.end(), [](const Member& x, const Member& y) {
        return x.size != y.size ? x.size < y.size : x.position < y.position;
    });
    const std::size_t n = order_.size();
    lowIndex_.resize(n);
    costUpTo_.assign(n + 1, 0);
    // The files that pass the size filter with file k are a run in order_:
    // floor(size * 100 / size_k) >= T exactly when size * 100 >= T * size_k.
    using Wide = unsigned __int128;
    for (std::size_t k = 0, low = 0; k < n; ++k) {
        while (Wide(order_[low].size) * 100 < Wide(order_[k].size) * threshold_)
            ++low;
        lowIndex_[k] = low;
        pairsInAll_ += k - low;
        costUpTo_[k + 1] = costUpTo_[k] + ContentImageCost(order_[k].size);
    }
    residence_.assign(n, Residence::NotLoaded);
    images_.resize(n);
    classOf_.assign(n, -1);
    matches_.resize(n);
    judged_.assign(n, 0);
}

// The files judged in one pass: as many as fit the budget together with every
// file their windows reach back to (at least one).
std::size_t SimilaritySweep::batchEnd(std::size_t first) const
{
    const std::uint64_t base = costUpTo_[lowIndex_[first]];
    std::size_t end = first + 1;
    while (end < order_.size() && costUpTo_[end + 1] - base <= budget_)
        ++end;
    return end;
}

// Releases the images below the window of `first` and reads those of the files
// the batch [first, end) reaches; where they do not all fit, the files nearest
// in size stay in memory and the rest are compared from disk.
void SimilaritySweep::holdWindow(std::size_t first, std::size_t end)
{
    for (; released_ < lowIndex_[first]; ++released_)
        release(released_);
    std::size_t keepFrom = released_;
    while (keepFrom < end && costUpTo_[end] - costUpTo_[keepFrom] > budget_)
        release(keepFrom++);
#if defined(__GLIBC__)
    // The freed images of smaller files leave holes that larger images cannot
    // reuse; hand them back so that the memory in use stays within the budget.
    if (releasedBytes_ > (64u << 20)) {
        ::malloc_trim(0);
        releasedBytes_ = 0;
    }
#endif

    std::vector<std::size_t> toLoad;
    for (std::size_t k = keepFrom; k < end; ++k)
        if (residence_[k] == Residence::NotLoaded)
            toLoad.push_back(k);
    pool_.run(
        toLoad.size(),
        [&](std::size_t item, unsigned) {
            const std::size_t k = toLoad[item];
            if (stop_)
                return;
            const std::string path = list_.RecordPath(list_[order_[k].position]);
            switch (LoadContentImage(path, order_[k].size, images_[k])) {
            case ImageLoad::Loaded:
                residence_[k] = Residence::InMemory;
                break;
            case ImageLoad::CannotOpen:
                residence_[k] = Residence::Unreadable;
                break;
            case ImageLoad::TooLarge:
                images_[k] = ContentImage{};
                residence_[k] = Residence::OnDisk;
                break;
            }
        },
        [this] { whileWaiting(); });
    for (std::size_t k : toLoad)
        if (residence_[k] == Residence::InMemory)
            classify(k);
}

void SimilaritySweep::release(std::size_t k)
{
    if (residence_[k] == Residence::InMemory) {
        auto leaders = classLeaders_.find(images_[k].digest);
        if (leaders != classLeaders_.end())
            std::erase(leaders->second, k);
        releasedBytes_ += ContentImageCost(order_[k].size);
        images_[k] = ContentImage{};
    }
    if (residence_[k] != Residence::Unreadable)
        residence_[k] = Residence::OnDisk;
    classOf_[k] = -1;
}

// Files with identical contents share a class: they score alike against any file.
void SimilaritySweep::classify(std::size_t k)
{
    std::vector<std::size_t>& leaders = classLeaders_[images_[k].digest];
    for (std::size_t leader : leaders)
        if (SameContent(images_[leader], images_[k])) {
            classOf_[k] = classOf_[leader];
            return;
        }
    leaders.push_back(k);
    classOf_[k] = classCount_++;
}

// Judges file k against every file before it in size order that passes the size
// filter with it, each pair with the earlier file in list order as file A.
void SimilaritySweep::judgeAgainstWindow(std::size_t k, unsigned worker)
{
    Scratch& scratch = scratch_[worker];
    const Member& y = order_[k];
    const bool yInMemory = residence_[k] == Residence::InMemory;
    for (std::size_t x = lowIndex_[k]; x < k; ++x) {
        if (stop_.load(std::memory_order_relaxed))
            return;
        const bool xFirst = order_[x].position < y.position;
        int percent;
        if (yInMemory && classOf_[x] >= 0) {
            const std::size_t slot = 2 * static_cast<std::size_t>(classOf_[x]) + (xFirst ? 1 : 0);
            if (scratch.stampOfClass[slot] != k + 1) {
                scratch.percentOfClass[slot] = xFirst ? judge(x, k, scratch) : judge(k, x, scratch);
                scratch.stampOfClass[slot] = k + 1;
            }
            percent = scratch.percentOfClass[slot];
        } else {
            percent = xFirst ? judge(x, k, scratch) : judge(k, x, scratch);
        }
        // A comparison from disk that a cancel cut short may show a wrong percentage.
        if (percent >= threshold_ && !stop_) {
            const std::size_t a = xFirst ? x : k, b = xFirst ? k : x;
            matches_[k].push_back({order_[a].position, order_[b].position, percent});
        }
    }
    if (stop_)
        return;
    judged_[k] = 1;
    pairsJudged_ += k - lowIndex_[k];
}

// File a (as A) against file b: the percentage, or -1 when it stays below the
// threshold or a file cannot be opened.
int SimilaritySweep::judge(std::size_t a, std::size_t b, Scratch& scratch)
{
    if (residence_[a] == Residence::Unreadable || residence_[b] == Residence::Unreadable)
        return -1;
    if (residence_[a] == Residence::InMemory && residence_[b] == Residence::InMemory)
        return MatchAtThreshold(images_[a], images_[b], threshold_).value_or(-1);
    if (!scratch.buffers)
        scratch.buffers = std::make_unique<ContentBuffers>();
    const std::string pathB = list_.RecordPath(list_[order_[b].position]);
    int percent = -1;
    if (residence_[a] == Residence::InMemory)
        CompareImageWithFile(images_[a], pathB, threshold_, percent, *scratch.buffers,
                             stopObserver_);
    else
        CompareContents(list_.RecordPath(list_[order_[a].position]), pathB, threshold_, percent,
                        *scratch.buffers, stopObserver_);
    return percent;
}

void SimilaritySweep::whileWaiting()
{
    observer_.pumpMessages();
    if (observer_.cancelRequested())
        stop_ = true;
    if (pairsInAll_ > 0 && list_.size() > 1)
        observer_.setOverallPosition(
            static_cast<std::uint64_t>(static_cast<unsigned __int128>(pairsJudged_.load()) *
                                       (list_.size() - 1) / pairsInAll_));
}

// After a cancel only the files in size order before the first one not fully
// judged have all their pairs judged; a reference is judged fully when its whole
// size window lies among them.
bool SimilaritySweep::judgedFully(std::size_t position) const
{
    if (!stop_)
        return true;
    const std::uint64_t high = SizeWindow(list_[position].size, threshold_).second;
    const auto past =
        std::upper_bound(order_.begin(), order_.end(), high,
                         [](std::uint64_t size, const Member& m) { return size < m.size; });
    return static_cast<std::size_t>(past - order_.begin()) <= firstUnjudged_;
}

void SimilaritySweep::resolve()
{
    std::vector<Match> all;
    for (std::vector<Match>& found : matches_)
        all.insert(all.end(), found.begin(), found.end());
    std::sort(all.begin(), all.end());
    firstUnjudged_ =
        static_cast<std::size_t>(std::find(judged_.begin(), judged_.end(), 0) - judged_.begin());

    std::vector<bool> claimed(list_.size(), false);
    auto next = all.begin();
    for (std::size_t i = 0; i < list_.size(); ++i) {
        TDupRecord& reference = list_[i];
        if (claimed[i] || reference.group != 0 || reference.size == 0)
            continue;
        const auto label = static_cast<std::uint32_t>(i + 1);
        next = std::lower_bound(next, all.end(), Match{i, 0, 0});
        bool found = false;
        for (; next != all.end() && next->reference == i; ++next) {
            if (claimed[next->member])
                continue;
            claimed[next->member] = true;
            list_[next->member].content = static_cast<std::int16_t>(next->percent);
            list_[next->member].group = label;
            found = true;
        }
        if (found) {
            reference.content = kContentReference;
            reference.group = label;
        }
        if (!judgedFully(i))
            break; // the group in progress at the cancel, kept when it has a member
    }
}

} // namespace

void PairSimilarFiles(DupList& list, const SimilarityOptions& options, RunObserver& observer)
{
    SimilaritySweep(list, options, observer).run();
}

} // namespace quorvex
