// Starts the staged program itself: a second copy is refused with the "ProgramRunning" text
// while the first keeps running, and the first ends with code 0 through its quit path.
#include "ui/TipText.h"
#include "resource.h"

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

// The text of a system message box, or of the program's own skinned one.
std::string MessageBoxText(HWND box, int textId = 0xFFFF)
{
    char text[1024] = {};
    GetDlgItemTextA(box, textId, text, sizeof(text));
    return text;
}

// Answers a message box of another process by pressing one of its buttons.
void Press(HWND box, int button)
{
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
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
    EXPECT_EQ(MessageBoxText(tips), ShippedText("ProgramRunning"));
    Press(tips, IDOK);
    EXPECT_EQ(WaitForSingleObject(second, 20000), WAIT_OBJECT_0);
    DWORD secondCode = 99;
    GetExitCodeProcess(second, &secondCode);
    EXPECT_EQ(secondCode, 0u);
    CloseHandle(second);

    EXPECT_EQ(WaitForSingleObject(first, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(IsWindowVisible(mainWindow));

    // The quit path: the close button asks "HideProgram"; No ends the program.
    PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(1019, BN_CLICKED), 0);
    HWND question = nullptr;
    PumpUntil(
        [&] {
            question = FindTopWindow("#32770", title.c_str());
            return question && question != mainWindow;
        },
        20000);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(MessageBoxText(question, IDC_MESSAGE_TEXT), ShippedText("HideProgram"));
    Press(question, IDNO);
    ASSERT_EQ(WaitForSingleObject(first, 20000), WAIT_OBJECT_0);
    DWORD firstCode = 99;
    GetExitCodeProcess(first, &firstCode);
    EXPECT_EQ(firstCode, 0u);
    CloseHandle(first);
}
