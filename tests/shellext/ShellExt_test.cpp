// The Explorer extension loaded in-process as the shell loads it, with the hand-off section and
// a test window standing in for the running program.
#include "../config/ConfigFixtures.h"
#include "ShellExtLoader.h"

#include "TempFolder.h"
#include "WinTestSupport.h"
#include "data/HandOff.h"
#include "ui/TipText.h"
#include "shellext/ShellExtIds.h"
#include "ui/wnd/WindowSubclass.h"

#include <gtest/gtest.h>

#include <olectl.h>

#include <filesystem>

namespace {
int g_requests = 0;
HWND g_requestWindow = nullptr;

LRESULT CALLBACK CountRequests(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message != kHandOffRequestMessage)
        return CallNextSubclass(window, message, wParam, lParam);
    ++g_requests;
    g_requestWindow = window;
    return 0;
}

HWND MakeDestWindow(HWND owner = nullptr)
{
    HWND window = CreateWindowA("STATIC", "dest", WS_POPUP, 0, 0, 10, 10, owner, nullptr, nullptr, nullptr);
    InstallSubclass(window, &CountRequests, 1, 0);
    return window;
}

std::string DistDll()
{
    return DistFolder() + "\\TavimorethExt.dll";
}

bool KeyExists(HKEY root, const std::string& key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

std::string KeyValue(HKEY root, const std::string& key, const char* name)
{
    char value[1024] = {};
    DWORD size = sizeof(value);
    if (RegGetValueA(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return "<missing>";
    return value;
}

HRESULT Invoke(IContextMenu* menu, const CMINVOKECOMMANDINFOEX& info)
{
    return menu->InvokeCommand(reinterpret_cast<CMINVOKECOMMANDINFO*>(const_cast<CMINVOKECOMMANDINFOEX*>(&info)));
}

CMINVOKECOMMANDINFOEX ByVerb(const char* verb, const wchar_t* wideVerb = nullptr)
{
    CMINVOKECOMMANDINFOEX info = {};
    info.cbSize = wideVerb ? sizeof(info) : sizeof(CMINVOKECOMMANDINFO);
    info.fMask = wideVerb ? CMIC_MASK_UNICODE : 0;
    info.lpVerb = verb;
    info.lpVerbW = wideVerb;
    return info;
}
const CMINVOKECOMMANDINFOEX kByOffset = ByVerb(MAKEINTRESOURCEA(0));

std::string HandlerKey(const char* shellClass)
{
    return std::string("Software\\Classes\\") + shellClass + "\\shellex\\ContextMenuHandlers\\Tavimoreth";
}

// The extension's menu offered for one selection, as the Explorer builds it.
struct Offer {
    Offer(const ShellExtLibrary& library, IDataObject* selection, UINT flags = CMF_NORMAL)
        : menu(library.NewMenu()), data(selection)
    {
        entries = menu && data ? EntriesFor(menu, data, popup, flags) : -1;
    }
    ~Offer()
    {
        DestroyMenu(popup);
        if (data)
            data->Release();
        if (menu)
            menu->Release();
    }
    std::string EntryText() const
    {
        char text[260] = {};
        GetMenuStringA(popup, 0, text, sizeof(text), MF_BYPOSITION);
        return text;
    }

    IContextMenu* menu;
    IDataObject* data;
    HMENU popup = CreatePopupMenu();
    int entries = -1;
};

class ShellExt : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_configPath = DistFolder() + "\\TavimorethConfig.ini";
        ASSERT_TRUE(m_library.Loaded()) << DistDll();
        // The program marks itself running with this section; the extension then only looks
        // for its window under "Dest".
        m_running = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READONLY, 0, 13, "Tavimoret");
        WriteProfileStringA(kRequestSection, nullptr, nullptr);
        g_requests = 0;
        g_requestWindow = nullptr;
    }
    void TearDown() override
    {
        PublishHandOffDest(nullptr);
        CloseHandle(m_running);
    }

    // Chooses the entry for one path and returns the request that reached the window.
    HandOffRequest HandOver(const std::string& path, const CMINVOKECOMMANDINFOEX& info)
    {
        Offer offer(m_library, ShellDataObject({path}));
        HandOffRequest request;
        EXPECT_EQ(offer.entries, 1);
        if (offer.entries != 1)
            return request;
        const int before = g_requests;
        EXPECT_HRESULT_SUCCEEDED(Invoke(offer.menu, info));
        EXPECT_TRUE(PumpUntil([&] { return g_requests > before; }, 10000)) << "no request";
        EXPECT_TRUE(ReadHandOffRequest(request));
        return request;
    }

    HRESULT CanUnloadNow() const { return m_library.Call("DllCanUnloadNow"); }

    WinTestEnvironment m_environment;
    ShellExtLibrary m_library{DistDll()};
    HANDLE m_running = nullptr;
    TempFolder m_folder;
};
} // namespace

