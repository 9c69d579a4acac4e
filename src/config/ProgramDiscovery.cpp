#include "config/ProgramDiscovery.h"

#include "config/OpenCommand.h"
#include "config/RegistryKey.h"
#include "config/ShortcutReader.h"
#include "config/SystemText.h"
#include "ui/wnd/FolderEntries.h"

#include <objbase.h>
#include <shlobj.h>

#include <vector>

void ProgramDiscovery::Discover(const ItemList& items, ProgramList& list)
{
    list.Clear();
    m_liveNames.clear();
    m_allNames.clear();
    m_walked.clear();
    for (size_t i = 0; i < items.Count(); ++i) {
        // Packed reads: a walk over all items should not unpack them.
        const std::string name(items.FieldText(i, ShortcutItem::kName));
        m_allNames.insert(name);
        if (!items.IsTombstone(i))
            m_liveNames.insert(name);
    }
    AddRegisteredApplications(list);

    const std::string common = CommonProgramsFolder();
    const std::string user = UserProgramsFolder();
    if (common.empty() && user.empty())
        return;
    const HRESULT com = CoInitialize(nullptr);
    {
        ShortcutReader reader;
        if (reader.Ready()) {
            if (!common.empty())
                WalkFolder(common, reader, list);
            // Most installers put their shortcuts here today; a title seen in the all-users
            // menu is not offered twice.
            if (!user.empty())
                WalkFolder(user, reader, list);
        }
    }
    if (SUCCEEDED(com))
        CoUninitialize();
}

void ProgramDiscovery::AddRegisteredApplications(ProgramList& list) const
{
    RegistryKey applications(HKEY_CLASSES_ROOT);
    if (!applications.Open("Applications"))
        return;
    std::vector<std::string> names;
    applications.EnumSubkeys(names);
    for (const std::string& name : names)
        AddRegisteredApplication(name, list);
}

bool ProgramDiscovery::AddRegisteredApplication(const std::string& name, ProgramList& list) const
{
    const std::string shell = "Applications\\" + name + "\\Shell";
    std::string friendly;
    RegistryKey shellKey(HKEY_CLASSES_ROOT);
    if (!shellKey.Open(shell) || !shellKey.ReadString("FriendlyCache", friendly) || friendly.empty())
        return false;
    RegistryKey command(HKEY_CLASSES_ROOT);
    if (!command.Open(shell + "\\Open\\Command") || m_liveNames.count(friendly) != 0)
        return false;
    std::string text;
    command.ReadString("", text);
    text = CleanOpenCommand(text);
    if (text.empty())
        return false;
    list.Append(friendly, text);
    return true;
}

void ProgramDiscovery::WalkFolder(const std::string& folder, ShortcutReader& reader, ProgramList& list)
{
    if (!FirstVisit(folder))
        return;
    ForEachFolderEntry(folder, [&](const std::string& path, const WIN32_FIND_DATAA& found) {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            // A link to a folder ("loop -> ..") would walk the same shortcuts again and again.
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                WalkFolder(path, reader, list);
            return true;
        }
        const std::string name = found.cFileName;
        const size_t dot = name.rfind('.');
        AddShortcut(path, dot == std::string::npos ? name : name.substr(0, dot), reader, list);
        return true;
    });
}

bool ProgramDiscovery::FirstVisit(const std::string& folder)
{
    HANDLE handle = CreateFileA(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(handle, &info) != FALSE;
    CloseHandle(handle);
    const unsigned long long index = (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return known && m_walked.insert({info.dwVolumeSerialNumber, index}).second;
}

void ProgramDiscovery::AddShortcut(const std::string& path, const std::string& title, ShortcutReader& reader,
                                   ProgramList& list) const
{
    if (m_allNames.count(title) != 0 || list.ContainsNoCase(title))
        return;
    std::string command;
    if (!reader.Resolve(path, command))
        return;
    if (IsProgramCommand(command))
        list.Append(title, command);
}

std::string CommonProgramsFolder()
{
    RegistryKey folders(HKEY_LOCAL_MACHINE);
    std::string folder;
    if (!folders.Open("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders") ||
        !folders.ReadString("Common Programs", folder))
        return "";
    return folder;
}

std::string UserProgramsFolder()
{
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return "";
    return folder;
}
