// Starts the staged program itself: a second copy is refused with the "ProgramRunning" text
// while the first keeps running, and the first ends with code 0 through its quit path (whose
// question is the main window's test).
#include "ui/TipText.h"

#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {
HWND WaitForTopWindow(const char* caption, DWORD timeoutMs)
{
    HWND found = nullptr;
    PumpUntil([&] { return (found = FindTopWindow("#32770", caption)) != nullptr; }, timeoutMs);
    return found;
}

// Answers a message box of another process by pressing one of its buttons.
void Press(HWND box, int button)
{
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}

DWORD ExitCodeOf(HANDLE process)
{
    DWORD code = 99;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    return code;
}

std::string ShippedText(const char* key)
{
    g_configPath = DistFolder() + "\\TavimorethConfig.ini";
    return GetTipText(key);
}
} // namespace

TEST(SingleInstance, SecondStartIsRefusedAndFirstCopyQuitsWithCodeZero)
{
    const std::string program = DistFolder() + "\\Tavimoreth.exe";
    const std::string title = ShippedText("ShortDlgTitle");
    HANDLE first = StartProcess("\"" + program + "\"", DistFolder());
    ASSERT_NE(first, nullptr);
    HWND mainWindow = WaitForTopWindow(title.c_str(), 20000);
    ASSERT_NE(mainWindow, nullptr);

    HANDLE second = StartProcess("\"" + program + "\"", DistFolder());
    ASSERT_NE(second, nullptr);
    HWND tips = WaitForTopWindow("Tips", 20000);
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(TextOf(tips, 0xFFFF), ShippedText("ProgramRunning"));
    Press(tips, IDOK);
    EXPECT_EQ(WaitForSingleObject(second, 20000), WAIT_OBJECT_0);
    EXPECT_EQ(ExitCodeOf(second), 0u);

    EXPECT_EQ(WaitForSingleObject(first, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(IsWindowVisible(mainWindow));

    // The quit path: the close button asks; No ends the program.
    PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(1019, BN_CLICKED), 0);
    HWND question = nullptr;
    PumpUntil(
        [&] {
            question = FindTopWindow("#32770", title.c_str());
            return question && question != mainWindow;
        },
        20000);
    ASSERT_NE(question, nullptr);
    Press(question, IDNO);
    ASSERT_EQ(WaitForSingleObject(first, 20000), WAIT_OBJECT_0);
    EXPECT_EQ(ExitCodeOf(first), 0u);
}
