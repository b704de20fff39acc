// A saved result list, whatever its bytes, read as each of the three list kinds
// (duplicates, comparison, empty items): a list that is read writes, as TSV and as
// JSON, a text that reads again into a list writing the very same text; anything
// else is refused with a message. Rows are checked against paths that do not exist.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "compare/ComparisonTable.h"
#include "compare/ComparisonTableReader.h"
#include "duplicates/DupTable.h"
#include "duplicates/DupTableReader.h"
#include "empty/EmptyItemTable.h"
#include "empty/EmptyItemTableReader.h"

using namespace quorvex;

namespace {

constexpr std::string_view kReference = "基準";
const ComparisonWords kWords{"大-小", "小-大", "新-旧", "旧-新", " 同", "なし", "内容(%)"};
// Roots of the comparison, named "/..[a]" and "/..[b]" in the captions of its list.
constexpr std::string_view kA = "/nonexistent-quorvex-fuzz/a";
constexpr std::string_view kB = "/nonexistent-quorvex-fuzz/b";

struct Silent : RunObserver
{
};

// Reads `text`, and when it reads, checks that what it writes reads back the same.
template <typename Read, typename Write>
void CheckKind(std::string_view text, Read read, Write write)
{
    if (!read(text).empty())
        return;
    for (OutputFormat format : {OutputFormat::Tsv, OutputFormat::Json}) {
        const std::string written = write(format);
        if (!read(written).empty() || write(format) != written)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    DupList dups;
    CheckKind(
        text, [&](std::string_view t) { return ReadDupTable(t, dups); },
        [&](OutputFormat f) { return DupTable(dups, kReference).render(f); });

    EmptyItemList empty;
    std::string count;
    CheckKind(
        text, [&](std::string_view t) { return ReadEmptyItemTable(t, empty, count); },
        [&](OutputFormat f) { return EmptyItemTable(empty, count).render(f); });

    FilterSettings filters;
    Silent observer;
    ComparisonEngine engine(filters, observer);
    CheckKind(
        text, [&](std::string_view t) { return ReadComparisonTable(t, kA, kB, kWords, engine); },
        [&](OutputFormat f) { return ComparisonTable(engine, kWords).render(f); });
    return 0;
}
