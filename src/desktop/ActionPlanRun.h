#pragma once
// How a page carries out a plan that its list built (src/actions): one confirmation
// that says how many items and how many bytes, with the plan's rows under "詳細"
// (PlanDetails.h), the run on the progress panel (the
// cancel button stops it between items), a question before an item that cannot go
// to the trash is deleted for good, and one message that names every item that was
// not done, with its reason. The page only builds the plan and shows the outcome.
//
//   const PlanRunResult result = ConfirmAndRunPlan(services_, progress_, plan);
//   if (result.confirmed) { update the rows from result.outcomes; OfferEmptyFolderSearch(...); }

#include "actions/ActionRun.h"

#include <QString>

#include <vector>

struct PageServices;
class RunIndicatorObserver;

struct PlanRunResult
{
    bool confirmed = false; // the user agreed and the plan ran
    std::vector<quorvex::ActionOutcome> outcomes;
};

// `note`, when not empty, is added to the confirmation (what the plan leaves out). The
// run is one of the page's runs on `progress`.
PlanRunResult ConfirmAndRunPlan(const PageServices& services, RunIndicatorObserver& progress,
                                const quorvex::ActionPlan& plan, const QString& note = {});

// After files were trashed or moved: when a folder they left is empty now, asks
// whether to look for empty folders in `searchFolder`, and shows the empty-item page
// searching there on yes.
void OfferEmptyFolderSearch(const PageServices& services, const quorvex::ActionPlan& plan,
                            const std::vector<quorvex::ActionOutcome>& outcomes,
                            const std::string& searchFolder);
