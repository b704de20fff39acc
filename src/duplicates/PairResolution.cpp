#include "duplicates/PairResolution.h"

#include <algorithm>
#include <limits>

namespace quorvex {

namespace {

constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();
constexpr std::size_t kNowhere = std::numeric_limits<std::size_t>::max();
// What a map entry costs beside its vector's elements.
constexpr std::uint64_t kEntryBytes = 64;

template <class T> std::uint64_t BytesOf(const std::vector<T>& items)
{
    return kEntryBytes + items.capacity() * sizeof(T);
}

} // namespace

// The files of the size order not judged yet, as a tree of minima: which of a range
// comes first in list order.
class PairResolution::EarliestUnjudged
{
public:
    explicit EarliestUnjudged(const std::vector<SweepFile>& files) : files_(files)
    {
        while (leaves_ < files.size())
            leaves_ *= 2;
        nodes_.assign(2 * leaves_, kNone);
        for (std::size_t k = 0; k < files.size(); ++k)
            nodes_[leaves_ + k] = static_cast<std::uint32_t>(k);
        for (std::size_t node = leaves_ - 1; node >= 1; --node)
            nodes_[node] = earlier(nodes_[2 * node], nodes_[2 * node + 1]);
    }

    void remove(std::size_t k)
    {
        std::size_t node = leaves_ + k;
        nodes_[node] = kNone;
        for (node /= 2; node >= 1; node /= 2)
            nodes_[node] = earlier(nodes_[2 * node], nodes_[2 * node + 1]);
    }

    // The file of [first, end) earliest in list order that is not judged, or kNone.
    std::uint32_t earliest(std::size_t first, std::size_t end) const
    {
        std::uint32_t best = kNone;
        for (std::size_t left = first + leaves_, right = end + leaves_; left < right;
             left /= 2, right /= 2) {
            if (left & 1)
                best = earlier(best, nodes_[left++]);
            if (right & 1)
                best = earlier(best, nodes_[--right]);
        }
        return best;
    }

private:
    std::uint32_t earlier(std::uint32_t a, std::uint32_t b) const
    {
        if (a == kNone)
            return b;
        if (b == kNone)
            return a;
        return files_[a].position < files_[b].position ? a : b;
    }

