#include "platform/ReplaceChecks.h"

namespace quorvex::platform {

bool StillExpected(const std::string& path, const FileIdentity& expected)
{
    const std::optional<FileIdentity> now = IdentifyEntry(path);
    return now && now->untouched(expected);
}

ReplaceResult RemoveIfStillExpected(std::string_view pathText, const FileIdentity& expected)
{
    const std::string path(pathText);
    if (!StillExpected(path, expected))
        return ReplaceResult::Changed;
    return DeleteRegularFile(path) ? ReplaceResult::Done : ReplaceResult::Failed;
}

bool ReadyToSwap(const std::string& path, const FileIdentity& expected, const std::string& kept,
                 const FileIdentity& keptExpected, ReplaceKind kind, const std::string& temp)
{
    // A hard link touches the kept file itself (its link count).
    const std::optional<FileIdentity> keptNow = IdentifyTarget(kept);
    if (!keptNow || !(kind == ReplaceKind::HardLink ? keptNow->unchanged(keptExpected)
                                                    : keptNow->untouched(keptExpected)))
        return false;
    if (kind == ReplaceKind::HardLink) {
        const std::optional<FileIdentity> link = IdentifyEntry(temp);
        if (!link || !link->sameFile(keptExpected))
            return false;
    }
    return StillExpected(path, expected);
}

} // namespace quorvex::platform
