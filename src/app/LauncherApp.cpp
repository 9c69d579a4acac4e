#include "app/LauncherApp.h"

#include "app/HotkeyIds.h"
#include "app/Launcher.h"
#include "app/LauncherDlg.h"
#include "config/ConfigDlg.h"
#include "app/RunCommand.h"
#include "ui/TipText.h"
#include "ui/SkinMessageBox.h"
#include "ui/wnd/InstallFolder.h"

#include <commctrl.h>
#include <gdiplus.h>
#include <objbase.h>

bool CLauncherApp::InitInstance()
{
    m_paths = InstallPaths::In(ProgramFolder());
    SetInstallFolder(m_paths.folder);
    g_configPath = m_paths.textsFile;

    if (!PassSingleInstanceTest())
        return false;
    m_startedUp = true;

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitialize(nullptr);

    RegisterShellExtension(true);

    Gdiplus::GdiplusStartupInput gdiplusInput;
    Gdiplus::GdiplusStartup(&m_gdiplusToken, &gdiplusInput, nullptr);

    CLauncherDlg mainDialog(m_paths);
    SetMainDialog(&mainDialog);
    CLauncherDlg::SetConfigurationHook([this, &mainDialog](HWND owner) {
        // The items' own hotkeys rest while they are being assigned: a trial registration of
        // a combination then fails only when another program holds it.
        mainDialog.UnregisterItemHotkeys();
        CConfigDlg config(owner, m_paths);
        config.LaunchCommand = [](const std::string& command) { LaunchCommandText(command); };
        config.RunProgram = [](const std::string& command) { RunCommand(command.c_str(), "", true); };
        config.RunCommandsInTurn = [](const std::vector<std::string>& commands) { RunCommandsInTurn(commands); };
        config.DoModal();
    });
    RegisterBuiltInHotkeys();

    mainDialog.DoModal();

    UnregisterBuiltInHotkeys();
    mainDialog.UnregisterItemHotkeys();
    SetMainDialog(nullptr);
    return false;
}

int CLauncherApp::ExitInstance()
{
    if (!m_startedUp)
        return 0;
    Gdiplus::GdiplusShutdown(m_gdiplusToken);
    if (m_instanceMapping) {
        CloseHandle(m_instanceMapping);
        m_instanceMapping = nullptr;
    }
    RegisterShellExtension(false);
    CoUninitialize();
    return 0;
}

bool CLauncherApp::PassSingleInstanceTest()
{
    m_instanceMapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READONLY, 0, 13, "Tavimoret");
    if (m_instanceMapping && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(m_instanceMapping);
        m_instanceMapping = nullptr;
        std::string text = GetTipText("ProgramRunning");
        MessageBoxA(nullptr, text.c_str(), "Tips", MB_OK);
        return false;
    }
    return true;
}

void CLauncherApp::RegisterShellExtension(bool registering) const
{
    // The path quoted, since most programs live under a folder with blanks ("C:\Program Files"),
    // and apart from the program, so that the shell finds RegSvr32 and hands it the arguments.
    const std::string arguments = "\"" + m_paths.folder + "\\TavimorethExt.dll\" " + (registering ? "/s" : "/u /s");
    RunCommand("RegSvr32.exe", arguments.c_str(), false);
}

void CLauncherApp::RegisterBuiltInHotkeys()
{
    RegisterHotKey(m_hotkeyOwner, static_cast<int>(kToggleWindowHotkeyId), MOD_CONTROL | MOD_SHIFT, 'J');
    RegisterHotKey(m_hotkeyOwner, static_cast<int>(kCaptureAHotkeyId), MOD_CONTROL | MOD_SHIFT, 'A');
    RegisterHotKey(m_hotkeyOwner, static_cast<int>(kCaptureCHotkeyId), MOD_CONTROL | MOD_SHIFT, 'C');
}

void CLauncherApp::UnregisterBuiltInHotkeys() const
{
    UnregisterHotKey(m_hotkeyOwner, static_cast<int>(kToggleWindowHotkeyId));
    UnregisterHotKey(m_hotkeyOwner, static_cast<int>(kCaptureAHotkeyId));
    UnregisterHotKey(m_hotkeyOwner, static_cast<int>(kCaptureCHotkeyId));
}

CLauncherApp& TheApp()
{
    static CLauncherApp app;
    return app;
}

int CLauncherApp::DoMessageBox(const char* prompt, UINT type, UINT /*helpId*/)
{
    if (m_paths.folder.empty())
        m_paths = InstallPaths::In(ProgramFolder());
    // Prompts are mostly texts of the text file, whose look-up shares one buffer with the
    // caption's: keep a copy before the caption is read.
    const std::string text = prompt ? prompt : "";
    const std::string images = m_paths.imagesFolder + "\\";
    std::string caption = GetTipText("ShortDlgTitle");
    HWND owner = MainDialog() ? MainDialog()->Hwnd() : nullptr;
    CSkinMessageBox box(caption, text, type, images + "CommonDlg.png", RGB(7, 191, 255), images + "normalbtn_01.png",
                        images + "normalbtn_02.png", owner);
    const INT_PTR result = box.DoModal();
    // Without its template the skinned box cannot open; the question must still be asked.
    if (result < 0)
        return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
    return static_cast<int>(result);
}
