#include "ui/wnd/Choosers.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstring>

namespace {
ChooserAnswer& Answer()
{
    static ChooserAnswer answer;
    return answer;
}

// The multi-select result: a folder and the file names after it, each ended by a NUL; a single
// choice is one full path.
std::vector<std::string> SplitChosenFiles(const char* buffer)
{
    std::vector<std::string> parts;
    for (const char* part = buffer; *part; part += std::strlen(part) + 1)
        parts.emplace_back(part);
    if (parts.size() <= 1)
        return parts;
    std::string folder = parts.front();
    if (folder.back() != '\\')
        folder += '\\';
    std::vector<std::string> paths;
    for (size_t i = 1; i < parts.size(); ++i)
        paths.push_back(folder + parts[i]);
    return paths;
}
} // namespace

void SetChooserAnswer(ChooserAnswer answer)
{
    Answer() = std::move(answer);
}

bool ChooseOpenFiles(HWND owner, const char* filter, size_t bufferSize, std::vector<std::string>& paths)
{
    paths.clear();
    if (Answer()) {
        std::string answer;
        if (!Answer()(ChooserKind::OpenFile, answer))
            return false;
        for (size_t start = 0; start <= answer.size();) {
            size_t end = answer.find('|', start);
            if (end == std::string::npos)
                end = answer.size();
            if (end > start)
                paths.push_back(answer.substr(start, end - start));
            start = end + 1;
        }
        return !paths.empty();
    }
    std::vector<char> buffer(bufferSize + 2, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(bufferSize);
    dialog.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT;
    if (!GetOpenFileNameA(&dialog))
        return false;
    paths = SplitChosenFiles(buffer.data());
    return !paths.empty();
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

bool ChooseFile(HWND owner, bool save, const char* filter, const char* defaultExtension, std::string& path)
{
    if (Answer())
        return Answer()(save ? ChooserKind::SaveFile : ChooserKind::OpenFile, path);
    char buffer[MAX_PATH + 1] = {};
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = buffer;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = defaultExtension;
    dialog.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!(save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog)))
        return false;
    path = buffer;
    return true;
}
