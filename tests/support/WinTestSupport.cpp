#include "WinTestSupport.h"

#include "ui/wnd/Dialog.h"
#include "ui/wnd/InstallFolder.h"
#include "ui/wnd/PngImage.h"
#include "ui/wnd/TreeViewCtrl.h"

#include <commctrl.h>
#include <objbase.h>

#include <cstdlib>
#include <cstring>
#include <map>

WinTestEnvironment::WinTestEnvironment()
{
    CoInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    m_gdiplus = new CGdiplusSession;
    if (!DistFolder().empty())
        SetInstallFolder(DistFolder());
}

WinTestEnvironment::~WinTestEnvironment()
{
    delete m_gdiplus;
    CoUninitialize();
}

std::string DistFolder()
{
    const char* folder = std::getenv("TAV_DIST_DIR");
    return folder ? folder : "";
}

void PumpFor(DWORD milliseconds)
{
    PumpUntil([] { return false; }, milliseconds);
}

void ParkPointer(HWND window, POINT clientPoint)
{
    ClientToScreen(window, &clientPoint);
    SetCursorPos(clientPoint.x, clientPoint.y);
    PumpFor(100);
    MSG stray;
    while (PeekMessageA(&stray, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
    }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            // Pumped as the program's own loops do, so windows under test see the same keys.
            if (CDialog::TranslateLoopMessage(&msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

namespace {
// The actions of RunSoon by their timer ids.
std::map<UINT_PTR, std::function<void()>> g_pendingActions;

void CALLBACK RunPendingAction(HWND, UINT, UINT_PTR timerId, DWORD)
{
    KillTimer(nullptr, timerId);
    auto found = g_pendingActions.find(timerId);
    if (found == g_pendingActions.end())
        return;
    auto action = std::move(found->second);
    g_pendingActions.erase(found);
    action();
}
} // namespace

void RunSoon(std::function<void()> action, UINT delayMs)
{
    g_pendingActions[SetTimer(nullptr, 0, delayMs, &RunPendingAction)] = std::move(action);
}

HWND FindTopWindow(const char* className, const char* caption)
{
    HWND found = FindWindowA(className, caption);
    return found && IsWindowVisible(found) ? found : nullptr;
}

HANDLE StartProcess(const std::string& commandLine, const std::string& folder)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

bool WaitForFile(const std::string& path, DWORD timeoutMs)
{
    return PumpUntil([&] { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }, timeoutMs);
}

std::string TreeText(HWND tree, HTREEITEM node)
{
    return CTreeViewCtrl(tree).ItemText(node);
}

TVITEMA TreeItemOf(HWND tree, HTREEITEM node)
{
    TVITEMA item{};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    item.hItem = node;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item;
}

std::vector<std::string> ChildTexts(HWND tree, HTREEITEM parent)
{
    std::vector<std::string> texts;
    for (HTREEITEM child = TreeView_GetChild(tree, parent); child; child = TreeView_GetNextSibling(tree, child))
        texts.push_back(TreeText(tree, child));
    return texts;
}

HTREEITEM FindTreeNode(HWND tree, const std::string& text, HTREEITEM parent)
{
    // The children of no node are the tree's top nodes.
    for (HTREEITEM node = TreeView_GetChild(tree, parent); node; node = TreeView_GetNextSibling(tree, node)) {
        if (TreeText(tree, node) == text)
            return node;
        if (HTREEITEM found = FindTreeNode(tree, text, node))
            return found;
    }
    return nullptr;
}

std::string TextOf(HWND dialog, int id)
{
    char buffer[2048] = {};
    GetDlgItemTextA(dialog, id, buffer, sizeof(buffer));
    return buffer;
}

std::string BesideTestProgram(const std::string& name)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program = path;
    return program.substr(0, program.rfind('\\') + 1) + name;
}

bool PutClipboardData(HWND owner, UINT format, const std::string& data)
{
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, data.size());
    std::memcpy(GlobalLock(block), data.data(), data.size());
    GlobalUnlock(block);
    const bool placed = SetClipboardData(format, block) != nullptr;
    CloseClipboard();
    return placed;
}

void PutClipboardText(HWND owner, const std::string& text)
{
    PutClipboardData(owner, CF_TEXT, text + '\0');
}

std::string ClipboardData(HWND owner, UINT format)
{
    if (!OpenClipboard(owner))
        return "<clipboard busy>";
    std::string bytes = "<no data>";
    if (HANDLE data = GetClipboardData(format)) {
        bytes.assign(static_cast<const char*>(GlobalLock(data)), GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes;
}

std::string ClipboardText(HWND owner)
{
    const std::string text = ClipboardData(owner, CF_TEXT);
    return text.substr(0, text.find('\0'));
}
