// The quick-launch window's part in the global hotkeys, the clipboard capture and the
// Explorer hand-off.
#include "app/ItemHotkeys.h"
#include "app/Launcher.h"
#include "app/LauncherApp.h"
#include "app/LauncherDlg.h"
#include "app/TipText.h"
#include "data/AddItemDlg.h"
#include "data/ClipboardSnapshot.h"
#include "data/HandOff.h"
#include "data/NewGuidString.h"
#include "data/ReceiveItem.h"
#include "data/SharedItemList.h"
#include "ui/wnd/InstallFolder.h"

bool CLauncherDlg::DispatchHotkey(UINT id)
{
    const CLauncherApp& app = TheApp();
    if (id == app.m_idToggleWindow) {
        ShowOrHideWindow(m_nextToggleShows);
        m_nextToggleShows = !m_nextToggleShows;
        return true;
    }
    if (id == app.m_idCaptureA || id == app.m_idCaptureC) {
        CaptureClipboard();
        return true;
    }
    const long index = ItemOfHotkey(id);
    if (index < 0)
        return false;
    LaunchItemByIndex(static_cast<int>(index));
    return true;
}

void CLauncherDlg::CaptureClipboard()
{
    HWND foreground = GetForegroundWindow();
    m_captureThread = GetWindowThreadProcessId(foreground, nullptr);
    m_ownThread = GetCurrentThreadId();
    const bool attached = m_captureThread != m_ownThread && AttachThreadInput(m_ownThread, m_captureThread, TRUE);
    m_captureFocus = GetFocus();

    const std::string snapshot = InstallFolder() + "\\Data\\" + std::string(NewGuidString()) + ".stx";
    const int saved = SaveClipboardSnapshot(m_captureFocus, snapshot.c_str());
    if (attached)
        AttachThreadInput(m_ownThread, m_captureThread, FALSE);
    // An item must not point at a snapshot that was never written.
    if (saved == kSnapshotNotWritten) {
        const std::string text = GetTipText("SaveFailed");
        AppMessageBox(text.c_str(), MB_OK | MB_ICONERROR);
        return;
    }

    CAddItemDlg dialog(nullptr);
    dialog.ExePath = snapshot;
    if (dialog.DoModal() == IDCANCEL)
        DeleteFileA(snapshot.c_str());
}

void CLauncherDlg::OnHandOffRequest()
{
    HandOffRequest request;
    if (!ReadHandOffRequest(request))
        return;
    CAddItemDlg dialog(nullptr);
    dialog.Name = request.Name;
    dialog.ShortName = request.ShortName;
    dialog.Description = request.Description;
    dialog.ExePath = request.ExePath;
    dialog.DoModal();
}

void CLauncherDlg::OnItemWaiting()
{
    const ReceivedItem received = ReceiveHandOffItem(g_itemList, InstallFolder() + "\\Shortcut2.dat", m_catalogs,
                                                     InstallFolder() + "\\Shortcut2.clg");
    if (!received.added)
        return;
    HTREEITEM selected = reinterpret_cast<HTREEITEM>(SendMessageA(m_tree.Hwnd(), TVM_GETNEXTITEM, TVGN_CARET, 0));
    ListCatalog(selected ? selected : m_rootNode);
}
