#pragma once
// The stack of folders a depth-first walk has still to list, listed ahead of the walk
// by helper threads: while the walk looks at one folder's entries, the helpers list
// the folders it will take next (those nearest the top of the stack). The walk takes
// the folders in exactly the order it pushed them, so what it sees does not depend on
// the helpers; a folder no helper has begun is listed by the walk itself. Helpers
// leave the folder on top, which the walk takes next, to the walk: after a small
// folder the walk would only wait for a helper listing it. While the walk goes
// through a large folder's entries, a helper lists the top folder meanwhile. At most
// kListedAhead listings, holding about kEntriesAhead entries, wait ahead of the
// walk, which bounds the memory they hold.

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/FileSystem.h"

namespace quorvex {

class ListingsAhead
{
public:
    // A folder taken from the stack, as ListDirectory saw it.
    struct Listing
    {
        std::string folder;
        bool listed = false;
        std::string failure; // why it could not be listed
        std::vector<platform::DirEntry> entries;
    };

    static constexpr std::size_t kListedAhead = 256;
    static constexpr std::size_t kEntriesAhead = 16384;
    // The entries of a folder that keep the walk busy while a helper lists the next.
    static constexpr std::size_t kBusyWalkEntries = 64;

    explicit ListingsAhead(unsigned helpers);
    ~ListingsAhead();
    ListingsAhead(const ListingsAhead&) = delete;
    ListingsAhead& operator=(const ListingsAhead&) = delete;

    void push(std::string folder);
    bool empty() const;
    // Takes the folder on top of the stack into `out`, with its listing.
    void pop(Listing& out);

private:
    enum class Stage
    {
        Waiting,
        Listing,
        Listed
    };
    struct Slot
    {
        Stage stage = Stage::Waiting;
        Listing listing;
    };

    static void List(Listing& listing);
    void help();

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::shared_ptr<Slot>> stack_;
    std::size_t ahead_ = 0;        // folders begun by a helper and not yet taken
    std::size_t entriesAhead_ = 0; // the entries of those listed
    bool stopping_ = false;
    std::atomic<bool> topToHelpers_ = false; // the walk's folder has kBusyWalkEntries
    std::vector<std::thread> helpers_;
};

} // namespace quorvex
