#include "platform/AppPaths.h"

#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/UserFolders.h"

namespace quorvex::platform {

namespace {

void AdoptOldFiles(const std::string& exeDir, const std::string& userDir)
{
    for (int n = 1; n <= 4; ++n) {
        const std::string name = "data" + std::to_string(n) + ".txt";
        (void)MoveEntry(exeDir + "data" + kSeparator + name, userDir + name);
    }
    (void)MoveEntry(exeDir + "gomi.txt", userDir + "gomi.txt");
}

} // namespace

std::string PrepareUserDataDir(std::string_view exeDir, std::string_view user,
                               std::string_view fallback)
{
    const std::string programFolder = WithTrailingSeparator(exeDir);
    const std::string portable =
        WithTrailingSeparator(programFolder + "data" + kSeparator + std::string(user));
    if (!user.empty() && FindLastSeparator(user) == std::string_view::npos) {
        if (IsExistingFolder(portable))
            return portable;
        // On Windows the data always lives below the program folder where it can be
        // made. On Linux only an installation that carries a data folder (or an old
        // trash list) is portable; nothing is created in a folder such as /usr/bin.
        const bool isPortable = kSeparator == '\\' || IsExistingFolder(programFolder + "data") ||
                                IsExistingFile(programFolder + "gomi.txt");
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
    const std::string override = EnvironmentText("QUORVEX_DATA_DIR");
    if (!override.empty()) {
        // A relative folder is taken from the current folder, as QUORVEX_CONFIG_HOME is.
        const std::string folder = WithTrailingSeparator(AbsolutePath(override));
        (void)CreateFolderWithParents(folder);
        return folder;
    }
    return PrepareUserDataDir(ExeDir(), LogonUserName(),
                              WithTrailingSeparator(DataHomeFolder() + "Quorvex"));
}

} // namespace quorvex::platform
