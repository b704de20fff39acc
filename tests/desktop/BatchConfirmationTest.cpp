// The all-flag rule of item-by-item confirmations, answered by scripted dialogs.
#include "desktop/BatchConfirmation.h"
#include "desktop/TYesAllNoCancelBox.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Decision = BatchConfirmation::Decision;
using Kind = ScriptedDialogs::Kind;

// Asks about `items` items in turn, as a batch flow does, until the batch stops.
std::vector<Decision> runBatch(ScriptedDialogs& dialogs, int items)
{
    TYesAllNoCancelBox box(dialogs);
    BatchConfirmation confirmation(box);
    std::vector<Decision> decisions;
    for (int i = 0; i < items; ++i) {
        decisions.push_back(
            confirmation.ask(QStringLiteral("削除確認"), QStringLiteral("[ item %1 ]").arg(i)));
        if (decisions.back() == Decision::Stop)
            break;
    }
    return decisions;
}

} // namespace

TEST(BatchConfirmation, AnswersWithoutTheCheckBoxCoverOneItemEach)
{
    ScriptedDialogs dialogs;
    dialogs.scriptYesAllNoCancel(ConfirmAnswer::Yes);
    dialogs.scriptYesAllNoCancel(ConfirmAnswer::No);
    dialogs.scriptYesAllNoCancel(ConfirmAnswer::Yes);
    EXPECT_EQ(runBatch(dialogs, 3),
              (std::vector{Decision::Proceed, Decision::Skip, Decision::Proceed}));
    EXPECT_EQ(dialogs.texts(Kind::YesAllNoCancel),
              (QStringList{"[ item 0 ]", "[ item 1 ]", "[ item 2 ]"}));
    EXPECT_EQ(dialogs.calls().front().title, QStringLiteral("削除確認"));
}

TEST(BatchConfirmation, YesForAllProceedsWithTheRestWithoutAsking)
{
    ScriptedDialogs dialogs;
    dialogs.scriptYesAllNoCancel(ConfirmAnswer::No);
    dialogs.scriptYesAllNoCancel(ConfirmAnswer::Yes, true);
    EXPECT_EQ(runBatch(dialogs, 4), (std::vector{Decision::Skip, Decision::Proceed,
                                                 Decision::Proceed, Decision::Proceed}));
    EXPECT_EQ(dialogs.count(Kind::YesAllNoCancel), 2);
}

TEST(BatchConfirmation, NoForAllAndCancelEndTheBatch)
{
    ScriptedDialogs noForAll;
    noForAll.scriptYesAllNoCancel(ConfirmAnswer::Yes);
    noForAll.scriptYesAllNoCancel(ConfirmAnswer::No, true);
    EXPECT_EQ(runBatch(noForAll, 5), (std::vector{Decision::Proceed, Decision::Stop}));

    // Cancel ends the batch whatever the check box says.
    ScriptedDialogs cancel;
    cancel.scriptYesAllNoCancel(ConfirmAnswer::Cancel, false);
    EXPECT_EQ(runBatch(cancel, 5), std::vector{Decision::Stop});
}

TEST(BatchConfirmation, ADialogThatCouldNotBeShownConsentsToNothing)
{
    ScriptedDialogs dialogs;
    dialogs.scriptYesAllNoCancel(ConfirmAnswer::Failed);
    EXPECT_EQ(runBatch(dialogs, 3), std::vector{Decision::Stop});
}
