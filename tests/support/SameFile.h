#pragma once
// Whether two paths name one file (a hard link of the other), by the system's file
// identity: the link counts std::filesystem gives on Windows are always 1.

#include <string>

#include "platform/FileIdentity.h"

namespace quorvex::test {

inline bool SameFile(const std::string& a, const std::string& b)
{
    const auto first = platform::IdentifyEntry(a), second = platform::IdentifyEntry(b);
    return first && second && first->sameFile(*second);
}

} // namespace quorvex::test
