#include "data/dialogs/ItemInfoDlg.h"

#include "data/ClipboardSnapshot.h"
#include "data/ItemKind.h"
#include "data/dialogs/ItemNames.h"
#include "resource.h"
#include "ui/wnd/Choosers.h"
#include "ui/wnd/DataExchange.h"

#include <vector>

namespace {
} // namespace

CItemInfoDlg::CItemInfoDlg(HWND parent) : CSkinDialog(IDD_ITEM_INFO, parent)
{
    SetBackground("CommonDlg.png");
    SetFrameButtons(IDC_INFO_MIN, IDC_INFO_EXIT);
    SetInputControls({IDC_INFO_NAME, IDC_INFO_COMMAND});
}

BOOL CItemInfoDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    SetupImageButton(m_ok, IDOK, "normalbtn", "Ok");
    SetupImageButton(m_cancel, IDCANCEL, "normalbtn", "Cancel");
    SetupImageButton(m_test, IDC_INFO_TEST, "normalbtn", "TestCommand");
    SetupImageButton(m_file, IDC_INFO_FILE, "normalbtn", "SelectFile");
    ExchangeText(Hwnd(), IDC_INFO_NAME, Name, false);
    ExchangeText(Hwnd(), IDC_INFO_COMMAND, Command, false);
    for (int id : {IDC_INFO_COMMAND, IDC_INFO_FILE, IDC_INFO_TEST})
        EnableWindow(Item(id), Editable ? TRUE : FALSE);
    return TRUE;
}

bool CItemInfoDlg::OnCommand(int id, int code)
{
    if (code == BN_CLICKED && id == IDC_INFO_TEST) {
        OnTest();
        return true;
    }
    if (code == BN_CLICKED && id == IDC_INFO_FILE) {
        OnFile();
        return true;
    }
    return CSkinDialog::OnCommand(id, code);
}

void CItemInfoDlg::OnOK()
{
    ExchangeText(Hwnd(), IDC_INFO_NAME, Name, true);
    ExchangeText(Hwnd(), IDC_INFO_COMMAND, Command, true);
    Name = TrimBlanks(Name);
    if (!AcceptItemName(Name))
        return;
    Command = TrimBlanks(Command);
    if (Command.empty()) {
        ShowTipMessage("CommandEmpty");
        return;
    }
    EndDialog(IDOK);
}

void CItemInfoDlg::OnTest()
{
    std::string command;
    ExchangeText(Hwnd(), IDC_INFO_COMMAND, command, true);
    command = TrimBlanks(command);
    if (command.empty()) {
        ShowTipMessage("CommandEmpty");
        return;
    }
    if (EndsWithNoCase(command, ".stx"))
        RestoreClipboardSnapshot(Hwnd(), command.c_str());
    else if (RunProgram)
        RunProgram(command);
}

void CItemInfoDlg::OnFile()
{
    std::vector<std::string> paths;
    if (!ChooseOpenFiles(Hwnd(), "Exe File(*.exe)\0*.exe\0\0", 5200, paths))
        return;
    std::string command;
    ExchangeText(Hwnd(), IDC_INFO_COMMAND, command, true);
    for (const std::string& path : paths)
        command += "\r\n" + path;
    ExchangeText(Hwnd(), IDC_INFO_COMMAND, command, false);
}
