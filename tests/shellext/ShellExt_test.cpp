// The Explorer extension loaded in-process as the shell loads it, with the hand-off section and
// a test window standing in for the running program.
#include "ShellExtLoader.h"

#include "TempFolder.h"
#include "WinTestSupport.h"
#include "data/HandOff.h"
#include "ui/TipText.h"
#include "shellext/ShellExtIds.h"

#include <gtest/gtest.h>

#include <olectl.h>

#include <filesystem>

namespace {
int g_requests = 0;
HWND g_requestWindow = nullptr;

LRESULT CALLBACK DestProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kHandOffRequestMessage) {
        ++g_requests;
        g_requestWindow = window;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeDestWindow(HWND owner = nullptr)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DestProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "ShellExtTestDest";
    RegisterClassA(&windowClass);
    return CreateWindowA("ShellExtTestDest", "dest", WS_POPUP, 0, 0, 10, 10, owner, nullptr, nullptr, nullptr);
}

std::string DistDll()
{
    return DistFolder() + "\\TavimorethExt.dll";
}

std::string EntryText(HMENU popup)
{
    char text[260] = {};
    GetMenuStringA(popup, 0, text, sizeof(text), MF_BYPOSITION);
    return text;
}

void MakeShortcut(const std::string& linkPath, const std::string& target)
{
    IShellLinkA* link = nullptr;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                              reinterpret_cast<void**>(&link)));
    link->SetPath(target.c_str());
    IPersistFile* file = nullptr;
    link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
    EXPECT_HRESULT_SUCCEEDED(file->Save(wide, TRUE));
    file->Release();
    link->Release();
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
        HandOffRequest request;
        IContextMenu* menu = m_library.NewMenu();
        EXPECT_NE(menu, nullptr);
        if (!menu)
            return request;
        IDataObject* data = ShellDataObject({path});
        EXPECT_NE(data, nullptr) << path;
        HMENU popup = CreatePopupMenu();
        EXPECT_EQ(EntriesFor(menu, data, popup), 1) << path;
        const int before = g_requests;
        EXPECT_HRESULT_SUCCEEDED(Invoke(menu, info));
        EXPECT_TRUE(PumpUntil([&] { return g_requests > before; }, 10000)) << "no request for " << path;
        EXPECT_TRUE(ReadHandOffRequest(request));
        DestroyMenu(popup);
        if (data)
            data->Release();
        menu->Release();
        return request;
    }

    WinTestEnvironment m_environment;
    ShellExtLibrary m_library{DistDll()};
    HANDLE m_running = nullptr;
    TempFolder m_folder;
};
} // namespace

TEST_F(ShellExt, OneFileGetsOneEntryAndReachesTheDestWindow)
{
    const std::string path = m_folder.File("Quarterly report.v2.txt");
    WriteBytes(path, "figures");
    HWND dest = MakeDestWindow();
    PublishHandOffDest(dest);
    WriteProfileStringA(kRequestSection, "ShortName", "left over");
    WriteProfileStringA(kRequestSection, "Description", "left over");

    IContextMenu* menu = m_library.NewMenu();
    ASSERT_NE(menu, nullptr);
    IDataObject* data = ShellDataObject({path});
    ASSERT_NE(data, nullptr);
    HMENU popup = CreatePopupMenu();
    ASSERT_EQ(EntriesFor(menu, data, popup), 1);
    ASSERT_EQ(GetMenuItemCount(popup), 1);
    EXPECT_EQ(GetMenuItemID(popup, 0), 100u);
    EXPECT_EQ(EntryText(popup), GetTipText(kShellExtMenuKey)) << "the shipped text, as TipText's test checks";
    char verb[64] = {};
    EXPECT_HRESULT_SUCCEEDED(menu->GetCommandString(0, GCS_VERBA, nullptr, verb, sizeof(verb)));
    EXPECT_STREQ(verb, "AddToTavimoreth");
    // A command that is not this extension's does nothing.
    EXPECT_HRESULT_FAILED(Invoke(menu, ByVerb(MAKEINTRESOURCEA(1))));
    EXPECT_HRESULT_FAILED(Invoke(menu, ByVerb("open")));
    PumpFor(300);
    EXPECT_EQ(g_requests, 0);

    ASSERT_HRESULT_SUCCEEDED(Invoke(menu, kByOffset));
    ASSERT_TRUE(PumpUntil([] { return g_requests == 1; }, 10000));
    EXPECT_EQ(g_requestWindow, dest);
    HandOffRequest request;
    ASSERT_TRUE(ReadHandOffRequest(request));
    EXPECT_EQ(request.Name, "Quarterly report.v2");
    EXPECT_EQ(request.ShortName, "");
    EXPECT_EQ(request.Description, "");
    EXPECT_EQ(request.ExePath, path);

    DestroyMenu(popup);
    data->Release();
    menu->Release();
    // Once the hand-over thread has finished, nothing holds the library any more.
    EXPECT_TRUE(PumpUntil([&] { return m_library.CanUnloadNow() == S_OK; }, 5000));
    PumpFor(200);
    EXPECT_EQ(g_requests, 1);
    DestroyWindow(dest);
}

