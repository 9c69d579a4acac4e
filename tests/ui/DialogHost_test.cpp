#include "SkinHostDlg.h"

#include "DialogHost.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

// The host itself: a window test cannot pass without its window and its body.
TEST(DialogHost, FailsWhenTheWindowNeverOpensOrClosesBeforeItsLastStep)
{
    CDialog noTemplate(59999);
    EXPECT_NONFATAL_FAILURE(HostDialog(noTemplate, [](HWND) {}), "never ran its steps");

    CSkinHostDlg early;
    EXPECT_NONFATAL_FAILURE(HostDialog(early, {[&](HWND) { early.EndDialog(IDOK); }, [](HWND) {}}),
                            "closed after step 1 of 2");

    CSkinHostDlg left;
    int ran = 0;
    EXPECT_EQ(HostDialog(left, {[&](HWND) { ++ran; }, [&](HWND) { ++ran; }}), IDCANCEL)
        << "the host ends a window its last step left open";
    EXPECT_EQ(ran, 2);
}
