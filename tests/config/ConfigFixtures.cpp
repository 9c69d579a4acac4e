#include "ConfigFixtures.h"

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <filesystem>

ClassKeys::~ClassKeys()
{
    for (const std::string& key : m_created)
        RegDeleteTreeA(HKEY_CLASSES_ROOT, key.c_str());
}

void ClassKeys::SetValue(const std::string& key, const std::string& name, const std::string& value, DWORD type)
{
    const std::string top = key.substr(0, key.find('\\', key.find('\\') + 1));
    if (std::find(m_created.begin(), m_created.end(), top) == m_created.end())
        m_created.push_back(top);
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(handle, name.empty() ? nullptr : name.c_str(), 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
}

OwnedFolder::OwnedFolder(std::string path) : m_path(std::move(path))
{
    std::error_code error;
    if (std::filesystem::exists(m_path, error))
        return;
    // The highest folder this creates goes again at the end, so no empty parent stays behind.
    std::filesystem::path top = m_path;
    while (top.has_parent_path() && top.parent_path() != top && !std::filesystem::exists(top.parent_path(), error))
        top = top.parent_path();
    m_top = top.string();
    m_owned = std::filesystem::create_directories(m_path, error);
}

OwnedFolder::~OwnedFolder()
{
    std::error_code error;
    if (m_owned)
        std::filesystem::remove_all(m_top, error);
}

bool OwnedFolder::MoveIn(const std::string& staged)
{
    return m_owned && RemoveDirectoryA(m_path.c_str()) && MoveFileA(staged.c_str(), m_path.c_str());
}

bool CreateShortcut(const std::string& linkPath, const std::string& target, const std::string& arguments)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(linkPath).parent_path(), error);
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return false;
    link->SetPath(target.c_str());
    link->SetArguments(arguments.c_str());
    IPersistFile* file = nullptr;
    bool saved = false;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t widePath[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH);
        saved = SUCCEEDED(file->Save(widePath, TRUE));
        file->Release();
    }
    link->Release();
    return saved;
}
