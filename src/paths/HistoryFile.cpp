#include "paths/HistoryFile.h"

#include "platform/FileSystem.h"
#include "platform/TextFile.h"

#include <algorithm>

namespace quorvex {

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
    return platform::WriteTextLinesAtomically(HistoryFilePath(userDataDir, n),
                                              PruneHistory(entries));
}

} // namespace quorvex
