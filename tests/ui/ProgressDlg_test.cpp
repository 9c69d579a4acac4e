#include "resource.h"
#include "ui/BackgroundDoneFlag.h"
#include "ui/ProgressDlg.h"

#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <thread>

namespace {
HWND OpenProgressWindow()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM result) {
            if (IsWindowVisible(hwnd) && GetDlgItem(hwnd, IDC_PROGRESS_TEXT)) {
                *reinterpret_cast<HWND*>(result) = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}
} // namespace

TEST(ProgressDlgTest, AFinishedJobStillShowsTheWindowUntilTheFirstPoll)
{
    BackgroundDoneFlag = 1;
    bool seen = false;
    std::string text;
    bool topmost = false;
    RunSoon(
        [&] {
            HWND window = OpenProgressWindow();
            seen = window != nullptr;
            char buffer[128] = {};
            GetDlgItemTextA(window, IDC_PROGRESS_TEXT, buffer, sizeof(buffer));
            text = buffer;
            topmost = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        },
        300);
    CProgressDlg progress;
    progress.SetText("Saving data");
    EXPECT_EQ(progress.DoModal(), IDOK);
    EXPECT_TRUE(seen) << "the window shows before its first poll even when the job is done";
    EXPECT_EQ(text, "Saving data");
    EXPECT_TRUE(topmost);
    BackgroundDoneFlag = 0;
}

TEST(ProgressDlgTest, WindowWaitsForTheWorkerAndClosesAfterItSetsTheFlag)
{
    BackgroundDoneFlag = 0;
    bool openBeforeDone = false;
    std::thread worker;
    RunSoon(
        [&] {
            // Two polls have passed without the flag: the window must still be there.
            openBeforeDone = OpenProgressWindow() != nullptr;
            worker = std::thread([] { BackgroundDoneFlag = 1; });
        },
        2300);
    CProgressDlg progress;
    progress.SetText("Finding programs");
    EXPECT_EQ(progress.DoModal(), IDOK);
    if (worker.joinable())
        worker.join();
    EXPECT_TRUE(openBeforeDone);
    EXPECT_EQ(OpenProgressWindow(), nullptr);
    BackgroundDoneFlag = 0;
}
