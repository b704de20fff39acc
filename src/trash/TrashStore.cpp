#include "trash/TrashStore.h"

#include <algorithm>
#include <charconv>

#include "platform/AsciiText.h"
#include "platform/PathText.h"
#include "platform/TextFile.h"

namespace quorvex {

namespace {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return platform::FoldAscii(static_cast<unsigned char>(x)) ==
                      platform::FoldAscii(static_cast<unsigned char>(y));
           });
}

} // namespace

TrashEntryParts SplitTrashEntry(std::string_view entry)
{
    TrashEntryParts parts;
    const std::size_t equals = entry.rfind('=');
    if (equals == std::string_view::npos) {
        parts.name = entry;
        return parts;
    }
    parts.name = entry.substr(0, equals);
    parts.valueText = entry.substr(equals + 1);
    std::int32_t value = 0;
    const char* end = parts.valueText.data() + parts.valueText.size();
    const auto [stop, error] = std::from_chars(parts.valueText.data(), end, value);
    if (error == std::errc() && stop == end && !parts.valueText.empty())
        parts.attributes = value;
    return parts;
}

TrashEntry MakeTrashEntry(std::string_view path, std::int32_t attributes)
{
    TrashEntry entry(path);
    entry += '=';
    entry += std::to_string(attributes);
    return entry;
}

bool IsFolderEntryPath(std::string_view name)
{
    // Entries are UTF-8 here, where a trailing separator byte is always a separator;
    // a name read in a double-byte code page was decoded first, so the second byte
    // of a character never counts.
    return !name.empty() && platform::IsSeparatorAt(name, name.size() - 1);
}

std::string TrashEntryDisplayName(std::string_view path)
{
    if (IsFolderEntryPath(path))
        path.remove_suffix(1);
    const std::size_t slash = platform::FindLastSeparator(path);
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string TrashListPath(std::string_view userDataDir)
{
    return platform::WithTrailingSeparator(userDataDir) + "gomi.txt";
}

std::vector<std::string> TrashList::entryPaths() const
{
    std::vector<std::string> paths;
    paths.reserve(entries_.size());
    for (const TrashEntry& entry : entries_)
        paths.emplace_back(SplitTrashEntry(entry).name);
    return paths;
}

void TrashList::add(std::string_view path, std::int32_t attributes)
{
    entries_.push_back(MakeTrashEntry(path, attributes));
}

const TrashEntry* TrashList::lookup(std::string_view path) const
{
    const auto named = [&](auto equal) -> const TrashEntry* {
        const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const TrashEntry& e) {
            return equal(SplitTrashEntry(e).name, path);
        });
        return found == entries_.end() ? nullptr : &*found;
    };
    if (const TrashEntry* exact = named(std::equal_to<std::string_view>()))
        return exact;
    return named(EqualsIgnoringAsciiCase);
}

void TrashList::RemoveTrashEntry(std::string_view path)
{
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const TrashEntry& e) {
        return SplitTrashEntry(e).name == path;
    });
    if (found != entries_.end())
        entries_.erase(found);
}

platform::StateFileRead LoadTrashList(TrashList& trash, std::string_view file)
{
    platform::StateFileText text = platform::ReadStateFile(file);
    if (text.read != platform::StateFileRead::Missing)
        trash.replaceEntries(std::move(text.lines));
    return text.read;
}

bool SaveTrashList(const TrashList& trash, std::string_view file)
{
    return platform::WriteTextLinesAtomically(file, trash.entries());
}

} // namespace quorvex
