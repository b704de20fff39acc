#pragma once
// Deleting with undo: items go to the desktop's trash (freedesktop.org Trash). Like
// the system shell, this asks one confirmation first and, for an item that cannot
// go to the trash, asks before deleting it for good.

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
    int result = RecycleBinResult::Ok;
    bool aborted = false; // the user declined a question
    // Success means: result Ok and not aborted.
    bool succeeded() const { return result == RecycleBinResult::Ok && !aborted; }
};

// Moves `paths` (exact bytes, '/' separators) to the trash in the given order and
// stops at the first failure or refusal; items moved before it stay in the trash.
// With `showErrors` a failure is also reported in a message.
RecycleOutcome SendToRecycleBin(Dialogs& dialogs, QWidget* owner,
                                const std::vector<std::string>& paths, bool showErrors);
