// The quick-launch window's part in the global hotkeys, the clipboard capture and the
// Explorer hand-off.
#include "app/HotkeyIds.h"
#include "app/ItemHotkeys.h"
#include "app/Launcher.h"
#include "app/LauncherApp.h"
#include "app/LauncherDlg.h"
#include "data/dialogs/AddItemDlg.h"
#include "data/ClipboardSnapshot.h"
#include "data/HandOff.h"
#include "data/NewGuidString.h"
#include "data/dialogs/HandOffReception.h"
#include "data/SharedItemList.h"
#include "ui/TipText.h"
#include "ui/wnd/Application.h"

bool CLauncherDlg::DispatchHotkey(UINT id)
{
    if (id == kToggleWindowHotkeyId) {
        ShowOrHideWindow(m_nextToggleShows);
        m_nextToggleShows = !m_nextToggleShows;
        return true;
    }
    if (id == kCaptureAHotkeyId || id == kCaptureCHotkeyId) {
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
    // One add-item dialog at a time: a second capture while it is open is refused, so no
    // snapshot file is made that no dialog would ever own.
    if (m_addingItem)
        return;
    HWND foreground = GetForegroundWindow();
    m_captureThread = GetWindowThreadProcessId(foreground, nullptr);
    m_ownThread = GetCurrentThreadId();
    const bool attached = m_captureThread != m_ownThread && AttachThreadInput(m_ownThread, m_captureThread, TRUE);
    m_captureFocus = GetFocus();

    const std::string snapshot = m_paths.SnapshotPath(NewGuidString());
    const int saved = SaveClipboardSnapshot(m_captureFocus, snapshot.c_str());
    if (attached)
        AttachThreadInput(m_ownThread, m_captureThread, FALSE);
    // An item must not point at a snapshot that was never written.
    if (saved == kSnapshotNotWritten || saved == kSnapshotNoClipboard) {
        AppMessageBox(GetTipText(saved == kSnapshotNotWritten ? "SaveFailed" : "ClipboardBusy"),
                      MB_OK | MB_ICONWARNING);
        return;
    }

    CAddItemDlg dialog(Hwnd(), m_paths);
    dialog.ExePath = snapshot;
    if (RunAddItemDialog(dialog) == IDCANCEL)
        DeleteFileA(snapshot.c_str());
    OpenWaitingRequests();
}

void CLauncherDlg::OnHandOffRequest()
{
    // The extension's section holds one request, which the next one overwrites: a request that
    // comes while the dialog is open is read at once and opened when the dialog has closed.
    HandOffRequest request;
    if (!ReadHandOffRequest(request))
        return;
    m_waitingRequests.push_back(request);
    OpenWaitingRequests();
}

void CLauncherDlg::OpenWaitingRequests()
{
    while (!m_addingItem && !m_waitingRequests.empty()) {
        const HandOffRequest request = m_waitingRequests.front();
        m_waitingRequests.pop_front();
        CAddItemDlg dialog(Hwnd(), m_paths);
        dialog.Name = request.Name;
        dialog.ShortName = request.ShortName;
        dialog.Description = request.Description;
        dialog.ExePath = request.ExePath;
        RunAddItemDialog(dialog);
    }
}

INT_PTR CLauncherDlg::RunAddItemDialog(CAddItemDlg& dialog)
{
    m_addingItem = true;
    INT_PTR result = dialog.DoModal();
    m_addingItem = false;
    return result;
}

void CLauncherDlg::OnItemWaiting()
{
    ReceivedItem received;
    if (!ReceiveHandOffItem(m_model, m_catalogs, m_paths, received))
        return;
    HTREEITEM selected = reinterpret_cast<HTREEITEM>(SendMessageA(m_tree.Hwnd(), TVM_GETNEXTITEM, TVGN_CARET, 0));
    ListCatalog(selected ? selected : m_rootNode);
}
