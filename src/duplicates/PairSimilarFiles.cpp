// Similar files, each read once. A file can only match files whose sizes lie in
// its size window, so the files are swept from small to large: the contents of the
// files in the current window are held in memory, and each pair in it that can
// still matter is judged once, on every core. The pairwise rule (the earliest
// unclaimed file is the reference; each later unclaimed file that matches it joins)
// is decided as the judgements come in (PairResolution), so that a matching pair is
// held only while it can still change a decision and a claimed file is never judged
// again. Files of identical contents form one class, judged once for all.
//
// Beside the contents, the sweep keeps a sketch of every file of the window (two
// bits per word, a sixteenth of its size) in one block of its own, in size order:
// most pairs are ruled out by reading the two sketches, one after the other in
// memory, and a file whose contents did not fit is read from disk again only for
// the pairs its sketch lets through.
//
// With the scan cache, a file whose sketch the cache holds is not read for it, and
// is read at all only when the sketches let a pair of its batch through; two files
// whose whole contents the cache knows to be equal score 100 unread.
//
// Everything held beyond the list is counted (MemoryAccount): the contents and the
// sketches stay within their budget, the held pairs and the workers' tables within
// theirs. Should the held pairs outgrow it (an order of names and sizes that keeps
// many decisions open), the sweep stops and the files still open are paired
// reference by reference from disk, which holds no pairs at all: slower, the same
// groups.

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <mutex>
#include <numeric>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "common/ContentCompare.h"
#include "common/ContentImage.h"
#include "common/WorkerPool.h"
#include "duplicates/DupPairing.h"
#include "duplicates/ImageRing.h"
#include "duplicates/MemoryAccount.h"
#include "duplicates/PairResolution.h"
#include "duplicates/SweepCache.h"
#include "platform/FailureReason.h"

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

// What the workers hear from the comparisons they run: the stop request, and the
// files that could not be read, kept for the calling thread to tell.
class WorkerObserver : public RunObserver
{
public:
    explicit WorkerObserver(const std::atomic<bool>& stop) : stop_(stop) {}
    bool cancelRequested() const override { return stop_.load(std::memory_order_relaxed); }
    void cannotRead(const std::string& path, const std::string& reason) override
    {
        const std::lock_guard lock(mutex_);
        unread_.emplace_back(path, reason);
    }
    std::vector<std::pair<std::string, std::string>> takeUnread()
    {
        const std::lock_guard lock(mutex_);
        return std::exchange(unread_, {});
    }

private:
    const std::atomic<bool>& stop_;
    std::mutex mutex_;
    std::vector<std::pair<std::string, std::string>> unread_;
};

// One worker's reusable state, made when the worker first takes an item: read
// buffers for comparisons from disk, the files of each window that the sketches
// let through, the results of the file being judged against each class of several
// files it met (per role), and the matches it found.
struct Scratch
{
    std::unique_ptr<ContentBuffers> buffers;
    std::vector<std::vector<std::uint32_t>> candidates; // per file of the run judged
    std::unordered_map<std::uint64_t, int> percentOfClass;
    std::vector<FoundMatch> matches;
    std::uint64_t tableBytes = 0; // of the tables and the matches, as last counted

    std::uint64_t bytesOfTables() const
    {
        std::uint64_t bytes = percentOfClass.bucket_count() * sizeof(void*) +
                              percentOfClass.size() * 32 + matches.capacity() * sizeof(FoundMatch);
        for (const auto& files : candidates)
            bytes += sizeof(files) + files.capacity() * sizeof(std::uint32_t);
        return bytes;
    }
};

// The files judged by one worker item: their sketches are compared with each
// earlier file's while that file's sketch is in the processor's cache.
constexpr std::size_t kFilesPerItem = 16;

constexpr std::uint64_t kBufferBytes = sizeof(ContentBuffers) + 2 * ContentBuffers::kWords * 4;

// The sketch of a file of this size, in places of the ring's 64-byte grain.
std::uint64_t SketchPlaceCost(std::uint64_t size)
{
    return (ContentSketchCost(size) + 63) / 64 * 64;
}

