#pragma once
// A folder of the fuzz process's own, for targets that go through files; removed when
// the process ends.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

class ScratchFolder
{
public:
    ScratchFolder()
    {
        std::string name =
            (std::filesystem::temp_directory_path() / "quorvex-fuzz-XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr)
            std::abort();
        path_ = name + "/";
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder, ending with "/".
    static const std::string& path()
    {
        static const ScratchFolder folder;
        return folder.path_;
    }

private:
    std::string path_;
};
