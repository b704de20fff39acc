#pragma once
// Why a run refused its input before it began, and the path concerned: the engines
// report it, the programs word it.

#include <cstdint>
#include <string>

namespace quorvex {

enum class RefusalReason : std::uint8_t
{
    None,
    UnknownFile,        // no file at the path
    UnknownFolder,      // no folder at the path
    UnknownSideA,       // the comparison's A names nothing
    UnknownSideB,       // the comparison's B names nothing
    FolderAgainstFile,  // a folder compared with a file
    NestedFolders,      // a searched folder lies within another one (path: the inner one)
    LinksNeedFullMatch, // links and clones replace only files that match at 100 %
    LinksNeedSameBytes, // nor pictures found alike by what they show
};

struct InputRefusal
{
    RefusalReason reason = RefusalReason::None;
    std::string path;

    explicit operator bool() const { return reason != RefusalReason::None; }
};

} // namespace quorvex
