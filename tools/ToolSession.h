#pragma once
// What the program's own start-up does before it opens a window, for the tools that show its
// windows: COM, the common controls, GDI+, and the installation folder from TAV_DIST_DIR when
// that is set (an option may name another one afterwards). Undone when the session ends.
#include "ui/wnd/InstallFolder.h"
#include "ui/wnd/PngImage.h"

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

class CToolSession {
public:
    CToolSession()
    {
        CoInitialize(nullptr);
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        const char* dist = std::getenv("TAV_DIST_DIR");
        if (dist && *dist)
            SetInstallFolder(dist);
    }
    ~CToolSession() { CoUninitialize(); }
    CToolSession(const CToolSession&) = delete;
    CToolSession& operator=(const CToolSession&) = delete;

    // Tells the screenshot script where to shoot: writes "x y width height" of `rect` to
    // `readyFile`, then ends the process once the script has deleted the file.
    static void ReportReady(const RECT& rect, const std::string& readyFile)
    {
        ReadyFile() = readyFile;
        if (FILE* file = std::fopen(readyFile.c_str(), "w")) {
            std::fprintf(file, "%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                         rect.bottom - rect.top);
            std::fclose(file);
        }
        SetTimer(nullptr, 0, 100, &EndOnceReadyFileGone);
    }

    // The same for a window's client area, the window moved first where the whole of it is on
    // the screen: a window wider than the room right of its place would be cut off.
    static void ReportReady(HWND window, const std::string& readyFile)
    {
        RECT rect{};
        GetWindowRect(window, &rect);
        const long left = std::max(0L, std::min(rect.left, GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)));
        const long top = std::max(0L, std::min(rect.top, GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)));
        if (left != rect.left || top != rect.top) {
            SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            GetWindowRect(window, &rect);
        }
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        // Only the client area is drawn: with no window manager there is no frame around it.
        GetClientRect(window, &rect);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        ReportReady(rect, readyFile);
    }

private:
    static std::string& ReadyFile()
    {
        static std::string path;
        return path;
    }
    static void CALLBACK EndOnceReadyFileGone(HWND, UINT, UINT_PTR, DWORD)
    {
        if (GetFileAttributesA(ReadyFile().c_str()) == INVALID_FILE_ATTRIBUTES)
            ExitProcess(0);
    }

    CGdiplusSession m_gdiplus;
};
