#include "ShellExtLoader.h"

#include "shellext/ShellExtIds.h"

#include <shellapi.h>

#include <cstring>

namespace {
// Only what the extension asks of a data object: CF_HDROP in global memory.
class CDropDataObject : public IDataObject {
public:
    explicit CDropDataObject(const std::vector<std::wstring>& paths) : m_paths(paths) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
            *object = this;
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_refs; }
    STDMETHODIMP_(ULONG) Release() override
    {
        const ULONG refs = --m_refs;
        if (refs == 0)
            delete this;
        return refs;
    }
    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (format->cfFormat != CF_HDROP || !(format->tymed & TYMED_HGLOBAL))
            return DV_E_FORMATETC;
        std::wstring list;
        for (const std::wstring& path : m_paths)
            list += path + L'\0';
        list += L'\0';
        const SIZE_T size = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GHND, size);
        auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
        GlobalUnlock(memory);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* format) override { return format->cfFormat == CF_HDROP ? S_OK : S_FALSE; }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP DUnadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

private:
    virtual ~CDropDataObject() = default;
    ULONG m_refs = 1;
    std::vector<std::wstring> m_paths;
};
} // namespace

ShellExtLibrary::ShellExtLibrary(const std::string& path) : m_module(LoadLibraryA(path.c_str()))
{
}

ShellExtLibrary::~ShellExtLibrary()
{
    if (m_module)
        FreeLibrary(m_module);
}

HRESULT ShellExtLibrary::GetClassObject(REFCLSID clsid, REFIID iid, void** object) const
{
    using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    auto function = reinterpret_cast<GetClassObjectFn>(GetProcAddress(m_module, "DllGetClassObject"));
    return function ? function(clsid, iid, object) : E_NOTIMPL;
}

HRESULT ShellExtLibrary::Call(const char* name) const
{
    using NoArgumentFn = HRESULT(STDAPICALLTYPE*)();
    auto function = reinterpret_cast<NoArgumentFn>(GetProcAddress(m_module, name));
    return function ? function() : E_NOTIMPL;
}

IContextMenu* ShellExtLibrary::NewMenu() const
{
    IClassFactory* factory = nullptr;
    if (FAILED(GetClassObject(kShellExtClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory))))
        return nullptr;
    IContextMenu* menu = nullptr;
    factory->CreateInstance(nullptr, IID_IContextMenu, reinterpret_cast<void**>(&menu));
    factory->Release();
    return menu;
}

IDataObject* ShellDataObject(const std::vector<std::string>& paths)
{
    std::vector<PIDLIST_ABSOLUTE> items;
    std::vector<PCUITEMID_CHILD> children;
    IShellFolder* parent = nullptr;
    for (const std::string& path : paths) {
        wchar_t wide[MAX_PATH] = {};
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
        PIDLIST_ABSOLUTE item = nullptr;
        if (FAILED(SHParseDisplayName(wide, nullptr, &item, 0, nullptr)))
            break;
        items.push_back(item);
        children.push_back(ILFindLastID(item));
    }
    IDataObject* data = nullptr;
    if (items.size() == paths.size() &&
        SUCCEEDED(SHBindToParent(items[0], IID_IShellFolder, reinterpret_cast<void**>(&parent), nullptr))) {
        parent->GetUIObjectOf(nullptr, static_cast<UINT>(children.size()), children.data(), IID_IDataObject, nullptr,
                              reinterpret_cast<void**>(&data));
        parent->Release();
    }
    for (PIDLIST_ABSOLUTE item : items)
        CoTaskMemFree(item);
    return data;
}

IDataObject* DropDataObject(const std::vector<std::wstring>& paths)
{
    return new CDropDataObject(paths);
}

int EntriesFor(IContextMenu* menu, IDataObject* data, HMENU popup, UINT flags)
{
    IShellExtInit* init = nullptr;
    if (FAILED(menu->QueryInterface(IID_IShellExtInit, reinterpret_cast<void**>(&init))))
        return -1;
    const HRESULT initialized = init->Initialize(nullptr, data, nullptr);
    init->Release();
    if (FAILED(initialized))
        return -1;
    const HRESULT result = menu->QueryContextMenu(popup, 0, 100, 200, flags);
    return FAILED(result) ? -1 : HRESULT_CODE(result);
}
