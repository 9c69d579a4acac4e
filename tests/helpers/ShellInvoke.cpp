// Does what the Explorer does when the user right-clicks one file or folder and chooses the
// extension's entry: creates the registered extension, initializes it with the shell's data
// object for the path, asks for its entries and invokes the first. Then stays, as the Explorer
// would, until the extension has finished its hand-over.
// Usage: shellinvoke PATH
#include "../shellext/ShellExtLoader.h"

#include "shellext/ShellExtIds.h"

#include <cstdio>

namespace {
int Invoke(const char* path)
{
    IContextMenu* menu = nullptr;
    if (FAILED(CoCreateInstance(kShellExtClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IContextMenu,
                                reinterpret_cast<void**>(&menu)))) {
        std::fputs("the extension is not registered\n", stderr);
        return 1;
    }
    IDataObject* data = ShellDataObject({path});
    HMENU popup = CreatePopupMenu();
    int status = 1;
    if (!data)
        std::fputs("the shell made no data object for the path\n", stderr);
    else if (EntriesFor(menu, data, popup) != 1)
        std::fputs("the extension offered no entry\n", stderr);
    else {
        CMINVOKECOMMANDINFO info = {};
        info.cbSize = sizeof(info);
        info.lpVerb = MAKEINTRESOURCEA(0);
        status = SUCCEEDED(menu->InvokeCommand(&info)) ? 0 : 1;
    }
    DestroyMenu(popup);
    if (data)
        data->Release();
    menu->Release();
    return status;
}

bool WaitUntilUnused(DWORD timeoutMs)
{
    using CanUnloadFn = HRESULT(STDAPICALLTYPE*)();
    HMODULE module = GetModuleHandleA("TavimorethExt.dll");
    auto canUnload = module ? reinterpret_cast<CanUnloadFn>(GetProcAddress(module, "DllCanUnloadNow")) : nullptr;
    if (!canUnload)
        return false;
    for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
        if (canUnload() == S_OK)
            return true;
        Sleep(100);
    }
    return false;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: shellinvoke PATH\n", stderr);
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status = Invoke(argv[1]);
    if (status == 0 && !WaitUntilUnused(60000)) {
        std::fputs("the extension's hand-over did not finish\n", stderr);
        status = 1;
    }
    CoUninitialize();
    return status;
}