// Files, folders and dot names through every way of choosing the entry. With the configuration
// window open, "Dest" names it; the request still goes to the main window that owns it.
TEST_F(ShellExt, EachSelectionIsHandedToTheMainWindowUnderItsName)
{
    HWND mainWindow = MakeDestWindow();
    HWND configWindow = MakeDestWindow(mainWindow);
    PublishHandOffDest(configWindow);
    WriteBytes(m_folder.File("Quarterly report.v2.txt"), "figures");
    std::filesystem::create_directory(m_folder.File("Old.Projects"));
    WriteBytes(m_folder.File(".profile"), "x");
    // A shortcut is handed over as itself, never as the program it points to.
    WriteBytes(m_folder.File("editor.exe"), "MZ");
    ASSERT_TRUE(CreateShortcut(m_folder.File("Editor.lnk"), m_folder.File("editor.exe")));
    // Left by an earlier hand-over: a request is written whole.
    WriteProfileStringA(kRequestSection, "ShortName", "left over");
    WriteProfileStringA(kRequestSection, "Description", "left over");

    const struct {
        const char* file;
        CMINVOKECOMMANDINFOEX info;
        const char* name;
    } cases[] = {
        {"Quarterly report.v2.txt", kByOffset, "Quarterly report.v2"},
        {"Old.Projects", ByVerb("AddToTavimoreth"), "Old.Projects"},
        {".profile", ByVerb("AddToTavimoreth", L"AddToTavimoreth"), ".profile"},
        {"Editor.lnk", kByOffset, "Editor"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = m_folder.File(c.file);
        const HandOffRequest request = HandOver(path, c.info);
        EXPECT_EQ(request.Name + "|" + request.ShortName + "|" + request.Description + "|" + request.ExePath,
                  std::string(c.name) + "|||" + path);
        EXPECT_EQ(g_requestWindow, mainWindow);
    }
    // Once the hand-over threads have finished, nothing holds the library any more.
    EXPECT_TRUE(PumpUntil([&] { return CanUnloadNow() == S_OK; }, 5000));
    PumpFor(200);
    EXPECT_EQ(g_requests, 4);
    DestroyWindow(configWindow);
    DestroyWindow(mainWindow);
}

// One entry, with the text from the file beside the library, for one file or folder; none for
// selections that cannot travel whole.
TEST_F(ShellExt, OneEntryWithTheTextBesideTheLibraryForWholeSelectionsOnly)
{
    const std::string file = m_folder.File("notes.txt");
    WriteBytes(file, "n");
    PublishHandOffDest(MakeDestWindow());
    Offer shipped(m_library, ShellDataObject({file}));
    ASSERT_EQ(GetMenuItemCount(shipped.popup), 1);
    EXPECT_EQ(GetMenuItemID(shipped.popup, 0), 100u);
    EXPECT_EQ(shipped.EntryText(), GetTipText(kShellExtMenuKey));
    char verb[64] = {};
    EXPECT_HRESULT_SUCCEEDED(shipped.menu->GetCommandString(0, GCS_VERBA, nullptr, verb, sizeof(verb)));
    EXPECT_STREQ(verb, "AddToTavimoreth");
    // A command that is not this extension's does nothing.
    EXPECT_HRESULT_FAILED(Invoke(shipped.menu, ByVerb(MAKEINTRESOURCEA(1))));
    EXPECT_HRESULT_FAILED(Invoke(shipped.menu, ByVerb("open")));

    // Selections that cannot travel whole get no entry, and their command does nothing.
    const std::string second = m_folder.File("b.txt");
    WriteBytes(second, "b");
    Offer two(m_library, ShellDataObject({file, second}));
    EXPECT_EQ(two.entries, 0);
    EXPECT_HRESULT_FAILED(Invoke(two.menu, kByOffset));
    PumpFor(300);
    EXPECT_EQ(g_requests, 0);
    EXPECT_EQ(Offer(m_library, ShellDataObject({file}), CMF_DEFAULTONLY).entries, 0);
    // ExePath is read with 1024 bytes: one more character would arrive cut to another path.
    const std::wstring base = L"C:\\" + std::wstring(1000, L'd') + L"\\";
    EXPECT_EQ(Offer(m_library, DropDataObject({base + std::wstring(1023 - base.size(), L'f')})).entries, 1);
    EXPECT_EQ(Offer(m_library, DropDataObject({base + std::wstring(1024 - base.size(), L'f')})).entries, 0);
    ASSERT_NE(GetACP(), static_cast<UINT>(CP_UTF8));
    EXPECT_EQ(Offer(m_library, DropDataObject({L"C:\\docs\\smile \u263A.txt"})).entries, 0);

    const std::string copy = m_folder.File("TavimorethExt.dll");
    ASSERT_TRUE(CopyFileA(DistDll().c_str(), copy.c_str(), FALSE));
    ShellExtLibrary library(copy);
    ASSERT_TRUE(library.Loaded());
    Offer offer(library, ShellDataObject({file}));
    // No text file: a blank entry would help nobody.
    EXPECT_EQ(offer.entries, 0);
    WriteBytes(m_folder.File("TavimorethConfig.ini"), "[TipMsgs]\r\nExplorerAddMenu=Zu Tavimoreth\r\n");
    EXPECT_EQ(EntriesFor(offer.menu, offer.data, offer.popup), 1);
    EXPECT_EQ(offer.EntryText(), "Zu Tavimoreth");
}

TEST_F(ShellExt, LiveObjectsFactoriesAndLocksKeepTheLibraryLoaded)
{
    EXPECT_EQ(CanUnloadNow(), S_OK);
    IClassFactory* factory = nullptr;
    EXPECT_EQ(m_library.GetClassObject(IID_IClassFactory, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
              CLASS_E_CLASSNOTAVAILABLE);
    ASSERT_HRESULT_SUCCEEDED(
        m_library.GetClassObject(kShellExtClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
    IUnknown* aggregated = nullptr;
    EXPECT_EQ(factory->CreateInstance(reinterpret_cast<IUnknown*>(factory), IID_IUnknown,
                                      reinterpret_cast<void**>(&aggregated)),
              CLASS_E_NOAGGREGATION);
    IContextMenu* menu = nullptr;
    ASSERT_HRESULT_SUCCEEDED(factory->CreateInstance(nullptr, IID_IContextMenu, reinterpret_cast<void**>(&menu)));
    factory->LockServer(TRUE);
    factory->Release();
    EXPECT_EQ(CanUnloadNow(), S_FALSE);
    menu->Release();
    EXPECT_EQ(CanUnloadNow(), S_FALSE) << "the lock still holds";
    ASSERT_HRESULT_SUCCEEDED(
        m_library.GetClassObject(kShellExtClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    factory->LockServer(FALSE);
    factory->Release();
    EXPECT_EQ(CanUnloadNow(), S_OK);
}

// Registering by regsvr32 and creating the extension through the registry are driven end to
// end; here what is written where, what is removed again, and the fall-back to the user.
TEST_F(ShellExt, RegistersForFilesFoldersAndShortcutsPerMachineOrElsePerUser)
{
    const std::string classKey = "Software\\Classes\\CLSID\\" + ClsidText();
    const char* const shellClasses[] = {"*", "Directory", "lnkfile"};
    ASSERT_EQ(m_library.Call("DllRegisterServer"), S_OK);
    EXPECT_EQ(KeyValue(HKEY_LOCAL_MACHINE, classKey + "\\InprocServer32", nullptr), DistDll());
    EXPECT_EQ(KeyValue(HKEY_LOCAL_MACHINE, classKey + "\\InprocServer32", "ThreadingModel"), "Apartment");
    for (const char* shellClass : shellClasses)
        EXPECT_EQ(KeyValue(HKEY_LOCAL_MACHINE, HandlerKey(shellClass), nullptr), ClsidText()) << shellClass;
    ASSERT_EQ(m_library.Call("DllUnregisterServer"), S_OK);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, classKey));
    for (const char* shellClass : shellClasses)
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, HandlerKey(shellClass))) << shellClass;
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\Classes\\*\\shellex\\ContextMenuHandlers"))
        << "keys of other extensions must stay";

    // The machine keys are made unwritable by pointing them at a key that no longer exists.
    HKEY gone = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\TavimorethTestGone", 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &gone, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\TavimorethTestGone"), ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, gone), ERROR_SUCCESS);
    const HRESULT registered = m_library.Call("DllRegisterServer");
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegCloseKey(gone);
    EXPECT_EQ(registered, S_OK);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, classKey));
    EXPECT_EQ(KeyValue(HKEY_CURRENT_USER, classKey + "\\InprocServer32", nullptr), DistDll());
    EXPECT_EQ(KeyValue(HKEY_CURRENT_USER, HandlerKey("Directory"), nullptr), ClsidText());
    EXPECT_EQ(m_library.Call("DllUnregisterServer"), S_OK);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, classKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, HandlerKey("*")));
}
