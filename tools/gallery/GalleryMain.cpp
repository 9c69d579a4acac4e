// gallery.exe: shows the gallery window for screenshots and for a person to try the controls.
//   --install FOLDER   installation folder whose Images folder skins the controls (an empty
//                      folder shows the fallbacks); default: TAV_DIST_DIR
//   --hover NAME       puts the pointer over a named control
//   --press NAME       holds the left button down on a named control
//   --messagebox TYPE  opens the skinned message box of that MB_* type over the gallery
//   --progress         opens the progress window over the gallery
//   --ready FILE       once everything shows, writes the gallery's screen rectangle
//                      ("x y width height") to FILE, and ends when FILE is deleted
#include "../ToolSession.h"
#include "GalleryDlg.h"

#include "ui/TipText.h"
#include "ui/BackgroundDoneFlag.h"
#include "ui/ProgressDlg.h"
#include "ui/SkinMessageBox.h"
#include "ui/wnd/InstallFolder.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
struct GalleryOptions {
    std::string hover;
    std::string press;
    int messageBoxType = -1;
    bool progress = false;
    std::string readyFile;
};

GalleryOptions g_options;
CGalleryDlg* g_gallery = nullptr;

GalleryOptions ParseOptions(int argc, char** argv)
{
    GalleryOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--progress") {
            options.progress = true;
            continue;
        }
        const char* value = i + 1 < argc ? argv[++i] : "";
        if (option == "--install")
            SetInstallFolder(value);
        else if (option == "--hover")
            options.hover = value;
        else if (option == "--press")
            options.press = value;
        else if (option == "--messagebox")
            options.messageBoxType = std::atoi(value);
        else if (option == "--ready")
            options.readyFile = value;
    }
    return options;
}

POINT CentreOf(HWND control)
{
    RECT rect{};
    GetClientRect(control, &rect);
    return POINT{rect.right / 2, rect.bottom / 2};
}

void Hover(HWND control)
{
    POINT point = CentreOf(control);
    POINT screen = point;
    ClientToScreen(control, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
}

void Press(HWND control)
{
    Hover(control);
    POINT point = CentreOf(control);
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
}

// The rectangle around every window the gallery shows (a centred box may lie outside it).
BOOL CALLBACK UniteWindow(HWND hwnd, LPARAM unionRect)
{
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof(className));
    if (!IsWindowVisible(hwnd) || lstrcmpiA(className, TOOLTIPS_CLASSA) == 0)
        return TRUE;
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    auto* all = reinterpret_cast<RECT*>(unionRect);
    UnionRect(all, all, &rect);
    return TRUE;
}

void CALLBACK ReportReady(HWND, UINT, UINT_PTR timerId, DWORD)
{
    KillTimer(nullptr, timerId);
    RECT rect{};
    GetWindowRect(g_gallery->Hwnd(), &rect);
    EnumThreadWindows(GetCurrentThreadId(), &UniteWindow, reinterpret_cast<LPARAM>(&rect));
    CToolSession::ReportReady(rect, g_options.readyFile);
}

void OpenOverlay()
{
    if (g_options.messageBoxType >= 0) {
        const std::string images = InstallFolder() + "\\Images\\";
        CSkinMessageBox box("Gallery", "A message in the skinned box.\r\nIt shows the buttons of its type.",
                            static_cast<UINT>(g_options.messageBoxType), images + "CommonDlg.png", RGB(7, 191, 255),
                            images + "normalbtn_01.png", images + "normalbtn_02.png", g_gallery->Hwnd());
        box.DoModal();
    } else if (g_options.progress) {
        BackgroundDoneFlag = 0;
        CProgressDlg progress(g_gallery->Hwnd());
        progress.SetText("Saving the data, please wait...");
        progress.DoModal();
    }
}

void CALLBACK ShowStates(HWND, UINT, UINT_PTR timerId, DWORD)
{
    KillTimer(nullptr, timerId);
    g_gallery->ShowStates();
    if (HWND hover = g_gallery->Canvas()->Named(g_options.hover))
        Hover(hover);
    if (HWND press = g_gallery->Canvas()->Named(g_options.press))
        Press(press);
    if (!g_options.readyFile.empty())
        SetTimer(nullptr, 0, 700, &ReportReady);
    OpenOverlay();
}
} // namespace

int main(int argc, char** argv)
{
    CToolSession session;
    g_options = ParseOptions(argc, argv);
    g_configPath = InstallFolder() + "\\TavimorethConfig.ini";

    CGalleryDlg gallery;
    g_gallery = &gallery;
    SetTimer(nullptr, 0, 300, &ShowStates);
    gallery.DoModal();
    g_gallery = nullptr;
    return 0;
}
