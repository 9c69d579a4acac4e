#pragma once
// Loads the extension library as the shell does and hands it selections: a data object made by
// the shell for real paths, or one built here for paths the shell would not make.
#include <windows.h>

#include <shlobj.h>

#include <string>
#include <vector>

class ShellExtLibrary {
public:
    explicit ShellExtLibrary(const std::string& path);
    ~ShellExtLibrary();
    ShellExtLibrary(const ShellExtLibrary&) = delete;
    ShellExtLibrary& operator=(const ShellExtLibrary&) = delete;

    bool Loaded() const { return m_module != nullptr; }
    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** object) const;
    // Calls one of the exports without arguments, e.g. "DllCanUnloadNow".
    HRESULT Call(const char* name) const;
    // A new context-menu object of the extension, or nullptr.
    IContextMenu* NewMenu() const;

private:
    HMODULE m_module;
};

// The data object the shell makes for items of one folder, as the Explorer hands it over.
IDataObject* ShellDataObject(const std::vector<std::string>& paths);
// A data object holding one CF_HDROP with the given paths, whatever they are.
IDataObject* DropDataObject(const std::vector<std::wstring>& paths);

// Initializes the menu with the data object and asks for its entries; returns their count.
int EntriesFor(IContextMenu* menu, IDataObject* data, HMENU popup, UINT flags = CMF_NORMAL);
