// Copies of damaged state files: "<file>.damaged-N" beside the file, numbered so that
// a later copy never replaces an earlier one, the oldest dropped beyond a few.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "platform/FailureReason.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "platform/posix/WriteAll.h"

namespace quorvex::platform {

namespace {

constexpr std::string_view kInfix = ".damaged-";

// The numbers N of the present "<name>.damaged-N" files of `folder`, ascending.
std::vector<unsigned long> CopyNumbers(const std::string& folder, const std::string& name)
{
    std::vector<unsigned long> numbers;
    std::vector<DirEntry> entries;
    if (!ListDirectory(folder, entries))
        return numbers;
    const std::string prefix = name + std::string(kInfix);
    for (const DirEntry& entry : entries) {
        if (entry.name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string_view digits = std::string_view(entry.name).substr(prefix.size());
        if (digits.empty() || digits.size() > 9 || digits.front() == '0' ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        numbers.push_back(std::stoul(std::string(digits)));
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

bool CopyBytes(const std::string& from, const std::string& to)
{
    InputFile source;
    if (!source.open(from))
        return false;
    const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        RememberFailure(errno);
        return false;
    }
    std::vector<char> buffer(1 << 16);
    std::int64_t got;
    while ((got = source.read(buffer.data(), buffer.size())) > 0)
        if (!posix::WriteAll(fd, std::string_view(buffer.data(), static_cast<std::size_t>(got)))) {
            RememberFailure(errno);
            got = -1;
            break;
        }
    bool ok = got == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok)
        ::unlink(to.c_str());
    return ok;
}

} // namespace

bool KeepDamagedCopy(std::string_view path)
{
    const std::string file(path);
    if (!LookupEntry(file))
        return true;
    const std::size_t slash = file.rfind('/');
    const std::string folder = file.substr(0, slash + 1);
    const std::string name = file.substr(slash + 1);
    const std::vector<unsigned long> numbers = CopyNumbers(folder.empty() ? "." : folder, name);
    const unsigned long next = numbers.empty() ? 1 : numbers.back() + 1;
    const std::string copy = file + std::string(kInfix) + std::to_string(next);
    // A second name for the same bytes costs nothing; file systems without hard
    // links get a copy.
    if (::linkat(AT_FDCWD, file.c_str(), AT_FDCWD, copy.c_str(), AT_SYMLINK_FOLLOW) != 0 &&
        !CopyBytes(file, copy))
        return false;
    const std::size_t kept = kKeptDamagedCopies - 1; // beside the new one
    for (std::size_t i = 0; i + kept < numbers.size(); ++i)
        (void)DeleteRegularFile(file + std::string(kInfix) + std::to_string(numbers[i]));
    return true;
}

} // namespace quorvex::platform
