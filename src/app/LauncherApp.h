#pragma once
// The application object: start-up in its fixed order, the single-instance test, the shell
// extension's registration, GDI+, the built-in hotkeys, and the main window's modal run.
#include "data/InstallPaths.h"
#include "ui/wnd/Application.h"

#include <string>

class CLauncherDlg;

class CLauncherApp : public CApplication {
public:
    bool InitInstance() override;
    int ExitInstance() override;
    int DoMessageBox(const char* prompt, UINT type, UINT helpId) override;

    HWND m_hotkeyOwner = nullptr; // the built-in hotkeys belong to the thread, not to a window
    // Built once at start-up and handed to every window.
    InstallPaths m_paths;
    HANDLE m_instanceMapping = nullptr;

private:
    bool PassSingleInstanceTest();
    void RegisterShellExtension(bool registering) const;
    void RegisterBuiltInHotkeys();
    void UnregisterBuiltInHotkeys() const;

    ULONG_PTR m_gdiplusToken = 0;
    // Set once start-up passed the single-instance test: only such a run may undo what start-up
    // did (a refused second copy must leave the running copy's extension and GDI+ alone).
    bool m_startedUp = false;
};

CLauncherApp& TheApp();
