#include "shellext/ShellExtModule.h"

#include "shellext/ComGuard.h"
#include "shellext/ShellExtClassFactory.h"
#include "shellext/ShellExtIds.h"
#include "shellext/ShellExtRegistration.h"

#include <olectl.h>

HMODULE g_module = nullptr;

namespace {
LONG g_moduleUsers = 0;
}

void LockModule()
{
    InterlockedIncrement(&g_moduleUsers);
}

void UnlockModule()
{
    InterlockedDecrement(&g_moduleUsers);
}

bool ModuleInUse()
{
    return InterlockedCompareExchange(&g_moduleUsers, 0, 0) != 0;
}

std::string ModuleFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(g_module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    std::string folder(path, length);
    const size_t slash = folder.find_last_of('\\');
    return slash == std::string::npos ? folder : folder.substr(0, slash);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, kShellExtClsid))
        return CLASS_E_CLASSNOTAVAILABLE;
    return Guarded([&] {
        auto* factory = new CShellExtClassFactory();
        const HRESULT result = factory->QueryInterface(iid, object);
        factory->Release();
        return result;
    });
}

STDAPI DllCanUnloadNow()
{
    return ModuleInUse() ? S_FALSE : S_OK;
}

STDAPI DllRegisterServer()
{
    return Guarded([] {
        char path[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameA(g_module, path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return SELFREG_E_CLASS;
        return RegisterShellExt(path) ? S_OK : SELFREG_E_CLASS;
    });
}

STDAPI DllUnregisterServer()
{
    return Guarded([] { return UnregisterShellExt() ? S_OK : SELFREG_E_CLASS; });
}
