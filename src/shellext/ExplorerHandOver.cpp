#include "shellext/ExplorerHandOver.h"

#include "data/HandOff.h"
#include "data/LeadBytes.h"
#include "shellext/ComGuard.h"
#include "shellext/ShellExtModule.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace {
// The reader's buffers (terminator included): the path as ExePath, the last name as Name.
constexpr size_t kPathLimit = 1024;
constexpr size_t kNameLimit = 260;
// How long a hand-over waits for the program's window to exist, and how often it looks.
constexpr DWORD kWindowWaitMs = 30000;
constexpr DWORD kPollMs = 100;

std::string LastName(const std::string& path)
{
    const size_t slash = LeadBytes::OfSystem().FindLast(path, '\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A file's name loses its extension; a folder's name, or a name that is all extension such
// as ".profile", stays whole.
HandOffRequest RequestFor(const std::string& path)
{
    HandOffRequest request;
    request.Name = LastName(path);
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    const size_t dot = request.Name.find_last_of('.');
    if (!folder && dot != std::string::npos && dot > 0)
        request.Name.erase(dot);
    request.ExePath = path;
    return request;
}

// The program marks a running instance with this named section.
bool ProgramRuns()
{
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, "Tavimoret");
    if (!mapping)
        return false;
    CloseHandle(mapping);
    return true;
}

// The main window behind the "Dest" window: the configuration window names itself there while
// it is open, and it is owned by the main window.
HWND MainWindowOf(HWND dest)
{
    HWND root = GetAncestor(dest, GA_ROOTOWNER);
    return root ? root : dest;
}

// The program's window once "Dest" names a live one (of the started process, when one was
// started), or nullptr when the wait runs out or the started process ends first.
HWND WaitForProgramWindow(HANDLE process, DWORD processId)
{
    for (DWORD waited = 0; waited < kWindowWaitMs; waited += kPollMs) {
        if (HWND dest = PublishedHandOffDest()) {
            DWORD owner = 0;
            GetWindowThreadProcessId(dest, &owner);
            if (!process || owner == processId)
                return dest;
        }
        if (process && WaitForSingleObject(process, 0) == WAIT_OBJECT_0)
            return nullptr;
        Sleep(kPollMs);
    }
    return nullptr;
}

bool StartProgram(PROCESS_INFORMATION& started)
{
    const std::string folder = ModuleFolder();
    if (folder.empty())
        return false;
    std::string program = folder + "\\Tavimoreth.exe";
    std::vector<char> commandLine(program.size() + 3, '\0');
    wsprintfA(commandLine.data(), "\"%s\"", program.c_str());
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    return CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                          &startup, &started);
}

void HandOver(const std::string& path)
{
    if (!WriteHandOffRequest(RequestFor(path)))
        return;
    PROCESS_INFORMATION started = {};
    if (!ProgramRuns() && !StartProgram(started))
        return;
    if (HWND dest = WaitForProgramWindow(started.hProcess, started.dwProcessId)) {
        HWND main = MainWindowOf(dest);
        DWORD owner = 0;
        GetWindowThreadProcessId(main, &owner);
        // The user just chose the command: let the program's dialog come to the front.
        AllowSetForegroundWindow(owner);
        PostMessageA(main, kHandOffRequestMessage, 0, 0);
    }
    if (started.hProcess) {
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
}

// The thread holds its own reference to the library and a module lock, so neither the
// Explorer's unloading nor COM's can pull the code from under it.
DWORD WINAPI HandOverThread(LPVOID parameter)
{
    auto* path = static_cast<std::string*>(parameter);
    Guarded([&] {
        HandOver(*path);
        return S_OK;
    });
    delete path;
    UnlockModule();
    FreeLibraryAndExitThread(g_module, 0);
}
} // namespace

std::string HandOverPathOf(const wchar_t* widePath)
{
    const UINT codePage = GetACP();
    // The UTF-8 code page takes no default-character flag and loses nothing.
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL lost = FALSE;
    BOOL* lostFlag = codePage == CP_UTF8 ? nullptr : &lost;
    const int size = WideCharToMultiByte(codePage, flags, widePath, -1, nullptr, 0, nullptr, lostFlag);
    if (size <= 1 || lost || static_cast<size_t>(size) > kPathLimit)
        return std::string();
    std::vector<char> text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, flags, widePath, -1, text.data(), size, nullptr, lostFlag);
    const std::string path(text.data());
    const std::string name = LastName(path);
    if (lost || name.empty() || name.size() >= kNameLimit)
        return std::string();
    return path;
}

bool StartHandOver(const std::string& path)
{
    std::unique_ptr<std::string> copy(new std::string(path));
    HMODULE self = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&HandOverThread), &self))
        return false;
    LockModule();
    HANDLE thread = CreateThread(nullptr, 0, HandOverThread, copy.get(), 0, nullptr);
    if (!thread) {
        UnlockModule();
        FreeLibrary(self);
        return false;
    }
    copy.release();
    CloseHandle(thread);
    return true;
}
