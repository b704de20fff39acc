#include "paths/HistoryFile.h"

#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/TextFile.h"

#include <algorithm>

namespace quorvex {

namespace {

// Whether a line reads as a path: an absolute one (whatever bytes its names hold),
// or text without control characters. Other lines are no history the program wrote.
bool IsPathText(std::string_view line)
{
    return platform::IsAbsolutePath(line) ||
           (platform::IsValidUtf8(line) && std::none_of(line.begin(), line.end(), [](char c) {
                return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
            }));
}

} // namespace

std::string HistoryFilePath(const std::string& userDataDir, int n)
{
    return userDataDir + "data" + std::to_string(n) + ".txt";
}

platform::StateFileText LoadHistory(const std::string& userDataDir, int n)
{
    return platform::ReadStateFile(HistoryFilePath(userDataDir, n), kHistoryFileLimit);
}

std::vector<std::string> PruneHistory(std::vector<std::string> entries)
{
    std::erase_if(entries, [](const std::string& path) {
        return !platform::IsExistingFolder(path) && !platform::IsExistingFile(path);
    });
    if (entries.size() > kHistoryLimit)
        entries.erase(entries.begin(), entries.end() - kHistoryLimit);
    return entries;
}

bool SaveHistory(const std::vector<std::string>& entries, const std::string& userDataDir, int n)
{
    if (!platform::IsExistingFolder(userDataDir) && !platform::CreateFolderWithParents(userDataDir))
        return false;
    const std::string file = HistoryFilePath(userDataDir, n);
    const std::vector<std::string> kept = PruneHistory(entries);
    const bool dropsUnknownLines =
        std::any_of(entries.begin(), entries.end(), [&](const std::string& line) {
            return !IsPathText(line) && std::find(kept.begin(), kept.end(), line) == kept.end();
        });
    if (dropsUnknownLines && !platform::KeepDamagedCopy(file))
        return false;
    return platform::WriteTextLinesAtomically(file, kept);
}

} // namespace quorvex