class SimilaritySweep
{
public:
    SimilaritySweep(DupList& list, const SimilarityOptions& options, RunObserver& observer)
        : list_(list), threshold_(options.threshold), pairBudget_(options.pairBudget),
          contentBudget_(options.contentBudget), cache_(options.cache), observer_(observer),
          pool_(options.threads), scratch_(pool_.size()), workerObserver_(halt_)
    {
    }
    ~SimilaritySweep();

    SimilarityOutcome run();

private:
    void buildOrder();
    std::size_t batchEnd(std::size_t first) const;
    void holdWindow(std::size_t first, std::size_t end);
    bool placeImage(std::size_t k);
    void placeSketch(std::size_t k);
    void settleFromSketches(std::size_t first, std::size_t end);
    bool isSettled(std::size_t k) const
    {
        return k >= batchFirst_ && k - batchFirst_ < settled_.size() && settled_[k - batchFirst_];
    }
    void load(std::size_t k, Scratch& scratch);
    void release(std::size_t k);
    void dropSketch(std::size_t k);
    void classify(std::size_t k);
    void judgeRun(std::size_t first, std::size_t end, unsigned worker);
    void collectCandidates(std::size_t first, std::size_t end, Scratch& scratch);
    bool sketchesMayMatch(std::size_t x, std::size_t k) const;
    bool pairMayMatch(std::size_t x, std::size_t k) const;
    void judgeAgainstWindow(std::size_t k, const std::vector<std::uint32_t>& candidates,
                            Scratch& scratch);
    int judge(std::size_t a, std::size_t b, Scratch& scratch);
    Scratch& scratchFor(unsigned worker);
    ContentBuffers& buffersOf(Scratch& scratch);
    std::size_t pairFromDisk();
    void whileWaiting();
    void tellUnread();
    bool halted() const { return halt_.load(std::memory_order_relaxed); }

    DupList& list_;
    const int threshold_;
    const std::uint64_t pairBudget_;
    const std::uint64_t contentBudget_;
    std::uint64_t imageBudget_ = 0; // the part of the contents budget that holds images
    const ContentCache* cache_;
    RunObserver& observer_;
    WorkerPool pool_;
    std::vector<std::unique_ptr<Scratch>> scratch_; // one slot per worker
    std::atomic<bool> halt_{false};                 // cancelled, or the pairs overflowed
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> overflowed_{false};
    WorkerObserver workerObserver_;
    std::unordered_set<std::string> told_; // files told as unreadable
    MemoryAccount account_;
    std::atomic<std::uint64_t> tableBytes_{0}; // of all workers' tables

    std::vector<SweepFile> order_;       // by size, then list position
    std::vector<std::size_t> lowIndex_;  // first file in order_ whose size ratio with file k passes
    std::vector<std::size_t> highIndex_; // last such file
    std::vector<std::uint64_t> costUpTo_; // memory of the images of order_[0, k)
    std::vector<Residence> residence_;
    std::unique_ptr<ImageRing> ring_;
    std::vector<std::byte*> room_;      // of each file whose image has a place in the ring
    std::vector<std::uint64_t> ticket_; // of that place
    std::vector<ContentImage> images_;
    std::unique_ptr<ImageRing> sketchRing_;
    std::vector<std::uint64_t*> sketchRoom_; // of each file whose sketch has a place
    std::vector<std::uint64_t> sketchTicket_;
    std::vector<ContentSketch> sketches_; // fields null where a file has none
    std::vector<int> classOf_;            // content class of a file once read into memory, else -1
    std::vector<int> selfPercent_;        // of each class against itself, -1 below the threshold
    std::vector<std::size_t> classSize_;  // files of each class
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> classLeaders_; // in memory
    std::size_t released_ = 0;   // every image below this index in order_ is released
    std::size_t oldestHeld_ = 0; // no image below this index in order_ is in memory
    std::unique_ptr<PairResolution> resolution_;
    std::unique_ptr<SweepCache> known_; // what the scan cache knows of order_
    // Of the files of the batch from batchFirst_, those whose sketch the cache gave and
    // that have no pair in the batch but of the same contents: they are not read.
    std::size_t batchFirst_ = 0;
    std::vector<char> settled_;

