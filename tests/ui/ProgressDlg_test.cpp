#include "resource.h"
#include "ui/BackgroundDoneFlag.h"
#include "ui/ProgressDlg.h"

#include "DialogHost.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <thread>

TEST(ProgressDlgTest, ShowsUntilAPollSeesTheFlagEvenWhenTheJobIsAlreadyDone)
{
    for (const bool doneBeforeOpening : {true, false}) {
        BackgroundDoneFlag = doneBeforeOpening ? 1 : 0;
        std::thread worker;
        CProgressDlg progress;
        progress.SetText("Saving data");
        const INT_PTR result = HostDialog(progress, [&](HWND window) {
            EXPECT_TRUE(IsWindowVisible(window));
            EXPECT_EQ(TextOf(window, IDC_PROGRESS_TEXT), "Saving data");
            EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
            if (!doneBeforeOpening) {
                // Two polls pass without the flag: the window must stay.
                PumpFor(2300);
                EXPECT_TRUE(progress.IsRunning());
                worker = std::thread([] { BackgroundDoneFlag = 1; });
            }
            EXPECT_TRUE(PumpUntil([&] { return !progress.IsRunning(); }, 10000))
                << "the window closes itself once the flag is set";
        });
        EXPECT_EQ(result, IDOK);
        if (worker.joinable())
            worker.join();
    }
    BackgroundDoneFlag = 0;
}
