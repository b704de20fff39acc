#include "platform/UserFolders.h"

#include "platform/PathText.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace quorvex::platform {

namespace {

// An environment variable naming a folder; relative values are ignored, as the
// base directory rules require.
std::string FolderFromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/')
        return {};
    return WithTrailingSeparator(value);
}

// The password database entry of the effective user: field(entry) or empty.
template <typename Field> std::string FromPasswordEntry(Field field)
{
    std::vector<char> buffer(16384);
    passwd entry;
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr)
        return {};
    const char* text = field(*found);
    return text != nullptr ? std::string(text) : std::string();
}

} // namespace

std::string EnvironmentText(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::string HomeFolder()
{
    std::string home = FolderFromEnvironment("HOME");
    if (home.empty()) {
        // A user without a home folder in the password database lives in the root.
        const std::string entry = FromPasswordEntry([](const passwd& e) { return e.pw_dir; });
        home = entry.empty() ? std::string(1, kSeparator) : WithTrailingSeparator(entry);
    }
    return home;
}

std::string ConfigHomeFolder()
{
    // The program's own override takes a relative folder from the current folder, as
    // QUORVEX_DATA_DIR does.
    const std::string own = EnvironmentText("QUORVEX_CONFIG_HOME");
    std::string folder = own.empty() ? std::string() : WithTrailingSeparator(AbsolutePath(own));
    if (folder.empty())
        folder = FolderFromEnvironment("XDG_CONFIG_HOME");
    return folder.empty() ? HomeFolder() + ".config/" : folder;
}

std::string DataHomeFolder()
{
    const std::string folder = FolderFromEnvironment("XDG_DATA_HOME");
    return folder.empty() ? HomeFolder() + ".local/share/" : folder;
}

std::string CacheHomeFolder()
{
    const std::string folder = FolderFromEnvironment("XDG_CACHE_HOME");
    return folder.empty() ? HomeFolder() + ".cache/" : folder;
}

std::string RuntimeFolder()
{
    return FolderFromEnvironment("XDG_RUNTIME_DIR");
}

std::string EffectiveUserId()
{
    return std::to_string(geteuid());
}

std::string LogonUserName()
{
    const std::string name = FromPasswordEntry([](const passwd& entry) { return entry.pw_name; });
    return name.empty() ? EffectiveUserId() : name;
}

} // namespace quorvex::platform
