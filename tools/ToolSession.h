#pragma once
// What the program's own start-up does before it opens a window, for the tools that show its
// windows: COM, the common controls, GDI+, and the installation folder from TAV_DIST_DIR when
// that is set (an option may name another one afterwards). Undone when the session ends.
#include "ui/wnd/InstallFolder.h"
#include "ui/wnd/PngImage.h"

#include <commctrl.h>
#include <objbase.h>

#include <cstdlib>

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

private:
    CGdiplusSession m_gdiplus;
};