    std::atomic<std::uint64_t> pairsJudged_{0};
    std::uint64_t pairsInAll_ = 0;
};

SimilaritySweep::~SimilaritySweep()
{
    for (auto& scratch : scratch_)
        if (scratch)
            account_.remove(scratch->tableBytes + (scratch->buffers ? kBufferBytes : 0));
}

SimilarityOutcome SimilaritySweep::run()
{
    buildOrder();
    resolution_ = std::make_unique<PairResolution>(order_, lowIndex_, highIndex_, account_);
    whileWaiting();
    for (std::size_t first = 0; first < order_.size() && !halted();) {
        const std::size_t end = batchEnd(first);
        holdWindow(first, end);
        pool_.run((end - first + kFilesPerItem - 1) / kFilesPerItem,
                  [this, first, end](std::size_t item, unsigned worker) {
                      const std::size_t from = first + item * kFilesPerItem;
                      judgeRun(from, std::min(end, from + kFilesPerItem), worker);
                  },
                  [this] { whileWaiting(); });
        first = end;
        whileWaiting();
    }
    for (std::size_t k = released_; k < order_.size(); ++k) {
        release(k);
        dropSketch(k);
    }
    std::size_t lastReference = SIZE_MAX;
    if (cancelled_)
        lastReference = resolution_->firstIncompletePosition();
    else if (overflowed_)
        lastReference = pairFromDisk();
    tellUnread();
    resolution_->label(list_, lastReference);
    return {account_.peak(), ring_->peak(), overflowed_.load()};
}

void SimilaritySweep::buildOrder()
{
    for (std::size_t i = 0; i < list_.size(); ++i)
        if (list_[i].size > 0 && list_[i].group == 0)
            order_.push_back({list_[i].size, i});
    std::sort(order_.begin(), order_.end(), [](const SweepFile& x, const SweepFile& y) {
        return x.size != y.size ? x.size < y.size : x.position < y.position;
    });
    const std::size_t n = order_.size();
    lowIndex_.resize(n);
    highIndex_.resize(n);
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
    // The ratio test is symmetric: file x reaches up to the last file whose window
    // begins at or before x.
    for (std::size_t k = n, high = n; k-- > 0;) {
        while (lowIndex_[high - 1] > k)
            --high;
        highIndex_[k] = high - 1;
    }
    // The sketches take an eighth of the contents budget at most: enough for the
    // files of a window of eight times the budget.
    std::uint64_t sketchesInAll = 0;
    for (const SweepFile& file : order_)
        sketchesInAll += SketchPlaceCost(file.size);
    const std::uint64_t sketchBudget = std::min(contentBudget_ / 8, sketchesInAll);
    imageBudget_ = contentBudget_ - sketchBudget;
    known_ = std::make_unique<SweepCache>(cache_, order_);
    residence_.assign(n, Residence::NotLoaded);
    ring_ = std::make_unique<ImageRing>(std::min(imageBudget_, costUpTo_[n]), account_);
    sketchRing_ = std::make_unique<ImageRing>(sketchBudget, account_);
    sketchRoom_.assign(n, nullptr);
    sketchTicket_.assign(n, 0);
    sketches_.resize(n);
    room_.assign(n, nullptr);
    ticket_.assign(n, 0);
    images_.resize(n);
    classOf_.assign(n, -1);
}

// The files judged in one pass: as many as fit the budget together with every
// file their windows reach back to (at least one).
std::size_t SimilaritySweep::batchEnd(std::size_t first) const
{
    const std::uint64_t base = costUpTo_[lowIndex_[first]];
    std::size_t end = first + 1;
    while (end < order_.size() && costUpTo_[end + 1] - base <= imageBudget_)
        ++end;
    return end;
}

