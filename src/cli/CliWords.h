#pragma once
// The words quorvex-cli prints for what the engines report as codes: one fixed table,
// the same bytes in every locale, since scripts read them.

#include <string>
#include <string_view>

#include "actions/ActionRun.h"
#include "common/InputRefusal.h"
#include "common/RunEstimate.h"
#include "compare/CompareActions.h"

namespace quorvex::cli {

// Why an item of a plan was not done: one sentence, with the system's reason where
// there is one.
std::string ActionFailureWords(const PlannedAction& item, const ActionOutcome& outcome);

// Why an entry of a chosen comparison row is not copied.
std::string_view LeftOutWords(LeftOutReason reason);

// The warning for a refused input, such as "フォルダ [ PATH ]\n\nファイルパスが不明です。";
// empty for no refusal.
std::string RefusalWords(const InputRefusal& refusal);

// What a search that found nothing says.
std::string NothingFoundWords(bool identicalSearch);

// "経過 0:12  残り 約 1:05" while running ("経過 0:12" before an estimate).
std::string RunningTimeWords(RunEstimate& estimate);

// The content cell of a duplicate group's reference row.
inline constexpr std::string_view kReferenceWord = "基準";

// Why a row of an opened list, or its group's kept file, is not acted on.
inline constexpr std::string_view kNotAsListedWords =
    "it, or the file of its group that stays, is not as the list says";

// The empty-item count: "12 個".
std::string ItemCountWords(std::size_t count);

} // namespace quorvex::cli
