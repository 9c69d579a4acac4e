#include "config/DiscoveryProgress.h"

#include "config/ProgramDiscovery.h"
#include "ui/BackgroundDoneFlag.h"
#include "ui/ProgressDlg.h"

#include <thread>

void RunDiscoveryWithProgress(HWND owner, const std::string& progressText, const ItemList& items, ProgramList& list)
{
    BackgroundDoneFlag = 0;
    std::thread worker([&items, &list] {
        try {
            ProgramDiscovery().Discover(items, list);
        } catch (...) {
            // A failed discovery leaves what it found; the window must close all the same.
        }
        BackgroundDoneFlag = 1;
    });
    CProgressDlg progress(owner);
    progress.SetText(progressText);
    progress.DoModal();
    worker.join();
}
