#pragma once
// A registry key opened step by step below one of the predefined roots. Keys are opened for
// reading only: discovery never writes, and asking for more makes every source fail for a user
// without administrator rights.
#include <windows.h>

#include <string>
#include <vector>

class RegistryKey {
public:
    explicit RegistryKey(HKEY root) : m_root(root), m_current(root) {}
    ~RegistryKey() { Close(); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Opens a sub-key of the current key, which it then replaces.
    bool Open(const std::string& subkey);
    // The value's text (empty name: the default value). Values over 200 bytes with their
    // closing zero count as missing, as do values that are not text. Expandable text comes
    // with its environment variables filled in.
    bool ReadString(const std::string& name, std::string& out) const;
    // Appends the names of all sub-keys of the current key.
    void EnumSubkeys(std::vector<std::string>& names) const;
    // Closes the current key; the key is back at its root.
    void Close();

private:
    HKEY m_root;
    HKEY m_current;
};
