#pragma once
// Edits a clipboard item: its name and the snapshot it puts back. A new snapshot is taken into
// a fresh file of its own, which OK hands back in place of the item's file and Cancel discards.
// The item's former file is left to the caller, which deletes it once the edit is kept.
#include "data/InstallPaths.h"
#include "ui/ImageButton.h"
#include "ui/SkinDialog.h"

#include <string>

class CClipItemDlg : public CSkinDialog {
public:
    CClipItemDlg(HWND parent, const InstallPaths& paths);

    std::string Name;
    // The item's snapshot file (empty for a new item); after OK, the fresh one when taken.
    std::string SnapshotPath;
    const std::string& FreshPath() const { return m_freshPath; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnCommand(int id, int code) override;
    // The title-bar close leaves a fresh snapshot where it is, as the data folder keeps
    // whatever was taken; only Cancel discards it.
    void OnExitButton() override { EndDialog(IDCANCEL); }

private:
    CImageButton m_ok;
    CImageButton m_cancel;
    CImageButton m_modify;
    CImageButton m_test;
    std::string m_freshPath;
};
