#pragma once
// Copying chosen rows of the comparison list from side to side ("A→B にコピー",
// "B→A にコピー", "新しい方で上書き"): the plan of the rows, one confirmation with its
// counts and bytes that also names the entries left out, the run on the progress
// panel, failures in one message (desktop/ActionPlanRun.h), and the rows read again
// from the disk afterwards.

#include "compare/CompareActions.h"

#include <vector>

struct PageServices;
class RunIndicatorObserver;

namespace quorvex {
class ComparisonEngine;
}

struct RowCopying
{
    quorvex::CopyChoice choice;
    quorvex::ReplacedKeeping keeping; // where each replaced file stays
};

// True when the copies ran, and the rows of `engine` may show new sides and relations.
// `contents`: whether the rows' contents were compared.
bool CopyComparisonRows(const PageServices& services, RunIndicatorObserver& progress,
                        quorvex::ComparisonEngine& engine, const std::vector<std::size_t>& rows,
                        RowCopying copying, bool contents);
