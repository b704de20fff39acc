#include "platform/AppPaths.h"

#include <cstdlib>

#include "platform/FileSystem.h"
#include "platform/UserFolders.h"

namespace quorvex::platform {

namespace {

void AdoptOldFiles(const std::string& exeDir, const std::string& userDir)
{
    for (int n = 1; n <= 4; ++n) {
        const std::string name = "data" + std::to_string(n) + ".txt";
        (void)MoveEntry(exeDir + "data/" + name, userDir + name);
    }
    (void)MoveEntry(exeDir + "gomi.txt", userDir + "gomi.txt");
}

} // namespace

bool IsSeparatorAt(std::string_view path, std::size_t position)
{
    return position < path.size() && path[position] == '/';
}

std::string WithTrailingSeparator(std::string_view path)
{
    std::string result(path);
    if (result.empty() || !IsSeparatorAt(result, result.size() - 1))
        result += '/';
    return result;
}

std::string PrepareUserDataDir(std::string_view exeDir, std::string_view user,
                               std::string_view fallback)
{
    const std::string programFolder = WithTrailingSeparator(exeDir);
    const std::string portable = programFolder + "data/" + std::string(user) + "/";
    if (!user.empty() && user.find('/') == std::string_view::npos) {
        if (IsExistingFolder(portable))
            return portable;
        // Only an installation that carries a data folder (or an old trash list) is
        // portable; nothing is created inside a program folder such as /usr/bin.
        const bool isPortable =
            IsExistingFolder(programFolder + "data") || IsExistingFile(programFolder + "gomi.txt");
        if (isPortable && CreateFolderWithParents(portable)) {
            AdoptOldFiles(programFolder, portable);
            return portable;
        }
    }
    const std::string fallbackFolder = WithTrailingSeparator(fallback);
    (void)CreateFolderWithParents(fallbackFolder);
    return fallbackFolder;
}

std::string UserDataDir()
{
    const char* override = std::getenv("QUORVEX_DATA_DIR");
    if (override != nullptr && override[0] != '\0') {
        const std::string folder = WithTrailingSeparator(override);
        (void)CreateFolderWithParents(folder);
        return folder;
    }
    return PrepareUserDataDir(ExeDir(), LogonUserName(), DataHomeFolder() + "Quorvex/");
}

} // namespace quorvex::platform
