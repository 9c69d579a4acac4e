#pragma once
// The settings of a batch replace: what to find and what to put in its place in names, short
// names and command paths, and whether every item of every catalog takes part. OK also records
// the path searched for as the installation path in Config.ini of the installation folder.
#include "config/BatchReplace.h"
#include "ui/ImageButton.h"
#include "ui/SkinDialog.h"

#include <string>

class CReplaceSettingsDlg : public CSkinDialog {
public:
    explicit CReplaceSettingsDlg(const std::string& installFolder, HWND parent = nullptr);

    // Shown when the dialog opens; after OK, what the user entered (the path find text trimmed).
    ReplaceSettings Settings;
    // The folder whose Config.ini receives the installation path.
    std::string InstallPath;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code) override;

private:
    void Exchange(bool save);
    void OnBrowse();

    CImageButton m_okButton;
    CImageButton m_cancelButton;
    CImageButton m_browseButton;
};
