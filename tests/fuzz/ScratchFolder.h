#pragma once
// A folder of the fuzz process's own, for targets that go through files; removed when
// the process ends. It lies in memory where it can (/dev/shm), where the atomic
// rewrites' fsync costs nothing, so that a fuzzer runs thousands of inputs a second.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

class ScratchFolder
{
public:
    ScratchFolder()
    {
        const std::filesystem::path memory = "/dev/shm";
        std::string name =
            ((std::filesystem::is_directory(memory) ? memory
                                                    : std::filesystem::temp_directory_path()) /
             "quorvex-fuzz-XXXXXX")
                .string();
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
