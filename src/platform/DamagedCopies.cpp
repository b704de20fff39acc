// Copies of damaged state files: "<file>.damaged-N" beside the file, numbered so that
// a later copy never replaces an earlier one, the oldest dropped beyond a few.

#include <algorithm>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/TextFile.h"

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

} // namespace

bool KeepDamagedCopy(std::string_view path)
{
    const std::string file(path);
    if (!LookupEntry(file))
        return true;
    const std::size_t separator = FindLastSeparator(file);
    const std::string folder = file.substr(0, separator + 1);
    const std::string name = file.substr(separator + 1);
    const std::vector<unsigned long> numbers = CopyNumbers(folder.empty() ? "." : folder, name);
    const unsigned long next = numbers.empty() ? 1 : numbers.back() + 1;
    const std::string copy = file + std::string(kInfix) + std::to_string(next);
    if (!CopyToNewFile(file, copy))
        return false;
    const std::size_t kept = kKeptDamagedCopies - 1; // beside the new one
    for (std::size_t i = 0; i + kept < numbers.size(); ++i)
        (void)DeleteRegularFile(file + std::string(kInfix) + std::to_string(numbers[i]));
    return true;
}

} // namespace quorvex::platform
