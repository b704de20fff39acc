#pragma once
// A plan's rows as its confirmation shows them under "詳細": the rows the command
// line prints for a dry run of the plan (actions/PlanTable.h), under captions of
// their columns, with the total of their bytes below.

#include "desktop/Dialogs.h"

namespace quorvex {
struct ActionPlan;
}

// `plan` must outlive the question that shows the rows.
QuestionDetails PlanDetails(const quorvex::ActionPlan& plan);
