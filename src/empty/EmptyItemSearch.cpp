#include "empty/EmptyItemSearch.h"

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "platform/FailureReason.h"
#include "platform/FileSystem.h"
#include "platform/FolderScan.h"
#include "platform/PathText.h"
#include "trash/TrashStore.h"

namespace quorvex {

namespace {

using platform::EntryKind;
using platform::FolderScan;

// Folders deeper than this give their handle back once read, so that a deep walk
// holds a bounded number of them; their subfolders are opened by path.
constexpr std::size_t kHeldFolders = 64;

std::string Joined(std::string_view folder, std::string_view name)
{
    std::string path;
    path.reserve(folder.size() + name.size() + 1);
    path.append(folder).append(name);
    return path;
}

// A name kept in an arena of names, with the attribute word of its entry.
struct NamedEntry
{
    std::size_t offset;
    std::size_t length;
    std::uint32_t attributes;
};

// Names that one folder's pass keeps, in one buffer that the next folder reuses.
class NameArena
{
public:
    void clear()
    {
        text_.clear();
        entries_.clear();
    }
    void add(std::string_view name, std::uint32_t attributes)
    {
        entries_.push_back({text_.size(), name.size(), attributes});
        text_.append(name);
    }
    std::string_view name(const NamedEntry& entry) const
    {
        return std::string_view(text_).substr(entry.offset, entry.length);
    }
    // Into listing order: ASCII case-insensitive, then by bytes.
    void sortByName()
    {
        std::sort(entries_.begin(), entries_.end(),
                  [this](const NamedEntry& a, const NamedEntry& b) {
                      return platform::CompareEntryNames(name(a), name(b)) < 0;
                  });
    }
    const std::vector<NamedEntry>& entries() const { return entries_; }

private:
    std::string text_;
    std::vector<NamedEntry> entries_;
};

// One folder on the walk: its subfolders to enter, in listing order.
struct Frame
{
    FolderScan scan;
    std::string path; // with a trailing separator
    NameArena subfolders;
    std::size_t next = 0;
};

// The walk keeps its own stack of folders instead of recursing, so depth costs
// memory, not machine stack. Each folder is read in one pass that looks only at what
// decides the result: a file's size (one look), a zero-size file's attribute word,
// a subfolder's attribute word; any other entry fills its folder without a look.
class EmptyItemWalk
{
public:
    EmptyItemWalk(std::size_t& counter, EmptyItemList& list, const FilterSettings& settings,
                  RunObserver& observer)
        : counter_(counter), list_(list), settings_(settings), observer_(observer)
    {
    }

    void run(std::string_view folder)
    {
        enter(nullptr, {}, platform::WithOneTrailingSeparator(folder));
        while (depth_ > 0 && !stopped()) {
            Frame& frame = frames_[depth_ - 1];
            const auto& subfolders = frame.subfolders.entries();
            if (frame.next == subfolders.size()) {
                --depth_;
                continue;
            }
            const NamedEntry& entry = subfolders[frame.next++];
            if (!PassesAttributeFilter(entry.attributes, settings_))
                continue;
            observer_.pumpMessages();
            const std::string_view name = frame.subfolders.name(entry);
            std::string path = Joined(frame.path, name);
            path += platform::kSeparator;
            enter(&frame, name, std::move(path));
        }
    }

private:
    // Sticky: once the stop was seen, every pass and every level ends.
    bool stopped()
    {
        if (!stopped_ && observer_.cancelRequested())
            stopped_ = true;
        return stopped_;
    }

    void enter(Frame* parent, std::string_view name, std::string path)
    {
        if (depth_ == frames_.size())
            frames_.emplace_back();
        Frame& frame = frames_[depth_++];
        frame.path = std::move(path);
        frame.next = 0;
        frame.subfolders.clear();
        const bool opened = parent != nullptr ? frame.scan.openChild(parent->scan, name, frame.path)
                                              : frame.scan.open(frame.path);
        // A folder that cannot be listed may hold anything: neither reported nor
        // entered.
        if (!opened) {
            observer_.cannotRead(frame.path, platform::LastFailureText());
            return;
        }
        if (!readFolder(frame))
            frame.subfolders.clear();
        if (depth_ > kHeldFolders)
            frame.scan.release();
    }

