#include "platform/JournalFiles.h"

#include <vector>

#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/TempFileNames.h"
#include "platform/TempJournal.h"

namespace quorvex::platform {

namespace {
constexpr std::string_view kPrefix = "run-";
constexpr std::string_view kExtension = ".journal";
} // namespace

std::string NewJournalName()
{
    return std::string(kPrefix) + NewTempSuffix() + std::string(kExtension);
}

bool IsJournalName(std::string_view name)
{
    return name.size() > kPrefix.size() + kExtension.size() && name.starts_with(kPrefix) &&
           name.ends_with(kExtension) &&
           IsTempSuffix(
               name.substr(kPrefix.size(), name.size() - kPrefix.size() - kExtension.size()));
}

namespace {

// Removes the temporary files listed in a journal's bytes (paths, each ended by a NUL
// byte; only names of the "<name>.tmp-<suffix>" form, never folders). True when none
// of them is left.
bool RemoveListedTempFiles(std::string_view journal)
{
    bool allGone = true;
    while (!journal.empty()) {
        const std::size_t end = journal.find('\0');
        if (end == std::string_view::npos)
            break; // a record cut short by a kill: its file was never made
        const std::string path(journal.substr(0, end));
        journal.remove_prefix(end + 1);
        const std::optional<DirEntry> entry = LookupEntry(path);
        if (!entry || !IsTempFilePath(path))
            continue;
        // A folder is never one of ours; a link is removed itself, not its target.
        if (entry->isDirectory() && (entry->attributes & kAttrReparsePoint) == 0)
            continue;
        if (!DeleteRegularFile(path))
            allGone = false;
    }
    return allGone;
}

} // namespace

TempJournal::TempJournal(std::string folder) : folder_(WithTrailingSeparator(folder)) {}

TempJournal::~TempJournal()
{
    const bool remove = handle_ != -1 && unsettled_ == 0;
    close();
    if (remove)
        (void)DeleteRegularFile(path_);
}

bool TempJournal::note(std::string_view tempPath)
{
    std::string record(tempPath);
    record.push_back('\0');
    const std::lock_guard lock(mutex_);
    if (!open() || !append(record))
        return false;
    ++unsettled_;
    return true;
}

void TempJournal::settle()
{
    const std::lock_guard lock(mutex_);
    if (unsettled_ > 0)
        --unsettled_;
}

void RemoveLeftoversOfRuns(std::string_view folderText)
{
    const std::string folder = WithTrailingSeparator(folderText);
    std::vector<DirEntry> entries;
    if (!ListDirectory(folder, entries))
        return;
    for (const DirEntry& entry : entries) {
        if (entry.isDirectory() || !IsJournalName(entry.name))
            continue;
        const std::string path = folder + entry.name;
        std::string bytes;
        if (ReadUnheldJournal(path, bytes) && RemoveListedTempFiles(bytes))
            (void)DeleteRegularFile(path);
    }
}

} // namespace quorvex::platform
