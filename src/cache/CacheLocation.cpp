#include "cache/CacheLocation.h"

#include "platform/FailureReason.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/UserFolders.h"

namespace quorvex::cache {

std::string DefaultCachePath()
{
    const std::string own = platform::EnvironmentText("QUORVEX_CACHE");
    if (!own.empty())
        return platform::AbsolutePath(own);
#ifdef _WIN32
    return platform::CacheHomeFolder() + "Quorvex\\cache.sqlite";
#else
    return platform::CacheHomeFolder() + "quorvex/cache.sqlite";
#endif
}

bool PrepareCacheFile(const std::string& path, std::string& problem)
{
    const std::string folder(platform::ParentFolder(path));
    if (platform::IsExistingFile(folder)) {
        problem = folder + ": not a folder";
        return false;
    }
    if (!platform::IsExistingFolder(folder)) {
        if (!platform::CreateFolderWithParents(folder) || !platform::RestrictToOwner(folder)) {
            problem = folder + ": " + platform::LastFailureText();
            return false;
        }
    }
    // Made before the database opens it, so that it never exists with wider access.
    if (!platform::IsExistingFile(path) &&
        (!platform::CreateEmptyFileExclusive(path) || !platform::RestrictToOwner(path)) &&
        !platform::IsExistingFile(path)) {
        problem = path + ": " + platform::LastFailureText();
        return false;
    }
    return true;
}

} // namespace quorvex::cache
