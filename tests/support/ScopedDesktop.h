#pragma once
// A desktop of its own for one test: HOME and the XDG data and config folders below
// `root`, with no applications until the test installs some; the environment is
// restored afterwards. The system's MIME type database stays in view. The desktop
// trash is then HOME/.local/share/Trash.

#include <QByteArray>
#include <QtGlobal>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvex::test {

class ScopedDesktop
{
public:
    explicit ScopedDesktop(const std::string& root)
        : home(root + "/home"), dataDir(root + "/share"), configHome(root + "/config-home")
    {
        for (const std::string& folder :
             {home, dataDir + "/applications", configHome, root + "/types"})
            std::filesystem::create_directories(folder);
        // The system's type database stays visible, its applications do not.
        std::error_code error;
        std::filesystem::create_directory_symlink("/usr/share/mime", root + "/types/mime", error);
        set("HOME", home);
        set("XDG_DATA_HOME", std::nullopt);
        set("XDG_DATA_DIRS", dataDir + ":" + root + "/types");
        set("XDG_CONFIG_HOME", configHome);
        set("XDG_CONFIG_DIRS", root + "/etc-xdg");
        set("XDG_CURRENT_DESKTOP", std::nullopt);
    }
    ~ScopedDesktop()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
            it->second ? qputenv(it->first, *it->second) : qunsetenv(it->first);
    }
    ScopedDesktop(const ScopedDesktop&) = delete;
    ScopedDesktop& operator=(const ScopedDesktop&) = delete;

    // Writes `file` (a name such as "editor.desktop", or below a subfolder) into the
    // applications folder of `dataFolder` (the system data folder by default).
    void install(const std::string& file, const std::string& contents,
                 std::optional<std::string> dataFolder = std::nullopt) const
    {
        const std::filesystem::path path =
            std::filesystem::path(dataFolder.value_or(dataDir)) / "applications" / file;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << contents;
    }
    // Writes the user's mimeapps.list.
    void writeMimeApps(const std::string& contents) const
    {
        std::ofstream(configHome + "/mimeapps.list") << contents;
    }

    const std::string home, dataDir, configHome;

private:
    void set(const char* name, const std::optional<std::string>& value)
    {
        saved_.emplace_back(name, qEnvironmentVariableIsSet(name)
                                      ? std::optional<QByteArray>(qgetenv(name))
                                      : std::nullopt);
        if (value)
            qputenv(name, QByteArray::fromStdString(*value));
        else
            qunsetenv(name);
    }

    std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

} // namespace quorvex::test
