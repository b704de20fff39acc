#pragma once
// Acting on the rows of a folder comparison: copying entries from one side to the
// other as plans (src/actions), and the rows afterwards, read again from the disk.
// Which rows a choice copies is decided by their cells as the list shows them: the
// missing side, and for "newer over older" the time cell, never by a new guess. An
// entry that is no longer as compared (changed after the comparison began, or no
// longer of the kind or presence the row shows) is left out and named.

#include <cstdint>
#include <string>
#include <vector>

#include "actions/ActionPlan.h"
#include "actions/ActionRun.h"
#include "compare/ComparisonList.h"
#include "platform/FileSystem.h"

namespace quorvex {

enum class CopyChoice : std::uint8_t
{
    AToB,      // the rows' entries of A to B, over B's differing files
    BToA,      // the other way
    UpdateB,   // what B lacks, and A's files newer than B's over them
    UpdateBoth // both ways: each side gets what it lacks and the newer of each pair
};

// Where a file that a copy replaces stays restorable.
enum class ReplacedKeeping : std::uint8_t
{
    Trash,    // the desktop trash
    Versioned // beside the copy, under its name with its time (VersionedPath)
};

// What the rows were compared from.
struct ComparisonScope
{
    std::string rootA, rootB;
    platform::FileTime comparedAt; // when the rows were taken from the disk
    bool files = false;            // two single files (times as days)
    bool contents = false;         // the contents were compared
};

class ComparisonEngine;

// The scope of the engine's rows, with absolute roots; `contents`: whether the
// contents were compared.
ComparisonScope ScopeOfComparison(const ComparisonEngine& engine, bool contents);

// Why an entry of a chosen row is left out of the plan.
enum class LeftOutReason : std::uint8_t
{
    Changed,    // it, or what it would replace, is not as compared
    NotAFile,   // neither a file, a link nor a folder (a FIFO, a device): never copied
    Unreadable, // a folder to copy whole that cannot be listed
};

struct LeftOut
{
    std::string path;
    LeftOutReason reason = LeftOutReason::Changed;
};

struct CopyPlan
{
    ActionPlan plan;
    std::vector<LeftOut> leftOut; // in row order
};

// The plan for `rows` (row order). A missing folder is copied whole (its entries on
// the disk, links as links, never entered), the folders above a copied file that the
// other side lacks are made, and rows below a folder copied whole add nothing. Rows
// alike in size, time, attributes and (where compared) content are never copied, nor
// folders that both sides have. `onlyMissing` keeps to entries the other side lacks.
// Each replaced file stays as `keeping` says.
CopyPlan PlanCopies(const ComparisonList& list, const ComparisonScope& scope,
                    const std::vector<std::size_t>& rows, CopyChoice choice, bool onlyMissing,
                    ReplacedKeeping keeping = ReplacedKeeping::Trash);

// The rows after a run of a plan made for them: every row an item was done for, or
// that lies below a folder made, takes its sides and relations from the disk; a copy
// done shows its content equal where contents were compared.
void RefreshCopiedRows(ComparisonList& list, const ComparisonScope& scope, const ActionPlan& plan,
                       const std::vector<ActionOutcome>& outcomes);

} // namespace quorvex
