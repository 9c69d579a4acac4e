// Stands in for the Explorer extension: writes a request into the "ghyjtytsadf" section of
// win.ini and sends 0x41E to the window named under "Dest".
// Usage: handoff NAME SHORTNAME DESCRIPTION EXEPATH
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fputs("usage: handoff NAME SHORTNAME DESCRIPTION EXEPATH\n", stderr);
        return 2;
    }
    const char* section = "ghyjtytsadf";
    // As the extension does: the Name, which marks a whole request, goes first and comes last.
    WriteProfileStringA(section, "Name", nullptr);
    WriteProfileStringA(section, "ShortName", argv[2]);
    WriteProfileStringA(section, "Description", argv[3]);
    WriteProfileStringA(section, "ExePath", argv[4]);
    WriteProfileStringA(section, "Name", argv[1]);
    char dest[260] = {};
    GetProfileStringA("sdfggsadf", "Dest", "", dest, sizeof(dest));
    HWND target = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::atoll(dest)));
    if (!IsWindow(target))
        return 1;
    // Posted, as the extension does not wait for the dialog the request opens.
    return PostMessageA(target, WM_USER + 30, 0, 0) ? 0 : 1;
}