// Releases the images and sketches below the window of `first` and reads those of
// the files the batch [first, end) reaches; where the images do not all fit, the
// files nearest in size stay in memory and the rest are compared from disk. Each
// file is read once for its image, or else once for its sketch alone.
void SimilaritySweep::holdWindow(std::size_t first, std::size_t end)
{
    for (; released_ < lowIndex_[first]; ++released_) {
        release(released_);
        dropSketch(released_);
    }
    std::size_t keepFrom = released_;
    while (keepFrom < end && costUpTo_[end] - costUpTo_[keepFrom] > imageBudget_)
        release(keepFrom++);

    // The batch's sketches, placed in size order so that they let go in the order they
    // came (the batches follow each other).
    for (std::size_t k = first; k < end; ++k)
        placeSketch(k);
    known_->takeSketches(first, end, sketchRoom_, sketches_);
    settleFromSketches(first, end);

    std::vector<std::size_t> toLoad;
    for (std::size_t k = keepFrom; k < end; ++k) {
        if (residence_[k] != Residence::NotLoaded)
            continue;
        if (isSettled(k))
            residence_[k] = Residence::OnDisk;
        else if (placeImage(k))
            toLoad.push_back(k);
    }
    for (std::size_t k = first; k < end; ++k)
        if (sketchRoom_[k] != nullptr && residence_[k] == Residence::OnDisk &&
            !known_->sketchTaken(k))
            toLoad.push_back(k);
    pool_.run(
        toLoad.size(),
        [&](std::size_t item, unsigned worker) { load(toLoad[item], scratchFor(worker)); },
        [this] { whileWaiting(); });
    for (std::size_t k : toLoad) {
        if (room_[k] == nullptr)
            continue; // a sketch read alone
        room_[k] = nullptr;
        if (residence_[k] == Residence::InMemory)
            classify(k);
        else
            ring_->letGo(ticket_[k]);
    }
}

// Gives file k's image a place in the ring, letting the oldest images held go
// (they are compared from disk) where the ring's end leaves too little room.
// False when even that leaves none: file k is compared from disk.
bool SimilaritySweep::placeImage(std::size_t k)
{
    for (;;) {
        const ImageRing::Place place = ring_->place(ContentImageCost(order_[k].size));
        if (place.memory != nullptr) {
            room_[k] = place.memory;
            ticket_[k] = place.ticket;
            return true;
        }
        while (oldestHeld_ < k && residence_[oldestHeld_] != Residence::InMemory &&
               residence_[oldestHeld_] != Residence::NotLoaded)
            ++oldestHeld_;
        // Only the images of earlier passes can go; this pass's are still to be read.
        if (residence_[oldestHeld_] != Residence::InMemory) {
            residence_[k] = Residence::OnDisk;
            return false;
        }
        release(oldestHeld_);
    }
}

// A place in the sketch block for file k, when it has room (file k has no sketch
// otherwise, and its pairs are judged on their contents alone).
void SimilaritySweep::placeSketch(std::size_t k)
{
    const ImageRing::Place place = sketchRing_->place(SketchPlaceCost(order_[k].size));
    if (place.memory == nullptr)
        return;
    sketchRoom_[k] = reinterpret_cast<std::uint64_t*>(place.memory);
    sketchTicket_[k] = place.ticket;
}

// Finds the files of the batch [first, end) that need not be read: those whose sketch
// came from the cache and whose pairs in the batch the sketches rule out, or the cache
// knows to be of the same contents. Every such pair is looked at here, so the judging
// need not look at it again.
void SimilaritySweep::settleFromSketches(std::size_t first, std::size_t end)
{
    batchFirst_ = first;
    settled_.clear();
    std::vector<std::atomic<bool>> needed(end - first);
    bool anyTaken = false;
    for (std::size_t k = first; k < end; ++k) {
        needed[k - first] = !known_->sketchTaken(k);
        anyTaken = anyTaken || known_->sketchTaken(k);
    }
    if (!anyTaken)
        return;
    // A file of an earlier batch was read, or judged from disk, already.
    const auto isNeeded = [&](std::size_t x) {
        return x < first || needed[x - first].load(std::memory_order_relaxed);
    };
    pool_.run(
        end - first,
        [&](std::size_t item, unsigned) {
            const std::size_t k = first + item;
            for (std::size_t x = lowIndex_[k]; x < k; ++x) {
                if (halted())
                    return;
                if ((isNeeded(k) && isNeeded(x)) || known_->sameContents(x, k) ||
                    !sketchesMayMatch(x, k))
                    continue;
                needed[item].store(true, std::memory_order_relaxed);
                if (x >= first)
                    needed[x - first].store(true, std::memory_order_relaxed);
            }
        },
        [this] { whileWaiting(); });
    if (halted())
        return; // a pass cut short proves nothing
    settled_.resize(end - first);
    for (std::size_t item = 0; item < settled_.size(); ++item)
        settled_[item] = !needed[item];
}

