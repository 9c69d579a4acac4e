#include "config/ShellUrlHistory.h"

#include <windows.h>

#include <objbase.h>
#include <shlguid.h>
#include <urlhist.h>

namespace {
bool EnumerateStore(IUrlHistoryStg2* store, const std::function<void(const std::wstring&)>& visit)
{
    IEnumSTATURL* entries = nullptr;
    if (FAILED(store->EnumUrls(&entries)) || !entries)
        return false;
    for (;;) {
        STATURL entry{};
        entry.cbSize = sizeof(entry);
        ULONG fetched = 0;
        if (entries->Next(1, &entry, &fetched) != S_OK || fetched == 0)
            break;
        const std::wstring url = entry.pwcsUrl ? entry.pwcsUrl : L"";
        CoTaskMemFree(entry.pwcsUrl);
        CoTaskMemFree(entry.pwcsTitle);
        if (!url.empty())
            visit(url);
    }
    entries->Release();
    return true;
}
} // namespace

bool ShellUrlHistory::ForEachAddress(const std::function<void(const std::wstring& url)>& visit)
{
    const HRESULT com = CoInitialize(nullptr);
    IUrlHistoryStg2* store = nullptr;
    bool read = false;
    if (SUCCEEDED(CoCreateInstance(CLSID_CUrlHistory, nullptr, CLSCTX_INPROC_SERVER, IID_IUrlHistoryStg2,
                                   reinterpret_cast<void**>(&store))) &&
        store) {
        read = EnumerateStore(store, visit);
        store->Release();
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return read;
}
