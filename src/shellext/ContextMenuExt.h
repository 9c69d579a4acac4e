#pragma once
// The object the Explorer asks for a context menu: it takes the selection in Initialize, offers
// one entry for a single file or folder, and hands that path to the program when it is chosen.
#include <windows.h>

#include <shlobj.h>

#include <string>

class CContextMenuExt final : public IShellExtInit, public IContextMenu {
public:
    CContextMenuExt();
    CContextMenuExt(const CContextMenuExt&) = delete;
    CContextMenuExt& operator=(const CContextMenuExt&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY progId) override;

    STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId, UINT flags) override;
    STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* info) override;
    STDMETHODIMP GetCommandString(UINT_PTR id, UINT type, UINT* reserved, CHAR* name, UINT size) override;

private:
    ~CContextMenuExt();

    // The one path of the selection, or empty when the selection is not one path that can be
    // handed over whole.
    static std::string SinglePathOf(IDataObject* data);
    static std::string MenuText();
    // Whether the invocation names this extension's only command, by offset or by verb.
    static bool NamesOurCommand(const CMINVOKECOMMANDINFO* info);

    LONG m_refs = 1;
    std::string m_path;
};