// Reads file k's image into its place in the ring and copies its sketch out, or,
// with no place in the ring, reads its sketch alone.
void SimilaritySweep::load(std::size_t k, Scratch& scratch)
{
    if (halted())
        return;
    const std::string path = list_.RecordPath(list_[order_[k].position]);
    if (room_[k] == nullptr) {
        // A file that fails to read here fails in its comparisons too, and is told there.
        if (LoadContentSketch(path, order_[k].size, buffersOf(scratch), sketchRoom_[k],
                              sketches_[k]) != ImageLoad::Loaded)
            sketches_[k] = ContentSketch{};
        else
            known_->keepSketch(k, sketches_[k]);
        return;
    }
    ContentImage& image = images_[k];
    switch (LoadContentImage(path, order_[k].size, room_[k], image)) {
    case ImageLoad::ReadFailed:
        workerObserver_.cannotRead(path, platform::LastFailureText());
        residence_[k] = Residence::InMemory;
        break;
    case ImageLoad::Loaded:
        residence_[k] = Residence::InMemory;
        if (!known_->sketchTaken(k))
            known_->keepImage(k, image);
        if (sketchRoom_[k] != nullptr) {
            std::memcpy(sketchRoom_[k], image.fields, ContentSketchBytes(image.readable));
            sketches_[k] = {image.length, image.readable, sketchRoom_[k]};
        }
        break;
    case ImageLoad::CannotOpen:
        workerObserver_.cannotRead(path, platform::LastFailureText());
        residence_[k] = Residence::Unreadable;
        break;
    case ImageLoad::TooLarge:
        image = ContentImage{};
        residence_[k] = Residence::OnDisk;
        break;
    }
}

void SimilaritySweep::dropSketch(std::size_t k)
{
    if (sketchRoom_[k] == nullptr)
        return;
    sketchRing_->letGo(sketchTicket_[k]);
    sketchRoom_[k] = nullptr;
    sketches_[k] = ContentSketch{};
}

void SimilaritySweep::release(std::size_t k)
{
    if (residence_[k] == Residence::InMemory) {
        auto leaders = classLeaders_.find(images_[k].digest);
        if (leaders != classLeaders_.end())
            std::erase(leaders->second, k);
        ring_->letGo(ticket_[k]);
        images_[k] = ContentImage{};
    }
    if (residence_[k] != Residence::Unreadable)
        residence_[k] = Residence::OnDisk;
}

// Files with identical contents share a class: they score alike against any file,
// and with each other as the contents score with themselves.
void SimilaritySweep::classify(std::size_t k)
{
    std::vector<std::size_t>& leaders = classLeaders_[images_[k].digest];
    for (std::size_t leader : leaders)
        if (SameContent(images_[leader], images_[k])) {
            classOf_[k] = classOf_[leader];
            ++classSize_[static_cast<std::size_t>(classOf_[k])];
            resolution_->joinClass(k, static_cast<std::size_t>(classOf_[k]),
                                   selfPercent_[static_cast<std::size_t>(classOf_[k])]);
            return;
        }
    leaders.push_back(k);
    classOf_[k] = static_cast<int>(selfPercent_.size());
    selfPercent_.push_back(MatchAtThreshold(images_[k], images_[k], threshold_).value_or(-1));
    classSize_.push_back(1);
    resolution_->joinClass(k, static_cast<std::size_t>(classOf_[k]), selfPercent_.back());
}

void SimilaritySweep::judgeRun(std::size_t first, std::size_t end, unsigned worker)
{
    Scratch& scratch = scratchFor(worker);
    collectCandidates(first, end, scratch);
    for (std::size_t k = first; k < end; ++k)
        judgeAgainstWindow(k, scratch.candidates[k - first], scratch);
}

