// Prints where a control of a visible top-level window is on the screen, as "X Y" (its middle),
// so an end-to-end test can click it with the real pointer: where CAPTION CONTROL_ID [ROW].
// With a row, the control is a list view and the point is in that row's first column.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
struct Search {
    const char* caption;
    HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<Search*>(context);
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    if (IsWindowVisible(window) && std::strcmp(text, search->caption) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
// The row's rectangle has to be asked for with a buffer in the list's own process.
bool RowRect(HWND list, int row, RECT& rect)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process)
        return false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof rect, MEM_COMMIT, PAGE_READWRITE);
    rect = RECT{LVIR_LABEL, 0, 0, 0};
    bool ok = remote && WriteProcessMemory(process, remote, &rect, sizeof rect, nullptr) &&
              SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(remote)) &&
              ReadProcessMemory(process, remote, &rect, sizeof rect, nullptr);
    if (remote)
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return ok;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4)
        return 2;
    Search search{argv[1], nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return 3;
    HWND control = GetDlgItem(search.found, std::atoi(argv[2]));
    if (!control || !IsWindowVisible(control))
        return 4;
    RECT rect{};
    if (argc == 4) {
        if (!RowRect(control, std::atoi(argv[3]), rect) || rect.bottom <= rect.top)
            return 5;
        POINT point{rect.left + 20, (rect.top + rect.bottom) / 2};
        ClientToScreen(control, &point);
        std::printf("%ld %ld\n", point.x, point.y);
        return 0;
    }
    GetWindowRect(control, &rect);
    std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    return 0;
}
