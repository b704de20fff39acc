#pragma once
// Files of the fuzz process's own, for targets that parse what they read from a file:
// in a folder in memory where there is one (/dev/shm, where the atomic rewrites' fsync
// costs nothing, so that a fuzzer runs thousands of inputs a second), removed when the
// process ends.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

// Writes the bytes as the file `name` of the scratch folder; returns the folder, with
// a trailing "/".
inline const std::string& WriteScratchFile(const std::string& name, std::string_view bytes)
{
    static const struct Folder
    {
        Folder()
        {
            const std::filesystem::path memory = "/dev/shm";
            const auto parent = std::filesystem::is_directory(memory)
                                    ? memory
                                    : std::filesystem::temp_directory_path();
            path = (parent / "quorvex-fuzz-XXXXXX").string();
            if (::mkdtemp(path.data()) == nullptr)
                std::abort();
            path += '/';
        }
        ~Folder() { std::filesystem::remove_all(path); }
        std::string path;
    } folder;
    std::ofstream(folder.path + name, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return folder.path;
}