// For each file k of [first, end), the files before it in size order that pass
// the size filter with it, can still matter (not claimed, not of k's class) and
// are not ruled out by the two sketches. The earlier file is the outer loop, so
// that its sketch is read from memory once for the whole run.
void SimilaritySweep::collectCandidates(std::size_t first, std::size_t end, Scratch& scratch)
{
    scratch.candidates.resize(end - first);
    for (auto& files : scratch.candidates)
        files.clear();
    for (std::size_t x = lowIndex_[first]; x + 1 < end; ++x) {
        if (halted())
            return;
        if (resolution_->isClaimed(x))
            continue;
        for (std::size_t k = std::max(first, x + 1); k < end && lowIndex_[k] <= x; ++k)
            if ((classOf_[x] < 0 || classOf_[x] != classOf_[k]) && pairMayMatch(x, k))
                scratch.candidates[k - first].push_back(static_cast<std::uint32_t>(x));
    }
}

// False when both files have sketches and these prove that the pair, the earlier
// file in list order as file A, stays below the threshold.
bool SimilaritySweep::sketchesMayMatch(std::size_t x, std::size_t k) const
{
    const ContentSketch& sx = sketches_[x];
    const ContentSketch& sk = sketches_[k];
    if (sx.fields == nullptr || sk.fields == nullptr)
        return true;
    return order_[x].position < order_[k].position ? SketchesMayReach(sx, sk, threshold_)
                                                   : SketchesMayReach(sk, sx, threshold_);
}

// Whether the pair of file x and the later file k of the batch must be judged: a pair
// with a settled file only when the cache knows them to be of the same contents.
bool SimilaritySweep::pairMayMatch(std::size_t x, std::size_t k) const
{
    if (isSettled(k) || isSettled(x))
        return known_->sameContents(x, k);
    return sketchesMayMatch(x, k);
}

// Judges file k against the candidates of its window, each pair with the earlier
// file in list order as file A, and hands the matches on.
void SimilaritySweep::judgeAgainstWindow(std::size_t k,
                                         const std::vector<std::uint32_t>& candidates,
                                         Scratch& scratch)
{
    scratch.percentOfClass.clear();
    scratch.matches.clear();
    const std::size_t y = order_[k].position;
    for (const std::size_t x : candidates) {
        if (halted())
            return;
        if (resolution_->isClaimed(x))
            continue;
        const bool xFirst = order_[x].position < y;
        int percent;
        if (classOf_[x] >= 0 && classSize_[static_cast<std::size_t>(classOf_[x])] > 1) {
            const auto key = 2 * static_cast<std::uint64_t>(classOf_[x]) + (xFirst ? 1 : 0);
            const auto [slot, fresh] = scratch.percentOfClass.try_emplace(key, -1);
            if (fresh)
                slot->second = xFirst ? judge(x, k, scratch) : judge(k, x, scratch);
            percent = slot->second;
        } else {
            percent = xFirst ? judge(x, k, scratch) : judge(k, x, scratch);
        }
        // A comparison from disk that a stop cut short may show a wrong percentage.
        if (percent >= threshold_ && !halted())
            scratch.matches.push_back({static_cast<std::uint32_t>(xFirst ? x : k),
                                       static_cast<std::uint32_t>(xFirst ? k : x),
                                       static_cast<std::int16_t>(percent)});
    }
    if (halted())
        return;
    const std::uint64_t tables = scratch.bytesOfTables();
    account_.change(scratch.tableBytes, tables);
    tableBytes_ += tables - scratch.tableBytes;
    scratch.tableBytes = tables;
    pairsJudged_ += k - lowIndex_[k];
    resolution_->judged(k, scratch.matches);
    if (resolution_->heldBytes() + tableBytes_.load() > pairBudget_) {
        overflowed_ = true;
        halt_ = true;
    }
}

