// The trash list file "gomi.txt": every line becomes one entry (decoded on its own,
// or kept byte for byte), every entry answers the questions of the trash page, and
// writing the entries back reads as the same entries.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/TextFile.h"
#include "trash/TrashStore.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TrashList trash;
    trash.replaceEntries(platform::SplitDecodedLines(bytes));
    std::string written;
    for (const TrashEntry& entry : trash.entries()) {
        const TrashEntryParts parts = SplitTrashEntry(entry);
        const bool hasValue = entry.find('=') != std::string::npos;
        if ((hasValue ? std::string(parts.name) + "=" + std::string(parts.valueText)
                      : std::string(parts.name)) != entry)
            std::abort(); // the split at the last '=' loses nothing
        (void)IsFolderEntryPath(parts.name);
        (void)TrashEntryDisplayName(parts.name);
        if (trash.lookup(parts.name) == nullptr)
            std::abort();
        written += entry + "\r\n";
    }
    if (platform::SplitDecodedLines(written) != trash.entries())
        std::abort();
    for (const std::string& path : trash.entryPaths())
        trash.RemoveTrashEntry(path);
    if (!trash.empty())
        std::abort();
    return 0;
}