TEST_F(ShellExt, FoldersShortcutsAndDotNamesKeepTheirNamesAndTheMainWindowIsTold)
{
    // With the configuration window open, "Dest" names it; the request still goes to the main
    // window that owns it.
    HWND mainWindow = MakeDestWindow();
    HWND configWindow = MakeDestWindow(mainWindow);
    PublishHandOffDest(configWindow);

    const std::string folder = m_folder.File("Old.Projects");
    std::filesystem::create_directory(folder);
    HandOffRequest request = HandOver(folder, kByOffset);
    EXPECT_EQ(request.Name, "Old.Projects");
    EXPECT_EQ(request.ExePath, folder);
    EXPECT_EQ(g_requestWindow, mainWindow);

    const std::string target = m_folder.File("editor.exe");
    WriteBytes(target, "MZ");
    const std::string link = m_folder.File("Editor.lnk");
    MakeShortcut(link, target);
    request = HandOver(link, ByVerb("AddToTavimoreth"));
    EXPECT_EQ(request.Name, "Editor");
    EXPECT_EQ(request.ExePath, link);

    const std::string dotName = m_folder.File(".profile");
    WriteBytes(dotName, "x");
    request = HandOver(dotName, ByVerb("AddToTavimoreth", L"AddToTavimoreth"));
    EXPECT_EQ(request.Name, ".profile");
    EXPECT_EQ(g_requests, 3);
    DestroyWindow(configWindow);
    DestroyWindow(mainWindow);
}

TEST_F(ShellExt, SelectionsThatCannotTravelWholeGetNoEntry)
{
    const std::string first = m_folder.File("a.txt");
    const std::string second = m_folder.File("b.txt");
    WriteBytes(first, "a");
    WriteBytes(second, "b");
    IContextMenu* menu = m_library.NewMenu();
    ASSERT_NE(menu, nullptr);
    HMENU popup = CreatePopupMenu();

    IDataObject* two = ShellDataObject({first, second});
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(EntriesFor(menu, two, popup), 0);
    EXPECT_HRESULT_FAILED(Invoke(menu, kByOffset));
    two->Release();

    IDataObject* one = ShellDataObject({first});
    EXPECT_EQ(EntriesFor(menu, one, popup, CMF_DEFAULTONLY), 0);
    one->Release();

    // ExePath is read with 1024 bytes: one more character would arrive cut to another path.
    const std::wstring base = L"C:\\" + std::wstring(1000, L'd') + L"\\";
    IDataObject* fits = DropDataObject({base + std::wstring(1023 - base.size(), L'f')});
    EXPECT_EQ(EntriesFor(menu, fits, popup), 1);
    fits->Release();
    DeleteMenu(popup, 0, MF_BYPOSITION);
    IDataObject* tooLong = DropDataObject({base + std::wstring(1024 - base.size(), L'f')});
    EXPECT_EQ(EntriesFor(menu, tooLong, popup), 0);
    tooLong->Release();

    ASSERT_NE(GetACP(), static_cast<UINT>(CP_UTF8));
    IDataObject* unwritable = DropDataObject({L"C:\\docs\\smile \u263A.txt"});
    EXPECT_EQ(EntriesFor(menu, unwritable, popup), 0);
    unwritable->Release();
    EXPECT_EQ(GetMenuItemCount(popup), 0);
    DestroyMenu(popup);
    menu->Release();
}

TEST_F(ShellExt, TheEntryTextComesFromTheTextFileBesideTheLibrary)
{
    const std::string copy = m_folder.File("TavimorethExt.dll");
    ASSERT_TRUE(CopyFileA(DistDll().c_str(), copy.c_str(), FALSE));
    const std::string file = m_folder.File("notes.txt");
    WriteBytes(file, "n");
    {
        ShellExtLibrary library(copy);
        ASSERT_TRUE(library.Loaded());
        IContextMenu* menu = library.NewMenu();
        ASSERT_NE(menu, nullptr);
        HMENU popup = CreatePopupMenu();
        IDataObject* data = ShellDataObject({file});
        // No text file: a blank entry would help nobody.
        EXPECT_EQ(EntriesFor(menu, data, popup), 0);
        WriteBytes(m_folder.File("TavimorethConfig.ini"), "[TipMsgs]\r\nExplorerAddMenu=Zu Tavimoreth\r\n");
        EXPECT_EQ(EntriesFor(menu, data, popup), 1);
        EXPECT_EQ(EntryText(popup), "Zu Tavimoreth");
        data->Release();
        DestroyMenu(popup);
        menu->Release();
    }
}