// File a (as A) against file b: the percentage, or -1 when it stays below the
// threshold or a file cannot be opened.
int SimilaritySweep::judge(std::size_t a, std::size_t b, Scratch& scratch)
{
    if (residence_[a] == Residence::Unreadable || residence_[b] == Residence::Unreadable)
        return -1;
    if (known_->sameContents(a, b))
        return 100;
    if (residence_[a] == Residence::InMemory && residence_[b] == Residence::InMemory)
        return MatchAtThreshold(images_[a], images_[b], threshold_).value_or(-1);
    ContentBuffers& buffers = buffersOf(scratch);
    const std::string pathB = list_.RecordPath(list_[order_[b].position]);
    int percent = -1;
    if (residence_[a] == Residence::InMemory)
        CompareImageWithFile(images_[a], pathB, threshold_, percent, buffers, workerObserver_);
    else
        CompareContents(list_.RecordPath(list_[order_[a].position]), pathB, threshold_, percent,
                        buffers, workerObserver_);
    return percent;
}

Scratch& SimilaritySweep::scratchFor(unsigned worker)
{
    if (!scratch_[worker])
        scratch_[worker] = std::make_unique<Scratch>();
    return *scratch_[worker];
}

// A worker's read buffers, made (and counted) when it first reads from disk.
ContentBuffers& SimilaritySweep::buffersOf(Scratch& scratch)
{
    if (!scratch.buffers) {
        scratch.buffers = std::make_unique<ContentBuffers>();
        account_.add(kBufferBytes);
    }
    return *scratch.buffers;
}

// The files the sweep left open, paired as the rule reads: reference by reference in
// list order, each against the later unclaimed files of its window, from disk.
// Returns the position of the last reference whose group is complete or in
// progress (SIZE_MAX when all are).
std::size_t SimilaritySweep::pairFromDisk()
{
    resolution_->forgetHeldPairs();
    halt_ = false;
    std::vector<std::size_t> byPosition(order_.size());
    std::iota(byPosition.begin(), byPosition.end(), std::size_t{0});
    std::sort(byPosition.begin(), byPosition.end(), [this](std::size_t x, std::size_t y) {
        return order_[x].position < order_[y].position;
    });
    std::vector<std::size_t> candidates;
    std::vector<int> percents;
    for (std::size_t done = 0; done < byPosition.size(); ++done) {
        const std::size_t reference = byPosition[done];
        if (cancelled_)
            return order_[reference].position;
        if (resolution_->isClaimed(reference))
            continue;
        // A file decided free is matched by no unclaimed file before it.
        candidates.clear();
        for (std::size_t k = lowIndex_[reference]; k <= highIndex_[reference]; ++k)
            if (order_[k].position > order_[reference].position && !resolution_->isClaimed(k) &&
                !resolution_->isFree(k))
                candidates.push_back(k);
        percents.assign(candidates.size(), -1);
        pool_.run(
            candidates.size(),
            [&](std::size_t item, unsigned worker) {
                if (halted())
                    return;
                const int percent = judge(reference, candidates[item], scratchFor(worker));
                if (!halted())
                    percents[item] = percent;
            },
            [this] { whileWaiting(); });
        for (std::size_t item = 0; item < candidates.size(); ++item)
            if (percents[item] >= threshold_)
                resolution_->claim(candidates[item], reference, percents[item]);
        if (list_.size() > 1)
            observer_.setOverallPosition(done * (list_.size() - 1) / byPosition.size());
        whileWaiting();
    }
    return SIZE_MAX;
}

void SimilaritySweep::whileWaiting()
{
    observer_.pumpMessages();
    if (observer_.cancelRequested()) {
        cancelled_ = true;
        halt_ = true;
    }
    tellUnread();
    if (pairsInAll_ > 0 && list_.size() > 1 && !overflowed_)
        observer_.setOverallPosition(
            static_cast<std::uint64_t>(static_cast<unsigned __int128>(pairsJudged_.load()) *
                                       (list_.size() - 1) / pairsInAll_));
}

// Each file that could not be read, told once.
void SimilaritySweep::tellUnread()
{
    for (auto& [path, reason] : workerObserver_.takeUnread())
        if (told_.insert(path).second)
            observer_.cannotRead(path, reason);
}

} // namespace

SimilarityOutcome PairSimilarFiles(DupList& list, const SimilarityOptions& options,
                                   RunObserver& observer)
{
    return SimilaritySweep(list, options, observer).run();
}

} // namespace quorvex
