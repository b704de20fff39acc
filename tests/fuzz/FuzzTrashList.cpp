// The trash list file "gomi.txt", whatever its bytes: every line is one entry whose
// name and attribute value survive a save and a load; every line taken as the path
// of a deleted item and recorded with an attribute word comes back as that path and
// word; every entry is found by its name and can be removed.
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ScratchFile.h"
#include "trash/TrashStore.h"

using namespace quorvex;

namespace {

bool SameParts(const TrashEntryParts& a, const TrashEntryParts& b)
{
    return a.name == b.name && a.attributes == b.attributes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string file =
        WriteScratchFile("gomi.txt", {reinterpret_cast<const char*>(data), size}) + "gomi.txt";
    TrashList trash;
    if (LoadTrashList(trash, file) != platform::StateFileRead::Whole)
        std::abort();
    const std::vector<TrashEntry> read = trash.entries();
    const std::int32_t words[] = {16, -1, 0x2123, INT_MIN};
    for (std::size_t i = 0; i < read.size(); ++i)
        trash.add(read[i], words[i % 4]);

    TrashList reloaded;
    if (!SaveTrashList(trash, file) ||
        LoadTrashList(reloaded, file) != platform::StateFileRead::Whole ||
        reloaded.size() != 2 * read.size())
        std::abort();
    for (std::size_t i = 0; i < read.size(); ++i) {
        if (!SameParts(SplitTrashEntry(reloaded.entries()[i]), SplitTrashEntry(read[i])))
            std::abort();
        const TrashEntryParts recorded = SplitTrashEntry(reloaded.entries()[read.size() + i]);
        if (recorded.name != read[i] || recorded.attributes != words[i % 4])
            std::abort();
    }

    for (const std::string& path : reloaded.entryPaths()) {
        (void)TrashEntryDisplayName(path);
        if (reloaded.lookup(path) == nullptr)
            std::abort();
        reloaded.RemoveTrashEntry(path);
    }
    if (!reloaded.empty())
        std::abort();
    return 0;
}
