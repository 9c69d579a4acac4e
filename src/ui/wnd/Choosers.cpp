#include "ui/wnd/Choosers.h"

#include <commdlg.h>
#include <shlobj.h>

namespace {
ChooserAnswer& Answer()
{
    static ChooserAnswer answer;
    return answer;
}

bool RunFileDialog(HWND owner, const char* filter, const char* defaultExtension, bool save, std::string& path)
{
    char buffer[MAX_PATH] = {};
    lstrcpynA(buffer, path.c_str(), MAX_PATH);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = buffer;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = defaultExtension;
    dialog.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (!chosen)
        return false;
    path = buffer;
    return true;
}
} // namespace

void SetChooserAnswer(ChooserAnswer answer)
{
    Answer() = std::move(answer);
}

bool ChooseOpenFile(HWND owner, const char* filter, std::string& path)
{
    if (Answer())
        return Answer()(ChooserKind::OpenFile, path);
    return RunFileDialog(owner, filter, nullptr, false, path);
}

bool ChooseSaveFile(HWND owner, const char* filter, const char* defaultExtension, std::string& path)
{
    if (Answer())
        return Answer()(ChooserKind::SaveFile, path);
    return RunFileDialog(owner, filter, defaultExtension, true, path);
}

bool ChooseFolder(HWND owner, const char* title, std::string& path)
{
    if (Answer())
        return Answer()(ChooserKind::Folder, path);
    char buffer[MAX_PATH] = {};
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.pszDisplayName = buffer;
    browse.lpszTitle = title;
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
    if (!chosen)
        return false;
    const bool ok = SHGetPathFromIDListA(chosen, buffer) != FALSE;
    CoTaskMemFree(chosen);
    if (ok)
        path = buffer;
    return ok;
}
