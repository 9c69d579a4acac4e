#include "WinTestSupport.h"
#include "ui/wnd/WindowSubclass.h"

#include <gtest/gtest.h>

#include <string>

namespace {
const UINT kProbe = WM_APP + 7;

// Each procedure appends its letter (its data) to the trace, passes the message on, and
// lets the test act from inside the chain.
std::string g_trace;
HWND g_removeWhileRunning = nullptr;

LRESULT CALLBACK Tracer(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data)
{
    if (msg == kProbe) {
        g_trace += static_cast<char>(data);
        if (g_removeWhileRunning == hwnd && data == 'b')
            RemoveSubclass(hwnd, &Tracer, id);
    }
    return CallNextSubclass(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK Original(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == kProbe) {
        g_trace += 'o';
        return 42;
    }
    if (msg == WM_SETTEXT && lParam != 0)
        g_trace += std::string("text:") + reinterpret_cast<const char*>(lParam);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace

TEST(WindowSubclass, NewestRunsFirstTheOriginalLastAndRemovalWorksEvenInsideTheChain)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &Original;
    windowClass.lpszClassName = "SubclassProbe";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("SubclassProbe", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const auto original = GetWindowLongPtrA(window, GWLP_WNDPROC);
    ASSERT_TRUE(InstallSubclass(window, &Tracer, 1, 'a'));
    ASSERT_TRUE(InstallSubclass(window, &Tracer, 2, 'b'));
    g_trace.clear();
    EXPECT_EQ(SendMessageA(window, kProbe, 0, 0), 42);
    EXPECT_EQ(g_trace, "bao");

    DWORD_PTR data = 0;
    EXPECT_TRUE(FindSubclass(window, &Tracer, 1, &data));
    EXPECT_EQ(data, DWORD_PTR{'a'});
    EXPECT_FALSE(FindSubclass(window, &Tracer, 3, &data));

    // Texts reach the original procedure as the ANSI text they were sent as.
    g_trace.clear();
    SetWindowTextA(window, "caf\xE9");
    EXPECT_EQ(g_trace, "text:caf\xE9");

    EXPECT_TRUE(RemoveSubclass(window, &Tracer, 1));
    EXPECT_TRUE(RemoveSubclass(window, &Tracer, 2));
    EXPECT_FALSE(RemoveSubclass(window, &Tracer, 2));
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), original);

    // Removal inside the chain finishes the message; the chain ends with the window.
    ASSERT_TRUE(InstallSubclass(window, &Tracer, 1, 'a'));
    ASSERT_TRUE(InstallSubclass(window, &Tracer, 2, 'b'));
    g_removeWhileRunning = window;
    g_trace.clear();
    SendMessageA(window, kProbe, 0, 0);
    SendMessageA(window, kProbe, 0, 0);
    g_removeWhileRunning = nullptr;
    EXPECT_EQ(g_trace, "baoao");
    DestroyWindow(window);
    EXPECT_FALSE(FindSubclass(window, &Tracer, 1, &data));
}
