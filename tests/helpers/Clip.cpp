// Reads and writes the clipboard for end-to-end tests: `clip set TEXT`, `clip get` (prints the
// text).
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {
int SetText(const char* text)
{
    if (!OpenClipboard(nullptr))
        return 1;
    EmptyClipboard();
    const size_t size = std::strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(memory), text, size);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
    return 0;
}

int PrintText()
{
    if (!OpenClipboard(nullptr))
        return 1;
    HANDLE data = GetClipboardData(CF_TEXT);
    if (data) {
        std::fputs(static_cast<const char*>(GlobalLock(data)), stdout);
        GlobalUnlock(data);
    }
    CloseClipboard();
    return data ? 0 : 2;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "set") == 0)
        return SetText(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "get") == 0)
        return PrintText();
    std::fputs("usage: clip set TEXT | clip get\n", stderr);
    return 2;
}
