#pragma once
// What an item of a plan must pass at the moment it is acted on, and the comparison
// of a file with its kept file, byte for byte.

#include <string>
#include <vector>

#include "actions/ActionRun.h"
#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"

namespace quorvex {

struct CheckedItem
{
    platform::FileIdentity entry; // the item's own entry (a link as the link)
    platform::FileIdentity kept;  // the kept file, after links
    std::string keptPath;         // the kept file's path without links
    // The item is another name of the kept file (a hard link), or for a symbolic link
    // action a symbolic link to it: a link made now would change nothing.
    bool alreadyLinked = false;
};

// Whether the item is still what the list showed (and, with a kept file, whether that
// is too and is another entry): ActionFailure::None when it may be acted on, with
// `checked` filled; otherwise the failure, with the system's reason in `detail` where
// there is one.
ActionFailure CheckItem(const PlannedAction& item, CheckedItem& checked, std::string& detail);

enum class Comparison
{
    Equal,
    Different,
    Unreadable,
    Cancelled
};

// Compares whole files, reporting the progress within the file and reading the cancel
// request between blocks. Its buffers serve all comparisons of a run.
class WholeFileComparison
{
public:
    Comparison compare(const std::string& a, const std::string& b, RunObserver& observer,
                       std::string& detail);
    // The same for files open already, each read from its start.
    Comparison compare(platform::InputFile& a, platform::InputFile& b, RunObserver& observer,
                       std::string& detail);

private:
    std::vector<char> a_, b_;
};

} // namespace quorvex
