// Copies of damaged state files: "<file>.damaged-N" beside the file, numbered so that
// a later copy never replaces an earlier one, the oldest dropped beyond a few.

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/TextFile.h"

namespace quorvex::platform {

namespace {

constexpr std::string_view kInfix = ".damaged-";

// The numbers N of the present "<name>.damaged-N" files of `folder`, ascending.
std::vector<std::uint64_t> CopyNumbers(const std::string& folder, const std::string& name)
{
    std::vector<std::uint64_t> numbers;
    std::vector<DirEntry> entries;
    if (!ListDirectory(folder, entries))
        return numbers;
    const std::string prefix = name + std::string(kInfix);
    for (const DirEntry& entry : entries) {
        if (entry.name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string_view digits = std::string_view(entry.name).substr(prefix.size());
        std::uint64_t number = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (digits.empty() || digits.front() == '0' || error != std::errc() ||
            end != digits.data() + digits.size())
            continue;
        numbers.push_back(number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// One above the highest present number; where there is none above it (a name made
// by hand), the smallest number not in use.
std::uint64_t NextCopyNumber(const std::vector<std::uint64_t>& numbers)
{
    if (numbers.empty() || numbers.back() < std::numeric_limits<std::uint64_t>::max())
        return numbers.empty() ? 1 : numbers.back() + 1;
    std::uint64_t next = 1;
    for (const std::uint64_t number : numbers) {
        if (number > next)
            break;
        next = number + 1;
    }
    return next;
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
    const std::vector<std::uint64_t> numbers = CopyNumbers(folder.empty() ? "." : folder, name);
    const std::uint64_t next = NextCopyNumber(numbers);
    if (!CopyToNewFile(file, file + std::string(kInfix) + std::to_string(next)))
        return false;
    // The older copies are those numbered below the new one.
    const auto older = static_cast<std::size_t>(
        std::lower_bound(numbers.begin(), numbers.end(), next) - numbers.begin());
    const std::size_t kept = kKeptDamagedCopies - 1; // beside the new one
    for (std::size_t i = 0; i + kept < older; ++i)
        (void)DeleteRegularFile(file + std::string(kInfix) + std::to_string(numbers[i]));
    return true;
}

} // namespace quorvex::platform
