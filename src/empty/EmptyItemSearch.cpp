#include "empty/EmptyItemSearch.h"

#include <string>
#include <vector>

#include "empty/EmptyEntryChecks.h"
#include "platform/FailureReason.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "trash/TrashStore.h"

namespace quorvex {

namespace {

using platform::DirEntry;

bool BeginsWithDot(const DirEntry& entry)
{
    return !entry.name.empty() && entry.name.front() == '.';
}

bool IsLink(const DirEntry& entry)
{
    return (entry.attributes & platform::kAttrReparsePoint) != 0;
}

// One folder on the walk: its listing, read once and used by all three passes, and
// the position of the descent pass.
struct Frame
{
    std::string path; // with a trailing separator
    std::vector<DirEntry> entries;
    std::size_t next = 0;
};

// The walk keeps its own stack of folders instead of recursing, so depth costs
// memory, not machine stack. Frames above the current depth keep their buffers for
// the next folder at that depth.
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
        enter(platform::WithOneTrailingSeparator(folder));
        while (depth_ > 0 && !stopped()) {
            Frame& frame = frames_[depth_ - 1];
            if (frame.next == frame.entries.size()) {
                --depth_;
                continue;
            }
            const DirEntry& entry = frame.entries[frame.next++];
            if (!entry.isDirectory() || BeginsWithDot(entry) || IsLink(entry) ||
                !PassesAttributeFilter(entry.attributes, settings_))
                continue;
            observer_.pumpMessages();
            enter(frame.path + entry.name + platform::kSeparator);
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

    void enter(std::string path)
    {
        if (depth_ == frames_.size())
            frames_.emplace_back();
        Frame& frame = frames_[depth_++];
        frame.path = std::move(path);
        frame.next = 0;
        if (!platform::ListDirectory(frame.path, frame.entries)) {
            // Neither reported nor entered: a folder that cannot be listed may hold
            // anything.
            observer_.cannotRead(frame.path, platform::LastFailureText());
            return;
        }
        std::size_t entryCount = reportFiles(frame);
        if (entryCount == 0)
            reportFolderIfEmpty(frame);
    }

    // First pass: counts every file and reports the zero-size regular ones that pass
    // the hidden/system rule.
    std::size_t reportFiles(const Frame& frame)
    {
        std::size_t entryCount = 0;
        for (const DirEntry& entry : frame.entries) {
            if (stopped())
                break;
            if (entry.isDirectory()) {
                observer_.pumpMessages();
                continue;
            }
            ++entryCount;
            if (!PassesAttributeFilter(entry.attributes, settings_))
                continue;
            if (entry.size == 0 && isRegularFile(frame.path, entry))
                append(entry.name, entry.attributes, frame.path + entry.name);
            observer_.pumpMessages();
        }
        return entryCount;
    }

    // Second pass: a folder without files is empty unless it holds a subfolder whose
    // name does not begin with '.'. Its letters are those of the last entry listed.
    void reportFolderIfEmpty(const Frame& frame)
    {
        std::size_t entryCount = 0;
        for (const DirEntry& entry : frame.entries) {
            if (stopped())
                return;
            if (entry.isDirectory() && !BeginsWithDot(entry))
                ++entryCount;
            observer_.pumpMessages();
        }
        if (entryCount != 0 || frame.entries.empty())
            return;
        std::string path = frame.path;
        if (path.size() > platform::RootLength(path))
            path.pop_back();
        std::string name = TrashEntryDisplayName(path);
        append(std::move(name), frame.entries.back().attributes, std::move(path));
    }

    // The attribute word marks links; a system bit may stand for a FIFO, socket or
    // device as well as for a file's DOS attribute, so only then is the type asked.
    static bool isRegularFile(const std::string& folder, const DirEntry& entry)
    {
        if (IsLink(entry))
            return false;
        if ((entry.attributes & platform::kAttrSystem) == 0)
            return true;
        return IsRegularFileEntry(folder + entry.name);
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
    std::vector<Frame> frames_;
    std::size_t depth_ = 0;
    bool stopped_ = false;
};

} // namespace

void SearchEmptyItems(std::string_view folder, std::size_t& counter, EmptyItemList& list,
                      const FilterSettings& settings, RunObserver& observer)
{
    EmptyItemWalk(counter, list, settings, observer).run(folder);
}

} // namespace quorvex