    const std::vector<SweepFile>& files_;
    std::size_t leaves_ = 1;
    std::vector<std::uint32_t> nodes_;
};

PairResolution::PairResolution(const std::vector<SweepFile>& files,
                               const std::vector<std::size_t>& low,
                               const std::vector<std::size_t>& high, MemoryAccount& account)
    : files_(files), low_(low), high_(high), account_(account),
      claimed_(new std::atomic<bool>[files.size()]), fate_(files.size(), Fate::Open),
      judged_(files.size(), 0), claimer_(files.size(), kNone), percent_(files.size(), -1),
      classOf_(files.size(), -1), unjudged_(std::make_unique<EarliestUnjudged>(files))
{
    for (std::size_t k = 0; k < files.size(); ++k)
        claimed_[k].store(false, std::memory_order_relaxed);
}

PairResolution::~PairResolution()
{
    account_.remove(heldBytes_);
}

bool PairResolution::isFree(std::size_t k) const
{
    const std::lock_guard lock(mutex_);
    return fate_[k] == Fate::Free;
}

void PairResolution::joinClass(std::size_t k, std::size_t contentClass, int selfPercent)
{
    const std::lock_guard lock(mutex_);
    if (contentClass >= classes_.size())
        classes_.resize(contentClass + 1);
    ContentClass& joined = classes_[contentClass];
    joined.members.push_back(static_cast<std::uint32_t>(k));
    joined.selfPercent = selfPercent;
    classOf_[k] = static_cast<std::int32_t>(contentClass);
}

void PairResolution::judged(std::size_t k, const std::vector<FoundMatch>& matches)
{
    const std::lock_guard lock(mutex_);
    for (const FoundMatch& match : matches)
        hold(match.later, match);
    judged_[k] = 1;
    unjudged_->remove(k);
    toDecide_.push_back(static_cast<std::uint32_t>(k));
    wake(k); // the files it kept open
    while (!toDecide_.empty()) {
        const std::uint32_t next = toDecide_.back();
        toDecide_.pop_back();
        decide(next);
    }
}

void PairResolution::forgetHeldPairs()
{
    const std::lock_guard lock(mutex_);
    account_.remove(heldBytes_);
    heldBytes_ = 0;
    held_ = {};
    waiting_ = {};
}

void PairResolution::claim(std::size_t member, std::size_t reference, int percent)
{
    const std::lock_guard lock(mutex_);
    claimer_[member] = static_cast<std::uint32_t>(reference);
    percent_[member] = static_cast<std::int16_t>(percent);
    fate_[member] = Fate::Claimed;
    claimed_[member].store(true, std::memory_order_relaxed);
}

std::uint64_t PairResolution::heldBytes() const
{
    const std::lock_guard lock(mutex_);
    return heldBytes_;
}

// A match concerns the later file's fate only, and only while both are unclaimed.
void PairResolution::hold(std::size_t k, const FoundMatch& match)
{
    if (isClaimed(match.earlier) || fate_[k] != Fate::Open)
        return;
    std::vector<Incoming>& heap = held_[static_cast<std::uint32_t>(k)];
    const std::uint64_t before = heap.capacity() == 0 ? 0 : BytesOf(heap);
    heap.push_back({match.earlier, match.percent});
    std::push_heap(heap.begin(), heap.end(), [this](const Incoming& a, const Incoming& b) {
        return position(a.earlier) > position(b.earlier);
    });
    countHeld(before, BytesOf(heap));
}

void PairResolution::decide(std::size_t k)
{
    if (fate_[k] != Fate::Open || !judged_[k])
        return;
    const std::size_t at = position(k);
    // The smaller files of the window were judged with k; of the larger ones, the
    // earliest in list order that is not judged yet keeps open whatever comes after it.
    std::uint32_t blocker = unjudged_->earliest(k + 1, high_[k] + 1);
    if (blocker != kNone && position(blocker) > at)
        blocker = kNone;
    const std::size_t blockedFrom = blocker == kNone ? kNowhere : position(blocker);

    // The earliest unclaimed earlier file that matches k, held or of k's class.
    std::uint32_t match = kNone;
    int percent = -1;
    if (const auto held = held_.find(static_cast<std::uint32_t>(k)); held != held_.end()) {
        std::vector<Incoming>& heap = held->second;
        while (!heap.empty() && isClaimed(heap.front().earlier)) {
            std::pop_heap(heap.begin(), heap.end(), [this](const Incoming& a, const Incoming& b) {
                return position(a.earlier) > position(b.earlier);
            });
            heap.pop_back();
        }
        if (!heap.empty()) {
            match = heap.front().earlier;
            percent = heap.front().percent;
        }
    }
    if (classOf_[k] >= 0) {
        ContentClass& same = classes_[static_cast<std::size_t>(classOf_[k])];
        while (same.firstUnclaimed < same.members.size() &&
               isClaimed(same.members[same.firstUnclaimed]))
            ++same.firstUnclaimed;
        if (same.selfPercent >= 0 && same.firstUnclaimed < same.members.size()) {
            const std::uint32_t first = same.members[same.firstUnclaimed];
            if (position(first) < at && (match == kNone || position(first) < position(match))) {
                match = first;
                percent = same.selfPercent;
            }
        }
    }

    std::uint32_t waitFor = blocker;
    if (match != kNone && position(match) < blockedFrom) {
        if (fate_[match] == Fate::Free) {
            claimer_[k] = match;
            percent_[k] = static_cast<std::int16_t>(percent);
            settle(k, Fate::Claimed);
            return;
        }
        waitFor = match; // its own fate is still open
    }
    if (waitFor == kNone) {
        settle(k, Fate::Free);
        return;
    }
    std::vector<std::uint32_t>& waiting = waiting_[waitFor];
    const std::uint64_t before = waiting.capacity() == 0 ? 0 : BytesOf(waiting);
    waiting.push_back(static_cast<std::uint32_t>(k));
    countHeld(before, BytesOf(waiting));
}

void PairResolution::settle(std::size_t k, Fate fate)
{
    fate_[k] = fate;
    if (fate == Fate::Claimed)
        claimed_[k].store(true, std::memory_order_relaxed);
    dropHeld(k);
    wake(k);
}

void PairResolution::wake(std::size_t k)
{
    const auto waiting = waiting_.find(static_cast<std::uint32_t>(k));
    if (waiting == waiting_.end())
        return;
    toDecide_.insert(toDecide_.end(), waiting->second.begin(), waiting->second.end());
    countHeld(BytesOf(waiting->second), 0);
    waiting_.erase(waiting);
}

void PairResolution::dropHeld(std::size_t k)
{
    const auto held = held_.find(static_cast<std::uint32_t>(k));
    if (held == held_.end())
        return;
    countHeld(BytesOf(held->second), 0);
    held_.erase(held);
}

void PairResolution::countHeld(std::uint64_t before, std::uint64_t now)
{
    heldBytes_ = heldBytes_ - before + now;
    account_.change(before, now);
}

std::size_t PairResolution::firstIncompletePosition() const
{
    const std::lock_guard lock(mutex_);
    std::vector<std::size_t> openBefore(files_.size() + 1, 0);
    for (std::size_t k = 0; k < files_.size(); ++k)
        openBefore[k + 1] = openBefore[k] + (fate_[k] == Fate::Open ? 1 : 0);
    std::size_t first = kNowhere;
    for (std::size_t k = 0; k < files_.size(); ++k) {
        const bool incomplete =
            fate_[k] == Fate::Open ||
            (fate_[k] == Fate::Free && openBefore[high_[k] + 1] > openBefore[low_[k]]);
        if (incomplete)
            first = std::min(first, position(k));
    }
    return first;
}

void PairResolution::label(DupList& list, std::size_t lastReference) const
{
    const std::lock_guard lock(mutex_);
    for (std::size_t k = 0; k < files_.size(); ++k) {
        if (fate_[k] != Fate::Claimed || position(claimer_[k]) > lastReference)
            continue;
        const std::size_t reference = position(claimer_[k]);
        const auto group = static_cast<std::uint32_t>(reference + 1);
        list[position(k)].content = percent_[k];
        list[position(k)].group = group;
        list[reference].content = kContentReference;
        list[reference].group = group;
    }
}

} // namespace quorvex
