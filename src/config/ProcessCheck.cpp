#include "config/ProcessCheck.h"

#include <windows.h>

#include <tlhelp32.h>

#include <cstring>

bool IsProcessRunning(const std::string& exeName)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    bool running = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !running; more = Process32Next(snapshot, &entry)) {
        const char* slash = std::strrchr(entry.szExeFile, '\\');
        running = lstrcmpiA(slash ? slash + 1 : entry.szExeFile, exeName.c_str()) == 0;
    }
    CloseHandle(snapshot);
    return running;
}
