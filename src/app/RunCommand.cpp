#include "app/RunCommand.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>

bool RunCommand(const char* command, const char* parameters, bool show)
{
    const int showMode = show ? SW_SHOW : SW_HIDE;
    const bool hasParameters = parameters && *parameters;

    char buffer[1040] = {};
    std::strncat(buffer, command, sizeof(buffer) - 1);
    if (hasParameters) {
        std::strncat(buffer, " ", sizeof(buffer) - 1 - std::strlen(buffer));
        std::strncat(buffer, parameters, sizeof(buffer) - 1 - std::strlen(buffer));
    }

    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showMode);
    // Without a command line of its own the started program, and the command interpreter that
    // runs a batch file, would split a path with blanks into several arguments.
    char commandLine[sizeof(buffer) + 2] = {};
    std::snprintf(commandLine, sizeof(commandLine), "\"%s\"", buffer);
    PROCESS_INFORMATION process{};
    if (CreateProcessA(buffer, commandLine, nullptr, nullptr, FALSE, CREATE_NEW_PROCESS_GROUP | NORMAL_PRIORITY_CLASS,
                       nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return true;
    }

    HINSTANCE shell = ShellExecuteA(nullptr, nullptr, command, parameters, nullptr, showMode);
    if (reinterpret_cast<INT_PTR>(shell) > 32)
        return false;

    WinExec(buffer, static_cast<UINT>(showMode));
    return false;
}
