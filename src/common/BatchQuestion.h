#pragma once
// How the batches over selected rows (delete of empty items, restore and purge of
// trash items) ask about each row and tell what went wrong without knowing the
// dialog or its words: the caller answers with a decision, the Yes/All/No/Cancel box
// and its "全て" rule living on its side.

#include <functional>
#include <string>

namespace quorvex {

enum class BatchDecision
{
    Proceed, // act on this row
    Skip,    // leave this row, go on with the next one
    Stop,    // leave this row and end the batch
};

// What the question asks about the row's item.
enum class BatchAction
{
    DeleteEmptyItem,  // delete the empty file or folder (into the program's trash)
    RestoreFromTrash, // recreate the trash entry's item at its place
    PurgeFromTrash,   // forget the trash entry
};

struct BatchItem
{
    BatchAction action;
    std::string path;
    bool folder = false;
};

enum class BatchProblem
{
    SystemReason,  // the system refused a step; `detail` says why
    DeleteFailed,  // the empty item could not be deleted
    RestoreFailed, // the trash entry's item could not be recreated
    DamagedEntry,  // the trash entry's stored value `detail` is no number
};

struct BatchNote
{
    BatchProblem problem;
    std::string path;
    bool folder = false;
    std::string detail;
};

// Asks about one row.
using BatchQuestion = std::function<BatchDecision(const BatchItem& item)>;
// Tells one problem, to be shown with an OK button.
using BatchNotice = std::function<void(const BatchNote& note)>;

} // namespace quorvex