TEST_F(ShellExt, LiveObjectsFactoriesAndLocksKeepTheLibraryLoaded)
{
    EXPECT_EQ(m_library.CanUnloadNow(), S_OK);
    IClassFactory* factory = nullptr;
    EXPECT_EQ(m_library.GetClassObject(IID_IClassFactory, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
              CLASS_E_CLASSNOTAVAILABLE);
    ASSERT_HRESULT_SUCCEEDED(
        m_library.GetClassObject(kShellExtClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    EXPECT_EQ(m_library.CanUnloadNow(), S_FALSE);
    IUnknown* aggregated = nullptr;
    EXPECT_EQ(factory->CreateInstance(reinterpret_cast<IUnknown*>(factory), IID_IUnknown,
                                      reinterpret_cast<void**>(&aggregated)),
              CLASS_E_NOAGGREGATION);
    IShellExtInit* init = nullptr;
    ASSERT_HRESULT_SUCCEEDED(factory->CreateInstance(nullptr, IID_IShellExtInit, reinterpret_cast<void**>(&init)));
    factory->LockServer(TRUE);
    factory->Release();
    EXPECT_EQ(m_library.CanUnloadNow(), S_FALSE);
    factory = nullptr;
    ASSERT_HRESULT_SUCCEEDED(
        m_library.GetClassObject(kShellExtClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    factory->LockServer(FALSE);
    factory->Release();
    EXPECT_EQ(m_library.CanUnloadNow(), S_FALSE);
    IContextMenu* menu = nullptr;
    ASSERT_HRESULT_SUCCEEDED(init->QueryInterface(IID_IContextMenu, reinterpret_cast<void**>(&menu)));
    init->Release();
    EXPECT_EQ(m_library.CanUnloadNow(), S_FALSE);
    menu->Release();
    EXPECT_EQ(m_library.CanUnloadNow(), S_OK);
}

TEST_F(ShellExt, RegSvr32RegistersForFilesFoldersAndShortcutsAndUnregisters)
{
    const std::string clsid = ClsidText();
    const std::string classKey = "Software\\Classes\\CLSID\\" + clsid;
    auto regsvr32 = [](const std::string& options) {
        HANDLE process = StartProcess("regsvr32.exe " + options + " \"" + DistDll() + "\"");
        if (!process)
            return DWORD(999);
        DWORD code = 998;
        if (WaitForSingleObject(process, 60000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process, &code);
        CloseHandle(process);
        return code;
    };
    ASSERT_EQ(regsvr32("/s"), 0u);
    EXPECT_EQ(KeyValue(HKEY_LOCAL_MACHINE, classKey + "\\InprocServer32", nullptr), DistDll());
    EXPECT_EQ(KeyValue(HKEY_LOCAL_MACHINE, classKey + "\\InprocServer32", "ThreadingModel"), "Apartment");
    for (const char* shellClass : {"*", "Directory", "lnkfile"})
        EXPECT_EQ(KeyValue(HKEY_LOCAL_MACHINE, HandlerKey(shellClass), nullptr), clsid) << shellClass;
    // The shell's own way in: the class id through the registry.
    IContextMenu* menu = nullptr;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(kShellExtClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IContextMenu,
                                              reinterpret_cast<void**>(&menu)));
    menu->Release();

    ASSERT_EQ(regsvr32("/u /s"), 0u);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, classKey));
    for (const char* shellClass : {"*", "Directory", "lnkfile"})
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, HandlerKey(shellClass))) << shellClass;
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\Classes\\*\\shellex\\ContextMenuHandlers"))
        << "keys of other extensions must stay";
}

TEST_F(ShellExt, RegistrationFallsBackToTheUserWhenTheMachineKeysCannotBeWritten)
{
    const std::string classKey = "Software\\Classes\\CLSID\\" + ClsidText();
    // A program started earlier in this prefix may have left its registration behind.
    ASSERT_EQ(m_library.Unregister(), S_OK);
    // The machine keys are made unwritable by pointing them at a key that no longer exists.
    HKEY gone = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\TavimorethTestGone", 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &gone, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\TavimorethTestGone"), ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, gone), ERROR_SUCCESS);
    const HRESULT registered = m_library.Register();
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegCloseKey(gone);

    EXPECT_EQ(registered, S_OK);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, classKey));
    EXPECT_EQ(KeyValue(HKEY_CURRENT_USER, classKey + "\\InprocServer32", nullptr), DistDll());
    EXPECT_EQ(KeyValue(HKEY_CURRENT_USER, HandlerKey("Directory"), nullptr), ClsidText());
    EXPECT_EQ(m_library.Unregister(), S_OK);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, classKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, HandlerKey("*")));
}
