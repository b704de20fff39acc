#include "cli/PlanSupport.h"

#include <cstdio>
#include <optional>

#include "cli/CliWords.h"
#include "cli/CommandSupport.h"
#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"

namespace quorvex::cli {

namespace {

// --keep under=DIR in the spelling of the list's folders: the searched folder that
// holds DIR, followed by DIR's path below it. Empty when no searched folder holds it.
std::string KeepFolderAsListed(const CliOptions& options, const std::vector<std::string>& folders)
{
    const std::string wanted =
        platform::WithTrailingSeparator(platform::CanonicalPath(options.keepFolder));
    for (const std::string& folder : folders) {
        const std::string root = platform::WithTrailingSeparator(platform::CanonicalPath(folder));
        if (wanted.starts_with(root)) // the list's folders end in one separator
            return platform::WithOneTrailingSeparator(folder) + wanted.substr(root.size());
    }
    return {};
}

} // namespace

std::string ActionOptionsRefusal(const CliOptions& options, const DupSearchScope& scope,
                                 std::string& keepFolder)
{
    const std::vector<std::string>& folders = scope.folders;
    if (const InputRefusal refusal = ActionRefusal(*options.act, scope))
        return RefusalWords(refusal);
    if (*options.act == ActionKind::Move) {
        const std::optional<platform::DirEntry> there = platform::LookupEntry(options.moveFolder);
        if (there && !there->isDirectory())
            return "フォルダ [ " + options.moveFolder + " ]\n\nフォルダではありません。";
    }
    if (options.keep == KeepRule::UnderFolder) {
        if (!platform::IsExistingFolder(options.keepFolder))
            return RefusalWords({RefusalReason::UnknownFolder, options.keepFolder});
        keepFolder = KeepFolderAsListed(options, folders);
        if (keepFolder.empty())
            return "フォルダ [ " + options.keepFolder + " ]\n\n検索するフォルダの中にありません。";
    }
    return {};
}

int CarryOutPlan(const DupList& list, const DupPlan& planned, const CliOptions& options,
                 const std::string& journalFolder, std::size_t unreadCount)
{
    if (planned.refusal) {
        std::fprintf(stderr, "%s\n", RefusalWords(planned.refusal).c_str());
        return kExitRefused;
    }
    for (std::size_t row : planned.notAsListed)
        std::fprintf(stderr, "quorvex-cli: cannot %s %s: %s\n",
                     std::string(ActionWord(*options.act)).c_str(),
                     list.RecordPath(list[row]).c_str(), kNotAsListedWords.data());
    unreadCount += planned.notAsListed.size();
    return PrintOrRunPlan(planned.plan, options, journalFolder, unreadCount);
}

} // namespace quorvex::cli
