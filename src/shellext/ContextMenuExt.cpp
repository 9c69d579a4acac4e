#include "shellext/ContextMenuExt.h"

#include "shellext/ComGuard.h"
#include "shellext/ExplorerHandOver.h"
#include "shellext/ShellExtIds.h"
#include "shellext/ShellExtModule.h"

#include <shellapi.h>

#include <cstring>
#include <vector>

namespace {
// Enough for the longest text the menu should show; a longer one is cut by the reader.
constexpr DWORD kMenuTextBuffer = 260;
} // namespace

CContextMenuExt::CContextMenuExt()
{
    LockModule();
}

CContextMenuExt::~CContextMenuExt()
{
    UnlockModule();
}

STDMETHODIMP CContextMenuExt::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IShellExtInit))
        *object = static_cast<IShellExtInit*>(this);
    else if (IsEqualIID(iid, IID_IContextMenu))
        *object = static_cast<IContextMenu*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CContextMenuExt::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_refs));
}

STDMETHODIMP_(ULONG) CContextMenuExt::Release()
{
    const LONG refs = InterlockedDecrement(&m_refs);
    if (refs == 0)
        delete this;
    return static_cast<ULONG>(refs);
}

STDMETHODIMP CContextMenuExt::Initialize(PCIDLIST_ABSOLUTE, IDataObject* data, HKEY)
{
    m_path.clear();
    if (!data)
        return E_INVALIDARG;
    return Guarded([&] {
        m_path = SinglePathOf(data);
        return S_OK;
    });
}

std::string CContextMenuExt::SinglePathOf(IDataObject* data)
{
    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    if (FAILED(data->GetData(&format, &medium)))
        return std::string();
    std::string path;
    if (auto drop = static_cast<HDROP>(GlobalLock(medium.hGlobal))) {
        if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 1) {
            std::vector<wchar_t> wide(DragQueryFileW(drop, 0, nullptr, 0) + 1, L'\0');
            if (DragQueryFileW(drop, 0, wide.data(), static_cast<UINT>(wide.size())) > 0)
                path = HandOverPathOf(wide.data());
        }
        GlobalUnlock(medium.hGlobal);
    }
    ReleaseStgMedium(&medium);
    return path;
}

std::string CContextMenuExt::MenuText()
{
    const std::string folder = ModuleFolder();
    if (folder.empty())
        return std::string();
    char text[kMenuTextBuffer] = {};
    GetPrivateProfileStringA("TipMsgs", kShellExtMenuKey, "", text, kMenuTextBuffer,
                             (folder + "\\TavimorethConfig.ini").c_str());
    return text;
}

STDMETHODIMP CContextMenuExt::QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId, UINT flags)
{
    const HRESULT none = MAKE_HRESULT(SEVERITY_SUCCESS, FACILITY_NULL, 0);
    if ((flags & CMF_DEFAULTONLY) || m_path.empty() || firstId > lastId)
        return none;
    return Guarded([&] {
        // Without its text the entry would be a blank line: a broken installation shows none.
        const std::string text = MenuText();
        if (text.empty() || !InsertMenuA(menu, index, MF_BYPOSITION | MF_STRING, firstId, text.c_str()))
            return none;
        return MAKE_HRESULT(SEVERITY_SUCCESS, FACILITY_NULL, 1);
    });
}

bool CContextMenuExt::NamesOurCommand(const CMINVOKECOMMANDINFO* info)
{
    if (info->cbSize >= sizeof(CMINVOKECOMMANDINFOEX) && (info->fMask & CMIC_MASK_UNICODE)) {
        const auto* wide = reinterpret_cast<const CMINVOKECOMMANDINFOEX*>(info);
        if (!IS_INTRESOURCE(wide->lpVerbW))
            return lstrcmpiW(wide->lpVerbW, kShellExtVerbW) == 0;
    }
    if (!IS_INTRESOURCE(info->lpVerb))
        return lstrcmpiA(info->lpVerb, kShellExtVerb) == 0;
    return LOWORD(reinterpret_cast<UINT_PTR>(info->lpVerb)) == 0;
}

STDMETHODIMP CContextMenuExt::InvokeCommand(CMINVOKECOMMANDINFO* info)
{
    if (!info || info->cbSize < sizeof(CMINVOKECOMMANDINFO))
        return E_INVALIDARG;
    if (!NamesOurCommand(info))
        return E_INVALIDARG;
    if (m_path.empty())
        return E_FAIL;
    return Guarded([&] { return StartHandOver(m_path) ? S_OK : E_FAIL; });
}

STDMETHODIMP CContextMenuExt::GetCommandString(UINT_PTR id, UINT type, UINT*, CHAR* name, UINT size)
{
    if (id != 0)
        return E_INVALIDARG;
    switch (type) {
    case GCS_VALIDATEA:
    case GCS_VALIDATEW:
        return m_path.empty() ? S_FALSE : S_OK;
    case GCS_VERBA:
        if (!name || size <= std::strlen(kShellExtVerb))
            return E_INVALIDARG;
        lstrcpynA(name, kShellExtVerb, static_cast<int>(size));
        return S_OK;
    case GCS_VERBW:
        if (!name || size <= static_cast<UINT>(lstrlenW(kShellExtVerbW)))
            return E_INVALIDARG;
        lstrcpynW(reinterpret_cast<wchar_t*>(name), kShellExtVerbW, static_cast<int>(size));
        return S_OK;
    default:
        return E_NOTIMPL;
    }
}
