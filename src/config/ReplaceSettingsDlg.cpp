#include "config/ReplaceSettingsDlg.h"

#include "ui/TipText.h"
#include "resource.h"
#include "ui/wnd/Application.h"
#include "ui/wnd/Choosers.h"
#include "ui/wnd/DataExchange.h"

namespace {
std::string TrimmedWhiteSpace(const std::string& text)
{
    const char* const blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}
} // namespace

CReplaceSettingsDlg::CReplaceSettingsDlg(const std::string& installFolder, HWND parent)
    : CSkinDialog(IDD_REPLACE_SETTINGS, parent), InstallPath(installFolder)
{
    SetBackground("CommonDlg_01.png");
    SetFrameButtons(IDC_REPLACE_MIN, IDC_REPLACE_EXIT);
    SetInputControls({IDC_REPLACE_NAME_FIND, IDC_REPLACE_NAME_WITH, IDC_REPLACE_SHORTNAME_FIND,
                      IDC_REPLACE_SHORTNAME_WITH, IDC_REPLACE_PATH_FIND, IDC_REPLACE_PATH_WITH});
}

BOOL CReplaceSettingsDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    SetupImageButton(m_okButton, IDOK, "normalbtn", "Ok");
    SetupImageButton(m_browseButton, IDC_REPLACE_BROWSE, "normalbtn", "Btn_SelectFile");
    SetupImageButton(m_cancelButton, IDCANCEL, "normalbtn", "Cancel");
    Exchange(false);
    return TRUE;
}

void CReplaceSettingsDlg::Exchange(bool save)
{
    ExchangeText(Hwnd(), IDC_REPLACE_NAME_FIND, Settings.nameFind, save);
    ExchangeText(Hwnd(), IDC_REPLACE_NAME_WITH, Settings.nameReplace, save);
    ExchangeText(Hwnd(), IDC_REPLACE_SHORTNAME_FIND, Settings.shortNameFind, save);
    ExchangeText(Hwnd(), IDC_REPLACE_SHORTNAME_WITH, Settings.shortNameReplace, save);
    ExchangeText(Hwnd(), IDC_REPLACE_PATH_FIND, Settings.pathFind, save);
    ExchangeText(Hwnd(), IDC_REPLACE_PATH_WITH, Settings.pathReplace, save);
    ExchangeCheck(Hwnd(), IDC_REPLACE_ALL, Settings.replaceAll, save);
}

bool CReplaceSettingsDlg::OnCommand(int id, int code)
{
    if (id == IDC_REPLACE_BROWSE && code == BN_CLICKED) {
        OnBrowse();
        return true;
    }
    return CSkinDialog::OnCommand(id, code);
}

void CReplaceSettingsDlg::OnBrowse()
{
    std::string folder;
    if (ChooseFolder(Hwnd(), "", folder))
        SetDlgItemTextA(Hwnd(), IDC_REPLACE_PATH_WITH, folder.c_str());
}

void CReplaceSettingsDlg::OnOK()
{
    Exchange(true);
    Settings.pathFind = TrimmedWhiteSpace(Settings.pathFind);
    if (Settings.pathFind.empty()) {
        const std::string text = GetTipText("FindWhatEmpty");
        AppMessageBox(text.c_str(), MB_OK | MB_ICONINFORMATION);
        return;
    }
    const std::string configPath = InstallPath + "\\Config.ini";
    WritePrivateProfileStringA("Shortcut", "InstallPath", Settings.pathFind.c_str(), configPath.c_str());
    EndDialog(IDOK);
}
