#include "data/dialogs/ClipItemDlg.h"

#include "data/ClipboardSnapshot.h"
#include "data/NewGuidString.h"
#include "data/dialogs/ItemNames.h"
#include "resource.h"
#include "ui/wnd/DataExchange.h"

namespace {
bool FileExists(const std::string& path)
{
    return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
} // namespace

CClipItemDlg::CClipItemDlg(HWND parent, const InstallPaths& paths)
    : CSkinDialog(IDD_CLIP_ITEM, parent), m_freshPath(paths.SnapshotPath(NewGuidString()))
{
    SetBackground("CommonDlg.png");
    SetFrameButtons(IDC_CLIP_MIN, IDC_CLIP_EXIT);
    SetInputControls({IDC_CLIP_NAME});
}

BOOL CClipItemDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    SetupImageButton(m_ok, IDOK, "normalbtn", "Ok");
    SetupImageButton(m_cancel, IDCANCEL, "normalbtn", "Cancel");
    SetupImageButton(m_modify, IDC_CLIP_MODIFY, "normalbtn", "Btn_GetClipboard");
    SetupImageButton(m_test, IDC_CLIP_TEST, "normalbtn", "Btn_SetClipboard");
    ExchangeText(Hwnd(), IDC_CLIP_NAME, Name, false);
    return TRUE;
}

bool CClipItemDlg::OnCommand(int id, int code)
{
    if (code == BN_CLICKED && id == IDC_CLIP_MODIFY) {
        SaveClipboardSnapshot(Hwnd(), m_freshPath.c_str());
        return true;
    }
    if (code == BN_CLICKED && id == IDC_CLIP_TEST) {
        const std::string& path = FileExists(m_freshPath) ? m_freshPath : SnapshotPath;
        RestoreClipboardSnapshot(Hwnd(), path.c_str());
        return true;
    }
    return CSkinDialog::OnCommand(id, code);
}

void CClipItemDlg::OnOK()
{
    ExchangeText(Hwnd(), IDC_CLIP_NAME, Name, true);
    Name = TrimBlanks(Name);
    if (!AcceptItemName(Name))
        return;
    // The former file stays: the caller may still refuse the edit or leave without saving it.
    if (FileExists(m_freshPath))
        SnapshotPath = m_freshPath;
    EndDialog(IDOK);
}

void CClipItemDlg::OnCancel()
{
    if (FileExists(m_freshPath))
        DeleteFileA(m_freshPath.c_str());
    EndDialog(IDCANCEL);
}
