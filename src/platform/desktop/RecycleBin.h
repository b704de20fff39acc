#pragma once
// Deleting with undo: items go to the desktop's trash (freedesktop.org Trash). Like
// the system shell, this asks one confirmation first and, for an item that cannot
// go to the trash, asks before deleting it for good. An item that fails does not
// stop the others; the caller learns item by item which ones left the disk.

#include <string>
#include <vector>

class Dialogs;
class QWidget;

// Result codes of SendToRecycleBin.
namespace RecycleBinResult {
inline constexpr int Ok = 0;
inline constexpr int NotFound = 2; // an item does not exist
inline constexpr int Failed = 5;   // an item could be neither trashed nor deleted
inline constexpr int Cancelled = 1223;
} // namespace RecycleBinResult

struct RecycleOutcome
{
    int result = RecycleBinResult::Ok; // the first failure's code
    bool aborted = false;              // the user declined a question
    bool confirmed = false;            // the user agreed to the operation
    // One flag per given path: the item was trashed or deleted by this operation,
    // also as part of a folder given before it.
    std::vector<bool> removed;
    // Success means: result Ok and not aborted.
    bool succeeded() const { return result == RecycleBinResult::Ok && !aborted; }
};

// Moves `paths` (exact bytes, '/' separators) to the trash in the given order. An
// item that is missing or cannot be removed stays, and so does one the user will not
// have deleted for good; the others still go. With `showErrors` one message lists
// the items that failed, each with its reason.
RecycleOutcome SendToRecycleBin(Dialogs& dialogs, QWidget* owner,
                                const std::vector<std::string>& paths, bool showErrors);