    // The one pass over a folder: reports its zero-size files that pass the
    // hidden/system rule, in listing order, then the folder itself when nothing but
    // folders whose names begin with '.' is in it, and keeps its subfolders. False
    // when the stop came or the listing broke off: nothing of the folder is reported.
    bool readFolder(Frame& frame)
    {
        FolderScan& scan = frame.scan;
        zeroFiles_.clear();
        lastDotFolder_.clear();
        bool holdsEntries = false;
        while (scan.next()) {
            if (stopped())
                return false;
            const std::string_view name = scan.name();
            const bool dotName = name.front() == '.';
            const EntryKind kind = scan.kind();
            // Entries that fill the folder whatever they are, and are never reported
            // nor entered: FIFOs, sockets, devices, and links of names without a dot
            // (a link to a folder counts as a subfolder, any other as a file).
            if (kind == EntryKind::Other || (kind == EntryKind::Link && !dotName)) {
                holdsEntries = true;
                observer_.pumpMessages();
                continue;
            }
            if (kind == EntryKind::Folder && dotName) {
                noteDotFolder(name);
                observer_.pumpMessages();
                continue;
            }
            if (!scan.examine())
                continue; // vanished since the folder was read
            if (scan.isDirectory()) {
                const std::uint32_t attributes = scan.attributes();
                if (dotName) {
                    noteDotFolder(name);
                } else {
                    holdsEntries = true;
                    if (!(attributes & platform::kAttrReparsePoint))
                        frame.subfolders.add(name, attributes);
                }
                observer_.pumpMessages();
                continue;
            }
            // Any file, reported or not, fills its folder.
            holdsEntries = true;
            if (scan.size() == 0 && scan.isRegularFile()) {
                const std::uint32_t attributes = scan.attributes();
                if (!PassesAttributeFilter(attributes, settings_))
                    continue;
                zeroFiles_.add(name, attributes);
            }
            observer_.pumpMessages();
        }
        if (scan.failed()) {
            observer_.cannotRead(frame.path, platform::LastFailureText());
            return false;
        }
        zeroFiles_.sortByName();
        for (const NamedEntry& file : zeroFiles_.entries()) {
            const std::string_view name = zeroFiles_.name(file);
            append(std::string(name), file.attributes, Joined(frame.path, name));
        }
        if (!holdsEntries)
            reportEmptyFolder(frame);
        frame.subfolders.sortByName();
        return true;
    }

    // Of the folders whose names begin with '.', the last in listing order.
    void noteDotFolder(std::string_view name)
    {
        if (lastDotFolder_.empty() || platform::CompareEntryNames(name, lastDotFolder_) > 0)
            lastDotFolder_.assign(name);
    }

    // The letters of an empty folder are those its listing shows last: its own ("."
    // and "..") or those of its last folder whose name begins with '.'.
    void reportEmptyFolder(const Frame& frame)
    {
        std::optional<platform::DirEntry> last;
        if (!lastDotFolder_.empty())
            last = platform::LookupEntry(Joined(frame.path, lastDotFolder_));
        if (!last)
            last = frame.scan.folderEntry();
        if (!last)
            return;
        std::string path = frame.path;
        if (path.size() > platform::RootLength(path))
            path.pop_back();
        std::string name = TrashEntryDisplayName(path);
        append(std::move(name), last->attributes, std::move(path));
    }

    void append(std::string name, std::uint32_t attributes, std::string path)
    {
        EmptyItemRecord& record = list_.emplace_back();
        record.Name = std::move(name);
        record.AttributeText = FormatAttributeText(attributes);
        record.Path = std::move(path);
        ++counter_;
    }

    std::size_t& counter_;
    EmptyItemList& list_;
    const FilterSettings& settings_;
    RunObserver& observer_;
    std::deque<Frame> frames_; // stable places: a frame's scan outlives its children's opens
    std::size_t depth_ = 0;
    NameArena zeroFiles_;       // of the folder being read
    std::string lastDotFolder_; // of the folder being read
    bool stopped_ = false;
};

} // namespace

void SearchEmptyItems(std::string_view folder, std::size_t& counter, EmptyItemList& list,
                      const FilterSettings& settings, RunObserver& observer)
{
    EmptyItemWalk(counter, list, settings, observer).run(folder);
}

} // namespace quorvex
