#include "duplicates/ListingsAhead.h"

#include <algorithm>
#include <utility>

#include "platform/FailureReason.h"

namespace quorvex {

ListingsAhead::ListingsAhead(unsigned helpers)
{
    for (unsigned i = 0; i < helpers; ++i)
        helpers_.emplace_back([this] { help(); });
}

ListingsAhead::~ListingsAhead()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& helper : helpers_)
        helper.join();
}

void ListingsAhead::push(std::string folder)
{
    auto slot = std::make_shared<Slot>();
    slot->listing.folder = std::move(folder);
    {
        const std::lock_guard lock(mutex_);
        stack_.push_back(std::move(slot));
    }
    if (!helpers_.empty())
        changed_.notify_one();
}

bool ListingsAhead::empty() const
{
    const std::lock_guard lock(mutex_);
    return stack_.empty();
}

void ListingsAhead::pop(Listing& out)
{
    std::unique_lock lock(mutex_);
    const std::shared_ptr<Slot> slot = std::move(stack_.back());
    stack_.pop_back();
    if (slot->stage == Stage::Waiting) {
        slot->stage = Stage::Listing;
        lock.unlock();
        List(slot->listing);
    } else {
        changed_.wait(lock, [&] { return slot->stage == Stage::Listed; });
        --ahead_;
        entriesAhead_ -= slot->listing.entries.size();
        lock.unlock();
        changed_.notify_all(); // room ahead for a helper
    }
    topToHelpers_.store(slot->listing.entries.size() >= kBusyWalkEntries,
                        std::memory_order_relaxed);
    std::swap(out, slot->listing);
}

void ListingsAhead::List(Listing& listing)
{
    listing.listed = platform::ListDirectory(listing.folder, listing.entries);
    listing.failure = listing.listed ? std::string() : platform::LastFailureText();
}

// Lists the topmost folder no one has begun among the kListedAhead nearest the top,
// below the top one unless the walk has a large folder's entries to go through.
void ListingsAhead::help()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        std::shared_ptr<Slot> next;
        changed_.wait(lock, [&] {
            if (stopping_)
                return true;
            if (ahead_ >= kListedAhead || entriesAhead_ >= kEntriesAhead)
                return false;
            const std::size_t window = std::min(stack_.size(), kListedAhead);
            const bool top = topToHelpers_.load(std::memory_order_relaxed);
            for (std::size_t k = top ? 0 : 1; k < window; ++k) {
                const std::shared_ptr<Slot>& slot = stack_[stack_.size() - 1 - k];
                if (slot->stage == Stage::Waiting) {
                    next = slot;
                    return true;
                }
            }
            return false;
        });
        if (stopping_)
            return;
        next->stage = Stage::Listing;
        ++ahead_;
        lock.unlock();
        List(next->listing);
        lock.lock();
        next->stage = Stage::Listed;
        entriesAhead_ += next->listing.entries.size();
        changed_.notify_all();
    }
}

} // namespace quorvex
