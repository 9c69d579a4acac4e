#include "shellext/ShellExtClassFactory.h"

#include "shellext/ComGuard.h"
#include "shellext/ContextMenuExt.h"
#include "shellext/ShellExtModule.h"

CShellExtClassFactory::CShellExtClassFactory()
{
    LockModule();
}

CShellExtClassFactory::~CShellExtClassFactory()
{
    UnlockModule();
}

STDMETHODIMP CShellExtClassFactory::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CShellExtClassFactory::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_refs));
}

STDMETHODIMP_(ULONG) CShellExtClassFactory::Release()
{
    const LONG refs = InterlockedDecrement(&m_refs);
    if (refs == 0)
        delete this;
    return static_cast<ULONG>(refs);
}

STDMETHODIMP CShellExtClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    return Guarded([&] {
        auto* menu = new CContextMenuExt();
        const HRESULT result = menu->QueryInterface(iid, object);
        menu->Release();
        return result;
    });
}

STDMETHODIMP CShellExtClassFactory::LockServer(BOOL lock)
{
    if (lock)
        LockModule();
    else
        UnlockModule();
    return S_OK;
}
