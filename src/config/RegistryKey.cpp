#include "config/RegistryKey.h"

#include <cstring>

namespace {
constexpr DWORD kValueBytes = 200;
constexpr DWORD kNameBytes = 260;

// "%SystemRoot%\\notepad.exe" as the system would start it.
std::string Expanded(const char* text)
{
    const DWORD size = ExpandEnvironmentStringsA(text, nullptr, 0);
    std::string expanded(size, '\0');
    if (size == 0 || ExpandEnvironmentStringsA(text, &expanded[0], size) == 0)
        return text;
    expanded.resize(std::strlen(expanded.c_str()));
    return expanded;
}
} // namespace

bool RegistryKey::Open(const std::string& subkey)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(m_current, subkey.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    Close();
    m_current = opened;
    return true;
}

bool RegistryKey::ReadString(const std::string& name, std::string& out) const
{
    char buffer[kValueBytes + 1] = {};
    DWORD type = 0;
    DWORD size = kValueBytes;
    if (RegQueryValueExA(m_current, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
        ERROR_SUCCESS)
        return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return false;
    // The stored text need not end in a zero; the spare byte above always does.
    buffer[size < kValueBytes ? size : kValueBytes] = '\0';
    out = type == REG_EXPAND_SZ ? Expanded(buffer) : buffer;
    return true;
}

void RegistryKey::EnumSubkeys(std::vector<std::string>& names) const
{
    for (DWORD index = 0;; ++index) {
        char name[kNameBytes];
        DWORD length = kNameBytes;
        if (RegEnumKeyExA(m_current, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
}

void RegistryKey::Close()
{
    if (m_current != m_root)
        RegCloseKey(m_current);
    m_current = m_root;
}
