// Starts the staged program itself: a second copy is refused with the "ProgramRunning" text
// while the first keeps running, and the first ends with code 0 through its quit path (whose
// question is the main window's test). The program's manifest names the systems it supports,
// so none of them runs it in the compatibility mode of an older one.
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

std::string ManifestOf(const std::string& program)
{
    HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = module ? FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)) : nullptr;
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    std::string text =
        loaded ? std::string(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found)) : "";
    if (module)
        FreeLibrary(module);
    return text;
}
} // namespace

TEST(SingleInstance, SecondStartIsRefusedAndFirstCopyQuitsWithCodeZero)
{
    const std::string program = DistFolder() + "\\Tavimoreth.exe";
    const std::string manifest = ManifestOf(program);
    for (const char* system : {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
                               "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
        EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"{") + system + "}\"/>"), std::string::npos) << system;
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
    PostMessageA(tips, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
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
    PostMessageA(question, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
    ASSERT_EQ(WaitForSingleObject(first, 20000), WAIT_OBJECT_0);
    EXPECT_EQ(ExitCodeOf(first), 0u);
}
