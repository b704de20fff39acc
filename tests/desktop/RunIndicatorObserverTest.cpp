// A page's run observer over the progress panel of a host of its own, on a scripted
// clock: what an engine reports moves the overall bar, and the status bar shows the
// time taken and the time left while a run goes on, by entries or by bytes, and the
// time it took.
#include "desktop/RunIndicatorObserver.h"
#include "controls/TColorProgressBar.h"
#include "desktop/ProgressPanel.h"
#include "support/PageHost.h"
#include "support/ScriptedClock.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(RunIndicatorObserver, TheStatusBarShowsTheTimeTakenAndTheTimeLeft)
{
    quorvex::test::TempTree tree;
    ScriptedDialogs dialogs;
    PageHost host(dialogs, tree.path("data/"), Page::Compare);
    quorvex::test::ScriptedClock clock;
    RunIndicatorObserver observer(host.services().progressPanel, clock);

    // By entries: one of four done and half of the next file after 15 s.
    observer.start();
    observer.setOverallMax(4);
    observer.stepOverall(1);
    observer.setFileMax(10);
    observer.setFilePosition(5);
    clock.time += 15s;
    observer.pumpMessages();
    EXPECT_EQ(host.services().progressPanel.ColorProgressBar1->Position(), 1u);
    EXPECT_EQ(host.statusText(0).toStdString(), "経過 0:15  残り 約 0:25");

    // By bytes once the engine reports them: a quarter of the bytes after 1:10,
    // though three of four entries are done.
    observer.start();
    observer.setOverallMax(4);
    observer.setWorkTotal(4000);
    observer.stepOverall(3);
    observer.addWorkDone(1000);
    clock.time += 70s;
    observer.pumpMessages();
    EXPECT_EQ(host.statusText(0).toStdString(), "経過 1:10  残り 約 3:30");
    clock.time += 5s;
    observer.finish();
    EXPECT_EQ(host.statusText(0).toStdString(), "所要時間 1:15");
}
