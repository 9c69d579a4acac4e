#include "shellext/ShellExtRegistration.h"

#include "shellext/ShellExtIds.h"

#include <windows.h>

namespace {
// The kinds of things the entry is offered for: every file, file-system folders, shortcuts.
const char* const kHandlerClasses[] = {"*", "Directory", "lnkfile"};
const char kApprovedKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

bool SetValue(HKEY root, const std::string& key, const char* name, const std::string& value)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                       static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

std::string HandlerKey(const char* shellClass)
{
    return std::string("Software\\Classes\\") + shellClass + "\\shellex\\ContextMenuHandlers\\" + kShellExtName;
}

std::string ClassKey()
{
    return "Software\\Classes\\CLSID\\" + ClsidText();
}

bool Gone(LONG result)
{
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool RemoveFrom(HKEY root)
{
    bool removed = Gone(RegDeleteTreeA(root, ClassKey().c_str()));
    for (const char* shellClass : kHandlerClasses)
        removed = Gone(RegDeleteKeyA(root, HandlerKey(shellClass).c_str())) && removed;
    HKEY approved = nullptr;
    const LONG opened = RegOpenKeyExA(root, kApprovedKey, 0, KEY_SET_VALUE, &approved);
    if (opened == ERROR_SUCCESS) {
        removed = Gone(RegDeleteValueA(approved, ClsidText().c_str())) && removed;
        RegCloseKey(approved);
    } else {
        removed = Gone(opened) && removed;
    }
    return removed;
}

bool WriteTo(HKEY root, const std::string& dllPath)
{
    const std::string clsid = ClsidText();
    bool written = SetValue(root, ClassKey(), nullptr, kShellExtName) &&
                   SetValue(root, ClassKey() + "\\InprocServer32", nullptr, dllPath) &&
                   SetValue(root, ClassKey() + "\\InprocServer32", "ThreadingModel", "Apartment");
    for (const char* shellClass : kHandlerClasses)
        written = written && SetValue(root, HandlerKey(shellClass), nullptr, clsid);
    // Where the policy admits only approved extensions, this entry is what admits it.
    written = written && SetValue(root, kApprovedKey, clsid.c_str(), kShellExtName);
    if (!written)
        RemoveFrom(root);
    return written;
}
} // namespace

bool RegisterShellExt(const std::string& dllPath)
{
    if (WriteTo(HKEY_LOCAL_MACHINE, dllPath)) {
        // A per-user registration left from an earlier run would shadow this one's path.
        RemoveFrom(HKEY_CURRENT_USER);
        return true;
    }
    return WriteTo(HKEY_CURRENT_USER, dllPath);
}

bool UnregisterShellExt()
{
    const bool machine = RemoveFrom(HKEY_LOCAL_MACHINE);
    const bool user = RemoveFrom(HKEY_CURRENT_USER);
    return machine && user;
}
