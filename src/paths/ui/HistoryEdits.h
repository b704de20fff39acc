#pragma once
// The edits of the history page on a list of entries with their selection marks:
// moving the selected entries one place up or down, deleting them, sorting. Each
// entry keeps its mark where it goes, so the selection follows the moved entries.

#include <QString>

#include <vector>

struct HistoryEntry
{
    QString text;
    bool selected = false;

    bool operator==(const HistoryEntry&) const = default;
};
using HistoryEntries = std::vector<HistoryEntry>;

// Each selected entry trades places with the unselected one before (step -1) or
// after (step +1) it; a block of adjacent selected entries thus moves as a whole.
// Nothing moves when an entry at the edge it would leave by is selected. Returns
// whether anything moved.
bool MoveSelectedEntries(HistoryEntries& entries, int step);

// Removes the selected entries and selects the entry that took the place of the
// first of them (the new last entry when none did), so that deleting can go on at
// once. Returns whether any were removed.
bool DeleteSelectedEntries(HistoryEntries& entries);

// Ascending text order without regard to letter case, in the locale's collation;
// entries equal but for case keep their order.
void SortEntries(HistoryEntries& entries);
