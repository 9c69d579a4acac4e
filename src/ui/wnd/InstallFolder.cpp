#include "ui/wnd/InstallFolder.h"

#include <windows.h>

namespace {
std::string& Folder()
{
    static std::string folder = ProgramFolder();
    return folder;
}
} // namespace

const std::string& InstallFolder()
{
    return Folder();
}

void SetInstallFolder(const std::string& folder)
{
    Folder() = folder;
}

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    const size_t slash = folder.rfind('\\');
    if (slash != std::string::npos)
        folder.resize(slash);
    return folder;
}
