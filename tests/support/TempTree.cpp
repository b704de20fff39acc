#include "support/TempTree.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "support/SystemText.h"

namespace quorvex::test {

namespace {

// A file-system path from UTF-8 (a plain std::string would be read in the ANSI code
// page on Windows).
std::filesystem::path FsPath(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(FsPath(folder))) {
        const std::u8string name = item.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string TempTree::path(std::string_view relative) const
{
    return root_ + Native(relative);
}

void TempTree::makeParents(std::string_view relative) const
{
    std::filesystem::create_directories(FsPath(path(relative)).parent_path());
}

std::string TempTree::file(std::string_view relative, std::string_view content,
                           std::string_view mtime) const
{
    makeParents(relative);
    std::ofstream out(FsPath(path(relative)), std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!mtime.empty())
        setTime(relative, mtime);
    return path(relative);
}

std::string TempTree::patternFile(std::string_view relative, std::uint64_t size, unsigned seed,
                                  std::string_view mtime) const
{
    makeParents(relative);
    std::ofstream out(FsPath(path(relative)), std::ios::binary | std::ios::trunc);
    std::vector<char> block(1 << 16);
    std::uint32_t state = seed * 2654435761u + 1;
    for (auto& c : block) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 24);
    }
    for (std::uint64_t written = 0; written < size;) {
        auto n = std::min<std::uint64_t>(block.size(), size - written);
        out.write(block.data(), static_cast<std::streamsize>(n));
        written += n;
    }
    out.close();
    if (!mtime.empty())
        setTime(relative, mtime);
    return path(relative);
}

std::string TempTree::dir(std::string_view relative, std::string_view mtime) const
{
    std::filesystem::create_directories(FsPath(path(relative)));
    if (!mtime.empty())
        setTime(relative, mtime);
    return path(relative);
}

} // namespace quorvex::test
