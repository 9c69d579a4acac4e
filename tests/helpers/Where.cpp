// Prints where a control of a visible top-level window is on the screen, as "X Y" (its middle),
// so an end-to-end test can click it with the real pointer: where CAPTION CONTROL_ID.
#include <windows.h>

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
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    Search search{argv[1], nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return 3;
    HWND control = GetDlgItem(search.found, std::atoi(argv[2]));
    if (!control || !IsWindowVisible(control))
        return 4;
    RECT rect{};
    GetWindowRect(control, &rect);
    std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    return 0;
}
