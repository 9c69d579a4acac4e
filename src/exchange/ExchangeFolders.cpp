#include "exchange/ExchangeFolders.h"

#include "data/NewGuidString.h"
#include "ui/wnd/FolderEntries.h"

#include <windows.h>

std::string FolderOfPath(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string FileNameOfPath(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string TitleOfPath(const std::string& path)
{
    const std::string name = FileNameOfPath(path);
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

bool FolderExists(const std::string& folder)
{
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateFolderPath(const std::string& folder)
{
    if (folder.empty() || FolderExists(folder))
        return !folder.empty();
    const std::string parent = FolderOfPath(folder);
    // A drive ("C:") or a share root ends the climb.
    if (!parent.empty() && parent.back() != ':' && !FolderExists(parent))
        CreateFolderPath(parent);
    return CreateDirectoryA(folder.c_str(), nullptr) || FolderExists(folder);
}

void RemoveFolder(const std::string& folder)
{
    if (folder.find_first_not_of(" \t") == std::string::npos)
        return;
    ForEachFolderEntry(folder, [](const std::string& path, const WIN32_FIND_DATAA& found) {
        // A link to a folder elsewhere goes as a link, never with what it points at.
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            RemoveFolder(path);
        } else if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveDirectoryA(path.c_str());
        } else {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
        return true;
    });
    RemoveDirectoryA(folder.c_str());
}

std::string MakePrivateFolder()
{
    char temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof(temp), temp);
    if (length == 0 || length > MAX_PATH)
        return {};
    std::string base = temp;
    while (!base.empty() && base.back() == '\\')
        base.pop_back();
    CreateFolderPath(base);
    // A name that exists already belongs to someone else: try another.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const std::string folder = base + "\\Tavimoreth-" + NewGuidString();
        if (CreateDirectoryA(folder.c_str(), nullptr))
            return folder;
    }
    return {};
}
